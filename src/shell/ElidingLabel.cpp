#include "shell/ElidingLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <QToolTip>

ElidingLabel::ElidingLabel(QWidget* parent)
    : QLabel(parent)
{
}

QRect ElidingLabel::textRect() const
{
    QRect rect = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int indent = this->indent();
    if (indent < 0 && frameWidth() > 0)
        indent = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent > 0) {
        if (alignment() & Qt::AlignLeft)
            rect.setLeft(rect.left() + indent);
        if (alignment() & Qt::AlignRight)
            rect.setRight(rect.right() - indent);
        if (alignment() & Qt::AlignTop)
            rect.setTop(rect.top() + indent);
        if (alignment() & Qt::AlignBottom)
            rect.setBottom(rect.bottom() - indent);
    }
    return rect;
}

QString ElidingLabel::shownText() const
{
    const QString whole = text();
    if (whole.isEmpty() || textFormat() != Qt::PlainText)
        return whole;
    const QRect rect = textRect();
    const QFontMetrics metrics = fontMetrics();
    const int width = std::max(rect.width(), 1);
    const int mostLines = std::max(1, (rect.height() + metrics.leading()) / metrics.lineSpacing());

    // The lines the text makes: one for each of its own lines, and where the label wraps, as many more as
    // its words need.
    struct Line {
        qsizetype start;
        qsizetype length;
    };
    QList<Line> lines;
    qsizetype start = 0;
    for (const QString& paragraph : whole.split(QLatin1Char('\n'))) {
        if (!wordWrap() || paragraph.isEmpty()) {
            lines << Line{start, paragraph.size()};
        } else {
            // Broken as a label breaks it: a word longer than the line anywhere.
            QTextLayout layout(paragraph, font());
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width);
                lines << Line{start + line.textStart(), line.textLength()};
            }
            layout.endLayout();
        }
        start += paragraph.size() + 1;
    }

    QStringList shown;
    bool cut = false;
    for (qsizetype index = 0; index < lines.size() && index < mostLines; ++index) {
        // The last line that fits takes the rest of the text, to end in "…" where more follows.
        const bool last = index + 1 == mostLines && index + 1 < lines.size();
        QString line = last ? whole.mid(lines[index].start).replace(QLatin1Char('\n'), QLatin1Char(' '))
                            : whole.mid(lines[index].start, lines[index].length);
        // The blank a line is broken at takes no room.
        while (!last && line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        const QString elided = metrics.elidedText(line, Qt::ElideRight, width);
        cut = cut || last || elided != line;
        shown << (last && elided == line ? line + QChar(0x2026) : elided);
    }
    return cut ? shown.join(QLatin1Char('\n')) : whole;
}

bool ElidingLabel::event(QEvent* event)
{
    // A label that has a tooltip of its own keeps it.
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && isElided()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void ElidingLabel::paintEvent(QPaintEvent* event)
{
    const QString shown = shownText();
    if (shown == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment())) & ~Qt::TextWordWrap;
    style()->drawItemText(&painter, textRect(), flags, palette(), isEnabled(), shown, foregroundRole());
}
