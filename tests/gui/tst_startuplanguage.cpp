// The start-up speaks the language of the locale it is given: the program's
// translation and Qt's own (the message boxes' buttons) are installed while it
// runs, here up to its error box for a missing base rom, and taken out again
// when it returns; the windows' own refusals speak it too.

#include "WizardFixture.h"

#include "translations/Translators.h"

#include <QLibraryInfo>

using namespace wizard;

class TestStartupLanguage : public QObject
{
    Q_OBJECT

private slots:
    void translatorsOfTheLocale_data();
    void translatorsOfTheLocale();
    void refusalInGerman();
};

void TestStartupLanguage::translatorsOfTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("yes");       // the message boxes' Yes button meanwhile
    QTest::addColumn<QString>("boxBegins"); // the error box's text
    const QString english = QStringLiteral("Cannot find Tessel.gba! Make sure");
    QTest::newRow("German") << "de_DE"
                            << "&Ja"
                            << "Tessel.gba nicht gefunden! Bitte sicherstellen";
    QTest::newRow("Brazilian Portuguese, a file of its territory")
        << "pt_BR"
        << "&Sim" << QString::fromUtf8("Não foi possível encontrar Tessel.gba!");
    QTest::newRow("Chinese (China), a script in the locale's name")
        << "zh_CN" << QString::fromUtf8("是(&Y)") << QString::fromUtf8("找不到 Tessel.gba！");
    QTest::newRow("English, the source texts") << "en_US"
                                               << "&Yes" << english;
    // Qt is translated into Russian, Romweaver is not: no window mixes the two.
    QTest::newRow("Russian, without a translation: English") << "ru_RU"
                                                             << "&Yes" << english;
}

void TestStartupLanguage::translatorsOfTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, yes);
    QFETCH(QString, boxBegins);
    QTemporaryDir programDirectory; // no Tessel.GBA in it: the start-up's error box

    QString yesMeanwhile;
    QString boxText;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            yesMeanwhile = QCoreApplication::translate("QPlatformTheme", "&Yes");
            boxText = box->text();
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
    QVERIFY2(boxText.startsWith(boxBegins), qPrintable(boxText));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
}

void TestStartupLanguage::refusalInGerman()
{
    const translations::Translators german(QLocale(QStringLiteral("de_DE")));
    WizardFixture wizard;
    wizard.start();
    BoxAnswerer answerer;
    wizard.click("btnNext"); // nothing selected
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes.constFirst().caption, QStringLiteral("Warnung"));
    QCOMPARE(answerer.boxes.constFirst().text, QString::fromUtf8("Keine NES-ROMs ausgewählt!"));
}

QTEST_MAIN(TestStartupLanguage)
#include "tst_startuplanguage.moc"
