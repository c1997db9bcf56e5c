#include "builder/ArchiveReader.h"

#include "builder/ArchiveError.h"
#include "builder/ArchiveLimits.h"
#include "builder/ArchiveMembers.h"
#include "builder/GzipMembers.h"
#include "builder/HeaderRepair.h"
#include "builder/ImageSurvey.h"
#include "builder/SevenZipCheck.h"
#include "builder/ZipCheck.h"

#include <archive.h>
#include <archive_entry.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string_view>

namespace builder
{

namespace
{

using Kind = ArchiveError::Kind;
using Detail = ArchiveError::Detail;

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

// Whether this libarchive unpacks BZip2 (the Windows build's has no bzip2).
bool bzip2Unpacked()
{
    return archive_bzlib_version() != nullptr;
}

// The members of a zip or a 7-Zip archive, read by libarchive once ZipCheck or
// SevenZipCheck has found what they declare within the limits. Only the one
// format is on: libarchive's "all" would also read mtree lists, which name
// files elsewhere on the disk, and take any archive under any name.
class LibarchiveMembers : public ArchiveMembers
{
public:
    enum class Format { Zip, SevenZip };

    // memberCount: as many as the archive's list declares; no more are asked
    // of libarchive, which would unpack the rest of the last member to look
    // for another.
    LibarchiveMembers(ArchiveInput& input, const QString& archiveName, Format format,
                      int memberCount, UnpackedCount& unpacked)
        : m_input(input), m_archiveName(archiveName), m_format(format), m_memberCount(memberCount),
          m_unpacked(unpacked)
    {
    }
    ~LibarchiveMembers() override
    {
        if (m_handle)
            archive_read_free(m_handle);
    }

    bool next(Member& member) override
    {
        if (m_passed == m_memberCount)
            return false;
        if (!m_handle)
            open();
        archive_entry* entry = nullptr;
        errno = 0;
        const int status = archive_read_next_header(m_handle, &entry);
        m_errno = errno;
        if (status == ARCHIVE_EOF)
            return false;
        if (status < ARCHIVE_WARN) {
            // A zip's list was read before; a 7-Zip archive's list is read now.
            fail(m_passed > 0              ? Detail::MemberAfterDamaged
                 : m_format == Format::Zip ? Detail::FirstMemberDamaged
                                           : Detail::ListDamaged);
        }
        ++m_passed;
        m_block = {};
        QString path;
        if (const char* utf8 = archive_entry_pathname_utf8(entry))
            path = QString::fromUtf8(utf8);
        else if (const char* local = archive_entry_pathname(entry))
            path = QString::fromLocal8Bit(local);
        m_memberName = path;
        member.name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
        member.regular =
            archive_entry_filetype(entry) == AE_IFREG && !archive_entry_hardlink(entry);
        member.encrypted = archive_entry_is_encrypted(entry);
        return true;
    }

    qint64 read(char* data, qint64 maxSize) override
    {
        if (m_block.empty()) {
            const void* block = nullptr;
            size_t size = 0;
            la_int64_t offset = 0;
            errno = 0;
            const int status = archive_read_data_block(m_handle, &block, &size, &offset);
            m_errno = errno;
            if (status == ARCHIVE_EOF)
                return 0;
            // A warning here is a member's bytes that do not match its
            // checksum or its recorded size: damage all the same.
            if (status != ARCHIVE_OK)
                fail(Detail::MemberDataDamaged);
            // What the decoder made, counted whole: a member read for its
            // first bytes may cost its decoder a block of hundreds of KiB.
            m_unpacked.add(qint64(size));
            m_block = std::string_view(static_cast<const char*>(block), size);
        }
        const qint64 done = qMin(maxSize, qint64(m_block.size()));
        std::memcpy(data, m_block.data(), size_t(done));
        m_block.remove_prefix(size_t(done));
        return done;
    }

private:
    void open()
    {
        m_input.seek(0);
        m_position = 0;
        m_handle = archive_read_new();
        if (!m_handle)
            throw std::bad_alloc();
        if (m_format == Format::Zip)
            archive_read_support_format_zip_seekable(m_handle);
        else
            archive_read_support_format_7zip(m_handle);
        archive_read_set_callback_data(m_handle, this);
        archive_read_set_read_callback(m_handle, &LibarchiveMembers::readInput);
        archive_read_set_seek_callback(m_handle, &LibarchiveMembers::seekInput);
        archive_read_set_skip_callback(m_handle, &LibarchiveMembers::skipInput);
        errno = 0;
        const int status = archive_read_open1(m_handle);
        m_errno = errno;
        if (status != ARCHIVE_OK)
            fail(Detail::ListDamaged);
    }

