#pragma once

class QPainter;
class QSize;

// The blue-to-black background of the program's windows, painted row by row: row band i of the
// inner height h gets blue 255 - i * 255 / h in whole numbers. An inner height of 0 paints nothing.
namespace GradientBackground {

void paint(QPainter& painter, const QSize& inner);

} // namespace GradientBackground
