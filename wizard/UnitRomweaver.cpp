#include "wizard/UnitRomweaver.h"
#include "ui_UnitRomweaver.h"

#include "builder/ArchiveError.h"
#include "builder/Build.h"
#include "builder/BuildLog.h"
#include "builder/FileMeasure.h"
#include "builder/GbaImageWriter.h"
#include "builder/ImageSurvey.h"
#include "builder/MenuScript.h"
#include "builder/MenuTitles.h"
#include "platform/FileError.h"
#include "platform/LocalText.h"
#include "platform/Paths.h"
#include "settings/SettingsFile.h"
#include "wizard/RomDropHandler.h"
#include "wizard/SelectionWarnings.h"
#include "wizard/UnitAbout.h"
#include "wizard/UnitAddSpriteNumber.h"
#include "wizard/UnitNewOption.h"
#include "wizard/WritePageProgress.h"
#include "wizard/WriteQuestions.h"
#include "wizard/controls/ButtonEnterKey.h"
#include "wizard/controls/FormLook.h"
#include "wizard/controls/KeyboardFocus.h"
#include "wizard/controls/LocaleCollation.h"
#include "wizard/controls/MessageBoxes.h"
#include "wizard/controls/WindowPlacement.h"

#include <QCloseEvent>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

namespace
{

const QByteArray SettingsSection = "Settings";
const QByteArray RomsDirectoryKey = "NESRomsDir";
const QByteArray TitlesSection = "Titles";
const QByteArray OptionsSection = "Options";

// Texts in the settings file and the menu script are single-byte strings in
// the local 8-bit encoding, kept byte for byte.
QByteArray toBytes(const QString& text)
{
    return platform::localBytes(text);
}
QString fromBytes(const QByteArray& bytes)
{
    return platform::localText(bytes);
}

// The flag sum is a 32-bit signed value: bit 31 would make it negative, so
// options from position 31 on cannot be represented.
constexpr int MaxOptionPosition = 30;

// An option item reads "<number>: <description>"; the item keeps the key it is
// stored under, which differs from 2^position after a deletion in the middle.
QString optionItemText(const QString& number, const QString& description)
{
    return number + QStringLiteral(": ") + description;
}

QString optionDescription(const QListWidgetItem* item)
{
    const QString text = item->text();
    const int colon = text.indexOf(QStringLiteral(": "));
    return colon < 0 ? QString() : text.mid(colon + 2);
}

// Entering a page puts the keyboard on its first useful control.
QWidget* pageEntryControl(const Ui::TfrmRomweaver& ui, int step)
{
    QWidget* const controls[] = {ui.FileListBox1, ui.txtRomTitle, ui.lstOptions, ui.txtGBARom};
    return controls[step - 1];
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

TfrmRomweaver::TfrmRomweaver(platform::ProgramFiles files, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TfrmRomweaver>()), m_files(std::move(files))
{
    setFont(
        wizard::formFont()); // before the controls exist: they are made with it, not changed to it
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmRomweaver"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    wizard::applyFormLook(this);

    ui->DriveComboBox1->setDirectoryList(ui->DirectoryListBox1);
    ui->DriveComboBox2->setDirectoryList(ui->DirectoryListBox2);
    // The third entry also lists the archives Romweaver reads a rom out of.
    ui->FilterComboBox1->setFilter(
        QStringLiteral("NES roms|*.nes|All files (*.*)|*.*|"
                       "NES roms, also in archives|*.nes *.zip *.7z *.gz"));
    ui->FilterComboBox1->setFileList(ui->FileListBox1);
    ui->FileListBox1->setMask(QStringLiteral("*.nes"));
    ui->ProgressBar1->setRange(0, 100);
    connectHandlers();
    wizard::pressFocusedButtonOnEnter(this);

    // Page 1 marks selected files that are not iNES roms, and takes files
    // dropped from a file manager.
    new wizard::NonRomMarker(ui->lstNESRoms, [this] { return NESRomsDir; });
    auto* drop = new wizard::RomDropHandler(ui->lstNESRoms);
    connect(drop, &wizard::RomDropHandler::dropped, this,
            [this](const wizard::DroppedFiles& dropped) {
                wizard::RunGuarded(this, [&] { lstNESRomsDragDrop(dropped); });
            });
}

TfrmRomweaver::~TfrmRomweaver() = default;

void TfrmRomweaver::setCompanions(TfrmNewOption* newOption, TfrmAbout* about,
                                  TfrmAddSpriteNumber* addSpriteNumber)
{
    m_newOption = newOption;
    m_about = about;
    m_addSpriteNumber = addSpriteNumber;
    // The dialogs' "Add": stored or applied here, then the dialog closes; a
    // failed settings write is shown over the dialog, which stays open.
    connect(newOption, &TfrmNewOption::addRequested, this, [this](const QString& description) {
        wizard::RunGuarded(m_newOption, [&] {
            addOption(description);
            m_newOption->hide();
        });
    });
    connect(addSpriteNumber, &TfrmAddSpriteNumber::addRequested, this,
            [this](const QString& spriteValue) {
                wizard::RunGuarded(m_addSpriteNumber, [&] {
                    applySpriteValueToSelectedLine(spriteValue);
                    m_addSpriteNumber->hide();
                });
            });
}

void TfrmRomweaver::connectHandlers()
{
    // Every handler runs guarded: an error ends it and is shown, never thrown
    // into the event loop.
    auto wire = [this](auto* sender, auto signal, void (TfrmRomweaver::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { wizard::RunGuarded(this, [&] { (this->*handler)(); }); });
    };
    wire(ui->btnNext, &QPushButton::clicked, &TfrmRomweaver::btnNextClick);
    wire(ui->btnPrevious, &QPushButton::clicked, &TfrmRomweaver::btnPreviousClick);
    wire(ui->btnAbout, &QPushButton::clicked, &TfrmRomweaver::btnAboutClick);
    // The shell's buttons by keyboard from anywhere in the window, their
    // captions as they are (no underlined letter); the tooltips tell the keys.
    for (auto [button, key] :
         {std::pair{ui->btnNext, Qt::Key_N}, std::pair{ui->btnPrevious, Qt::Key_P},
          std::pair{ui->btnAbout, Qt::Key_A}}) {
        const QKeySequence keys(Qt::ALT | key);
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, button, [button = button] {
            if (button->isEnabled())
                button->click();
        });
        button->setToolTip(button->text() + QStringLiteral(" (") +
                           keys.toString(QKeySequence::NativeText) + u')');
    }

    wire(ui->DirectoryListBox1, &wizard::DirectoryListBox::changed,
         &TfrmRomweaver::DirectoryListBox1Change);
    wire(ui->btnSelectRoms, &QPushButton::clicked, &TfrmRomweaver::btnSelectRomsClick);
    wire(ui->FileListBox1, &QListWidget::itemDoubleClicked, &TfrmRomweaver::FileListBox1DblClick);
    wire(ui->lstNESRoms, &QListWidget::itemDoubleClicked, &TfrmRomweaver::lstNESRomsDblClick);
    wire(ui->btnClear, &QPushButton::clicked, &TfrmRomweaver::btnClearClick);
    // Keyboard use of page 1: Enter in the file list adds the selected files,
    // Delete in the selection takes the current rom out again.
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), ui->FileListBox1, nullptr, nullptr,
                                    Qt::WidgetShortcut);
        wire(enter, &QShortcut::activated, &TfrmRomweaver::btnSelectRomsClick);
    }
    auto* remove = new QShortcut(QKeySequence(QKeySequence::Delete), ui->lstNESRoms, nullptr,
                                 nullptr, Qt::WidgetShortcut);
    wire(remove, &QShortcut::activated, &TfrmRomweaver::lstNESRomsDblClick);

    wire(ui->lstRomTitles, &QListWidget::currentRowChanged, &TfrmRomweaver::lstRomTitlesClick);
    wire(ui->btnChangeTitle, &QPushButton::clicked, &TfrmRomweaver::btnChangeTitleClick);
    wire(ui->txtRomTitle, &QLineEdit::returnPressed, &TfrmRomweaver::btnChangeTitleClick);
    wire(ui->chkSorted, &QCheckBox::toggled, &TfrmRomweaver::chkSortedClick);
    wire(ui->chkNumbering, &QCheckBox::toggled, &TfrmRomweaver::chkNumberingClick);

    wire(ui->lstOptions, &QListWidget::itemSelectionChanged, &TfrmRomweaver::lstOptionsClick);
    wire(ui->lstOptions, &QListWidget::currentRowChanged, &TfrmRomweaver::lstOptionsClick);
    wire(ui->btnAddToMenuItem, &QPushButton::clicked, &TfrmRomweaver::btnAddToMenuItemClick);
    wire(ui->btnRemoveOptions, &QPushButton::clicked, &TfrmRomweaver::btnRemoveOptionsClick);
    wire(ui->btnAddSpriteNumber, &QPushButton::clicked, &TfrmRomweaver::btnAddSpriteNumberClick);
    // A double-click on a menu line opens the sprite dialog for that line.
    wire(ui->lstTitleAndOptions, &QListWidget::itemDoubleClicked,
         &TfrmRomweaver::btnAddSpriteNumberClick);
    wire(ui->btnNewOption, &QPushButton::clicked, &TfrmRomweaver::btnNewOptionClick);
    wire(ui->btnChangeOption, &QPushButton::clicked, &TfrmRomweaver::btnChangeOptionClick);
    wire(ui->btnDeleteOption, &QPushButton::clicked, &TfrmRomweaver::btnDeleteOptionClick);

    wire(ui->btnWrite, &QPushButton::clicked, &TfrmRomweaver::btnWriteClick);
    wire(ui->txtGBARom, &QLineEdit::returnPressed, &TfrmRomweaver::btnWriteClick);
}

