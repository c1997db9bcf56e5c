// The window that grows: the documented geometry at the first showing, the
// controls at a larger size, the size kept across runs, texts that do not fit.

#include "WizardFixture.h"

#include "wizard/UnitNewOption.h"
#include "wizard/controls/FilterComboBox.h"
#include "wizard/controls/PathLabel.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QScreen>
#include <QStyleFactory>

#include <memory>

class TestWindowGrowth : public QObject
{
    Q_OBJECT

private slots:
    void documentedGeometryAtFirstShowing_data();
    void documentedGeometryAtFirstShowing();
    void largerWindowGivesTheListsTheRoom_data();
    void largerWindowGivesTheListsTheRoom();
    void sizeKeptAcrossRuns();
    void storedSizeKeptWithinLimits_data();
    void storedSizeKeptWithinLimits();
    void dialogGrowsWider();
    void longPathElidedWithWholeTextKept_data();
    void longPathElidedWithWholeTextKept();
    void filterListAsWideAsLongestEntry();
};

namespace
{

// A control by its parent's name and its own ("grpStep1/lstNESRoms"): the
// pages' controls share names (Label1 is on page 2 and in a dialog).
QWidget* controlAt(const QString& path)
{
    QWidget* widget = frmRomweaver;
    for (const QString& name : path.split(QLatin1Char('/'))) {
        widget = widget->findChild<QWidget*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(path));
    }
    return widget;
}

// Starts with a rom selected and walks to the page of step.
void goToStep(WizardFixture& wizard, int step)
{
    for (int next = 1; next < step; ++next)
        wizard.click("btnNext");
}

void resizeOuter(QWidget* window, const QSize& outer)
{
    window->resize(outer - (window->frameGeometry().size() - window->size()));
}

QString iniText(const WizardFixture& wizard)
{
    return QString::fromLocal8Bit(wizard.iniBytes());
}

} // namespace

