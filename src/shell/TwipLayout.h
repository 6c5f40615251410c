#pragma once

#include "shell/TwipScale.h"

#include <QList>
#include <QRect>

class QWidget;

// A fixed-size window laid out in twips: its inner size, its font size and each control's position,
// all turned into pixels at one scale, and again at each new scale.
class TwipLayout {
public:
    TwipLayout(QWidget* window, const QSize& windowTwips, int fontTwips);

    void place(QWidget* control, const QRect& twips);
    // The window's font and fixed size and every control's geometry at this scale.
    void apply(const TwipScale& scale);
    const TwipScale& scale() const { return m_scale; }

    // The primary screen's scale, made smaller where the window with a frame of that many twips would not
    // fit the screen.
    TwipScale screenScale(const QSize& frameTwips) const;

private:
    QWidget* m_window;
    QSize m_windowTwips;
    int m_fontTwips;
    TwipScale m_scale;
    QList<std::pair<QWidget*, QRect>> m_places;
};
