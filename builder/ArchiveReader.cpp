#include "builder/ArchiveReader.h"

#include "builder/ArchiveError.h"
#include "builder/HeaderRepair.h"
#include "builder/ImageSurvey.h"

#include <archive.h>
#include <archive_entry.h>

#include <cerrno>
#include <cstdio>
#include <exception>

namespace builder
{

namespace
{

using Kind = ArchiveError::Kind;

// What libarchive asks of the input at a time, and what a rom is measured through.
constexpr qint64 ChunkSize = 65536;

bool hasSuffix(const QString& name, const char* suffix)
{
    return name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

int countAt(const QByteArray& header, qint64 offset)
{
    return offset < header.size() ? quint8(header.at(offset)) : 0;
}

} // namespace

struct ArchiveReader::State {
    ArchiveInput& input;
    QString archiveName;
    bool bareGzip; // a .gz: its one member may be a plain compressed file
    archive* handle = nullptr;
    qint64 position = 0;
    std::unique_ptr<char[]> chunk = std::make_unique_for_overwrite<char[]>(ChunkSize);
    std::unique_ptr<char[]> scratch; // what a measured rom is read into, then dropped
    // An input failure inside a callback, thrown again once libarchive has returned:
    // exceptions never pass through its C code.
    std::exception_ptr inputError;

    State(ArchiveInput& in, const QString& name)
        : input(in), archiveName(name), bareGzip(hasSuffix(name, ".gz"))
    {
    }
    ~State() { close(); }

    void close()
    {
        if (handle)
            archive_read_free(handle);
        handle = nullptr;
    }

    [[noreturn]] void fail(Kind kind, int romCount = 0)
    {
        if (inputError)
            std::rethrow_exception(inputError);
        if (kind == Kind::Damaged && handle && archive_read_has_encrypted_entries(handle) > 0)
            kind = Kind::Encrypted;
        const char* message = handle ? archive_error_string(handle) : nullptr;
        throw ArchiveError(archiveName, kind, romCount,
                           message ? QString::fromLocal8Bit(message)
                                   : QStringLiteral("unknown error"));
    }

    static la_ssize_t readInput(archive* a, void* data, const void** buffer)
    {
        auto* state = static_cast<State*>(data);
        try {
            const qint64 done = state->input.read(state->chunk.get(), ChunkSize);
            state->position += done;
            *buffer = state->chunk.get();
            return la_ssize_t(done);
        } catch (...) {
            state->inputError = std::current_exception();
            archive_set_error(a, EIO, "the archive could not be read");
            return -1;
        }
    }

    static la_int64_t seekInput(archive* a, void* data, la_int64_t offset, int whence)
    {
        auto* state = static_cast<State*>(data);
        try {
            qint64 target = offset;
            if (whence == SEEK_CUR)
                target += state->position;
            else if (whence == SEEK_END)
                target += state->input.size();
            if (target < 0)
                return ARCHIVE_FATAL;
            state->input.seek(target);
            state->position = target;
            return target;
        } catch (...) {
            state->inputError = std::current_exception();
            archive_set_error(a, EIO, "the archive could not be read");
            return ARCHIVE_FATAL;
        }
    }

    // Skipping is seeking, never reading: a member passed over costs nothing
    // where the format lets libarchive skip it unread.
    static la_int64_t skipInput(archive* a, void* data, la_int64_t request)
    {
        auto* state = static_cast<State*>(data);
        try {
            const qint64 target = qMin(state->position + request, state->input.size());
            state->input.seek(target);
            const qint64 skipped = target - state->position;
            state->position = target;
            return skipped;
        } catch (...) {
            state->inputError = std::current_exception();
            archive_set_error(a, EIO, "the archive could not be read");
            return ARCHIVE_FATAL;
        }
    }

    // A new pass from the archive's first byte. Only the formats and the one
    // compression Romweaver reads are on: libarchive's "all" would also read
    // mtree lists, which name files elsewhere on the disk, and hand some
    // compressions to external programs.
    void open()
    {
        close();
        inputError = nullptr;
        input.seek(0);
        position = 0;
        handle = archive_read_new();
        if (!handle)
            throw std::bad_alloc();
        archive_read_support_format_zip(handle);
        archive_read_support_format_7zip(handle);
        archive_read_support_format_tar(handle);
        archive_read_support_filter_gzip(handle);
        if (bareGzip)
            archive_read_support_format_raw(handle);
        archive_read_set_callback_data(handle, this);
        archive_read_set_read_callback(handle, &State::readInput);
        archive_read_set_seek_callback(handle, &State::seekInput);
        archive_read_set_skip_callback(handle, &State::skipInput);
        // Data no reader takes is no archive Romweaver reads (libarchive's
        // ARCHIVE_ERRNO_FILE_FORMAT, which is EILSEQ); any other failure this
        // early (a truncated gzip stream) is damage.
        if (archive_read_open1(handle) != ARCHIVE_OK)
            fail(archive_errno(handle) == EILSEQ ? Kind::Unreadable : Kind::Damaged);
    }

