#pragma once

#include "builder/ProgressReporter.h"

#include <QString>

namespace cli
{

// The image writer's progress as a bar on standard error, redrawn in place:
//   [############------------------]  40 % adding nes rom b.nes...
// When standard error is not a terminal nothing is drawn: a log file or a pipe
// gets no control characters.
class TerminalProgress final : public builder::ProgressReporter
{
public:
    explicit TerminalProgress(bool drawn);

    int position() const override { return m_position; }
    void setPosition(int position) override;
    void setProgressText(const QString&) override {} // the bar shows the figure
    void setStatusText(const QString& text) override;
    void setStatus(builder::BuildStatus status, const QString& romFileName = {}) override;

    // Sets the bar to 100 with the closing status (Completed or Failed) and
    // ends the line.
    void finish(builder::BuildStatus status);

private:
    void draw();

    bool m_drawn;
    int m_position = 0;
    QString m_status;
    qsizetype m_drawnWidth = 0;
};

} // namespace cli
