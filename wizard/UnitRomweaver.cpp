#include "wizard/UnitRomweaver.h"
#include "ui_UnitRomweaver.h"

#include "builder/ArchiveError.h"
#include "builder/Build.h"
#include "builder/BuildLog.h"
#include "builder/BuildStatus.h"
#include "builder/CartridgeLayout.h"
#include "builder/CompilationFile.h"
#include "builder/FileMeasure.h"
#include "builder/GbaImageWriter.h"
#include "builder/ImageSurvey.h"
#include "builder/MenuScript.h"
#include "builder/MenuText.h"
#include "builder/MenuTitles.h"
#include "builder/TitleTidying.h"
#include "platform/FileError.h"
#include "platform/Paths.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingsFile.h"
#include "wizard/CartridgeView.h"
#include "wizard/CompilationMenu.h"
#include "wizard/FormGrowth.h"
#include "wizard/MessageTexts.h"
#include "wizard/RomDropHandler.h"
#include "wizard/RomLooks.h"
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
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

namespace
{

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

QString currentDirectoryText(const QString& directory)
{
    return TfrmRomweaver::tr("Current directory: %1").arg(directory);
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

TfrmRomweaver::TfrmRomweaver(platform::ProgramFiles files, QWidget* parent)
    : QWidget(parent), NESRomsDir(m_compilation.romsDirectory()),
      ui(std::make_unique<Ui::TfrmRomweaver>()), m_files(std::move(files))
{
    setFont(
        wizard::formFont()); // before the controls exist: they are made with it, not changed to it
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmRomweaver"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    wizard::applyFormLook(this);

    ui->DriveComboBox1->setDirectoryList(ui->DirectoryListBox1);
    ui->DriveComboBox2->setDirectoryList(ui->DirectoryListBox2);
    // The third entry also lists the archives Romweaver reads a rom out of.
    // The descriptions are translated; the masks are the same in every language.
    ui->FilterComboBox1->setFilter(tr("NES roms") + QStringLiteral("|*.nes|") +
                                   tr("All files (*.*)") + QStringLiteral("|*.*|") +
                                   tr("NES roms, also in archives") +
                                   QStringLiteral("|*.nes *.zip *.7z *.gz"));
    ui->FilterComboBox1->setFileList(ui->FileListBox1);
    ui->FileListBox1->setMask(QStringLiteral("*.nes"));
    // A rom already selected stays out of the file list when its file changes on disk.
    ui->FileListBox1->setLeftOut(
        [this](const QString& name) { return m_compilation.indexOf(name) >= 0; });
    ui->ProgressBar1->setRange(0, 100);
    m_windowTitle = windowTitle();
    connectHandlers();
    // Opening and saving compilations, from every page.
    m_compilationMenu = new wizard::CompilationMenu(this);
    // How the cartridge fills, below the rom selection and the write page.
    m_cartridge = new wizard::CartridgeView(this);
    m_cartridge->setGeometry(128, 228, 272, 17);
    wizard::growWithWindow(this);
    // Page 4's choices are the compilation's from the start.
    m_compilation.outputDirectory = ui->DirectoryListBox2->directory();
    m_compilation.outputName = ui->txtGBARom->text();
    connect(ui->DirectoryListBox2, &wizard::DirectoryListBox::changed, this, [this] {
        m_compilation.outputDirectory = ui->DirectoryListBox2->directory();
        showCompilationState();
    });
    connect(ui->txtGBARom, &QLineEdit::textChanged, this, [this](const QString& name) {
        m_compilation.outputName = name;
        showCompilationState();
    });
    wizard::pressFocusedButtonOnEnter(this);

    // Page 1 marks selected files that are not iNES roms, and takes files
    // dropped from a file manager.
    m_looks = new wizard::RomLooks(this);
    connect(m_looks, &wizard::RomLooks::surveyed, this, &TfrmRomweaver::showLooksCome);
    m_nonRomMarker = new wizard::NonRomMarker(
        ui->lstNESRoms, [this](const QString& path) { return m_looks->survey(path); },
        [this] { return NESRomsDir; },
        [this](const QString& fileName) { return changedSinceSaved(fileName); });
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
        connect(sender, signal, this, [this, handler] {
            wizard::RunGuarded(this, [&] { (this->*handler)(); });
            showCompilationState();
        });
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
        button->setToolTip(tr("%1 (%2)", "a button's tooltip: its caption, its keys")
                               .arg(button->text(), keys.toString(QKeySequence::NativeText)));
    }

    wire(ui->DirectoryListBox1, &wizard::DirectoryListBox::changed,
         &TfrmRomweaver::DirectoryListBox1Change);
    wire(ui->btnSelectRoms, &QPushButton::clicked, &TfrmRomweaver::btnSelectRomsClick);
    wire(ui->FileListBox1, &QListWidget::itemDoubleClicked, &TfrmRomweaver::FileListBox1DblClick);
    wire(ui->lstNESRoms, &QListWidget::itemDoubleClicked, &TfrmRomweaver::lstNESRomsDblClick);
    wire(ui->btnClear, &QPushButton::clicked, &TfrmRomweaver::btnClearClick);
    wire(ui->FilterComboBox1, &QComboBox::activated, &TfrmRomweaver::FilterComboBox1Change);
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
    wire(ui->btnTidyTitles, &QPushButton::clicked, &TfrmRomweaver::btnTidyTitlesClick);

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
    wire(ui->btnReportDetails, &QPushButton::clicked, &TfrmRomweaver::btnReportDetailsClick);
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
    if (!maySetCompilationAside()) {
        event->ignore();
        return;
    }
    // The user asked to quit: a failed save is shown, and the window closes all the same.
    wizard::RunGuarded(this, [this] { FormClose(); });
    IniFile.reset();
    event->accept();
}

void TfrmRomweaver::FormShow()
{
    BaseRomSizeKB = builder::measureBaseRomKB(m_files.baseRom());
    try {
        m_baseRomLength = builder::measureFile(m_files.baseRom());
    } catch (const platform::FileError&) {
        m_baseRomLength = 0; // as the size label: a base rom that cannot be measured counts 0
    }
    setDefaultSizeLabel();

    IniFile = std::make_unique<settings::SettingsFile>(m_files.settings());
    m_storedSize = settings::storedWindowSize(*IniFile);
    m_compilation.setRomsDirectory(
        settings::storedRomsDirectory(*IniFile, ui->DirectoryListBox1->directory()));
    // A saved directory that is gone (or an empty value) leaves the list where
    // it is; the rom directory is then what the list shows.
    if (NESRomsDir.isEmpty() || !ui->DirectoryListBox1->setDirectory(NESRomsDir))
        m_compilation.setRomsDirectory(ui->DirectoryListBox1->directory());
    ui->lblCurrentDir->setText(currentDirectoryText(NESRomsDir));
    ui->FileListBox1->setDirectory(NESRomsDir);
    ui->FilterComboBox1->chooseMask(settings::storedFileFilter(*IniFile));

    CurrentStep = 1;
    for (QGroupBox* page : {ui->grpStep1, ui->grpStep2, ui->grpStep3, ui->grpStep4})
        page->move(16, 16);
    m_log = std::make_unique<builder::BuildLog>(m_files.log()); // a fresh log for this run
    m_compilationMenu->showRecent(settings::recentCompilations(*IniFile));
    wizard::focusEntryControl(pageEntryControl(*ui, CurrentStep));

    fitOuterSize(700, 300);
    wizard::centreOn(this, screen()->availableGeometry());
    // The window manager tells the frame's size only once the window is
    // mapped; fit again then, so the outer size is right on every desktop.
    wizard::whenFrameKnown(this, [this] {
        fitOuterSize(700, 300);
        wizard::centreOn(this, screen()->availableGeometry());
        if (m_storedSize && m_storedSize->maximized)
            setWindowState(windowState() | Qt::WindowMaximized);
    });
}

void TfrmRomweaver::fitOuterSize(int width, int height)
{
    // The documented size is the smallest; the window opens at the size the
    // user left it at.
    wizard::setMinimumOuterSize(this, QSize(width, height));
    wizard::resizeOnScreen(this, m_storedSize ? m_storedSize->inner : minimumSize());
}

void TfrmRomweaver::FormClose()
{
    if (IniFile) {
        saveRomsDirectory();
        settings::rememberWindowSize(*IniFile, {normalGeometry().size(), isMaximized()},
                                     {minimumSize()});
    }
    IniFile.reset();
}

void TfrmRomweaver::saveRomsDirectory()
{
    settings::storeRomsDirectory(*IniFile, NESRomsDir);
}

void TfrmRomweaver::showPage(int step)
{
    QGroupBox* pages[] = {ui->grpStep1, ui->grpStep2, ui->grpStep3, ui->grpStep4};
    for (int i = 0; i < 4; ++i) {
        if (i != step - 1)
            pages[i]->setVisible(false);
    }
    pages[step - 1]->setVisible(true);
    m_cartridge->setVisible(step == 1 || step == 4);
}

void TfrmRomweaver::btnNextClick()
{
    if (m_compilation.romCount() == 0) {
        wizard::showWarning(this, tr("No NES rom(s) selected!"));
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
    else if (CurrentStep == 4)
        showCartridge();
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

// ---- Compilation files --------------------------------------------------------

QString TfrmRomweaver::changedSinceSaved(const QString& fileName) const
{
    // Only roms of a compilation file carry what it saved; without one there
    // is nothing to look up (for each of thousands of roms added at once).
    if (m_compilationPath.isEmpty())
        return QString();
    const qsizetype index = m_compilation.indexOf(fileName);
    if (index < 0 || !m_compilation.roms().at(index).saved)
        return QString();
    const auto now = builder::fingerprintOf(platform::joinPath(NESRomsDir, fileName));
    if (now && *now != *m_compilation.roms().at(index).saved)
        return tr("Changed since the compilation was saved");
    return QString();
}

bool TfrmRomweaver::openCompilation(const QString& givenPath)
{
    const QString path = QDir::toNativeSeparators(QFileInfo(givenPath).absoluteFilePath());
    builder::Compilation opened;
    try {
        opened = builder::readCompilationFile(path);
    } catch (const builder::CompilationFileError& error) {
        wizard::showWarning(this, wizard::errorSentence(error));
        return false;
    }
    // The rom directory first: entering it empties the selection.
    if (!platform::namesSameFile(opened.romsDirectory(), ui->DirectoryListBox1->directory()))
        ui->DirectoryListBox1->setDirectory(opened.romsDirectory());
    // The output folder as the list can show it; a folder that is gone leaves it where it is.
    if (!opened.outputDirectory.isEmpty())
        ui->DirectoryListBox2->setDirectory(opened.outputDirectory);
    opened.outputDirectory = ui->DirectoryListBox2->directory();
    m_compilation = opened;
    m_compilationPath = path;
    m_savedCompilation = m_compilation;

    ui->lblCurrentDir->setText(currentDirectoryText(NESRomsDir));
    ui->FileListBox1->setDirectory(NESRomsDir);
    showSelection();
    {
        const QSignalBlocker numbering(ui->chkNumbering);
        const QSignalBlocker sorted(ui->chkSorted);
        const QSignalBlocker name(ui->txtGBARom);
        ui->chkNumbering->setChecked(m_compilation.numbered());
        ui->chkSorted->setChecked(m_compilation.sorted());
        ui->txtGBARom->setText(m_compilation.outputName);
    }
    showTitles(0);
    enterOptionsPage();
    settings::rememberCompilation(*IniFile, path);
    m_compilationMenu->showRecent(settings::recentCompilations(*IniFile));

    // Straight to the titles, where a compilation is looked over before a build.
    const int step = m_compilation.romCount() > 0 ? 2 : 1;
    CurrentStep = step;
    ui->btnPrevious->setEnabled(step > 1);
    ui->btnNext->setEnabled(true);
    showPage(step);
    wizard::focusEntryControl(pageEntryControl(*ui, step));
    showCompilationState();
    return true;
}

bool TfrmRomweaver::saveCompilation(const QString& givenPath)
{
    const QString path = QDir::toNativeSeparators(QFileInfo(givenPath).absoluteFilePath());
    // Roms whose titles page was not entered yet go with the titles it would show.
    m_compilation.fillMissingTitles(
        [this](const QString& name) { return settings::storedTitle(*IniFile, name); });
    try {
        builder::writeCompilationFile(path, m_compilation);
    } catch (const builder::CompilationFileError& error) {
        wizard::showWarning(this, wizard::errorSentence(error));
        return false;
    }
    m_compilationPath = path;
    m_savedCompilation = m_compilation;
    settings::rememberCompilation(*IniFile, path);
    m_compilationMenu->showRecent(settings::recentCompilations(*IniFile));
    showCompilationState();
    return true;
}

bool TfrmRomweaver::maySetCompilationAside()
{
    if (m_compilationPath.isEmpty() || m_compilation == m_savedCompilation)
        return true;
    switch (wizard::askYesNoCancel(
        this, tr("The compilation %1 has changes that are not saved. Save them?")
                  .arg(QFileInfo(m_compilationPath).fileName()))) {
    case QMessageBox::Yes:
        return saveCompilation(m_compilationPath);
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void TfrmRomweaver::showCompilationState()
{
    if (m_compilationPath.isEmpty()) {
        setWindowTitle(m_windowTitle);
        setWindowModified(false);
        return;
    }
    // "[*]" is where Qt shows the mark of changes not saved.
    setWindowTitle(QFileInfo(m_compilationPath).fileName() + QStringLiteral("[*] - ") +
                   m_windowTitle);
    setWindowModified(m_compilation != m_savedCompilation);
}

// ---- Page 1: rom selection ------------------------------------------------

void TfrmRomweaver::setCountLabel()
{
    ui->lblTotalRoms->setText(tr("Total NES roms selected: %1").arg(m_compilation.romCount()));
}

void TfrmRomweaver::setDefaultSizeLabel()
{
    ui->lblTotalSize->setText(tr("GBA rom size: ~%1 KB (default)").arg(BaseRomSizeKB));
    m_estimateCounting = false;
    markSizeLabel(std::nullopt);
    showCartridge();
}

void TfrmRomweaver::showCartridge()
{
    // An archive still looked into shows nothing yet, like one that gives no rom.
    m_cartridge->setCartridgeLayout(
        builder::cartridgeLayout(m_compilation, m_baseRomLength, [this](const QString& name) {
            return m_looks->survey(platform::joinPath(NESRomsDir, name))
                .value_or(builder::RomSurvey{});
        }));
}

void TfrmRomweaver::setEstimateSizeLabel()
{
    int stillLooking = 0;
    const int romsKB = romsSizeKB(true, &stillLooking);
    showEstimate(romsKB, stillLooking);
}

void TfrmRomweaver::showEstimate(int romsKB, int stillLooking)
{
    m_estimateCounting = romsKB >= 0 && stillLooking > 0;
    if (romsKB < 0) {
        ui->lblTotalSize->setText(tr("GBA rom size: unknown (a rom could not be read)"));
        markSizeLabel(std::nullopt);
    } else if (stillLooking > 0) {
        ui->lblTotalSize->setText(
            tr("GBA rom size: ~%1 KB so far, still looking into %n archive(s)", nullptr,
               stillLooking)
                .arg(qint64(BaseRomSizeKB) + romsKB));
        markSizeLabel(std::nullopt);
    } else {
        const qint64 estimateKB = qint64(BaseRomSizeKB) + romsKB;
        ui->lblTotalSize->setText(tr("GBA rom size: ~%1 KB").arg(estimateKB));
        markSizeLabel(estimateKB);
    }
    showCartridge();
}

void TfrmRomweaver::showLooksCome()
{
    if (m_compilation.romCount() == 0)
        return;
    int stillLooking = 0;
    const int romsKB = romsSizeKB(false, &stillLooking); // marks the list anew
    // The label follows while it shows an estimate still counting.
    if (m_estimateCounting)
        showEstimate(romsKB, stillLooking);
    else
        showCartridge();
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
    return romsSizeKB(true, nullptr);
}

int TfrmRomweaver::romsSizeKB(bool tellFailures, int* stillLooking)
{
    qint64 total = 0; // 64 bits: a 32-bit total overflows past 2 GiB of roms
    int looking = 0;
    QStringList failures;
    // A rom whose file has not changed since it was measured is not read
    // again; the cartridge picture and the list's marks take the same figures.
    QHash<QString, builder::RomSurvey> surveys;
    QSet<QString> selected;
    for (const builder::CompilationRom& rom : m_compilation.roms()) {
        const QString path = platform::joinPath(NESRomsDir, rom.fileName);
        selected.insert(path);
        const std::optional<builder::RomSurvey> survey = m_looks->survey(path);
        if (!survey) {
            ++looking; // an archive, still looked into
            continue;
        }
        surveys.insert(rom.fileName, *survey);
        if (survey->readable)
            total += survey->length;
        else if (!survey->badArchive())
            failures << tr("%1: %2").arg(rom.fileName, wizard::unreadableReason(*survey));
        // An archive that gives no rom adds nothing: it is marked in the list,
        // and "Write!" refuses it.
    }
    m_looks->keepOnly(selected); // roms no longer selected
    // The list shows which roms failed while their box is up.
    m_nonRomMarker->remark(surveys);
    if (stillLooking)
        *stillLooking = looking;
    if (tellFailures && !failures.isEmpty()) {
        // One box however many: the first ten named, with why.
        constexpr int Named = 10;
        QStringList named = failures.mid(0, Named);
        if (failures.size() > Named)
            named << tr("and %n more", nullptr, int(failures.size() - Named));
        wizard::showError(this, tr("Failed to read NES rom(s)"), named.join(QLatin1Char('\n')));
    }
    return failures.isEmpty() ? int(qMin<qint64>(builder::roundedKB(total), INT_MAX)) : -1;
}

void TfrmRomweaver::waitForLooks()
{
    if (m_looks->pendingCount() == 0)
        return;
    ui->lblStatus->setText(tr("Looking into the archives..."));
    m_looks->waitForAll([this](int done, int total) {
        ui->ProgressBar1->setValue(done * 100 / total);
        ui->lblProgress->setText(builder::percentDoneText(ui->ProgressBar1->value()));
    });
}

void TfrmRomweaver::showSelection()
{
    ui->lstNESRoms->clear();
    QStringList names;
    for (const builder::CompilationRom& rom : m_compilation.roms())
        names << rom.fileName;
    ui->lstNESRoms->addItems(names);
    setCountLabel();
    if (m_compilation.romCount() > 0)
        setEstimateSizeLabel();
    else
        setDefaultSizeLabel();
}

void TfrmRomweaver::DirectoryListBox1Change()
{
    m_compilation.setRomsDirectory(ui->DirectoryListBox1->directory());
    ui->lblCurrentDir->setText(currentDirectoryText(NESRomsDir));
    ui->FileListBox1->setDirectory(NESRomsDir);
    ui->lstNESRoms->clear();
    setCountLabel();
    setDefaultSizeLabel();
}

void TfrmRomweaver::selectRoms(const QStringList& fileNames)
{
    ui->lstNESRoms->addItems(m_compilation.addRoms(fileNames));
}

void TfrmRomweaver::btnSelectRomsClick()
{
    QStringList names;
    for (const int row : ui->FileListBox1->selectedRows())
        names << ui->FileListBox1->item(row)->text();
    selectRoms(names);
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
    const QString name = ui->FileListBox1->item(row)->text();
    selectRoms({name});
    ui->FileListBox1->removeNames({name});
    setCountLabel();
    setEstimateSizeLabel();
}

void TfrmRomweaver::deselectRom(int row)
{
    const QString name = ui->lstNESRoms->item(row)->text();
    m_compilation.removeRom(name);
    delete ui->lstNESRoms->takeItem(row);
    ui->FileListBox1->restoreEntries({name});
}

void TfrmRomweaver::lstNESRomsDblClick()
{
    const int row = ui->lstNESRoms->currentRow();
    if (row < 0)
        return;
    deselectRom(row);
    // The entry that followed takes the removed one's place, so Delete pressed
    // again goes on down the list (the list would otherwise go back to the top).
    if (const int count = ui->lstNESRoms->count(); count > 0)
        ui->lstNESRoms->setCurrentRow(qMin(row, count - 1), QItemSelectionModel::ClearAndSelect);
    setCountLabel();
    if (m_compilation.romCount() > 0)
        setEstimateSizeLabel();
    else
        setDefaultSizeLabel();
}

void TfrmRomweaver::btnClearClick()
{
    QStringList names;
    for (const builder::CompilationRom& rom : m_compilation.roms())
        names << rom.fileName;
    m_compilation.clearRoms();
    ui->lstNESRoms->clear();
    ui->FileListBox1->restoreEntries(names);
    setCountLabel();
    setDefaultSizeLabel();
}

void TfrmRomweaver::FilterComboBox1Change()
{
    // The list has the mask already; the choice is kept for the next start.
    if (IniFile)
        settings::storeFileFilter(*IniFile, ui->FilterComboBox1->mask());
}

void TfrmRomweaver::lstNESRomsDragDrop(const wizard::DroppedFiles& dropped)
{
    if (dropped.severalDirectories) {
        wizard::showWarning(this, tr("All NES roms have to be in the same directory."));
        return;
    }
    // Files from another directory move the directory list there first, with
    // its usual change: the selection is emptied and the labels reset.
    if (!platform::namesSameFile(dropped.directory, NESRomsDir) &&
        !ui->DirectoryListBox1->setDirectory(dropped.directory))
        return;
    // Then as ">>" adds them: appended in the order dropped, gone from the file list.
    selectRoms(dropped.fileNames);
    ui->FileListBox1->removeNames(dropped.fileNames);
    setCountLabel();
    setEstimateSizeLabel();
}

// ---- Page 2: titles ---------------------------------------------------------

void TfrmRomweaver::enterTitlesPage()
{
    // A rom keeps the title it has; a rom new to the selection takes its stored one.
    m_compilation.fillMissingTitles(
        [this](const QString& name) { return settings::storedTitle(*IniFile, name); });
    m_compilation.arrangeMenu();
    showTitles(0);
}

void TfrmRomweaver::showTitles(qsizetype selectedPosition)
{
    {
        const QSignalBlocker blocker(ui->lstRomTitles);
        ui->lstRomTitles->clear();
        ui->lstRomTitles->addItems(m_compilation.menuTitles());
        ui->lstRomTitles->setCurrentRow(int(selectedPosition));
    }
    if (QListWidgetItem* selected = ui->lstRomTitles->currentItem())
        ui->txtRomTitle->setText(selected->text());
    RefreshPreview();
}

void TfrmRomweaver::RefreshPreview()
{
    ui->lstPreview->clear();
    ui->lstPreview->addItems(m_compilation.previewLines());
}

void TfrmRomweaver::lstRomTitlesClick()
{
    if (QListWidgetItem* entry = ui->lstRomTitles->currentItem())
        ui->txtRomTitle->setText(entry->text());
}

void TfrmRomweaver::btnChangeTitleClick()
{
    const QString title = ui->txtRomTitle->text();
    const int position = ui->lstRomTitles->currentRow();
    if (title.isEmpty() || position < 0)
        return;
    // Held to what a compilation file may hold (a pasted tab, say, would not read back).
    if (builder::menuTextFault(title, builder::MenuTextPart::Title) !=
        builder::MenuTextFault::None) {
        wizard::showWarning(
            this, tr("A title cannot hold a tab, a line break or another control character."));
        return;
    }
    // Written under the entry's own rom file, not looked up through its present
    // title, which another rom may share.
    settings::storeTitle(*IniFile, m_compilation.menuRom(position).fileName, title);
    m_compilation.setMenuTitle(position, title);
    ui->lstRomTitles->item(position)->setText(title);
    RefreshPreview();
}

void TfrmRomweaver::chkSortedClick()
{
    // The selected title stays selected wherever it moves, so the title field
    // (and what "Change" renames) still belongs to the entry shown.
    const int position = ui->lstRomTitles->currentRow();
    const QString selectedRom =
        position >= 0 ? m_compilation.menuRom(position).fileName : QString();
    m_compilation.setSorted(ui->chkSorted->isChecked());
    if (!ui->chkSorted->isChecked()) {
        RefreshPreview();
        return;
    }
    const QSignalBlocker blocker(ui->lstRomTitles);
    const QStringList order = m_compilation.menuFileNames();
    ui->lstRomTitles->clear();
    ui->lstRomTitles->addItems(m_compilation.menuTitles());
    if (position >= 0)
        ui->lstRomTitles->setCurrentRow(int(order.indexOf(selectedRom)));
    RefreshPreview();
}

void TfrmRomweaver::chkNumberingClick()
{
    m_compilation.setNumbered(ui->chkNumbering->isChecked());
    RefreshPreview();
}

void TfrmRomweaver::btnTidyTitlesClick()
{
    // Only titles that are still their file name: a title the user gave stays.
    for (qsizetype position = 0; position < m_compilation.menuSize(); ++position) {
        const builder::CompilationRom& rom = m_compilation.menuRom(position);
        if (rom.title != rom.fileName)
            continue;
        const QString title = builder::tidyTitle(rom.fileName);
        if (title == rom.title)
            continue;
        settings::storeTitle(*IniFile, rom.fileName, title);
        m_compilation.setMenuTitle(position, title);
        ui->lstRomTitles->item(int(position))->setText(title);
    }
    lstRomTitlesClick();
    RefreshPreview();
}

// ---- Page 3: options --------------------------------------------------------

void TfrmRomweaver::enterOptionsPage()
{
    const QSignalBlocker optionsBlocker(ui->lstOptions);
    ui->lstOptions->clear();
    for (const settings::StoredOption& option : settings::storedOptions(*IniFile)) {
        auto* item = new QListWidgetItem(
            optionItemText(QString::fromLatin1(option.key), option.description));
        item->setData(Qt::UserRole, option.key);
        ui->lstOptions->addItem(item);
    }
    // Each rom's option flags and sprite value are its own: they are shown
    // again, in the menu's present order and numbering.
    showMenuLines();
    if (ui->lstOptions->count() > 0) {
        ui->lstOptions->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        ui->lstOptions->clearSelection();
        ui->txtOption->setText(optionDescription(ui->lstOptions->item(0)));
    }
}

void TfrmRomweaver::showMenuLines()
{
    ui->lstTitleAndOptions->clear();
    ui->lstTitleAndOptions->addItems(m_compilation.menuLines());
    ui->lstTitleAndOptions->setCurrentRow(0);
}

void TfrmRomweaver::showMenuLine(qsizetype position)
{
    if (QListWidgetItem* line = ui->lstTitleAndOptions->item(int(position)))
        line->setText(m_compilation.menuLine(position));
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
        wizard::showInformation(this, tr("Only the first %1 options can be added to a menu item; "
                                         "options further down the list are left out.")
                                          .arg(MaxOptionPosition + 1));
    const int position = ui->lstTitleAndOptions->currentRow();
    if (flagSum == 0 || position < 0)
        return;
    m_compilation.applyOptionFlags(position, flagSum);
    showMenuLine(position);
}

void TfrmRomweaver::btnRemoveOptionsClick()
{
    const int position = ui->lstTitleAndOptions->currentRow();
    if (position < 0)
        return;
    m_compilation.removeOptions(position);
    showMenuLine(position);
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
            this, tr("No more options can be added: a menu item can carry at most %1 options.")
                      .arg(MaxOptionPosition + 1));
        return;
    }
    if (m_newOption)
        m_newOption->open(tr("Option nr %1").arg(nextOptionNumber()));
}

void TfrmRomweaver::addOption(const QString& description)
{
    const QByteArray key = QByteArray::number(nextOptionNumber());
    settings::storeOption(*IniFile, key, description);
    auto* item = new QListWidgetItem(optionItemText(QString::fromLatin1(key), description));
    item->setData(Qt::UserRole, key);
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
    settings::storeOption(*IniFile, key, description);
    focused->setText(optionItemText(QString::fromLatin1(key), description));
}

void TfrmRomweaver::btnDeleteOptionClick()
{
    const int row = ui->lstOptions->currentRow();
    if (row < 0)
        return;
    settings::deleteOption(*IniFile, ui->lstOptions->item(row)->data(Qt::UserRole).toByteArray());
    const QSignalBlocker blocker(ui->lstOptions); // txtOption is left as it is
    delete ui->lstOptions->takeItem(row);
}

void TfrmRomweaver::applySpriteValueToSelectedLine(const QString& spriteValue)
{
    const int position = ui->lstTitleAndOptions->currentRow();
    if (position < 0 || position >= m_compilation.menuSize())
        return;
    m_compilation.applySpriteValue(position, spriteValue);
    showMenuLine(position);
    showCompilationState();
}

// ---- Page 4: write ------------------------------------------------------------

void TfrmRomweaver::btnWriteClick()
{
    // Page 1 lets no compilation of none on (an opened one stays there), nor does this.
    if (m_compilation.romCount() == 0) {
        wizard::showWarning(this, tr("No NES rom(s) selected!"));
        return;
    }
    // A name of blanks only is no name either: no system keeps such a file well.
    if (m_compilation.outputName.trimmed().isEmpty()) {
        wizard::showWarning(this, tr("No GBA rom filename specified! Please insert a filename!"));
        return;
    }
    const QString outputPath = m_compilation.outputPath();
    // Every archive of the selection is looked into before the build takes its figures.
    for (const builder::CompilationRom& rom : m_compilation.roms())
        m_looks->survey(platform::joinPath(NESRomsDir, rom.fileName));
    waitForLooks();
    builder::BuildResult result;
    {
        wizard::WritePageProgress progress(ui->ProgressBar1, ui->lblProgress, ui->lblStatus);
        builder::BuildHooks hooks = wizard::writePageHooks(this, m_compilation.romsDirectory());
        // Roms measured on page 1 and unchanged since are not read again before the copy.
        hooks.surveyRom = [this](const QString& path) { return m_looks->surveyNow(path); };
        result = builder::build(m_compilation.buildRequest(m_files), progress, *m_log, hooks);
    }
    if (result.outcome == builder::BuildResult::Outcome::Declined)
        return;
    showWriteOutcome(result.written());
    showBuildReport(result.report);
    showCartridge(); // repaired roms are whole now
    if (!result.written())
        wizard::showWarning(this, wizard::notWrittenWarning(result, outputPath));
}

void TfrmRomweaver::showBuildReport(const builder::BuildReport& report)
{
    const int roms = report.whole + report.cut + report.repaired;
    m_reportMessages = report.logMessages;
    // Only a written build has something to tell; a failure has its warning.
    ui->lblReport->setText(roms == 0 ? QString()
                                     : tr("%1 whole, %2 cut, %3 repaired")
                                           .arg(report.whole)
                                           .arg(report.cut)
                                           .arg(report.repaired));
    ui->btnReportDetails->setVisible(!m_reportMessages.isEmpty());
}

void TfrmRomweaver::btnReportDetailsClick()
{
    wizard::showInformation(this, tr("This build's log:") + QStringLiteral("\n\n") +
                                      m_reportMessages.join(QLatin1Char('\n')));
}

void TfrmRomweaver::showWriteOutcome(bool written)
{
    if (written) {
        setTextColour(ui->lblStatus, QColor(0, 128, 0));
        ui->lblStatus->setText(builder::statusText(builder::BuildStatus::Completed));
    } else {
        setTextColour(ui->lblStatus, QColor(255, 0, 0));
        ui->lblStatus->setText(builder::statusText(builder::BuildStatus::Failed));
    }
    ui->ProgressBar1->setValue(100);
    ui->lblProgress->setText(builder::percentDoneText(ui->ProgressBar1->value()));
    ui->lblStatus->announce();
}
