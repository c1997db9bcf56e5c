#include "wizard/SelectionPage.h"

#include "builder/CartridgeLayout.h"
#include "builder/CompilationFile.h"
#include "builder/FileMeasure.h"
#include "platform/Paths.h"
#include "settings/ProgramSettings.h"
#include "wizard/CartridgeView.h"
#include "wizard/CompilationCommands.h"
#include "wizard/CompilationDocument.h"
#include "wizard/CompilationModels.h"
#include "wizard/RomDropHandler.h"
#include "wizard/RomLooks.h"
#include "wizard/SelectionWarnings.h"
#include "wizard/controls/DirectoryListBox.h"
#include "wizard/controls/DriveComboBox.h"
#include "wizard/controls/FileListBox.h"
#include "wizard/controls/FilterComboBox.h"
#include "wizard/controls/IconColumnDelegate.h"
#include "wizard/controls/ListBox.h"
#include "wizard/controls/MessageBoxes.h"
#include "wizard/controls/PathLabel.h"
#include "wizard/controls/StatusLabel.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QShortcut>
#include <QUndoStack>

#include <climits>

namespace wizard
{

SelectionPage::SelectionPage(QWidget* window, const Controls& controls,
                             CompilationDocument& document, QUndoStack& undoStack,
                             Settings settings)
    : QObject(window), m_window(window), m_ui(controls), m_document(document),
      m_undoStack(undoStack), m_settings(std::move(settings)), m_looks(new RomLooks(this)),
      m_model(new SelectedRomsModel(
          document, [this](const QString& name) { return warningFor(name); }, this)),
      m_cartridge(new CartridgeView(window))
{
    m_ui.DriveComboBox1->setDirectoryList(m_ui.DirectoryListBox1);
    // The third entry also lists the archives Romweaver reads a rom out of.
    // The descriptions are translated; the masks are the same in every language.
    m_ui.FilterComboBox1->setFilter(
        QCoreApplication::translate("TfrmRomweaver", "NES roms") + QStringLiteral("|*.nes|") +
        QCoreApplication::translate("TfrmRomweaver", "All files (*.*)") + QStringLiteral("|*.*|") +
        QCoreApplication::translate("TfrmRomweaver", "NES roms, also in archives") +
        QStringLiteral("|*.nes *.zip *.7z *.gz"));
    m_ui.FilterComboBox1->setFileList(m_ui.FileListBox1);
    m_ui.FileListBox1->setMask(QStringLiteral("*.nes"));
    // The file list is the folder's roms but the selected ones, whenever it is read.
    m_ui.FileListBox1->setLeftOut(
        [this](const QString& name) { return m_document.compilation().contains(name); });

    ListView* selected = m_ui.lstNESRoms;
    selected->setModel(m_model);
    selected->setUniformItemSizes(true);
    // An icon no taller than the text keeps a marked entry as high as the others,
    // and every entry keeps the icon's room, so a mark never shifts its name.
    const int textHeight = selected->fontMetrics().height();
    selected->setIconSize(QSize(textHeight, textHeight));
    selected->setItemDelegate(new IconColumnDelegate(selected));

    // How the cartridge fills, below the rom selection and the write page.
    m_cartridge->setGeometry(128, 228, 272, 17);

    const auto wire = [this](auto* sender, auto signal, void (SelectionPage::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { RunGuarded(m_window, [&] { (this->*handler)(); }); });
    };
    wire(m_ui.DirectoryListBox1, &DirectoryListBox::changed,
         &SelectionPage::DirectoryListBox1Change);
    wire(m_ui.btnSelectRoms, &QPushButton::clicked, &SelectionPage::btnSelectRomsClick);
    wire(m_ui.FileListBox1, &QListWidget::itemDoubleClicked, &SelectionPage::FileListBox1DblClick);
    wire(selected, &QAbstractItemView::doubleClicked, &SelectionPage::lstNESRomsDblClick);
    wire(m_ui.btnClear, &QPushButton::clicked, &SelectionPage::btnClearClick);
    wire(m_ui.FilterComboBox1, &QComboBox::activated, &SelectionPage::FilterComboBox1Change);
    // Keyboard use of the page: Enter in the file list adds the selected files,
    // Delete in the selection takes the current rom out again.
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), m_ui.FileListBox1, nullptr, nullptr,
                                    Qt::WidgetShortcut);
        wire(enter, &QShortcut::activated, &SelectionPage::btnSelectRomsClick);
    }
    auto* remove = new QShortcut(QKeySequence(QKeySequence::Delete), selected, nullptr, nullptr,
                                 Qt::WidgetShortcut);
    wire(remove, &QShortcut::activated, &SelectionPage::lstNESRomsDblClick);
    auto* drop = new RomDropHandler(selected);
    connect(drop, &RomDropHandler::dropped, this, [this](const DroppedFiles& dropped) {
        RunGuarded(m_window, [&] { lstNESRomsDragDrop(dropped); });
    });

    connect(m_looks, &RomLooks::surveyed, this, &SelectionPage::showLooksCome);
    connect(&m_document, &CompilationDocument::romRemoved, this, &SelectionPage::followRemoved);
    connect(&m_document, &CompilationDocument::changed, this, &SelectionPage::setCountLabel);
    connect(&m_document, &CompilationDocument::replaced, this, [this] {
        m_changedSinceSaved.clear();
        showCompilation();
    });
}

