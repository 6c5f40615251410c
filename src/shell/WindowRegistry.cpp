#include "shell/WindowRegistry.h"

WindowRegistry::WindowRegistry(QObject* parent)
    : QObject(parent)
{
}

void WindowRegistry::add(const QString& name, Factory factory)
{
    m_factories.insert(name, std::move(factory));
}

QWidget* WindowRegistry::open(const QString& name)
{
    if (QWidget* window = openWindow(name)) {
        if (window->isMinimized())
            window->showNormal();
        window->show();
        window->raise();
        window->activateWindow();
        return window;
    }
    const auto factory = m_factories.constFind(name);
    if (factory == m_factories.constEnd())
        return nullptr;
    QWidget* window = (*factory)();
    if (!window)
        return nullptr;
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_open.insert(name, window);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QWidget* WindowRegistry::openWindow(const QString& name) const
{
    return m_open.value(name);
}
