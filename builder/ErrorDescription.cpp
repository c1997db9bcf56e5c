#include "builder/ErrorDescription.h"

namespace builder
{

namespace
{

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

} // namespace

QString withFullStop(QString text)
{
    if (!text.endsWith(QLatin1Char('.')) && !text.endsWith(QLatin1Char('!')) &&
        !text.endsWith(QLatin1Char('?')))
        text += QLatin1Char('.');
    return text;
}

QString capitalised(QString text)
{
    if (beginsWithPlainWord(text))
        text[0] = text.at(0).toUpper();
    return text;
}

QString asSentence(QString text)
{
    return withFullStop(capitalised(text));
}

} // namespace builder
