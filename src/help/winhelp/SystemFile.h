#pragma once

#include "help/winhelp/ByteReader.h"

#include <QList>
#include <QString>

#include <optional>

namespace WinHelp {

// What the reader throws for a help file of a kind it does not read.
class Unsupported : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The |SYSTEM file: the help compiler's version, how the topics are packed, and the records that the
// compiler wrote from the help project (title, contents topic, macros...).
class SystemFile {
public:
    struct Record {
        quint16 type = 0;
        QByteArray data;
    };
    enum RecordType : quint16 { Title = 1, Contents = 3 };

    // Reads |SYSTEM and the records it uses; throws Damaged, or Unsupported for a Windows 3.0 help file.
    explicit SystemFile(QByteArrayView file);

    quint16 minorVersion() const { return m_minor; }
    quint16 majorVersion() const { return m_major; }
    // Seconds since 1970 (UTC) when the file was compiled, 0 when not recorded.
    qint32 generated() const { return m_generated; }
    quint16 flags() const { return m_flags; }
    const QList<Record>& records() const { return m_records; }

    bool topicsPacked() const { return m_flags == 4 || m_flags == 8; }
    qsizetype topicBlockSize() const { return m_flags == 8 ? 2048 : 4096; }
    const QString& title() const { return m_title; }
    // The topic offset of the contents topic, when the project names one.
    std::optional<qint32> contents() const { return m_contents; }

private:
    quint16 m_minor = 0;
    quint16 m_major = 0;
    qint32 m_generated = 0;
    quint16 m_flags = 0;
    QList<Record> m_records;
    QString m_title;
    std::optional<qint32> m_contents;
};

} // namespace WinHelp
