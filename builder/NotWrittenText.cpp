#include "builder/NotWrittenText.h"

namespace builder
{

namespace
{

const QString NotWritten = QStringLiteral("The GBA rom was not written:");

// Whether the text begins with a word of letters only, all but the first in
// lower case: an ordinary word whose first letter may change case, unlike a
// name ("Bad.zip", "NES", "C:\roms").
bool beginsWithPlainWord(const QString& text)
{
    const qsizetype end = text.indexOf(QLatin1Char(' '));
    const QStringView word = QStringView(text).left(end < 0 ? text.size() : end);
    if (word.isEmpty())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (!word[i].isLetter() || (i > 0 && !word[i].isLower()))
            return false;
    }
    return true;
}

QString withFullStop(QString text)
{
    if (!text.endsWith(QLatin1Char('.')) && !text.endsWith(QLatin1Char('!')) &&
        !text.endsWith(QLatin1Char('?')))
        text += QLatin1Char('.');
    return text;
}

// A sentence of its own: a plain first word capitalised, a closing full stop.
QString asSentence(QString text)
{
    if (beginsWithPlainWord(text))
        text[0] = text.at(0).toUpper();
    return withFullStop(text);
}

} // namespace

QString asClause(QString text)
{
    if (beginsWithPlainWord(text))
        text[0] = text.at(0).toLower();
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString notWrittenText(const QStringList& problems, qsizetype shownAtMost)
{
    if (problems.size() == 1)
        return NotWritten + QLatin1Char(' ') + withFullStop(asClause(problems.constFirst()));
    QString text = NotWritten;
    for (const QString& problem : problems.first(qMin(problems.size(), shownAtMost)))
        text += QLatin1Char('\n') + asSentence(problem);
    if (problems.size() > shownAtMost)
        text += QStringLiteral("\nand %1 more.").arg(problems.size() - shownAtMost);
    return text;
}

QString failedBuildText(const QString& failure, const QString& outputPath, bool outputExisted)
{
    return NotWritten + QLatin1Char(' ') + withFullStop(asClause(failure)) + QLatin1Char(' ') +
           (outputExisted ? QStringLiteral("%1 is unchanged.")
                          : QStringLiteral("Nothing was written to %1."))
               .arg(outputPath);
}

} // namespace builder