void TestWindowGrowth::documentedGeometryAtFirstShowing_data()
{
    // A width of 0: a label, whose place alone is documented.
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("place");
    const auto row = [](const char* control, int x, int y, int width = 0, int height = 0) {
        QTest::newRow(control) << QString::fromLatin1(control) << QRect(x, y, width, height);
    };
    row("btnAbout", 416, 224, 75, 25);
    row("btnPrevious", 512, 224, 75, 25);
    row("btnNext", 608, 224, 75, 25);
    row("btnCompilation", 16, 224, 100, 25);
    row("cartridgeView", 128, 228, 272, 17);
    row("grpStep1/lblCurrentDir", 16, 24);
    row("grpStep1/DirectoryListBox1", 16, 48, 145, 97);
    row("grpStep1/DriveComboBox1", 16, 160, 145, 19);
    row("grpStep1/FileListBox1", 176, 48, 145, 97);
    row("grpStep1/FilterComboBox1", 176, 160, 145, 21);
    row("grpStep1/btnSelectRoms", 336, 48, 25, 25);
    row("grpStep1/btnClear", 336, 88, 25, 25);
    row("grpStep1/lstNESRoms", 376, 48, 273, 97);
    row("grpStep1/lblTotalRoms", 376, 152);
    row("grpStep1/lblTotalSize", 376, 168);
    row("grpStep2/Label4", 16, 24);
    row("grpStep2/lstRomTitles", 16, 40, 209, 97);
    row("grpStep2/txtRomTitle", 16, 152, 145, 21);
    row("grpStep2/btnChangeTitle", 176, 152, 49, 25);
    row("grpStep2/chkNumbering", 240, 40, 105, 17);
    row("grpStep2/chkSorted", 240, 64, 89, 17);
    row("grpStep2/Label2", 400, 24);
    row("grpStep2/lstPreview", 400, 40, 241, 137);
    row("grpStep2/Label5", 376, 48);
    row("grpStep2/Label6", 376, 144);
    row("grpStep3/Label7", 16, 24);
    row("grpStep3/lstOptions", 16, 40, 209, 97);
    row("grpStep3/txtOption", 16, 152, 209, 21);
    row("grpStep3/btnAddToMenuItem", 240, 40, 121, 21);
    row("grpStep3/btnRemoveOptions", 264, 65, 97, 21);
    row("grpStep3/btnAddSpriteNumber", 256, 91, 105, 21);
    row("grpStep3/btnNewOption", 240, 116, 97, 21);
    row("grpStep3/btnChangeOption", 240, 152, 65, 25);
    row("grpStep3/btnDeleteOption", 312, 152, 49, 25);
    row("grpStep3/Label9", 400, 24);
    row("grpStep3/lstTitleAndOptions", 400, 40, 241, 137);
    row("grpStep3/Label12", 376, 144);
    row("grpStep4/Label15", 16, 24);
    row("grpStep4/DirectoryListBox2", 16, 48, 145, 97);
    row("grpStep4/DriveComboBox2", 16, 160, 145, 19);
    row("grpStep4/Label13", 184, 24);
    row("grpStep4/txtGBARom", 184, 48, 209, 21);
    row("grpStep4/btnWrite", 184, 88, 75, 57);
    row("grpStep4/lblStatus", 272, 112);
    row("grpStep4/ProgressBar1", 184, 160, 369, 19);
    row("grpStep4/lblProgress", 560, 163);
    row("frmNewOption/grpNewOption", 8, 8, 321, 121);
    row("grpNewOption/Label1", 16, 24);
    row("grpNewOption/txtNewOption", 16, 40, 289, 21);
    row("grpNewOption/lblDescription", 16, 72);
    row("grpNewOption/btnCancel", 136, 72, 75, 25);
    row("grpNewOption/btnAdd", 232, 72, 75, 25);
    row("frmAddSpriteNumber/grpAddSpriteNumber", 8, 8, 321, 121);
    row("grpAddSpriteNumber/Label2", 16, 16);
    row("grpAddSpriteNumber/Label1", 16, 32);
    row("grpAddSpriteNumber/txtAddSpriteNumber", 16, 48, 289, 21);
    row("grpAddSpriteNumber/btnCancel", 136, 80, 75, 25);
    row("grpAddSpriteNumber/btnAdd", 232, 80, 75, 25);
}

void TestWindowGrowth::documentedGeometryAtFirstShowing()
{
    QFETCH(QString, control);
    QFETCH(QRect, place);
    WizardFixture wizard;
    wizard.start();
    QCOMPARE(frmRomweaver->frameGeometry().size(), QSize(700, 300));
    QCOMPARE(frmRomweaver->minimumSize(), frmRomweaver->size());
    QVERIFY(frmRomweaver->windowFlags() & Qt::WindowMaximizeButtonHint);
    QWidget* widget = controlAt(control);
    if (place.width() == 0) {
        QCOMPARE(widget->pos(), place.topLeft());
        // The label's text has the room it needs.
        QVERIFY(widget->width() >= widget->sizeHint().width());
    } else if (qobject_cast<QCheckBox*>(widget)) {
        // A check box is wider where its text needs it.
        QCOMPARE(widget->pos(), place.topLeft());
        QCOMPARE(widget->height(), place.height());
        QVERIFY(widget->width() >= qMax(place.width(), widget->sizeHint().width()));
    } else {
        QCOMPARE(widget->geometry(), place);
    }
    for (const char* dialog : {"frmNewOption", "frmAddSpriteNumber"}) {
        auto* window = controlAt(QString::fromLatin1(dialog));
        QCOMPARE(window->size(), QSize(337, 137));
        QCOMPARE(window->minimumSize(), QSize(337, 137));
    }
}

void TestWindowGrowth::largerWindowGivesTheListsTheRoom_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QStringList>("lists");
    QTest::newRow("rom selection")
        << 1 << QStringList{"DirectoryListBox1", "FileListBox1", "lstNESRoms"};
    QTest::newRow("titles") << 2 << QStringList{"lstRomTitles", "lstPreview"};
    QTest::newRow("options") << 3 << QStringList{"lstOptions", "lstTitleAndOptions"};
    QTest::newRow("write") << 4 << QStringList{"DirectoryListBox2"};
}

