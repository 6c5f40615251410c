#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace WinHelp {

class PhraseTable;
class SystemFile;

// The |TOPIC file: blocks of topic links, each block LZ77-packed or stored, the links chained through
// the blocks in order. A topic is a header link (its title) and the text and table links after it.
class TopicFile {
public:
    enum LinkType : quint8 { TopicHeader = 0x02, Text = 0x20, Table = 0x23 };

    struct Link {
        qsizetype position = 0; // in the expanded blocks
        quint8 type = 0;
        qint64 offset = 0; // the topic offset where it begins: block number * 0x8000 + characters before it
    };
    struct Topic {
        qint64 offset = 0;
        QString title;
        qsizetype firstLink = 0; // its links are firstLink to endLink - 1
        qsizetype endLink = 0;
        // Its links before this position form the region at its top that does not scroll; -1: none.
        qsizetype scrollingFrom = -1;
        // The topic offsets of the topics before and after it in its browse sequence; -1: none.
        qint32 browseBack = -1;
        qint32 browseForward = -1;
    };
    // The two parts of a link's data: the formatting and the text, phrases expanded.
    struct LinkData {
        QByteArrayView formatting;
        QByteArray text;
    };

    // Expands the blocks and walks the chain of links; throws Damaged.
    TopicFile(QByteArrayView file, const SystemFile& system, const PhraseTable& phrases);

    const QList<Link>& links() const { return m_links; }
    const QList<Topic>& topics() const { return m_topics; }
    // The topic an offset falls in: the last one that begins at or before it.
    std::optional<qsizetype> topicAt(qint64 offset) const;
    // The data of a link, its text expanded up to `limit` bytes; throws Damaged.
    LinkData data(const Link& link, const PhraseTable& phrases, qsizetype limit) const;

private:
    struct Place {
        qsizetype position;
        qsizetype block;
    };
    Place locate(qint32 topicPosition) const;
    void walkLinks(const PhraseTable& phrases);
    // The browse sequence and the non-scrolling region of a topic from the fields of its header link.
    void readTopicHeader(QByteArrayView header, Topic& topic) const;

    qsizetype m_blockSpace = 0; // the expanded size a block's positions count in
    QByteArray m_stream;        // the expanded blocks one after the other
    QList<qsizetype> m_blockStarts;
    QList<Link> m_links;
    QList<Topic> m_topics;
};

} // namespace WinHelp
