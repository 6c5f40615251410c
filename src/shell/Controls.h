#pragma once

#include <QString>

class QColor;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class TextBox;

// The controls of the program's windows, each made with its objectName and the look of its kind.
namespace Controls {

// A fixed caption. A label keeps the size it is given: a text longer than it ends in "…" where it is cut
// and shows whole in the tooltip.
QLabel* caption(QWidget* parent, const QString& text, const QString& name = {});
// A label that shows a value: plain text, sunken, never interpreted as markup.
QLabel* valueLabel(QWidget* parent, const QString& name);
// A one-line text box the user cannot change.
QLineEdit* field(QWidget* parent, const QString& name, const QString& toolTip = {});
// A multi-line text box the user cannot change.
TextBox* textBox(QWidget* parent, const QString& name, const QString& toolTip = {});
QPushButton* button(QWidget* parent, const QString& name, const QString& text);
QGroupBox* frame(QWidget* parent, const QString& title, const QString& name = {});
// An editable combo box listing names, whose text is looked up as it stands with every character typed:
// nothing is completed and nothing typed is added to the list.
QComboBox* nameList(QWidget* parent, const QString& name);
// Shows a prompt in an editable combo box until the first choice. Whenever the box takes the focus while
// it still shows the prompt, the prompt is selected whole, so that what the user types replaces it.
void setInitialText(QComboBox* comboBox, const QString& text);
// A hidden text box that holds a value for the program.
QLineEdit* holder(QWidget* parent, const QString& name);
// A line that warns about what the controls near it show; blank and hidden while it has nothing to say.
QLabel* notice(QWidget* parent, const QString& name);

// Gives a control its text colour and, unless the background is invalid, a background of its own.
void setColours(QWidget* control, const QColor& background, const QColor& text);

// Whether a key pressed in the control is text typed into it: an editable field, box or spin box.
bool takesTyping(const QWidget* control);

} // namespace Controls
