#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace platform
{

// What a look at a file shows: its size and its first bytes.
struct FileHead {
    qint64 size = 0;
    QByteArray bytes;
};

// Looks at a file without disturbing anyone: opened for reading with every
// sharing allowed and without waiting, so a pipe or a device never holds the
// caller up, then closed again. Only a regular file (or a link to one) is
// looked at; a folder, device, pipe or socket is a FileError, like a file that
// cannot be opened or read. bytes holds the first maxBytes bytes, fewer when
// the file is shorter.
FileHead readFileHead(const QString& path, qint64 maxBytes);

} // namespace platform
