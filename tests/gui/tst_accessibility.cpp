// What a screen reader and a keyboard user meet on each page and dialog:
// names and roles of the controls, nothing showing from hidden pages, the Tab
// order and the control that has the focus on entering.

#include "WizardFixture.h"

#include "wizard/UnitAbout.h"
#include "wizard/UnitAddSpriteNumber.h"
#include "wizard/UnitNewOption.h"
#include "wizard/controls/StatusLabel.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>

#include <functional>

using namespace platform;
using namespace builder;
using namespace settings;
using namespace wizard;

namespace
{

// Brings up a page ("1" to "4") or a window ("new option", "sprite", "about")
// over a selection of one rom and one stored option; returns its window.
QWidget* bringUp(WizardFixture& wizard, const QString& what)
{
    testfiles::makeFile(wizard.programDir.path(), QStringLiteral("Romweaver.ini"),
                        "[Options]\r\n1=Fast\r\n");
    wizard.addRom(QStringLiteral("a.nes"), "rom");
    wizard.start();
    wizard.selectRoms({QStringLiteral("a.nes")});
    bool isPage = false;
    const int page = what.toInt(&isPage);
    for (int step = 1; step < (isPage ? page : 3); ++step)
        wizard.click("btnNext");
    if (what == QLatin1String("new option")) {
        wizard.click("btnNewOption");
        return frmNewOption;
    }
    if (what == QLatin1String("sprite")) {
        wizard.click("btnAddSpriteNumber");
        return frmAddSpriteNumber;
    }
    if (what == QLatin1String("about")) {
        wizard.click("btnAbout");
        return frmAbout;
    }
    return frmRomweaver;
}

QAccessible::Role expectedRole(const QWidget* control)
{
    if (qobject_cast<const QListView*>(control))
        return QAccessible::List;
    if (qobject_cast<const QLineEdit*>(control))
        return QAccessible::EditableText;
    if (qobject_cast<const QPushButton*>(control))
        return QAccessible::PushButton;
    if (qobject_cast<const QCheckBox*>(control))
        return QAccessible::CheckBox;
    if (qobject_cast<const QComboBox*>(control))
        return QAccessible::ComboBox;
    if (qobject_cast<const QProgressBar*>(control))
        return QAccessible::ProgressBar;
    return QAccessible::NoRole; // not a control a user works with
}

// Every interface below `node`, list entries included, must be invisible.
void verifyNothingShowing(QAccessibleInterface* node, const QString& path)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        const QString where = path + QLatin1Char('/') + child->text(QAccessible::Name);
        QVERIFY2(child->state().invisible, qPrintable(where + QStringLiteral(" shows")));
        verifyNothingShowing(child, where);
    }
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void controlsNamedAndHiddenPagesSilent_data();
    void controlsNamedAndHiddenPagesSilent();
    void tabOrderAndEntryFocus_data();
    void tabOrderAndEntryFocus();
    void selectorEntriesShowOnlyWhenOpen();
    void messageBoxPartsNamed();
    void statusLabelsAnnounced_data();
    void statusLabelsAnnounced();
};

void TestAccessibility::controlsNamedAndHiddenPagesSilent_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("caption");
    for (const char* page : {"1", "2", "3", "4"})
        QTest::newRow(page) << page << "Tessel tool - Romweaver ";
    QTest::newRow("new option") << "new option"
                                << "Add new option";
    QTest::newRow("sprite") << "sprite"
                            << "Add sprite number or memory address";
    QTest::newRow("about") << "about"
                           << "About Tessel tool - Romweaver";
}

void TestAccessibility::controlsNamedAndHiddenPagesSilent()
{
    QFETCH(QString, what);
    QFETCH(QString, caption);
    WizardFixture wizard;
    QWidget* window = bringUp(wizard, what);

    QAccessibleInterface* windowInterface = QAccessible::queryAccessibleInterface(window);
    QCOMPARE(windowInterface->role(), QAccessible::Window);
    QCOMPARE(windowInterface->text(QAccessible::Name), caption);

    QStringList groupCaptions;
    for (const QGroupBox* group : window->findChildren<QGroupBox*>()) {
        if (group->window() == window)
            groupCaptions << group->title().trimmed();
    }
    int controls = 0;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QAccessible::Role role = expectedRole(control);
        if (role == QAccessible::NoRole || !control->isVisible() || control->window() != window)
            continue;
        ++controls;
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control);
        const QString name = node->text(QAccessible::Name).trimmed();
        const QString id = control->objectName();
        QVERIFY2(!name.isEmpty(), qPrintable(id));
        QVERIFY2(!groupCaptions.contains(name), qPrintable(id + QStringLiteral(": ") + name));
        QCOMPARE(node->role(), role);
        // Entries of a shown list are showing, and are read without padding.
        if (role == QAccessible::List && node->childCount() > 0) {
            QAccessibleInterface* entry = node->child(0);
            QVERIFY2(!entry->state().invisible, qPrintable(id));
            const QString entryName = entry->text(QAccessible::Name);
            QCOMPARE(entryName, entryName.trimmed());
        }
    }
    QVERIFY(window == frmAbout || controls >= 3);

    // The arrows between the lists of pages 2 and 3 are decoration: not read.
    int arrows = 0;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(label);
        if (label->isVisible() && label->text().endsWith(u'>') && ++arrows)
            QVERIFY(node->state().invisible && node->text(QAccessible::Name).isEmpty());
    }
    QCOMPARE(arrows, what == QLatin1String("2") || what == QLatin1String("3") ? 4 : 0);

    for (QGroupBox* page :
         window->findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (page->isVisible())
            continue;
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(page);
        QVERIFY(node->state().invisible);
        verifyNothingShowing(node, page->objectName());
    }
}

