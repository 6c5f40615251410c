#include "shell/ListPick.h"

#include <QComboBox>
#include <QLineEdit>

ListPick::ListPick(QComboBox* comboBox)
    : QObject(comboBox)
    , m_comboBox(comboBox)
{
    // The line edit tells of typing before the box tells of the new text.
    connect(comboBox->lineEdit(), &QLineEdit::textEdited, this, [this] { m_typed = true; });
}

int ListPick::pickedRow()
{
    // The box keeps its current index while the user types or the program writes a text: a pick is a
    // text that is the current row's, come with a new index or after other texts.
    const int index = m_comboBox->currentIndex();
    const bool showsRow = !m_typed && index >= 0 && m_comboBox->itemText(index) == m_comboBox->currentText();
    const bool picked = showsRow && index != m_lastIndex;
    m_lastIndex = showsRow ? index : -1;
    m_typed = false;
    return picked ? index : -1;
}
