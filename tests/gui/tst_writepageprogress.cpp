// The write page's progress reporter: every value reaches its control in
// order, painting happens at most once per frame, and the last values are
// painted when the reporter goes.

#include "wizard/WritePageProgress.h"

#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QWidget>

using namespace wizard;

namespace
{

// Records the text or value each control shows whenever it is painted.
class PaintRecorder : public QObject
{
public:
    QStringList painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            if (auto* label = qobject_cast<QLabel*>(watched))
                painted << label->text();
            else if (auto* bar = qobject_cast<QProgressBar*>(watched))
                painted << QString::number(bar->value());
        }
        return false;
    }
};

} // namespace

class TestWritePageProgress : public QObject
{
    Q_OBJECT

private slots:
    void paintsOncePerFrameAndAtTheEnd();
};

void TestWritePageProgress::paintsOncePerFrameAndAtTheEnd()
{
    QWidget page;
    auto* bar = new QProgressBar(&page);
    bar->setRange(0, 100);
    bar->setValue(0);
    auto* progress = new QLabel(QStringLiteral("0 % done"), &page);
    auto* status = new QLabel(QStringLiteral("Writing GBA rom..."), &page);
    progress->move(0, 40);
    status->move(0, 80);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    PaintRecorder recorder;
    for (QWidget* control : std::initializer_list<QWidget*>{bar, progress, status})
        control->installEventFilter(&recorder);
    QList<int> barValues;
    connect(bar, &QProgressBar::valueChanged, this, [&](int value) { barValues << value; });

    qint64 now = 1000;
    {
        WritePageProgress reporter(bar, progress, status, [&] { return now; });
        for (int step = 1; step <= 5; ++step) {
            reporter.setPosition(reporter.position() + 30);
            reporter.setProgressText(QString::number(reporter.position()) +
                                     QStringLiteral(" % done"));
            reporter.setStatusText(QStringLiteral("rom %1").arg(step));
            // Each value is the control's at once, painted or not.
            QCOMPARE(bar->value(), qMin(30 * step, 100));
            QCOMPARE(progress->text(), QStringLiteral("%1 % done").arg(qMin(30 * step, 100)));
            QCOMPARE(status->text(), QStringLiteral("rom %1").arg(step));
            if (step == 1) { // the first change is painted at once
                QCOMPARE(recorder.painted.value(0), QStringLiteral("30"));
                recorder.painted.clear();
            }
            if (step == 2)
                QVERIFY(recorder.painted.isEmpty()); // within the first frame
            if (step == 3)
                now += WritePageProgress::FrameMs; // a frame passes before step 4
        }
        // Step 4's first change painted all three; nothing since.
        QCOMPARE(recorder.painted, (QStringList{"100", "90 % done", "rom 3"}));
        recorder.painted.clear();
    }
    // The reporter paints the last values as it goes.
    QCOMPARE(recorder.painted, (QStringList{"100", "100 % done", "rom 5"}));
    QCOMPARE(barValues, (QList<int>{30, 60, 90, 100}));
    QVERIFY(bar->updatesEnabled() && progress->updatesEnabled() && status->updatesEnabled());
}

QTEST_MAIN(TestWritePageProgress)
#include "tst_writepageprogress.moc"
