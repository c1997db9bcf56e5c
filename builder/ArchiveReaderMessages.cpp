#include "builder/ArchiveReaderMessages.h"

#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

namespace builder
{

namespace archiveReading
{

namespace
{

constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_0;

template <typename Enum> bool inRange(quint8 value, Enum last)
{
    return value <= quint8(last);
}

} // namespace

QByteArray encode(const Message& message)
{
    QByteArray frame;
    QDataStream out(&frame, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << quint8(message.type);
    switch (message.type) {
    case Type::FindRom:
        out << message.archiveName << message.size << message.keepBytes;
        break;
    case Type::ReadMember:
        out << message.archiveName << message.size << qint32(message.member);
        break;
    case Type::Bytes:
        out << message.bytes;
        break;
    case Type::Read:
        out << message.offset << message.count;
        break;
    case Type::Rom: {
        const ArchiveReader::Rom& rom = message.rom;
        out << qint32(rom.member) << rom.header << rom.length << rom.bytes.has_value()
            << rom.bytes.value_or(QByteArray());
        break;
    }
    case Type::Failed: {
        const ArchiveError& error = *message.error;
        out << quint8(error.kind()) << quint8(error.detailKind()) << qint32(error.romCount())
            << error.member() << error.method() << error.number();
        break;
    }
    case Type::InputFailed:
    case Type::Ready:
    case Type::Abandoned:
        break;
    }
    return frame;
}

std::optional<Message> decode(const QByteArray& frame)
{
    QDataStream in(frame);
    in.setVersion(StreamVersion);
    quint8 type = 0;
    in >> type;
    Message message;
    message.type = Type(type);
    switch (message.type) {
    case Type::FindRom:
        in >> message.archiveName >> message.size >> message.keepBytes;
        if (message.size < 0)
            return std::nullopt;
        break;
    case Type::ReadMember: {
        qint32 member = -1;
        in >> message.archiveName >> message.size >> member;
        message.member = member;
        if (member < 0 || message.size < 0)
            return std::nullopt;
        break;
    }
    case Type::Bytes:
        in >> message.bytes;
        break;
    case Type::Read:
        in >> message.offset >> message.count;
        if (message.offset < 0 || message.count < 0 || message.count > MaxReadCount)
            return std::nullopt;
        break;
    case Type::Rom: {
        qint32 member = -1;
        bool hasBytes = false;
        QByteArray bytes;
        ArchiveReader::Rom& rom = message.rom;
        in >> member >> rom.header >> rom.length >> hasBytes >> bytes;
        rom.member = member;
        if (hasBytes)
            rom.bytes = bytes;
        if (member < 0 || rom.header.size() > 16 || rom.length < rom.header.size())
            return std::nullopt;
        break;
    }
    case Type::Failed: {
        quint8 kind = 0;
        quint8 detail = 0;
        qint32 romCount = 0;
        QString member;
        QString method;
        qint64 number = 0;
        in >> kind >> detail >> romCount >> member >> method >> number;
        if (!inRange(kind, ArchiveError::Kind::TooCostly) ||
            !inRange(detail, ArchiveError::Detail::ReaderStopped) || romCount < 0)
            return std::nullopt;
        // The name is the asker's, who knows it (withArchiveName).
        message.error =
            ArchiveError::restored(QString(), ArchiveError::Kind(kind),
                                   ArchiveError::Detail(detail), romCount, member, method, number);
        break;
    }
    case Type::InputFailed:
    case Type::Ready:
    case Type::Abandoned:
        break;
    default:
        return std::nullopt;
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    return message;
}

bool Channel::send(const Message& message)
{
    const QByteArray frame = encode(message);
    char length[4];
    qToLittleEndian<quint32>(quint32(frame.size()), length);
    return m_write(length, sizeof length) && m_write(frame.constData(), frame.size());
}

bool Channel::readExactly(char* data, qint64 size)
{
    while (size > 0) {
        const qint64 got = m_read(data, size);
        if (got <= 0)
            return false;
        data += got;
        size -= got;
    }
    return true;
}

std::optional<Message> Channel::receive()
{
    char length[4];
    if (!readExactly(length, sizeof length))
        return std::nullopt;
    const quint32 size = qFromLittleEndian<quint32>(length);
    if (size == 0 || size > quint32(MaxFrame))
        return std::nullopt;
    QByteArray frame(qsizetype(size), Qt::Uninitialized);
    if (!readExactly(frame.data(), size))
        return std::nullopt;
    return decode(frame);
}

} // namespace archiveReading

} // namespace builder
