#include "cli/CommandHelp.h"

#include "platform/Paths.h"
#include "platform/ProgramFiles.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextBoundaryFinder>

namespace cli
{

namespace
{

using platform::ProgramFiles;

constexpr qsizetype LineWidth = 79;
constexpr qsizetype TermWidth = 26; // where option descriptions begin

// The columns a character takes in a terminal: two for the wide characters of
// Chinese, Japanese and Korean, one for the rest. Qt knows a character's script
// but not its width; these are the ranges of Unicode's East Asian Wide and
// Fullwidth characters.
int columns(char32_t c)
{
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                      (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                      (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
    return wide ? 2 : 1;
}

qsizetype columns(const QString& text)
{
    qsizetype count = 0;
    for (char32_t c : text.toUcs4())
        count += columns(c);
    return count;
}

// A piece of a line: a word, or in text without blanks (Chinese, Japanese)
// what lies between two places where the line may break.
struct Piece {
    QString text;
    bool blankBefore;
};

QList<Piece> pieces(const QString& text)
{
    QList<Piece> result;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (columns(word) == word.size()) { // no wide characters: the word is one piece
            result.append({word, true});
            continue;
        }
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, word);
        qsizetype start = 0;
        while (breaks.toNextBoundary() > 0) {
            result.append({word.mid(start, breaks.position() - start), start == 0});
            start = breaks.position();
        }
    }
    return result;
}

// The text in lines of at most LineWidth columns, each indented by indent
// columns. The first begins with term, when there is one, padded to the
// indent; a term that leaves no room stands on a line of its own.
QString wrapped(const QString& text, const QString& term, qsizetype indent)
{
    QString result;
    QString line = QString(indent, QLatin1Char(' '));
    if (term.size() + 2 <= indent)
        line = term.leftJustified(indent, QLatin1Char(' '));
    else if (!term.isEmpty())
        result = term + QLatin1Char('\n');
    qsizetype lineColumns = line.size();
    bool lineHasWords = false;
    for (const Piece& piece : pieces(text)) {
        const bool blank = lineHasWords && piece.blankBefore;
        const qsizetype pieceColumns = columns(piece.text);
        if (lineHasWords && lineColumns + (blank ? 1 : 0) + pieceColumns > LineWidth) {
            result += line + QLatin1Char('\n');
            line = QString(indent, QLatin1Char(' '));
            lineColumns = indent;
        } else if (blank) {
            line += QLatin1Char(' ');
            ++lineColumns;
        }
        line += piece.text;
        lineColumns += pieceColumns;
        lineHasWords = true;
    }
    return result + line + QLatin1Char('\n');
}

QString paragraph(const QString& text)
{
    return wrapped(text, QString(), 0);
}

QString section(const QString& heading, const QString& text)
{
    return QLatin1Char('\n') + heading + QLatin1Char('\n') + wrapped(text, QString(), 2);
}

// "-o, --output OUTPUT"
QString optionTerm(const QCommandLineOption& option)
{
    QStringList spellings;
    for (const QString& name : option.names())
        spellings << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString term = spellings.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        term += QLatin1Char(' ') + option.valueName();
    return term;
}

// Where the files are looked for: named from the rule itself, so the text
// is true for a portable and an installed copy, on every system.
QString filesText()
{
    const QString executableDirectory =
        platform::withTrailingSeparator(QCoreApplication::applicationDirPath());
    const QString dataDirectory = platform::userDataDirectory();
    // Asking the rule does not create the data folder, as the build would.
    const QString now = platform::chooseProgramDirectory(executableDirectory, dataDirectory);
    // Whole sentences, so a translation may order them as its language wants.
    if (dataDirectory.isEmpty())
        return QCoreApplication::translate(
                   "cli::CommandHelp",
                   "%1 (the base emulator rom, which you provide), %2 (the titles the wizard "
                   "stores; read only), %3 (the build log) and %4 (the menu script of the last "
                   "build) are those of the program folder: the folder of romweaver-build. Here "
                   "that is %5.")
            .arg(ProgramFiles::BaseRomName, ProgramFiles::SettingsName, ProgramFiles::LogName,
                 ProgramFiles::MenuScriptName, now);
    return QCoreApplication::translate(
               "cli::CommandHelp",
               "%1 (the base emulator rom, which you provide), %2 (the titles the wizard stores; "
               "read only), %3 (the build log) and %4 (the menu script of the last build) are "
               "those of the program folder: the folder of romweaver-build when %1 lies there (a "
               "portable copy), otherwise %5 (an installed copy), which is created when missing. "
               "Here that is %6.")
        .arg(ProgramFiles::BaseRomName, ProgramFiles::SettingsName, ProgramFiles::LogName,
             ProgramFiles::MenuScriptName, dataDirectory, now);
}

} // namespace

QString commandUsage()
{
    // The lines after the first are indented under the first's command.
    const QString usage = QCoreApplication::translate("cli::CommandHelp", "usage:");
    const QString indent(columns(usage), QLatin1Char(' ')); // as wide as the word on screen
    return usage +
           QStringLiteral(" romweaver-build [--numbered] [--sorted] [--menu FILE] "
                          "[--allow-non-rom] [--force] [--quiet] [--save-compilation FILE] -o "
                          "OUTPUT ROM...\n") +
           indent +
           QStringLiteral(" romweaver-build --compilation FILE [--allow-non-rom] [--force] "
                          "[--quiet] [-o OUTPUT]\n") +
           indent + QStringLiteral(" romweaver-build --help | --version");
}

QString commandHelp(const QString& usage, const QList<QCommandLineOption>& options,
                    const QString& romsDescription)
{
    QString help = usage + QStringLiteral("\n\n");
    help += paragraph(
        QCoreApplication::translate(
            "cli::CommandHelp",
            "Writes a GBA rom as the Romweaver wizard does, without a window: %1, then the menu "
            "script, then each ROM in menu order, each cut to the size its header declares or, "
            "when shorter, backed up and repaired.")
            .arg(ProgramFiles::BaseRomName));

    help += QLatin1Char('\n') + QCoreApplication::translate("cli::CommandHelp", "Options:") +
            QLatin1Char('\n');
    for (const QCommandLineOption& option : options)
        help += wrapped(option.description(), QStringLiteral("  ") + optionTerm(option), TermWidth);
    help += wrapped(romsDescription, QStringLiteral("  ROM..."), TermWidth);

    help += section(
        QCoreApplication::translate("cli::CommandHelp", "Archives:"),
        QCoreApplication::translate(
            "cli::CommandHelp",
            "A ROM may be a .zip, .7z or .gz archive holding one rom: the one member that is an "
            "iNES rom or, when none is, the one member named *.nes. It is read in memory and never "
            "changed; a rom shorter than its header declares is repaired in the GBA rom only. An "
            "archive that holds no rom or several, is encrypted or damaged is refused before "
            "anything is written."));
    help += QLatin1Char('\n') + QCoreApplication::translate("cli::CommandHelp", "Exit status:") +
            QLatin1Char('\n');
    help += wrapped(QCoreApplication::translate("cli::CommandHelp",
                                                "the GBA rom was written (with --save-compilation "
                                                "and no -o: the compilation was saved)"),
                    QStringLiteral("  0"), 5);
    help += wrapped(QCoreApplication::translate("cli::CommandHelp",
                                                "the build was refused or failed; one sentence on "
                                                "standard error, after \"romweaver-build: \", says "
                                                "why"),
                    QStringLiteral("  1"), 5);
    help += wrapped(QCoreApplication::translate(
                        "cli::CommandHelp",
                        "a usage error (an unknown option, no -o, no ROM, options that do not go "
                        "together); the usage lines follow the sentence"),
                    QStringLiteral("  2"), 5);
    help += section(QCoreApplication::translate("cli::CommandHelp", "Files:"), filesText());
    help += QLatin1Char('\n') + QCoreApplication::translate("cli::CommandHelp", "Example:") +
            QStringLiteral(
                "\n  romweaver-build --sorted --numbered -o nes.gba roms/a.nes roms/b.zip\n");
    return help;
}

} // namespace cli
