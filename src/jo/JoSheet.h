#pragma once

#include "sheet/Sheet.h"

class RecordSet;

// The printed Jo Tankers adviser: one page with what the Jo Tankers tab shows for the picked product,
// its remark and the steps of the cleaning method last chosen.
namespace JoSheet {

inline const QString Title = QStringLiteral("Velcarin Jo Tankers Adviser");

// The sheet filled from the texts of the main window's controls; without values before the first pick of
// a product.
Sheet fill(const SourceTexts& mainWindow);
// The sheet of a product as the tab shows it once the name is picked and then, where methodText is not
// empty, a method button pressed.
Sheet ofProduct(const QString& name, const RecordSet& product, const QString& methodText);

} // namespace JoSheet
