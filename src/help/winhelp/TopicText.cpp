#include "help/winhelp/TopicText.h"

#include "help/TabStops.h"
#include "help/TopicLink.h"
#include "help/winhelp/ByteReader.h"
#include "help/winhelp/ContextHash.h"
#include "help/winhelp/Picture.h"
#include "help/winhelp/Windows1252.h"

#include <QRegularExpression>

namespace WinHelp {

namespace {

constexpr qsizetype MaxLinkText = 0x10000;
constexpr qsizetype MaxTopicText = 0x400000;
// Wider columns than a screen are left to the viewer to size.
constexpr int MaxColumnWidth = 2000;
// |FONT files whose face names start this far on describe fonts of the multimedia viewers.
constexpr quint16 MultimediaFontLayout = 12;
const QString PictureMarker = QStringLiteral("[picture]");
// Jumps and popups show green, as Windows Help shows them.
const QString LinkColour = QStringLiteral("#008000");

// Paragraph and column lengths are stored in half points; the viewer lays out in pixels of 96 to the inch.
int pixels(int halfPoints)
{
    return halfPoints * 2 / 3;
}

// The layout of the paragraphs of a text link or a table cell.
struct ParagraphLayout {
    int above = 0;
    int below = 0;
    int left = 0;
    int right = 0;
    int firstLine = 0;
    QString alignment;       // empty: left
    QList<TabStop> tabStops; // none: the viewer's own stops

    // A paragraph of the viewer's own layout stays a plain <p>.
    QString openingTag() const
    {
        QString style;
        const std::pair<const char*, int> margins[] = {
            {"margin-top", above}, {"margin-bottom", below}, {"margin-left", left}, {"margin-right", right}};
        for (const auto& [property, length] : margins) {
            if (length > 0)
                style += QStringLiteral("%1:%2px; ").arg(QLatin1String(property)).arg(pixels(length));
        }
        // Only the first line may stand out to the left, for a bullet or a number.
        if (firstLine != 0)
            style += QStringLiteral("text-indent:%1px; ").arg(pixels(firstLine));
        QString tag = QStringLiteral("<p");
        if (!style.isEmpty())
            tag += QStringLiteral(" style=\"%1\"").arg(style.trimmed());
        if (!alignment.isEmpty())
            tag += QStringLiteral(" align=\"%1\"").arg(alignment);
        if (!tabStops.isEmpty())
            tag += QStringLiteral(" title=\"%1\"").arg(TabStop::titleOf(tabStops));
        return tag + QLatin1Char('>');
    }
};

// The face, size, colour and lines of a font as a style; bold and italic are marked apart.
QString fontStyle(const Font& font, bool inLink)
{
    QString style;
    if (!font.face.isEmpty())
        style += QStringLiteral("font-family:'%1'; ").arg(font.face.toHtmlEscaped());
    if (font.halfPoints > 0)
        style += QStringLiteral("font-size:%1pt; ").arg(font.halfPoints / 2.0);
    if (!inLink && font.colour != 0)
        style += QStringLiteral("color:#%1; ").arg(font.colour, 6, 16, QLatin1Char('0'));
    if (font.attributes & (Font::Underline | Font::DoubleUnderline))
        style += QStringLiteral("text-decoration:underline; ");
    else if (font.attributes & Font::StrikeOut)
        style += QStringLiteral("text-decoration:line-through; ");
    return style.trimmed();
}

// Builds the plain text and the HTML side by side. In the plain text a paragraph end is held back until
// more follows, so that the end of a table cell can turn it into the gap before the next cell.
class TopicWriter {
public:
    TopicWriter(const QList<Font>& fonts, qint64 topicOffset)
        : m_fonts(fonts)
        , m_topicOffset(topicOffset)
    {
    }

    void setFont(quint16 font) { m_font = font < m_fonts.size() ? m_fonts[font] : Font(); }
    void setLayout(const ParagraphLayout& layout) { m_layout = layout; }
    // The links that follow go to the region that does not scroll until this is called with false.
    void setFixed(bool fixed)
    {
        flushParagraph();
        m_html = fixed ? &m_fixedHtml : &m_scrollingHtml;
    }

