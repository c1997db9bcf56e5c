#include "settings/IniText.h"

namespace settings
{

namespace ini
{

namespace
{

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

void classify(QByteArrayView text, Line& line)
{
    const QByteArrayView content = trimmed(text.sliced(line.start, line.end - line.start));
    if (content.isEmpty()) {
        line.kind = Line::Kind::Blank;
        return;
    }
    if (content.front() == '[') {
        const qsizetype close = content.lastIndexOf(']');
        // "[" without a "]" is no header; it falls through to the rules below.
        if (close > 0) {
            line.kind = Line::Kind::Section;
            line.name = trimmed(content.sliced(1, close - 1));
            return;
        }
    }
    if (content.front() == ';') {
        line.kind = Line::Kind::Comment;
        return;
    }
    const qsizetype equals = content.indexOf('=');
    line.kind = Line::Kind::Key;
    if (equals < 0) {
        line.name = content;
        line.nameOnly = true;
        line.valueStart = (content.data() - text.data()) + content.size();
        return;
    }
    line.name = trimmed(content.first(equals));
    line.value = trimmed(content.sliced(equals + 1));
    qsizetype valueStart = (content.data() - text.data()) + equals + 1;
    while (valueStart < line.end && isBlank(text[valueStart]))
        ++valueStart;
    line.valueStart = valueStart;
}

} // namespace

IniText::IniText(QByteArrayView text) : m_text(text)
{
    // A UTF-8 byte-order mark is kept in the file but is no part of its first line.
    qsizetype pos = text.startsWith(QByteArrayView("\xEF\xBB\xBF")) ? 3 : 0;
    const qsizetype size = text.size();
    while (pos < size) {
        Line line;
        line.start = pos;
        qsizetype end = pos;
        while (end < size && text[end] != '\r' && text[end] != '\n')
            ++end;
        line.end = end;
        qsizetype next = end;
        if (next < size)
            next += (text[next] == '\r' && next + 1 < size && text[next + 1] == '\n') ? 2 : 1;
        line.next = next;
        classify(text, line);
        m_lines.append(line);
        pos = next;
    }
}

std::optional<Span> IniText::findSection(QByteArrayView name) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind != Line::Kind::Section || !sameName(m_lines[i].name, name))
            continue;
        qsizetype end = i + 1;
        while (end < m_lines.size() && m_lines[end].kind != Line::Kind::Section)
            ++end;
        return Span{i, end};
    }
    return std::nullopt;
}

qsizetype IniText::findKey(const Span& section, QByteArrayView name) const
{
    for (qsizetype i = section.header + 1; i < section.end; ++i) {
        if (m_lines[i].kind == Line::Kind::Key && sameName(m_lines[i].name, name))
            return i;
    }
    return -1;
}

QList<const Line*> IniText::keys(const Span& section) const
{
    QList<const Line*> result;
    for (qsizetype i = section.header + 1; i < section.end; ++i) {
        if (m_lines[i].kind == Line::Kind::Key && !m_lines[i].nameOnly)
            result.append(&m_lines[i]);
    }
    return result;
}

QByteArrayView IniText::lineBreak() const
{
    for (const Line& line : m_lines) {
        if (line.hasLineBreak())
            return m_text.sliced(line.end, line.next - line.end);
    }
    return "\r\n";
}

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QByteArrayView firstLine(QByteArrayView text)
{
    qsizetype end = 0;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n' && text[end] != '\0')
        ++end;
    return text.first(end);
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

QByteArray foldedName(QByteArrayView name)
{
    QByteArray folded(name.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < name.size(); ++i)
        folded[i] = asciiLower(name[i]);
    return folded;
}

QByteArray servedValue(QByteArrayView rawValue)
{
    QByteArrayView value = rawValue;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value.first(qMin(value.size(), maxValueLength)).toByteArray();
}

QList<ListedKey> keyListing(const QList<const Line*>& keys)
{
    // Mirrors the profile services filling a keyListingBytes buffer: each name
    // is copied with its zero byte while one byte stays free for the list's
    // closing zero; the name that does not fit is cut so that it still ends in
    // a zero, and the listing stops there.
    QList<ListedKey> listing;
    qsizetype room = keyListingBytes;
    for (const Line* key : keys) {
        // A key with an empty name would read as the end of the list; leaving it
        // out keeps the keys after it listed.
        if (key->name.isEmpty())
            continue;
        if (room <= 2)
            break;
        const QByteArrayView name = key->name.first(qMin(key->name.size(), room - 2));
        listing.append({name, key});
        room -= name.size() + 1;
        if (room < 2)
            break;
    }
    return listing;
}

} // namespace ini

} // namespace settings
