#include "builder/BuildLog.h"
#include "platform/ExclusiveFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace platform;
using namespace builder;
using namespace testfiles;

namespace
{

struct Record {
    QString date;
    QString dateSeparator;
    QString timeSeparator;
    bool leadingZero;
    bool twelveHour;
    QString am;
    QString pm;
    bool designatorBefore;

    LogDateTimeFormat format() const
    {
        LogDateTimeFormat f;
        f.shortDateFormat = date;
        f.dateSeparator = dateSeparator;
        f.timeSeparator = timeSeparator;
        f.hourLeadingZero = leadingZero;
        f.twelveHourClock = twelveHour;
        f.amDesignator = am;
        f.pmDesignator = pm;
        f.designatorBeforeTime = designatorBefore;
        return f;
    }
};

const Record Us{"M/d/yyyy", "/", ":", false, true, "AM", "PM", false};
const Record German{"dd/MM/yy", ".", ":", true, false, "AM", "PM", false};
const Record Finnish{"d/M/yyyy", ".", ".", false, false, "ap.", "ip.", false};
const Record Korean{"yy/M/d'.'", ". ", ":", false, true, "오전", "오후", true};
const Record QuotedSlash{"d'/'M/yy", "-", ":", true, true, "am", "pm", false};

QDateTime at(int year, int month, int day, int h, int m, int s, int ms = 0)
{
    return QDateTime(QDate(year, month, day), QTime(h, m, s, ms));
}

} // namespace

Q_DECLARE_METATYPE(Record)
Q_DECLARE_METATYPE(platform::DateTimeSettings)

class TestBuildLog : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void dateTimeText_data();
    void dateTimeText();
    void defaultsApply();
    void formatFromLocaleFormats_data();
    void formatFromLocaleFormats();
    void formatFromSystemLocaleRecords();
    void localeWithoutConventionsUsesDefaults_data();
    void localeWithoutConventionsUsesDefaults();
    void formatFromWindowsSettings_data();
    void formatFromWindowsSettings();
    void formatFromNamedWindowsLocales_data();
    void formatFromNamedWindowsLocales();

    void firstLogWrite_data();
    void firstLogWrite();
    void entriesFollowEachOther();
    void deletedLogIsCreatedAgain();
    void messageBytesUnchanged();
    void failures_data();
    void failures();

private:
    // A log of this run; one that is past its first entry (firstLogWrite
    // false) leaves no file behind here.
    BuildLog makeLog(bool firstLogWrite = true)
    {
        BuildLog log(m_logPath, Us.format(), [this] { return m_now; });
        if (!firstLogWrite) {
            log.AddToLog("earlier entry of this run");
            QFile::remove(m_logPath);
        }
        return log;
    }

    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_logPath;
    QDateTime m_now = at(2026, 12, 6, 11, 19, 34);
};

void TestBuildLog::init()
{
    m_temp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temp->isValid());
    m_logPath = QDir::toNativeSeparators(m_temp->filePath("Romweaver.log"));
    m_now = at(2026, 12, 6, 11, 19, 34);
}

void TestBuildLog::dateTimeText_data()
{
    QTest::addColumn<Record>("record");
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("text");

    QTest::newRow("documented example")
        << Us << at(2026, 12, 6, 11, 19, 34) << "12/6/2026 11:19:34 AM";
    QTest::newRow("afternoon") << Us << at(2026, 1, 5, 13, 7, 9) << "1/5/2026 1:07:09 PM";
    QTest::newRow("noon is 12 PM") << Us << at(2026, 1, 5, 12, 0, 0) << "1/5/2026 12:00:00 PM";
    QTest::newRow("just after midnight is 12 AM")
        << Us << at(2026, 1, 5, 0, 0, 1) << "1/5/2026 12:00:01 AM";
    QTest::newRow("midnight: date alone") << Us << at(2026, 1, 5, 0, 0, 0) << "1/5/2026";
    QTest::newRow("midnight to the second") << Us << at(2026, 1, 5, 0, 0, 0, 999) << "1/5/2026";
    QTest::newRow("24 hours, leading zero")
        << German << at(2026, 12, 6, 9, 5, 3) << "06.12.26 09:05:03";
    QTest::newRow("24 hours, hour 0") << German << at(2026, 12, 6, 0, 30, 0) << "06.12.26 00:30:00";
    QTest::newRow("24 hours, evening")
        << German << at(2026, 3, 1, 23, 59, 59) << "01.03.26 23:59:59";
    QTest::newRow("other time separator")
        << Finnish << at(2026, 12, 6, 9, 5, 3) << "6.12.2026 9.05.03";
    QTest::newRow("designator before the time")
        << Korean << at(2026, 12, 6, 21, 5, 3) << "26. 12. 6. 오후 9:05:03";
    QTest::newRow("quoted slash stays")
        << QuotedSlash << at(2026, 2, 8, 7, 8, 9) << "8/2-26 07:08:09 am";
}

