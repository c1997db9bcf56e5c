#include "platform/DateTimeSettings.h"

namespace platform
{

// These desktops keep their conventions in Qt's system locale instead.

std::optional<DateTimeSettings> userDateTimeSettings()
{
    return std::nullopt;
}

std::optional<DateTimeSettings> dateTimeSettingsOf(const QString&)
{
    return std::nullopt;
}

} // namespace platform
