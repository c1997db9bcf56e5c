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
const QByteArray WindowSizeKey = "WindowSize"; // "684x262", or "984x562 maximized"
const QByteArray MaximizedWord = " maximized";
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

std::optional<WindowSize> storedWindowSize(const SettingsFile& settings)
{
    QByteArray value = settings.ReadValue(SettingsSection, WindowSizeKey, {});
    WindowSize size;
    size.maximized = value.endsWith(MaximizedWord);
    if (size.maximized)
        value.chop(MaximizedWord.size());
    const QList<QByteArray> parts = value.split('x');
    bool wide = false;
    bool high = false;
    if (parts.size() == 2)
        size.inner = QSize(parts.at(0).toInt(&wide), parts.at(1).toInt(&high));
    if (!wide || !high || size.inner.width() <= 0 || size.inner.height() <= 0)
        return std::nullopt;
    return size;
}

void storeWindowSize(SettingsFile& settings, const WindowSize& size)
{
    QByteArray value =
        QByteArray::number(size.inner.width()) + 'x' + QByteArray::number(size.inner.height());
    if (size.maximized)
        value += MaximizedWord;
    settings.WriteValue(SettingsSection, WindowSizeKey, value);
}

void rememberWindowSize(SettingsFile& settings, const WindowSize& size, const WindowSize& opening)
{
    if (size != storedWindowSize(settings).value_or(opening))
        storeWindowSize(settings, size);
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

std::optional<QString> titleAsStored(const SettingsFile& settings, const QString& romFileName)
{
    // A default no line of the file can hold tells a missing key from any value.
    const QByteArray none("\n");
    const QByteArray value = settings.ReadValue(TitlesSection, platform::localBytes(romFileName), none);
    if (value == none)
        return std::nullopt;
    return platform::localText(value);
}

void restoreTitle(SettingsFile& settings, const QString& romFileName,
                  const std::optional<QString>& title)
{
    if (title)
        storeTitle(settings, romFileName, *title);
    else
        settings.DeleteValue(TitlesSection, platform::localBytes(romFileName));
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

void restoreOptions(SettingsFile& settings, const QList<StoredOption>& options)
{
    const QList<StoredOption> now = storedOptions(settings);
    // What stays as it is: the options both lists begin with.
    qsizetype same = 0;
    while (same < now.size() && same < options.size() && now.at(same).key == options.at(same).key &&
           now.at(same).description == options.at(same).description)
        ++same;
    // The rest is written anew, in order: a key keeps its place in the file
    // when written again, so the ones after are taken out first.
    for (qsizetype i = same; i < now.size(); ++i)
        deleteOption(settings, now.at(i).key);
    for (qsizetype i = same; i < options.size(); ++i)
        storeOption(settings, options.at(i).key, options.at(i).description);
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
