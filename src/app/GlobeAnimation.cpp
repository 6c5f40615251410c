#include "app/GlobeAnimation.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

GlobeAnimation::GlobeAnimation(QObject* parent)
    : QObject(parent)
    , m_timer(new QTimer(parent))
{
    m_timer->setObjectName(QStringLiteral("tmrAnimate"));
    m_timer->setInterval(1);
    connect(m_timer, &QTimer::timeout, this, &GlobeAnimation::tick);
}

void GlobeAnimation::setPicture(QLabel* picture)
{
    m_picture = picture;
    picture->installEventFilter(this);
    picture->window()->installEventFilter(this);
    runWhileSeen();
}

void GlobeAnimation::loadPictures(const DataFolders& folders)
{
    m_folders = folders;
    m_pictures = QList<std::optional<QPixmap>>(PictureCount);
}

const QPixmap& GlobeAnimation::picture(int n)
{
    static const QPixmap none;
    if (n < 1 || n > m_pictures.size())
        return none;
    std::optional<QPixmap>& picture = m_pictures[n - 1];
    if (!picture)
        picture =
            QPixmap(m_folders->locate(QLatin1String("GLOBE") + QString::number(n) + QLatin1String(".BMP")));
    return *picture;
}

void GlobeAnimation::tick()
{
    m_counter = m_counter % PictureCount + 1;
    m_picture->setPixmap(picture(m_counter));
}

bool GlobeAnimation::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        runWhileSeen();
        break;
    default:
        break;
    }
    return false;
}

void GlobeAnimation::runWhileSeen()
{
    const bool seen = m_picture && m_picture->isVisible() && !m_picture->window()->isMinimized();
    if (seen && !m_timer->isActive())
        m_timer->start();
    else if (!seen)
        m_timer->stop();
}
