// Every translation file in translations/: complete, with no entry for a text
// that is gone from the sources, and every translation keeping the
// placeholders (%1, %L2, %n) of its source text.
//
// While the translations are being written, unfinished entries are expected:
// the check of completeness then reports them as an expected failure, until
// ROMWEAVER_TRANSLATIONS_COMPLETE is switched on (CMakeLists.txt).

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

namespace
{

struct Message {
    QString context;
    QString source;
    bool plural = false;      // numerus="yes": the translation has a form for each number
    QString type;             // the translation's: "", "unfinished", "vanished", "obsolete"
    QStringList translations; // the text, or each plural form or length variant
};

// The messages of a Qt Linguist file, in their order.
QList<Message> readMessages(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView element = xml.name();
        if (element == u"name") {
            context = xml.readElementText();
        } else if (element == u"message") {
            const bool plural = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            messages.append({context, {}, plural, {}, {}});
        } else if (messages.isEmpty()) {
            continue;
        } else if (element == u"source") {
            messages.last().source = xml.readElementText();
        } else if (element == u"translation") {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            // Plural forms and length variants are its children.
            if (!messages.last().plural &&
                xml.attributes().value(QLatin1String("variants")) != u"yes")
                messages.last().translations.append(xml.readElementText());
        } else if (element == u"numerusform" || element == u"lengthvariant") {
            messages.last().translations.append(xml.readElementText());
        }
    }
    if (xml.hasError())
        error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return messages;
}

// The placeholders of a text: %1 to %99 and %n, with or without L (a number
// in the language's own digits and separators counts as the same one).
QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d{1,2}|n)"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.insert(QLatin1Char('%') + match.captured(1));
    return found;
}

QString described(const Message& message)
{
    return QStringLiteral("%1: \"%2\"").arg(message.context, message.source);
}

} // namespace

class TestTranslationFiles : public QObject
{
    Q_OBJECT

private slots:
    void complete_data() { addTranslationFiles(); }
    void complete();
    void placeholdersKept_data() { addTranslationFiles(); }
    void placeholdersKept();

private:
    static void addTranslationFiles();
};

// One row per translation file.
void TestTranslationFiles::addTranslationFiles()
{
    QTest::addColumn<QString>("path");
    const QDir folder(QStringLiteral(ROMWEAVER_TRANSLATIONS_DIR));
    const QStringList files = folder.entryList({QStringLiteral("romweaver_*.ts")}, QDir::Files);
    QVERIFY2(!files.isEmpty(), qPrintable(folder.path()));
    for (const QString& file : files)
        QTest::newRow(qPrintable(file)) << folder.filePath(file);
}

void TestTranslationFiles::complete()
{
    QFETCH(QString, path);
    QString error;
    const QList<Message> messages = readMessages(path, error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(!messages.isEmpty(), "no message: run the update_translations target");

    QStringList gone;
    QStringList unfinished;
    for (const Message& message : messages) {
        if (message.type == u"vanished" || message.type == u"obsolete")
            gone << described(message);
        else if (message.type == u"unfinished")
            unfinished << described(message);
    }
    // lupdate -no-obsolete (the update_translations target) leaves none.
    QVERIFY2(gone.isEmpty(), qPrintable(QStringLiteral("%1 entries for texts gone from the "
                                                       "sources:\n")
                                            .arg(gone.size()) +
                                        gone.join(QLatin1Char('\n'))));
#if !ROMWEAVER_TRANSLATIONS_COMPLETE
    if (!unfinished.isEmpty())
        QEXPECT_FAIL("",
                     qPrintable(QStringLiteral("%1 of %2 texts not translated yet")
                                    .arg(unfinished.size())
                                    .arg(messages.size())),
                     Continue);
#endif
    QVERIFY2(unfinished.isEmpty(),
             qPrintable(QStringLiteral("%1 texts not translated:\n").arg(unfinished.size()) +
                        unfinished.join(QLatin1Char('\n'))));
}

void TestTranslationFiles::placeholdersKept()
{
    QFETCH(QString, path);
    QString error;
    const QList<Message> messages = readMessages(path, error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QStringList broken;
    for (const Message& message : messages) {
        const QSet<QString> expected = placeholders(message.source);
        for (const QString& translation : message.translations) {
            if (!translation.isEmpty() && placeholders(translation) != expected)
                broken << described(message) + QStringLiteral(" -> \"%1\"").arg(translation);
        }
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslationFiles)
#include "tst_translationfiles.moc"
