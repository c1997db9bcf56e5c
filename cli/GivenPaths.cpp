#include "cli/GivenPaths.h"

#include "platform/Paths.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace cli
{

namespace
{

// The texts as alternatives of an expression, the longest first, so that a
// name is never taken for the start of a longer one.
QString alternatives(QStringList texts)
{
    std::sort(texts.begin(), texts.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (QString& text : texts)
        text = QRegularExpression::escape(text);
    return texts.join(QLatin1Char('|'));
}

} // namespace

void GivenPaths::add(const QString& used, const QString& given)
{
    m_paths.insert(used, given);
}

void GivenPaths::addRom(const QString& romsDirectory, const QString& fileName, const QString& given)
{
    add(platform::joinPath(romsDirectory, fileName), given);
    m_roms.insert(fileName, given);
}

QString GivenPaths::rom(const QString& fileName) const
{
    return m_roms.value(fileName, fileName);
}

QString GivenPaths::path(const QString& used) const
{
    return m_paths.value(used, used);
}

QString GivenPaths::inText(const QString& text) const
{
    if (m_paths.isEmpty())
        return text;
    // One pass over the text: a path first; else a file name alone, after
    // the start, a blank, a quote or a bracket and before the end, a blank,
    // a quote, a bracket or a punctuation mark.
    QString pattern = QStringLiteral("(") + alternatives(m_paths.keys()) + QStringLiteral(")");
    if (!m_roms.isEmpty())
        pattern += QStringLiteral("|(?<![^\\s\"'(])(") + alternatives(m_roms.keys()) +
                   QStringLiteral(")(?=$|[\\s\"'):;,]|\\.(?:\\s|$))");
    const QRegularExpression known(pattern);
    QString result;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : known.globalMatch(text)) {
        result += text.mid(from, match.capturedStart() - from);
        result += match.capturedLength(1) > 0 ? m_paths.value(match.captured(1))
                                              : m_roms.value(match.captured(2));
        from = match.capturedEnd();
    }
    return result + text.mid(from);
}

} // namespace cli
