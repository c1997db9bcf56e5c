#pragma once

#include "builder/BuildRequest.h"
#include "platform/ProgramFiles.h"

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

    // Shared state of the wizard.
    QString NESRomsDir;
    int CurrentStep = 0;
    int RemoveIndex = 0;
    int BaseRomSizeKB = 0;
    std::unique_ptr<settings::SettingsFile> IniFile;

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
    void lstNESRomsDragDrop(const wizard::DroppedFiles& dropped);

    void lstRomTitlesClick();
    void btnChangeTitleClick();
    void chkSortedClick();
    void chkNumberingClick();

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
    void enterOptionsPage();
    void setCountLabel();
    void setDefaultSizeLabel();
    void setEstimateSizeLabel();
    // The size label's warning look for the estimate (none: no warning), told
    // to screen readers while it warns and when it stops.
    void markSizeLabel(std::optional<qint64> estimateKB);
    void saveRomsDirectory();
    void fitOuterSize(int width, int height);
    // The write page's end state: the status line in green or red, the bar at 100.
    void showWriteOutcome(bool written);
    builder::BuildRequest buildRequest(const QString& outputPath) const;

    std::unique_ptr<Ui::TfrmRomweaver> ui;
    platform::ProgramFiles m_files;
    // The build log of this run, from the first showing on: its first entry
    // replaces an earlier run's log (FirstLogWrite).
    std::unique_ptr<builder::BuildLog> m_log;
    bool m_shown = false;
    bool m_sizeWarned = false; // the size label warns of an image too large
    TfrmNewOption* m_newOption = nullptr;
    TfrmAbout* m_about = nullptr;
    TfrmAddSpriteNumber* m_addSpriteNumber = nullptr;
};
