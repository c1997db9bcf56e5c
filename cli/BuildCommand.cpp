#include "cli/BuildCommand.h"

#include "builder/Build.h"
#include "builder/BuildLog.h"
#include "builder/Compilation.h"
#include "builder/CompilationFile.h"
#include "builder/ImageSurvey.h"
#include "builder/MenuText.h"
#include "builder/MenuTitles.h"
#include "cli/CommandHelp.h"
#include "cli/CommandMessages.h"
#include "cli/GivenPaths.h"
#include "cli/TerminalProgress.h"
#include "platform/FileError.h"
#include "platform/LocalText.h"
#include "platform/Paths.h"
#include "platform/ProgramFiles.h"
#include "platform/Terminal.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingsFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace cli
{

namespace
{

using platform::ProgramFiles;

constexpr int BuildFailed = 1;
constexpr int UsageError = 2;

// Ends the command: its exit status and what it says on standard error.
struct CommandFailure {
    int status;
    QStringList lines;
};

[[noreturn]] void fail(const QStringList& lines)
{
    throw CommandFailure{BuildFailed, lines};
}

[[noreturn]] void fail(const QString& message)
{
    fail(QStringList{message});
}

[[noreturn]] void usageError(const QString& message)
{
    throw CommandFailure{UsageError, {message}};
}

void print(std::FILE* stream, const QString& text)
{
    platform::writeText(stream, text);
}

void printLine(const QString& text)
{
    print(stderr, text + QLatin1Char('\n'));
}

// Every message is "romweaver-build: " and one sentence in the command's own
// style, lower case, without a closing full stop (cli/CommandMessages), on a
// line of its own whatever the names in it hold. A message of several lines
// (every problem of a refused build) gets the name on each.
void printMessage(std::FILE* stream, const QStringList& lines)
{
    for (const QString& line : lines)
        print(stream, QStringLiteral("romweaver-build: ") + onOneLine(line) + QLatin1Char('\n'));
}

void printMessage(const QString& message)
{
    printMessage(stderr, QStringList{message});
}

// "1 line", "2 lines".
// The command's own messages, in the user's language (the lower-case style of
// its one-line messages).
QString text(const char* source)
{
    return QCoreApplication::translate("cli::BuildCommand", source);
}

struct Options {
    bool numbered = false;
    bool sorted = false;
    bool allowNonRom = false;
    bool force = false;
    bool quiet = false;
    QString menuFile;
    QString output;
    QStringList roms;
    QString compilationFile;     // built as it says
    QString saveCompilationFile; // written from the other arguments
    QString printOnly;           // printed instead of a build (--help, --version)
};

// The parser names an unknown option without its dashes ("bogus" for
// "--bogus"): the message names the argument as typed.
QString parseError(const QCommandLineParser& parser, const QStringList& arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty())
        return foreignClause(parser.errorText());
    const QString& name = unknown.constFirst();
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QStringLiteral("--"))
            break; // the rest are arguments
        const QString typed = argument.section(QLatin1Char('='), 0, 0);
        const bool shortOptions =
            argument.startsWith(QLatin1Char('-')) && !argument.startsWith(QStringLiteral("--"));
        if (typed == QStringLiteral("--") + name || typed == QStringLiteral("-") + name ||
            (shortOptions && name.size() == 1 && argument.contains(name)))
            return text(QT_TRANSLATE_NOOP("cli::BuildCommand", "unknown option '%1'")).arg(typed);
    }
    return text(QT_TRANSLATE_NOOP("cli::BuildCommand", "unknown option '%1'")).arg(name);
}

