#include "wizard/TitlesPage.h"

#include "builder/MenuText.h"
#include "builder/TitleTidying.h"
#include "settings/ProgramSettings.h"
#include "wizard/CompilationCommands.h"
#include "wizard/CompilationDocument.h"
#include "wizard/CompilationModels.h"
#include "wizard/controls/ListBox.h"
#include "wizard/controls/MessageBoxes.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUndoStack>

namespace wizard
{

TitlesPage::TitlesPage(QWidget* window, const Controls& controls, CompilationDocument& document,
                       QUndoStack& undoStack, Settings settings)
    : QObject(window), m_window(window), m_ui(controls), m_document(document),
      m_undoStack(undoStack), m_settings(std::move(settings)),
      m_titles(new MenuModel(document, MenuModel::Shows::Titles, this)),
      m_preview(new MenuModel(document, MenuModel::Shows::PreviewLines, this))
{
    m_ui.lstRomTitles->setModel(m_titles);
    m_ui.lstPreview->setModel(m_preview);
    for (ListView* list : {m_ui.lstRomTitles, m_ui.lstPreview})
        list->setUniformItemSizes(true);

    const auto wire = [this](auto* sender, auto signal, void (TitlesPage::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { RunGuarded(m_window, [&] { (this->*handler)(); }); });
    };
    wire(m_ui.lstRomTitles->selectionModel(), &QItemSelectionModel::currentChanged,
         &TitlesPage::lstRomTitlesClick);
    wire(m_ui.btnChangeTitle, &QPushButton::clicked, &TitlesPage::btnChangeTitleClick);
    wire(m_ui.txtRomTitle, &QLineEdit::returnPressed, &TitlesPage::btnChangeTitleClick);
    wire(m_ui.chkSorted, &QCheckBox::toggled, &TitlesPage::chkSortedClick);
    wire(m_ui.chkNumbering, &QCheckBox::toggled, &TitlesPage::chkNumberingClick);
    wire(m_ui.btnTidyTitles, &QPushButton::clicked, &TitlesPage::btnTidyTitlesClick);
    connect(&m_document, &CompilationDocument::replaced, this, &TitlesPage::showCompilation);
}

void TitlesPage::enter()
{
    settings::SettingsFile* file = m_settings();
    // A rom keeps the title it has; a rom new to the selection takes its stored one.
    m_document.edit([file](builder::Compilation& compilation) {
        if (file)
            compilation.fillMissingTitles(
                [file](const QString& name) { return settings::storedTitle(*file, name); });
        compilation.arrangeMenu();
    });
    select(0);
}

void TitlesPage::select(int position)
{
    const QModelIndex index = m_titles->index(position);
    m_ui.lstRomTitles->setCurrentIndex(index);
    m_ui.lstRomTitles->scrollTo(index);
    lstRomTitlesClick();
}

void TitlesPage::showCompilation()
{
    {
        const QSignalBlocker numbering(m_ui.chkNumbering);
        const QSignalBlocker sorted(m_ui.chkSorted);
        m_ui.chkNumbering->setChecked(m_document.compilation().numbered());
        m_ui.chkSorted->setChecked(m_document.compilation().sorted());
    }
    // The title selected stays selected wherever it moved; else the first.
    const qsizetype place = m_document.compilation().menuFileNames().indexOf(m_selectedRom);
    select(int(qMax<qsizetype>(place, 0)));
}

void TitlesPage::lstRomTitlesClick()
{
    const int position = m_ui.lstRomTitles->currentIndex().row();
    if (position < 0)
        return;
    m_selectedRom = m_document.compilation().menuRom(position).fileName;
    m_ui.txtRomTitle->setText(
        m_titles->data(m_titles->index(position), Qt::DisplayRole).toString());
}

void TitlesPage::btnChangeTitleClick()
{
    const QString title = m_ui.txtRomTitle->text();
    const int position = m_ui.lstRomTitles->currentIndex().row();
    if (title.isEmpty() || position < 0)
        return;
    // Held to what a compilation file may hold (a pasted tab, say, would not read back).
    if (builder::menuTextFault(title, builder::MenuTextPart::Title) !=
        builder::MenuTextFault::None) {
        showWarning(m_window, QCoreApplication::translate(
                                  "TfrmRomweaver", "A title cannot hold a tab, a line break or "
                                                   "another control character."));
        return;
    }
    settings::SettingsFile* file = m_settings();
    if (!file)
        return;
    // Stored under the entry's own rom file, not looked up through its present
    // title, which another rom may share.
    const QString fileName = m_document.compilation().menuRom(position).fileName;
    perform(m_undoStack,
            std::make_unique<TitlesEdit>(
                m_document, *file,
                QCoreApplication::translate("wizard::TitlesPage", "Change the title of %1")
                    .arg(fileName),
                QHash<QString, QString>{{fileName, title}},
                [position, title](CompilationDocument& document) {
                    document.editMenuEntry(position, [&](builder::Compilation& compilation) {
                        compilation.setMenuTitle(position, title);
                    });
                }));
}

void TitlesPage::chkSortedClick()
{
    const bool sorted = m_ui.chkSorted->isChecked();
    perform(m_undoStack,
            std::make_unique<CompilationEdit>(
                m_document,
                sorted ? QCoreApplication::translate("wizard::TitlesPage", "Sort by title")
                       : QCoreApplication::translate("wizard::TitlesPage", "Stop sorting by title"),
                [sorted](CompilationDocument& document) {
                    document.edit([sorted](builder::Compilation& compilation) {
                        compilation.setSorted(sorted);
                    });
                }));
}

void TitlesPage::chkNumberingClick()
{
    const bool numbered = m_ui.chkNumbering->isChecked();
    perform(m_undoStack,
            std::make_unique<CompilationEdit>(
                m_document,
                numbered
                    ? QCoreApplication::translate("wizard::TitlesPage", "Number the menu")
                    : QCoreApplication::translate("wizard::TitlesPage", "Stop numbering the menu"),
                [numbered](CompilationDocument& document) {
                    document.edit([numbered](builder::Compilation& compilation) {
                        compilation.setNumbered(numbered);
                    });
                }));
}

void TitlesPage::btnTidyTitlesClick()
{
    settings::SettingsFile* file = m_settings();
    if (!file)
        return;
    // Only titles that are still their file name: a title the user gave stays.
    QHash<QString, QString> tidied;
    const builder::Compilation& compilation = m_document.compilation();
    for (const builder::CompilationRom& rom : compilation.roms()) {
        if (rom.menuTitle() != rom.fileName)
            continue;
        const QString title = builder::tidyTitle(rom.fileName);
        if (title != rom.fileName)
            tidied.insert(rom.fileName, title);
    }
    if (tidied.isEmpty())
        return;
    perform(
        m_undoStack,
        std::make_unique<TitlesEdit>(
            m_document, *file, QCoreApplication::translate("wizard::TitlesPage", "Tidy titles"),
            tidied, [tidied](CompilationDocument& document) {
                document.edit([&tidied](builder::Compilation& compilation) {
                    for (qsizetype position = 0; position < compilation.menuSize(); ++position) {
                        const auto title = tidied.constFind(compilation.menuRom(position).fileName);
                        if (title != tidied.cend())
                            compilation.setMenuTitle(position, *title);
                    }
                });
            }));
}

} // namespace wizard
