#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Where a window goes when it loads: left = (screen width - window width) \ 2 and
// top = (screen height - window height) \ topDivisor, worked out in twips like the rest of the
// program's window positions, each difference a whole number before the whole-number division.
namespace Placement {

constexpr int TwipsPerInch = 1440;

QPoint origin(const QSize& screenTwips, const QSize& windowTwips, int topDivisor);
// Places a window on its screen; the main window and the Unitor window use 6, the view window 8,
// the others 2.
void place(QWidget* window, int topDivisor);

} // namespace Placement
