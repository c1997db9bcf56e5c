#include "builder/GzipStream.h"

#include "builder/ArchiveError.h"
#include "builder/ArchiveInput.h"
#include "builder/ArchiveLimits.h"

#include <zlib.h>

#include <cstring>
#include <new>

namespace builder
{

namespace
{

using Kind = ArchiveError::Kind;

constexpr qint64 InputChunk = 65536;
// windowBits for gzip data only, no zlib or raw Deflate stream.
constexpr int GzipOnly = 15 + 16;

} // namespace

struct GzipStream::State {
    ArchiveInput& input;
    QString archiveName;
    UnpackedCount& unpacked;
    z_stream stream{};
    gz_header header{};
    char storedName[1024] = {};
    std::unique_ptr<Bytef[]> chunk = std::make_unique_for_overwrite<Bytef[]>(InputChunk);
    bool inputEnded = false;
    bool ended = false;

    State(ArchiveInput& in, const QString& name, UnpackedCount& count)
        : input(in), archiveName(name), unpacked(count)
    {
        if (inflateInit2(&stream, GzipOnly) != Z_OK)
            throw std::bad_alloc();
        header.name = reinterpret_cast<Bytef*>(storedName);
        header.name_max = sizeof storedName - 1;
        inflateGetHeader(&stream, &header);
    }
    ~State() { inflateEnd(&stream); }

    [[noreturn]] void fail(Kind kind, ArchiveError::Detail detail) const
    {
        throw ArchiveError(archiveName, kind, detail);
    }

    // More input into the stream; false at the file's end.
    bool refill()
    {
        if (inputEnded)
            return false;
        const qint64 got = input.read(reinterpret_cast<char*>(chunk.get()), InputChunk);
        if (got == 0) {
            inputEnded = true;
            return false;
        }
        stream.next_in = chunk.get();
        stream.avail_in = uInt(got);
        return true;
    }

    // After a member's end: another member, or the end of the data. Bytes that
    // are no gzip member are passed over, as gzip and libarchive pass them.
    void nextMember()
    {
        if (stream.avail_in == 0 && !refill()) {
            ended = true;
            return;
        }
        if (stream.next_in[0] != 0x1f || (stream.avail_in > 1 && stream.next_in[1] != 0x8b)) {
            ended = true;
            return;
        }
        inflateReset(&stream);
    }

    [[noreturn]] void failOn(int status) const
    {
        using Detail = ArchiveError::Detail;
        const char* message = stream.msg ? stream.msg : "";
        if (status == Z_MEM_ERROR)
            throw std::bad_alloc();
        if (std::strcmp(message, "incorrect data check") == 0)
            fail(Kind::Damaged, Detail::GzipCrc);
        if (std::strcmp(message, "incorrect length check") == 0)
            fail(Kind::Damaged, Detail::GzipLength);
        if (std::strcmp(message, "unknown compression method") == 0)
            fail(Kind::Unreadable, Detail::GzipMethod);
        fail(Kind::Damaged, Detail::CompressedDataInvalid);
    }

    qint64 read(char* data, qint64 maxSize)
    {
        stream.next_out = reinterpret_cast<Bytef*>(data);
        stream.avail_out = uInt(qMin<qint64>(maxSize, 1 << 30));
        while (!ended && stream.avail_out > 0 &&
               stream.next_out == reinterpret_cast<Bytef*>(data)) {
            if (stream.avail_in == 0 && !refill())
                fail(Kind::Damaged, ArchiveError::Detail::Truncated);
            const int status = inflate(&stream, Z_NO_FLUSH);
            if (status == Z_STREAM_END)
                nextMember();
            else if (status != Z_OK && status != Z_BUF_ERROR)
                failOn(status);
        }
        const qint64 done = reinterpret_cast<char*>(stream.next_out) - data;
        unpacked.add(done);
        return done;
    }
};

GzipStream::GzipStream(ArchiveInput& input, const QString& archiveName, UnpackedCount& unpacked)
{
    input.seek(0);
    const QByteArray magic = input.readAt(0, 2);
    if (magic != QByteArrayView("\x1f\x8b", 2))
        throw ArchiveError::wrongFormat(archiveName, QStringLiteral("gzip"));
    input.seek(0);
    m_state = std::make_unique<State>(input, archiveName, unpacked);
}

GzipStream::~GzipStream() = default;

qint64 GzipStream::read(char* data, qint64 maxSize)
{
    return m_state->read(data, maxSize);
}

QString GzipStream::storedName() const
{
    return m_state->header.done == 1 ? QString::fromLatin1(m_state->storedName) : QString();
}

} // namespace builder
