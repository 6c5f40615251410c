#include "shell/GradientBackground.h"

#include <QPainter>

namespace GradientBackground {

void paint(QPainter& painter, const QSize& inner)
{
    const int h = inner.height();
    const int w = inner.width();
    if (h <= 0)
        return;
    for (int i = 0; i <= h; ++i) {
        // A box from (-1, i - 1) to (w, i + 1), both corners included; each box overlaps the last.
        painter.fillRect(QRect(QPoint(-1, i - 1), QPoint(w, i + 1)), QColor(0, 0, 255 - i * 255 / h));
    }
}

} // namespace GradientBackground
