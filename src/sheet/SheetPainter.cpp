#include "sheet/SheetPainter.h"

#include "sheet/Sheet.h"
#include "sheet/SheetFlow.h"
#include "sheet/TextLines.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>
#include <memory>

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double TextPoints = 9.0;
constexpr double TitlePoints = 14.0;
constexpr int BoxPaddingTwips = 60;
// The most a sheet prints, a few thousand pages: the time and memory that printing takes grow with the text,
// and a text beyond these is refused with a message rather than left to print for minutes.
constexpr qsizetype MostCharacters = 16 * 1024 * 1024;
constexpr qsizetype MostLines = 300'000;

using Kind = SheetItem::Kind;

QFont fontFor(Kind kind, double fit)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF((kind == Kind::Title ? TitlePoints : TextPoints) * fit);
    font.setBold(kind == Kind::Title || kind == Kind::Value);
    // Without ligatures "fi" stays two letters in the PDF's text, so that a search for "Specific" finds it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// One item as it is drawn, in device pixels: where it was laid out, its text broken into lines, and the
// height it needs for them.
struct Drawn {
    const SheetItem* item;
    QRect designed;
    QPoint textOffset;                // of the text's top left corner from the item's
    std::unique_ptr<TextLines> lines; // none for a frame
    int lineHeight = 0;
    int needed = 0;
};

class Drawing {
public:
    Drawing(const Sheet& sheet, QPagedPaintDevice& device)
        : m_sheet(sheet)
        , m_device(device)
    {
        const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiY());
        m_size = area.size();
        const double natural = device.logicalDpiY() / TwipsPerInch;
        m_scale = std::min(natural, double(m_size.width()) / sheet.twips.width());
        m_fit = m_scale / natural;
    }

    bool paint(QString* error)
    {
        if (!layOut(error))
            return false;
        QList<SheetFlow::Block> blocks;
        for (const Drawn& drawn : m_drawn)
            blocks << SheetFlow::Block{drawn.designed.y(), drawn.designed.y() + drawn.designed.height(),
                                       drawn.needed};
        const QList<SheetFlow::Span> spans = SheetFlow::grow(blocks);

        QList<SheetFlow::Placed> placed;
        for (qsizetype index = 0; index < spans.size(); ++index) {
            const Drawn& drawn = m_drawn[index];
            SheetFlow::Placed block{spans[index], {}, drawn.item->kind == Kind::Frame};
            const int textTop = spans[index].top + drawn.textOffset.y();
            const qsizetype lineCount = drawn.lines ? drawn.lines->lines().size() : 0;
            for (qsizetype line = 1; line < lineCount; ++line)
                block.lineBreaks << textTop + int(line) * drawn.lineHeight;
            placed << block;
        }
        // A sheet of several pages names on each its subject and which page it is, so that loose pages
        // can be matched; the line at the foot of each page, or at the head where the sheet asks for it,
        // is room its text does not take.
        int bodyHeight = m_size.height();
        QList<int> tops = SheetFlow::pageTops(placed, bodyHeight);
        const QFont footFont = fontFor(Kind::Caption, m_fit);
        const int footHeight = int(std::ceil(QFontMetricsF(footFont, &m_device).lineSpacing()));
        const bool marked = m_sheet.headedPages || tops.size() > 1;
        if (marked) {
            bodyHeight -= footHeight + footHeight / 2;
            tops = SheetFlow::pageTops(placed, bodyHeight);
        }
        const int bodyTop = m_sheet.headedPages ? footHeight + footHeight / 2 : 0;
        const int markTop = m_sheet.headedPages ? 0 : m_size.height() - footHeight;

        QPainter painter;
        if (!painter.begin(&m_device)) {
            *error = QCoreApplication::translate("SheetPainter", "The page could not be opened for drawing.");
            return false;
        }
        for (qsizetype page = 0; page < tops.size(); ++page) {
            if (page > 0 && !m_device.newPage()) {
                *error = QCoreApplication::translate("SheetPainter", "A further page could not be started.");
                return false;
            }
            const int top = tops[page];
            const int bottom = page + 1 < tops.size() ? tops[page + 1] : top + bodyHeight;
            painter.save();
            // Only the page's top and bottom clip: a border on the sheet's edge keeps its whole width.
            painter.setClipRect(QRect(-m_size.width(), bodyTop, 3 * m_size.width(), bottom - top));
            painter.translate(0, bodyTop - top);
            for (qsizetype index = 0; index < spans.size(); ++index) {
                if (spans[index].bottom > top && spans[index].top < bottom)
                    draw(painter, m_drawn[index], spans[index], top, bottom);
            }
            painter.restore();
            if (marked) {
                painter.setFont(footFont);
                painter.drawText(QRect(0, markTop, m_size.width(), footHeight), Qt::AlignCenter,
                                 footing(int(page) + 1, int(tops.size())));
            }
        }
        return painter.end();
    }

