#include "help/winhelp/TopicText.h"

#include "help/winhelp/ByteReader.h"
#include "help/winhelp/Picture.h"
#include "help/winhelp/Windows1252.h"

namespace WinHelp {

namespace {

constexpr qsizetype MaxLinkText = 0x10000;
constexpr qsizetype MaxTopicText = 0x400000;
constexpr quint8 Bold = 0x01;
constexpr quint8 Italic = 0x02;
// |FONT files whose face names start this far on describe fonts of the multimedia viewers.
constexpr quint16 MultimediaFontLayout = 12;
constexpr int FontDescriptorSize = 11;
const QString PictureMarker = QStringLiteral("[picture]");

// Builds the plain text and the HTML side by side. A paragraph end is held back until more follows, so
// that the end of a table cell can turn it into the gap before the next cell.
class TopicWriter {
public:
    explicit TopicWriter(qint64 topicOffset)
        : m_topicOffset(topicOffset)
    {
    }

    void setFont(quint8 attributes) { m_attributes = attributes; }

    void addText(const QString& text)
    {
        if (text.isEmpty())
            return;
        closeParagraph();
        if (m_text.size() + text.size() > MaxTopicText)
            throw Damaged("a topic too long to show");
        m_text += text;
        QString html = text.toHtmlEscaped();
        if (m_attributes & Italic)
            html = QStringLiteral("<i>") + html + QStringLiteral("</i>");
        if (m_attributes & Bold)
            html = QStringLiteral("<b>") + html + QStringLiteral("</b>");
        m_paragraph += html;
    }
    void addTab() { addMark(QStringLiteral("\t"), QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;")); }
    // A picture the viewer shows by its name, or without one the marker alone.
    void addPicture(const QString& name)
    {
        addMark(PictureMarker, name.isEmpty()
                                   ? QStringLiteral("<i>") + PictureMarker + QStringLiteral("</i>")
                                   : QStringLiteral("<img src=\"velcarin-picture:%1\">").arg(name));
    }
    // A picture the topic holds itself, named by the topic and its place among the topic's pictures.
    QString addEmbeddedPicture(QByteArrayView picture)
    {
        m_embeddedPictures.append(picture.toByteArray());
        return embeddedPictureName(m_topicOffset, int(m_embeddedPictures.size() - 1));
    }
    void addLineBreak() { addMark(QStringLiteral("\n"), QStringLiteral("<br>")); }
    void endParagraph()
    {
        closeParagraph();
        m_paragraphEnded = true;
    }
    void nextCell()
    {
        m_paragraphEnded = false;
        addTab();
    }
    TopicText finish()
    {
        closeParagraph();
        flushParagraph();
        return {m_text, m_html, m_embeddedPictures};
    }

private:
    void addMark(const QString& text, const QString& html)
    {
        closeParagraph();
        m_text += text;
        m_paragraph += html;
    }
    void closeParagraph()
    {
        if (!m_paragraphEnded)
            return;
        m_paragraphEnded = false;
        m_text += QLatin1Char('\n');
        flushParagraph();
    }
    void flushParagraph()
    {
        if (!m_paragraph.isEmpty())
            m_html += QStringLiteral("<p>") + m_paragraph + QStringLiteral("</p>");
        m_paragraph.clear();
    }

    qint64 m_topicOffset;
    QString m_text;
    QString m_html;
    QString m_paragraph;
    QList<QByteArray> m_embeddedPictures;
    quint8 m_attributes = 0;
    bool m_paragraphEnded = false;
};

// Passes over the layout of a paragraph (spacing, indents, border, tab stops), which plain text and the
// viewer's HTML do without.
void skipParagraphLayout(ByteReader& formatting)
{
    formatting.skip(4);
    const quint16 present = formatting.word();
    if (present & 0x0001)
        formatting.packedDword();
    for (quint16 bit = 0x0002; bit <= 0x0040; bit <<= 1) {
        if (present & bit)
            formatting.packedSignedWord(); // spacing above, below, between lines; indents
    }
    if (present & 0x0100)
        formatting.skip(3); // border
    if (present & 0x0200) {
        const qint16 tabStops = formatting.packedSignedWord();
        for (qint16 stop = 0; stop < tabStops; ++stop) {
            if (formatting.packedWord() & 0x4000)
                formatting.packedWord(); // right or centred
        }
    }
}

// The name of the picture a picture command shows: a |bm file by its number, or a picture the topic holds
// itself; none for a window of a program, which only Windows could show, or a command too short to name one.
QString pictureShown(quint8 kind, QByteArrayView command, TopicWriter& writer)
{
    if ((kind != 0x03 && kind != 0x22) || command.size() < 4)
        return {};
    ByteReader picture(command);
    if (picture.word() == 0)
        return bitmapPictureName(picture.word());
    // The picture ("lP" or "lp" first) follows, in some files after a number that means nothing here.
    QByteArrayView embedded = command.sliced(2);
    if (!embedded.startsWith("lP") && !embedded.startsWith("lp"))
        embedded = embedded.sliced(2);
    return writer.addEmbeddedPicture(embedded);
}

// Writes the strings of the text, each followed by the formatting command that comes after it, up to the
// end of the paragraph group. False on a command this reader does not know: the rest cannot be placed.
bool writeCharacters(ByteReader& formatting, ByteReader& strings, const QList<quint8>& fonts,
                     TopicWriter& writer)
{
    for (;;) {
        writer.addText(fromWindows1252(strings.string()));
        switch (formatting.byte()) {
        case 0xFF:
            return true;
        case 0x20: // {vfld n}
            formatting.skip(4);
            break;
        case 0x21: // {dtype n}
            formatting.skip(2);
            break;
        case 0x80: {
            const quint16 font = formatting.word();
            writer.setFont(font < fonts.size() ? fonts[font] : 0);
            break;
        }
        case 0x81:
            writer.addLineBreak();
            break;
        case 0x82:
            writer.endParagraph();
            break;
        case 0x83:
            writer.addTab();
            break;
        case 0x86: // a picture or an embedded window, in line, left or right
        case 0x87:
        case 0x88: {
            const quint8 kind = formatting.byte();
            const qint32 size = formatting.packedSignedDword();
            if (kind == 0x22)
                formatting.packedWord(); // hotspots
            writer.addPicture(pictureShown(kind, formatting.take(size), writer));
            break;
        }
        case 0x89: // end of a hotspot
        case 0x8C: // a hyphen that does not break, itself in the text
            break;
        case 0x8B:
            writer.addText(QString(QChar(0x00A0)));
            break;
        case 0xC8: // a macro hotspot
        case 0xCC:
            formatting.skip(formatting.signedWord() - 3);
            break;
        case 0xE0: // a jump or popup hotspot to a topic offset
        case 0xE1:
        case 0xE2:
        case 0xE3:
        case 0xE6:
        case 0xE7:
            formatting.skip(4);
            break;
        case 0xEA: // a jump or popup to another file or window
        case 0xEB:
        case 0xEE:
        case 0xEF:
            formatting.skip(formatting.signedWord());
            break;
        default:
            return false;
        }
    }
}

void writeLink(quint8 type, QByteArrayView formattingBytes, QByteArrayView text, const QList<quint8>& fonts,
               TopicWriter& writer)
{
    ByteReader formatting(formattingBytes);
    ByteReader strings(text);
    formatting.packedSignedDword(); // the size of the topic
    formatting.packedWord();        // characters, for topic offsets
    const bool table = type == TopicFile::Table;
    if (table) {
        const int columns = formatting.byte();
        const quint8 tableType = formatting.byte();
        if (tableType == 0 || tableType == 2)
            formatting.skip(2);       // the minimum width of a table of varying width
        formatting.skip(4 * columns); // gap and width of each column
    }
    int lastColumn = -1;
    do {
        if (table) {
            const int column = formatting.signedWord();
            if (column == -1)
                return;
            formatting.skip(3);
            if (column > lastColumn && lastColumn >= 0)
                writer.nextCell();
            lastColumn = column;
        }
        skipParagraphLayout(formatting);
        if (!writeCharacters(formatting, strings, fonts, writer))
            return;
    } while (table);
}

} // namespace

QList<quint8> readFontAttributes(QByteArrayView fontFile)
{
    ByteReader reader(fontFile);
    reader.skip(2); // face names
    const quint16 descriptors = reader.word();
    const quint16 faceNamesAt = reader.word();
    const quint16 descriptorsAt = reader.word();
    QList<quint8> attributes;
    if (faceNamesAt >= MultimediaFontLayout)
        return attributes;
    ByteReader descriptor(fontFile, descriptorsAt);
    for (int font = 0; font < descriptors; ++font) {
        attributes.append(descriptor.byte());
        descriptor.skip(FontDescriptorSize - 1); // size, family, face name, colours
    }
    return attributes;
}

TopicText renderTopic(const TopicFile& topics, const TopicFile::Topic& topic, const PhraseTable& phrases,
                      const QList<quint8>& fontAttributes)
{
    TopicWriter writer(topic.offset);
    for (qsizetype index = topic.firstLink; index < topic.endLink; ++index) {
        const TopicFile::Link& link = topics.links().at(index);
        if (link.type != TopicFile::Text && link.type != TopicFile::Table)
            continue;
        const TopicFile::LinkData data = topics.data(link, phrases, MaxLinkText);
        writeLink(link.type, data.formatting, data.text, fontAttributes, writer);
    }
    return writer.finish();
}

} // namespace WinHelp
