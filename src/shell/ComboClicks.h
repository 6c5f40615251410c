#pragma once

#include <QObject>

class QComboBox;

// Reports each click in an editable combo box: a choice in its list (by mouse or arrow keys), with the row
// chosen, a press in its edit field or a press on its button, with none. Typing into the edit field is no
// click.
class ComboClicks : public QObject {
    Q_OBJECT
public:
    explicit ComboClicks(QComboBox* comboBox);

Q_SIGNALS:
    void clicked(int pickedRow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
