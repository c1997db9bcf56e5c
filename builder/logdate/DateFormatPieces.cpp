#include "builder/logdate/DateFormatPieces.h"

namespace builder
{

namespace datepicture
{

QList<FormatPiece> splitFormat(const QString& format)
{
    QList<FormatPiece> pieces;
    auto addLiteral = [&pieces](FormatPiece::Kind kind, QChar c) {
        if (pieces.isEmpty() || pieces.last().kind != kind)
            pieces.append({kind, QString()});
        pieces.last().text += c;
    };
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            // Quoted text; two quotes in a row stand for one quote.
            ++i;
            if (i < format.size() && format.at(i) == u'\'') {
                addLiteral(FormatPiece::QuotedLiteral, u'\'');
                ++i;
                continue;
            }
            while (i < format.size()) {
                if (format.at(i) == u'\'') {
                    if (i + 1 < format.size() && format.at(i + 1) == u'\'') {
                        addLiteral(FormatPiece::QuotedLiteral, u'\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                addLiteral(FormatPiece::QuotedLiteral, format.at(i));
                ++i;
            }
        } else if (c.isLetter()) {
            qsizetype end = i;
            while (end < format.size() && format.at(end) == c)
                ++end;
            pieces.append({FormatPiece::Field, format.mid(i, end - i)});
            i = end;
        } else {
            addLiteral(FormatPiece::Literal, c);
            ++i;
        }
    }
    return pieces;
}

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\'', QStringLiteral("''"));
    return u'\'' + escaped + u'\'';
}

} // namespace datepicture

} // namespace builder
