#include "FileMeasure.h"

#include "FileError.h"
#include "Rounding.h"

#include <QFile>
#include <QFileInfo>

qint64 MeasureFile(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Cannot open file \"%1\"").arg(path));
    const qint64 size = file.size();
    file.close();
    return size;
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
