#pragma once

#include "builder/Compilation.h"
#include "platform/ProgramFiles.h"
#include "settings/ProgramSettings.h"
#include "wizard/OptionsPage.h"
#include "wizard/SelectionPage.h"
#include "wizard/TitlesPage.h"
#include "wizard/WritePage.h"

#include <QWidget>

#include <memory>
#include <optional>

class QUndoStack;

namespace builder
{
class BuildLog;
} // namespace builder
namespace settings
{
class SettingsFile;
} // namespace settings
namespace wizard
{
class CompilationDocument;
class CompilationMenu;
} // namespace wizard

class TfrmAbout;
class TfrmAddSpriteNumber;
class TfrmNewOption;

namespace Ui
{
class TfrmRomweaver;
}

// The wizard: four pages in one window (rom selection, titles, options,
// write), each a view of the one compilation and its own class
// (wizard::SelectionPage, TitlesPage, OptionsPage, WritePage), with Previous,
// Next and About to move between them, and the Compilation menu. Every edit
// is a command on the window's undo stack.
class TfrmRomweaver : public QWidget
{
    Q_OBJECT

public:
    // The base rom, the menu script, the settings file and the build log are
    // those of files.
    explicit TfrmRomweaver(platform::ProgramFiles files, QWidget* parent = nullptr);
    ~TfrmRomweaver() override;

    // The small windows this one opens; they are created by start-up.
    void setCompanions(TfrmNewOption* newOption, TfrmAbout* about,
                       TfrmAddSpriteNumber* addSpriteNumber);

    const platform::ProgramFiles& programFiles() const { return m_files; }
    // This run's build log; none before the first showing.
    const builder::BuildLog* buildLog() const { return m_log.get(); }

    // Shared state of the wizard. The rom directory is the compilation's.
    const QString& NESRomsDir() const;
    int CurrentStep = 0;
    int RemoveIndex = 0;
    int BaseRomSizeKB = 0;
    std::unique_ptr<settings::SettingsFile> IniFile;

    const builder::Compilation& compilation() const;
    QUndoStack& undoStack() const { return *m_undoStack; }
    // The compilation file shown, empty when none is.
    const QString& compilationPath() const { return m_compilationPath; }
    // Opens a compilation file: every page shows it, a new undo history
    // starts, and the wizard goes to the titles page, or to the rom selection
    // when a rom of it cannot be read (a box names them). A file that cannot
    // be read is refused with a warning, and nothing changes. False when it
    // was not opened.
    bool openCompilation(const QString& path);
    // Saves the compilation shown at path (".romweaver" added to a name
    // without it); false (after a warning) when it could not be written.
    bool saveCompilation(const QString& path);
    // Asks whether to save changes to the compilation file shown; false when
    // the user cancels (or the save failed), so whatever was to follow does not.
    bool maySetCompilationAside();

    void FormShow();
    void FormClose();
    void btnNextClick();
    void btnPreviousClick();
    void btnAboutClick();

    // The pages' documented handlers and methods, each the page's own.
    int SelectedRomsSizeKB() { return m_selection->SelectedRomsSizeKB(); }
    void RemoveSelectedFiles() { m_selection->RemoveSelectedFiles(); }
    void DirectoryListBox1Change() { m_selection->DirectoryListBox1Change(); }
    void btnSelectRomsClick() { m_selection->btnSelectRomsClick(); }
    void FileListBox1DblClick() { m_selection->FileListBox1DblClick(); }
    void lstNESRomsDblClick() { m_selection->lstNESRomsDblClick(); }
    void btnClearClick() { m_selection->btnClearClick(); }
    void lstNESRomsDragDrop(const wizard::DroppedFiles& dropped)
    {
        m_selection->lstNESRomsDragDrop(dropped);
    }
    void lstRomTitlesClick() { m_titles->lstRomTitlesClick(); }
    void btnChangeTitleClick() { m_titles->btnChangeTitleClick(); }
    void chkSortedClick() { m_titles->chkSortedClick(); }
    void chkNumberingClick() { m_titles->chkNumberingClick(); }
    void lstOptionsClick() { m_options->lstOptionsClick(); }
    void btnAddToMenuItemClick() { m_options->btnAddToMenuItemClick(); }
    void btnRemoveOptionsClick() { m_options->btnRemoveOptionsClick(); }
    void btnAddSpriteNumberClick() { m_options->btnAddSpriteNumberClick(); }
    void btnNewOptionClick() { m_options->btnNewOptionClick(); }
    void btnChangeOptionClick() { m_options->btnChangeOptionClick(); }
    void btnDeleteOptionClick() { m_options->btnDeleteOptionClick(); }
    void btnWriteClick() { m_write->btnWriteClick(); }
    // Used by the options dialogs.
    void addOption(const QString& description) { m_options->addOption(description); }
    void applySpriteValueToSelectedLine(const QString& spriteValue)
    {
        m_options->applySpriteValueToSelectedLine(spriteValue);
    }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectShell();
    void showPage(int step);
    // The window title: the compilation file's name, marked while it has
    // changes not saved, in front of the window's own title.
    void showCompilationState();
    void saveRomsDirectory();
    void fitOuterSize(int width, int height);

    std::unique_ptr<Ui::TfrmRomweaver> ui;
    platform::ProgramFiles m_files;
    wizard::CompilationDocument* m_document;
    QUndoStack* m_undoStack;
    wizard::SelectionPage* m_selection = nullptr;
    wizard::TitlesPage* m_titles = nullptr;
    wizard::OptionsPage* m_options = nullptr;
    wizard::WritePage* m_write = nullptr;
    wizard::CompilationMenu* m_compilationMenu = nullptr;
    QString m_windowTitle; // the form's own
    QString m_compilationPath;
    // The build log of this run, from the first showing on: its first entry
    // replaces an earlier run's log (FirstLogWrite).
    std::unique_ptr<builder::BuildLog> m_log;
    bool m_shown = false;
    std::optional<settings::WindowSize> m_storedSize; // as the user left the window
    TfrmAbout* m_about = nullptr;
};
