#include "platform/DateTimeSettings.h"

#include "platform/WindowsApi.h"

#include <iterator>

namespace platform
{

namespace
{

std::optional<QString> localeText(const wchar_t* locale, LCTYPE type)
{
    wchar_t buffer[LOCALE_NAME_MAX_LENGTH * 4];
    const int length = GetLocaleInfoEx(locale, type, buffer, int(std::size(buffer)));
    if (length <= 0)
        return std::nullopt;
    return QString::fromWCharArray(buffer, length - 1); // without the terminating zero
}

// A flag setting is the text "0" or "1"; anything else counts as not given.
std::optional<bool> localeFlag(const wchar_t* locale, LCTYPE type)
{
    const std::optional<QString> text = localeText(locale, type);
    if (text == QStringLiteral("1"))
        return true;
    if (text == QStringLiteral("0"))
        return false;
    return std::nullopt;
}

std::optional<DateTimeSettings> settingsOf(const wchar_t* locale)
{
    if (!localeText(locale, LOCALE_SNAME))
        return std::nullopt;
    DateTimeSettings settings;
    settings.shortDate = localeText(locale, LOCALE_SSHORTDATE);
    settings.dateSeparator = localeText(locale, LOCALE_SDATE);
    settings.timeSeparator = localeText(locale, LOCALE_STIME);
    settings.hourLeadingZero = localeFlag(locale, LOCALE_ITLZERO);
    // LOCALE_ITIME: "0" is the 12-hour clock, "1" the 24-hour clock.
    if (const std::optional<bool> twentyFour = localeFlag(locale, LOCALE_ITIME))
        settings.twelveHourClock = !*twentyFour;
    settings.amDesignator = localeText(locale, LOCALE_S1159);
    settings.pmDesignator = localeText(locale, LOCALE_S2359);
    // LOCALE_ITIMEMARKPOSN: "0" after the time, "1" before it.
    settings.designatorBeforeTime = localeFlag(locale, LOCALE_ITIMEMARKPOSN);
    return settings;
}

} // namespace

std::optional<DateTimeSettings> userDateTimeSettings()
{
    return settingsOf(LOCALE_NAME_USER_DEFAULT);
}

std::optional<DateTimeSettings> dateTimeSettingsOf(const QString& localeName)
{
    return settingsOf(reinterpret_cast<const wchar_t*>(localeName.utf16()));
}

} // namespace platform
