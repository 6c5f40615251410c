#include "help/winhelp/PhraseTable.h"

#include "help/winhelp/ByteReader.h"
#include "help/winhelp/FileSystem.h"
#include "help/winhelp/Lz77.h"

#include <algorithm>

namespace WinHelp {

namespace {

// Phrase offsets of |Phrases are 16-bit; Hall phrase images of real files stay far below this.
constexpr qsizetype MaxPhrasesSize = 0x10000;
constexpr qsizetype MaxHallImageSize = 0x400000;

void appendUpTo(QByteArray& out, QByteArrayView bytes, qsizetype limit)
{
    out.append(bytes.first(std::min(bytes.size(), std::max<qsizetype>(limit - out.size(), 0))));
}

// The bits of the Hall phrase index, lowest bit of each byte first.
class BitReader {
public:
    explicit BitReader(QByteArrayView bytes)
        : m_bytes(bytes)
    {
    }
    bool next()
    {
        if (m_position >= m_bytes.size() * 8)
            throw Damaged("the phrase index is cut short");
        const bool bit = quint8(m_bytes[m_position / 8]) >> (m_position % 8) & 1;
        ++m_position;
        return bit;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_position = 0;
};

} // namespace

PhraseTable::PhraseTable(const FileSystem& files)
{
    if (const std::optional<QByteArrayView> phrases = files.file(QStringLiteral("|Phrases"))) {
        readPhrases(*phrases);
        m_kind = Kind::Phrases;
        return;
    }
    const std::optional<QByteArrayView> index = files.file(QStringLiteral("|PhrIndex"));
    const std::optional<QByteArrayView> image = files.file(QStringLiteral("|PhrImage"));
    if (index && image) {
        readHall(*index, *image);
        m_kind = Kind::Hall;
    }
}

void PhraseTable::readPhrases(QByteArrayView file)
{
    ByteReader reader(file);
    const quint16 count = reader.word();
    reader.skip(2); // 0x0100
    const qint32 size = reader.signedDword();
    if (size < 0 || size > MaxPhrasesSize)
        throw Damaged("a phrase table of impossible size");
    const quint16 first = reader.word();
    for (int number = 0; number < count; ++number) {
        const qsizetype offset = qsizetype(reader.word()) - first;
        if (offset < m_offsets.last() || offset > size)
            throw Damaged("phrase offsets out of order");
        m_offsets.append(offset);
    }
    m_text = expandLz77(reader.take(reader.remaining()), size);
    if (m_text.size() < m_offsets.last())
        throw Damaged("the phrases are cut short");
}

void PhraseTable::readHall(QByteArrayView index, QByteArrayView image)
{
    ByteReader reader(index);
    reader.skip(4); // always 1
    const qint32 count = reader.signedDword();
    reader.skip(4); // the packed size of the index
    const qint32 imageSize = reader.signedDword();
    const qint32 packedImageSize = reader.signedDword();
    reader.skip(4); // always 0
    const int bitCount = reader.word() & 0x0F;
    reader.skip(2);
    if (count < 0 || imageSize < 0 || imageSize > MaxHallImageSize)
        throw Damaged("a phrase index out of range");

    // Each phrase length: a unary count of 2^bitCount steps, then the low bits.
    BitReader bits(reader.take(reader.remaining()));
    for (qint32 number = 0; number < count; ++number) {
        qsizetype length = 1;
        while (bits.next()) {
            length += qsizetype(1) << bitCount;
            if (length > imageSize)
                throw Damaged("a phrase longer than all phrases");
        }
        for (int bit = 0; bit < std::max(bitCount, 1); ++bit)
            length += bits.next() ? qsizetype(1) << bit : 0;
        if (m_offsets.last() + length > imageSize)
            throw Damaged("phrases beyond the phrase image");
        m_offsets.append(m_offsets.last() + length);
    }
    m_text = packedImageSize == imageSize ? ByteReader(image).take(imageSize).toByteArray()
                                          : expandLz77(image, imageSize);
    if (m_text.size() < m_offsets.last())
        throw Damaged("the phrase image is cut short");
}

QByteArrayView PhraseTable::phrase(qsizetype number) const
{
    if (number < 0 || number >= count())
        throw Damaged("text refers to a phrase the file does not have");
    return QByteArrayView(m_text).sliced(m_offsets[number], m_offsets[number + 1] - m_offsets[number]);
}

QByteArray PhraseTable::expand(QByteArrayView packed, qsizetype limit) const
{
    QByteArray out;
    out.reserve(std::min(limit, packed.size() * 4));
    if (m_kind == Kind::Phrases)
        expandPhrases(packed, limit, out);
    else if (m_kind == Kind::Hall)
        expandHall(packed, limit, out);
    else
        throw Damaged("phrase-compressed text without phrases");
    return out;
}

void PhraseTable::expandPhrases(QByteArrayView packed, qsizetype limit, QByteArray& out) const
{
    ByteReader reader(packed);
    while (!reader.atEnd() && out.size() < limit) {
        const quint8 code = reader.byte();
        if (code == 0 || code > 15) {
            out.append(char(code));
            continue;
        }
        // Codes 1 to 15 and the next byte name a phrase; an odd number adds a blank after it.
        const int number = (code - 1) * 256 + reader.byte();
        appendUpTo(out, phrase(number / 2), limit);
        if (number % 2 && out.size() < limit)
            out.append(' ');
    }
}

void PhraseTable::expandHall(QByteArrayView packed, qsizetype limit, QByteArray& out) const
{
    ByteReader reader(packed);
    while (!reader.atEnd() && out.size() < limit) {
        const quint8 code = reader.byte();
        if (code % 2 == 0)
            appendUpTo(out, phrase(code / 2), limit);
        else if ((code & 0x03) == 0x01)
            appendUpTo(out, phrase(code * 64 + 64 + reader.byte()), limit);
        else if ((code & 0x07) == 0x03)
            appendUpTo(out, reader.take(code / 8 + 1), limit);
        else
            appendUpTo(out, QByteArray(code / 16 + 1, (code & 0x0F) == 0x07 ? ' ' : '\0'), limit);
    }
}

} // namespace WinHelp
