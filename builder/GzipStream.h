#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

namespace builder
{

class ArchiveInput;
class UnpackedCount;

// The unpacked bytes of a .gz file, read with zlib, from its first byte: one
// gzip member or several in a row, as gzip writes and reads them. libarchive's
// gzip reader checks neither the CRC-32 nor the length in a member's trailer;
// zlib checks both when a member is read to its end, so damaged data is
// refused instead of built into an image. Every byte unpacked is counted.
class GzipStream
{
public:
    // Throws ArchiveError (WrongFormat) when the file is no gzip data.
    GzipStream(ArchiveInput& input, const QString& archiveName, UnpackedCount& unpacked);
    ~GzipStream();
    GzipStream(const GzipStream&) = delete;
    GzipStream& operator=(const GzipStream&) = delete;

    // The next bytes; 0 at the end, once every member's trailer is checked.
    // Throws ArchiveError: damaged or truncated data, a trailer that does not
    // match (Damaged), more than archiveLimits::Unpacked (TooLarge).
    qint64 read(char* data, qint64 maxSize);
    // The file name the first member's header keeps, or an empty string; known
    // once the first bytes are read.
    QString storedName() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace builder
