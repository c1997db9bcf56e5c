#pragma once

#include "platform/FileError.h"
#include "platform/FileStamp.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace platform
{

// An open file that the kernel may copy bytes into at its current position
// (ExclusiveFile::copyInKernel): its handle, and the path its errors name.
struct KernelCopyTarget {
    qintptr handle;
    QString path;
};

// Where the image writer appends to. The output file implements it; tests
// put a failing device in its place.
class ByteSink
{
public:
    virtual ~ByteSink() = default;
    // Writes all bytes or throws FileError.
    virtual void write(const char* data, qint64 size) = 0;
    // Passes on what a buffering sink still holds, or throws FileError. The
    // writer calls it before it closes the output, so a failure that shows
    // only then is not taken for success.
    virtual void flush() {}
    // The file behind the sink when bytes may go into it without passing
    // through write(); none for a sink that has to see every byte.
    virtual std::optional<KernelCopyTarget> kernelCopyTarget() const { return std::nullopt; }
};

// A file opened "without sharing": on Windows with share mode 0, elsewhere with
// a non-blocking exclusive advisory lock. The open fails while another holder
// has the file. Every failure throws FileError naming the path.
class ExclusiveFile final : public ByteSink
{
public:
    enum class Mode {
        ReadExisting,      // existing file, read only
        ReadWriteExisting, // existing file, read and write, length kept
        Create,            // created, or emptied when it exists; read and write
        CreateHere,        // as Create, at the path itself: a link there is refused, not followed
        AppendExisting,    // existing file, every write goes to its end
    };

    ExclusiveFile(const QString& path, Mode mode);
    ~ExclusiveFile() override;
    ExclusiveFile(const ExclusiveFile&) = delete;
    ExclusiveFile& operator=(const ExclusiveFile&) = delete;

    const QString& path() const { return m_path; }
    qint64 size() const;
    platform::FileIdentity identity() const;
    // Which file it is, its size and times, as the open handle shows them.
    platform::FileStamp stamp() const;

    // Sequential reading from the current position; returns the count read, 0 at the end.
    qint64 read(char* buffer, qint64 maxSize);
    void seek(qint64 offset);
    quint8 readByteAt(qint64 offset);
    void writeByteAt(qint64 offset, quint8 value);
    void write(const char* data, qint64 size) override;
    // This file, unless it was opened to append (the kernel copies to a position).
    std::optional<KernelCopyTarget> kernelCopyTarget() const override;

    // Copies up to count bytes from this file's position to the position of
    // `to` inside the kernel (copy_file_range on Linux), at most maxChunk bytes
    // per call, moving both positions. Returns how many bytes it copied: fewer
    // than count when this file ends first, or when the system cannot copy
    // between these two files in the kernel (another file system, a kind of
    // file it does not copy, no such copy on this platform): the caller then
    // copies the rest through its own buffer. Other failures throw FileError.
    qint64 copyInKernel(const KernelCopyTarget& to, qint64 count, qint64 maxChunk);

    // Closes and reports a failed close; the destructor closes silently.
    void close();

private:
    [[noreturn]] void fail(FileAction action) const;
    int descriptor() const { return int(m_handle); } // where the handle is a descriptor

    static constexpr qintptr NoHandle = -1;
    QString m_path;
    bool m_appends = false;
    qintptr m_handle = NoHandle; // a file descriptor, or a Windows HANDLE
};

} // namespace platform