void SelectionPage::setBaseRom(int sizeKB, qint64 length)
{
    m_baseRomSizeKB = sizeKB;
    m_baseRomLength = length;
    setDefaultSizeLabel();
}

QString SelectionPage::pathOf(const QString& fileName) const
{
    return platform::joinPath(m_document.romsDirectory(), fileName);
}

// ---- Handlers -----------------------------------------------------------------

void SelectionPage::DirectoryListBox1Change()
{
    if (m_showingFolder)
        return;
    const QString directory = m_ui.DirectoryListBox1->directory();
    perform(m_undoStack,
            std::make_unique<CompilationEdit>(
                m_document, QCoreApplication::translate("wizard::SelectionPage", "Change folder"),
                [directory](CompilationDocument& document) {
                    document.edit([&](builder::Compilation& compilation) {
                        compilation.setRomsDirectory(directory);
                    });
                }));
    setDefaultSizeLabel();
}

void SelectionPage::addRoms(const QStringList& fileNames)
{
    perform(m_undoStack,
            std::make_unique<CompilationEdit>(
                m_document,
                fileNames.size() == 1
                    ? QCoreApplication::translate("wizard::SelectionPage", "Add %n rom", nullptr, 1)
                    : QCoreApplication::translate("wizard::SelectionPage", "Add %n roms", nullptr,
                                                  int(fileNames.size())),
                [fileNames](CompilationDocument& document) { document.addRoms(fileNames); }));
    // The last rom added is the current one, in view.
    if (const int count = m_model->rowCount(); count > 0 && !fileNames.isEmpty()) {
        m_ui.lstNESRoms->setCurrentIndex(m_model->index(count - 1));
        m_ui.lstNESRoms->scrollTo(m_ui.lstNESRoms->currentIndex());
    }
}

void SelectionPage::btnSelectRomsClick()
{
    QStringList names;
    for (const int row : m_ui.FileListBox1->selectedRows())
        names << m_ui.FileListBox1->item(row)->text();
    addRoms(names);
    RemoveSelectedFiles();
    setEstimateSizeLabel();
}

void SelectionPage::RemoveSelectedFiles()
{
    // The selection is read once and every selected entry goes in one pass;
    // removing entries one at a time costs time in proportion to the list for each.
    m_ui.FileListBox1->removeRows(m_ui.FileListBox1->selectedRows());
}