Options parseArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Its own help and version options: the parser's would add Qt's --help-all.
    const QCommandLineOption help(
        QStringList{QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("cli::CommandHelp", "Print this help and exit."));
    const QCommandLineOption version(
        QStringList{QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("cli::CommandHelp", "Print the version and exit."));
    const QCommandLineOption numbered(
        QStringLiteral("numbered"),
        //: "Enable numbering" is the wizard's check box: its caption in this language.
        QCoreApplication::translate(
            "cli::CommandHelp",
            "Number the menu lines (01. to 12. for 12 roms), as \"Enable numbering\"."));
    const QCommandLineOption sorted(
        QStringLiteral("sorted"),
        //: "Sorted by title" is the wizard's check box: its caption in this language.
        QCoreApplication::translate("cli::CommandHelp",
                                    "Sort menu and roms by title, as \"Sorted by title\"."));
    const QCommandLineOption menu(
        QStringLiteral("menu"),
        QCoreApplication::translate(
            "cli::CommandHelp",
            "Take the menu lines verbatim from FILE, one line per rom, in rom order."),
        QStringLiteral("FILE"));
    const QCommandLineOption allowNonRom(
        QStringLiteral("allow-non-rom"),
        QCoreApplication::translate(
            "cli::CommandHelp",
            "Write a file that is not an iNES rom as well (the size check may change "
            "its bytes 4 and 5 in the GBA rom, never in the file); without it such a file is "
            "refused."));
    const QCommandLineOption force(
        QStringLiteral("force"),
        QCoreApplication::translate(
            "cli::CommandHelp",
            "Replace OUTPUT also where it is a file that is no GBA rom made with %1; "
            "without it such a file is refused (an earlier GBA rom is always "
            "replaced).")
            .arg(ProgramFiles::BaseRomName));
    const QCommandLineOption output(
        QStringList{QStringLiteral("o"), QStringLiteral("output")},
        QCoreApplication::translate("cli::CommandHelp", "The GBA rom to write."),
        QStringLiteral("OUTPUT"));
    const QCommandLineOption compilation(
        QStringLiteral("compilation"),
        QCoreApplication::translate(
            "cli::CommandHelp",
            "Build the compilation FILE (saved by the wizard or --save-compilation): "
            "its roms, titles, options and sprite values, numbering and sorting, and "
            "its GBA rom unless -o names another."),
        QStringLiteral("FILE"));
    const QCommandLineOption saveCompilation(
        QStringLiteral("save-compilation"),
        QCoreApplication::translate(
            "cli::CommandHelp",
            "Write the compilation of the other arguments to FILE, to open it in the "
            "wizard or build it with --compilation; without -o nothing is built."),
        QStringLiteral("FILE"));
    const QCommandLineOption quiet(
        QStringLiteral("quiet"),
        QCoreApplication::translate(
            "cli::CommandHelp",
            "Print nothing of what the build logs (the roms it cut or repaired)."));
    // In the order --help lists them.
    const QList<QCommandLineOption> all{
        numbered,    sorted,          menu,  allowNonRom, force,   output,
        compilation, saveCompilation, quiet, help,        version,
    };
    parser.addOptions(all);
    const QString roms = QCoreApplication::translate(
                             "cli::CommandHelp",
                             "NES roms (files or archives), all in one directory, in menu order. "
                             "Titles are those stored in %1, else the file names.")
                             .arg(ProgramFiles::SettingsName);
    parser.addPositionalArgument(QStringLiteral("ROM"), roms, QStringLiteral("ROM..."));

    if (!parser.parse(arguments))
        usageError(parseError(parser, arguments));
    Options options;
    if (parser.isSet(help) || parser.isSet(version)) {
        options.printOnly = parser.isSet(help)
                                ? commandHelp(commandUsage(), all, roms)
                                : QCoreApplication::applicationName() + QLatin1Char(' ') +
                                      QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return options;
    }
    options.numbered = parser.isSet(numbered);
    options.sorted = parser.isSet(sorted);
    options.allowNonRom = parser.isSet(allowNonRom);
    options.force = parser.isSet(force);
    options.quiet = parser.isSet(quiet);
    options.menuFile = parser.value(menu);
    options.output = parser.value(output);
    options.roms = parser.positionalArguments();
    options.compilationFile = parser.value(compilation);
    options.saveCompilationFile = parser.value(saveCompilation);
    if (parser.isSet(output) && options.output.isEmpty())
        usageError(text(QT_TRANSLATE_NOOP("cli::BuildCommand", "no output given (-o OUTPUT)")));
    if (parser.isSet(compilation)) {
        if (!options.roms.isEmpty() || parser.isSet(numbered) || parser.isSet(sorted) ||
            parser.isSet(menu) || parser.isSet(saveCompilation))
            usageError(text(QT_TRANSLATE_NOOP(
                "cli::BuildCommand", "--compilation takes the roms, the menu and its options "
                                     "from the file: it cannot be combined with ROMs, "
                                     "--numbered, --sorted, --menu or --save-compilation")));
        return options;
    }
    if (options.output.isEmpty() && options.saveCompilationFile.isEmpty())
        usageError(text(QT_TRANSLATE_NOOP("cli::BuildCommand", "no output given (-o OUTPUT)")));
    if (options.roms.isEmpty())
        usageError(text(QT_TRANSLATE_NOOP("cli::BuildCommand", "no ROM given")));
    if (parser.isSet(menu) && (options.numbered || options.sorted))
        usageError(text(QT_TRANSLATE_NOOP("cli::BuildCommand",
                                          "--menu takes the menu lines as they are: it cannot be "
                                          "combined with --numbered or --sorted")));
    return options;
}

// The roms' one directory and the roms in the order given.
void collectRoms(const QStringList& paths, builder::Compilation& compilation)
{
    for (const QString& path : paths) {
        const QFileInfo rom(path);
        const QString romDirectory = platform::nativeDirectory(rom.absolutePath());
        if (compilation.romCount() == 0) {
            compilation.setRomsDirectory(romDirectory);
        } else if (romDirectory != compilation.romsDirectory() &&
                   !platform::namesSameFile(romDirectory, compilation.romsDirectory())) {
            fail(text(QT_TRANSLATE_NOOP(
                          "cli::BuildCommand",
                          "all NES roms have to be in the same directory: %1 and %2 are not"))
                     .arg(paths.constFirst(), path));
        }
        if (!compilation.addRom(rom.fileName()))
            usageError(text(QT_TRANSLATE_NOOP("cli::BuildCommand", "%1 is given twice")).arg(path));
    }
}

// One menu line per line of the file: LF or CR LF ends a line, a last line
// may go without; the bytes reach the menu script as they are.
QStringList readMenuFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(text(QT_TRANSLATE_NOOP("cli::BuildCommand", "cannot read the menu file %1: %2"))
                 .arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(text(QT_TRANSLATE_NOOP("cli::BuildCommand", "cannot read the menu file %1: %2"))
                 .arg(path, file.errorString()));
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
builder::BuildHooks commandLineHooks(const Options& options, const GivenPaths& given,
                                     QString& declined)
{
    builder::BuildHooks hooks;
    hooks.replaceOtherFile = [&options, &given, &declined](const QString& outputPath) {
        if (!options.force)
            declined = otherFileRefusal(given.path(outputPath));
        return options.force;
    };
    hooks.nonRomRefused = !options.allowNonRom;
    hooks.writeNonRom = [&given](const QStringList& romFileNames) {
        for (const QString& name : romFileNames)
            printMessage(nonRomWarning(given.rom(name)));
        return true;
    };
    hooks.writeOversizeImage = [](qint64 imageLength) {
        printMessage(oversizeWarning(builder::kbRoundedUp(imageLength)));
        return true;
    };
    // Every rom has to be readable now, rather than fail halfway through the build.
    hooks.unreadableRomRefused = true;
    return hooks;
}

// A menu file's lines as the roms' titles and menu fields: what stands
// before a line's first "|" is the title, the rest its fields, so the menu
// lines come out exactly as the file has them.
void takeMenuLines(const QStringList& lines, const QString& menuFile,
                   builder::Compilation& compilation)
{
    if (lines.size() != compilation.romCount())
        fail(text(QT_TRANSLATE_NOOP("cli::BuildCommand",
                                    "the menu file %1 has %2 for %3: one line per rom"))
                 .arg(menuFile,
                      lines.size() == 1 ? text(QT_TRANSLATE_NOOP("cli::BuildCommand", "1 line"))
                                        : text(QT_TRANSLATE_NOOP("cli::BuildCommand", "%1 lines"))
                                              .arg(lines.size()),
                      compilation.romCount() == 1
                          ? text(QT_TRANSLATE_NOOP("cli::BuildCommand", "1 rom"))
                          : text(QT_TRANSLATE_NOOP("cli::BuildCommand", "%1 roms"))
                                .arg(compilation.romCount())));
    for (qsizetype position = 0; position < lines.size(); ++position) {
        const QString& line = lines.at(position);
        const qsizetype bar = line.indexOf(QLatin1Char('|'));
        const QString title = bar < 0 ? line : line.left(bar);
        const QStringList fields =
            bar < 0 ? QStringList() : line.mid(bar + 1).split(QLatin1Char('|'));
        // Held to what a compilation file may hold; a "|" only separates fields here.
        builder::MenuTextFault fault = builder::menuTextFault(title, builder::MenuTextPart::Title);
        for (const QString& field : fields) {
            if (fault == builder::MenuTextFault::None)
                fault = builder::menuTextFault(field, builder::MenuTextPart::Field);
        }
        if (fault == builder::MenuTextFault::LineBreak)
            fail(text(QT_TRANSLATE_NOOP("cli::BuildCommand",
                                        "line %1 of the menu file %2 holds a line break"))
                     .arg(position + 1)
                     .arg(menuFile));
        if (fault != builder::MenuTextFault::None)
            fail(text(QT_TRANSLATE_NOOP("cli::BuildCommand",
                                        "line %1 of the menu file %2 holds a control character"))
                     .arg(position + 1)
                     .arg(menuFile));
        compilation.setMenuTitle(position, title);
        if (bar >= 0)
            compilation.setMenuFields(position, fields);
    }
}

// The compilation the arguments describe, as the wizard would make it:
// titles as stored for the roms, else their file names.
builder::Compilation compilationOf(const Options& options, const ProgramFiles& files)
{
    if (!options.compilationFile.isEmpty())
        return builder::readCompilationFile(options.compilationFile);
    builder::Compilation compilation;
    collectRoms(options.roms, compilation);
    if (options.menuFile.isEmpty()) {
        const settings::SettingsFile settings(files.settings());
        compilation.fillMissingTitles(
            [&settings](const QString& name) { return settings::storedTitle(settings, name); });
    } else {
        takeMenuLines(readMenuFile(options.menuFile), options.menuFile, compilation);
    }
    compilation.setNumbered(options.numbered);
    compilation.setSorted(options.sorted);
    return compilation;
}

// How the build's files were given: the roms and the output as on the
// command line; those a compilation file names, by their full paths.
GivenPaths givenPaths(const Options& options, const builder::Compilation& compilation,
                      const QString& outputPath)
{
    GivenPaths given;
    const QString& directory = compilation.romsDirectory();
    if (options.roms.isEmpty()) {
        for (const builder::CompilationRom& rom : compilation.roms())
            given.addRom(directory, rom.fileName, platform::joinPath(directory, rom.fileName));
    }
    for (const QString& path : options.roms)
        given.addRom(directory, QFileInfo(path).fileName(), path);
    given.add(outputPath, options.output.isEmpty() ? outputPath : options.output);
    return given;
}

void runBuild(const Options& options)
{
    const ProgramFiles files = ProgramFiles::ofThisProgram();
    builder::Compilation compilation = compilationOf(options, files);
    // A compilation of no roms is refused as a command line of none.
    if (compilation.romCount() == 0)
        usageError(text(QT_TRANSLATE_NOOP("cli::BuildCommand", "no ROM given")));
    if (!options.output.isEmpty()) {
        const QFileInfo output(options.output);
        compilation.outputDirectory = platform::nativeDirectory(output.absolutePath());
        compilation.outputName = output.fileName();
    }
    if (!options.saveCompilationFile.isEmpty()) {
        builder::writeCompilationFile(options.saveCompilationFile, compilation);
        if (options.output.isEmpty())
            return; // saved only
    }
    if (compilation.outputName.isEmpty())
        usageError(text(QT_TRANSLATE_NOOP("cli::BuildCommand",
                                          "the compilation %1 names no GBA rom: give -o OUTPUT"))
                       .arg(options.compilationFile));
    if (!QFileInfo(files.baseRom()).isFile())
        fail(text(QT_TRANSLATE_NOOP("cli::BuildCommand", "cannot find %1 in %2"))
                 .arg(ProgramFiles::BaseRomName, files.directory()));

    const builder::BuildRequest request = compilation.buildRequest(
        files, QDir::toNativeSeparators(QFileInfo(compilation.outputPath()).absoluteFilePath()));
    const GivenPaths given = givenPaths(options, compilation, request.outputPath);
    // Each run starts its own log, as each wizard run does.
    builder::BuildLog log(request.files.log());
    TerminalProgress progress(platform::standardErrorIsTerminal());
    QString declined;
    const builder::BuildResult result =
        builder::build(request, progress, log, commandLineHooks(options, given, declined));
    if (result.outcome == builder::BuildResult::Outcome::Declined)
        fail(declined);
    if (result.outcome == builder::BuildResult::Outcome::Written ||
        result.outcome == builder::BuildResult::Outcome::Failed)
        progress.finish(result.written() ? builder::BuildStatus::Completed
                                         : builder::BuildStatus::Failed);
    if (!result.written())
        fail(notWrittenLines(result.problems, given));
    // What the build logged (roms cut or repaired), as it goes into the log.
    if (!options.quiet) {
        for (const QString& message : result.report.logMessages)
            printMessage(message);
    }
    // Where the GBA rom went, on standard output: a script may take it from there.
    printMessage(stdout, {writtenNotice(request.outputPath)});
}

} // namespace

int runBuildCommand(const QStringList& arguments)
{
    try {
        const Options options = parseArguments(arguments);
        if (!options.printOnly.isEmpty()) {
            print(stdout, options.printOnly);
            return 0;
        }
        runBuild(options);
        return 0;
    } catch (const CommandFailure& failure) {
        printMessage(stderr, failure.lines);
        if (failure.status == UsageError)
            printLine(commandUsage());
        return failure.status;
    } catch (const std::exception& error) {
        printMessage(uncaughtErrorClause(error));
        return BuildFailed;
    }
}

} // namespace cli
