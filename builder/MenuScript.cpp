#include "builder/MenuScript.h"

#include "platform/ExclusiveFile.h"
#include "platform/LocalText.h"

namespace builder
{

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

void WriteMenuScript(const QString& path, const QStringList& lines)
{
    platform::ExclusiveFile file(path, platform::ExclusiveFile::Mode::Create);
    // The script is small: written in one piece, it takes one call however
    // many lines it has.
    QByteArray script;
    for (const QString& line : lines)
        script += platform::localBytes(line) + "\r\n";
    file.write(script.constData(), script.size());
    file.close();
}

std::optional<QString> romWithLineBreak(const QStringList& lines, const QStringList& romFileNames)
{
    const auto holdsLineBreak = [](const QString& text) {
        return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!holdsLineBreak(lines.at(i)))
            continue;
        // Shown with the breaks spelt out, so the name reads on one line.
        QString name = romFileNames.value(i, lines.at(i));
        name.replace(QLatin1Char('\n'), QStringLiteral("\\n"))
            .replace(QLatin1Char('\r'), QStringLiteral("\\r"));
        return name;
    }
    return std::nullopt;
}

} // namespace builder
