#include "shell/SystemColour.h"

#include <QApplication>
#include <QPalette>

QColor systemColour(SystemColour colour)
{
    const QPalette palette = QApplication::palette();
    switch (colour) {
    case SystemColour::Highlight:
        return palette.color(QPalette::Active, QPalette::Highlight);
    case SystemColour::HighlightText:
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case SystemColour::ButtonFace:
        return palette.color(QPalette::Active, QPalette::Button);
    case SystemColour::GrayText:
        return palette.color(QPalette::Disabled, QPalette::WindowText);
    case SystemColour::InactiveCaptionText:
        // Qt has no caption colours; the light shade of a button is what the Windows palette gives here.
        return palette.color(QPalette::Active, QPalette::Midlight);
    case SystemColour::InfoBackground:
        return palette.color(QPalette::Active, QPalette::ToolTipBase);
    }
    return {};
}
