#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace WinHelp {

// The file system inside a help file: a header at its start points to a directory, a B+ tree of the
// names of the internal files ("|SYSTEM", "|TOPIC") and where each begins.
class FileSystem {
public:
    struct Entry {
        QString name;
        qint32 offset = 0;    // of its file header, from the start of the help file
        qint32 usedSpace = 0; // the size of its content
    };

    static constexpr quint32 Magic = 0x00035F3F;

    // Reads the header and the directory of `helpFile`, which must outlive it; throws Damaged.
    explicit FileSystem(QByteArrayView helpFile);

    const QList<Entry>& entries() const { return m_entries; }
    qint32 directoryStart() const { return m_directoryStart; }
    // The content of an internal file, or nothing when the directory does not name it.
    std::optional<QByteArrayView> file(const QString& name) const;
    // The directory's own B+ tree.
    QByteArrayView directory() const { return m_directory; }

private:
    static QByteArrayView content(QByteArrayView helpFile, qint32 offset);

    QByteArrayView m_helpFile;
    QByteArrayView m_directory;
    qint32 m_directoryStart = 0;
    QList<Entry> m_entries;
};

} // namespace WinHelp
