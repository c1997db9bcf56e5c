// "Another window" writing the same settings file: writes count keys
// "<prefix><n>" with the value "v<n>" into section Titles of the file named on
// its command line. Exit status 1 at the first failed write.
#include "settings/SettingsFile.h"

#include <QCoreApplication>

#include <cstdio>

using namespace settings;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        std::fputs("usage: write_settings <ini> <prefix> <count>\n", stderr);
        return 2;
    }
    SettingsFile settings(arguments.at(1));
    const QByteArray prefix = arguments.at(2).toLocal8Bit();
    try {
        for (int n = 0, count = arguments.at(3).toInt(); n < count; ++n)
            settings.WriteValue("Titles", prefix + QByteArray::number(n),
                                "v" + QByteArray::number(n));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
