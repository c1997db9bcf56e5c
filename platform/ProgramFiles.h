#pragma once

#include <QLatin1String>
#include <QString>

namespace platform
{

// The files Romweaver keeps in its program directory, and the backup folder
// it makes beside repaired roms. Their names are written here and nowhere
// else; every user of them asks this type.
class ProgramFiles
{
public:
    static constexpr QLatin1String BaseRomName{"Tessel.GBA"};
    static constexpr QLatin1String MenuScriptName{"menu.out"};
    static constexpr QLatin1String SettingsName{"Romweaver.ini"};
    static constexpr QLatin1String LogName{"Romweaver.log"};
    static constexpr QLatin1String BackupDirectoryName{"Romweaver.bak"};

    // directory ends in its separator; the files are taken from there by
    // plain concatenation.
    explicit ProgramFiles(QString directory = {}) : m_directory(std::move(directory)) {}

    // Where the files live on this machine. Portable: the executable's
    // directory when the base rom lies beside the executable (an unpacked zip,
    // a build folder). Installed: else the user's data directory, which is
    // created here, so that a new user finds the directory the start-up error
    // names and the first settings write has a place to go.
    static ProgramFiles ofThisProgram();

    const QString& directory() const { return m_directory; }
    // The base rom: Tessel.GBA in the directory; where that spelling is
    // missing (a file system that tells letter case apart), the first file,
    // in sorted order, whose name is Tessel.GBA without regard to letter case
    // ("Tessel.gba", "TESSEL.GBA"); the exact spelling when there is none.
    QString baseRom() const;
    QString menuScript() const { return m_directory + MenuScriptName; }
    QString settings() const { return m_directory + SettingsName; }
    QString log() const { return m_directory + LogName; }

    // The folder inside a rom directory that keeps the backups of repaired roms.
    static QString backupDirectoryIn(const QString& romsDirectory);

    bool operator==(const ProgramFiles&) const = default;

private:
    QString m_directory;
};

// The rule behind ProgramFiles::ofThisProgram, for any two directories:
// executableDir when it holds the base rom (a file) or when userDataDir is empty
// (no installed mode), else userDataDir. Both as given, with their trailing
// separators.
QString chooseProgramDirectory(const QString& executableDir, const QString& userDataDir);

// The path of a helper program of Romweaver's, by its name without a
// system's suffix: beside the running executable (a build folder, the Windows
// folder), else where an installed copy keeps its helpers
// (<prefix>/libexec/romweaver/ beside <prefix>/bin/). When it is in neither
// place, the first: starting it then fails with the system's reason.
QString helperProgram(const QString& name);
// A program's file name on this system: the name, with ".exe" on Windows.
QString executableFileName(const QString& name);

// The user's data directory for Romweaver (~/.local/share/Romweaver/,
// %APPDATA%\Romweaver\), native spelling, trailing separator; empty where the
// system names none. Only the path: the directory need not exist.
QString userDataDirectory();

} // namespace platform
