#pragma once

class DataControl;
class QComboBox;
class QLineEdit;
class QString;

// The look-up of every adviser: the combo box's text into the holder, the bookmark saved, the first
// record meeting  prefix + name + '  made current; on a miss a beep and back to the saved record.
// A quote inside the name is doubled, so such a name is found and never breaks the criterion.
bool findByName(const QComboBox* comboBox, QLineEdit* holder, DataControl& data, const QString& prefix);