// ---- Shell ----------------------------------------------------------------

void TfrmRomweaver::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    wizard::RunGuarded(this, [this] { FormShow(); });
}

void TfrmRomweaver::closeEvent(QCloseEvent* event)
{
    // The user asked to quit: a failed save is shown, and the window closes all the same.
    wizard::RunGuarded(this, [this] { FormClose(); });
    IniFile.reset();
    event->accept();
}

void TfrmRomweaver::FormShow()
{
    BaseRomSizeKB = builder::measureBaseRomKB(m_files.baseRom());
    setDefaultSizeLabel();

    IniFile = std::make_unique<settings::SettingsFile>(m_files.settings());
    NESRomsDir = fromBytes(IniFile->ReadValue(SettingsSection, RomsDirectoryKey,
                                              toBytes(ui->DirectoryListBox1->directory())));
    // A saved directory that is gone (or an empty value) leaves the list where
    // it is; the rom directory is then what the list shows.
    if (NESRomsDir.isEmpty() || !ui->DirectoryListBox1->setDirectory(NESRomsDir))
        NESRomsDir = ui->DirectoryListBox1->directory();
    ui->lblCurrentDir->setText(QStringLiteral("Current directory: ") + NESRomsDir);
    ui->FileListBox1->setDirectory(NESRomsDir);

    CurrentStep = 1;
    for (QGroupBox* page : {ui->grpStep1, ui->grpStep2, ui->grpStep3, ui->grpStep4})
        page->move(16, 16);
    m_log = std::make_unique<builder::BuildLog>(m_files.log()); // a fresh log for this run
    wizard::focusEntryControl(pageEntryControl(*ui, CurrentStep));

    fitOuterSize(700, 300);
    wizard::centreOn(this, screen()->availableGeometry());
    // The window manager tells the frame's size only once the window is
    // mapped; fit again then, so the outer size is right on every desktop.
    QTimer::singleShot(0, this, [this] {
        fitOuterSize(700, 300);
        wizard::centreOn(this, screen()->availableGeometry());
    });
}

