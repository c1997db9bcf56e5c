#pragma once

#include <QString>
#include <stdexcept>

namespace platform
{

// Why the system refused a file, where its error tells: nothing of that name
// (or of its folder), no permission, another program holding it (Windows
// sharing and locks); Other for every other error.
enum class FileFailure { Other, Missing, AccessDenied, InUse };

// What the program was doing with the file when it failed.
enum class FileAction {
    Open,
    Read,
    ReadRom,  // the rom in a file (a plain file or an archive's member)
    ReadByte, // one byte, at `count`
    Write,
    Create,
    CreateLockFile,
    CreateFolder,
    Measure,
    Seek,
    Close,
    Identify,
    Lock,
    Empty,
    Replace,
    Copy, // from `source` to `path`
    Repair,
    Describe, // a subclass's own error (archive, compilation file, settings file)
};

// Why, where the program knows it rather than the system.
enum class FileReason {
    System,              // the system's error: `cause` says it
    None,                // nothing more is known
    InUse,               // another program holds it open
    NotARegularFile,     // a folder, a device, a pipe or a socket
    EndedEarly,          // shorter than its first bytes
    EndedBefore,         // it ended `count` bytes before the end wanted
    RomEndedBefore,      // its rom ended `count` bytes before the end wanted
    ChangedSinceChecked, // it changed after the build checked it
    ChangedWhileRead,    // it changed while it was read
    IsLink, // a link (a symbolic link, a junction) where a file or folder of its own is written
};

// The one error type of the program's file work: what was done to which file
// (action, path), why it failed (reason; for a system error the failure it
// stands for and the system's own text, in the user's language), so that each
// front end words it in its own sentence. text() (what()) describes it in
// English, for logs and for errors no front end words.
class FileError : public std::runtime_error
{
public:
    // A system error.
    FileError(FileAction action, const QString& path, FileFailure failure, const QString& cause,
              const QString& source = {});
    // A reason the program found itself.
    FileError(FileAction action, const QString& path, FileReason reason, qint64 count = 0);

    QString text() const { return QString::fromStdString(what()); }
    FileAction action() const { return m_action; }
    const QString& path() const { return m_path; }
    FileReason reason() const { return m_reason; }
    FileFailure failure() const { return m_failure; }
    const QString& cause() const { return m_cause; }
    qint64 count() const { return m_count; }
    const QString& source() const { return m_source; }

protected:
    // A subclass's error (FileAction::Describe), described by its own text.
    FileError(const QString& text, const QString& path, FileFailure failure = FileFailure::Other,
              const QString& cause = {});

private:
    FileAction m_action;
    QString m_path;
    FileReason m_reason;
    FileFailure m_failure;
    QString m_cause;
    qint64 m_count = 0;
    QString m_source;
};

// What a path names that is no regular file, as far as the handle told.
enum class SpecialFile { Unknown, Folder, Device, Pipe, Socket };

// A path names a folder, device, pipe or socket where a file was wanted.
class NotARegularFile : public FileError
{
public:
    explicit NotARegularFile(const QString& path, SpecialFile special = SpecialFile::Unknown)
        : FileError(FileAction::Open, path, FileReason::NotARegularFile), m_special(special)
    {
    }
    SpecialFile special() const { return m_special; }

private:
    SpecialFile m_special;
};

// Throws FileError for the action on the path, with the system's last error:
// the failure it stands for and its message.
[[noreturn]] void throwSystemError(FileAction action, const QString& path,
                                   const QString& source = {});

// Throws NotARegularFile for the path.
[[noreturn]] void throwNotARegularFile(const QString& path,
                                       SpecialFile special = SpecialFile::Unknown);

} // namespace platform
