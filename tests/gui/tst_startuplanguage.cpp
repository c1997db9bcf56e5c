// The start-up speaks the language of the locale it is given: the program's
// translation and Qt's own (the message boxes' buttons) are installed while it
// runs, here up to its error box for a missing base rom, and taken out again
// when it returns.

#include "WizardFixture.h"

#include <QLibraryInfo>

using namespace wizard;

class TestStartupLanguage : public QObject
{
    Q_OBJECT

private slots:
    void translatorsOfTheLocale_data();
    void translatorsOfTheLocale();
};

void TestStartupLanguage::translatorsOfTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("yes"); // the message boxes' Yes button meanwhile
    QTest::newRow("German") << "de_DE"
                            << "&Ja";
    QTest::newRow("Brazilian Portuguese, a file of its territory") << "pt_BR"
                                                                   << "&Sim";
    QTest::newRow("Chinese (China), a script in the locale's name")
        << "zh_CN" << QString::fromUtf8("是(&Y)");
    QTest::newRow("English, the source texts") << "en_US"
                                               << "&Yes";
    // Qt is translated into Russian, Romweaver is not: no window mixes the two.
    QTest::newRow("Russian, without a translation: English") << "ru_RU"
                                                             << "&Yes";
}

void TestStartupLanguage::translatorsOfTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, yes);
    QTemporaryDir programDirectory; // no Tessel.GBA in it: the start-up's error box

    QString yesMeanwhile;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            yesMeanwhile = QCoreApplication::translate("QPlatformTheme", "&Yes");
            box->buttons().constFirst()->click();
        }
    });
    answerer.start(5);
    runRomweaver(*qApp, platform::ProgramFiles(programDirectory.path() + QLatin1Char('/')), {},
                 QLocale(locale));

    QVERIFY2(
        yesMeanwhile == yes,
        qPrintable(QStringLiteral("\"%1\"; Qt's translations are looked for in %2 "
                                  "(on Debian: qt6-translations-l10n)")
                       .arg(yesMeanwhile, QLibraryInfo::path(QLibraryInfo::TranslationsPath))));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
}

QTEST_MAIN(TestStartupLanguage)
#include "tst_startuplanguage.moc"