void TfrmRomweaver::fitOuterSize(int width, int height)
{
    const QSize frame = frameGeometry().size() - geometry().size();
    setFixedSize(width - frame.width(), height - frame.height());
}

void TfrmRomweaver::FormClose()
{
    if (IniFile)
        saveRomsDirectory();
    IniFile.reset();
}

void TfrmRomweaver::saveRomsDirectory()
{
    IniFile->WriteValue(SettingsSection, RomsDirectoryKey, toBytes(NESRomsDir));
}

void TfrmRomweaver::showPage(int step)
{
    QGroupBox* pages[] = {ui->grpStep1, ui->grpStep2, ui->grpStep3, ui->grpStep4};
    for (int i = 0; i < 4; ++i) {
        if (i != step - 1)
            pages[i]->setVisible(false);
    }
    pages[step - 1]->setVisible(true);
}

void TfrmRomweaver::btnNextClick()
{
    if (ui->lstNESRoms->count() == 0) {
        wizard::showWarning(this, QStringLiteral("No NES rom(s) selected!"));
        return;
    }
    saveRomsDirectory();
    ++CurrentStep;
    ui->btnPrevious->setEnabled(true);
    if (CurrentStep == 4)
        ui->btnNext->setEnabled(false);
    showPage(CurrentStep);
    if (CurrentStep == 2)
        enterTitlesPage();
    else if (CurrentStep == 3)
        enterOptionsPage();
    wizard::focusEntryControl(pageEntryControl(*ui, CurrentStep));
}

