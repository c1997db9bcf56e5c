#pragma once

#include <QString>
#include <QtGlobal>

namespace platform
{

// Writes every byte to an open file (a descriptor, or a Windows HANDLE),
// going on after a short write; any failure throws FileError "Cannot write
// file" naming the path. Unbuffered: a full disk or a file size limit shows
// at the write that meets it.
void writeAll(qintptr handle, const char* data, qint64 size, const QString& path);

} // namespace platform
