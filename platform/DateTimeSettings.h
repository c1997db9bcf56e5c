#pragma once

#include <QString>

#include <optional>

namespace platform
{

// The user's date and time settings as Windows keeps them (the locale's short
// date picture, separators, hour and designator flags), unconverted. A setting
// the system does not give is left empty (std::nullopt).
struct DateTimeSettings {
    std::optional<QString> shortDate;         // date picture such as "M/d/yyyy"
    std::optional<QString> dateSeparator;     // "/" in "M/d/yyyy"
    std::optional<QString> timeSeparator;     // ":" in "11:19:34"
    std::optional<bool> hourLeadingZero;      // "09:05:03" rather than "9:05:03"
    std::optional<bool> twelveHourClock;      // else a 24-hour clock
    std::optional<QString> amDesignator;      // "AM"
    std::optional<QString> pmDesignator;      // "PM"
    std::optional<bool> designatorBeforeTime; // "AM 11:19:34" rather than "11:19:34 AM"
};

// The current user's settings on Windows. Elsewhere nothing: those desktops
// keep their conventions in Qt's system locale instead.
std::optional<DateTimeSettings> userDateTimeSettings();

// The settings of a named locale ("en-US"), as the system defines them, on
// Windows; nothing elsewhere or for a name the system does not know.
std::optional<DateTimeSettings> dateTimeSettingsOf(const QString& localeName);

} // namespace platform
