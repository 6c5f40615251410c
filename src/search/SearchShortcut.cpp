#include "search/SearchShortcut.h"

#include "search/SearchField.h"
#include "shell/Controls.h"

#include <QApplication>
#include <QKeyEvent>

SearchShortcut::SearchShortcut(SearchField* field)
    : QObject(field)
    , m_field(field)
{
    qApp->installEventFilter(this);
}

bool SearchShortcut::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    // A key the focus widget ignores comes by again for each parent; only its first delivery counts.
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* focus = QApplication::focusWidget();
    if (widget != (focus ? focus : widget->window()) || widget->window() != m_field->window() ||
        widget == m_field)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool slash = key->text() == QLatin1String("/") && !Controls::takesTyping(widget);
    if (!slash && QKeySequence(key->keyCombination()) != Keys)
        return false;
    m_field->takeFocus();
    return true;
}
