#include "shell/TwipScale.h"

#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {
constexpr double TwipsPerInch = 1440.0;
}

TwipScale::TwipScale(double pixelsPerTwip)
    : m_pixelsPerTwip(pixelsPerTwip)
{
}

TwipScale TwipScale::fitting(const QScreen* screen, const QSize& windowTwips)
{
    const double own = screen->logicalDotsPerInch() / TwipsPerInch;
    const QRect area = screen->availableGeometry();
    return TwipScale(std::min(
        {own, area.width() / double(windowTwips.width()), area.height() / double(windowTwips.height())}));
}

int TwipScale::pixels(int twips) const
{
    return int(std::lround(twips * m_pixelsPerTwip));
}

QRect TwipScale::rect(const QRect& twips) const
{
    const int left = pixels(twips.x());
    const int top = pixels(twips.y());
    return {left, top, pixels(twips.x() + twips.width()) - left, pixels(twips.y() + twips.height()) - top};
}

QSize TwipScale::size(const QSize& twips) const
{
    return {pixels(twips.width()), pixels(twips.height())};
}
