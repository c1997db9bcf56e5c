#include "builder/CopyBuffer.h"

#include "platform/ExclusiveFile.h"

namespace builder
{

void copyBytes(platform::ExclusiveFile& from, qint64 count, platform::ByteSink& to,
               CopyBuffer& buffer)
{
    // Between two files the kernel copies without the bytes passing through
    // this process; whatever it leaves (another file system, an early end of
    // the file) goes through the buffer, which also reports the early end.
    if (const std::optional<platform::KernelCopyTarget> file = to.kernelCopyTarget())
        count -= from.copyInKernel(*file, count, CopyBuffer::Size);
    while (count > 0) {
        const qint64 done = from.read(buffer.data(), qMin(count, CopyBuffer::Size));
        if (done <= 0)
            throw platform::FileError(platform::FileAction::Read, from.path(),
                                      platform::FileReason::EndedBefore, count);
        to.write(buffer.data(), done);
        count -= done;
    }
}

void appendWholeFile(const QString& path, platform::ByteSink& to, CopyBuffer& buffer)
{
    platform::ExclusiveFile file(path, platform::ExclusiveFile::Mode::ReadExisting);
    copyBytes(file, file.size(), to, buffer);
    file.close();
}

} // namespace builder
