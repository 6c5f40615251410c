#pragma once

#include "shell/TwipScale.h"

#include <QList>
#include <QRect>
#include <QSize>

class QFont;
class QWidget;

// A window laid out as it was designed, in twips: its inner size, its font and the rectangle of each of
// its controls, turned into pixels at one scale.
class TwipLayout {
public:
    static constexpr int FontTwips = 165; // 8.25 point, the font of the program's windows

    TwipLayout(QWidget* window, const QSize& innerTwips);

    void place(QWidget* control, const QRect& twips);
    // A control whose text must show whole: where the text is wider than the control at a scale, its
    // font is narrowed until it fits.
    void placeWhole(QWidget* control, const QRect& twips);

    // The scale of the window's screen, made smaller where the window would not fit it.
    TwipScale screenScale() const;
    void setScale(const TwipScale& scale);
    const TwipScale& scale() const { return m_scale; }

private:
    struct Placed {
        QWidget* control;
        QRect twips;
        bool whole;
    };

    static void narrowToFit(QWidget* control, const QFont& font);

    QWidget* m_window;
    QSize m_innerTwips;
    TwipScale m_scale;
    QList<Placed> m_controls;
};
