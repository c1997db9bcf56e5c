// The options page and its two dialogs, driven through their controls.

#include "WizardFixture.h"

#include "settings/SettingsFile.h"
#include "wizard/UnitAddSpriteNumber.h"
#include "wizard/UnitNewOption.h"
#include "wizard/controls/DirectoryListBox.h"

using namespace platform;
using namespace builder;
using namespace settings;
using namespace wizard;

class TestOptionsPage : public QObject
{
    Q_OBJECT

private slots:
    void entryListsStoredOptions();
    void entryWithoutOptionsKeepsEditField();
    void optionFlagsAndSpriteValues_data();
    void optionFlagsAndSpriteValues();
    void spriteValueWithBarIsRefused();
    void changeAndDeleteTheFocusedOption();
    void newOptionDialog_data();
    void newOptionDialog();
    void newOptionNeverOverwritesAStoredOne();
    void keysInTheDialogsBoxes_data();
    void keysInTheDialogsBoxes();
    void optionsBeyondTheFlagWidth();
    void dialogsFloatOverTheMainWindow();
    void optionsStayWithTheirRoms();
    void flagsAndSpriteValuesReachTheGbaRom();

private:
    // Stores the options, selects one rom "Alpha.nes" and goes to step 3.
    static void startOnOptionsPage(WizardFixture& wizard,
                                   const QList<QPair<QByteArray, QByteArray>>& options)
    {
        SettingsFile ini(wizard.iniPath());
        for (const auto& [key, value] : options)
            ini.WriteValue("Options", key, value);
        ini.WriteValue("Titles", "Alpha.nes", "Alpha");
        wizard.addRom(QStringLiteral("Alpha.nes"), testfiles::makeRom(1, 0, 16 * 1024));
        wizard.start();
        wizard.selectRoms({QStringLiteral("Alpha.nes")});
        wizard.click("btnNext");
        wizard.click("btnNext");
        QCOMPARE(frmRomweaver->CurrentStep, 3);
    }
    static QAbstractItemView* options(const WizardFixture& wizard)
    {
        return wizard.control<QAbstractItemView>("lstOptions");
    }
    static QString menuLine(const WizardFixture& wizard)
    {
        return wizard.control<QAbstractItemView>("lstTitleAndOptions")
            ->currentIndex()
            .data()
            .toString();
    }
    static void addSprite(const QString& value)
    {
        frmRomweaver->findChild<QPushButton*>(QStringLiteral("btnAddSpriteNumber"))->click();
        QVERIFY(frmAddSpriteNumber->isVisible());
        frmAddSpriteNumber->findChild<QLineEdit*>(QStringLiteral("txtAddSpriteNumber"))
            ->setText(value);
        frmAddSpriteNumber->findChild<QPushButton*>(QStringLiteral("btnAdd"))->click();
    }
    static void selectOptions(const WizardFixture& wizard, const QList<int>& rows)
    {
        options(wizard)->clearSelection();
        for (int row : rows)
            options(wizard)->selectionModel()->select(options(wizard)->model()->index(row, 0),
                                                      QItemSelectionModel::Select);
    }
};

const QList<QPair<QByteArray, QByteArray>> ThreeOptions = {{"1", "A"}, {"2", "B"}, {"4", "C"}};

void TestOptionsPage::entryListsStoredOptions()
{
    WizardFixture wizard;
    startOnOptionsPage(wizard, ThreeOptions);
    QCOMPARE(wizard.entries("lstOptions"), (QStringList{"1: A", "2: B", "4: C"}));
    QCOMPARE(wizard.control<QLineEdit>("txtOption")->text(), QStringLiteral("A"));
    QCOMPARE(options(wizard)->currentIndex().row(), 0);
    QVERIFY(options(wizard)->selectionModel()->selectedRows().isEmpty());
    QCOMPARE(wizard.entries("lstTitleAndOptions"), QStringList{"Alpha"});
    QCOMPARE(menuLine(wizard), QStringLiteral("Alpha"));
}

void TestOptionsPage::entryWithoutOptionsKeepsEditField()
{
    WizardFixture wizard;
    wizard.start();
    wizard.control<QLineEdit>("txtOption")->setText(QStringLiteral("kept"));
    destroyForms();
    startOnOptionsPage(wizard, {{"1", ""}}); // an empty description is no option
    QVERIFY(wizard.entries("lstOptions").isEmpty());
    QVERIFY(wizard.control<QLineEdit>("txtOption")->text().isEmpty());
}