void TestWindowGrowth::largerWindowGivesTheListsTheRoom()
{
    QFETCH(int, step);
    QFETCH(QStringList, lists);
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), "rom");
    wizard.start();
    wizard.selectRoms({QStringLiteral("a.nes")});
    goToStep(wizard, step);
    auto* page = wizard.control<QGroupBox>(qPrintable(QStringLiteral("grpStep%1").arg(step)));
    QHash<QWidget*, QSize> documented;
    for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        documented.insert(control, control->size());

    resizeOuter(frmRomweaver, QSize(1000, 600));
    const QSize extra = frmRomweaver->size() - frmRomweaver->minimumSize();
    QCOMPARE(extra, QSize(300, 300));
    QCOMPARE(page->geometry(), QRect(16, 16, 665 + 300, 193 + 300));
    // The shell's buttons keep their size at the bottom right.
    QCOMPARE(wizard.control<QPushButton>("btnNext")->geometry(),
             QRect(608 + 300, 224 + 300, 75, 25));

    QList<QWidget*> shown;
    for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isVisible())
            shown << control;
    }
    const QRect inside = page->rect().adjusted(3, 3, -3, -3);
    for (QWidget* control : shown) {
        QVERIFY2(inside.contains(control->geometry()), qPrintable(control->objectName()));
        if (qobject_cast<QAbstractButton*>(control))
            QCOMPARE(control->size(), documented.value(control));
        for (QWidget* other : shown) {
            QVERIFY2(
                control == other || !control->geometry().intersects(other->geometry()),
                qPrintable(control->objectName() + QStringLiteral(" over ") + other->objectName()));
        }
    }
    for (const QString& name : lists) {
        auto* list = page->findChild<QWidget*>(name);
        QVERIFY2(list->width() > documented.value(list).width() + 50, qPrintable(name));
        QVERIFY2(list->height() > documented.value(list).height() + 200, qPrintable(name));
    }
}

void TestWindowGrowth::sizeKeptAcrossRuns()
{
    WizardFixture wizard;
    wizard.start();
    QVERIFY(frmRomweaver->close());
    QVERIFY(!iniText(wizard).contains(QStringLiteral("WindowSize"))); // not changed: not written
    wizard::destroyForms();

    wizard.start();
    frmRomweaver->resize(750, 420);
    QVERIFY(frmRomweaver->close());
    QVERIFY(iniText(wizard).contains(QStringLiteral("WindowSize=750x420\r\n")));
    wizard::destroyForms();

    wizard.start();
    QTRY_COMPARE(frmRomweaver->size(), QSize(750, 420));
    // The layout fills it from the first showing: the shell's buttons at its bottom.
    for (const char* button : {"btnAbout", "btnPrevious", "btnNext", "btnCompilation"}) {
        const QWidget* control = wizard.control<QWidget>(button);
        QTRY_COMPARE(frmRomweaver->height() - control->geometry().bottom() - 1,
                     300 - 249 - (frmRomweaver->frameGeometry().height() - frmRomweaver->height()));
    }
}

void TestWindowGrowth::storedSizeKeptWithinLimits_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QSize>("expected"); // (0, 0): the smallest; (-1, -1): the screen
    QTest::newRow("too small") << QByteArray("100x100") << QSize(0, 0);
    QTest::newRow("larger than the screen") << QByteArray("5000x4000") << QSize(-1, -1);
    QTest::newRow("not a size") << QByteArray("wide") << QSize(0, 0);
    QTest::newRow("one side") << QByteArray("900x") << QSize(0, 0);
}

void TestWindowGrowth::storedSizeKeptWithinLimits()
{
    QFETCH(QByteArray, stored);
    QFETCH(QSize, expected);
    WizardFixture wizard;
    testfiles::makeFile(wizard.programDir.path(), QStringLiteral("Romweaver.ini"),
                        "[Settings]\r\nWindowSize=" + stored + "\r\n");
    wizard.start();
    const QSize frame = frmRomweaver->frameGeometry().size() - frmRomweaver->size();
    if (expected.isNull())
        expected = QSize(700, 300) - frame;
    else if (!expected.isValid())
        expected = frmRomweaver->screen()->availableGeometry().size() - frame;
    QTRY_COMPARE(frmRomweaver->size(), expected);
}

