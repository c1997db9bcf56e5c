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
    // The full stops of Chinese and Japanese text count too, and such text
    // ends with its own (a full-width one) rather than ".".
    static const QString Stops =
        QStringLiteral(".!?") + QChar(0x3002) + QChar(0xff01) + QChar(0xff1f);
    if (text.isEmpty() || !Stops.contains(text.back()))
        text += text.isEmpty() || text.back().unicode() < 0x2e80 ? QChar(u'.') : QChar(0x3002);
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
