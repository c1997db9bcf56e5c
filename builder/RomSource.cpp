#include "builder/RomSource.h"

#include "builder/ArchiveInput.h"
#include "builder/ArchiveReaderProcess.h"
#include "builder/CopyBuffer.h"
#include "builder/HeaderRepair.h"
#include "platform/ExclusiveFile.h"
#include "platform/FileHead.h"

#include <QFileInfo>

#include <cstring>

namespace builder
{

namespace
{

using Mode = platform::ExclusiveFile::Mode;

// An archive opened without sharing, for a build.
class ExclusiveInput : public ArchiveInput
{
public:
    explicit ExclusiveInput(platform::ExclusiveFile& file) : m_file(file) {}
    qint64 read(char* data, qint64 maxSize) override { return m_file.read(data, maxSize); }
    void seek(qint64 offset) override { m_file.seek(offset); }
    qint64 size() override { return m_file.size(); }

private:
    platform::ExclusiveFile& m_file;
};

// An archive looked at: shared and read-only, like any look at a rom, and
// read through the one handle that was checked to be a regular file.
class LookInput : public ArchiveInput
{
public:
    explicit LookInput(platform::FileLook& file) : m_file(file) {}
    qint64 read(char* data, qint64 maxSize) override
    {
        const qint64 done = m_file.readAt(m_position, data, maxSize);
        m_position += done;
        return done;
    }
    void seek(qint64 offset) override { m_position = offset; }
    qint64 size() override { return m_file.size(); }

private:
    platform::FileLook& m_file;
    qint64 m_position = 0;
};

QByteArray readHeader(platform::ExclusiveFile& file)
{
    QByteArray header(ines::HeaderSize, Qt::Uninitialized);
    qint64 done = 0;
    file.seek(0);
    while (done < header.size()) {
        const qint64 got = file.read(header.data() + done, header.size() - done);
        if (got == 0)
            break;
        done += got;
    }
    header.truncate(done);
    return header;
}

} // namespace

RomSource::RomSource(const QString& path, Access access)
    : m_path(path), m_name(QFileInfo(path).fileName()), m_archive(isArchiveName(m_name))
{
    if (access == Access::Look) {
        // A folder, device, pipe or socket is refused here, before any open that could wait.
        platform::FileLook file(path);
        lookThrough(file, false);
        return;
    }
    openForBuild();
    if (!m_archive) {
        m_size = m_file->size();
        m_header = readHeader(*m_file);
        return;
    }
    // A build appends the rom: it is kept from the one reading.
    ExclusiveInput input(*m_file);
    const ArchiveReader::Rom rom =
        ArchiveReaderProcess::ofThisThread().findRom(input, m_name, true);
    m_member = rom.member;
    m_size = rom.length;
    m_header = rom.header;
    m_kept = rom.bytes;
}

RomSource::RomSource(platform::FileLook& file, bool keepArchiveRom)
    : m_path(file.path()), m_name(QFileInfo(m_path).fileName()), m_archive(isArchiveName(m_name))
{
    lookThrough(file, keepArchiveRom);
}

RomSource::RomSource(const QString& path, const Measured& measured)
    : m_path(path), m_name(QFileInfo(path).fileName()), m_archive(isArchiveName(m_name))
{
    openForBuild();
    const platform::FileStamp& now = m_stamp;
    if (now.identity != measured.stamp.identity || now.size != measured.stamp.size ||
        now.modified != measured.stamp.modified)
        throw platform::FileError(platform::FileAction::ReadRom, path,
                                  platform::FileReason::ChangedSinceChecked);
    m_member = measured.member;
    m_size = measured.size;
    m_header = measured.header;
    m_kept = measured.bytes;
    if (!m_archive || m_kept)
        return;
    // Read once more, from its measured place, for the copy.
    ExclusiveInput input(*m_file);
    const ArchiveReader::Rom rom =
        ArchiveReaderProcess::ofThisThread().readMember(input, m_name, m_member);
    if (rom.header != m_header || rom.length != m_size)
        throw platform::FileError(platform::FileAction::ReadRom, path,
                                  platform::FileReason::ChangedSinceChecked);
    m_kept = rom.bytes;
}

void RomSource::lookThrough(platform::FileLook& file, bool keepArchiveRom)
{
    m_stamp = file.stamp();
    if (!m_archive) {
        m_size = file.size();
        m_header.resize(qMin(ines::HeaderSize, m_size));
        if (file.readAt(0, m_header.data(), m_header.size()) < m_header.size())
            throw platform::FileError(platform::FileAction::Read, m_path,
                                      platform::FileReason::EndedEarly);
        return;
    }
    LookInput input(file);
    const ArchiveReader::Rom rom =
        ArchiveReaderProcess::ofThisThread().findRom(input, m_name, keepArchiveRom);
    m_member = rom.member;
    m_size = rom.length;
    m_header = rom.header;
    m_kept = rom.bytes;
}

void RomSource::openForBuild()
{
    m_file = std::make_unique<platform::ExclusiveFile>(m_path, Mode::ReadExisting);
    m_stamp = m_file->stamp();
}

RomSource::~RomSource() = default;

bool RomSource::isArchiveName(const QString& fileName)
{
    return ArchiveReader::isArchiveName(fileName);
}

qint64 RomSource::readSome(char* data, qint64 maxSize)
{
    if (m_kept) {
        const qint64 got = qMin(maxSize, m_kept->size() - m_keptPosition);
        std::memcpy(data, m_kept->constData() + m_keptPosition, size_t(got));
        m_keptPosition += got;
        return got;
    }
    return m_file->read(data, maxSize);
}

void RomSource::copyTo(platform::ByteSink& to, qint64 count, CopyBuffer& buffer,
                       const HeaderRepair* imageRepair)
{
    if (m_kept) {
        if (!imageRepair && count <= m_kept->size()) {
            to.write(m_kept->constData(), count); // straight from memory
            return;
        }
        m_keptPosition = 0;
    } else {
        m_file->seek(0);
        if (!imageRepair) {
            copyBytes(*m_file, count, to, buffer); // in the kernel where it can
            return;
        }
    }
    for (qint64 done = 0; done < count;) {
        const qint64 got = readSome(buffer.data(), qMin(count - done, CopyBuffer::Size));
        if (got <= 0)
            throw platform::FileError(platform::FileAction::ReadRom, m_path,
                                      platform::FileReason::RomEndedBefore, count - done);
        const auto patch = [&](qint64 offset, quint8 value) {
            if (offset >= done && offset < done + got)
                buffer.data()[offset - done] = char(value);
        };
        if (imageRepair) {
            if (imageRepair->prgCount)
                patch(ines::PrgCountOffset, *imageRepair->prgCount);
            patch(ines::ChrCountOffset, imageRepair->chrCount);
        }
        to.write(buffer.data(), got);
        done += got;
    }
}

void RomSource::reopenForRepair()
{
    // The read-only handle has to go first, since a second exclusive open of
    // the same file fails; the identity and length are compared afterwards so
    // that the counts worked out from the first reading never land in a file
    // that changed in between.
    const platform::FileIdentity identity = m_file->identity();
    m_file->close();
    m_file.reset();
    m_file = std::make_unique<platform::ExclusiveFile>(m_path, Mode::ReadWriteExisting);
    if (m_file->identity() != identity || m_file->size() != m_size)
        throw platform::FileError(platform::FileAction::Repair, m_path,
                                  platform::FileReason::ChangedWhileRead);
}

void RomSource::close()
{
    if (m_file)
        m_file->close();
}

} // namespace builder
