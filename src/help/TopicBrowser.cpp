#include "help/TopicBrowser.h"

#include "help/Manual.h"
#include "help/TabStops.h"
#include "help/TopicLink.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocumentFragment>

#include <cmath>
#include <cstring>

namespace {

const QString PictureScheme = QStringLiteral("velcarin-picture");
// Pictures of help files are drawn for screens of 96 pixels to the inch.
constexpr double PictureDpi = 96.0;
constexpr double ZoomStep = 1.1;
// Windows Help sets a tab stop every half inch where a paragraph sets none.
constexpr double TabStopDistance = 48.0;

QImage imageOf(const Manual::Picture& picture)
{
    QImage image(picture.size, QImage::Format_ARGB32);
    const qsizetype rowBytes = qsizetype(picture.size.width()) * 4;
    if (picture.pixels.size() < rowBytes * picture.size.height())
        return {};
    for (int row = 0; row < picture.size.height(); ++row)
        std::memcpy(image.scanLine(row), picture.pixels.constData() + row * rowBytes, size_t(rowBytes));
    return image;
}

// A picture that cannot be shown: a frame in its place with the reason in it.
QImage failedPicture(const QString& reason, const QFont& font)
{
    QImage image(320, 80, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::darkGray);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    painter.setFont(font);
    painter.drawText(image.rect().adjusted(6, 4, -6, -4), Qt::TextWordWrap | Qt::AlignCenter, reason);
    return image;
}

} // namespace

TopicBrowser::TopicBrowser(QWidget* parent)
    : QTextBrowser(parent)
{
    setOpenLinks(false);
    setTabStopDistance(TabStopDistance);
    connect(this, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { Q_EMIT linkClicked(link.toString(QUrl::FullyEncoded)); });
}

void TopicBrowser::showTopic(const Manual* manual, const QString& html)
{
    m_manual = manual;
    m_html = html;
    document()->clear(); // drops the pictures of the topic before
    setHtml(html);
    applyTabStops();
    applyZoom();
}

void TopicBrowser::setZoom(int steps)
{
    m_zoom = steps;
    document()->clear();
    setHtml(m_html);
    applyTabStops();
    applyZoom();
}

void TopicBrowser::highlight(const QStringList& words)
{
    QList<ExtraSelection> marks;
    for (const QString& word : words) {
        for (QTextCursor found = document()->find(word); !found.isNull();
             found = document()->find(word, found)) {
            ExtraSelection mark;
            mark.cursor = found;
            mark.format.setBackground(QColor(255, 255, 0));
            mark.format.setForeground(Qt::black);
            marks << mark;
        }
    }
    setExtraSelections(marks);
}

QVariant TopicBrowser::loadResource(int type, const QUrl& name)
{
    if (type != QTextDocument::ImageResource || name.scheme() != PictureScheme)
        return QTextBrowser::loadResource(type, name);
    const double scale = logicalDpiX() / PictureDpi * std::pow(ZoomStep, m_zoom);
    const Result<Manual::Picture> picture = m_manual
                                                ? m_manual->picture(name.path())
                                                : Result<Manual::Picture>(Failure{tr("No manual is open.")});
    QImage image = picture ? imageOf(*picture) : QImage();
    if (image.isNull())
        return failedPicture(
            picture ? tr("The picture %1 cannot be shown.").arg(name.path()) : picture.error(), font());
    if (std::abs(scale - 1.0) > 0.01)
        image = image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

void TopicBrowser::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !textCursor().hasSelection()) {
        const QString target = hotspotAt(event->position().toPoint());
        if (!target.isEmpty()) {
            Q_EMIT linkClicked(target);
            return;
        }
    }
    QTextBrowser::mouseReleaseEvent(event);
}

