#include "builder/logdate/LogDateTimeFormat.h"

#include "builder/logdate/DateFormatPieces.h"

namespace builder
{

namespace
{

using datepicture::FormatPiece;
using datepicture::quoted;
using datepicture::splitFormat;

// Literal text of the picture: each occurrence of the date separator becomes
// the "/" that stands for it, the rest is kept as quoted text.
QString literalWithSeparator(const QString& text, const QString& separator)
{
    QString stored;
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype at = separator.isEmpty() ? -1 : text.indexOf(separator, from);
        const QString between = text.mid(from, at < 0 ? -1 : at - from);
        if (!between.isEmpty())
            stored += quoted(between);
        if (at < 0)
            break;
        stored += u'/';
        from = at + separator.size();
    }
    return stored;
}

// A picture field as Qt date letters. Windows' "y" (the year's last digits
// without leading zero) has no Qt letter; the two-digit year stands in. The
// era ("g", "gg") has none either and is left out.
QString qtDateField(QChar letter, qsizetype count)
{
    switch (letter.unicode()) {
    case 'd':
    case 'M':
        return QString(qMin<qsizetype>(count, 4), letter);
    case 'y':
        return count <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
    default:
        return QString();
    }
}

// A Windows short date picture ("M/d/yyyy", "yyyy'年'M'月'd'日'") in the stored
// form: Qt date letters, "/" for the date separator, other text quoted.
// Letters other than the date fields are literal text there.
QString storedDateFormat(const QString& picture, const QString& separator)
{
    QString stored;
    for (const FormatPiece& piece : splitFormat(picture)) {
        const bool dateField =
            piece.kind == FormatPiece::Field && QStringLiteral("dMyg").contains(piece.text.front());
        if (dateField)
            stored += qtDateField(piece.text.front(), piece.text.size());
        else if (piece.kind == FormatPiece::QuotedLiteral)
            stored += quoted(piece.text);
        else
            stored += literalWithSeparator(piece.text, separator);
    }
    return stored;
}

} // namespace

LogDateTimeFormat LogDateTimeFormat::fromSettings(const platform::DateTimeSettings& settings)
{
    LogDateTimeFormat format;
    if (settings.dateSeparator)
        format.dateSeparator = *settings.dateSeparator;
    if (settings.shortDate && !settings.shortDate->isEmpty())
        format.shortDateFormat = storedDateFormat(*settings.shortDate, format.dateSeparator);
    if (settings.timeSeparator)
        format.timeSeparator = *settings.timeSeparator;
    format.hourLeadingZero = settings.hourLeadingZero.value_or(format.hourLeadingZero);
    format.twelveHourClock = settings.twelveHourClock.value_or(format.twelveHourClock);
    if (settings.amDesignator)
        format.amDesignator = *settings.amDesignator;
    if (settings.pmDesignator)
        format.pmDesignator = *settings.pmDesignator;
    format.designatorBeforeTime =
        settings.designatorBeforeTime.value_or(format.designatorBeforeTime);
    return format;
}

LogDateTimeFormat LogDateTimeFormat::fromSystem()
{
    if (const std::optional<platform::DateTimeSettings> settings = platform::userDateTimeSettings())
        return fromSettings(*settings);
    return fromLocale(QLocale::system());
}

} // namespace builder
