#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

// The program's other windows by name: each opens modeless, without owner, at most once; opening one
// that is open brings it to the front unchanged. Asking for a window that nothing registered is a fault
// of the program: it is logged as a critical error and the user is told.
class WindowRegistry : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget*()>; // nullptr when the window cannot load

    explicit WindowRegistry(QObject* parent = nullptr);

    void add(const QString& name, Factory factory);
    bool has(const QString& name) const { return m_factories.contains(name); }
    // The window, loaded and shown or brought to the front; nullptr when there is none.
    QWidget* open(const QString& name);
    // The window loaded without being shown, or as it is when it is loaded already; nullptr when there is
    // none. A window that is never shown, such as a printed sheet, is loaded so.
    QWidget* load(const QString& name);
    // Closes and destroys the window if it is loaded.
    void unload(const QString& name);
    QWidget* openWindow(const QString& name) const;

Q_SIGNALS:
    // A window was loaded (not when an open one was only brought to the front).
    void loaded(const QString& name, QWidget* window);

private:
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<QWidget>> m_open;
};
