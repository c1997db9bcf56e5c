#include "settings/IniEdit.h"

#include "settings/IniText.h"

namespace settings
{

namespace ini
{

namespace
{

QByteArray spliced(QByteArrayView text, qsizetype from, qsizetype to, QByteArrayView insert)
{
    QByteArray result;
    result.reserve(text.size() - (to - from) + insert.size());
    result.append(text.first(from));
    result.append(insert);
    result.append(text.sliced(to));
    return result;
}

QByteArray keyLine(QByteArrayView key, QByteArrayView value, QByteArrayView lineBreak)
{
    QByteArray line;
    line.reserve(key.size() + 1 + value.size() + lineBreak.size());
    line.append(key).append('=').append(value).append(lineBreak);
    return line;
}

// The line a new key follows: the last one of the section that is neither
// blank nor a comment, so the blank lines and comments that lead into the
// next section stay in front of it.
const Line& lastContentLine(const IniText& ini, const Span& section)
{
    qsizetype last = section.header;
    for (qsizetype i = section.header + 1; i < section.end; ++i) {
        const Line::Kind kind = ini.lines()[i].kind;
        if (kind != Line::Kind::Blank && kind != Line::Kind::Comment)
            last = i;
    }
    return ini.lines()[last];
}

} // namespace

QByteArray withValue(QByteArrayView text, QByteArrayView section, QByteArrayView key,
                     QByteArrayView value)
{
    const IniText ini(text);
    const QByteArrayView lineBreak = ini.lineBreak();
    if (const std::optional<Span> span = ini.findSection(section)) {
        const qsizetype found = ini.findKey(*span, key);
        if (found >= 0) {
            // Only the value changes: the key's spelling, the spacing around
            // "=" and the line break stay as the file has them.
            const Line& line = ini.lines()[found];
            if (line.nameOnly)
                return spliced(text, line.valueStart, line.end, "=" + value.toByteArray());
            return spliced(text, line.valueStart, line.end, value);
        }
        const Line& after = lastContentLine(ini, *span);
        QByteArray insert;
        if (!after.hasLineBreak())
            insert.append(lineBreak);
        insert.append(keyLine(key, value, lineBreak));
        return spliced(text, after.next, after.next, insert);
    }
    QByteArray result = text.toByteArray();
    if (!ini.lines().isEmpty() && !ini.lines().back().hasLineBreak())
        result.append(lineBreak);
    result.append('[').append(section).append(']').append(lineBreak);
    result.append(keyLine(key, value, lineBreak));
    return result;
}

std::optional<QByteArray> withoutKey(QByteArrayView text, QByteArrayView section,
                                     QByteArrayView key)
{
    const IniText ini(text);
    const std::optional<Span> span = ini.findSection(section);
    if (!span)
        return std::nullopt;
    const qsizetype found = ini.findKey(*span, key);
    if (found < 0)
        return std::nullopt;
    const Line& line = ini.lines()[found];
    return spliced(text, line.start, line.next, {});
}

} // namespace ini

} // namespace settings
