#pragma once

#include <QObject>

class QMainWindow;

// The menu's shortcuts win over the editing keys of the main window's fields, as a menu's keys did on
// Windows: Ctrl+Y opens the compatibility chart and Ctrl+A the About box even while the keyboard is in the
// cargo box, whose own redo and select-all would otherwise take them.
class MenuShortcutsFirst : public QObject {
    Q_OBJECT
public:
    explicit MenuShortcutsFirst(QMainWindow* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow* m_window;
};
