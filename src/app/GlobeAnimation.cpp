#include "app/GlobeAnimation.h"

#include "data/DataFolders.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

GlobeAnimation::GlobeAnimation(QLabel* picture, QObject* parent)
    : QObject(parent)
    , m_picture(picture)
    , m_timer(new QTimer(parent))
{
    m_timer->setObjectName(QStringLiteral("tmrAnimate"));
    m_timer->setInterval(1);
    connect(m_timer, &QTimer::timeout, this, &GlobeAnimation::tick);
    picture->installEventFilter(this);
    picture->window()->installEventFilter(this);
}

void GlobeAnimation::loadPictures(const DataFolders& folders)
{
    m_pictures.clear();
    for (int n = 1; n <= PictureCount; ++n)
        m_pictures << QPixmap(
            folders.locate(QLatin1String("GLOBE") + QString::number(n) + QLatin1String(".BMP")));
}

void GlobeAnimation::tick()
{
    m_counter = m_counter % PictureCount + 1;
    m_picture->setPixmap(m_pictures.value(m_counter - 1));
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
    const bool seen = m_picture->isVisible() && !m_picture->window()->isMinimized();
    if (seen && !m_timer->isActive())
        m_timer->start();
    else if (!seen)
        m_timer->stop();
}
