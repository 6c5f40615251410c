#pragma once

#include "shell/TwipScale.h"

#include <QList>
#include <QRect>

class QWidget;

// A window drawn in twips: its inner size, the height of its font and the place of each control are
// fixed in twips, and at each scale the window takes its font and size and every control its place.
class TwipLayout {
public:
    TwipLayout(QWidget* window, const QSize& windowTwips, int fontTwips);

    void place(QWidget* control, const QRect& twips);
    // The screen's own scale, made smaller where needed for the window with its frame to fit the screen.
    TwipScale screenScale() const;
    void apply(const TwipScale& scale);
    const TwipScale& scale() const { return m_scale; }

private:
    QWidget* m_window;
    QSize m_windowTwips;
    int m_fontTwips;
    TwipScale m_scale;
    QList<std::pair<QWidget*, QRect>> m_places;
};
