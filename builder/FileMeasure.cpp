#include "builder/FileMeasure.h"

#include "builder/RomSource.h"
#include "builder/Rounding.h"
#include "platform/FileError.h"
#include "platform/FileHead.h"

namespace builder
{

qint64 measureFile(const QString& path)
{
    return platform::readFileHead(path, 0).size;
}

qint64 measureRom(const QString& path)
{
    return RomSource::isArchiveName(path) ? RomSource(path, RomSource::Access::Look).size()
                                          : measureFile(path);
}

qint64 roundedKB(qint64 bytes)
{
    return roundHalfEven(double(bytes) / 1024.0);
}

int measureBaseRomKB(const QString& baseRomPath)
{
    try {
        return int(roundedKB(measureFile(baseRomPath)));
    } catch (const platform::FileError&) {
        return 0;
    }
}

} // namespace builder