void TfrmRomweaver::btnPreviousClick()
{
    --CurrentStep;
    ui->btnNext->setEnabled(true);
    if (CurrentStep == 1)
        ui->btnPrevious->setEnabled(false);
    showPage(CurrentStep);
    wizard::focusEntryControl(pageEntryControl(*ui, CurrentStep));
}

void TfrmRomweaver::btnAboutClick()
{
    if (m_about)
        m_about->open(this);
}

// ---- Page 1: rom selection ------------------------------------------------

void TfrmRomweaver::setCountLabel()
{
    ui->lblTotalRoms->setText(QStringLiteral("Total NES roms selected: ") +
                              QString::number(ui->lstNESRoms->count()));
}

void TfrmRomweaver::setDefaultSizeLabel()
{
    ui->lblTotalSize->setText(QStringLiteral("GBA rom size: ~") + QString::number(BaseRomSizeKB) +
                              QStringLiteral(" KB (default)"));
    markSizeLabel(std::nullopt);
}

void TfrmRomweaver::setEstimateSizeLabel()
{
    const int romsKB = SelectedRomsSizeKB();
    if (romsKB < 0) {
        ui->lblTotalSize->setText(
            QStringLiteral("GBA rom size: unknown (a rom could not be read)"));
        markSizeLabel(std::nullopt);
        return;
    }
    const qint64 estimateKB = qint64(BaseRomSizeKB) + romsKB;
    ui->lblTotalSize->setText(QStringLiteral("GBA rom size: ~") + QString::number(estimateKB) +
                              QStringLiteral(" KB"));
    markSizeLabel(estimateKB);
}

void TfrmRomweaver::markSizeLabel(std::optional<qint64> estimateKB)
{
    // Screen readers speak the label while it warns (each new size above the
    // limit) and once when the warning goes; other sizes stay quiet.
    const bool oversize = wizard::markOversizeEstimate(ui->lblTotalSize, estimateKB);
    if (oversize || m_sizeWarned)
        ui->lblTotalSize->announce();
    m_sizeWarned = oversize;
}

int TfrmRomweaver::SelectedRomsSizeKB()
{
    qint64 total = 0; // 64 bits: a 32-bit total overflows past 2 GiB of roms
    bool failed = false;
    for (int row = 0; row < ui->lstNESRoms->count(); ++row) {
        const QString path = platform::joinPath(NESRomsDir, ui->lstNESRoms->item(row)->text());
        try {
            total += builder::measureRom(path);
        } catch (const builder::ArchiveError&) {
            // An archive that gives no rom adds nothing: it is marked in the list,
            // and "Write!" refuses it.
        } catch (const platform::FileError&) {
            wizard::showError(this, QStringLiteral("Failed to read NES rom(s)"));
            failed = true;
        }
    }
    return failed ? -1 : int(qMin<qint64>(builder::roundedKB(total), INT_MAX));
}

void TfrmRomweaver::DirectoryListBox1Change()
{
    NESRomsDir = ui->DirectoryListBox1->directory();
    ui->lblCurrentDir->setText(QStringLiteral("Current directory: ") + NESRomsDir);
    ui->FileListBox1->setDirectory(NESRomsDir);
    ui->lstNESRoms->clear();
    setCountLabel();
    setDefaultSizeLabel();
}

void TfrmRomweaver::btnSelectRomsClick()
{
    QStringList names;
    for (const int row : ui->FileListBox1->selectedRows())
        names << ui->FileListBox1->item(row)->text();
    ui->lstNESRoms->addItems(names);
    RemoveSelectedFiles();
    setCountLabel();
    setEstimateSizeLabel();
}

