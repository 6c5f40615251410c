#include "shell/Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace Placement {

QPoint origin(const QSize& screenTwips, const QSize& windowTwips, int topDivisor)
{
    // Integer division truncates towards zero, as the program's whole-number division does.
    return {(screenTwips.width() - windowTwips.width()) / 2,
            (screenTwips.height() - windowTwips.height()) / topDivisor};
}

void place(QWidget* window, int topDivisor)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const double twipsPerPixel = TwipsPerInch / screen->logicalDotsPerInch();
    const auto twips = [twipsPerPixel](int pixels) {
        return int(std::lround(pixels * twipsPerPixel));
    };
    const QSize frame = window->frameGeometry().size();
    const QRect screenArea = screen->geometry();
    const QPoint inTwips = origin(QSize(twips(screenArea.width()), twips(screenArea.height())),
                                  QSize(twips(frame.width()), twips(frame.height())), topDivisor);
    window->move(screenArea.topLeft() + QPoint(int(std::lround(inTwips.x() / twipsPerPixel)),
                                               int(std::lround(inTwips.y() / twipsPerPixel))));
}

} // namespace Placement
