#include "help/winhelp/TopicFile.h"

#include "help/winhelp/ByteReader.h"
#include "help/winhelp/Lz77.h"
#include "help/winhelp/PhraseTable.h"
#include "help/winhelp/SystemFile.h"
#include "help/winhelp/Windows1252.h"

#include <algorithm>

namespace WinHelp {

namespace {

constexpr qsizetype BlockHeaderSize = 12; // last link of the block before, first link, last topic header
constexpr qsizetype PackedBlockSpace = 0x4000;
constexpr qint32 FirstLink = BlockHeaderSize;
constexpr qsizetype LinkHeaderSize = 21;
constexpr qint64 OffsetBlockSpan = 0x8000;
constexpr qsizetype MaxTitleSize = 1024;
// Limits no real manual reaches: with the file itself (64 MB at most) and the picture being read, a
// manual stays below a gigabyte. A 10 MB manual expands to about 30 MB of topics and 2 MB of table.
constexpr qsizetype MaxStreamSize = 256'000'000;
constexpr qint64 MaxTableMemory = 64'000'000;

struct LinkHeader {
    qint32 blockSize = 0; // the header, the formatting and the stored text
    qint32 textSize = 0;  // the text expanded
    qint32 next = 0;
    qint32 formattingEnd = 0;
    quint8 type = 0;
};

LinkHeader readLinkHeader(const QByteArray& stream, qsizetype position)
{
    ByteReader reader(stream, position);
    LinkHeader header;
    header.blockSize = reader.signedDword();
    header.textSize = reader.signedDword();
    reader.skip(4); // the previous link
    header.next = reader.signedDword();
    header.formattingEnd = reader.signedDword();
    header.type = reader.byte();
    if (header.formattingEnd < LinkHeaderSize || header.blockSize < header.formattingEnd ||
        header.textSize < 0)
        throw Damaged("a topic link of impossible size");
    ByteReader(stream, position).skip(header.blockSize);
    return header;
}

} // namespace

TopicFile::TopicFile(QByteArrayView file, const SystemFile& system, const PhraseTable& phrases)
{
    const qsizetype blockSize = system.topicBlockSize();
    m_blockSpace = system.topicsPacked() ? PackedBlockSpace : blockSize - BlockHeaderSize;
    for (qsizetype start = 0; start < file.size(); start += blockSize) {
        ByteReader block(file.sliced(start, std::min(blockSize, file.size() - start)));
        block.skip(BlockHeaderSize);
        const QByteArrayView data = block.take(block.remaining());
        if (m_stream.size() + m_blockSpace > MaxStreamSize)
            throw Damaged("more topics than a manual can have");
        m_blockStarts.append(m_stream.size());
        m_stream.append(system.topicsPacked() ? expandLz77(data, m_blockSpace) : data.toByteArray());
    }
    walkLinks(phrases);
}

TopicFile::Place TopicFile::locate(qint32 topicPosition) const
{
    if (topicPosition < FirstLink)
        throw Damaged("a topic position before the first block");
    const qsizetype block = (topicPosition - FirstLink) / m_blockSpace;
    if (block >= m_blockStarts.size())
        throw Damaged("a topic position beyond the last block");
    const qsizetype blockEnd = block + 1 < m_blockStarts.size() ? m_blockStarts[block + 1] : m_stream.size();
    const qsizetype position = m_blockStarts[block] + (topicPosition - FirstLink) % m_blockSpace;
    if (position >= blockEnd)
        throw Damaged("a topic position beyond the end of its block");
    return {position, block};
}

void TopicFile::walkLinks(const PhraseTable& phrases)
{
    qsizetype previous = -1;
    qsizetype block = -1;
    qint64 characters = 0; // in the block so far: topic offsets count them
    qint64 tableMemory = 0;
    for (qint32 next = FirstLink; next != 0 && next != -1;) {
        const Place place = locate(next);
        // Links only go forward, so the walk ends.
        if (place.position <= previous)
            throw Damaged("topic links out of order");
        previous = place.position;
        if (place.block != block) {
            block = place.block;
            characters = 0;
        }
        const LinkHeader header = readLinkHeader(m_stream, place.position);
        const Link link{place.position, header.type, block * OffsetBlockSpan + characters};
        if (header.type == Text || header.type == Table) {
            ByteReader formatting(QByteArrayView(m_stream).sliced(place.position + LinkHeaderSize,
                                                                  header.formattingEnd - LinkHeaderSize));
            formatting.packedSignedDword(); // the size of the topic
            characters += formatting.packedWord();
        } else if (header.type == TopicHeader) {
            if (!m_topics.isEmpty() && link.offset < m_topics.last().offset)
                throw Damaged("topics out of order");
            const QByteArray text = data(link, phrases, MaxTitleSize).text;
            if (!m_topics.isEmpty())
                m_topics.last().endLink = m_links.size();
            Topic topic{link.offset, fromWindows1252(ByteReader(text).string()), m_links.size() + 1};
            readTopicHeader(QByteArrayView(m_stream).sliced(place.position + LinkHeaderSize,
                                                            header.formattingEnd - LinkHeaderSize),
                            topic);
            tableMemory += qint64(sizeof(Topic)) + topic.title.size() * qint64(sizeof(QChar));
            m_topics.append(topic);
        }
        tableMemory += qint64(sizeof(Link));
        if (tableMemory > MaxTableMemory)
            throw Damaged("more topics than a manual can have");
        m_links.append(link);
        next = header.next;
    }
    if (!m_topics.isEmpty())
        m_topics.last().endLink = m_links.size();
}

void TopicFile::readTopicHeader(QByteArrayView header, Topic& topic) const
{
    ByteReader fields(header);
    fields.skip(4); // the size of the topic
    topic.browseBack = fields.signedDword();
    topic.browseForward = fields.signedDword();
    fields.skip(4); // its number
    const qint32 nonScrolling = fields.signedDword();
    const qint32 scrolling = fields.signedDword();
    if (nonScrolling == -1)
        return;
    // A region that points outside the topics is left to scroll with the rest.
    try {
        topic.scrollingFrom = scrolling == -1 ? m_stream.size() : locate(scrolling).position;
    } catch (const Damaged&) {
        topic.scrollingFrom = -1;
    }
}

std::optional<qsizetype> TopicFile::topicAt(qint64 offset) const
{
    const auto after =
        std::upper_bound(m_topics.cbegin(), m_topics.cend(), offset,
                         [](qint64 wanted, const Topic& topic) { return wanted < topic.offset; });
    if (after == m_topics.cbegin())
        return std::nullopt;
    return after - m_topics.cbegin() - 1;
}

TopicFile::LinkData TopicFile::data(const Link& link, const PhraseTable& phrases, qsizetype limit) const
{
    const LinkHeader header = readLinkHeader(m_stream, link.position);
    const QByteArrayView linkBytes = QByteArrayView(m_stream).sliced(link.position, header.blockSize);
    const QByteArrayView formatting = linkBytes.sliced(LinkHeaderSize, header.formattingEnd - LinkHeaderSize);
    const QByteArrayView stored = linkBytes.sliced(header.formattingEnd);
    const qsizetype size = std::min<qsizetype>(header.textSize, limit);
    if (header.textSize > stored.size())
        return {formatting, phrases.expand(stored, size)};
    return {formatting, stored.first(size).toByteArray()};
}

} // namespace WinHelp
