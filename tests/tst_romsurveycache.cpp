// Surveys kept while a rom's file stays as it was measured: the kept answer is
// what a fresh survey gives, and a file that changed, was replaced, vanished
// or came back is measured again.

#include "builder/RomSurveyCache.h"
#include "support/TestArchives.h"
#include "support/TestFiles.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace builder;
using namespace testfiles;
using namespace testarchives;

namespace
{

constexpr int KB = 1024;

// Every figure a survey gives, for comparing two of them.
QString figures(const RomSurvey& survey)
{
    return QStringLiteral("readable %1 ines %2 length %3 declared %4 appended %5 notAFile %6 "
                          "member %7 header %8 problem \"%9\" archive \"%10\" reason \"%11\"")
        .arg(survey.readable)
        .arg(survey.ines)
        .arg(survey.length)
        .arg(survey.declaredLength)
        .arg(survey.appendedLength)
        .arg(survey.notAFile)
        .arg(survey.member)
        .arg(QString::fromLatin1(survey.header.toHex()), survey.problem,
             survey.badArchive() ? survey.badArchive()->text() : QString(),
             survey.badArchiveReason);
}

using Change = std::function<void(const QString& path)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class TestRomSurveyCache : public QObject
{
    Q_OBJECT

private slots:
    void keptAgreesWithFresh_data();
    void keptAgreesWithFresh();
    void changedFileIsMeasuredAgain_data();
    void changedFileIsMeasuredAgain();
};

void TestRomSurveyCache::keptAgreesWithFresh_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Change>("make");

    const auto plain = [](const QByteArray& bytes) {
        return [bytes](const QString& path) {
            makeFile(QFileInfo(path).path(), QFileInfo(path).fileName(), bytes);
        };
    };
    const auto archive = [](Format format, const QList<Member>& members) {
        return [format, members](const QString& path) { makeArchive(path, format, members); };
    };
    const QByteArray rom = makeRom(2, 1, 40 * KB, 1);
    QTest::newRow("as declared") << "a.nes" << Change(plain(rom));
    QTest::newRow("longer") << "b.nes" << Change(plain(makeRom(2, 1, 40 * KB + 9, 2)));
    QTest::newRow("shorter") << "c.nes" << Change(plain(makeRom(3, 1, 24 * KB, 3)));
    QTest::newRow("not iNES") << "notes.nes" << Change(plain("Some notes."));
    QTest::newRow("three bytes") << "d.nes" << Change(plain("NES"));
    QTest::newRow("zip") << "e.zip"
                         << Change(archive(Format::ZipDeflate, {file("readme.txt", "Read me."),
                                                                file("Game.nes", rom)}));
    QTest::newRow("7-Zip") << "f.7z" << Change(archive(Format::SevenZip, {file("Game.nes", rom)}));
    QTest::newRow("gzip") << "g.nes.gz" << Change(archive(Format::Gzip, {file("g.nes", rom)}));
    QTest::newRow("zip without rom")
        << "h.zip" << Change(archive(Format::ZipStored, {file("readme.txt", "x")}));
    QTest::newRow("zip with two roms")
        << "i.zip" << Change(archive(Format::ZipStored, {file("a.nes", rom), file("b.nes", rom)}));
}

void TestRomSurveyCache::keptAgreesWithFresh()
{
    QFETCH(QString, name);
    QFETCH(Change, make);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    make(path);
    RomSurveyCache cache;
    const RomSurvey first = cache.survey(path);
    QVERIFY(first.stamp); // measured, also an archive that gives no rom: kept
    QCOMPARE(figures(cache.survey(path)), figures(surveyRom(path)));
    QCOMPARE(figures(first), figures(surveyRom(path)));
}

void TestRomSurveyCache::changedFileIsMeasuredAgain_data()
{
    QTest::addColumn<Change>("change");

    QTest::newRow("same name, new bytes") << Change([](const QString& path) {
        makeFile(QFileInfo(path).path(), QFileInfo(path).fileName(), "Some notes.");
    });
    QTest::newRow("same size, new time") << Change([](const QString& path) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.write(withCounts(readFile(path), 1, 1)) > 0 && file.flush());
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                 QFileDevice::FileModificationTime));
    });
    QTest::newRow("replaced by another file") << Change([](const QString& path) {
        const QString other = makeFile(QFileInfo(path).path(), QStringLiteral("other.nes"),
                                       makeRom(1, 1, 16 * KB + 8 * KB, 5));
        QVERIFY(QFile::remove(path) && QFile::rename(other, path));
    });
    QTest::newRow("vanished") << Change([](const QString& path) { QVERIFY(QFile::remove(path)); });
}

void TestRomSurveyCache::changedFileIsMeasuredAgain()
{
    QFETCH(Change, change);
    QTemporaryDir dir;
    const QString path = makeFile(dir.path(), QStringLiteral("a.nes"), makeRom(2, 1, 40 * KB));
    RomSurveyCache cache;
    QVERIFY(cache.survey(path).readable);

    change(path);
    const QString fresh = figures(surveyRom(path));
    QCOMPARE(figures(cache.survey(path)), fresh);
    QCOMPARE(figures(cache.survey(path)), fresh);
    // Back as it was: measured again, not the vanished file's failure kept.
    makeFile(dir.path(), QStringLiteral("a.nes"), makeRom(2, 1, 40 * KB));
    QCOMPARE(figures(cache.survey(path)), figures(surveyRom(path)));
    QVERIFY(cache.survey(path).readable);
}

QTEST_GUILESS_MAIN(TestRomSurveyCache)
#include "tst_romsurveycache.moc"
