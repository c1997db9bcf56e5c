// The look the pixel layout was made for: group box captions set into the
// frame's top line, no control on a frame line, button captions clear of the
// button's edges.

#include "WizardFixture.h"

#include "wizard/UnitAddSpriteNumber.h"
#include "wizard/UnitNewOption.h"

#include <QGroupBox>
#include <QImage>
#include <QStyleOptionGroupBox>

#include <optional>

using namespace platform;
using namespace builder;
using namespace settings;
using namespace wizard;

class TestFormLook : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        wizard.emplace();
        wizard->start();
    }
    void cleanup() { wizard.reset(); }
    void controlsClearOfFrameLines_data();
    void controlsClearOfFrameLines();
    void buttonCaptionsKeepMargins();

private:
    std::optional<WizardFixture> wizard;
};

void TestFormLook::controlsClearOfFrameLines_data()
{
    QTest::addColumn<QString>("group");
    for (const char* group :
         {"grpStep1", "grpStep2", "grpStep3", "grpStep4", "grpNewOption", "grpAddSpriteNumber"})
        QTest::newRow(group) << group;
}

void TestFormLook::controlsClearOfFrameLines()
{
    QFETCH(QString, group);
    auto* box = frmRomweaver->findChild<QGroupBox*>(group);
    QVERIFY(box != nullptr);
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect frame =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, box);
    const QRect caption =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);

    // The top line runs through the caption.
    QVERIFY(caption.top() < frame.top() && frame.top() < caption.bottom());
    QCOMPARE(frame.size(), QSize(box->width(), box->height() - frame.top()));
    // The frame is two lines wide; a control keeps one free pixel beside them.
    const QRect free = frame.adjusted(3, 3, -3, -3);
    for (QWidget* control : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect place = control->geometry();
        const QString what = control->objectName() + QStringLiteral(" at ") +
                             QStringLiteral("%1,%2 %3x%4")
                                 .arg(place.x())
                                 .arg(place.y())
                                 .arg(place.width())
                                 .arg(place.height());
        QVERIFY2(free.contains(place), qPrintable(what));
        QVERIFY2(!caption.adjusted(-1, -1, 1, 1).intersects(place), qPrintable(what));
    }
}

void TestFormLook::buttonCaptionsKeepMargins()
{
    // Rendered, no caption pixel may fall on the two columns inside each side
    // of the button's frame line.
    // The main window's and both dialogs' (which are its children).
    const QList<QPushButton*> buttons = frmRomweaver->findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 19);
    for (QPushButton* button : buttons) {
        const QImage image = button->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const int width = button->width();
        for (int x : {1, 2, width - 3, width - 2}) {
            for (int y = 3; y < button->height() - 3; ++y) {
                const QColor pixel = image.pixelColor(QPoint(x, y) * ratio);
                QVERIFY2(pixel.lightness() > 160,
                         qPrintable(button->objectName() + QStringLiteral(" at x %1").arg(x)));
            }
        }
    }
}

QTEST_MAIN(TestFormLook)
#include "tst_formlook.moc"
