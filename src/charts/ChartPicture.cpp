#include "charts/ChartPicture.h"

#include "charts/ChartGeometry.h"
#include "charts/CompatibilityChart.h"

#include <QPainter>

namespace {
constexpr int TwipsPerPoint = 20;
}

ChartPicture::ChartPicture(QWidget* parent)
    : QWidget(parent)
    , m_scale(1.0 / 15)
{
    setObjectName(QStringLiteral("OLE1"));
}

void ChartPicture::setScale(const TwipScale& scale)
{
    m_scale = scale;
    setGeometry(m_scale.rect(ChartGeometry::chart()));
    update();
}

QRect ChartPicture::local(const QRect& twips) const
{
    return m_scale.rect(twips).translated(-m_scale.rect(ChartGeometry::chart()).topLeft());
}

void ChartPicture::paintEvent(QPaintEvent*)
{
    using namespace CompatibilityChart;
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);

    // Each row and column starts on its grid line; the closing lines lie on the chart's last pixels,
    // so that no line is lost to rounding at a small scale.
    const int line = std::max(m_scale.pixels(ChartGeometry::LineWidth), 1);
    for (int rowGroup : rowGroups())
        painter.fillRect(0, local(ChartGeometry::row(rowGroup)).top(), width(), line, LineColour);
    painter.fillRect(0, height() - line, width(), line, LineColour);
    for (int columnGroup : columnGroups())
        painter.fillRect(local(ChartGeometry::column(columnGroup)).left(), 0, line, height(), LineColour);
    painter.fillRect(width() - line, 0, line, height(), LineColour);

    QFont markFont = font();
    markFont.setBold(true);
    markFont.setPixelSize(std::max(m_scale.pixels(MarkPoints * TwipsPerPoint), 1));
    painter.setFont(markFont);
    painter.setPen(LineColour);
    for (int rowGroup : rowGroups()) {
        for (int columnGroup : markedColumns(rowGroup))
            painter.drawText(local(ChartGeometry::cell(rowGroup, columnGroup)), Qt::AlignCenter, Mark);
    }
}
