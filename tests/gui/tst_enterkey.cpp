// Enter on a focused button presses it, in the main window and the dialogs.

#include "WizardFixture.h"

#include "wizard/UnitNewOption.h"
#include "wizard/controls/DirectoryListBox.h"

class TestEnterKey : public QObject
{
    Q_OBJECT

private slots:
    void keyPressesFocusedButton_data();
    void keyPressesFocusedButton();
};

void TestEnterKey::keyPressesFocusedButton_data()
{
    QTest::addColumn<int>("step");      // the page the key is pressed on
    QTest::addColumn<bool>("inDialog"); // the new-option dialog's button, else the main window's
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("pressed"); // what shows that it was pressed

    QTest::newRow("Enter on Next")
        << 1 << false << QByteArray("btnNext") << int(Qt::Key_Return) << "step 2";
    QTest::newRow("keypad Enter on Previous")
        << 2 << false << QByteArray("btnPrevious") << int(Qt::Key_Enter) << "step 1";
    QTest::newRow("Enter on Change")
        << 2 << false << QByteArray("btnChangeTitle") << int(Qt::Key_Return) << "title changed";
    QTest::newRow("Enter on << add new option")
        << 3 << false << QByteArray("btnNewOption") << int(Qt::Key_Return) << "dialog shown";
    QTest::newRow("Enter on Write!")
        << 4 << false << QByteArray("btnWrite") << int(Qt::Key_Return) << "image written";
    QTest::newRow("Enter on the dialog's Cancel")
        << 3 << true << QByteArray("btnCancel") << int(Qt::Key_Return) << "dialog hidden";
    QTest::newRow("Space on Next, as before")
        << 1 << false << QByteArray("btnNext") << int(Qt::Key_Space) << "step 2";
}

void TestEnterKey::keyPressesFocusedButton()
{
    QFETCH(int, step);
    QFETCH(bool, inDialog);
    QFETCH(QByteArray, button);
    QFETCH(int, key);
    QFETCH(QString, pressed);

    WizardFixture wizard;
    wizard.addRom(QStringLiteral("Alpha.nes"), testfiles::makeRom(1, 0, 16 * 1024));
    QTemporaryDir out;
    wizard.start();
    wizard.selectRoms({QStringLiteral("Alpha.nes")});
    while (frmRomweaver->CurrentStep < step)
        wizard.click("btnNext");
    QVERIFY(
        wizard.control<wizard::DirectoryListBox>("DirectoryListBox2")->setDirectory(out.path()));
    wizard.control<QLineEdit>("txtRomTitle")->setText(QStringLiteral("Renamed"));
    QWidget* window = frmRomweaver;
    if (inDialog) {
        wizard.click("btnNewOption");
        window = frmNewOption;
    }
    QTRY_COMPARE(QApplication::activeWindow(), window);
    auto* target = window->findChild<QPushButton*>(QString::fromLatin1(button));
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), target);

    const auto modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(target, Qt::Key(key), modifiers);

    if (pressed == QLatin1String("step 1") || pressed == QLatin1String("step 2"))
        QCOMPARE(frmRomweaver->CurrentStep, pressed.back().digitValue());
    else if (pressed == QLatin1String("title changed"))
        QCOMPARE(wizard.entries("lstRomTitles"), QStringList{QStringLiteral("Renamed")});
    else if (pressed == QLatin1String("dialog shown"))
        QVERIFY(frmNewOption->isVisible());
    else if (pressed == QLatin1String("image written"))
        QVERIFY(QFileInfo(QDir(out.path()).filePath(QStringLiteral("Whatever.gba"))).isFile());
    else if (pressed == QLatin1String("dialog hidden"))
        QVERIFY(!frmNewOption->isVisible());
    else
        QFAIL("no such effect");
}

QTEST_MAIN(TestEnterKey)
#include "tst_enterkey.moc"