    // Says what went wrong as exactly as libarchive's message allows; where
    // says at which member it was.
    [[noreturn]] void fail(Detail where)
    {
        if (m_inputError)
            std::rethrow_exception(m_inputError);
        // An allocation refused, by the memory limit of the process that reads
        // archives: libarchive says so, or the allocator left its errno (a
        // decoder's failure may reach libarchive's error as something else).
        if (archive_errno(m_handle) == ENOMEM || m_errno == ENOMEM)
            throw std::bad_alloc();
        if (archive_read_has_encrypted_entries(m_handle) > 0)
            throw ArchiveError(m_archiveName, Kind::Encrypted);
        const char* text = archive_error_string(m_handle);
        const QString message = text ? QString::fromLocal8Bit(text) : QString();
        if (message.contains(QStringLiteral("truncated"), Qt::CaseInsensitive))
            throw ArchiveError(m_archiveName, Kind::Damaged, Detail::Truncated);
        if (message.contains(QStringLiteral("CRC"))) {
            if (m_passed == 0)
                throw ArchiveError(m_archiveName, Kind::Damaged, Detail::ListCrc);
            throw ArchiveError(m_archiveName, Kind::Damaged, Detail::MemberCrc, m_memberName);
        }
        if (message.contains(QStringLiteral("supported")) ||
            message.contains(QStringLiteral("Unexpected codec"))) {
            if (m_passed == 0)
                throw ArchiveError(m_archiveName, Kind::Unreadable, Detail::PackedUnknownWay);
            throw ArchiveError(m_archiveName, Kind::Unreadable, Detail::MemberPackedUnknownWay,
                               m_memberName);
        }
        throw ArchiveError(m_archiveName, Kind::Damaged, where, m_memberName);
    }

    // Input failures inside a callback are thrown again once libarchive has
    // returned: exceptions never pass through its C code.
    template <typename Call>
    static auto guarded(archive* a, void* data, Call call, decltype(call()) failed)
    {
        auto* self = static_cast<LibarchiveMembers*>(data);
        try {
            return call();
        } catch (...) {
            self->m_inputError = std::current_exception();
            archive_set_error(a, EIO, "the archive could not be read");
            return failed;
        }
    }

    static la_ssize_t readInput(archive* a, void* data, const void** buffer)
    {
        auto* self = static_cast<LibarchiveMembers*>(data);
        return guarded(
            a, data,
            [self, buffer] {
                const qint64 done = self->m_input.read(self->m_chunk.get(), ChunkSize);
                self->m_position += done;
                *buffer = self->m_chunk.get();
                return la_ssize_t(done);
            },
            la_ssize_t(-1));
    }

    static la_int64_t seekInput(archive* a, void* data, la_int64_t offset, int whence)
    {
        auto* self = static_cast<LibarchiveMembers*>(data);
        return guarded(
            a, data,
            [self, offset, whence] {
                qint64 target = offset;
                if (whence == SEEK_CUR)
                    target += self->m_position;
                else if (whence == SEEK_END)
                    target += self->m_input.size();
                if (target < 0)
                    return la_int64_t(ARCHIVE_FATAL);
                self->m_input.seek(target);
                self->m_position = target;
                return la_int64_t(target);
            },
            la_int64_t(ARCHIVE_FATAL));
    }

    // Skipping is seeking, never reading: a member passed over costs nothing
    // where the format lets libarchive skip it unread.
    static la_int64_t skipInput(archive* a, void* data, la_int64_t request)
    {
        auto* self = static_cast<LibarchiveMembers*>(data);
        return guarded(
            a, data,
            [self, request] {
                const qint64 target =
                    qMin(self->m_position + qint64(request), self->m_input.size());
                self->m_input.seek(target);
                const qint64 skipped = target - self->m_position;
                self->m_position = target;
                return la_int64_t(skipped);
            },
            la_int64_t(ARCHIVE_FATAL));
    }

    ArchiveInput& m_input;
    QString m_archiveName;
    Format m_format;
    int m_memberCount;
    UnpackedCount& m_unpacked;
    archive* m_handle = nullptr;
    qint64 m_position = 0;
    std::unique_ptr<char[]> m_chunk = std::make_unique_for_overwrite<char[]>(ChunkSize);
    std::exception_ptr m_inputError;
    int m_errno = 0; // as libarchive's last call left it
    // What the decoder made of the current member and was not read yet.
    std::string_view m_block;
    int m_passed = 0;
    QString m_memberName; // the current member's path, for the errors
};

} // namespace

struct ArchiveReader::State {
    ArchiveInput& input;
    QString archiveName;
    std::unique_ptr<UnpackedCount> unpacked;
    std::unique_ptr<ArchiveMembers> members;
    std::unique_ptr<char[]> scratch; // what a measured rom is read into, then dropped

    State(ArchiveInput& in, const QString& name) : input(in), archiveName(name) {}

