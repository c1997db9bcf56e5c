#include "builder/ExistingOutput.h"

#include "builder/CopyBuffer.h"
#include "platform/ExclusiveFile.h"

#include <QByteArray>
#include <QFileInfo>

#include <memory>

namespace builder
{

namespace
{

using platform::ExclusiveFile;

// Fills the buffer from the file's position; fewer bytes only at its end.
qint64 readFully(ExclusiveFile& file, char* buffer, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const qint64 got = file.read(buffer + done, size - done);
        if (got <= 0)
            break;
        done += got;
    }
    return done;
}

bool beginsWith(ExclusiveFile& file, ExclusiveFile& start)
{
    qint64 left = start.size();
    if (file.size() < left)
        return false;
    CopyBuffer ours;
    CopyBuffer theirs;
    while (left > 0) {
        const qint64 chunk = qMin(left, CopyBuffer::Size);
        if (readFully(start, ours.data(), chunk) != chunk ||
            readFully(file, theirs.data(), chunk) != chunk ||
            QByteArrayView(ours.data(), chunk) != QByteArrayView(theirs.data(), chunk))
            return false;
        left -= chunk;
    }
    return true;
}

} // namespace

ExistingOutput lookAtOutput(const QString& outputPath, const QString& baseRomPath)
{
    if (!QFileInfo::exists(outputPath))
        return ExistingOutput::None;
    std::unique_ptr<ExclusiveFile> output;
    try {
        output = std::make_unique<ExclusiveFile>(outputPath, ExclusiveFile::Mode::ReadExisting);
    } catch (const platform::NotARegularFile&) {
        return ExistingOutput::NotAFile;
    } catch (const platform::FileError&) {
        return ExistingOutput::Unknown;
    }
    try {
        ExclusiveFile baseRom(baseRomPath, ExclusiveFile::Mode::ReadExisting);
        return beginsWith(*output, baseRom) ? ExistingOutput::EarlierImage
                                            : ExistingOutput::OtherFile;
    } catch (const platform::FileError&) {
        return ExistingOutput::Unknown;
    }
}

} // namespace builder