void TestBuildLog::dateTimeText()
{
    QFETCH(Record, record);
    QFETCH(QDateTime, moment);
    QFETCH(QString, text);
    QCOMPARE(formatLogDateTime(moment, record.format()), text);
}

void TestBuildLog::defaultsApply()
{
    const LogDateTimeFormat defaults;
    QCOMPARE(formatLogDateTime(at(2026, 12, 6, 11, 19, 34), defaults), "12/6/26 11:19:34 am");
    QCOMPARE(formatLogDateTime(at(2026, 12, 6, 18, 0, 0), defaults), "12/6/26 6:00:00 pm");
    QCOMPARE(formatLogDateTime(at(2026, 12, 6, 0, 0, 0), defaults), "12/6/26");
}

void TestBuildLog::formatFromLocaleFormats_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("am");
    QTest::addColumn<QString>("pm");
    QTest::addColumn<QString>("text"); // at 6 Dec 2026 21:05:03

    QTest::newRow("12 hours after") << "M/d/yy"
                                    << "h:mm AP"
                                    << "am"
                                    << "pm"
                                    << "12/6/26 9:05:03 PM";
    QTest::newRow("24 hours with zero") << "dd.MM.yy"
                                        << "HH:mm"
                                        << "AM"
                                        << "PM"
                                        << "06.12.26 21:05:03";
    QTest::newRow("designator before") << "yy. M. d."
                                       << "AP h:mm"
                                       << "오전"
                                       << "오후"
                                       << "26. 12. 6. 오후 9:05:03";
    QTest::newRow("lower-case designator") << "d/M/yy"
                                           << "hh:mm ap"
                                           << "AM"
                                           << "PM"
                                           << "6/12/26 09:05:03 pm";
    QTest::newRow("quoted time separator") << "yyyy-MM-dd"
                                           << "HH 'h' mm"
                                           << ""
                                           << ""
                                           << "2026-12-06 21 h 05 h 03";
    QTest::newRow("quoted trailing text") << "d.MM.yy 'г'."
                                          << "H:mm 'ч'."
                                          << ""
                                          << ""
                                          << "6.12.26 г. 21:05:03";
    QTest::newRow("text with a quote") << "d/M/yy 'o''clock'"
                                       << "H:mm"
                                       << ""
                                       << ""
                                       << "6/12/26 o'clock 21:05:03";
    QTest::newRow("nothing given: defaults") << ""
                                             << ""
                                             << ""
                                             << ""
                                             << "12/6/26 9:05:03 pm";
    QTest::newRow("no separator in date") << "yyyyMMdd"
                                          << ""
                                          << ""
                                          << ""
                                          << "20261206 9:05:03 pm";
}

void TestBuildLog::formatFromLocaleFormats()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, am);
    QFETCH(QString, pm);
    QFETCH(QString, text);
    const LogDateTimeFormat format = LogDateTimeFormat::fromFormats(date, time, am, pm);
    QCOMPARE(formatLogDateTime(at(2026, 12, 6, 21, 5, 3), format), text);
}

void TestBuildLog::formatFromSystemLocaleRecords()
{
    // Named locales, not the machine's: their formats come with Qt.
    const LogDateTimeFormat us = LogDateTimeFormat::fromLocale(QLocale("en_US"));
    QCOMPARE(us.shortDateFormat, "M/d/yy");
    QCOMPARE(us.dateSeparator, "/");
    QCOMPARE(us.timeSeparator, ":");
    QVERIFY(us.twelveHourClock);
    QVERIFY(!us.hourLeadingZero);
    QVERIFY(!us.designatorBeforeTime);
    QCOMPARE(us.amDesignator, "AM");
    QCOMPARE(formatLogDateTime(at(2026, 12, 6, 11, 19, 34), us), "12/6/26 11:19:34 AM");

    const LogDateTimeFormat german = LogDateTimeFormat::fromLocale(QLocale("de_DE"));
    QCOMPARE(german.dateSeparator, ".");
    QVERIFY(!german.twelveHourClock);
    QVERIFY(german.hourLeadingZero);
    QCOMPARE(formatLogDateTime(at(2026, 12, 6, 9, 5, 3), german), "06.12.26 09:05:03");
}

