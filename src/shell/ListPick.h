#pragma once

#include <QObject>

class QComboBox;

// Tells, as the text of an editable combo box changes, whether the change is a pick from its list and of
// which row. Typing and a text that the program writes pick no row, so that a name is looked up as a
// name, the first record of it found.
class ListPick : public QObject {
    Q_OBJECT
public:
    explicit ListPick(QComboBox* comboBox);

    // For the change of text being handled: the row picked, or -1. Asked once for each change.
    int pickedRow();

private:
    QComboBox* m_comboBox;
    int m_lastIndex = -1; // the row the text was at the last change, or -1
    bool m_typed = false;
};
