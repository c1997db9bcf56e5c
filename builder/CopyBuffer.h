#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

namespace platform
{
class ByteSink;
class ExclusiveFile;
} // namespace platform

namespace builder
{

// The one buffer a build streams every file through, so that no file is ever
// held whole in memory.
class CopyBuffer
{
public:
    static constexpr qint64 Size = 61440;

    CopyBuffer() : m_bytes(std::make_unique_for_overwrite<char[]>(Size)) {}
    char* data() { return m_bytes.get(); }

private:
    std::unique_ptr<char[]> m_bytes;
};

// Copies count bytes from the file's current position to the sink, inside the
// kernel where the sink is a file and the system can, in chunks of at most
// Size bytes either way. A file that ends before count bytes is a FileError,
// like every read or write failure.
void copyBytes(platform::ExclusiveFile& from, qint64 count, platform::ByteSink& to,
               CopyBuffer& buffer);

// Opens an existing file for reading, copies all of it to the sink and closes it.
void appendWholeFile(const QString& path, platform::ByteSink& to, CopyBuffer& buffer);

} // namespace builder
