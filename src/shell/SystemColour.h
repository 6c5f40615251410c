#pragma once

#include <QColor>

// The system colours the program names by their Windows index, taken from the application palette.
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
