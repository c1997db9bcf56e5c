// libFuzzer over the builder's archive reading (scripts/fuzz.sh): the first
// byte of an input picks the archive's name (.zip, .7z or .gz), the rest are
// its bytes. Each input is read as a look and a build read it, in the archive
// reader's process: the rom found, then its member read again, to its end.
// A refusal (FileError, ArchiveError) is an answer; anything else that ends
// the run (a crash, AddressSanitizer's or UndefinedBehaviorSanitizer's
// report, an allocation past libFuzzer's -malloc_limit_mb, a timeout) is a
// fault.

#include "builder/ArchiveReader.h"
#include "platform/FileError.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

namespace
{

class MemoryInput : public builder::ArchiveInput
{
public:
    explicit MemoryInput(const QByteArray& bytes) : m_bytes(bytes) {}
    qint64 read(char* data, qint64 maxSize) override
    {
        const qint64 done = qBound<qint64>(0, m_bytes.size() - m_position, maxSize);
        std::copy_n(m_bytes.constData() + m_position, done, data);
        m_position += done;
        return done;
    }
    void seek(qint64 offset) override { m_position = offset; }
    qint64 size() override { return m_bytes.size(); }

private:
    const QByteArray& m_bytes;
    qint64 m_position = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::array<QString, 3> names{QStringLiteral("a.zip"), QStringLiteral("a.7z"),
                                              QStringLiteral("a.nes.gz")};
    if (size == 0)
        return 0;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    MemoryInput input(bytes);
    try {
        builder::ArchiveReader reader(input, names[data[0] % names.size()]);
        const builder::ArchiveReader::Rom rom = reader.findRom();
        reader.readMember(rom.member);
    } catch (const platform::FileError&) {
    }
    return 0;
}