private:
    int pixels(int twips) const { return int(std::lround(twips * m_scale)); }

    QString footing(int page, int pages) const
    {
        const QString subject = m_sheet.subject.simplified();
        return QCoreApplication::translate("SheetPainter", "%1 — page %2 of %3")
            .arg(subject.isEmpty() ? m_sheet.title : subject, QString::number(page), QString::number(pages));
    }

    // Breaks every text into its lines; false, with the reason, for a sheet too long to print.
    bool layOut(QString* error)
    {
        qsizetype characters = 0;
        for (const SheetItem& item : m_sheet.items)
            characters += item.text.size();
        if (characters > MostCharacters) {
            *error = QCoreApplication::translate("SheetPainter",
                                                 "The sheet is too long to print: its texts hold %L1 "
                                                 "characters, and a sheet holds at most %L2.")
                         .arg(characters)
                         .arg(MostCharacters);
            return false;
        }
        qsizetype lines = 0;
        for (const SheetItem& item : m_sheet.items) {
            m_drawn.push_back(layOut(item, MostLines - lines));
            if (const TextLines* text = m_drawn.back().lines.get()) {
                if (!text->isComplete()) {
                    *error = QCoreApplication::translate("SheetPainter",
                                                         "The sheet is too long to print: its texts make "
                                                         "more than %L1 lines.")
                                 .arg(MostLines);
                    return false;
                }
                lines += text->lines().size();
            }
        }
        return true;
    }

    Drawn layOut(const SheetItem& item, qsizetype mostLines) const
    {
        const QRect twips = item.twips;
        const int left = pixels(twips.left());
        const int top = pixels(twips.top());
        Drawn drawn{
            &item,
            QRect(left, top, pixels(twips.x() + twips.width()) - left, pixels(twips.y() + twips.height()) - top),
            {},
            nullptr,
            0,
            0};
        if (item.kind == Kind::Frame)
            return drawn;

        const QFont font = fontFor(item.kind, m_fit);
        drawn.lineHeight = int(std::ceil(QFontMetricsF(font, &m_device).lineSpacing()));
        const bool boxed = item.kind == Kind::TextBox;
        const int padding = pixels(BoxPaddingTwips);
        // A text box keeps its padding; a caption or value stands in the middle of its height.
        const int vertical = boxed ? padding : std::max(0, (drawn.designed.height() - drawn.lineHeight) / 2);
        const int horizontal = boxed ? padding : 0;
        const int width = std::max(1, drawn.designed.width() - 2 * horizontal);
        drawn.lines = std::make_unique<TextLines>(item.text, font, &m_device, width, mostLines);
        drawn.textOffset = {horizontal, vertical};
        drawn.needed =
            int(std::max<qsizetype>(drawn.lines->lines().size(), 1)) * drawn.lineHeight + 2 * vertical;
        return drawn;
    }

    // Draws what of an item falls on the page from top to bottom: its border as far as the page reaches,
    // and each line of its text on the page where the line begins. A line is never written onto two
    // pages, not even where the page's edge would hide it, so that the text read from the file is whole
    // and once.
    void draw(QPainter& painter, const Drawn& drawn, const SheetFlow::Span& span, int top, int bottom) const
    {
        const QRect box(drawn.designed.left(), span.top, drawn.designed.width(), span.bottom - span.top);
        QPen pen(Qt::black);
        pen.setWidthF(std::max(1.0, m_device.logicalDpiY() / 144.0)); // half a point
        painter.setPen(pen);
        if (drawn.item->kind == Kind::Frame) {
            drawFrame(painter, *drawn.item, box, box.top() >= top && box.top() < bottom);
            return;
        }
        if (drawn.item->kind == Kind::TextBox)
            painter.drawRect(box);
        // The lines that begin on the page: line n begins n line heights below the text's top.
        const QPoint origin = box.topLeft() + drawn.textOffset;
        const qsizetype count = drawn.lines->lines().size();
        const auto firstFrom = [&](int y) {
            return std::clamp<qsizetype>(
                (qsizetype(y) - origin.y() + drawn.lineHeight - 1) / drawn.lineHeight, 0, count);
        };
        const bool centred = drawn.item->kind == Kind::Title;
        for (qsizetype line = firstFrom(top); line < firstFrom(bottom); ++line)
            drawn.lines->draw(painter, line, origin + QPointF(0, double(line) * drawn.lineHeight), centred);
    }

    // A frame's border runs through the middle of its title's line, and the title interrupts it.
    void drawFrame(QPainter& painter, const SheetItem& frame, const QRect& box, bool withTitle) const
    {
        const QFont font = fontFor(Kind::Caption, m_fit);
        const QFontMetricsF metrics(font, &m_device);
        const int half = int(metrics.height() / 2);
        painter.drawRect(box.adjusted(0, half, 0, 0));
        if (!withTitle)
            return;
        const int inset = pixels(BoxPaddingTwips * 2);
        const QRectF title(box.left() + inset, box.top(), metrics.horizontalAdvance(frame.text) + inset,
                           metrics.height());
        painter.fillRect(title, Qt::white);
        painter.setFont(font);
        painter.drawText(title, Qt::AlignCenter, frame.text);
    }

    const Sheet& m_sheet;
    QPagedPaintDevice& m_device;
    QSize m_size;
    double m_scale;
    double m_fit;
    std::vector<Drawn> m_drawn;
};

} // namespace

namespace SheetPainter {

bool paint(const Sheet& sheet, QPagedPaintDevice& device, QString* error)
{
    return Drawing(sheet, device).paint(error);
}

} // namespace SheetPainter
