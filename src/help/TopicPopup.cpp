#include "help/TopicPopup.h"

#include "help/TopicBrowser.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int PopupWidth = 360;
constexpr int MaxPopupHeight = 320;

} // namespace

TopicPopup::TopicPopup(QWidget* parent)
    : QFrame(parent, Qt::Popup)
    , m_text(new TopicBrowser(this))
{
    setObjectName(QStringLiteral("topicPopup"));
    setFrameShape(QFrame::Box);
    m_text->setObjectName(QStringLiteral("popupText"));
    m_text->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_text);
}

void TopicPopup::showAt(const Manual* manual, const QString& html, const QPoint& place)
{
    m_text->showTopic(manual, html);
    m_text->document()->setTextWidth(PopupWidth - 2 * m_text->document()->documentMargin());
    const int height = std::min(MaxPopupHeight, int(m_text->document()->size().height()) + 8);
    QRect area(place, QSize(PopupWidth, height));
    // Kept on the screen of the link.
    if (const QScreen* screen = QGuiApplication::screenAt(place)) {
        const QRect screenArea = screen->availableGeometry();
        area.moveRight(std::min(area.right(), screenArea.right()));
        area.moveBottom(std::min(area.bottom(), screenArea.bottom()));
    }
    setGeometry(area);
    show();
    m_text->setFocus();
}

void TopicPopup::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}