    void addText(const QString& text)
    {
        if (text.isEmpty())
            return;
        closeParagraph();
        if (m_text.size() + text.size() > MaxTopicText)
            throw Damaged("a topic too long to show");
        m_text += text;
        QString html = text.toHtmlEscaped();
        if (m_font.attributes & Font::Italic)
            html = QStringLiteral("<i>") + html + QStringLiteral("</i>");
        if (m_font.attributes & Font::Bold)
            html = QStringLiteral("<b>") + html + QStringLiteral("</b>");
        const QString style = fontStyle(m_font, m_linkColoured);
        m_paragraph +=
            style.isEmpty() ? html : QStringLiteral("<span style=\"%1\">%2</span>").arg(style, html);
    }
    void addTab()
    {
        addMark(QStringLiteral("\t"), QStringLiteral("<span style=\"white-space:pre\">\t</span>"));
    }
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
        flushParagraph(true);
    }

    // A row of a table, its columns this many pixels wide.
    void beginRow(const QList<int>& widths)
    {
        flushParagraph();
        m_widths = widths;
        *m_html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\"><tr>");
        m_cellOpen = false;
    }
    void beginCell(int column)
    {
        flushParagraph();
        if (m_cellOpen)
            *m_html += QStringLiteral("</td>");
        const int width = column >= 0 && column < m_widths.size() ? m_widths[column] : 0;
        *m_html += width > 0 ? QStringLiteral("<td width=\"%1\">").arg(width) : QStringLiteral("<td>");
        m_cellOpen = true;
    }
    // The cells that follow stand in a row of their own.
    void nextRow()
    {
        flushParagraph();
        if (m_cellOpen)
            *m_html += QStringLiteral("</td></tr><tr>");
        m_cellOpen = false;
    }
    void nextCell()
    {
        m_paragraphEnded = false;
        m_text += QLatin1Char('\t');
    }
    void endRow()
    {
        flushParagraph();
        if (m_cellOpen)
            *m_html += QStringLiteral("</td>");
        *m_html += QStringLiteral("</tr></table>");
        m_cellOpen = false;
    }

    // A jump or popup: the text up to endLink leads to `link`. `coloured`: shown in the colour of links
    // rather than in its own font's.
    void beginLink(const TopicLink& link, bool coloured)
    {
        endLink();
        m_paragraph +=
            coloured ? QStringLiteral("<a href=\"%1\" style=\"color:%2\">").arg(link.href(), LinkColour)
                     : QStringLiteral("<a href=\"%1\" style=\"text-decoration:none\">").arg(link.href());
        m_linkOpen = true;
        m_linkColoured = coloured;
    }
    void endLink()
    {
        if (m_linkOpen)
            m_paragraph += QStringLiteral("</a>");
        m_linkOpen = false;
        m_linkColoured = false;
    }

    TopicText finish()
    {
        closeParagraph();
        flushParagraph();
        return {m_text, m_scrollingHtml, m_fixedHtml, m_embeddedPictures};
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
    }
    // An ended paragraph stands even when empty: an empty line is a gap the author made.
    void flushParagraph(bool ended = false)
    {
        if (m_paragraph.isEmpty() && !ended)
            return;
        endLink();
        *m_html += m_layout.openingTag() + m_paragraph + QStringLiteral("</p>");
        m_paragraph.clear();
    }

    const QList<Font>& m_fonts;
    Font m_font;
    ParagraphLayout m_layout;
    qint64 m_topicOffset;
    QString m_text;
    QString m_scrollingHtml;
    QString m_fixedHtml;
    QString* m_html = &m_scrollingHtml;
    QString m_paragraph;
    QList<int> m_widths;
    QList<QByteArray> m_embeddedPictures;
    bool m_paragraphEnded = false;
    bool m_cellOpen = false;
    bool m_linkOpen = false;
    bool m_linkColoured = false;
};

