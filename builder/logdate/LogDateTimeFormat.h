#pragma once

#include "platform/DateTimeSettings.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace builder
{

// The user's date and time conventions as the build log uses them. Defaults
// are those that apply where the locale gives no value.
struct LogDateTimeFormat {
    QString shortDateFormat =
        QStringLiteral("M/d/yy"); // Qt date letters; "/" stands for the date separator
    QString dateSeparator = QStringLiteral("/");
    QString timeSeparator = QStringLiteral(":");
    bool hourLeadingZero = false;
    bool twelveHourClock = true;
    QString amDesignator = QStringLiteral("am");
    QString pmDesignator = QStringLiteral("pm");
    bool designatorBeforeTime = false;

    static LogDateTimeFormat fromLocale(const QLocale& locale);
    // The same from a locale's Qt short date and time formats and designator
    // texts; an empty or incomplete one leaves the defaults in place.
    static LogDateTimeFormat fromFormats(const QString& shortDateFormat,
                                         const QString& shortTimeFormat, const QString& amText,
                                         const QString& pmText);
    // The same from the settings Windows keeps; a setting not given keeps its default.
    static LogDateTimeFormat fromSettings(const platform::DateTimeSettings& settings);
    // The user's conventions: the system's settings where it keeps them, else Qt's system locale.
    static LogDateTimeFormat fromSystem();
};

// The date-time line of a log entry: the date alone at exactly midnight.
QString formatLogDateTime(const QDateTime& moment, const LogDateTimeFormat& format);

} // namespace builder
