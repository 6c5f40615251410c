#include "shell/WindowRegistry.h"

#include "shell/MessageBox.h"

#include <QCoreApplication>

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
    QWidget* window = load(name);
    if (!window)
        return nullptr;
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QWidget* WindowRegistry::load(const QString& name)
{
    if (QWidget* window = openWindow(name))
        return window;
    const auto factory = m_factories.constFind(name);
    if (factory == m_factories.constEnd()) {
        // A fault of the program, never a quiet nothing: logged as an error (tests stop on it), and told.
        qCritical("Velcarin: no window is registered as \"%s\"", qPrintable(name));
        MessageBox::error(nullptr, tr("The window \"%1\" is not part of this version of Velcarin.").arg(name),
                          QCoreApplication::applicationName());
        return nullptr;
    }
    QWidget* window = (*factory)();
    if (!window)
        return nullptr;
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_open.insert(name, window);
    Q_EMIT loaded(name, window);
    return window;
}

void WindowRegistry::unload(const QString& name)
{
    if (QWidget* window = m_open.take(name))
        delete window;
}

QWidget* WindowRegistry::openWindow(const QString& name) const
{
    return m_open.value(name);
}
