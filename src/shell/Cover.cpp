#include "shell/Cover.h"

#include <QEvent>
#include <QWidget>

Cover::Cover(QWidget* cover, QWidget* target)
    : QObject(cover)
    , m_cover(cover)
    , m_target(target)
{
    target->installEventFilter(this);
    cover->setAutoFillBackground(true);
    follow();
}

void Cover::keepOver(QWidget* cover, QWidget* target)
{
    new Cover(cover, target);
}

bool Cover::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_target && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        follow();
    return false;
}

void Cover::follow()
{
    const QPoint topLeft = m_target->parentWidget()->mapTo(m_cover->parentWidget(), m_target->pos());
    m_cover->setGeometry(QRect(topLeft, m_target->size()));
    m_cover->raise();
}
