#pragma once

#include <QRect>

class QScreen;

// Twips (1/1440 inch) to pixels. A rectangle is converted edge by edge, so that rectangles that meet in
// twips meet in pixels at every scale and two rectangles with the same twips are the same pixels.
class TwipScale {
public:
    explicit TwipScale(double pixelsPerTwip);

    // The screen's own scale, made smaller where needed for a window of that many twips (frame included)
    // to fit the screen's free area.
    static TwipScale fitting(const QScreen* screen, const QSize& windowTwips);

    double pixelsPerTwip() const { return m_pixelsPerTwip; }
    int pixels(int twips) const;
    QRect rect(const QRect& twips) const;
    QSize size(const QSize& twips) const;

private:
    double m_pixelsPerTwip;
};
