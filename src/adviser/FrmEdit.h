#pragma once

#include "adviser/CargoEditor.h"

// "Edit Cargo Parameters": the UN number, pollution category, USCG group number and the three health
// hazard ratings of the main adviser's cargo, with its names shown locked for orientation.
class FrmEdit : public CargoEditor {
    Q_OBJECT
public:
    FrmEdit();

    static FrmEdit* open(const Advisers& advisers) { return CargoEditor::open<FrmEdit>(advisers); }

protected:
    // Enter in an editable field moves on as Tab does and goes no further.
    bool eventFilter(QObject* watched, QEvent* event) override;
};