void TestAccessibility::tabOrderAndEntryFocus_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QStringList>("order"); // from the control focused on entry, Tab after Tab

    QTest::newRow("1") << "1"
                       << QStringList{"FileListBox1",  "FilterComboBox1", "btnSelectRoms",
                                      "btnClear",      "lstNESRoms",      "btnCompilation",
                                      "btnAbout",      "btnNext",         "DirectoryListBox1",
                                      "DriveComboBox1"};
    QTest::newRow("2") << "2" << QStringList{"txtRomTitle",    "btnChangeTitle", "btnTidyTitles",
                                             "chkNumbering",   "chkSorted",      "lstPreview",
                                             "btnCompilation", "btnAbout",       "btnPrevious",
                                             "btnNext",        "lstRomTitles"};
    QTest::newRow("3") << "3"
                       << QStringList{
                              "lstOptions",       "txtOption",          "btnAddToMenuItem",
                              "btnRemoveOptions", "btnAddSpriteNumber", "btnNewOption",
                              "btnChangeOption",  "btnDeleteOption",    "lstTitleAndOptions",
                              "btnCompilation",   "btnAbout",           "btnPrevious",
                              "btnNext"};
    QTest::newRow("4") << "4" << QStringList{"txtGBARom",     "btnWrite",    "btnCompilation",
                                             "btnAbout",      "btnPrevious", "DirectoryListBox2",
                                             "DriveComboBox2"};
    QTest::newRow("new option") << "new option"
                                << QStringList{"txtNewOption", "btnCancel", "btnAdd"};
    QTest::newRow("sprite") << "sprite" << QStringList{"txtAddSpriteNumber", "btnCancel", "btnAdd"};
}

void TestAccessibility::tabOrderAndEntryFocus()
{
    QFETCH(QString, what);
    QFETCH(QStringList, order);
    WizardFixture wizard;
    QWidget* window = bringUp(wizard, what);

    if (auto* field = qobject_cast<QLineEdit*>(window->findChild<QWidget*>(order.first())))
        QCOMPARE(field->selectedText(), field->text());
    QStringList walked;
    // One round and back to the start.
    for (int step = 0; step <= order.size(); ++step) {
        QWidget* focused = window->focusWidget();
        QVERIFY(focused != nullptr);
        walked << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(walked, order + QStringList{order.first()});
}

void TestAccessibility::selectorEntriesShowOnlyWhenOpen()
{
    WizardFixture wizard;
    wizard.start();
    auto* selector = wizard.control<QComboBox>("FilterComboBox1");
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(selector);
    QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Files of type"));
    QCOMPARE(node->text(QAccessible::Value), QStringLiteral("NES roms"));
    QAccessibleInterface* list = node->child(0);
    QCOMPARE(list->childCount(), 3);
    QVERIFY(list->child(0)->state().invisible);

    selector->showPopup();
    QTRY_VERIFY(selector->view()->isVisible());
    QVERIFY(!list->child(0)->state().invisible);
    // Opened as high as its entries, the first at the list's top.
    const QRect entry = selector->view()->visualRect(selector->model()->index(0, 0));
    QCOMPARE(entry.topLeft(), QPoint(0, 0));
    QVERIFY(selector->view()->height() >= 2 * entry.height());
    selector->hidePopup();
}

void TestAccessibility::messageBoxPartsNamed()
{
    WizardFixture wizard;
    wizard.start();
    QStringList names; // of every part of the box, read before it is answered
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            for (QWidget* part : box->findChildren<QWidget*>())
                names << QAccessible::queryAccessibleInterface(part)->text(QAccessible::Name);
            box->button(QMessageBox::Ok)->click();
        }
    });
    look.start(5);
    wizard.click("btnNext"); // "No NES rom(s) selected!": icon, text, button row, OK
    QCOMPARE(names, (QStringList{"Warning", "No NES rom(s) selected!", "Warning", "OK"}));
}

void TestAccessibility::statusLabelsAnnounced_data()
{
    QTest::addColumn<QString>("rom");        // selected on page 1
    QTest::addColumn<QString>("then");       // "write", "clear" or nothing
    QTest::addColumn<QStringList>("spoken"); // what the announced labels then read
    QTest::newRow("written") << "small.nes"
                             << "write" << QStringList{"Writing succesfully completed."};
    QTest::newRow("too large") << "large.nes"
                               << "" << QStringList{"GBA rom size: ~33988 KB"};
    QTest::newRow("fits") << "small.nes"
                          << "" << QStringList();
    QTest::newRow("warning gone") << "large.nes"
                                  << "clear"
                                  << QStringList{"GBA rom size: ~33988 KB",
                                                 "GBA rom size: ~196 KB (default)"};
}

void TestAccessibility::statusLabelsAnnounced()
{
    QFETCH(QString, rom);
    QFETCH(QString, then);
    QFETCH(QStringList, spoken);
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("small.nes"), testfiles::makeRom(1, 0, 16 * 1024));
    QFile large(QDir(wizard.romsDirectory).filePath(QStringLiteral("large.nes")));
    QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(qint64(33) * 1024 * 1024));
    large.close();
    wizard.start();
    QStringList announced;
    for (auto* label : frmRomweaver->findChildren<StatusLabel*>()) {
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->role(), QAccessible::Notification);
        connect(label, &StatusLabel::announced, label, [&announced, label] {
            announced << QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        });
    }
    wizard.selectRoms({rom});
    if (then == QLatin1String("clear"))
        wizard.click("btnClear");
    if (then == QLatin1String("write")) {
        for (int step = 1; step < 4; ++step)
            wizard.click("btnNext");
        wizard.click("btnWrite");
    }
    QCOMPARE(announced, spoken);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
