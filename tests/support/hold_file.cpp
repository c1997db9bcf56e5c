// "Another program" for the tests: opens the file named on its command line,
// prints "held" and keeps the file open until its standard input ends.
// On Windows it opens the file as an ordinary program does (sharing read and
// write), which a file opened without sharing must still not get past; elsewhere
// it takes the same advisory lock the program takes.
#include "platform/ExclusiveFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <memory>

using namespace platform;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: hold_file <path>\n", stderr);
        return 2;
    }
#ifdef Q_OS_WIN
    QFile file(arguments.at(1));
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        std::fprintf(stderr, "%s\n", qPrintable(file.errorString()));
        return 1;
    }
#else
    std::unique_ptr<ExclusiveFile> file;
    try {
        file = std::make_unique<ExclusiveFile>(arguments.at(1), ExclusiveFile::Mode::ReadExisting);
    } catch (const FileError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
#endif
    std::puts("held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
