#pragma once

#include <QList>
#include <QWidget>

class QPushButton;

// The twelve numbered buttons cmd1 to cmd12 that choose a cleaning method. Their back colour shows
// which was pressed last: that one light orange, the others the inactive-caption-text colour. Before
// the first press cmd1 has the inactive-caption-text colour and the others the button face.
class MethodButtons : public QWidget {
    Q_OBJECT
public:
    explicit MethodButtons(QWidget* parent = nullptr);

Q_SIGNALS:
    void methodChosen(int method);

private:
    void press(int method);

    QList<QPushButton*> m_buttons;
};
