#include "app/MenuShortcutsFirst.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>

MenuShortcutsFirst::MenuShortcutsFirst(QMainWindow* window)
    : QObject(window)
    , m_window(window)
{
    qApp->installEventFilter(this);
}

bool MenuShortcutsFirst::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != m_window)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : m_window->findChildren<QAction*>()) {
        if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed) {
            // Not claimed by the field: the shortcut goes to the menu.
            event->ignore();
            return true;
        }
    }
    return false;
}
