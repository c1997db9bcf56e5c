#pragma once

#include "platform/FileStamp.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>

namespace platform
{
class ByteSink;
class ExclusiveFile;
class FileLook;
} // namespace platform

namespace builder
{

class CopyBuffer;
struct HeaderRepair;

// Where a rom's bytes come from: a plain file, or the one rom inside a .zip,
// .7z or .gz archive (ArchiveReader). The size estimate, the build's survey,
// the selection's marks and AppendNESRom all take a rom through it, so a rom
// in an archive is measured and appended by the same rules as a plain one.
class RomSource
{
public:
    enum class Access {
        // Shared and read-only, never waiting on a pipe: looking at a rom
        // disturbs nobody. Only the name, size and header are known then.
        Look,
        // Opened without sharing for the rom's whole turn in a build, and read.
        Build,
    };

    // The rom at path. An archive's rom is found and read through once here
    // (in the archive reader's process, ArchiveReaderProcess), and with Build
    // access kept for the copy. Throws FileError, or ArchiveError for an
    // archive that gives no rom.
    RomSource(const QString& path, Access access);
    // A look (Access::Look) through a file already opened to look at, whose
    // stamp then tells which file was looked at, also when it gives no rom.
    // keepArchiveRom: an archive's rom is kept in memory as far as a build
    // appends it (keptBytes), so that the build need not unpack it again.
    explicit RomSource(platform::FileLook& file, bool keepArchiveRom = false);

    // What a look found, for a build to take the rom without looking for it
    // again: the file as it was looked at, and the rom's place, first bytes
    // and length (member() and the getters below).
    struct Measured {
        platform::FileStamp stamp;
        int member = -1;
        QByteArray header;
        qint64 size = 0;
        std::optional<QByteArray> bytes; // as keptBytes: then nothing is unpacked again
    };
    // A rom for Build access as a look measured it. The file must still be
    // the one looked at, as long and last written at the same time, or it
    // throws FileError saying that it changed: figures measured from other
    // bytes are never used. An archive is not searched again: its rom is read
    // once, for the copy, from its measured place, and must still begin with
    // the bytes measured.
    RomSource(const QString& path, const Measured& measured);
    ~RomSource();
    RomSource(const RomSource&) = delete;
    RomSource& operator=(const RomSource&) = delete;

    // Whether a file name is read as an archive: .zip, .7z, .gz, any letter case.
    static bool isArchiveName(const QString& fileName);

    // The file name: the rom's, or the archive's that holds it.
    const QString& name() const { return m_name; }
    bool isArchive() const { return m_archive; }
    // The rom's length: a plain file's length, or a rom's in an archive, read
    // to its end.
    qint64 size() const { return m_size; }
    // The rom's first 16 bytes, fewer when it is shorter.
    const QByteArray& header() const { return m_header; }
    // For a rom in an archive, its place among the archive's entries; else -1.
    int member() const { return m_member; }
    // The file as it was opened: which file, its size and times.
    const platform::FileStamp& stamp() const { return m_stamp; }
    // A look's kept rom: its bytes up to its declared length.
    const std::optional<QByteArray>& keptBytes() const { return m_kept; }

    // Appends the rom's first count bytes (at most size()) to the sink, in
    // chunks of the buffer's size. With imageRepair, bytes 4 and 5 go out as
    // it says (those within the rom) and the rom itself stays as it is.
    // Build access only. Throws FileError.
    void copyTo(platform::ByteSink& to, qint64 count, CopyBuffer& buffer,
                const HeaderRepair* imageRepair = nullptr);

    // A plain file opened for Build: the file itself, for its backup.
    platform::ExclusiveFile& file() { return *m_file; }
    // Opens a plain file again for reading and writing, to repair it in place;
    // throws when it is no longer the file, or not as long, as first read.
    void reopenForRepair();
    // Closes what Build access opened and reports a failed close; the
    // destructor closes silently.
    void close();

private:
    void lookThrough(platform::FileLook& file, bool keepArchiveRom);
    void openForBuild();
    qint64 readSome(char* data, qint64 maxSize);

    QString m_path;
    QString m_name;
    bool m_archive = false;
    qint64 m_size = 0;
    QByteArray m_header;
    platform::FileStamp m_stamp;
    std::unique_ptr<platform::ExclusiveFile> m_file; // Build access
    int m_member = -1;
    // The rom's bytes as a look kept them, copied from memory; the position read next.
    std::optional<QByteArray> m_kept;
    qint64 m_keptPosition = 0;
};

} // namespace builder
