#include "cli/BuildCommand.h"

#include "builder/Build.h"
#include "builder/BuildLog.h"
#include "builder/ImageSurvey.h"
#include "builder/MenuTitles.h"
#include "builder/NotWrittenText.h"
#include "cli/TerminalProgress.h"
#include "platform/FileError.h"
#include "platform/LocalText.h"
#include "platform/Paths.h"
#include "platform/ProgramFiles.h"
#include "platform/Terminal.h"
#include "settings/SettingsFile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace cli
{

namespace
{

using platform::ProgramFiles;

constexpr int BuildFailed = 1;
constexpr int UsageError = 2;

const QString Usage = QStringLiteral("usage: romweaver-build [--numbered] [--sorted] [--menu FILE] "
                                     "[--allow-non-rom] [--force] -o OUTPUT ROM...");

// Ends the command: its exit status and what it says on standard error.
struct CommandFailure {
    int status;
    QString message;
};

[[noreturn]] void fail(const QString& message)
{
    throw CommandFailure{BuildFailed, message};
}

[[noreturn]] void usageError(const QString& message)
{
    throw CommandFailure{UsageError, message};
}

void printLine(const QString& text)
{
    const QByteArray bytes = (text + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

// Every message is "romweaver-build: " and one sentence in the command's own
// style: the program's error texts are written for its windows ("Cannot open
// file ...", "Unknown option 'x'."), here they go on in lower case after the
// command's name, without a closing full stop. A message of several lines
// (every problem of a refused build) gets the name on each.
void printMessage(const QString& message)
{
    for (const QString& line : message.split(QLatin1Char('\n')))
        printLine(QStringLiteral("romweaver-build: ") + builder::asClause(line));
}

// "1 line", "2 lines".
QString counted(qsizetype count, const QString& singular, const QString& plural)
{
    return QString::number(count) + QLatin1Char(' ') + (count == 1 ? singular : plural);
}

struct Options {
    bool numbered = false;
    bool sorted = false;
    bool allowNonRom = false;
    bool force = false;
    QString menuFile;
    QString output;
    QStringList roms;
};

Options parseArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a GBA rom from %1, a menu and NES roms, as the Romweaver wizard "
                       "does: %1, %2 (titles), %3 and %4 are those of the program directory.")
            .arg(ProgramFiles::BaseRomName, ProgramFiles::SettingsName, ProgramFiles::LogName,
                 ProgramFiles::MenuScriptName));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption numbered(
        QStringLiteral("numbered"),
        QStringLiteral("Number the menu lines (01. to 12. for 12 roms), as \"Enable numbering\"."));
    const QCommandLineOption sorted(
        QStringLiteral("sorted"),
        QStringLiteral("Sort menu and roms by title, as \"Sorted by title\"."));
    const QCommandLineOption menu(
        QStringLiteral("menu"),
        QStringLiteral("Take the menu lines verbatim from FILE, one line per rom, in rom order."),
        QStringLiteral("FILE"));
    const QCommandLineOption allowNonRom(
        QStringLiteral("allow-non-rom"),
        QStringLiteral("Write a file that is not an iNES rom as well (the size check may change "
                       "its bytes 4 and 5, keeping a backup); without it such a file is refused."));
    const QCommandLineOption force(
        QStringLiteral("force"),
        QStringLiteral("Replace OUTPUT also where it is a file that is no GBA rom made with %1; "
                       "without it such a file is refused (an earlier GBA rom is always "
                       "replaced).")
            .arg(ProgramFiles::BaseRomName));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The GBA rom to write."),
                                    QStringLiteral("OUTPUT"));
    parser.addOptions({numbered, sorted, menu, allowNonRom, force, output});
    parser.addPositionalArgument(
        QStringLiteral("ROM"),
        QStringLiteral("NES roms, all in one directory, in menu order. Titles are those stored "
                       "in %1, else the file names.")
            .arg(ProgramFiles::SettingsName),
        QStringLiteral("ROM..."));

    if (!parser.parse(arguments))
        usageError(parser.errorText());
    if (parser.isSet(version))
        parser.showVersion();
    if (parser.isSet(help))
        parser.showHelp(0);

    Options options;
    options.numbered = parser.isSet(numbered);
    options.sorted = parser.isSet(sorted);
    options.allowNonRom = parser.isSet(allowNonRom);
    options.force = parser.isSet(force);
    options.menuFile = parser.value(menu);
    options.output = parser.value(output);
    options.roms = parser.positionalArguments();
    if (!parser.isSet(output) || options.output.isEmpty())
        usageError(QStringLiteral("no output given (-o OUTPUT)"));
    if (options.roms.isEmpty())
        usageError(QStringLiteral("no ROM given"));
    if (parser.isSet(menu) && (options.numbered || options.sorted))
        usageError(QStringLiteral("--menu takes the menu lines as they are: it cannot be "
                                  "combined with --numbered or --sorted"));
    return options;
}

// The roms' one directory and their file names, in the order given.
void collectRoms(const QStringList& paths, builder::BuildRequest& request)
{
    QString directory;
    for (const QString& path : paths) {
        const QFileInfo rom(path);
        const QString romDirectory = platform::nativeDirectory(rom.absolutePath());
        if (request.romFileNames.isEmpty()) {
            directory = romDirectory;
            request.romsDirectory = romDirectory;
        } else if (romDirectory != directory && !platform::namesSameFile(romDirectory, directory)) {
            fail(QStringLiteral("all NES roms have to be in the same directory, not in %1 and %2")
                     .arg(request.romsDirectory, romDirectory));
        }
        request.romFileNames << rom.fileName();
    }
    request.selectedRomCount = int(request.romFileNames.size());
}

