#include "shell/SystemColour.h"

QColor systemColour(SystemColour colour)
{
    switch (colour) {
    case SystemColour::Highlight:
        return {10, 36, 106};
    case SystemColour::HighlightText:
        return {255, 255, 255};
    case SystemColour::ButtonFace:
        return {212, 208, 200};
    case SystemColour::GrayText:
        return {128, 128, 128};
    case SystemColour::InactiveCaptionText:
        // The Standard scheme gave this index the button face's grey, which would hide the Jo Tankers tab's
        // mark of the methods not chosen; Windows XP's light blue for it keeps the mark visible.
        return {216, 228, 248};
    case SystemColour::InfoBackground:
        return {255, 255, 225};
    }
    return {};
}