void TestOptionsPage::optionFlagsAndSpriteValues_data()
{
    // Steps: "o:<rows>" adds the options at those rows, "s:<value>" adds a sprite
    // value, "r" removes options.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("options B and C, then A")
        << QStringList{"o:1,2", "o:0"} << QStringList{"Alpha|6", "Alpha|1"};
    QTest::newRow("flags then sprites") << QStringList{"o:0,2", "s:12", "s:40"}
                                        << QStringList{"Alpha|5", "Alpha|5|12", "Alpha|5|40"};
    QTest::newRow("sprites without flags") << QStringList{"s:12", "s:40", "s:7"}
                                           << QStringList{"Alpha|12", "Alpha|12|40", "Alpha|12|7"};
    QTest::newRow("options drop the sprite")
        << QStringList{"o:0,2", "s:12", "o:1"} << QStringList{"Alpha|5", "Alpha|5|12", "Alpha|2"};
    QTest::newRow("nothing selected") << QStringList{"o:"} << QStringList{"Alpha"};
    QTest::newRow("empty sprite value") << QStringList{"s:", "r", "o:0", "s:"}
                                        << QStringList{"Alpha|", "Alpha", "Alpha|1", "Alpha|1|"};
}

void TestOptionsPage::optionFlagsAndSpriteValues()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, lines);
    WizardFixture wizard;
    startOnOptionsPage(wizard, {{"1", "A"}, {"2", "B"}, {"4", "C"}, {"8", "D"}});
    for (int i = 0; i < steps.size(); ++i) {
        const QString step = steps[i];
        if (step.startsWith(QLatin1String("o:"))) {
            QList<int> rows;
            for (const QString& row : step.mid(2).split(QLatin1Char(','), Qt::SkipEmptyParts))
                rows << row.toInt();
            selectOptions(wizard, rows);
            wizard.click("btnAddToMenuItem");
        } else if (step.startsWith(QLatin1String("s:"))) {
            addSprite(step.mid(2));
            QVERIFY(!frmAddSpriteNumber->isVisible());
        } else {
            wizard.click("btnRemoveOptions");
        }
        QCOMPARE(menuLine(wizard), lines[i]);
    }
}

void TestOptionsPage::spriteValueWithBarIsRefused()
{
    WizardFixture wizard;
    startOnOptionsPage(wizard, ThreeOptions);
    BoxAnswerer answerer;
    addSprite(QStringLiteral("3|4"));
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Error"));
    QCOMPARE(answerer.boxes[0].text,
             QStringLiteral("Illegal character '|' found. Please remove the character."));
    QVERIFY(frmAddSpriteNumber->isVisible());
    QCOMPARE(
        frmAddSpriteNumber->findChild<QLineEdit*>(QStringLiteral("txtAddSpriteNumber"))->text(),
        QStringLiteral("3|4"));
    QCOMPARE(menuLine(wizard), QStringLiteral("Alpha"));
    frmAddSpriteNumber->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    QVERIFY(!frmAddSpriteNumber->isVisible());
}

void TestOptionsPage::changeAndDeleteTheFocusedOption()
{
    WizardFixture wizard;
    startOnOptionsPage(wizard, ThreeOptions);
    auto* list = options(wizard);
    const QRect third = list->visualRect(list->model()->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
    auto* description = wizard.control<QLineEdit>("txtOption");
    QCOMPARE(description->text(), QStringLiteral("C"));
    description->setText(QStringLiteral("D"));
    wizard.click("btnChangeOption");
    QCOMPARE(wizard.entries("lstOptions"), (QStringList{"1: A", "2: B", "4: D"}));
    QCOMPARE(SettingsFile(wizard.iniPath()).ReadValue("Options", "4", ""), QByteArray("D"));

    list->selectionModel()->setCurrentIndex(list->model()->index(0, 0),
                                            QItemSelectionModel::NoUpdate);
    QCOMPARE(description->text(), QStringLiteral("A"));
    wizard.click("btnDeleteOption");
    QCOMPARE(wizard.entries("lstOptions"), (QStringList{"2: B", "4: D"}));
    QCOMPARE(description->text(), QStringLiteral("A")); // left as it was
    const auto stored = SettingsFile(wizard.iniPath()).ListPairs("Options");
    QCOMPARE(stored.size(), 2);
    QCOMPARE(stored[0].first, QByteArray("2"));

    // The option shown second is still stored under its own key 4.
    wizard.setCurrentRow("lstOptions", 1);
    description->setText(QStringLiteral("E"));
    wizard.click("btnChangeOption");
    QCOMPARE(wizard.entries("lstOptions"), (QStringList{"2: B", "4: E"}));
    QCOMPARE(SettingsFile(wizard.iniPath()).ListPairs("Options").size(), 2);
}

void TestOptionsPage::newOptionDialog_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer"); // to the empty-description question
    QTest::addColumn<QString>("stored");
    QTest::newRow("description") << "E" << int(QMessageBox::NoButton) << "E";
    QTest::newRow("empty, Yes") << "" << int(QMessageBox::Yes) << "no description available";
    QTest::newRow("empty, No") << "" << int(QMessageBox::No) << "";
    QTest::newRow("empty, Cancel") << "" << int(QMessageBox::Cancel) << "";
}

