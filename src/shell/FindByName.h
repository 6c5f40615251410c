#pragma once

class DataControl;
class QComboBox;
class QLineEdit;
class QString;

// The look-up of every adviser: the combo box's text into the holder, the bookmark saved, the first
// record meeting  prefix + name + '  made current; on a miss a beep and back to the saved record.
// A quote inside the name is doubled, so such a name is found and never breaks the criterion.
// A row that the user picked from the box's list is made current as picked: of two records of one name,
// either can be read.
bool findByName(const QComboBox* comboBox, QLineEdit* holder, DataControl& data, const QString& prefix,
                int pickedRow = -1);
// The name of the current record: its field that the criterion prefix compares.
QString currentName(const DataControl& data, const QString& prefix);
