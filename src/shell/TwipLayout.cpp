#include "shell/TwipLayout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {
// What a window's frame and caption add to its inner size, when it has to fit the screen.
const QSize FrameTwips{120, 600};
} // namespace

TwipLayout::TwipLayout(QWidget* window, const QSize& innerTwips)
    : m_window(window)
    , m_innerTwips(innerTwips)
    , m_scale(1.0 / 15)
{
}

void TwipLayout::place(QWidget* control, const QRect& twips)
{
    m_controls << Placed{control, twips, false};
}

void TwipLayout::placeWhole(QWidget* control, const QRect& twips)
{
    m_controls << Placed{control, twips, true};
}

TwipScale TwipLayout::screenScale() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? TwipScale::fitting(screen, m_innerTwips + FrameTwips) : m_scale;
}

void TwipLayout::setScale(const TwipScale& scale)
{
    m_scale = scale;
    QFont font = m_window->font();
    font.setPixelSize(std::max(m_scale.pixels(FontTwips), 1));
    m_window->setFont(font);
    for (const Placed& placed : std::as_const(m_controls)) {
        placed.control->setGeometry(m_scale.rect(placed.twips));
        if (placed.whole)
            narrowToFit(placed.control, font);
    }
    m_window->setFixedSize(m_scale.size(m_innerTwips));
}

void TwipLayout::narrowToFit(QWidget* control, const QFont& font)
{
    control->setFont(font);
    const int wanted = control->sizeHint().width();
    if (wanted <= control->width())
        return;
    QFont narrowed = font;
    const auto narrowTo = [&](int stretch) {
        narrowed.setStretch(stretch);
        control->setFont(narrowed);
        return control->sizeHint().width() <= control->width();
    };
    // The widest stretch that fits, else the narrowest. The text narrows about in proportion to the
    // stretch, so the search starts there and steps the little it is off, not from the full width down.
    int stretch = std::clamp(QFont::Unstretched * control->width() / wanted, int(QFont::UltraCondensed),
                             QFont::Unstretched - 1);
    while (stretch < QFont::Unstretched - 1 && narrowTo(stretch + 1))
        ++stretch;
    while (stretch > QFont::UltraCondensed && !narrowTo(stretch))
        --stretch;
    // The last stretch tried may be the one too wide.
    narrowTo(stretch);
}