void TestOptionsPage::newOptionDialog()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QString, stored);
    WizardFixture wizard;
    startOnOptionsPage(wizard, ThreeOptions);
    wizard.click("btnNewOption");
    QVERIFY(frmNewOption->isVisible());
    QCOMPARE(frmNewOption->findChild<QLabel*>(QStringLiteral("lblDescription"))->text(),
             QStringLiteral("Option nr 8"));
    frmNewOption->findChild<QLineEdit*>(QStringLiteral("txtNewOption"))->setText(typed);

    BoxAnswerer answerer{QMessageBox::StandardButton(answer)};
    frmNewOption->findChild<QPushButton*>(QStringLiteral("btnAdd"))->click();
    QCOMPARE(answerer.boxes.size(), typed.isEmpty() ? 1 : 0);
    if (typed.isEmpty()) {
        QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Warning"));
        QCOMPARE(answerer.boxes[0].text,
                 QStringLiteral("No description is inserted. Are you sure you do not want a "
                                "description?"));
    }
    QCOMPARE(SettingsFile(wizard.iniPath()).ReadValue("Options", "8", "-"),
             stored.isEmpty() ? QByteArray("-") : stored.toLocal8Bit());
    QCOMPARE(frmNewOption->isVisible(), stored.isEmpty());
    if (!stored.isEmpty())
        QCOMPARE(wizard.entries("lstOptions").last(), QStringLiteral("8: ") + stored);
}

void TestOptionsPage::keysInTheDialogsBoxes_data()
{
    QTest::addColumn<bool>("newOption"); // else the sprite dialog
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");           // pressed in the box Enter raises
    QTest::addColumn<QByteArray>("stored"); // as option 8
    QTest::newRow("no description, Escape") << true << "" << int(Qt::Key_Escape) << QByteArray();
    QTest::newRow("no description, Enter")
        << true << "" << int(Qt::Key_Return) << QByteArray("no description available");
    QTest::newRow("bar in sprite value") << false << "3|4" << int(Qt::Key_Return) << QByteArray();
}

void TestOptionsPage::keysInTheDialogsBoxes()
{
    QFETCH(bool, newOption);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QByteArray, stored);
    WizardFixture wizard;
    startOnOptionsPage(wizard, ThreeOptions);
    wizard.click(newOption ? "btnNewOption" : "btnAddSpriteNumber");
    QWidget* window = newOption ? static_cast<QWidget*>(frmNewOption) : frmAddSpriteNumber;
    auto* field = window->findChild<QLineEdit*>(newOption ? "txtNewOption" : "txtAddSpriteNumber");
    QVERIFY(QTest::qWaitForWindowActive(window));
    field->setText(typed);
    QTimer press; // the box opens inside Enter's handler
    QObject::connect(&press, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget())
            QTest::keyClick(box, Qt::Key(key));
    });
    press.start(5);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(SettingsFile(wizard.iniPath()).ReadValue("Options", "8", ""), stored);
    QCOMPARE(menuLine(wizard), QStringLiteral("Alpha"));
    QCOMPARE(window->isVisible(), stored.isEmpty());
    if (window->isVisible()) { // it has the keyboard back, in its field
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QCOMPARE(QApplication::focusWidget(), field);
    }
}

void TestOptionsPage::newOptionNeverOverwritesAStoredOne()
{
    // With option 1 deleted, two options remain (2 and 4): 2^2 = 4 is taken.
    WizardFixture wizard;
    startOnOptionsPage(wizard, ThreeOptions);
    wizard.click("btnDeleteOption");
    wizard.click("btnNewOption");
    QCOMPARE(frmNewOption->findChild<QLabel*>(QStringLiteral("lblDescription"))->text(),
             QStringLiteral("Option nr 8"));
    frmNewOption->findChild<QLineEdit*>(QStringLiteral("txtNewOption"))
        ->setText(QStringLiteral("N"));
    frmNewOption->findChild<QPushButton*>(QStringLiteral("btnAdd"))->click();
    QCOMPARE(wizard.entries("lstOptions"), (QStringList{"2: B", "4: C", "8: N"}));
    QCOMPARE(SettingsFile(wizard.iniPath()).ReadValue("Options", "4", ""), QByteArray("C"));
}