// Titles as page 2 gives them: stored under the rom's file name, else the name.
QStringList titlesOf(const QStringList& fileNames, const ProgramFiles& files)
{
    const settings::SettingsFile settings(files.settings());
    QStringList titles;
    for (const QString& name : fileNames) {
        const QByteArray key = platform::localBytes(name);
        titles << platform::localText(settings.ReadValue("Titles", key, key));
    }
    return titles;
}

// One menu line per line of the file: LF or CR LF ends a line, a last line
// may go without; the bytes reach the menu script as they are.
QStringList readMenuFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read the menu file %1: %2")
                 .arg(QDir::toNativeSeparators(path), file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(QStringLiteral("cannot read the menu file %1: %2")
                 .arg(QDir::toNativeSeparators(path), file.errorString()));
    QStringList lines;
    if (bytes.isEmpty())
        return lines;
    QList<QByteArray> rows = bytes.split('\n');
    if (bytes.endsWith('\n'))
        rows.removeLast();
    for (QByteArray& row : rows) {
        if (row.endsWith('\r'))
            row.chop(1);
        lines << platform::localText(row);
    }
    return lines;
}

// What the command does where the wizard would ask. It cannot ask: an output
// that is a file but no earlier GBA rom is not replaced unless --force says
// so (declined receives why); a file that is not an iNES rom is refused, with
// every other problem, unless --allow-non-rom says to write it (with a
// warning); an image too large for a cartridge is written with a warning.
builder::BuildHooks commandLineHooks(const Options& options, QString& declined)
{
    builder::BuildHooks hooks;
    hooks.replaceOtherFile = [&options, &declined](const QString& outputPath) {
        if (!options.force)
            declined = QStringLiteral("%1 already exists and is not a GBA rom made with %2, so "
                                      "the GBA rom was not written; give --force to replace it")
                           .arg(outputPath, ProgramFiles::BaseRomName);
        return options.force;
    };
    if (!options.allowNonRom)
        hooks.nonRomProblem = [](const QString& romPath) {
            return QStringLiteral("%1 is not an iNES rom; give --allow-non-rom to write it all "
                                  "the same (its bytes 4 and 5 may then be changed to fit its "
                                  "size)")
                .arg(romPath);
        };
    hooks.writeNonRom = [](const QStringList& romFileNames) {
        for (const QString& name : romFileNames)
            printLine(QStringLiteral("romweaver-build: warning: %1 is not an iNES rom; its bytes "
                                     "4 and 5 may be changed to fit its size")
                          .arg(name));
        return true;
    };
    hooks.writeOversizeImage = [](qint64 imageLength) {
        printLine(QStringLiteral("romweaver-build: warning: the GBA rom will be %1 KB, more than "
                                 "the 32768 KB a GBA cartridge holds")
                      .arg(builder::kbRoundedUp(imageLength)));
        return true;
    };
    // Every rom has to be readable now, rather than fail halfway through the build.
    hooks.unreadableRomRefused = true;
    return hooks;
}

void runBuild(const Options& options)
{
    builder::BuildRequest request;
    request.files = ProgramFiles::ofThisProgram();
    if (!QFileInfo(request.files.baseRom()).isFile())
        fail(QStringLiteral("cannot find %1 in %2")
                 .arg(ProgramFiles::BaseRomName, request.files.directory()));
    collectRoms(options.roms, request);

    QStringList titles = titlesOf(request.romFileNames, request.files);
    if (options.sorted) {
        QStringList sortedTitles;
        QStringList sortedNames;
        for (const qsizetype position : builder::sortedOrder(titles)) {
            sortedTitles << titles.at(position);
            sortedNames << request.romFileNames.at(position);
        }
        titles = sortedTitles;
        request.romFileNames = sortedNames;
    }
    request.menuLines = options.menuFile.isEmpty()
                            ? builder::menuLinesForTitles(titles, options.numbered)
                            : readMenuFile(options.menuFile);
    if (request.menuLines.size() != request.romFileNames.size())
        fail(QStringLiteral("the menu file %1 has %2 for %3: one line per rom")
                 .arg(QDir::toNativeSeparators(options.menuFile),
                      counted(request.menuLines.size(), QStringLiteral("line"),
                              QStringLiteral("lines")),
                      counted(request.romFileNames.size(), QStringLiteral("rom"),
                              QStringLiteral("roms"))));
    request.outputPath = QDir::toNativeSeparators(QFileInfo(options.output).absoluteFilePath());

    builder::BuildLog log(
        request.files.log()); // each run starts its own log, as each wizard run does
    TerminalProgress progress(platform::standardErrorIsTerminal());
    QString declined;
    const builder::BuildResult result =
        builder::build(request, progress, log, commandLineHooks(options, declined));
    if (result.outcome == builder::BuildResult::Outcome::Declined)
        fail(declined);
    if (result.outcome == builder::BuildResult::Outcome::Written ||
        result.outcome == builder::BuildResult::Outcome::Failed)
        progress.finish(result.written() ? QStringLiteral("Writing succesfully completed.")
                                         : QStringLiteral("Writing the GBA rom failed."));
    if (!result.written())
        fail(result.reason);
}

} // namespace

int runBuildCommand(const QStringList& arguments)
{
    try {
        runBuild(parseArguments(arguments));
        return 0;
    } catch (const CommandFailure& failure) {
        printMessage(failure.message);
        if (failure.status == UsageError)
            printLine(Usage);
        return failure.status;
    } catch (const std::exception& error) {
        printMessage(QString::fromStdString(error.what()));
        return BuildFailed;
    }
}

} // namespace cli