void TfrmRomweaver::RemoveSelectedFiles()
{
    // The selection is read once and every selected entry goes in one pass;
    // removing entries one at a time costs time in proportion to the list for each.
    ui->FileListBox1->removeRows(ui->FileListBox1->selectedRows());
    RemoveIndex = 0;
}

void TfrmRomweaver::FileListBox1DblClick()
{
    const int row = ui->FileListBox1->currentRow();
    if (row < 0)
        return;
    ui->lstNESRoms->addItem(ui->FileListBox1->item(row)->text());
    delete ui->FileListBox1->takeItem(row);
    setCountLabel();
    setEstimateSizeLabel();
}

void TfrmRomweaver::lstNESRomsDblClick()
{
    const int row = ui->lstNESRoms->currentRow();
    if (row < 0)
        return;
    delete ui->lstNESRoms->takeItem(row);
    // The entry that followed takes the removed one's place, so Delete pressed
    // again goes on down the list (the list would otherwise go back to the top).
    if (const int count = ui->lstNESRoms->count(); count > 0)
        ui->lstNESRoms->setCurrentRow(qMin(row, count - 1), QItemSelectionModel::ClearAndSelect);
    setCountLabel();
    if (ui->lstNESRoms->count() > 0)
        setEstimateSizeLabel();
    else
        setDefaultSizeLabel();
}

void TfrmRomweaver::btnClearClick()
{
    ui->lstNESRoms->clear();
    setCountLabel();
    setDefaultSizeLabel();
}

void TfrmRomweaver::lstNESRomsDragDrop(const wizard::DroppedFiles& dropped)
{
    if (dropped.severalDirectories) {
        wizard::showWarning(this, QStringLiteral("All NES roms have to be in the same directory."));
        return;
    }
    // Files from another directory move the directory list there first, with
    // its usual change: the selection is emptied and the labels reset.
    if (!platform::namesSameFile(dropped.directory, NESRomsDir) &&
        !ui->DirectoryListBox1->setDirectory(dropped.directory))
        return;
    // Then as ">>" adds them: appended in the order dropped, gone from the file list.
    for (const QString& name : dropped.fileNames) {
        ui->lstNESRoms->addItem(name);
        for (QListWidgetItem* shown : ui->FileListBox1->findItems(name, Qt::MatchExactly))
            delete ui->FileListBox1->takeItem(ui->FileListBox1->row(shown));
    }
    setCountLabel();
    setEstimateSizeLabel();
}

// ---- Page 2: titles ---------------------------------------------------------

void TfrmRomweaver::enterTitlesPage()
{
    {
        const QSignalBlocker blocker(ui->lstRomTitles);
        ui->lstRomTitles->clear();
        const bool sorted = ui->chkSorted->isChecked();
        for (int row = 0; row < ui->lstNESRoms->count(); ++row) {
            const QString fileName = ui->lstNESRoms->item(row)->text();
            const QByteArray key = toBytes(fileName);
            // The entry keeps its own rom file: two roms may carry one title.
            auto* entry =
                new QListWidgetItem(fromBytes(IniFile->ReadValue(TitlesSection, key, key)));
            entry->setData(Qt::UserRole, fileName);
            if (sorted)
                wizard::insertSorted(ui->lstRomTitles, entry);
            else
                ui->lstRomTitles->addItem(entry);
        }
        ui->lstRomTitles->setCurrentRow(0);
    }
    if (ui->lstRomTitles->count() > 0)
        ui->txtRomTitle->setText(ui->lstRomTitles->item(0)->text());
    RefreshPreview();
}

void TfrmRomweaver::RefreshPreview()
{
    QStringList titles;
    for (int row = 0; row < ui->lstRomTitles->count(); ++row)
        titles << ui->lstRomTitles->item(row)->text();
    ui->lstPreview->clear();
    ui->lstPreview->addItems(builder::menuLinesForTitles(titles, ui->chkNumbering->isChecked()));
}

void TfrmRomweaver::lstRomTitlesClick()
{
    if (QListWidgetItem* entry = ui->lstRomTitles->currentItem())
        ui->txtRomTitle->setText(entry->text());
}

