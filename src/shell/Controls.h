#pragma once

#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class TextBox;

// The controls of the program's windows, each made with its objectName and the look of its kind.
namespace Controls {

// A fixed caption.
QLabel* caption(QWidget* parent, const QString& text, const QString& name = {});
// A label that shows a value: plain text, sunken, never interpreted as markup.
QLabel* valueLabel(QWidget* parent, const QString& name);
// A one-line text box the user cannot change.
QLineEdit* field(QWidget* parent, const QString& name, const QString& toolTip = {});
// A multi-line text box the user cannot change.
TextBox* textBox(QWidget* parent, const QString& name, const QString& toolTip = {});
QPushButton* button(QWidget* parent, const QString& name, const QString& text);
QGroupBox* frame(QWidget* parent, const QString& title, const QString& name = {});
// A hidden text box that holds a value for the program.
QLineEdit* holder(QWidget* parent, const QString& name);

// Narrows a caption set in its window's font until its text fits the label, so that the text shows whole.
void narrowToFit(QLabel* label);

} // namespace Controls