    // A new pass from the archive's first byte, in the format its name says,
    // once what it declares is known to be within the limits.
    void open()
    {
        members.reset();
        unpacked = std::make_unique<UnpackedCount>(archiveName);
        if (hasSuffix(archiveName, ".gz")) {
            members = std::make_unique<GzipMembers>(input, archiveName, *unpacked);
            return;
        }
        const bool zip = hasSuffix(archiveName, ".zip");
        const int count = zip ? checkZip(input, archiveName, bzip2Unpacked(), *unpacked)
                              : checkSevenZip(input, archiveName, bzip2Unpacked());
        members = std::make_unique<LibarchiveMembers>(input, archiveName,
                                                      zip ? LibarchiveMembers::Format::Zip
                                                          : LibarchiveMembers::Format::SevenZip,
                                                      count, *unpacked);
    }

    void close()
    {
        members.reset();
        unpacked.reset();
    }

    // Up to count bytes, fewer only at the member's end.
    QByteArray readUpTo(qint64 count)
    {
        QByteArray bytes(count, Qt::Uninitialized);
        qint64 done = 0;
        while (done < count) {
            const qint64 got = members->read(bytes.data() + done, count - done);
            if (got == 0)
                break;
            done += got;
        }
        bytes.truncate(done);
        return bytes;
    }

    // Reads the rest of the member whose first bytes are header to its end,
    // so that its checksum is checked before any of it is used; with keep,
    // its bytes up to its declared length are kept.
    Rom measure(int member, const QByteArray& header, bool keep)
    {
        Rom rom{member, header, header.size(), std::nullopt};
        if (keep)
            rom.bytes = header;
        if (header.size() < ines::HeaderSize)
            return rom; // it ended within its header
        const qint64 declared = declaredRomLength(countAt(header, ines::PrgCountOffset),
                                                  countAt(header, ines::ChrCountOffset));
        if (!scratch)
            scratch = std::make_unique_for_overwrite<char[]>(ChunkSize);
        if (keep)
            rom.bytes->resize(declared); // at most 6 MiB, whatever the member holds
        for (;;) {
            // Kept bytes go straight to their place; those past the declared length to scratch.
            const bool kept = keep && rom.length < declared;
            char* into = kept ? rom.bytes->data() + rom.length : scratch.get();
            const qint64 room = kept ? qMin(ChunkSize, declared - rom.length) : ChunkSize;
            const qint64 got = members->read(into, room);
            if (got == 0)
                break;
            rom.length += got;
        }
        if (keep && rom.length < declared) {
            rom.bytes->truncate(rom.length);
            rom.bytes->squeeze();
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

ArchiveReader::Rom ArchiveReader::findRom(bool keepBytes)
{
    State& s = *m_state;
    s.open();
    int inesCount = 0;
    int namedCount = 0;
    Rom ines;
    Rom named;
    ArchiveMembers::Member member;
    for (int index = 0; s.members->next(member); ++index) {
        if (!member.regular)
            continue;
        // Its bytes cannot be seen, so it may be the rom or a second one.
        if (member.encrypted)
            throw ArchiveError(s.archiveName, ArchiveError::Kind::Encrypted);
        const bool nesName = hasSuffix(member.name, ".nes");
        // Beyond a second iNES rom only the count is wanted; a member that is
        // neither is never read further than its first bytes.
        const QByteArray header = s.readUpTo(ines::HeaderSize);
        if (hasInesSignature(header)) {
            if (++inesCount == 1)
                ines = s.measure(index, header, keepBytes);
        } else if (nesName) {
            if (++namedCount == 1 && inesCount == 0)
                named = s.measure(index, header, keepBytes);
        }
    }
    s.close();
    if (inesCount == 1)
        return ines;
    if (inesCount > 1)
        throw ArchiveError(s.archiveName, ArchiveError::Kind::SeveralRoms, inesCount);
    if (namedCount == 1)
        return named;
    if (namedCount > 1)
        throw ArchiveError(s.archiveName, ArchiveError::Kind::SeveralRoms, namedCount);
    throw ArchiveError(s.archiveName, ArchiveError::Kind::NoRom);
}

ArchiveReader::Rom ArchiveReader::readMember(int member)
{
    State& s = *m_state;
    s.open();
    ArchiveMembers::Member entry;
    for (int place = 0; place <= member; ++place) {
        if (!s.members->next(entry))
            throw ArchiveError(s.archiveName, ArchiveError::Kind::Damaged,
                               ArchiveError::Detail::RomGone);
    }
    const Rom rom = s.measure(member, s.readUpTo(ines::HeaderSize), true);
    // A tar member's checksum is the gzip trailer at the data's end.
    s.members->finish();
    s.close();
    return rom;
}

} // namespace builder
