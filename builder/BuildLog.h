#pragma once

#include "builder/logdate/LogDateTimeFormat.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace builder
{

// The build log in the program directory, for one run of the program (a log
// session): its first entry replaces the log an earlier run left, later ones
// are appended. The main window keeps one from its first showing on; each
// romweaver-build run has its own.
class BuildLog
{
public:
    using Clock = std::function<QDateTime()>;

    // format: the user's conventions (LogDateTimeFormat::fromSystem) when not
    // given, taken at the first entry; clock: the local clock when not given.
    explicit BuildLog(QString path, std::optional<LogDateTimeFormat> format = std::nullopt,
                      Clock clock = {});

    // Writes one entry (date-time line, message line, CR LF after each) and
    // closes the file. Throws FileError.
    void AddToLog(const QByteArray& message);

    // True until an entry has created the log anew: the next entry starts a
    // fresh log (the main window's FirstLogWrite).
    bool firstLogWrite() const { return m_firstLogWrite; }

    // The messages of the entries written in this run, in order.
    const QStringList& messages() const { return m_messages; }

private:
    QString m_path;
    bool m_firstLogWrite = true;
    std::optional<LogDateTimeFormat> m_format;
    QStringList m_messages;
    Clock m_clock;
};

} // namespace builder
