#pragma once

#include "sheet/Sheet.h"

class RecordSet;
struct AdviceDisplay;

// The printed Tavro Tankers adviser: one page with what the operator tab shows for the current cargo.
namespace TavroSheet {

inline const QString Title = QStringLiteral("Velcarin Tavro Tankers Adviser");

// The sheet filled from the texts of the main window's controls; without values before the first choice
// of a cargo. A cargo whose cleaning code is "SEE MANUAL" prints no cleaning code.
Sheet fill(const SourceTexts& mainWindow);
// The sheet of a cargo as the tab shows it once the name is chosen: the record's fields and the advice
// worked out from them.
Sheet ofCargo(const QString& name, const RecordSet& cargo, const AdviceDisplay& advice);

} // namespace TavroSheet
