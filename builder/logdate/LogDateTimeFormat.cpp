#include "builder/logdate/LogDateTimeFormat.h"

#include "builder/logdate/DateFormatPieces.h"

#include <QList>

namespace builder
{

namespace
{

using datepicture::FormatPiece;
using datepicture::quoted;
using datepicture::splitFormat;

// Literal texts that follow each other (quoted and unquoted) as one piece.
QList<FormatPiece> mergeLiterals(const QList<FormatPiece>& pieces)
{
    QList<FormatPiece> merged;
    for (const FormatPiece& piece : pieces) {
        if (piece.kind != FormatPiece::Field && !merged.isEmpty() &&
            merged.last().kind != FormatPiece::Field) {
            merged.last().text += piece.text;
            continue;
        }
        merged.append(piece);
        if (merged.last().kind == FormatPiece::QuotedLiteral)
            merged.last().kind = FormatPiece::Literal;
    }
    return merged;
}

// The locale's date separator is the text between its first two date fields;
// in the stored format each such text becomes "/", any other text is quoted.
void takeDateFormat(const QString& localeFormat, LogDateTimeFormat& format)
{
    const QList<FormatPiece> pieces = mergeLiterals(splitFormat(localeFormat));
    if (pieces.isEmpty())
        return;
    QString separator;
    for (qsizetype i = 1; i + 1 < pieces.size(); ++i) {
        if (pieces.at(i).kind == FormatPiece::Literal &&
            pieces.at(i - 1).kind == FormatPiece::Field &&
            pieces.at(i + 1).kind == FormatPiece::Field) {
            separator = pieces.at(i).text;
            break;
        }
    }
    QString shortDateFormat;
    for (const FormatPiece& piece : pieces) {
        if (piece.kind == FormatPiece::Field)
            shortDateFormat += piece.text;
        else if (!separator.isEmpty() && piece.text == separator)
            shortDateFormat += u'/';
        else
            shortDateFormat += quoted(piece.text);
    }
    format.shortDateFormat = shortDateFormat;
    if (!separator.isEmpty())
        format.dateSeparator = separator;
}

bool isHourField(const FormatPiece& piece)
{
    return piece.kind == FormatPiece::Field && (piece.text[0] == u'h' || piece.text[0] == u'H');
}

bool isDesignatorField(const FormatPiece& piece)
{
    return piece.kind == FormatPiece::Field && (piece.text[0] == u'a' || piece.text[0] == u'A');
}

// The designator as the locale's own time format shows it: Qt upper-cases
// "AP" and lower-cases "ap".
QString designatorAsShown(const QString& text, const QString& field)
{
    if (field.isEmpty())
        return text;
    if (field == field.toUpper())
        return text.toUpper();
    if (field == field.toLower())
        return text.toLower();
    return text;
}

void takeTimeFormat(const QString& localeFormat, const QString& amText, const QString& pmText,
                    LogDateTimeFormat& format)
{
    const QList<FormatPiece> pieces = mergeLiterals(splitFormat(localeFormat));
    qsizetype hour = -1;
    qsizetype designator = -1;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (hour < 0 && isHourField(pieces.at(i)))
            hour = i;
        if (designator < 0 && isDesignatorField(pieces.at(i)))
            designator = i;
    }
    if (hour >= 0) {
        format.hourLeadingZero = pieces.at(hour).text.size() >= 2;
        if (hour + 2 < pieces.size() && pieces.at(hour + 1).kind == FormatPiece::Literal &&
            pieces.at(hour + 2).kind == FormatPiece::Field)
            format.timeSeparator = pieces.at(hour + 1).text;
        format.twelveHourClock = designator >= 0;
        format.designatorBeforeTime = designator >= 0 && designator < hour;
    }
    const QString field = designator >= 0 ? pieces.at(designator).text : QString();
    if (!amText.isEmpty())
        format.amDesignator = designatorAsShown(amText, field);
    if (!pmText.isEmpty())
        format.pmDesignator = designatorAsShown(pmText, field);
}

// The stored date format with each unquoted "/" standing for the separator.
QString qtDateFormat(const LogDateTimeFormat& format)
{
    QString qtFormat;
    for (const FormatPiece& piece : splitFormat(format.shortDateFormat)) {
        if (piece.kind == FormatPiece::Field)
            qtFormat += piece.text;
        else if (piece.kind == FormatPiece::Literal)
            qtFormat += quoted(QString(piece.text).replace(u'/', format.dateSeparator));
        else
            qtFormat += quoted(piece.text);
    }
    return qtFormat;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

LogDateTimeFormat LogDateTimeFormat::fromLocale(const QLocale& locale)
{
    // The C and POSIX locales choose no conventions; Qt fills in its own
    // ("d MMM yyyy", 24 hours), which would stand in for the user's. The
    // defaults apply instead.
    if (locale.language() == QLocale::C)
        return LogDateTimeFormat();
    return fromFormats(locale.dateFormat(QLocale::ShortFormat),
                       locale.timeFormat(QLocale::ShortFormat), locale.amText(), locale.pmText());
}

LogDateTimeFormat LogDateTimeFormat::fromFormats(const QString& shortDateFormat,
                                                 const QString& shortTimeFormat,
                                                 const QString& amText, const QString& pmText)
{
    LogDateTimeFormat format;
    takeDateFormat(shortDateFormat, format);
    takeTimeFormat(shortTimeFormat, amText, pmText, format);
    return format;
}

QString formatLogDateTime(const QDateTime& moment, const LogDateTimeFormat& format)
{
    // The record carries no locale of its own, so digits (and month names,
    // should a short format use them) come out as in the C locale.
    const QString date = QLocale::c().toString(moment.date(), qtDateFormat(format));
    const QTime time = moment.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return date;

    int hour = time.hour();
    if (format.twelveHourClock) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    QString clock = (format.hourLeadingZero ? twoDigits(hour) : QString::number(hour)) +
                    format.timeSeparator + twoDigits(time.minute()) + format.timeSeparator +
                    twoDigits(time.second());
    if (format.twelveHourClock) {
        const QString& designator = time.hour() < 12 ? format.amDesignator : format.pmDesignator;
        if (!designator.isEmpty())
            clock =
                format.designatorBeforeTime ? designator + u' ' + clock : clock + u' ' + designator;
    }
    return date + u' ' + clock;
}

} // namespace builder
