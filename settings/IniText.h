#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

namespace settings
{

// The private-profile (INI) text of a settings file, split into classified
// lines. It refers into the bytes it was made from; they must outlive it.
namespace ini
{

// The longest value a read serves; the profile services read into a
// 2048-byte buffer that also holds the terminating zero.
inline constexpr qsizetype maxValueLength = 2047;
// The buffer a key listing is read into: every name and the list itself end
// in a zero byte.
inline constexpr qsizetype keyListingBytes = 16384;

struct Line {
    enum class Kind { Blank, Comment, Section, Key };
    Kind kind = Kind::Blank;
    qsizetype start = 0;      // first byte of the line (after a byte-order mark)
    qsizetype end = 0;        // first byte of its line break, or the end of the text
    qsizetype next = 0;       // first byte of the following line
    QByteArrayView name;      // section or key name, trimmed
    QByteArrayView value;     // key value, trimmed, quotes kept
    qsizetype valueStart = 0; // where a key's value may begin: after "=" and its blanks
    // A name with no "=" inside a section is no key: it is never listed, a
    // read of it gives the default, and a write of that name fills it in
    // place. valueStart is then the end of the name.
    bool nameOnly = false;

    bool hasLineBreak() const { return next > end; }
};

// Indices into the lines of one section: its header and one past its last line.
struct Span {
    qsizetype header = 0;
    qsizetype end = 0;
};

class IniText
{
public:
    explicit IniText(QByteArrayView text);

    QByteArrayView text() const { return m_text; }
    const QList<Line>& lines() const { return m_lines; }

    // The first section of that name; a repeated section is never used.
    std::optional<Span> findSection(QByteArrayView name) const;
    // The line of the first key of that name in the section, or -1.
    qsizetype findKey(const Span& section, QByteArrayView name) const;
    // The key lines of the section in file order: lines with "=", as listings
    // show them.
    QList<const Line*> keys(const Span& section) const;

    // The line break the file already uses (its first one); CR LF when it has none.
    QByteArrayView lineBreak() const;

private:
    QByteArrayView m_text;
    QList<Line> m_lines;
};

QByteArrayView trimmed(QByteArrayView text);
// Text up to its first line break or zero byte: the most of it one line of
// the file can hold (a zero byte ends every string the profile services take).
QByteArrayView firstLine(QByteArrayView text);
// A section or key name as the caller gives it, made comparable with the names
// in the file: one line, trimmed.
inline QByteArrayView lookupName(QByteArrayView name)
{
    return trimmed(firstLine(name));
}
// Names match without regard to letter case. Only ASCII letters are folded:
// the bytes are local 8-bit text (UTF-8 on Linux), where folding bytes above
// 127 one by one would corrupt multi-byte characters.
bool sameName(QByteArrayView a, QByteArrayView b);
QByteArray foldedName(QByteArrayView name);

// A value as a read serves it: one pair of matching surrounding quotes
// dropped, then cut to the longest value a read returns.
QByteArray servedValue(QByteArrayView rawValue);

// One name of a key listing and the key line it comes from.
struct ListedKey {
    QByteArrayView name; // the key's name, or the start of it when cut short
    const Line* key = nullptr;

    bool isCut() const { return name.size() < key->name.size(); }
};

// The key names a listing of the section holds within keyListingBytes, in
// file order; the name that crosses the limit is cut short.
QList<ListedKey> keyListing(const QList<const Line*>& keys);

} // namespace ini

} // namespace settings
