// romweaver-build --help in a language without blanks between words: its lines
// still break within 80 columns, a wide character counting two, and lose nothing.

#include "cli/CommandHelp.h"

#include <QTest>

class TestCommandHelp : public QObject
{
    Q_OBJECT

private slots:
    void linesFitTheTerminal_data();
    void linesFitTheTerminal();
};

void TestCommandHelp::linesFitTheTerminal_data()
{
    QTest::addColumn<QString>("description");
    QTest::newRow("Japanese") << QString::fromUtf8(
        "コンピレーションのすべてのロムを、メニューの順にGBAロムへ書き込みます。ヘッダーが示す"
        "大きさより長いロムは切り詰められ、短いロムはバックアップを取ってから修復されます。");
    QTest::newRow("Chinese with a name in it") << QString::fromUtf8(
        "按菜单顺序将合集中的所有 ROM 写入 GBA ROM。比头部声明更长的 ROM 会被截断，较短的 ROM "
        "会先备份再修复；标题取自 Romweaver.ini，否则取文件名。");
}

void TestCommandHelp::linesFitTheTerminal()
{
    QFETCH(QString, description);
    const QString help = cli::commandHelp(
        QStringLiteral("usage"), {QCommandLineOption(QStringLiteral("x"), description)}, {});

    // The option's lines: from its own to the ROM arguments' line.
    const QStringList lines = help.split(QLatin1Char('\n'));
    qsizetype line = lines.indexOf(QStringLiteral("Options:")) + 1;
    QVERIFY(lines.at(line).startsWith(QLatin1String("  -x ")));
    QString rejoined;
    for (; !lines.at(line).startsWith(QLatin1String("  ROM...")); ++line) {
        qsizetype columns = 0;
        for (QChar c : lines.at(line))
            columns += c.unicode() >= 0x2E80 ? 2 : 1; // the texts' wide characters
        QVERIFY2(columns <= 79, qPrintable(lines.at(line)));
        rejoined += lines.at(line).mid(26);
    }
    QCOMPARE(rejoined.remove(QLatin1Char(' ')), QString(description).remove(QLatin1Char(' ')));
    QVERIFY(line > 3); // it took several lines
}

QTEST_MAIN(TestCommandHelp)
#include "tst_commandhelp.moc"
