#pragma once

#include <QIcon>
#include <QPixmap>

// Velcarin's own pictures, drawn from the SVG sources of src/app/icons when the program is built.
namespace ProgramImages {

// The program's icon, 16 to 64 pixels: the icon of every window. Each size is read when the icon is made.
QIcon icon();
// The logo, a chemical tanker under way, at that height in pixels and the widget's pixel ratio.
QPixmap logo(int height, qreal devicePixelRatio);

} // namespace ProgramImages
