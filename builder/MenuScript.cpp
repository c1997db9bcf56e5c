#include "MenuScript.h"

#include "ExclusiveFile.h"

namespace
{

const QChar fieldSeparator = u'|';

} // namespace

QString ApplyOptionFlags(const QString& line, const QString& previewLine, qint32 flagSum)
{
    if (flagSum == 0)
        return line;
    // Starting again from the title text drops an earlier flag sum and sprite value alike.
    const QString& title = line.contains(fieldSeparator) ? previewLine : line;
    return title + fieldSeparator + QString::number(flagSum);
}

QString ApplySpriteValue(const QString& line, const QString& spriteValue)
{
    const qsizetype first = line.indexOf(fieldSeparator);
    const qsizetype second = first < 0 ? -1 : line.indexOf(fieldSeparator, first + 1);
    if (second < 0)
        return line + fieldSeparator + spriteValue;
    return line.left(second + 1) + spriteValue;
}

QString ResetMenuLine(const QString& previewLine)
{
    return previewLine;
}

void WriteMenuScript(const QString& programDirectory, const QStringList& lines)
{
    // The program directory ends in its separator already.
    ExclusiveFile file(programDirectory + QStringLiteral("menu.out"), ExclusiveFile::Mode::Create);
    // The script is small: written in one piece, it takes one call however
    // many lines it has.
    QByteArray script;
    for (const QString& line : lines)
        script += line.toLocal8Bit() + "\r\n";
    file.write(script.constData(), script.size());
    file.close();
}
