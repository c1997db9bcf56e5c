#include "wizard/UnitRomweaver.h"
#include "ui_UnitRomweaver.h"

#include "builder/BuildLog.h"
#include "builder/CompilationFile.h"
#include "builder/FileMeasure.h"
#include "builder/MenuTitles.h"
#include "platform/Paths.h"
#include "settings/SettingsFile.h"
#include "wizard/CartridgeView.h"
#include "wizard/CompilationDocument.h"
#include "wizard/CompilationMenu.h"
#include "wizard/FormGrowth.h"
#include "wizard/MessageTexts.h"
#include "wizard/OptionsPage.h"
#include "wizard/SelectionPage.h"
#include "wizard/TitlesPage.h"
#include "wizard/UnitAbout.h"
#include "wizard/WritePage.h"
#include "wizard/controls/ButtonEnterKey.h"
#include "wizard/controls/FormLook.h"
#include "wizard/controls/GrowingForm.h"
#include "wizard/controls/KeyboardFocus.h"
#include "wizard/controls/LocaleCollation.h"
#include "wizard/controls/MessageBoxes.h"
#include "wizard/controls/WindowPlacement.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QUndoStack>

namespace
{

// Entering a page puts the keyboard on its first useful control.
QWidget* pageEntryControl(const Ui::TfrmRomweaver& ui, int step)
{
    QWidget* const controls[] = {ui.FileListBox1, ui.txtRomTitle, ui.lstOptions, ui.txtGBARom};
    return controls[step - 1];
}

} // namespace

TfrmRomweaver::TfrmRomweaver(platform::ProgramFiles files, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TfrmRomweaver>()), m_files(std::move(files)),
      m_document(new wizard::CompilationDocument(this)), m_undoStack(new QUndoStack(this))
{
    setFont(wizard::formFont()); // before the controls exist: made with it, not changed to it
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmRomweaver"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    wizard::applyFormLook(this);
    // The kit's sorted lists sort as the menu sorts its titles.
    wizard::setNameOrder(builder::collatesBefore);
    m_windowTitle = windowTitle();

    const auto settings = [this] { return IniFile.get(); };
    m_selection = new wizard::SelectionPage(this,
                                            {ui->lblCurrentDir, ui->DirectoryListBox1,
                                             ui->DriveComboBox1, ui->FileListBox1,
                                             ui->FilterComboBox1, ui->btnSelectRoms, ui->btnClear,
                                             ui->lstNESRoms, ui->lblTotalRoms, ui->lblTotalSize},
                                            *m_document, *m_undoStack, settings);
    m_titles =
        new wizard::TitlesPage(this,
                               {ui->lstRomTitles, ui->txtRomTitle, ui->btnChangeTitle,
                                ui->btnTidyTitles, ui->chkNumbering, ui->chkSorted, ui->lstPreview},
                               *m_document, *m_undoStack, settings);
    m_options =
        new wizard::OptionsPage(this,
                                {ui->lstOptions, ui->txtOption, ui->btnAddToMenuItem,
                                 ui->btnRemoveOptions, ui->btnAddSpriteNumber, ui->btnNewOption,
                                 ui->btnChangeOption, ui->btnDeleteOption, ui->lstTitleAndOptions},
                                *m_document, *m_undoStack, settings);
    m_write = new wizard::WritePage(
        this,
        {ui->DirectoryListBox2, ui->DriveComboBox2, ui->txtGBARom, ui->btnWrite, ui->lblStatus,
         ui->lblReport, ui->btnReportDetails, ui->ProgressBar1, ui->lblProgress},
        *m_document, *m_undoStack, m_files,
        {[this] { return m_log.get(); },
         [this](const std::function<void(int, int)>& progress) {
             m_selection->waitForLooks(progress);
         },
         [this](const QString& path) { return m_selection->surveyForBuild(path); },
         [this] { m_selection->buildDone(); }});
    // Page 4's choices are the compilation's from the start.
    builder::Compilation start;
    m_write->fillOutput(start);
    m_document->replace(start);

    m_compilationMenu = new wizard::CompilationMenu(this,
                                                    {[this] { return m_compilationPath; },
                                                     [this] { return NESRomsDir(); },
                                                     [this] { return maySetCompilationAside(); }},
                                                    *m_undoStack);
    connect(m_compilationMenu, &wizard::CompilationMenu::openRequested, this,
            [this](const QString& path) { openCompilation(path); });
    connect(m_compilationMenu, &wizard::CompilationMenu::saveRequested, this,
            [this](const QString& path) { saveCompilation(path); });
    connect(m_undoStack, &QUndoStack::cleanChanged, this, &TfrmRomweaver::showCompilationState);
    // The Compilation button as wide as its caption and its menu's arrow need
    // (in some languages wider than its place), the cartridge after it.
    auto* compilationButton = findChild<QWidget*>(QStringLiteral("btnCompilation"));
    const int arrow = style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, this);
    compilationButton->resize(
        qMax(compilationButton->width(), compilationButton->sizeHint().width() + arrow),
        compilationButton->height());
    QWidget* cartridge = m_selection->cartridge();
    const int cartridgeRight = cartridge->geometry().right();
    cartridge->setGeometry(QRect(QPoint(compilationButton->geometry().right() + 13, cartridge->y()),
                                 QPoint(cartridgeRight, cartridge->geometry().bottom())));
    wizard::growWithWindow(this);
    connectShell();
    wizard::pressFocusedButtonOnEnter(this);
}