    bool raw() const { return archive_format(handle) == ARCHIVE_FORMAT_RAW; }

    // The next member's header; false after the last.
    bool nextMember(archive_entry*& entry)
    {
        const int status = archive_read_next_header(handle, &entry);
        if (status == ARCHIVE_EOF)
            return false;
        if (status < ARCHIVE_WARN)
            fail(Kind::Damaged);
        // Raw reading takes any bytes as a member: a .gz must be gzip data.
        if (raw() && archive_filter_code(handle, 0) != ARCHIVE_FILTER_GZIP) {
            throw ArchiveError(archiveName, Kind::Unreadable, 0,
                               QStringLiteral("it holds no gzip data"));
        }
        return true;
    }

    qint64 readData(char* data, qint64 maxSize)
    {
        const la_ssize_t done = archive_read_data(handle, data, size_t(maxSize));
        if (done < 0)
            fail(Kind::Damaged);
        return qint64(done);
    }

    // Up to count bytes, fewer only at the member's end.
    QByteArray readUpTo(qint64 count)
    {
        QByteArray bytes(count, Qt::Uninitialized);
        qint64 done = 0;
        while (done < count) {
            const qint64 got = readData(bytes.data() + done, count - done);
            if (got == 0)
                break;
            done += got;
        }
        bytes.truncate(done);
        return bytes;
    }

    QString memberName(archive_entry* entry) const
    {
        QString path;
        if (const char* utf8 = archive_entry_pathname_utf8(entry))
            path = QString::fromUtf8(utf8);
        else if (const char* local = archive_entry_pathname(entry))
            path = QString::fromLocal8Bit(local);
        // A bare .gz whose header keeps no name is named after the archive, as gunzip names it.
        if (raw() && path == QStringLiteral("data"))
            return archiveName.chopped(3);
        return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    }

    // Reads the rest of the member whose first bytes are header, up to one
    // byte past its declared length.
    Rom measure(int member, const QByteArray& header)
    {
        Rom rom{member, header, header.size()};
        if (header.size() < ines::HeaderSize)
            return rom; // it ended within its header
        const qint64 limit = declaredRomLength(countAt(header, ines::PrgCountOffset),
                                               countAt(header, ines::ChrCountOffset)) +
                             1;
        if (!scratch)
            scratch = std::make_unique_for_overwrite<char[]>(ChunkSize);
        while (rom.length < limit) {
            const qint64 got = readData(scratch.get(), qMin(ChunkSize, limit - rom.length));
            if (got == 0)
                break;
            rom.length += got;
        }
        return rom;
    }
};

ArchiveReader::ArchiveReader(ArchiveInput& input, const QString& archiveName)
    : m_state(std::make_unique<State>(input, archiveName))
{
}

ArchiveReader::~ArchiveReader() = default;

bool ArchiveReader::isArchiveName(const QString& fileName)
{
    return hasSuffix(fileName, ".zip") || hasSuffix(fileName, ".7z") || hasSuffix(fileName, ".gz");
}

ArchiveReader::Rom ArchiveReader::findRom()
{
    State& s = *m_state;
    s.open();
    int inesCount = 0;
    int namedCount = 0;
    Rom ines;
    Rom named;
    archive_entry* entry = nullptr;
    for (int member = 0; s.nextMember(entry); ++member) {
        if (archive_entry_filetype(entry) != AE_IFREG || archive_entry_hardlink(entry))
            continue;
        // Its bytes cannot be seen, so it may be the rom or a second one.
        if (archive_entry_is_encrypted(entry))
            throw ArchiveError(s.archiveName, Kind::Encrypted);
        const bool nesName = hasSuffix(s.memberName(entry), ".nes");
        // Beyond a second iNES rom only the count is wanted; a member that is
        // neither is never read further than its first bytes.
        const QByteArray header = s.readUpTo(ines::HeaderSize);
        if (hasInesSignature(header)) {
            if (++inesCount == 1)
                ines = s.measure(member, header);
        } else if (nesName) {
            if (++namedCount == 1 && inesCount == 0)
                named = s.measure(member, header);
        }
        // A bare gzip holds one member; asking for another would unpack the
        // rest of this one, however long it is.
        if (s.raw())
            break;
    }
    s.close();
    if (inesCount == 1)
        return ines;
    if (inesCount > 1)
        throw ArchiveError(s.archiveName, Kind::SeveralRoms, inesCount);
    if (namedCount == 1)
        return named;
    if (namedCount > 1)
        throw ArchiveError(s.archiveName, Kind::SeveralRoms, namedCount);
    throw ArchiveError(s.archiveName, Kind::NoRom);
}

void ArchiveReader::startMember(int member)
{
    State& s = *m_state;
    s.open();
    archive_entry* entry = nullptr;
    for (int place = 0; place <= member; ++place) {
        if (!s.nextMember(entry))
            throw ArchiveError(s.archiveName, Kind::Damaged, 0,
                               QStringLiteral("its rom is gone since it was first read"));
    }
}

qint64 ArchiveReader::read(char* data, qint64 maxSize)
{
    return m_state->readData(data, maxSize);
}

} // namespace builder
