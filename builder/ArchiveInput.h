#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace builder
{

// The bytes of an archive file as the reader takes them. Failures throw FileError.
class ArchiveInput
{
public:
    virtual ~ArchiveInput() = default;
    // From the current position; the count read, 0 at the end.
    virtual qint64 read(char* data, qint64 maxSize) = 0;
    virtual void seek(qint64 offset) = 0;
    virtual qint64 size() = 0;

    // Up to count bytes from offset, fewer only at the end.
    QByteArray readAt(qint64 offset, qint64 count)
    {
        QByteArray bytes(qMax<qint64>(0, count), Qt::Uninitialized);
        seek(offset);
        qint64 done = 0;
        while (done < bytes.size()) {
            const qint64 got = read(bytes.data() + done, bytes.size() - done);
            if (got <= 0)
                break;
            done += got;
        }
        bytes.truncate(done);
        return bytes;
    }
};

} // namespace builder
