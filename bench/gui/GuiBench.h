#pragma once

// What the window benchmarks share: the platform they run on, and the wizard
// started the way the program starts it, over a temporary program directory.

#include "../BenchReport.h"

#include "platform/Paths.h"
#include "wizard/Startup.h"
#include "wizard/UnitRomweaver.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace bench
{

// X11 where a display is given, else Qt's offscreen platform. Call before the
// QApplication is made.
inline void choosePlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
}

inline void printPlatform(bool measuredOnX11)
{
    const QString platform = QGuiApplication::platformName();
    std::printf("platform: %s%s\n", qPrintable(platform),
                measuredOnX11 && platform != QStringLiteral("xcb")
                    ? " (these rows are measured on X11: set DISPLAY, e.g. Xvfb :94)"
                    : "");
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The program's windows over a program directory holding a base rom, started
// in the given working directory.
class Wizard
{
public:
    Wizard()
    {
        programDirectory =
            platform::nativeDirectory(m_programDir.path()) + platform::pathSeparator();
        writeFile(programDirectory + QStringLiteral("Tessel.GBA"), QByteArray(256 * 1024, 'b'));
    }
    ~Wizard() { wizard::destroyForms(); }

    TfrmRomweaver* start(const QString& workingDirectory)
    {
        // A benchmark answers no boxes: one that opens would stop the run.
        m_boxWatch.setInterval(200);
        QObject::connect(&m_boxWatch, &QTimer::timeout, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                qFatal("a modal window opened: %s", qPrintable(box->windowTitle()));
        });
        m_boxWatch.start();
        QDir::setCurrent(workingDirectory);
        wizard::createForms(platform::ProgramFiles(programDirectory));
        frmRomweaver->show();
        QApplication::processEvents();
        return frmRomweaver;
    }

    template <typename T> T* control(const char* name) const
    {
        T* widget = frmRomweaver->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    QString programDirectory;

private:
    QTemporaryDir m_programDir;
    QTimer m_boxWatch;
};

} // namespace bench
