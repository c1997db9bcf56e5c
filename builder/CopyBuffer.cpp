#include "CopyBuffer.h"

#include "ExclusiveFile.h"

void copyBytes(ExclusiveFile& from, qint64 count, ByteSink& to, CopyBuffer& buffer)
{
    while (count > 0) {
        const qint64 done = from.read(buffer.data(), qMin(count, CopyBuffer::Size));
        if (done <= 0)
            throw FileError(QStringLiteral("Cannot read file \"%1\": it ended before %2 more bytes")
                                .arg(from.path())
                                .arg(count));
        to.write(buffer.data(), done);
        count -= done;
    }
}

void appendWholeFile(const QString& path, ByteSink& to, CopyBuffer& buffer)
{
    ExclusiveFile file(path, ExclusiveFile::Mode::ReadExisting);
    copyBytes(file, file.size(), to, buffer);
    file.close();
}
