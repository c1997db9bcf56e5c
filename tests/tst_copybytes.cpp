// copyBytes: the copy inside the kernel between two files and the copy
// through the buffer give the same bytes, and both end in a FileError when the
// source ends early.

#include "builder/CopyBuffer.h"
#include "platform/ExclusiveFile.h"
#include "support/TestFiles.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace platform;
using namespace builder;

namespace
{

// A sink that is no file, so the copy has to go through the buffer.
class MemorySink final : public ByteSink
{
public:
    void write(const char* data, qint64 size) override { bytes.append(data, size); }
    QByteArray bytes;
};

enum class Sink { SameFileSystem, OtherFileSystem, AppendedFile, Memory };

} // namespace

Q_DECLARE_METATYPE(Sink)

class TestCopyBytes : public QObject
{
    Q_OBJECT

private slots:
    void copiesTheSameBytes_data();
    void copiesTheSameBytes();
    void earlyEndIsAFileError_data() { copiesTheSameBytes_data(); }
    void earlyEndIsAFileError();

private:
    // Copies `count` bytes from offset `from` of a file of `sourceSize`
    // pattern bytes behind a 5-byte prefix already in the sink; returns what
    // the sink holds.
    QByteArray copy(Sink sink, qint64 sourceSize, qint64 from, qint64 count);

    QTemporaryDir m_dir;
};

void TestCopyBytes::copiesTheSameBytes_data()
{
    QTest::addColumn<Sink>("sink");
    QTest::newRow("file, same file system") << Sink::SameFileSystem;
    QTest::newRow("file, other file system") << Sink::OtherFileSystem;
    QTest::newRow("file opened to append") << Sink::AppendedFile;
    QTest::newRow("not a file") << Sink::Memory;
}

QByteArray TestCopyBytes::copy(Sink sink, qint64 sourceSize, qint64 from, qint64 count)
{
    const QByteArray source = testfiles::patternBytes(sourceSize, 3);
    const QString sourcePath = testfiles::makeFile(m_dir.path(), QStringLiteral("source"), source);
    QTemporaryDir elsewhere(QStringLiteral("/dev/shm/romweaver-XXXXXX"));
    const QString targetDir = sink == Sink::OtherFileSystem ? elsewhere.path() : m_dir.path();
    const QString targetPath = QDir(targetDir).filePath(QStringLiteral("target"));
    testfiles::makeFile(targetDir, QStringLiteral("target"), "head:");

    ExclusiveFile input(sourcePath, ExclusiveFile::Mode::ReadExisting);
    input.seek(from);
    CopyBuffer buffer;
    if (sink == Sink::Memory) {
        MemorySink memory;
        memory.write("head:", 5);
        copyBytes(input, count, memory, buffer);
        return memory.bytes;
    }
    {
        ExclusiveFile output(targetPath, sink == Sink::AppendedFile
                                             ? ExclusiveFile::Mode::AppendExisting
                                             : ExclusiveFile::Mode::ReadWriteExisting);
        if (sink != Sink::AppendedFile)
            output.seek(5);
        copyBytes(input, count, output, buffer);
        output.close();
    }
    return testfiles::readFile(targetPath);
}

// A directory on another file system than the temporary one, where the
// kernel does not copy between the two.
bool otherFileSystemMissing(Sink sink, const QString& here)
{
    if (sink != Sink::OtherFileSystem)
        return false;
    const auto shm = platform::fileIdentity(QStringLiteral("/dev/shm"));
    return !shm || shm->device == platform::fileIdentity(here)->device;
}

void TestCopyBytes::copiesTheSameBytes()
{
    QFETCH(Sink, sink);
    if (otherFileSystemMissing(sink, m_dir.path()))
        QSKIP("no second file system at /dev/shm");
    // More than one chunk, starting inside the file and stopping short of its end.
    const qint64 size = 3 * CopyBuffer::Size + 1000;
    const QByteArray expected = "head:" + testfiles::patternBytes(size, 3).mid(7, size - 100);
    QCOMPARE(copy(sink, size, 7, size - 100), expected);
    QCOMPARE(copy(sink, 0, 0, 0), QByteArray("head:"));
}

void TestCopyBytes::earlyEndIsAFileError()
{
    QFETCH(Sink, sink);
    if (otherFileSystemMissing(sink, m_dir.path()))
        QSKIP("no second file system at /dev/shm");
    QVERIFY_THROWS_EXCEPTION(FileError, copy(sink, 100000, 0, 100001));
}

QTEST_GUILESS_MAIN(TestCopyBytes)
#include "tst_copybytes.moc"
