#pragma once

#include <QColor>

// The system colours the program names by their Windows index. Each is the colour Windows gave that index
// (the "Windows Standard" scheme of the program's day), not the desktop's palette: the windows set their
// own backgrounds, and a text colour read from another palette could vanish against them.
enum class SystemColour {
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    GrayText = 17,
    InactiveCaptionText = 19,
    InfoBackground = 24,
};

QColor systemColour(SystemColour colour);

// The program's own marks.
namespace Marks {
inline const QColor Red{255, 0, 0};
inline const QColor Green{0, 255, 0};
inline const QColor Black{0, 0, 0};
inline const QColor LightOrange{255, 192, 128}; // &H80C0FF&
} // namespace Marks
