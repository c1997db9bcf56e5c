#pragma once

#include "settings/SettingsFile.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace settings
{

// What Romweaver keeps in its settings file, each under its one section and
// key: the rom folder, the file list's filter, the title of each rom file, the
// user's options and the compilations opened last. Texts are kept byte for byte in the local 8-bit
// encoding (platform::localBytes). Writes throw FileError as WriteValue does.

QString storedRomsDirectory(const SettingsFile& settings, const QString& defaultDirectory);
void storeRomsDirectory(SettingsFile& settings, const QString& directory);

// The file list's filter last chosen, by its mask ("*.nes"); empty when none was.
QString storedFileFilter(const SettingsFile& settings);
void storeFileFilter(SettingsFile& settings, const QString& mask);

// The main window's size (inside its frame) as the user left it, and whether
// it was maximised; none when not stored or not readable.
struct WindowSize {
    QSize inner;
    bool maximized = false;
    bool operator==(const WindowSize&) const = default;
};
std::optional<WindowSize> storedWindowSize(const SettingsFile& settings);
void storeWindowSize(SettingsFile& settings, const WindowSize& size);
// Stores size unless it is the stored one or, with none stored, the size the
// window opens at without one: the file is not written for nothing.
void rememberWindowSize(SettingsFile& settings, const WindowSize& size, const WindowSize& opening);

// The title stored for a rom file, else the file name itself.
QString storedTitle(const SettingsFile& settings, const QString& romFileName);
void storeTitle(SettingsFile& settings, const QString& romFileName, const QString& title);
// The title as stored for the rom file; nothing when none is.
std::optional<QString> titleAsStored(const SettingsFile& settings, const QString& romFileName);
// Puts back a title as titleAsStored told it: stored, or no entry at all.
void restoreTitle(SettingsFile& settings, const QString& romFileName,
                  const std::optional<QString>& title);

// The options in file order (empty descriptions left out): each key as stored
// (its option number in decimal) with its description.
struct StoredOption {
    QByteArray key;
    QString description;
};
QList<StoredOption> storedOptions(const SettingsFile& settings);
void storeOption(SettingsFile& settings, const QByteArray& key, const QString& description);
void deleteOption(SettingsFile& settings, const QByteArray& key);
// Makes the Options section hold these options, in this order (as
// storedOptions told them before): those stored otherwise are written anew.
void restoreOptions(SettingsFile& settings, const QList<StoredOption>& options);

// The compilation files opened or saved last, the latest first.
constexpr int RecentCompilationCount = 5;
QStringList recentCompilations(const SettingsFile& settings);
// Puts path first in the list (once), keeping at most RecentCompilationCount.
void rememberCompilation(SettingsFile& settings, const QString& path);

} // namespace settings
