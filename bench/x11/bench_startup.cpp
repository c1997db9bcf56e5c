// Start-up time on X11: from starting the process to its main window being
// mapped, for Romweaver and, as the reference in the same run, a bare Qt
// Widgets window. The time is taken by this process, which watches the X
// server for the map, so nothing inside the programs is changed for it.
//
//   DISPLAY=:94 bench_startup [runs]
//
// Romweaver starts in a working directory that is empty, then holds 100 and
// 200 subdirectories (its directory lists show the working directory).

#include "../BenchReport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <xcb/xcb.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

class MapWatcher
{
public:
    MapWatcher()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            qFatal("cannot connect to the X server: set DISPLAY (e.g. Xvfb :94 & DISPLAY=:94)");
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }
    ~MapWatcher() { xcb_disconnect(m_connection); }

    void drain()
    {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
            std::free(event);
    }

    // Waits for the next top-level window (not a popup) to be mapped.
    bool waitForMap(int timeoutMs)
    {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                const bool mapped =
                    (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                    !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
                std::free(event);
                if (mapped)
                    return true;
            }
            const int left = timeoutMs - int(waited.elapsed());
            if (left <= 0)
                return false;
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, left);
        }
    }

private:
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
};

pid_t launch(const QString& program, const QString& workingDirectory, const char* argument)
{
    const QByteArray path = QFile::encodeName(program);
    const QByteArray directory = QFile::encodeName(workingDirectory);
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(directory.constData()) != 0)
            _exit(127);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 1);
        dup2(null, 2);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        execl(path.constData(), path.constData(), argument, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// The CPU time a process's threads have had so far, in milliseconds: less
// swayed by other work on the machine than the elapsed time.
double cpuMs(pid_t pid)
{
    double total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (schedstat.open(QIODevice::ReadOnly))
            total += schedstat.readAll().split(' ').value(0).toDouble() / 1e6;
    }
    return total;
}

// The CPU time of the last program timed until its window was mapped.
double lastCpuMs = 0;

// Milliseconds from starting the program to its window being mapped.
double timeToMap(MapWatcher& watcher, const QString& program, const QString& workingDirectory,
                 const char* argument = nullptr)
{
    watcher.drain();
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = launch(program, workingDirectory, argument);
    const bool mapped = watcher.waitForMap(20000);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    lastCpuMs = cpuMs(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    if (!mapped)
        qFatal("%s mapped no window", qPrintable(program));
    return ms;
}

void makeSubdirectories(const QString& parent, int count)
{
    for (int i = 0; i < count; ++i)
        QDir(parent).mkpath(QStringLiteral("folder%1").arg(i, 4, 10, QLatin1Char('0')));
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    MapWatcher watcher;

    // Romweaver needs Tessel.GBA beside its executable: run a copy from a
    // program directory of its own.
    QTemporaryDir temp;
    const QDir root(temp.path());
    root.mkpath(QStringLiteral("program"));
    const QString romweaver = root.filePath(QStringLiteral("program/Romweaver"));
    if (!QFile::copy(QStringLiteral(ROMWEAVER_EXECUTABLE), romweaver))
        qFatal("cannot copy %s", ROMWEAVER_EXECUTABLE);
    QFile baseRom(root.filePath(QStringLiteral("program/Tessel.GBA")));
    if (!baseRom.open(QIODevice::WriteOnly) || baseRom.write(QByteArray(256 * 1024, 'b')) <= 0)
        qFatal("cannot write the base rom");
    baseRom.close();
    const QString bare = QStringLiteral(BARE_WINDOW_EXECUTABLE);

    struct Scenario {
        QString name;
        int subdirectories;
    };
    const Scenario scenarios[] = {
        {QStringLiteral("empty working directory"), 0},
        {QStringLiteral("working directory with 100 subdirectories"), 100},
        {QStringLiteral("working directory with 200 subdirectories"), 200},
    };
    std::printf("start-up to the main window mapped (X11), median of %d paired runs\n", runs);
    bool allMet = true;
    QList<bench::Paired> results;
    for (const Scenario& scenario : scenarios) {
        const QString directory =
            root.filePath(QStringLiteral("work%1").arg(scenario.subdirectories));
        root.mkpath(directory);
        makeSubdirectories(directory, scenario.subdirectories);
        QList<double> ourCpu, bareCpu;
        const bench::Paired measured = bench::pairedRuns(
            runs, [] {},
            [&] {
                const double ms = timeToMap(watcher, romweaver, directory);
                ourCpu << lastCpuMs;
                return ms;
            },
            [&] {
                const double ms = timeToMap(watcher, bare, directory);
                bareCpu << lastCpuMs;
                return ms;
            });
        results << measured;
        allMet &= bench::printRow(QStringLiteral("Romweaver, ") + scenario.name, measured,
                                  QStringLiteral("bare Qt Widgets window"), 2.0);
        bench::printRow(QStringLiteral("  its CPU time until mapped"),
                        {bench::median(ourCpu), bench::median(bareCpu)},
                        QStringLiteral("the bare window's"), 0.0);
    }
    // Any window that shows text starts the font system (fontconfig), which the
    // bare window never does: a second reference, for the record.
    const QString directory = root.filePath(QStringLiteral("work0"));
    const bench::Paired withText = bench::pairedRuns(
        runs, [] {}, [&] { return timeToMap(watcher, romweaver, directory); },
        [&] { return timeToMap(watcher, bare, directory, "--label"); });
    bench::printRow(QStringLiteral("Romweaver, empty working directory"), withText,
                    QStringLiteral("bare window with one label"), 0.0);
    std::printf("growth with the directory's size: 100 -> 200 subdirectories x%.2f, empty -> 200 "
                "x%.2f\n",
                results[2].figure / results[1].figure, results[2].figure / results[0].figure);
    return allMet ? 0 : 1;
}
