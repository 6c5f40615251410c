#pragma once

#include "adviser/CargoEditor.h"

class TextBox;

// "Personal Notes": the officer's own notes on the main adviser's cargo, with the cargo's ID number and
// name shown locked. The notes box grows with the window; the buttons keep to the strip along its foot.
class PersonalA : public CargoEditor {
    Q_OBJECT
public:
    PersonalA();

    static PersonalA* open(const Advisers& advisers) { return CargoEditor::open<PersonalA>(advisers); }
};
