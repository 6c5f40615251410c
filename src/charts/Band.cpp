#include "charts/Band.h"

#include <QPainter>

Band::Band(const QString& name, const QColor& outline, const QColor& hatching, Qt::BrushStyle pattern,
           QWidget* parent)
    : QWidget(parent)
    , m_outline(outline)
    , m_hatching(hatching)
    , m_pattern(pattern)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Band::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QBrush(m_hatching, m_pattern));
    painter.setPen(m_outline);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
