#include "help/winhelp/SystemFile.h"

#include "help/winhelp/Windows1252.h"

namespace WinHelp {

namespace {

constexpr quint16 Magic = 0x036C;
// Help compilers before Windows 3.1 wrote version 15 and a layout of topics of their own.
constexpr quint16 FirstRecordVersion = 17;

} // namespace

SystemFile::SystemFile(QByteArrayView file)
{
    ByteReader reader(file);
    if (reader.word() != Magic)
        throw Damaged("no |SYSTEM signature");
    m_minor = reader.word();
    m_major = reader.word();
    m_generated = reader.signedDword();
    m_flags = reader.word();
    if (m_minor < FirstRecordVersion)
        throw Unsupported("it was made for Windows 3.0, whose help files this viewer does not read");
    while (!reader.atEnd()) {
        const quint16 type = reader.word();
        const quint16 size = reader.word();
        m_records.append({type, reader.take(size).toByteArray()});
    }
}

QString SystemFile::title() const
{
    for (const Record& record : m_records) {
        if (record.type == Title)
            return fromWindows1252(ByteReader(record.data).string());
    }
    return {};
}

std::optional<qint32> SystemFile::contents() const
{
    for (const Record& record : m_records) {
        if (record.type == Contents)
            return ByteReader(record.data).signedDword();
    }
    return std::nullopt;
}

} // namespace WinHelp
