// Times a compilation file of 10,000 roms, the most one may list (0.9 MB): reading it, beside the
// JSON parse alone it cannot do without, and a build refused for every rom
// missing (each problem named once), beside the survey of the same roms.

#include "BenchReport.h"
#include "SilentProgress.h"
#include "builder/Build.h"
#include "builder/BuildLog.h"
#include "builder/CompilationFile.h"
#include "builder/ImageSurvey.h"
#include "platform/Paths.h"
#include "platform/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

constexpr int RomCount = 10000;
constexpr int Runs = 5;

QByteArray compilationText()
{
    QByteArray text = R"({"format": "romweaver-compilation", "version": 1, "romFolder": "roms", )"
                      R"("roms": [)";
    for (int i = 0; i < RomCount; ++i)
        text += (i ? ",\n" : "") + QByteArray(R"({"file": "Some rom of mine )") +
                QByteArray::number(i) + R"(.nes", "title": "Some rom of mine )" +
                QByteArray::number(i) + R"(", "size": 40976, "crc32": "01c0ffee"})";
    return text + R"(], "output": {"folder": "out", "name": "nes.gba"}})";
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QDir top(dir.path());
    top.mkdir(QStringLiteral("roms"));
    top.mkdir(QStringLiteral("out"));
    top.mkdir(QStringLiteral("program"));
    const QString path = top.filePath(QStringLiteral("many.romweaver"));
    const QByteArray text = compilationText();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return 1;
    file.close();
    QFile base(top.filePath(QStringLiteral("program/Tessel.GBA")));
    if (!base.open(QIODevice::WriteOnly) || base.write("base") != 4)
        return 1;
    base.close();

    builder::Compilation compilation;
    const bench::Paired reading = bench::pairedRuns(
        Runs, [] {},
        [&] { return bench::timeMs([&] { compilation = builder::readCompilationFile(path); }); },
        [&] { return bench::timeMs([&] { (void)QJsonDocument::fromJson(text); }); });
    std::printf("%d roms, %lld bytes: read in %.0f ms; the JSON parse alone %.0f ms (x%.2f)\n",
                int(compilation.romCount()), static_cast<long long>(text.size()), reading.figure,
                reading.reference, reading.ratio());

    const platform::ProgramFiles files(
        platform::nativeDirectory(top.filePath(QStringLiteral("program"))) +
        platform::pathSeparator());
    const builder::BuildRequest request = compilation.buildRequest(files);
    builder::BuildHooks hooks;
    hooks.unreadableRomRefused = true;
    qsizetype problems = 0;
    const bench::Paired refusing = bench::pairedRuns(
        Runs, [] {},
        [&] {
            return bench::timeMs([&] {
                bench::SilentProgress progress;
                builder::BuildLog log(files.log());
                problems = builder::build(request, progress, log, hooks).problems.size();
            });
        },
        [&] { return bench::timeMs([&] { (void)builder::surveyImage(request); }); });
    std::printf("a build of them all missing: refused in %.0f ms naming %lld problems; their "
                "survey alone %.0f ms (x%.2f)\n",
                refusing.figure, static_cast<long long>(problems), refusing.reference,
                refusing.ratio());
    return 0;
}
