#pragma once

#include "platform/FileStamp.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace platform
{

// A file looked at without disturbing anyone: opened once, for reading, with
// every sharing allowed and without waiting, so a pipe or a device never holds
// the caller up. Its type is checked on that same handle, and everything read
// is read from it: a file swapped for a pipe after the check is never opened
// by name again. Only a regular file (or a link to one) is looked at; a
// folder, device, pipe or socket is NotARegularFile. Every failure throws
// FileError naming the path.
class FileLook
{
public:
    explicit FileLook(const QString& path);
    ~FileLook();
    FileLook(const FileLook&) = delete;
    FileLook& operator=(const FileLook&) = delete;

    const QString& path() const { return m_path; }
    // Which file it is, its size and times, as the open handle showed them.
    const FileStamp& stamp() const { return m_stamp; }
    qint64 size() const { return m_stamp.size; }
    // Up to maxSize bytes from offset; the count read, fewer only at the end.
    qint64 readAt(qint64 offset, char* data, qint64 maxSize);

private:
    QString m_path;
    qintptr m_handle; // a file descriptor, or a Windows HANDLE
    FileStamp m_stamp;
};

// What a look at a file shows: its size and its first bytes.
struct FileHead {
    qint64 size = 0;
    QByteArray bytes;
};

// Looks at a file (FileLook) and closes it again. bytes holds the first
// maxBytes bytes, fewer when the file is shorter.
FileHead readFileHead(const QString& path, qint64 maxBytes);

// The stamp FileLook would take of the file at path, asked the way it opens
// the file but without reading it: nothing where that open would fail (no
// such file, or on Windows one that another program holds without sharing or
// that may not be read), so that a file a look could not read is never taken
// for one that stayed as it was.
std::optional<FileStamp> lookStamp(const QString& path);

} // namespace platform