void SelectionPage::FileListBox1DblClick()
{
    const int row = m_ui.FileListBox1->currentRow();
    if (row < 0)
        return;
    const QString name = m_ui.FileListBox1->item(row)->text();
    addRoms({name});
    m_ui.FileListBox1->removeNames({name});
    setEstimateSizeLabel();
}

void SelectionPage::lstNESRomsDblClick()
{
    const int row = m_ui.lstNESRoms->currentIndex().row();
    if (row < 0)
        return;
    const QString name = m_document.compilation().roms().at(row).fileName;
    perform(m_undoStack,
            std::make_unique<CompilationEdit>(
                m_document,
                QCoreApplication::translate("wizard::SelectionPage", "Remove %1").arg(name),
                [row](CompilationDocument& document) { document.removeRom(row); }));
    // The entry that followed takes the removed one's place, so Delete pressed
    // again goes on down the list (the list would otherwise go back to the top).
    if (const int count = m_model->rowCount(); count > 0) {
        m_ui.lstNESRoms->setCurrentIndex(m_model->index(qMin(row, count - 1)));
        m_ui.lstNESRoms->scrollTo(m_ui.lstNESRoms->currentIndex());
        setEstimateSizeLabel();
    } else {
        setDefaultSizeLabel();
    }
}

void SelectionPage::followRemoved(const QString& fileName)
{
    // A rom taken out of the selection goes back to the file list.
    m_ui.FileListBox1->restoreEntries({fileName});
}

void SelectionPage::btnClearClick()
{
    perform(
        m_undoStack,
        std::make_unique<CompilationEdit>(
            m_document, QCoreApplication::translate("wizard::SelectionPage", "Clear the selection"),
            [](CompilationDocument& document) {
                document.edit([](builder::Compilation& compilation) { compilation.clearRoms(); });
            }));
    setDefaultSizeLabel();
}

void SelectionPage::FilterComboBox1Change()
{
    // The list has the mask already; the choice is kept for the next start.
    if (settings::SettingsFile* file = m_settings())
        settings::storeFileFilter(*file, m_ui.FilterComboBox1->mask());
}

void SelectionPage::lstNESRomsDragDrop(const DroppedFiles& dropped)
{
    if (dropped.severalDirectories) {
        showWarning(m_window,
                    QCoreApplication::translate("TfrmRomweaver",
                                                "All NES roms have to be in the same directory."));
        return;
    }
    // One step to undo: the folder the files came from, and the files.
    m_undoStack.beginMacro(
        dropped.fileNames.size() == 1
            ? QCoreApplication::translate("wizard::SelectionPage", "Drop %n rom", nullptr, 1)
            : QCoreApplication::translate("wizard::SelectionPage", "Drop %n roms", nullptr,
                                          int(dropped.fileNames.size())));
    const auto endMacro = qScopeGuard([this] { m_undoStack.endMacro(); });
    // Files from another directory move the directory list there first, with
    // its usual change: the selection is emptied and the labels reset.
    if (!platform::namesSameFile(dropped.directory, m_document.romsDirectory()) &&
        !m_ui.DirectoryListBox1->setDirectory(dropped.directory))
        return;
    // Then as ">>" adds them: appended in the order dropped, gone from the file list.
    addRoms(dropped.fileNames);
    m_ui.FileListBox1->removeNames(dropped.fileNames);
    setEstimateSizeLabel();
}

// ---- What the page shows ----------------------------------------------------------

void SelectionPage::showCompilation()
{
    const QString& directory = m_document.romsDirectory();
    if (!directory.isEmpty() &&
        !platform::namesSameFile(directory, m_ui.DirectoryListBox1->directory())) {
        m_showingFolder = true;
        m_ui.DirectoryListBox1->setDirectory(directory);
        m_showingFolder = false;
    }
    m_ui.lblCurrentDir->setText(
        QCoreApplication::translate("TfrmRomweaver", "Current directory: %1").arg(directory));
    m_ui.FileListBox1->setDirectory(directory);
    m_ui.FileListBox1->reread(); // the folder's roms but those selected now
    setCountLabel();
    if (m_document.compilation().romCount() == 0) {
        setDefaultSizeLabel();
        return;
    }
    int stillLooking = 0;
    const int romsKB = romsSizeKB(false, &stillLooking);
    showEstimate(romsKB, stillLooking);
}