void TfrmRomweaver::btnChangeTitleClick()
{
    const QString title = ui->txtRomTitle->text();
    QListWidgetItem* entry = ui->lstRomTitles->currentItem();
    if (title.isEmpty() || !entry)
        return;
    // Written under the entry's own rom file, not looked up through its present
    // title, which another rom may share.
    IniFile->WriteValue(TitlesSection, toBytes(entry->data(Qt::UserRole).toString()),
                        toBytes(title));
    entry->setText(title);
    RefreshPreview();
}

void TfrmRomweaver::chkSortedClick()
{
    if (ui->chkSorted->isChecked()) {
        // The selected title stays selected wherever it moves, so the title
        // field (and what "Change" renames) still belongs to the entry shown.
        const QSignalBlocker blocker(ui->lstRomTitles);
        QListWidgetItem* selected = ui->lstRomTitles->currentItem();
        wizard::sortEntries(ui->lstRomTitles);
        if (selected)
            ui->lstRomTitles->setCurrentItem(selected);
    }
    RefreshPreview();
}

void TfrmRomweaver::chkNumberingClick()
{
    RefreshPreview();
}

// ---- Page 3: options --------------------------------------------------------

void TfrmRomweaver::enterOptionsPage()
{
    const QSignalBlocker optionsBlocker(ui->lstOptions);
    ui->lstOptions->clear();
    for (const auto& [key, value] : IniFile->ListPairs(OptionsSection)) {
        auto* item = new QListWidgetItem(optionItemText(fromBytes(key), fromBytes(value)));
        item->setData(Qt::UserRole, key);
        ui->lstOptions->addItem(item);
    }
    ui->lstTitleAndOptions->clear();
    for (int row = 0; row < ui->lstPreview->count(); ++row)
        ui->lstTitleAndOptions->addItem(ui->lstPreview->item(row)->text());
    ui->lstTitleAndOptions->setCurrentRow(0);
    if (ui->lstOptions->count() > 0) {
        ui->lstOptions->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        ui->lstOptions->clearSelection();
        ui->txtOption->setText(optionDescription(ui->lstOptions->item(0)));
    }
}

void TfrmRomweaver::lstOptionsClick()
{
    if (QListWidgetItem* focused = ui->lstOptions->currentItem())
        ui->txtOption->setText(optionDescription(focused));
}

void TfrmRomweaver::btnAddToMenuItemClick()
{
    qint32 flagSum = 0;
    bool unrepresentable = false;
    for (int row = 0; row < ui->lstOptions->count(); ++row) {
        if (!ui->lstOptions->item(row)->isSelected())
            continue;
        if (row > MaxOptionPosition)
            unrepresentable = true;
        else
            flagSum += qint32(1) << row;
    }
    if (unrepresentable)
        wizard::showInformation(
            this, QStringLiteral("Only the first %1 options can be added to a menu item; "
                                 "options further down the list are left out.")
                      .arg(MaxOptionPosition + 1));
    QListWidgetItem* line = ui->lstTitleAndOptions->currentItem();
    if (flagSum == 0 || !line)
        return;
    const QString preview = ui->lstPreview->item(ui->lstTitleAndOptions->currentRow())->text();
    line->setText(builder::ApplyOptionFlags(line->text(), preview, flagSum));
}

void TfrmRomweaver::btnRemoveOptionsClick()
{
    if (QListWidgetItem* line = ui->lstTitleAndOptions->currentItem())
        line->setText(builder::ResetMenuLine(
            ui->lstPreview->item(ui->lstTitleAndOptions->currentRow())->text()));
}

void TfrmRomweaver::btnAddSpriteNumberClick()
{
    if (m_addSpriteNumber)
        m_addSpriteNumber->open();
}

qint64 TfrmRomweaver::nextOptionNumber() const
{
    QSet<qint64> taken;
    for (int row = 0; row < ui->lstOptions->count(); ++row)
        taken.insert(ui->lstOptions->item(row)->data(Qt::UserRole).toLongLong());
    qint64 number = qint64(1) << ui->lstOptions->count();
    // After a deletion in the middle, 2^count may still be held by a later
    // option; storing there would overwrite that option's description.
    while (taken.contains(number))
        number <<= 1;
    return number;
}

