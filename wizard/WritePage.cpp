#include "wizard/WritePage.h"

#include "builder/Build.h"
#include "builder/BuildStatus.h"
#include "wizard/CompilationCommands.h"
#include "wizard/CompilationDocument.h"
#include "wizard/MessageTexts.h"
#include "wizard/WritePageProgress.h"
#include "wizard/WriteQuestions.h"
#include "wizard/controls/DirectoryListBox.h"
#include "wizard/controls/DriveComboBox.h"
#include "wizard/controls/MessageBoxes.h"
#include "wizard/controls/StatusLabel.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUndoStack>

namespace wizard
{

namespace
{

// The letters of a file name typed in a row are one step to undo.
constexpr int OutputNameEdits = 1;

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

WritePage::WritePage(QWidget* window, const Controls& controls, CompilationDocument& document,
                     QUndoStack& undoStack, platform::ProgramFiles files, Services services)
    : QObject(window), m_window(window), m_ui(controls), m_document(document),
      m_undoStack(undoStack), m_files(std::move(files)), m_services(std::move(services))
{
    m_ui.DriveComboBox2->setDirectoryList(m_ui.DirectoryListBox2);
    m_ui.ProgressBar1->setRange(0, 100);
    const auto wire = [this](auto* sender, auto signal, void (WritePage::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { RunGuarded(m_window, [&] { (this->*handler)(); }); });
    };
    wire(m_ui.btnWrite, &QPushButton::clicked, &WritePage::btnWriteClick);
    wire(m_ui.txtGBARom, &QLineEdit::returnPressed, &WritePage::btnWriteClick);
    wire(m_ui.btnReportDetails, &QPushButton::clicked, &WritePage::btnReportDetailsClick);

    // The folder list and the name field write into the compilation as they change.
    connect(m_ui.DirectoryListBox2, &DirectoryListBox::changed, this, [this] {
        if (m_showing)
            return;
        const QString folder = m_ui.DirectoryListBox2->directory();
        RunGuarded(m_window, [&] {
            perform(m_undoStack, std::make_unique<CompilationEdit>(
                                     m_document,
                                     QCoreApplication::translate("wizard::WritePage",
                                                                 "Change the GBA rom's folder"),
                                     [folder](CompilationDocument& document) {
                                         document.edit([&](builder::Compilation& compilation) {
                                             compilation.outputDirectory = folder;
                                         });
                                     }));
        });
    });
    connect(m_ui.txtGBARom, &QLineEdit::textChanged, this, [this](const QString& name) {
        if (m_showing)
            return;
        RunGuarded(m_window, [&] {
            perform(m_undoStack, std::make_unique<CompilationEdit>(
                                     m_document,
                                     QCoreApplication::translate("wizard::WritePage",
                                                                 "Change the GBA rom's file name"),
                                     [name](CompilationDocument& document) {
                                         document.edit([&](builder::Compilation& compilation) {
                                             compilation.outputName = name;
                                         });
                                     },
                                     OutputNameEdits));
        });
    });
    connect(&m_document, &CompilationDocument::replaced, this, &WritePage::showCompilation);
}

void WritePage::fillOutput(builder::Compilation& compilation) const
{
    if (compilation.outputDirectory.isEmpty())
        compilation.outputDirectory = m_ui.DirectoryListBox2->directory();
    if (compilation.outputName.isNull())
        compilation.outputName = m_ui.txtGBARom->text();
}

void WritePage::showCompilation()
{
    const builder::Compilation& compilation = m_document.compilation();
    m_showing = true;
    // A folder that is gone leaves the list where it is.
    if (!compilation.outputDirectory.isEmpty() &&
        compilation.outputDirectory != m_ui.DirectoryListBox2->directory())
        m_ui.DirectoryListBox2->setDirectory(compilation.outputDirectory);
    if (m_ui.txtGBARom->text() != compilation.outputName)
        m_ui.txtGBARom->setText(compilation.outputName);
    m_showing = false;
}

void WritePage::btnWriteClick()
{
    const builder::Compilation& compilation = m_document.compilation();
    // Page 1 lets no compilation of none on (an opened one stays there), nor does this.
    if (compilation.romCount() == 0) {
        showWarning(m_window,
                    QCoreApplication::translate("TfrmRomweaver", "No NES rom(s) selected!"));
        return;
    }
    // A name of blanks only is no name either: no system keeps such a file well.
    if (compilation.outputName.trimmed().isEmpty()) {
        showWarning(m_window, QCoreApplication::translate(
                                  "TfrmRomweaver",
                                  "No GBA rom filename specified! Please insert a filename!"));
        return;
    }
    // Every archive of the selection is looked into before the build takes its figures.
    m_services.waitForLooks([this](int done, int total) {
        m_ui.lblStatus->setText(
            QCoreApplication::translate("TfrmRomweaver", "Looking into the archives..."));
        m_ui.ProgressBar1->setValue(done * 100 / total);
        m_ui.lblProgress->setText(builder::percentDoneText(m_ui.ProgressBar1->value()));
    });
    const QString outputPath = compilation.outputPath();
    builder::BuildResult result;
    {
        WritePageProgress progress(m_ui.ProgressBar1, m_ui.lblProgress, m_ui.lblStatus);
        builder::BuildHooks hooks = writePageHooks(m_window, compilation.romsDirectory());
        // Roms measured on page 1 and unchanged since are not read again before the copy.
        hooks.surveyRom = m_services.surveyForBuild;
        result =
            builder::build(compilation.buildRequest(m_files), progress, *m_services.log(), hooks);
    }
    m_services.buildDone(); // repaired roms are whole now; the bytes read ahead go
    if (result.outcome == builder::BuildResult::Outcome::Declined)
        return;
    showWriteOutcome(result.written());
    showBuildReport(result.report);
    if (!result.written())
        showWarning(m_window, notWrittenWarning(result, outputPath));
}

void WritePage::showBuildReport(const builder::BuildReport& report)
{
    const int roms = report.whole + report.cut + report.repaired;
    m_reportMessages = report.logMessages;
    // Only a written build has something to tell; a failure has its warning.
    m_ui.lblReport->setText(
        roms == 0 ? QString()
                  : QCoreApplication::translate("TfrmRomweaver", "%1 whole, %2 cut, %3 repaired")
                        .arg(report.whole)
                        .arg(report.cut)
                        .arg(report.repaired));
    m_ui.btnReportDetails->setVisible(!m_reportMessages.isEmpty());
}

void WritePage::btnReportDetailsClick()
{
    showInformation(m_window, QCoreApplication::translate("TfrmRomweaver", "This build's log:") +
                                  QStringLiteral("\n\n") +
                                  m_reportMessages.join(QLatin1Char('\n')));
}

void WritePage::showWriteOutcome(bool written)
{
    if (written) {
        setTextColour(m_ui.lblStatus, QColor(0, 128, 0));
        m_ui.lblStatus->setText(builder::statusText(builder::BuildStatus::Completed));
    } else {
        setTextColour(m_ui.lblStatus, QColor(255, 0, 0));
        m_ui.lblStatus->setText(builder::statusText(builder::BuildStatus::Failed));
    }
    m_ui.ProgressBar1->setValue(100);
    m_ui.lblProgress->setText(builder::percentDoneText(m_ui.ProgressBar1->value()));
    m_ui.lblStatus->announce();
}

} // namespace wizard