TfrmRomweaver::~TfrmRomweaver() = default;

const QString& TfrmRomweaver::NESRomsDir() const
{
    return m_document->romsDirectory();
}

const builder::Compilation& TfrmRomweaver::compilation() const
{
    return m_document->compilation();
}

void TfrmRomweaver::setCompanions(TfrmNewOption* newOption, TfrmAbout* about,
                                  TfrmAddSpriteNumber* addSpriteNumber)
{
    m_about = about;
    m_options->setDialogs(newOption, addSpriteNumber);
}

void TfrmRomweaver::connectShell()
{
    // Every handler runs guarded: an error ends it and is shown, never thrown
    // into the event loop.
    auto wire = [this](QPushButton* button, void (TfrmRomweaver::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { wizard::RunGuarded(this, [&] { (this->*handler)(); }); });
    };
    wire(ui->btnNext, &TfrmRomweaver::btnNextClick);
    wire(ui->btnPrevious, &TfrmRomweaver::btnPreviousClick);
    wire(ui->btnAbout, &TfrmRomweaver::btnAboutClick);
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
    qint64 baseRomLength = 0; // as the size label: a base rom that cannot be measured counts 0
    try {
        baseRomLength = builder::measureFile(m_files.baseRom());
    } catch (const platform::FileError&) {
    }
    m_selection->setBaseRom(BaseRomSizeKB, baseRomLength);

    IniFile = std::make_unique<settings::SettingsFile>(m_files.settings());
    m_storedSize = settings::storedWindowSize(*IniFile);
    // A saved directory that is gone (or an empty value) leaves the list where
    // it is; the rom directory is then what the list shows.
    QString directory = settings::storedRomsDirectory(*IniFile, ui->DirectoryListBox1->directory());
    if (directory.isEmpty() || !QFileInfo(directory).isDir())
        directory = ui->DirectoryListBox1->directory();
    m_document->edit([&directory](builder::Compilation& compilation) {
        compilation.setRomsDirectory(directory);
    });
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
    // A frame told only now changes the documented size at an unchanged size.
    wizard::relayoutGrowingForm(this);
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
    settings::storeRomsDirectory(*IniFile, NESRomsDir());
}

void TfrmRomweaver::showPage(int step)
{
    QGroupBox* pages[] = {ui->grpStep1, ui->grpStep2, ui->grpStep3, ui->grpStep4};
    for (int i = 0; i < 4; ++i) {
        if (i != step - 1)
            pages[i]->setVisible(false);
    }
    pages[step - 1]->setVisible(true);
    m_selection->cartridge()->setVisible(step == 1 || step == 4);
    ui->btnPrevious->setEnabled(step > 1);
    ui->btnNext->setEnabled(step < 4);
}

