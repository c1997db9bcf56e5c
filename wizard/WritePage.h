#pragma once

#include "builder/Compilation.h"
#include "builder/ImageSurvey.h"
#include "platform/ProgramFiles.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QUndoStack;
class QWidget;

namespace builder
{
class BuildLog;
struct BuildReport;
} // namespace builder

namespace wizard
{

class CompilationDocument;
class DirectoryListBox;
class DriveComboBox;
class StatusLabel;

// Page 4, the write: where the GBA rom goes (a part of the compilation, its
// changes commands on the undo stack), "Write!", the status line, the bar,
// and what a written build did.
class WritePage : public QObject
{
    Q_OBJECT

public:
    struct Controls {
        DirectoryListBox* DirectoryListBox2;
        DriveComboBox* DriveComboBox2;
        QLineEdit* txtGBARom;
        QPushButton* btnWrite;
        StatusLabel* lblStatus;
        QLabel* lblReport;
        QPushButton* btnReportDetails;
        QProgressBar* ProgressBar1;
        QLabel* lblProgress;
    };
    // What the page takes from the rest of the window: this run's build log,
    // the looks into archives to wait for, the surveys a build takes, and the
    // cartridge picture to show again after a build.
    struct Services {
        std::function<builder::BuildLog*()> log;
        std::function<void(const std::function<void(int, int)>&)> waitForLooks;
        std::function<builder::RomSurvey(const QString& path)> surveyForBuild;
        std::function<void()> buildDone;
    };

    WritePage(QWidget* window, const Controls& controls, CompilationDocument& document,
              QUndoStack& undoStack, platform::ProgramFiles files, Services services);

    // The output's folder and name, as the page's controls start with them,
    // put into a compilation that has none.
    void fillOutput(builder::Compilation& compilation) const;

    void btnWriteClick();
    void btnReportDetailsClick();

private:
    void showCompilation();
    // The end state: the status line in green or red, the bar at 100.
    void showWriteOutcome(bool written);
    void showBuildReport(const builder::BuildReport& report);

    QWidget* m_window;
    Controls m_ui;
    CompilationDocument& m_document;
    QUndoStack& m_undoStack;
    platform::ProgramFiles m_files;
    Services m_services;
    QStringList m_reportMessages; // the last written build's log messages
    bool m_showing = false;       // the controls are set from the compilation
};

} // namespace wizard