void TestBuildLog::localeWithoutConventionsUsesDefaults_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text"); // at 7 Dec 2026 8:21:52 and 20:21:52

    QTest::newRow("C") << QLocale::c() << "12/7/26 8:21:52 am|12/7/26 8:21:52 pm";
    QTest::newRow("POSIX by name")
        << QLocale(QStringLiteral("POSIX")) << "12/7/26 8:21:52 am|12/7/26 8:21:52 pm";
    QTest::newRow("C.UTF-8 by name")
        << QLocale(QStringLiteral("C.UTF-8")) << "12/7/26 8:21:52 am|12/7/26 8:21:52 pm";
    QTest::newRow("en_GB keeps its own")
        << QLocale(QStringLiteral("en_GB")) << "07/12/2026 08:21:52|07/12/2026 20:21:52";
}

void TestBuildLog::localeWithoutConventionsUsesDefaults()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    const LogDateTimeFormat format = LogDateTimeFormat::fromLocale(locale);
    QCOMPARE(formatLogDateTime(at(2026, 12, 7, 8, 21, 52), format) + u'|' +
                 formatLogDateTime(at(2026, 12, 7, 20, 21, 52), format),
             text);
}

void TestBuildLog::formatFromWindowsSettings_data()
{
    using platform::DateTimeSettings;
    QTest::addColumn<DateTimeSettings>("settings");
    QTest::addColumn<QString>("morning"); // at 6 Dec 2026 09:05:03
    QTest::addColumn<QString>("evening"); // at 6 Dec 2026 21:05:03

    QTest::newRow("United States")
        << DateTimeSettings{"M/d/yyyy", "/", ":", false, true, "AM", "PM", false}
        << "12/6/2026 9:05:03 AM"
        << "12/6/2026 9:05:03 PM";
    QTest::newRow("German: 24 hours, leading zero")
        << DateTimeSettings{"dd.MM.yyyy", ".", ":", true, false, "", "", false}
        << "06.12.2026 09:05:03"
        << "06.12.2026 21:05:03";
    QTest::newRow("separator changed by the user")
        << DateTimeSettings{"dd.MM.yyyy", "-", ":", true, false, "", "", false}
        << "06.12.2026 09:05:03"
        << "06.12.2026 21:05:03";
    QTest::newRow("separator of two characters, trailing text")
        << DateTimeSettings{"yyyy. MM. dd.", ". ", ":", false, false, "de.", "du.", true}
        << "2026. 12. 06. 9:05:03"
        << "2026. 12. 06. 21:05:03";
    QTest::newRow("designator before, quoted text")
        << DateTimeSettings{"yyyy'年'M'月'd'日'", "/", ":", false, true, "午前", "午後", true}
        << "2026年12月6日 午前 9:05:03"
        << "2026年12月6日 午後 9:05:03";
    QTest::newRow("time separator, leading zero on a 12-hour clock")
        << DateTimeSettings{"d/M/yy", "/", ".", true, true, "a.m.", "p.m.", false}
        << "6/12/26 09.05.03 a.m."
        << "6/12/26 09.05.03 p.m.";
    QTest::newRow("one-letter year")
        << DateTimeSettings{"y/M/d", "/", ":", false, false, "", "", false} << "26/12/6 9:05:03"
        << "26/12/6 21:05:03";
    QTest::newRow("nothing given: defaults") << DateTimeSettings{} << "12/6/26 9:05:03 am"
                                             << "12/6/26 9:05:03 pm";
    QTest::newRow("only the separators given")
        << DateTimeSettings{std::nullopt, "-", ".", {}, {}, {}, {}, {}} << "12-6-26 9.05.03 am"
        << "12-6-26 9.05.03 pm";
}

void TestBuildLog::formatFromWindowsSettings()
{
    QFETCH(platform::DateTimeSettings, settings);
    QFETCH(QString, morning);
    QFETCH(QString, evening);
    const LogDateTimeFormat format = LogDateTimeFormat::fromSettings(settings);
    QCOMPARE(formatLogDateTime(at(2026, 12, 6, 9, 5, 3), format), morning);
    QCOMPARE(formatLogDateTime(at(2026, 12, 6, 21, 5, 3), format), evening);
}

void TestBuildLog::formatFromNamedWindowsLocales_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text"); // at 6 Dec 2026 21:05:03

    // Only the one locale whose definition Windows versions (and Wine) agree on.
    QTest::newRow("en-US") << "en-US"
                           << "12/6/2026 9:05:03 PM";
}

void TestBuildLog::formatFromNamedWindowsLocales()
{
    // The system's own definition of a locale, read as the user's is.
    QFETCH(QString, locale);
    QFETCH(QString, text);
    const std::optional<platform::DateTimeSettings> settings = platform::dateTimeSettingsOf(locale);
#ifndef Q_OS_WIN
    QVERIFY(!settings);
    QVERIFY(!platform::userDateTimeSettings());
    QSKIP("the locale settings are read from Windows only");
#endif
    QVERIFY(settings);
    QCOMPARE(
        formatLogDateTime(at(2026, 12, 6, 21, 5, 3), LogDateTimeFormat::fromSettings(*settings)),
        text);
}

