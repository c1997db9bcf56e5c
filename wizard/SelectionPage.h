#pragma once

#include "builder/ImageSurvey.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QUndoStack;
class QWidget;

namespace settings
{
class SettingsFile;
} // namespace settings

namespace wizard
{

class CartridgeView;
class CompilationDocument;
class DirectoryListBox;
class DriveComboBox;
class FileListBox;
class FilterComboBox;
class ListView;
class PathLabel;
class RomLooks;
class SelectedRomsModel;
class StatusLabel;
struct DroppedFiles;

// Page 1, the rom selection: the rom folder and its files, the selected roms
// (a view of the compilation), their count, the size estimate and the
// cartridge picture. Every change of the selection is a command on the undo
// stack; the file list is always the folder's roms but the selected ones.
class SelectionPage : public QObject
{
    Q_OBJECT

public:
    struct Controls {
        PathLabel* lblCurrentDir;
        DirectoryListBox* DirectoryListBox1;
        DriveComboBox* DriveComboBox1;
        FileListBox* FileListBox1;
        FilterComboBox* FilterComboBox1;
        QPushButton* btnSelectRoms;
        QPushButton* btnClear;
        ListView* lstNESRoms;
        QLabel* lblTotalRoms;
        StatusLabel* lblTotalSize;
    };
    using Settings = std::function<settings::SettingsFile*()>;

    SelectionPage(QWidget* window, const Controls& controls, CompilationDocument& document,
                  QUndoStack& undoStack, Settings settings);

    // The base rom as the first showing measured it: its size in KB and bytes.
    void setBaseRom(int sizeKB, qint64 length);
    CartridgeView* cartridge() const { return m_cartridge; }

    // The page's handlers.
    void DirectoryListBox1Change();
    void btnSelectRomsClick();
    void FileListBox1DblClick();
    void lstNESRomsDblClick();
    void btnClearClick();
    void FilterComboBox1Change();
    void lstNESRomsDragDrop(const DroppedFiles& dropped);
    int SelectedRomsSizeKB();
    void RemoveSelectedFiles();

    // Shows the rom folder the compilation names, and the selection's labels
    // as they follow a change that was no click of this page (opening a
    // compilation, undo): the estimate while roms are selected.
    void showCompilation();
    // The roms of the selection that cannot be read, each "name: why" (as
    // the estimate measured them; archives' looks taken as they come).
    QStringList unreadableRoms();

    // For the write page: waits for the looks into the selection's archives
    // (progress: done of total), and the survey a build takes of a rom.
    void waitForLooks(const std::function<void(int done, int total)>& progress);
    builder::RomSurvey surveyForBuild(const QString& path);
    // After a build: the roms read ahead for it are let go, and the cartridge
    // shows the roms as they are now (repaired ones whole).
    void buildDone();
    // Shows the cartridge as it fills now (after a build repaired roms).
    void showCartridge();

private:
    // Pushes an edit of the selection: the roms named, added after the others.
    void addRoms(const QStringList& fileNames);
    void followRemoved(const QString& fileName);
    void setCountLabel();
    void setDefaultSizeLabel();
    void setEstimateSizeLabel();
    void showEstimate(int romsKB, int stillLooking);
    void showLooksCome();
    void markSizeLabel(std::optional<qint64> estimateKB);
    // The estimate's figure in KB (-1 when a rom cannot be read) and how many
    // archives are still looked into; with tellFailures, the roms that
    // cannot be read are named in one box.
    int romsSizeKB(bool tellFailures, int* stillLooking);
    QString warningFor(const QString& fileName);
    // Why a selected rom's file is not what its compilation file saved, or nothing.
    QString changedSinceSaved(const QString& fileName);
    QString pathOf(const QString& fileName) const;

    QWidget* m_window;
    Controls m_ui;
    CompilationDocument& m_document;
    QUndoStack& m_undoStack;
    Settings m_settings;
    RomLooks* m_looks;
    SelectedRomsModel* m_model;
    CartridgeView* m_cartridge;
    int m_baseRomSizeKB = 0;
    qint64 m_baseRomLength = 0;
    bool m_sizeWarned = false;       // the size label warns of an image too large
    bool m_estimateCounting = false; // the size label waits for archives' looks
    bool m_showingFolder = false;    // the folder list is moved to the compilation's
    // Why a rom changed since its compilation was saved, found once per rom.
    QHash<QString, QString> m_changedSinceSaved;
};

} // namespace wizard