void TfrmRomweaver::btnNextClick()
{
    if (compilation().romCount() == 0) {
        wizard::showWarning(this, tr("No NES rom(s) selected!"));
        return;
    }
    saveRomsDirectory();
    ++CurrentStep;
    showPage(CurrentStep);
    if (CurrentStep == 2)
        m_titles->enter();
    else if (CurrentStep == 3)
        m_options->enter();
    else if (CurrentStep == 4)
        m_selection->showCartridge();
    wizard::focusEntryControl(pageEntryControl(*ui, CurrentStep));
}

void TfrmRomweaver::btnPreviousClick()
{
    --CurrentStep;
    showPage(CurrentStep);
    wizard::focusEntryControl(pageEntryControl(*ui, CurrentStep));
}

void TfrmRomweaver::btnAboutClick()
{
    if (m_about)
        m_about->open(this);
}

// ---- Compilation files --------------------------------------------------------

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
    // The output folder as the list can show it: one that is gone leaves it where it is.
    if (!opened.outputDirectory.isEmpty() && !QFileInfo(opened.outputDirectory).isDir())
        opened.outputDirectory.clear();
    m_write->fillOutput(opened);
    m_document->replace(opened);
    // A new compilation, a new history: there is nothing before it to go back to.
    m_undoStack->clear();
    m_undoStack->setClean();
    m_compilationPath = path;
    settings::rememberCompilation(*IniFile, path);
    m_compilationMenu->showRecent(settings::recentCompilations(*IniFile));
    m_options->enter();

    // Straight to the titles, where a compilation is looked over before a
    // build; to the roms where one of them cannot be read, marked there.
    const QStringList unreadable = m_selection->unreadableRoms();
    CurrentStep = compilation().romCount() > 0 && unreadable.isEmpty() ? 2 : 1;
    showPage(CurrentStep);
    wizard::focusEntryControl(pageEntryControl(*ui, CurrentStep));
    showCompilationState();
    if (!unreadable.isEmpty()) {
        constexpr int Named = 10;
        QStringList named = unreadable.mid(0, Named);
        if (unreadable.size() > Named)
            named << tr("and %n more", nullptr, int(unreadable.size() - Named));
        wizard::showWarning(this,
                            tr("%n rom(s) of the compilation %1 cannot be read; page 1 marks them.",
                               nullptr, int(unreadable.size()))
                                .arg(QFileInfo(path).fileName()),
                            named.join(QLatin1Char('\n')));
    }
    return true;
}

bool TfrmRomweaver::saveCompilation(const QString& givenPath)
{
    QString path = QDir::toNativeSeparators(QFileInfo(givenPath).absoluteFilePath());
    // A name without the extension gets it ("Sammlung Nr. 2" holds a dot, but no extension).
    const QString extension = QLatin1Char('.') + QLatin1String(builder::CompilationExtension);
    if (!path.endsWith(extension, Qt::CaseInsensitive))
        path += extension;
    // Roms whose titles page was not entered yet go with the titles it would show.
    m_document->edit([this](builder::Compilation& compilation) {
        compilation.fillMissingTitles(
            [this](const QString& name) { return settings::storedTitle(*IniFile, name); });
    });
    try {
        builder::writeCompilationFile(path, compilation());
    } catch (const builder::CompilationFileError& error) {
        wizard::showWarning(this, wizard::errorSentence(error));
        return false;
    }
    m_compilationPath = path;
    m_undoStack->setClean();
    settings::rememberCompilation(*IniFile, path);
    m_compilationMenu->showRecent(settings::recentCompilations(*IniFile));
    showCompilationState();
    return true;
}

bool TfrmRomweaver::maySetCompilationAside()
{
    if (m_compilationPath.isEmpty() || m_undoStack->isClean())
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
    setWindowModified(!m_undoStack->isClean());
}
