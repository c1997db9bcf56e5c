#include "builder/BuildLog.h"

#include "platform/ExclusiveFile.h"
#include "platform/LocalText.h"

#include <QFileInfo>

namespace builder
{

namespace
{

const QByteArray LineEnd("\r\n");

} // namespace

BuildLog::BuildLog(QString path, std::optional<LogDateTimeFormat> format, Clock clock)
    : m_path(std::move(path)), m_format(std::move(format)), m_clock(std::move(clock))
{
}

void BuildLog::AddToLog(const QByteArray& message)
{
    if (!m_format)
        m_format = LogDateTimeFormat::fromSystem();
    const QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTime();
    QByteArray entry = formatLogDateTime(now, *m_format).toLocal8Bit();
    entry += LineEnd;
    entry += message;
    entry += LineEnd;

    // Anything but a directory counts as an existing log; a directory makes
    // the creation below fail, as it should.
    const QFileInfo info(m_path);
    const bool logExists = info.exists() && !info.isDir();
    const bool append = logExists && !m_firstLogWrite;
    platform::ExclusiveFile file(m_path, append ? platform::ExclusiveFile::Mode::AppendExisting
                                                : platform::ExclusiveFile::Mode::Create);
    // Cleared only once the fresh log exists, so a failed creation is retried
    // as a fresh start by the next entry.
    if (!append)
        m_firstLogWrite = false;
    file.write(entry.constData(), entry.size());
    file.close();
    m_messages << platform::localText(message);
}

} // namespace builder
