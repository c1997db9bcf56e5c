#include "platform/FileError.h"

namespace platform
{

namespace
{

// The English description, for logs and what(); the front ends word the
// error themselves, in the user's language.
QString actionText(FileAction action, const QString& path, qint64 count, const QString& source)
{
    const QString quoted = QLatin1Char('"') + path + QLatin1Char('"');
    switch (action) {
    case FileAction::Open:
        return QStringLiteral("Cannot open file ") + quoted;
    case FileAction::Read:
        return QStringLiteral("Cannot read file ") + quoted;
    case FileAction::ReadRom:
        return QStringLiteral("Cannot read ") + quoted;
    case FileAction::ReadByte:
        return QStringLiteral("Cannot read byte %1 of ").arg(count) + quoted;
    case FileAction::Write:
        return QStringLiteral("Cannot write file ") + quoted;
    case FileAction::Create:
        return QStringLiteral("Cannot create file ") + quoted;
    case FileAction::CreateLockFile:
        return QStringLiteral("Cannot create lock file ") + quoted;
    case FileAction::CreateFolder:
        return QStringLiteral("Cannot create directory ") + quoted;
    case FileAction::Measure:
        return QStringLiteral("Cannot measure file ") + quoted;
    case FileAction::Seek:
        return QStringLiteral("Cannot seek in file ") + quoted;
    case FileAction::Close:
        return QStringLiteral("Cannot close file ") + quoted;
    case FileAction::Identify:
        return QStringLiteral("Cannot identify file ") + quoted;
    case FileAction::Lock:
        return QStringLiteral("Cannot lock file ") + quoted;
    case FileAction::Empty:
        return QStringLiteral("Cannot empty file ") + quoted;
    case FileAction::Replace:
        return QStringLiteral("Cannot replace ") + quoted;
    case FileAction::Copy:
        return QStringLiteral("Cannot copy \"%1\" to ").arg(source) + quoted;
    case FileAction::Repair:
        return QStringLiteral("Cannot repair ") + quoted;
    case FileAction::Describe:
        break;
    }
    return path;
}

QString reasonText(FileReason reason, qint64 count, const QString& cause)
{
    switch (reason) {
    case FileReason::System:
        return cause;
    case FileReason::None:
        return QString();
    case FileReason::InUse:
        return QStringLiteral("it is in use by another program");
    case FileReason::NotARegularFile:
        return QStringLiteral("it is not a regular file (a folder, a device, a pipe or a socket)");
    case FileReason::EndedEarly:
        return QStringLiteral("it ended early");
    case FileReason::EndedBefore:
        return QStringLiteral("it ended before %1 more bytes").arg(count);
    case FileReason::RomEndedBefore:
        return QStringLiteral("its rom ended before %1 more bytes").arg(count);
    case FileReason::ChangedSinceChecked:
        return QStringLiteral("it changed after the build checked it");
    case FileReason::ChangedWhileRead:
        return QStringLiteral("the file changed while it was read");
    case FileReason::IsLink:
        return QStringLiteral("it is a link, which leads elsewhere");
    }
    return QString();
}

std::string description(FileAction action, const QString& path, FileReason reason, qint64 count,
                        const QString& cause, const QString& source)
{
    const QString why = reasonText(reason, count, cause);
    const QString what = actionText(action, path, count, source);
    return (why.isEmpty() ? what : what + QStringLiteral(": ") + why).toStdString();
}

} // namespace

FileError::FileError(FileAction action, const QString& path, FileFailure failure,
                     const QString& cause, const QString& source)
    : std::runtime_error(description(action, path, FileReason::System, 0, cause, source)),
      m_action(action), m_path(path), m_reason(FileReason::System), m_failure(failure),
      m_cause(cause), m_source(source)
{
}

FileError::FileError(FileAction action, const QString& path, FileReason reason, qint64 count)
    : std::runtime_error(description(action, path, reason, count, {}, {})), m_action(action),
      m_path(path), m_reason(reason), m_failure(FileFailure::Other), m_count(count)
{
}

FileError::FileError(const QString& text, const QString& path, FileFailure failure,
                     const QString& cause)
    : std::runtime_error(text.toStdString()), m_action(FileAction::Describe), m_path(path),
      m_reason(cause.isEmpty() ? FileReason::None : FileReason::System), m_failure(failure),
      m_cause(cause)
{
}

void throwNotARegularFile(const QString& path, SpecialFile special)
{
    throw NotARegularFile(path, special);
}

} // namespace platform
