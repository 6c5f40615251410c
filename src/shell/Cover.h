#pragma once

#include <QObject>

class QWidget;

// Keeps a cover widget lying exactly over another widget of the same window, however the layout
// moves or sizes that widget.
class Cover : public QObject {
    Q_OBJECT
public:
    static void keepOver(QWidget* cover, QWidget* target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Cover(QWidget* cover, QWidget* target);
    void follow();

    QWidget* m_cover;
    QWidget* m_target;
};