// Reads the layout of a paragraph: spacing, indents, border, tab stops and alignment.
ParagraphLayout readParagraphLayout(ByteReader& formatting)
{
    formatting.skip(4);
    const quint16 present = formatting.word();
    if (present & 0x0001)
        formatting.packedDword();
    ParagraphLayout layout;
    int* const lengths[] = {&layout.above, &layout.below, nullptr,
                            &layout.left,  &layout.right, &layout.firstLine};
    quint16 bit = 0x0002;
    for (int* length : lengths) {
        if (present & bit) {
            const int value = formatting.packedSignedWord();
            if (length)
                *length = value;
        }
        bit <<= 1;
    }
    if (present & 0x0100)
        formatting.skip(3); // border
    if (present & 0x0200) {
        const qint16 tabStops = formatting.packedSignedWord();
        for (qint16 index = 0; index < tabStops; ++index) {
            const quint16 stop = formatting.packedWord();
            TabStop::Kind kind = TabStop::Left;
            if (stop & 0x4000) {
                const quint16 type = formatting.packedWord();
                kind = type == 1 ? TabStop::Right : type == 2 ? TabStop::Centre : TabStop::Left;
            }
            layout.tabStops << TabStop{pixels(stop & 0x3FFF), kind};
        }
    }
    if (present & 0x0400)
        layout.alignment = QStringLiteral("right");
    else if (present & 0x0800)
        layout.alignment = QStringLiteral("center");
    return layout;
}

