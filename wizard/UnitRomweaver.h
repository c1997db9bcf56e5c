#pragma once

#include "builder/BuildReport.h"
#include "builder/BuildRequest.h"
#include "builder/Compilation.h"
#include "builder/ImageSurvey.h"
#include "platform/ProgramFiles.h"
#include "settings/ProgramSettings.h"

#include <QWidget>

#include <memory>
#include <optional>

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
class CartridgeView;
class CompilationMenu;
class NonRomMarker;
class RomLooks;
struct DroppedFiles;
} // namespace wizard

class TfrmAbout;
class TfrmAddSpriteNumber;
class TfrmNewOption;
class QListWidgetItem;

namespace Ui
{
class TfrmRomweaver;
}

// The wizard: four pages in one window (rom selection, titles, options, write)
// sharing the state below, with Previous and Next to move between them.
class TfrmRomweaver : public QWidget
{
    Q_OBJECT

    // What the user builds; the pages show it and change it. Declared first:
    // NESRomsDir refers to its rom folder.
    builder::Compilation m_compilation;

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
    const QString& NESRomsDir;
    int CurrentStep = 0;
    int RemoveIndex = 0;
    int BaseRomSizeKB = 0;
    std::unique_ptr<settings::SettingsFile> IniFile;

    const builder::Compilation& compilation() const { return m_compilation; }
    // The compilation file shown, empty when none is.
    const QString& compilationPath() const { return m_compilationPath; }
    // Opens a compilation file: every page shows it, and the wizard goes to
    // the titles page. A file that cannot be read is refused with a warning,
    // and nothing changes. False when it was not opened.
    bool openCompilation(const QString& path);
    // Saves the compilation shown at path; false (after a warning) when it
    // could not be written.
    bool saveCompilation(const QString& path);
    // Asks whether to save changes to the compilation file shown; false when
    // the user cancels (or the save failed), so whatever was to follow does not.
    bool maySetCompilationAside();

    int SelectedRomsSizeKB();
    void RemoveSelectedFiles();
    void RefreshPreview();

    // Used by the options dialogs.
    void addOption(const QString& description);
    void applySpriteValueToSelectedLine(const QString& spriteValue);
    // The key a new option is stored under: 2 to the power of the option count,
    // moved to the next free power of two when that key is still taken.
    qint64 nextOptionNumber() const;

    void FormShow();
    void FormClose();
    void btnNextClick();
    void btnPreviousClick();
    void btnAboutClick();

    void DirectoryListBox1Change();
    void btnSelectRomsClick();
    void FileListBox1DblClick();
    void lstNESRomsDblClick();
    void btnClearClick();
    void FilterComboBox1Change();
    void lstNESRomsDragDrop(const wizard::DroppedFiles& dropped);

    void lstRomTitlesClick();
    void btnChangeTitleClick();
    void chkSortedClick();
    void chkNumberingClick();
    void btnTidyTitlesClick();

    void lstOptionsClick();
    void btnAddToMenuItemClick();
    void btnRemoveOptionsClick();
    void btnAddSpriteNumberClick();
    void btnNewOptionClick();
    void btnChangeOptionClick();
    void btnDeleteOptionClick();

    void btnWriteClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    void showPage(int step);
    void enterTitlesPage();
    // Page 2's lists from the compilation, the title at menu position
    // selectedPosition selected and in the title field.
    void showTitles(qsizetype selectedPosition);
    void enterOptionsPage();
    void showMenuLines();
    // The menu line of the rom at the given position, after an edit.
    void showMenuLine(qsizetype position);
    // Adds the named files of the rom directory to the selection; a rom
    // already selected is not added again.
    void selectRoms(const QStringList& fileNames);
    // Takes the rom out of the selection; its name goes back to the file list.
    void deselectRom(int row);
    void showSelection();
    // The cartridge picture from the roms' surveys (each file measured again
    // when it changed since).
    void showCartridge();
    // The window title: the compilation file's name, marked while it has
    // changes not saved, in front of the window's own title.
    void showCompilationState();
    // Why a selected rom's file is not what the open compilation file saved,
    // or nothing.
    QString changedSinceSaved(const QString& fileName) const;
    void setCountLabel();
    void setDefaultSizeLabel();
    void setEstimateSizeLabel();
    // The estimate and the marks again from the surveys known, without a box:
    // after an archive's look has come.
    void showLooksCome();
    void showEstimate(int romsKB, int stillLooking);
    // The estimate form's figure in KB (-1 when a rom cannot be read) and how
    // many archives are still looked into; with tellFailures, the roms that
    // cannot be read are named in one box.
    int romsSizeKB(bool tellFailures, int* stillLooking);
    // Waits for the looks into the selection's archives, with the write page's bar.
    void waitForLooks();
    // The size label's warning look for the estimate (none: no warning), told
    // to screen readers while it warns and when it stops.
    void markSizeLabel(std::optional<qint64> estimateKB);
    void saveRomsDirectory();
    void fitOuterSize(int width, int height);
    // The write page's end state: the status line in green or red, the bar at 100.
    void showWriteOutcome(bool written);
    // Beside the status line: what a written build did with the roms, and
    // its log messages on request.
    void showBuildReport(const builder::BuildReport& report);
    void btnReportDetailsClick();

    std::unique_ptr<Ui::TfrmRomweaver> ui;
    platform::ProgramFiles m_files;
    QString m_windowTitle; // the form's own
    QString m_compilationPath;
    builder::Compilation m_savedCompilation; // as the file shown holds it
    wizard::CompilationMenu* m_compilationMenu = nullptr;
    wizard::CartridgeView* m_cartridge = nullptr;
    wizard::NonRomMarker* m_nonRomMarker = nullptr;
    qint64 m_baseRomLength = 0;
    // Each rom as last measured, while its file stays the same: the estimate,
    // the marks of the selection and the cartridge picture take the same
    // figures without reading a file again; archives are looked into off the
    // window's thread, and those figures follow when they come.
    wizard::RomLooks* m_looks = nullptr;
    // The build log of this run, from the first showing on: its first entry
    // replaces an earlier run's log (FirstLogWrite).
    std::unique_ptr<builder::BuildLog> m_log;
    bool m_shown = false;
    std::optional<settings::WindowSize> m_storedSize; // as the user left the window
    bool m_sizeWarned = false;
    bool m_estimateCounting = false; // the size label waits for archives' looks
    QStringList m_reportMessages; // the last written build's log messages // the size label warns
                                  // of an image too large
    TfrmNewOption* m_newOption = nullptr;
    TfrmAbout* m_about = nullptr;
    TfrmAddSpriteNumber* m_addSpriteNumber = nullptr;
};
