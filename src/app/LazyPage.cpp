#include "app/LazyPage.h"

#include <QVBoxLayout>

LazyPage::LazyPage(Builder build, QWidget* parent)
    : QWidget(parent)
    , m_build(std::move(build))
{
    (new QVBoxLayout(this))->setContentsMargins(0, 0, 0, 0);
}

QWidget* LazyPage::contents()
{
    if (m_contents)
        return m_contents;
    m_contents = m_build();
    layout()->addWidget(m_contents);
    // Built while the page is being shown, the contents would otherwise show only after the event loop.
    m_contents->show();
    return m_contents;
}

void LazyPage::showEvent(QShowEvent* event)
{
    contents();
    QWidget::showEvent(event);
}
