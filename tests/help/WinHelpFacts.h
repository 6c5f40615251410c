#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// What the description beside each test help file (NAME.expected.txt, written with an independent
// dissector) says of it.
struct WinHelpFacts {
    struct InternalFile {
        QString name;
        qint32 offset = 0;
        qint32 usedSpace = 0;
    };
    struct SystemRecord {
        int type = 0;
        QByteArray data; // a text record without its NUL
        bool isText = false;
    };
    struct ContextNumber {
        qint32 number = 0;
        qint32 offset = 0;
        std::optional<int> topic; // its index in file order; none for offset -1
        qint64 headerOffset = 0;
        QString title;
        QString name; // its context name, where the description knows it
    };
    struct SampleTopic {
        std::optional<qint32> number; // none: the contents topic
        std::optional<int> topic;
        QString title;
        QString text; // the first 200 characters at most
    };

    qint64 size = 0;
    QByteArray sha256;
    qint32 directoryStart = 0;
    qint64 entireFileSize = 0;
    int directoryPageSize = 0;
    int directoryLevels = 0;
    int directoryEntries = 0;
    QByteArray directoryStructure;
    int minorVersion = 0;
    int majorVersion = 0;
    int flags = 0;
    qint64 generated = 0;
    QString phraseCompression; // "none", "|Phrases" or "|PhrIndex"
    QList<InternalFile> internalFiles;
    QList<SystemRecord> systemRecords;
    QString title;
    int contextCount = -1;
    QList<ContextNumber> contextNumbers;
    QList<SampleTopic> sampleTopics;
    int topicCount = -1;

    // Reads the description; fails the test on a line it does not understand.
    static WinHelpFacts read(const QString& path);
};
