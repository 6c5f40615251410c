#include "help/winhelp/FileSystem.h"

#include "help/winhelp/BTree.h"

namespace WinHelp {

FileSystem::FileSystem(QByteArrayView helpFile)
    : m_helpFile(helpFile)
{
    ByteReader header(helpFile);
    if (header.dword() != Magic)
        throw Damaged("no help file signature");
    m_directoryStart = header.signedDword();
    header.skip(4); // the first free block
    if (header.signedDword() > helpFile.size())
        throw Damaged("the file is shorter than its header says");
    m_directory = content(helpFile, m_directoryStart);
    BTree(m_directory).forEachEntry([this](ByteReader& entry) {
        const QString name = QString::fromLatin1(entry.string());
        const qint32 offset = entry.signedDword();
        m_entries.append({name, offset, qint32(content(m_helpFile, offset).size())});
    });
}

QByteArrayView FileSystem::content(QByteArrayView helpFile, qint32 offset)
{
    ByteReader header(helpFile, offset);
    header.skip(4); // reserved space
    const qint32 usedSpace = header.signedDword();
    header.skip(1); // flags
    return header.take(usedSpace);
}

std::optional<QByteArrayView> FileSystem::file(const QString& name) const
{
    for (const Entry& entry : m_entries) {
        if (entry.name == name)
            return content(m_helpFile, entry.offset);
    }
    return std::nullopt;
}

} // namespace WinHelp
