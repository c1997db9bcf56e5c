#include "settings/ProgramSettings.h"

#include "platform/LocalText.h"
#include "platform/Paths.h"

namespace settings
{

namespace
{

const QByteArray SettingsSection = "Settings";
const QByteArray RomsDirectoryKey = "NESRomsDir";
const QByteArray FileFilterKey = "FileFilter";
const QByteArray TitlesSection = "Titles";
const QByteArray OptionsSection = "Options";
const QByteArray RecentSection = "RecentCompilations";

QByteArray recentKey(int place)
{
    return QByteArray::number(place + 1);
}

} // namespace

QString storedRomsDirectory(const SettingsFile& settings, const QString& defaultDirectory)
{
    return platform::localText(settings.ReadValue(SettingsSection, RomsDirectoryKey,
                                                  platform::localBytes(defaultDirectory)));
}

void storeRomsDirectory(SettingsFile& settings, const QString& directory)
{
    settings.WriteValue(SettingsSection, RomsDirectoryKey, platform::localBytes(directory));
}

QString storedFileFilter(const SettingsFile& settings)
{
    return platform::localText(settings.ReadValue(SettingsSection, FileFilterKey, QByteArray()));
}

void storeFileFilter(SettingsFile& settings, const QString& mask)
{
    settings.WriteValue(SettingsSection, FileFilterKey, platform::localBytes(mask));
}

QString storedTitle(const SettingsFile& settings, const QString& romFileName)
{
    const QByteArray key = platform::localBytes(romFileName);
    return platform::localText(settings.ReadValue(TitlesSection, key, key));
}

void storeTitle(SettingsFile& settings, const QString& romFileName, const QString& title)
{
    settings.WriteValue(TitlesSection, platform::localBytes(romFileName),
                        platform::localBytes(title));
}

QList<StoredOption> storedOptions(const SettingsFile& settings)
{
    QList<StoredOption> options;
    for (const auto& [key, value] : settings.ListPairs(OptionsSection))
        options.append({key, platform::localText(value)});
    return options;
}

void storeOption(SettingsFile& settings, const QByteArray& key, const QString& description)
{
    settings.WriteValue(OptionsSection, key, platform::localBytes(description));
}

void deleteOption(SettingsFile& settings, const QByteArray& key)
{
    settings.DeleteValue(OptionsSection, key);
}

QStringList recentCompilations(const SettingsFile& settings)
{
    QStringList paths;
    for (int place = 0; place < RecentCompilationCount; ++place) {
        const QString path =
            platform::localText(settings.ReadValue(RecentSection, recentKey(place), {}));
        if (!path.isEmpty())
            paths << path;
    }
    return paths;
}

void rememberCompilation(SettingsFile& settings, const QString& path)
{
    QStringList paths = recentCompilations(settings);
    paths.removeIf([&path](const QString& known) { return platform::namesSameFile(known, path); });
    paths.prepend(path);
    for (int place = 0; place < RecentCompilationCount; ++place) {
        if (place < paths.size())
            settings.WriteValue(RecentSection, recentKey(place),
                                platform::localBytes(paths.at(place)));
        else
            settings.DeleteValue(RecentSection, recentKey(place));
    }
}

} // namespace settings