void TfrmRomweaver::btnNewOptionClick()
{
    if (ui->lstOptions->count() > MaxOptionPosition) {
        wizard::showInformation(
            this, QStringLiteral("No more options can be added: a menu item can carry "
                                 "at most %1 options.")
                      .arg(MaxOptionPosition + 1));
        return;
    }
    if (m_newOption)
        m_newOption->open(QStringLiteral("Option nr ") + QString::number(nextOptionNumber()));
}

void TfrmRomweaver::addOption(const QString& description)
{
    const QString number = QString::number(nextOptionNumber());
    IniFile->WriteValue(OptionsSection, toBytes(number), toBytes(description));
    auto* item = new QListWidgetItem(optionItemText(number, description));
    item->setData(Qt::UserRole, toBytes(number));
    ui->lstOptions->addItem(item);
}

void TfrmRomweaver::btnChangeOptionClick()
{
    QListWidgetItem* focused = ui->lstOptions->currentItem();
    if (!focused)
        return;
    // The option shown is changed under the key it is stored under.
    const QByteArray key = focused->data(Qt::UserRole).toByteArray();
    const QString description = ui->txtOption->text();
    IniFile->WriteValue(OptionsSection, key, toBytes(description));
    focused->setText(optionItemText(fromBytes(key), description));
}

void TfrmRomweaver::btnDeleteOptionClick()
{
    const int row = ui->lstOptions->currentRow();
    if (row < 0)
        return;
    IniFile->DeleteValue(OptionsSection,
                         ui->lstOptions->item(row)->data(Qt::UserRole).toByteArray());
    const QSignalBlocker blocker(ui->lstOptions); // txtOption is left as it is
    delete ui->lstOptions->takeItem(row);
}

void TfrmRomweaver::applySpriteValueToSelectedLine(const QString& spriteValue)
{
    if (QListWidgetItem* line = ui->lstTitleAndOptions->currentItem())
        line->setText(builder::ApplySpriteValue(line->text(), spriteValue));
}

// ---- Page 4: write ------------------------------------------------------------

void TfrmRomweaver::btnWriteClick()
{
    const QString fileName = ui->txtGBARom->text();
    if (fileName.isEmpty()) {
        wizard::showWarning(
            this, QStringLiteral("No GBA rom filename specified! Please insert a filename!"));
        return;
    }
    const QString outputPath = platform::joinPath(ui->DirectoryListBox2->directory(), fileName);
    builder::BuildResult result;
    {
        wizard::WritePageProgress progress(ui->ProgressBar1, ui->lblProgress, ui->lblStatus);
        result = builder::build(buildRequest(outputPath), progress, *m_log,
                                wizard::writePageHooks(this));
    }
    if (result.outcome == builder::BuildResult::Outcome::Declined)
        return;
    showWriteOutcome(result.written());
    if (!result.written())
        wizard::showWarning(this, wizard::notWrittenWarning(result, outputPath));
}

void TfrmRomweaver::showWriteOutcome(bool written)
{
    if (written) {
        setTextColour(ui->lblStatus, QColor(0, 128, 0));
        ui->lblStatus->setText(QStringLiteral("Writing succesfully completed."));
    } else {
        setTextColour(ui->lblStatus, QColor(255, 0, 0));
        ui->lblStatus->setText(QStringLiteral("Writing the GBA rom failed."));
    }
    ui->ProgressBar1->setValue(100);
    ui->lblProgress->setText(QString::number(ui->ProgressBar1->value()) +
                             QStringLiteral(" % done"));
    ui->lblStatus->announce();
}

builder::BuildRequest TfrmRomweaver::buildRequest(const QString& outputPath) const
{
    builder::BuildRequest request;
    request.outputPath = outputPath;
    request.files = m_files;
    request.romsDirectory = NESRomsDir;
    request.selectedRomCount = ui->lstNESRoms->count();
    for (int row = 0; row < ui->lstRomTitles->count(); ++row)
        request.romFileNames << ui->lstRomTitles->item(row)->data(Qt::UserRole).toString();
    for (int row = 0; row < ui->lstTitleAndOptions->count(); ++row)
        request.menuLines << ui->lstTitleAndOptions->item(row)->text();
    return request;
}
