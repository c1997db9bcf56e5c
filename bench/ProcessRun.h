#pragma once

// Runs a whole process the way the process benchmarks time it: its standard
// output into a file (or /dev/null), its standard error to /dev/null (its
// warnings are not timed), and its elapsed and CPU (user + system) time.

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

struct ProcessUsage {
    double elapsedMs = 0;
    double cpuMs = 0;
};

inline ProcessUsage runProcess(const QList<QByteArray>& command, const QByteArray& stdoutPath = {})
{
    std::vector<char*> args;
    for (const QByteArray& arg : command)
        args.push_back(const_cast<char*>(arg.constData()));
    args.push_back(nullptr);
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        const int out = stdoutPath.isEmpty()
                            ? null
                            : open(stdoutPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || dup2(out, 1) < 0 || dup2(null, 2) < 0)
            _exit(126);
        execv(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("%s failed", command.front().constData());
    auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return {elapsed, ms(usage.ru_utime) + ms(usage.ru_stime)};
}