void TestBuildLog::firstLogWrite_data()
{
    QTest::addColumn<bool>("firstLogWrite");
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("appends");

    QTest::newRow("first, log present: emptied") << true << true << false;
    QTest::newRow("first, no log: created") << true << false << false;
    QTest::newRow("later, log present: appended") << false << true << true;
    QTest::newRow("later, no log: created") << false << false << false;
}

void TestBuildLog::firstLogWrite()
{
    QFETCH(bool, firstLogWrite);
    QFETCH(bool, present);
    QFETCH(bool, appends);

    const QByteArray old("earlier run\r\nentry\r\n");
    BuildLog log = makeLog(firstLogWrite);
    if (present)
        makeFile(m_temp->path(), "Romweaver.log", old);
    log.AddToLog("game.nes: only the rom size specified in header copied.");

    const QByteArray entry("12/6/2026 11:19:34 AM\r\n"
                           "game.nes: only the rom size specified in header copied.\r\n");
    QCOMPARE(readFile(m_logPath), appends ? old + entry : entry);
    QCOMPARE(log.firstLogWrite(), false);
}

void TestBuildLog::entriesFollowEachOther()
{
    BuildLog log = makeLog();
    log.AddToLog("first");
    m_now = at(2026, 12, 7, 0, 0, 0);
    log.AddToLog("second");
    // A second build of the same run keeps appending.
    m_now = at(2026, 12, 7, 14, 0, 5);
    log.AddToLog("third");

    QCOMPARE(readFile(m_logPath), QByteArray("12/6/2026 11:19:34 AM\r\nfirst\r\n"
                                             "12/7/2026\r\nsecond\r\n"
                                             "12/7/2026 2:00:05 PM\r\nthird\r\n"));
}

void TestBuildLog::deletedLogIsCreatedAgain()
{
    BuildLog log = makeLog();
    log.AddToLog("first");
    QVERIFY(QFile::remove(m_logPath));
    log.AddToLog("second");
    QCOMPARE(readFile(m_logPath), QByteArray("12/6/2026 11:19:34 AM\r\nsecond\r\n"));
    QVERIFY(!log.firstLogWrite());
}

void TestBuildLog::messageBytesUnchanged()
{
    const QByteArray message("caf\xe9 \x01|\r\nx", 11);
    makeLog().AddToLog(message);
    QCOMPARE(readFile(m_logPath), "12/6/2026 11:19:34 AM\r\n" + message + "\r\n");
}

void TestBuildLog::failures_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<bool>("firstLogWrite");
    QTest::addColumn<bool>("flagAfter");

    QTest::newRow("log path is a directory") << "directory" << true << true;
    QTest::newRow("program directory missing") << "missing directory" << true << true;
    QTest::newRow("fresh log in use") << "in use" << true << true;
    QTest::newRow("appended log in use") << "in use" << false << false;
    QTest::newRow("disk full while appending") << "full" << false << false;
    QTest::newRow("disk full on a fresh log") << "full" << true << true;
}

void TestBuildLog::failures()
{
    QFETCH(QString, obstacle);
    QFETCH(bool, firstLogWrite);
    QFETCH(bool, flagAfter);

    if (obstacle == "missing directory")
        m_logPath = QDir::toNativeSeparators(m_temp->filePath("gone/Romweaver.log"));
    BuildLog log = makeLog(firstLogWrite);
    std::unique_ptr<ExclusiveFile> holder;
    if (obstacle == "directory") {
        QVERIFY(QDir().mkdir(m_logPath));
    } else if (obstacle == "in use") {
        makeFile(m_temp->path(), "Romweaver.log", "kept");
        holder = std::make_unique<ExclusiveFile>(m_logPath, ExclusiveFile::Mode::ReadExisting);
    } else if (obstacle == "full") {
        if (!QFileInfo::exists("/dev/full"))
            QSKIP("no /dev/full here");
        QVERIFY(QFile::link("/dev/full", m_logPath));
    }

    QVERIFY_THROWS_EXCEPTION(FileError, log.AddToLog("message"));
    QCOMPARE(log.firstLogWrite(), flagAfter);
    if (holder) {
        holder.reset(); // on Windows a held file cannot be read meanwhile
        QCOMPARE(readFile(m_logPath), QByteArray("kept"));
    }
}

QTEST_GUILESS_MAIN(TestBuildLog)
#include "tst_buildlog.moc"
