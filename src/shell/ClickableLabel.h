#pragma once

#include <QLabel>

// A label that reports a click of the left mouse button, pressed and released over it.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    ClickableLabel(const QString& name, const QString& text, QWidget* parent);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
