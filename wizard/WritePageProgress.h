#pragma once

#include "builder/ProgressReporter.h"

#include <QElapsedTimer>

#include <functional>

class QLabel;
class QProgressBar;
class QWidget;

namespace wizard
{

// The write page's bar and labels as the image writer sees them. Every value
// reaches its control at once and in order, but the build runs inside the
// click handler, where the event loop paints nothing, and painting after each
// of the writer's several changes per rom would cost more than the writing:
// so the controls are painted here, at most once per display frame, and once
// more when the reporter goes, with the last values. No input is processed.
class WritePageProgress final : public builder::ProgressReporter
{
public:
    // Milliseconds on a steady clock; tests give their own.
    using Clock = std::function<qint64()>;
    static constexpr qint64 FrameMs = 16;

    WritePageProgress(QProgressBar* bar, QLabel* progress, QLabel* status, Clock clock = {});
    ~WritePageProgress() override;
    WritePageProgress(const WritePageProgress&) = delete;
    WritePageProgress& operator=(const WritePageProgress&) = delete;

    int position() const override;
    void setPosition(int position) override;
    void setProgressText(const QString& text) override;
    void setStatusText(const QString& text) override;

private:
    void changed();
    void paint();

    QWidget* m_controls[3];
    bool m_updatesWereEnabled[3];
    QProgressBar* m_bar;
    QLabel* m_progress;
    QLabel* m_status;
    Clock m_clock;
    QElapsedTimer m_steady;
    qint64 m_paintedAt = 0;
    bool m_pending = false;
    bool m_started = false; // the first change has come
};

} // namespace wizard
