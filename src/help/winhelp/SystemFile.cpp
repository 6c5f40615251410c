#include "help/winhelp/SystemFile.h"

#include "help/winhelp/Windows1252.h"

#include <algorithm>

namespace WinHelp {

namespace {

constexpr quint16 Magic = 0x036C;
// Help compilers before Windows 3.1 wrote version 15 and a layout of topics of their own.
constexpr quint16 FirstRecordVersion = 17;

const SystemFile::Record* firstOfType(const QList<SystemFile::Record>& records, quint16 type)
{
    const auto found = std::find_if(records.cbegin(), records.cend(),
                                    [type](const SystemFile::Record& record) { return record.type == type; });
    return found == records.cend() ? nullptr : &*found;
}

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
    // The records used are read here, so that a damaged one refuses the file instead of failing a later look.
    if (const Record* title = firstOfType(m_records, Title))
        m_title = fromWindows1252(ByteReader(title->data).string());
    if (const Record* contents = firstOfType(m_records, Contents)) {
        if (contents->data.size() < 4)
            throw Damaged("a contents record cut short");
        m_contents = ByteReader(contents->data).signedDword();
    }
}

} // namespace WinHelp