void TestOptionsPage::optionsBeyondTheFlagWidth()
{
    QList<QPair<QByteArray, QByteArray>> many;
    for (int i = 0; i < 32; ++i)
        many.append({QByteArray::number(qint64(1) << i), "opt" + QByteArray::number(i)});
    WizardFixture wizard;
    startOnOptionsPage(wizard, many);
    QCOMPARE(options(wizard)->model()->rowCount(), 32); // all shown

    BoxAnswerer answerer;
    selectOptions(wizard, {0, 30, 31});
    wizard.click("btnAddToMenuItem");
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Information"));
    QCOMPARE(menuLine(wizard), QStringLiteral("Alpha|1073741825")); // 2^30 + 1

    wizard.click("btnNewOption");
    QCOMPARE(answerer.boxes.size(), 2);
    QVERIFY(!frmNewOption->isVisible());
}

void TestOptionsPage::dialogsFloatOverTheMainWindow()
{
    WizardFixture wizard;
    startOnOptionsPage(wizard, ThreeOptions);
    for (QWidget* dialog :
         {static_cast<QWidget*>(frmNewOption), static_cast<QWidget*>(frmAddSpriteNumber)}) {
        QVERIFY(dialog->windowFlags() & Qt::FramelessWindowHint);
        if (dialog == frmNewOption)
            wizard.click("btnNewOption");
        else
            wizard.click("btnAddSpriteNumber");
        QCOMPARE(dialog->size(), QSize(337, 137));
        QCOMPARE(dialog->frameGeometry().center(), frmRomweaver->frameGeometry().center());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        const QPoint place = dialog->pos();
        dialog->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
        QVERIFY(!dialog->isVisible());
        frmRomweaver->move(frmRomweaver->pos() + QPoint(40, 30));
        if (dialog == frmNewOption)
            wizard.click("btnNewOption");
        else
            wizard.click("btnAddSpriteNumber");
        QCOMPARE(dialog->pos(), place); // back where it first stood
        dialog->hide();
    }
}

void TestOptionsPage::optionsStayWithTheirRoms()
{
    WizardFixture wizard;
    startOnOptionsPage(wizard, ThreeOptions);
    selectOptions(wizard, {0, 2});
    wizard.click("btnAddToMenuItem");
    addSprite(QStringLiteral("12"));
    // Back to the titles: numbered and sorted; back to the roms: one more,
    // which sorts before Alpha.
    wizard.click("btnPrevious");
    wizard.control<QCheckBox>("chkNumbering")->click();
    wizard.control<QCheckBox>("chkSorted")->click();
    wizard.click("btnPrevious");
    wizard.addRom(QStringLiteral("Aardvark.nes"), testfiles::makeRom(1, 0, 16 * 1024));
    wizard.rereadFileList();
    wizard.selectRoms({QStringLiteral("Aardvark.nes")});
    wizard.click("btnNext");
    wizard.click("btnNext");
    QCOMPARE(wizard.entries("lstTitleAndOptions"),
             (QStringList{"1. Aardvark.nes", "2. Alpha|5|12"}));
    // Only "remove options" takes them off.
    wizard.setCurrentRow("lstTitleAndOptions", 1);
    wizard.click("btnRemoveOptions");
    QCOMPARE(menuLine(wizard), QStringLiteral("2. Alpha"));
}

void TestOptionsPage::flagsAndSpriteValuesReachTheGbaRom()
{
    WizardFixture wizard;
    const QByteArray beta = testfiles::makeRom(1, 0, 16 * 1024, 9);
    wizard.addRom(QStringLiteral("Beta.nes"), beta);
    SettingsFile ini(wizard.iniPath());
    ini.WriteValue("Options", "1", "A");
    ini.WriteValue("Options", "2", "B");
    wizard.addRom(QStringLiteral("Alpha.nes"), testfiles::makeRom(1, 0, 16 * 1024, 8));
    QTemporaryDir out;
    wizard.start();
    wizard.selectRoms({QStringLiteral("Beta.nes")});
    wizard.selectRoms({QStringLiteral("Alpha.nes")});
    wizard.click("btnNext");
    wizard.control<QCheckBox>("chkNumbering")->click();
    wizard.click("btnNext");
    selectOptions(wizard, {0, 1});
    wizard.click("btnAddToMenuItem");
    addSprite(QStringLiteral("0x0300"));
    wizard.setCurrentRow("lstTitleAndOptions", 1);
    addSprite(QStringLiteral("17"));
    wizard.click("btnNext");
    QVERIFY(wizard.control<DirectoryListBox>("DirectoryListBox2")->setDirectory(out.path()));
    wizard.click("btnWrite");

    const QByteArray menu = "1. Beta.nes|3|0x0300\r\n2. Alpha.nes|17\r\n";
    QCOMPARE(testfiles::readFile(QDir(out.path()).filePath(QStringLiteral("Whatever.gba"))),
             wizard.baseRom + menu + beta + testfiles::makeRom(1, 0, 16 * 1024, 8));
}

QTEST_MAIN(TestOptionsPage)
#include "tst_optionspage.moc"
