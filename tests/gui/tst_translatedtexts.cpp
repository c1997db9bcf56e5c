// Every text the windows show goes through the translator: with one that marks
// each text it is asked for, every caption, label, tooltip, accessible text,
// menu entry and box of each window comes out marked; what is left outside
// the marks are file names, numbers and signs.

#include "WizardFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QRegularExpression>
#include <QTranslator>

#include "wizard/controls/FilterComboBox.h"

namespace
{

// "«source»" for every text of every context.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QStringLiteral("«%1»").arg(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

// The texts of the window and its controls that are not marked through and through.
QStringList unmarkedTexts(QWidget* window, const QStringList& names)
{
    QStringList texts;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
        if (widget->isWindow())
            texts << widget->windowTitle();
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts << group->title();
        if (auto* filter = qobject_cast<wizard::FilterComboBox*>(widget)) {
            for (int item = 0; item < filter->count(); ++item)
                texts << filter->itemText(item);
        }
    }
    for (const QAction* action : window->findChildren<QAction*>())
        texts << action->text() << action->toolTip();

    static const QRegularExpression innermostMark(QStringLiteral("«[^«»]*»"));
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    QStringList unmarked;
    for (const QString& text : std::as_const(texts)) {
        QString rest = text;
        while (rest.contains(innermostMark))
            rest.remove(innermostMark);
        for (const QString& name : names)
            rest.remove(name);
        if (rest.contains(word))
            unmarked << text;
    }
    return unmarked;
}

} // namespace

class TestTranslatedTexts : public QObject
{
    Q_OBJECT

private slots:
    void everyTextTranslated_data();
    void everyTextTranslated();
};

void TestTranslatedTexts::everyTextTranslated_data()
{
    QTest::addColumn<QByteArray>("button"); // what opens the window, on a window with a rom
    QTest::addColumn<QByteArray>("window"); // its objectName; a message box when empty
    QTest::newRow("main window, every page") << QByteArray() << QByteArray("frmRomweaver");
    QTest::newRow("About") << QByteArray("btnAbout") << QByteArray("frmAbout");
    QTest::newRow("new option") << QByteArray("btnNewOption") << QByteArray("frmNewOption");
    QTest::newRow("sprite number")
        << QByteArray("btnAddSpriteNumber") << QByteArray("frmAddSpriteNumber");
    QTest::newRow("a warning box") << QByteArray("btnWrite") << QByteArray();
}

void TestTranslatedTexts::everyTextTranslated()
{
    QFETCH(QByteArray, button);
    QFETCH(QByteArray, window);
    MarkingTranslator marker;
    QCoreApplication::installTranslator(&marker);
    WizardFixture fixture;
    fixture.addRom(QStringLiteral("game.nes"), testfiles::makeRom(1, 1, 24576));
    fixture.start();
    fixture.selectRoms({QStringLiteral("game.nes")});
    fixture.control<QLineEdit>("txtGBARom")->clear(); // "Write!" then refuses
    const QStringList names = {fixture.programDirectory, fixture.romsDirectory,
                               QStringLiteral("game.nes"), QStringLiteral("Tessel.GBA")};

    QStringList unmarked;
    QTimer boxWalker; // a box is walked while it is open, then answered
    connect(&boxWalker, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            unmarked << unmarkedTexts(box, names) << QStringLiteral("(a box)");
            box->buttons().constFirst()->click();
        }
    });
    boxWalker.start(5);
    if (!button.isEmpty())
        fixture.click(button.constData());
    if (window.isEmpty()) {
        QVERIFY(unmarked.removeOne(QStringLiteral("(a box)")));
    } else {
        QWidget* shown = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String(window))
                shown = top;
        }
        if (!shown)
            shown = frmRomweaver->findChild<QWidget*>(QString::fromLatin1(window));
        QVERIFY(shown);
        unmarked << unmarkedTexts(shown, names);
    }
    QCoreApplication::removeTranslator(&marker);
    QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QStringLiteral(" | "))));
}

QTEST_MAIN(TestTranslatedTexts)
#include "tst_translatedtexts.moc"
