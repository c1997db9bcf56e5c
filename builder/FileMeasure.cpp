#include "builder/FileMeasure.h"

#include "builder/Rounding.h"
#include "platform/FileError.h"
#include "platform/FileHead.h"

qint64 MeasureFile(const QString& path)
{
    return platform::readFileHead(path, 0).size;
}

qint64 RoundedKB(qint64 bytes)
{
    return roundHalfEven(double(bytes) / 1024.0);
}

int MeasureBaseRomKB(const QString& baseRomPath)
{
    try {
        return int(RoundedKB(MeasureFile(baseRomPath)));
    } catch (const FileError&) {
        return 0;
    }
}