// The target of the picture hotspot under a point of the view, if any.
QString TopicBrowser::hotspotAt(const QPoint& point) const
{
    if (!m_manual)
        return {};
    const QPointF inDocument = point + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const int position = document()->documentLayout()->hitTest(inDocument, Qt::ExactHit);
    if (position < 0)
        return {};
    // The picture is the character at the hit or just before it.
    for (const int at : {position + 1, position}) {
        QTextCursor cursor(document());
        cursor.setPosition(at);
        const QTextCharFormat format = cursor.charFormat();
        if (!format.isImageFormat())
            continue;
        const QUrl name(format.toImageFormat().name());
        if (name.scheme() != PictureScheme)
            continue;
        const Result<Manual::Picture> picture = m_manual->picture(name.path());
        if (!picture || picture->hotspots.isEmpty())
            return {};
        const QTextBlock block = cursor.block();
        const QTextLine line = block.layout()->lineForTextPosition(at - 1 - block.position());
        if (!line.isValid())
            return {};
        const QImage shown = document()->resource(QTextDocument::ImageResource, name).value<QImage>();
        const QRectF blockArea = document()->documentLayout()->blockBoundingRect(block);
        const double left = blockArea.left() + line.cursorToX(at - 1 - block.position());
        const double bottom = blockArea.top() + line.y() + line.ascent();
        const QRectF area(left, bottom - shown.height(), shown.width(), shown.height());
        if (!area.contains(inDocument) || shown.width() == 0)
            return {};
        const double scale = double(picture->size.width()) / shown.width();
        const QPoint inPicture(int((inDocument.x() - area.left()) * scale),
                               int((inDocument.y() - area.top()) * scale));
        for (const Manual::Hotspot& hotspot : picture->hotspots) {
            if (hotspot.area.contains(inPicture))
                return TopicLink{{}, hotspot.target, {}, hotspot.popup}.href();
        }
        return {};
    }
    return {};
}

// Sets the tab stops each paragraph's title names on its block, zoomed, and drops the title, which is no
// tooltip of the text.
void TopicBrowser::applyTabStops()
{
    const double factor = std::pow(ZoomStep, m_zoom);
    QTextCursor cursor(document());
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block.begin().atEnd())
            continue;
        const std::optional<QList<TabStop>> stops =
            TabStop::fromTitle(block.begin().fragment().charFormat().toolTip());
        if (!stops)
            continue;
        QList<QTextOption::Tab> tabs;
        for (const TabStop& stop : *stops) {
            const QTextOption::TabType type = stop.kind == TabStop::Right    ? QTextOption::RightTab
                                              : stop.kind == TabStop::Centre ? QTextOption::CenterTab
                                                                             : QTextOption::LeftTab;
            tabs << QTextOption::Tab(stop.position * factor, type);
        }
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        QTextBlockFormat format = block.blockFormat();
        format.setTabPositions(tabs);
        cursor.setBlockFormat(format);
        QTextCharFormat untitled;
        untitled.setToolTip(QString());
        cursor.mergeCharFormat(untitled);
    }
}

// Scales every font size the topic sets, and the viewer's own, by the zoom.
void TopicBrowser::applyZoom()
{
    if (m_zoom == 0)
        return;
    const double factor = std::pow(ZoomStep, m_zoom);
    QFont base = font();
    base.setPointSizeF(base.pointSizeF() * factor);
    document()->setDefaultFont(base);
    // Gathered first: a changed format may join or part the fragments.
    struct Sized {
        int start;
        int end;
        double size;
    };
    QList<Sized> sized;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment part = fragment.fragment();
            if (part.charFormat().fontPointSize() > 0)
                sized << Sized{part.position(), part.position() + part.length(),
                               part.charFormat().fontPointSize()};
        }
    }
    QTextCursor cursor(document());
    for (const Sized& part : sized) {
        cursor.setPosition(part.start);
        cursor.setPosition(part.end, QTextCursor::KeepAnchor);
        QTextCharFormat zoomed;
        zoomed.setFontPointSize(part.size * factor);
        cursor.mergeCharFormat(zoomed);
    }
}
