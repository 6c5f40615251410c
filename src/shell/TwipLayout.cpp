#include "shell/TwipLayout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

// What a window's frame and caption add to its inner size.
const QSize FrameTwips{120, 600};

} // namespace

TwipLayout::TwipLayout(QWidget* window, const QSize& windowTwips, int fontTwips)
    : m_window(window)
    , m_windowTwips(windowTwips)
    , m_fontTwips(fontTwips)
    , m_scale(1.0 / 15)
{
}

void TwipLayout::place(QWidget* control, const QRect& twips)
{
    m_places << std::pair{control, twips};
}

TwipScale TwipLayout::screenScale() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? TwipScale::fitting(screen, m_windowTwips + FrameTwips) : m_scale;
}

void TwipLayout::apply(const TwipScale& scale)
{
    m_scale = scale;
    QFont font = m_window->font();
    font.setPixelSize(std::max(m_scale.pixels(m_fontTwips), 1));
    m_window->setFont(font);
    for (const auto& [control, twips] : std::as_const(m_places))
        control->setGeometry(m_scale.rect(twips));
    m_window->setFixedSize(m_scale.size(m_windowTwips));
}