void SelectionPage::setCountLabel()
{
    m_ui.lblTotalRoms->setText(
        QCoreApplication::translate("TfrmRomweaver", "Total NES roms selected: %1")
            .arg(m_document.compilation().romCount()));
}

void SelectionPage::setDefaultSizeLabel()
{
    m_ui.lblTotalSize->setText(
        QCoreApplication::translate("TfrmRomweaver", "GBA rom size: ~%1 KB (default)")
            .arg(m_baseRomSizeKB));
    m_estimateCounting = false;
    markSizeLabel(std::nullopt);
    showCartridge();
}

void SelectionPage::showCartridge()
{
    // An archive still looked into shows nothing yet, like one that gives no rom.
    m_cartridge->setCartridgeLayout(builder::cartridgeLayout(
        m_document.compilation(), m_baseRomLength, [this](const QString& name) {
            return m_looks->survey(pathOf(name)).value_or(builder::RomSurvey{});
        }));
}

void SelectionPage::setEstimateSizeLabel()
{
    int stillLooking = 0;
    const int romsKB = romsSizeKB(true, &stillLooking);
    showEstimate(romsKB, stillLooking);
}

void SelectionPage::showEstimate(int romsKB, int stillLooking)
{
    m_estimateCounting = romsKB >= 0 && stillLooking > 0;
    if (romsKB < 0) {
        m_ui.lblTotalSize->setText(QCoreApplication::translate(
            "TfrmRomweaver", "GBA rom size: unknown (a rom could not be read)"));
        markSizeLabel(std::nullopt);
    } else if (stillLooking > 0) {
        m_ui.lblTotalSize->setText(
            QCoreApplication::translate("TfrmRomweaver",
                                        "GBA rom size: ~%1 KB so far, still looking into %n "
                                        "archive(s)",
                                        nullptr, stillLooking)
                .arg(qint64(m_baseRomSizeKB) + romsKB));
        markSizeLabel(std::nullopt);
    } else {
        const qint64 estimateKB = qint64(m_baseRomSizeKB) + romsKB;
        m_ui.lblTotalSize->setText(
            QCoreApplication::translate("TfrmRomweaver", "GBA rom size: ~%1 KB").arg(estimateKB));
        markSizeLabel(estimateKB);
    }
    showCartridge();
}

void SelectionPage::showLooksCome()
{
    m_model->warningsChanged();
    if (m_document.compilation().romCount() == 0)
        return;
    int stillLooking = 0;
    const int romsKB = romsSizeKB(false, &stillLooking);
    // The label follows while it shows an estimate still counting.
    if (m_estimateCounting)
        showEstimate(romsKB, stillLooking);
    else
        showCartridge();
}

void SelectionPage::markSizeLabel(std::optional<qint64> estimateKB)
{
    // Screen readers speak the label while it warns (each new size above the
    // limit) and once when the warning goes; other sizes stay quiet.
    const bool oversize = markOversizeEstimate(m_ui.lblTotalSize, estimateKB);
    if (oversize || m_sizeWarned)
        m_ui.lblTotalSize->announce();
    m_sizeWarned = oversize;
}

int SelectionPage::SelectedRomsSizeKB()
{
    return romsSizeKB(true, nullptr);
}

