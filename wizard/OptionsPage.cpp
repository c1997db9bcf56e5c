#include "wizard/OptionsPage.h"

#include "wizard/CompilationCommands.h"
#include "wizard/CompilationDocument.h"
#include "wizard/CompilationModels.h"
#include "wizard/OptionsModel.h"
#include "wizard/UnitAddSpriteNumber.h"
#include "wizard/UnitNewOption.h"
#include "wizard/controls/ListBox.h"
#include "wizard/controls/MessageBoxes.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUndoStack>

namespace wizard
{

namespace
{

// The flag sum is a 32-bit signed value: bit 31 would make it negative, so
// options from position 31 on cannot be represented.
constexpr int MaxOptionPosition = 30;

} // namespace

OptionsPage::OptionsPage(QWidget* window, const Controls& controls, CompilationDocument& document,
                         QUndoStack& undoStack, Settings settings)
    : QObject(window), m_window(window), m_ui(controls), m_document(document),
      m_undoStack(undoStack), m_settings(std::move(settings)), m_options(new OptionsModel(this)),
      m_lines(new MenuModel(document, MenuModel::Shows::MenuLines, this))
{
    m_ui.lstOptions->setModel(m_options);
    m_ui.lstTitleAndOptions->setModel(m_lines);
    m_ui.lstTitleAndOptions->setUniformItemSizes(true);

    const auto wire = [this](auto* sender, auto signal, void (OptionsPage::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { RunGuarded(m_window, [&] { (this->*handler)(); }); });
    };
    wire(m_ui.lstOptions->selectionModel(), &QItemSelectionModel::currentChanged,
         &OptionsPage::lstOptionsClick);
    wire(m_ui.btnAddToMenuItem, &QPushButton::clicked, &OptionsPage::btnAddToMenuItemClick);
    wire(m_ui.btnRemoveOptions, &QPushButton::clicked, &OptionsPage::btnRemoveOptionsClick);
    wire(m_ui.btnAddSpriteNumber, &QPushButton::clicked, &OptionsPage::btnAddSpriteNumberClick);
    // A double-click on a menu line opens the sprite dialog for that line.
    wire(m_ui.lstTitleAndOptions, &QAbstractItemView::doubleClicked,
         &OptionsPage::btnAddSpriteNumberClick);
    wire(m_ui.btnNewOption, &QPushButton::clicked, &OptionsPage::btnNewOptionClick);
    wire(m_ui.btnChangeOption, &QPushButton::clicked, &OptionsPage::btnChangeOptionClick);
    wire(m_ui.btnDeleteOption, &QPushButton::clicked, &OptionsPage::btnDeleteOptionClick);
    // After any change of the menu, a line stays selected.
    connect(&m_document, &CompilationDocument::replaced, this, [this] {
        if (selectedLine() < 0 && m_lines->rowCount() > 0)
            m_ui.lstTitleAndOptions->setCurrentIndex(m_lines->index(0));
    });
}

void OptionsPage::setDialogs(TfrmNewOption* newOption, TfrmAddSpriteNumber* addSpriteNumber)
{
    m_newOption = newOption;
    m_addSpriteNumber = addSpriteNumber;
    // The dialogs' "Add": stored or applied here, then the dialog closes; a
    // failed settings write is shown over the dialog, which stays open.
    connect(newOption, &TfrmNewOption::addRequested, this, [this](const QString& description) {
        RunGuarded(m_newOption, [&] {
            addOption(description);
            m_newOption->hide();
        });
    });
    connect(addSpriteNumber, &TfrmAddSpriteNumber::addRequested, this,
            [this](const QString& spriteValue) {
                RunGuarded(m_addSpriteNumber, [&] {
                    applySpriteValueToSelectedLine(spriteValue);
                    m_addSpriteNumber->hide();
                });
            });
}

void OptionsPage::enter()
{
    if (settings::SettingsFile* file = m_settings())
        m_options->setOptions(settings::storedOptions(*file));
    // Each rom's option flags and sprite value are its own: the menu lines
    // show them, in the menu's present order and numbering.
    if (m_lines->rowCount() > 0)
        m_ui.lstTitleAndOptions->setCurrentIndex(m_lines->index(0));
    if (m_options->rowCount() > 0) {
        m_ui.lstOptions->selectionModel()->setCurrentIndex(m_options->index(0),
                                                           QItemSelectionModel::Clear);
        m_ui.txtOption->setText(
            m_options->data(m_options->index(0), OptionsModel::DescriptionRole).toString());
    }
}

int OptionsPage::selectedLine() const
{
    return m_ui.lstTitleAndOptions->currentIndex().row();
}

void OptionsPage::lstOptionsClick()
{
    const QModelIndex focused = m_ui.lstOptions->currentIndex();
    if (focused.isValid())
        m_ui.txtOption->setText(focused.data(OptionsModel::DescriptionRole).toString());
}

void OptionsPage::btnAddToMenuItemClick()
{
    qint32 flagSum = 0;
    bool unrepresentable = false;
    for (const QModelIndex& selected : m_ui.lstOptions->selectionModel()->selectedRows()) {
        if (selected.row() > MaxOptionPosition)
            unrepresentable = true;
        else
            flagSum += qint32(1) << selected.row();
    }
    if (unrepresentable)
        showInformation(m_window,
                        QCoreApplication::translate(
                            "TfrmRomweaver", "Only the first %1 options can be added to a menu "
                                             "item; options further down the list are left out.")
                            .arg(MaxOptionPosition + 1));
    const int position = selectedLine();
    if (flagSum == 0 || position < 0)
        return;
    perform(m_undoStack,
            std::make_unique<CompilationEdit>(
                m_document,
                QCoreApplication::translate("wizard::OptionsPage", "Add options to a menu item"),
                [position, flagSum](CompilationDocument& document) {
                    document.editMenuEntry(position, [&](builder::Compilation& compilation) {
                        compilation.applyOptionFlags(position, flagSum);
                    });
                }));
}

void OptionsPage::btnRemoveOptionsClick()
{
    const int position = selectedLine();
    if (position < 0)
        return;
    perform(
        m_undoStack,
        std::make_unique<CompilationEdit>(
            m_document,
            QCoreApplication::translate("wizard::OptionsPage", "Remove options from a menu item"),
            [position](CompilationDocument& document) {
                document.editMenuEntry(position, [&](builder::Compilation& compilation) {
                    compilation.removeOptions(position);
                });
            }));
}

void OptionsPage::btnAddSpriteNumberClick()
{
    if (m_addSpriteNumber)
        m_addSpriteNumber->open();
}

void OptionsPage::applySpriteValueToSelectedLine(const QString& spriteValue)
{
    const int position = selectedLine();
    if (position < 0 || position >= m_document.compilation().menuSize())
        return;
    perform(m_undoStack,
            std::make_unique<CompilationEdit>(
                m_document,
                QCoreApplication::translate("wizard::OptionsPage", "Add a sprite value"),
                [position, spriteValue](CompilationDocument& document) {
                    document.editMenuEntry(position, [&](builder::Compilation& compilation) {
                        compilation.applySpriteValue(position, spriteValue);
                    });
                }));
}

void OptionsPage::btnNewOptionClick()
{
    if (m_options->rowCount() > MaxOptionPosition) {
        showInformation(m_window, QCoreApplication::translate("TfrmRomweaver",
                                                              "No more options can be added: a "
                                                              "menu item can carry at most %1 "
                                                              "options.")
                                      .arg(MaxOptionPosition + 1));
        return;
    }
    if (m_newOption)
        m_newOption->open(QCoreApplication::translate("TfrmRomweaver", "Option nr %1")
                              .arg(m_options->nextOptionNumber()));
}

void OptionsPage::changeOptions(const QString& text, const QList<settings::StoredOption>& after)
{
    settings::SettingsFile* file = m_settings();
    if (!file)
        return;
    // The description field stays as it is whatever the list does.
    const QSignalBlocker blocker(m_ui.lstOptions->selectionModel());
    const int focused = m_ui.lstOptions->currentIndex().row();
    perform(m_undoStack, std::make_unique<OptionsEdit>(*m_options, *file, text, after));
    if (m_options->rowCount() > 0)
        m_ui.lstOptions->selectionModel()->setCurrentIndex(
            m_options->index(qBound(0, focused, m_options->rowCount() - 1)),
            QItemSelectionModel::NoUpdate);
}

void OptionsPage::addOption(const QString& description)
{
    QList<settings::StoredOption> options = m_options->options();
    options.append({QByteArray::number(m_options->nextOptionNumber()), description});
    changeOptions(
        QCoreApplication::translate("wizard::OptionsPage", "Add option %1").arg(description),
        options);
}

void OptionsPage::btnChangeOptionClick()
{
    const int row = m_ui.lstOptions->currentIndex().row();
    if (row < 0)
        return;
    // The option shown is changed under the key it is stored under.
    QList<settings::StoredOption> options = m_options->options();
    options[row].description = m_ui.txtOption->text();
    changeOptions(QCoreApplication::translate("wizard::OptionsPage", "Change option %1")
                      .arg(QString::fromLatin1(options.at(row).key)),
                  options);
}

void OptionsPage::btnDeleteOptionClick()
{
    const int row = m_ui.lstOptions->currentIndex().row();
    if (row < 0)
        return;
    QList<settings::StoredOption> options = m_options->options();
    const settings::StoredOption deleted = options.takeAt(row);
    changeOptions(QCoreApplication::translate("wizard::OptionsPage", "Delete option %1")
                      .arg(QString::fromLatin1(deleted.key)),
                  options);
}

} // namespace wizard
