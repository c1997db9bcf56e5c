#include "platform/LocalText.h"

#include <QStringDecoder>

#include <optional>

namespace platform
{

namespace
{

constexpr char16_t FirstKeptByte = 0xDC80; // stands for byte 0x80; 0x00..0x7F are always text

bool isKeptByte(QChar c)
{
    return c.unicode() >= FirstKeptByte && c.unicode() <= FirstKeptByte + 0x7F;
}

// The longest byte sequence one character takes in the encodings in use.
constexpr qsizetype LongestCharacter = 4;

// The bytes as text, or nothing when they are not whole characters of the
// system's encoding that encode back to the same bytes.
std::optional<QString> decodedExactly(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::System, QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError() || text.toLocal8Bit() != bytes)
        return std::nullopt;
    return text;
}

} // namespace

QString localText(QByteArrayView bytes)
{
    if (std::optional<QString> text = decodedExactly(bytes))
        return *text;
    // Character by character: the shortest run of bytes that is one whole
    // character and comes back as the same bytes, else one kept byte.
    QString text;
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype taken = 0;
        for (qsizetype length = 1; length <= LongestCharacter && at + length <= bytes.size();
             ++length) {
            const std::optional<QString> character = decodedExactly(bytes.sliced(at, length));
            if (character && !character->isEmpty()) {
                text += *character;
                taken = length;
                break;
            }
        }
        if (taken == 0) {
            const quint8 byte = quint8(bytes[at]);
            text += byte < 0x80 ? QChar(byte) : QChar(char16_t(FirstKeptByte + (byte - 0x80)));
            taken = 1;
        }
        at += taken;
    }
    return text;
}

QByteArray localBytes(const QString& text)
{
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isKeptByte(text.at(i)))
            continue;
        bytes += QStringView(text).sliced(runStart, i - runStart).toLocal8Bit();
        bytes += char(0x80 + (text.at(i).unicode() - FirstKeptByte));
        runStart = i + 1;
    }
    if (runStart == 0)
        return text.toLocal8Bit();
    return bytes + QStringView(text).sliced(runStart).toLocal8Bit();
}

} // namespace platform