// A macro hotspot that jumps or pops up: JumpId(`file', `context') and PopupId, or JI and PI. Other macros
// only Windows could run: nothing.
std::optional<TopicLink> macroLink(const QString& macro, const LinkTarget& linkTarget)
{
    static const QRegularExpression Jump(
        QStringLiteral(
            R"(^\s*(JumpId|JI|PopupId|PI)\s*\(\s*[`"]([^'"]*)['"]\s*,\s*[`"]([^'"]*)['"]\s*\)\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = Jump.match(macro);
    if (!match.hasMatch())
        return std::nullopt;
    TopicLink link;
    link.popup = match.captured(1).startsWith(QLatin1Char('P'), Qt::CaseInsensitive);
    link.file = match.captured(2).section(QLatin1Char('>'), 0, 0); // without the window
    const quint32 hash = quint32(contextHash(match.captured(3)));
    link.target = link.file.isEmpty() ? linkTarget(hash) : hashTarget(hash);
    return link;
}

// A jump or popup to another file or window: its kind, the context hash, then a window or a file. Nothing
// when the data are cut short: the text stays plain.
std::optional<TopicLink> externalLink(QByteArrayView data, bool popup, const LinkTarget& linkTarget)
try {
    ByteReader reader(data);
    const quint8 kind = reader.byte();
    const quint32 hash = reader.dword();
    TopicLink link;
    link.popup = popup;
    if (kind == 4 || kind == 6) {
        if (kind == 6)
            reader.string(); // the window
        link.file = fromWindows1252(reader.string());
    }
    link.target = link.file.isEmpty() ? linkTarget(hash) : hashTarget(hash);
    return link;
} catch (const Damaged&) {
    return std::nullopt;
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
bool writeCharacters(ByteReader& formatting, ByteReader& strings, const LinkTarget& linkTarget,
                     TopicWriter& writer)
{
    for (;;) {
        writer.addText(fromWindows1252(strings.string()));
        const quint8 command = formatting.byte();
        switch (command) {
        case 0xFF:
            return true;
        case 0x20: // {vfld n}
            formatting.skip(4);
            break;
        case 0x21: // {dtype n}
            formatting.skip(2);
            break;
        case 0x80:
            writer.setFont(formatting.word());
            break;
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
            writer.endLink();
            break;
        case 0x8C: // a hyphen that does not break, itself in the text
            break;
        case 0x8B:
            writer.addText(QString(QChar(0x00A0)));
            break;
        case 0xC8: // a macro hotspot; one that only Windows could run stays plain text
        case 0xCC: {
            const QByteArrayView macro = formatting.take(formatting.signedWord() - 3);
            if (const std::optional<TopicLink> link =
                    macroLink(fromWindows1252(ByteReader(macro).string()), linkTarget))
                writer.beginLink(*link, command == 0xC8);
            break;
        }
        case 0xE0: // a jump or popup hotspot to a context of this file
        case 0xE1:
        case 0xE2:
        case 0xE3:
        case 0xE6:
        case 0xE7: {
            TopicLink link;
            link.popup = !(command & 0x01);
            link.target = linkTarget(formatting.dword());
            writer.beginLink(link, command < 0xE6);
            break;
        }
        case 0xEA: // a jump or popup to another file or window
        case 0xEB:
        case 0xEE:
        case 0xEF: {
            const QByteArrayView data = formatting.take(formatting.signedWord());
            if (const std::optional<TopicLink> link = externalLink(data, !(command & 0x01), linkTarget))
                writer.beginLink(*link, command < 0xEE);
            break;
        }
        default:
            return false;
        }
    }
}

void writeLink(const TopicFile::Link& link, QByteArrayView formattingBytes, QByteArrayView text,
               const LinkTarget& linkTarget, TopicWriter& writer)
{
    ByteReader formatting(formattingBytes);
    ByteReader strings(text);
    formatting.packedSignedDword(); // the size of the topic
    formatting.packedWord();        // characters, for topic offsets
    const bool table = link.type == TopicFile::Table;
    if (!table) {
        writer.setLayout(readParagraphLayout(formatting));
        writeCharacters(formatting, strings, linkTarget, writer);
        return;
    }
    const int columns = formatting.byte();
    const quint8 tableType = formatting.byte();
    if (tableType == 0 || tableType == 2)
        formatting.skip(2); // the minimum width of a table of varying width
    QList<int> widths;
    for (int column = 0; column < columns; ++column) {
        const int gap = formatting.signedWord();
        const int width = pixels(formatting.signedWord() + gap);
        widths << (width > 0 && width <= MaxColumnWidth ? width : 0);
    }
    writer.beginRow(widths);
    int lastColumn = -1;
    for (;;) {
        const int column = formatting.signedWord();
        if (column == -1)
            break;
        formatting.skip(3);
        if (column > lastColumn && lastColumn >= 0)
            writer.nextCell();
        else if (lastColumn >= 0)
            writer.nextRow();
        lastColumn = column;
        writer.beginCell(column);
        writer.setLayout(readParagraphLayout(formatting));
        if (!writeCharacters(formatting, strings, linkTarget, writer))
            break;
    }
    writer.endRow();
}

} // namespace

QList<Font> readFonts(QByteArrayView fontFile)
{
    ByteReader reader(fontFile);
    const quint16 faceNames = reader.word();
    const quint16 descriptors = reader.word();
    const quint16 faceNamesAt = reader.word();
    const quint16 descriptorsAt = reader.word();
    QList<Font> fonts;
    if (faceNamesAt >= MultimediaFontLayout)
        return fonts;
    const qsizetype faceNameSize =
        faceNames > 0 && descriptorsAt > faceNamesAt ? (descriptorsAt - faceNamesAt) / faceNames : 0;
    ByteReader descriptor(fontFile, descriptorsAt);
    for (int index = 0; index < descriptors; ++index) {
        Font font;
        font.attributes = descriptor.byte();
        font.halfPoints = descriptor.byte();
        descriptor.skip(1); // family
        const quint16 faceName = descriptor.word();
        const QByteArrayView colour = descriptor.take(3);
        descriptor.skip(3); // background
        if (faceName < faceNames && faceNameSize > 0) {
            ByteReader face(fontFile, faceNamesAt + faceName * faceNameSize);
            font.face = fromWindows1252(ByteReader(face.take(faceNameSize)).string());
        }
        font.colour = quint32(quint8(colour[0])) << 16 | quint32(quint8(colour[1])) << 8 | quint8(colour[2]);
        fonts.append(font);
    }
    return fonts;
}

TopicText renderTopic(const TopicFile& topics, const TopicFile::Topic& topic, const PhraseTable& phrases,
                      const QList<Font>& fonts, const LinkTarget& linkTarget)
{
    TopicWriter writer(fonts, topic.offset);
    for (qsizetype index = topic.firstLink; index < topic.endLink; ++index) {
        const TopicFile::Link& link = topics.links().at(index);
        if (link.type != TopicFile::Text && link.type != TopicFile::Table)
            continue;
        writer.setFixed(link.position < topic.scrollingFrom);
        const TopicFile::LinkData data = topics.data(link, phrases, MaxLinkText);
        writeLink(link, data.formatting, data.text, linkTarget, writer);
    }
    return writer.finish();
}

} // namespace WinHelp
