#include "wizard/WritePageProgress.h"

#include <QLabel>
#include <QProgressBar>

namespace wizard
{

WritePageProgress::WritePageProgress(QProgressBar* bar, QLabel* progress, QLabel* status,
                                     Clock clock)
    : m_controls{bar, progress, status}, m_bar(bar), m_progress(progress), m_status(status),
      m_clock(std::move(clock))
{
    if (!m_clock) {
        m_steady.start();
        m_clock = [this] { return m_steady.elapsed(); };
    }
}

WritePageProgress::~WritePageProgress()
{
    if (!m_started)
        return;
    if (m_pending)
        paint();
    for (int i = 0; i < 3; ++i)
        m_controls[i]->setUpdatesEnabled(m_updatesWereEnabled[i]);
}

int WritePageProgress::position() const
{
    return m_bar->value();
}

void WritePageProgress::setPosition(int position)
{
    m_bar->setValue(qBound(m_bar->minimum(), position, m_bar->maximum()));
    changed();
}

void WritePageProgress::setProgressText(const QString& text)
{
    m_progress->setText(text);
    changed();
}

void WritePageProgress::setStatusText(const QString& text)
{
    m_status->setText(text);
    changed();
}

void WritePageProgress::changed()
{
    m_pending = true;
    if (!m_started) {
        // Until the first change the page is the user's: the build may ask
        // questions first, and a box closing over the page must leave it
        // painted. From here on the controls take their values without
        // painting (the bar would otherwise paint itself on every change of
        // its value); the first change is painted at once.
        m_started = true;
        for (int i = 0; i < 3; ++i) {
            m_updatesWereEnabled[i] = m_controls[i]->updatesEnabled();
            m_controls[i]->setUpdatesEnabled(false);
        }
        paint();
        return;
    }
    if (m_clock() - m_paintedAt >= FrameMs)
        paint();
}

void WritePageProgress::paint()
{
    for (QWidget* control : m_controls) {
        control->setUpdatesEnabled(true);
        control->repaint();
        control->setUpdatesEnabled(false);
    }
    m_pending = false;
    m_paintedAt = m_clock();
}

} // namespace wizard
