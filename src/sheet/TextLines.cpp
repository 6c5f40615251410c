#include "sheet/TextLines.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace {

// A line that ends this near the end of its window may have been broken there only because the window
// ends: it is looked for again in a larger window.
constexpr qsizetype LookAhead = 32;
constexpr qsizetype FirstWindow = 1024;

bool breaksLine(QChar character)
{
    return character == QLatin1Char('\n') || character == QLatin1Char('\r') ||
           character == QChar::LineSeparator || character == QChar::ParagraphSeparator;
}

} // namespace

TextLines::TextLines(QString text, const QFont& font, QPaintDevice* device, int width, qsizetype mostLines)
    : m_text(std::move(text))
    , m_font(font)
    , m_device(device)
    , m_width(width)
    , m_window(FirstWindow)
{
    // The stored line breaks, CR LF as one, end the paragraphs; each paragraph is broken on its own.
    qsizetype begin = 0;
    const qsizetype size = m_text.size();
    for (qsizetype at = 0; at <= size && m_complete; ++at) {
        if (at < size && !breaksLine(m_text.at(at)))
            continue;
        breakParagraph(begin, at, mostLines);
        if (at + 1 < size && m_text.at(at) == QLatin1Char('\r') && m_text.at(at + 1) == QLatin1Char('\n'))
            ++at;
        begin = at + 1;
    }
}

void TextLines::breakParagraph(qsizetype begin, qsizetype end, qsizetype mostLines)
{
    if (begin == end)
        m_lines << Line{begin, 0};
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (qsizetype position = begin; position < end && m_complete;) {
        qsizetype window = std::min(end - position, m_window);
        const bool last = position + window == end;
        // A window never ends between the two halves of a character.
        if (!last && m_text.at(position + window - 1).isHighSurrogate())
            --window;
        QTextLayout layout(m_text.mid(position, window), m_font, m_device);
        layout.setTextOption(option);
        layout.beginLayout();
        qsizetype taken = 0;
        for (QTextLine line = layout.createLine(); line.isValid() && m_complete; line = layout.createLine()) {
            line.setLineWidth(m_width);
            const qsizetype length = line.textLength();
            if (!last && taken + length + LookAhead > window)
                break;
            m_lines << Line{position + taken, length};
            taken += length;
            m_complete = m_lines.size() <= mostLines;
        }
        layout.endLayout();
        if (taken == 0)
            m_window *= 2; // not one whole line in the window
        position += taken;
    }
    m_complete = m_complete && m_lines.size() <= mostLines;
}

void TextLines::draw(QPainter& painter, qsizetype line, const QPointF& topLeft, bool centred) const
{
    const Line& shown = m_lines.at(line);
    if (shown.length == 0)
        return;
    QTextLayout layout(m_text.mid(shown.start, shown.length), m_font, m_device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine only = layout.createLine();
    only.setLineWidth(m_width);
    layout.endLayout();
    const double indent = centred ? std::max(0.0, (m_width - only.naturalTextWidth()) / 2) : 0.0;
    layout.draw(&painter, topLeft + QPointF(indent, 0));
}
