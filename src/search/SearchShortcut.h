#pragma once

#include <QKeySequence>
#include <QObject>

class SearchField;

// The keys that take the keyboard to the search field from anywhere in its window: Ctrl+Shift+F, which no
// menu entry uses, and "/" while the keyboard is not in a control that takes typing (there it is text).
class SearchShortcut : public QObject {
    Q_OBJECT
public:
    static inline const QKeySequence Keys{Qt::CTRL | Qt::SHIFT | Qt::Key_F};

    explicit SearchShortcut(SearchField* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SearchField* m_field;
};