int SelectionPage::romsSizeKB(bool tellFailures, int* stillLooking)
{
    qint64 total = 0; // 64 bits: a 32-bit total overflows past 2 GiB of roms
    int looking = 0;
    QStringList failures;
    QSet<QString> selected;
    // A rom whose file has not changed since it was measured is not read
    // again; the cartridge picture and the list's marks take the same figures.
    for (const builder::CompilationRom& rom : m_document.compilation().roms()) {
        const QString path = pathOf(rom.fileName);
        selected.insert(path);
        const std::optional<builder::RomSurvey> survey = m_looks->survey(path);
        if (!survey) {
            ++looking; // an archive, still looked into
            continue;
        }
        if (survey->readable)
            total += survey->length;
        else if (!survey->badArchive())
            failures << QCoreApplication::translate("TfrmRomweaver", "%1: %2")
                            .arg(rom.fileName, unreadableReason(*survey));
        // An archive that gives no rom adds nothing: it is marked in the list,
        // and "Write!" refuses it.
    }
    m_looks->keepOnly(selected); // roms no longer selected
    // The list shows which roms failed while their box is up.
    m_model->warningsChanged();
    if (stillLooking)
        *stillLooking = looking;
    if (tellFailures && !failures.isEmpty()) {
        // One box however many: the first ten named, with why.
        constexpr int Named = 10;
        QStringList named = failures.mid(0, Named);
        if (failures.size() > Named)
            named << QCoreApplication::translate("TfrmRomweaver", "and %n more", nullptr,
                                                 int(failures.size() - Named));
        showError(m_window,
                  QCoreApplication::translate("TfrmRomweaver", "Failed to read NES rom(s)"),
                  named.join(QLatin1Char('\n')));
    }
    return failures.isEmpty() ? int(qMin<qint64>(builder::roundedKB(total), INT_MAX)) : -1;
}

QStringList SelectionPage::unreadableRoms()
{
    QStringList unreadable;
    for (const builder::CompilationRom& rom : m_document.compilation().roms()) {
        const std::optional<builder::RomSurvey> survey = m_looks->survey(pathOf(rom.fileName));
        if (survey && !survey->readable && !survey->badArchive())
            unreadable << QCoreApplication::translate("TfrmRomweaver", "%1: %2")
                              .arg(rom.fileName, unreadableReason(*survey));
    }
    return unreadable;
}

QString SelectionPage::warningFor(const QString& fileName)
{
    const std::optional<builder::RomSurvey> survey = m_looks->known(pathOf(fileName));
    if (!survey)
        return {}; // still measured: marked when it comes
    return romWarning(*survey, changedSinceSaved(fileName));
}

QString SelectionPage::changedSinceSaved(const QString& fileName)
{
    // Only roms of a compilation file carry what it saved; the file is read
    // once for it.
    const builder::Compilation& compilation = m_document.compilation();
    const qsizetype index = compilation.indexOf(fileName);
    if (index < 0 || !compilation.roms().at(index).saved)
        return {};
    const auto known = m_changedSinceSaved.constFind(fileName);
    if (known != m_changedSinceSaved.cend())
        return *known;
    const auto now = builder::fingerprintOf(pathOf(fileName));
    const QString why = now && *now != *compilation.roms().at(index).saved
                            ? QCoreApplication::translate("TfrmRomweaver",
                                                          "Changed since the compilation was saved")
                            : QString();
    m_changedSinceSaved.insert(fileName, why);
    return why;
}

// ---- For the write page ------------------------------------------------------------

void SelectionPage::waitForLooks(const std::function<void(int done, int total)>& progress)
{
    // Every archive of the selection is looked into before a build takes its
    // figures, and the roms they give are read for it, off the window's thread.
    // (In menu order, as the build appends them.)
    QStringList paths;
    for (const QString& fileName : m_document.compilation().menuFileNames()) {
        paths << pathOf(fileName);
        m_looks->survey(paths.constLast());
    }
    m_looks->waitForAll(progress);
    m_looks->lookForBuild(paths);
    m_looks->waitForAll(progress);
}

builder::RomSurvey SelectionPage::surveyForBuild(const QString& path)
{
    return m_looks->surveyNow(path);
}

void SelectionPage::buildDone()
{
    m_looks->forgetBuildBytes();
    showCartridge();
}

} // namespace wizard
