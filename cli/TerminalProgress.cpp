#include "cli/TerminalProgress.h"

#include "cli/CommandMessages.h"
#include "platform/Terminal.h"

#include <QtGlobal>

#include <cstdio>

namespace cli
{

namespace
{

constexpr int BarWidth = 30;
// Keeps the line within an 80-column terminal, where a wrapped line could not
// be redrawn in place.
constexpr qsizetype StatusWidth = 80 - 1 - (BarWidth + 2) - 7;

} // namespace

TerminalProgress::TerminalProgress(bool drawn) : m_drawn(drawn) {}

void TerminalProgress::setPosition(int position)
{
    m_position = qBound(0, position, 100);
    draw();
}

void TerminalProgress::setStatusText(const QString& text)
{
    m_status = text;
    draw();
}

void TerminalProgress::setStatus(builder::BuildStatus status, const QString& romFileName)
{
    setStatusText(statusBesideBar(status, romFileName));
}

void TerminalProgress::finish(builder::BuildStatus status)
{
    m_position = 100;
    m_status = statusBesideBar(status);
    draw();
    if (m_drawn)
        std::fputc('\n', stderr);
}

void TerminalProgress::draw()
{
    if (!m_drawn)
        return;
    const int filled = m_position * BarWidth / 100;
    QString status = onOneLine(m_status);
    if (status.size() > StatusWidth)
        status = status.left(StatusWidth - 3) + QStringLiteral("...");
    QString line = QLatin1Char('[') + QString(filled, QLatin1Char('#')) +
                   QString(BarWidth - filled, QLatin1Char('-')) + QStringLiteral("] ") +
                   QStringLiteral("%1 % ").arg(m_position, 3) + status;
    const qsizetype width = line.size();
    // Blanks over what a longer earlier line left behind.
    if (width < m_drawnWidth)
        line += QString(m_drawnWidth - width, QLatin1Char(' '));
    m_drawnWidth = width;
    platform::writeText(stderr, QLatin1Char('\r') + line);
}

} // namespace cli