void TestWindowGrowth::dialogGrowsWider()
{
    WizardFixture wizard;
    wizard.start();
    frmNewOption->open(QStringLiteral("Option nr 1"));
    frmNewOption->resize(500, 300);
    QCOMPARE(frmNewOption->size(), QSize(500, 137)); // one line to type: no taller
    const int extra = 500 - 337;
    QCOMPARE(controlAt(QStringLiteral("grpNewOption/txtNewOption"))->geometry(),
             QRect(16, 40, 289 + extra, 21));
    QCOMPARE(controlAt(QStringLiteral("grpNewOption/btnAdd"))->geometry(),
             QRect(232 + extra, 72, 75, 25));
    frmNewOption->resize(200, 100);
    QCOMPARE(frmNewOption->size(), QSize(337, 137));
}

void TestWindowGrowth::longPathElidedWithWholeTextKept_data()
{
    QTest::addColumn<int>("depth"); // folders below the rom directory
    QTest::addColumn<bool>("elided");
    QTest::newRow("short") << 0 << false;
    QTest::newRow("long") << 6 << true;
}

void TestWindowGrowth::longPathElidedWithWholeTextKept()
{
    QFETCH(int, depth);
    QFETCH(bool, elided);
    WizardFixture wizard;
    QString directory = wizard.romsDirectory;
    for (int level = 0; level < depth; ++level)
        directory += QStringLiteral("/a folder with a rather long name %1").arg(level);
    QVERIFY(QDir().mkpath(directory));
    directory = QDir::toNativeSeparators(directory);
    QDir::setCurrent(directory);
    wizard.start();

    auto* label = wizard.control<wizard::PathLabel>("lblCurrentDir");
    const QString text = QStringLiteral("Current directory: ") + directory;
    QCOMPARE(label->text(), text);
    QCOMPARE(label->shownText() != text, elided);
    QCOMPARE(label->toolTip(), elided ? text : QString());
    if (elided) {
        QVERIFY(label->shownText().contains(QChar(0x2026)));
        QVERIFY(label->shownText().endsWith(QStringLiteral("name 5")));
        // Wide enough, the whole path shows again.
        resizeOuter(frmRomweaver, QSize(700 + label->sizeHint().width(), 300));
        QCOMPARE(label->shownText(), text);
        QCOMPARE(label->toolTip(), QString());
    }
}

void TestWindowGrowth::filterListAsWideAsLongestEntry()
{
    WizardFixture wizard;
    wizard.start();
    auto* filter = wizard.control<wizard::FilterComboBox>("FilterComboBox1");
    // A style that shows the list as a list, not a menu (Windows'): a menu
    // would be widened by Qt itself.
    const std::unique_ptr<QStyle> listStyle(QStyleFactory::create(QStringLiteral("Windows")));
    filter->setStyle(listStyle.get());
    // Longer than any font makes the selector's width.
    const QString longEntry =
        QStringLiteral("NES roms, also in archives of every kind Romweaver reads");
    filter->setFilter(QStringLiteral("NES roms|*.nes|") + longEntry + QStringLiteral("|*.*"));
    const int longest = filter->fontMetrics().horizontalAdvance(longEntry);
    QVERIFY(longest > filter->width());
    filter->showPopup();
    QTRY_VERIFY(filter->view()->isVisible());
    QVERIFY(filter->view()->viewport()->width() >= longest);
    filter->hidePopup();
    // The chosen entry, cut on the selector, is whole in its tooltip.
    filter->setCurrentIndex(1);
    QCOMPARE(filter->toolTip(), longEntry);
    filter->setStyle(nullptr);
}

QTEST_MAIN(TestWindowGrowth)
#include "tst_windowgrowth.moc"
