// Times the settings store on a file with 5,000 stored titles: the title
// lookup the image writer makes once per rom, and single reads and writes.

#include "settings/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace settings;

namespace
{

constexpr int titleCount = 5000;
constexpr int runs = 201;

QByteArray romName(int i)
{
    return "game" + QByteArray::number(i).rightJustified(4, '0') + ".nes";
}

QByteArray title(int i)
{
    return "Some title " + QByteArray::number(i);
}

double medianMs(const std::function<void()>& work)
{
    std::vector<double> times;
    times.reserve(runs);
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("Romweaver.ini");
    QByteArray text = "[Settings]\r\nNESRomsDir=/home/user/roms/nes\r\n[Titles]\r\n";
    for (int i = 0; i < titleCount; ++i)
        text += romName(i) + "=" + title(i) + "\r\n";
    text += "[Options]\r\n1=Fast\r\n2=Slow\r\n";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return 1;
    file.close();

    SettingsFile settings(path);
    const QList<QByteArray> listing = settings.ListKeys("Titles");
    const int listed = int(listing.size());
    // The name that crosses the listing's byte limit is cut short and so not found.
    const int lastWhole = listing.back() == romName(listed - 1) ? listed - 1 : listed - 2;
    std::printf("settings file: %d titles, %lld bytes; the Titles listing holds %d keys\n",
                titleCount, static_cast<long long>(text.size()), listed);
    std::printf("median of %d runs, ms\n", runs);

    struct Lookup {
        const char* what;
        QByteArray title;
    };
    const Lookup lookups[] = {
        {"first title", title(0)},
        {"last listed title", title(lastWhole)},
        {"middle title", title(titleCount / 2)},
        {"last title", title(titleCount - 1)},
        {"missing title", "No such title"},
    };
    for (const Lookup& lookup : lookups) {
        QByteArray result;
        const double ms = medianMs([&] { result = settings.FileNameForTitle(lookup.title); });
        std::printf("FileNameForTitle %-18s %8.3f  -> %s\n", lookup.what, ms, result.constData());
    }

    std::printf("ReadValue Settings/NESRomsDir     %8.3f\n",
                medianMs([&] { settings.ReadValue("Settings", "NESRomsDir", ""); }));
    std::printf("ReadValue last title              %8.3f\n",
                medianMs([&] { settings.ReadValue("Titles", romName(titleCount - 1), ""); }));
    std::printf("ListPairs Options                 %8.3f\n",
                medianMs([&] { settings.ListPairs("Options"); }));
    int round = 0;
    std::printf("WriteValue title in place         %8.3f\n", medianMs([&] {
                    settings.WriteValue("Titles", romName(titleCount / 2),
                                        "Changed " + QByteArray::number(++round));
                }));
    std::printf("WriteValue Settings/NESRomsDir    %8.3f\n", medianMs([&] {
                    settings.WriteValue("Settings", "NESRomsDir",
                                        "/roms/" + QByteArray::number(++round));
                }));
    return 0;
}
