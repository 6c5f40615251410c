#pragma once

#include "shell/SheetWindow.h"

// The printed Tavro Tankers adviser: the sheet of the operator tab's cargo, laid out as the page and
// never shown. It is loaded to be printed, or by the view window as the source of its header.
class FrmPrint : public SheetWindow {
    Q_OBJECT
public:
    // A notice, where there is one, stands under the sheet's title.
    explicit FrmPrint(const QString& notice = {}, QWidget* parent = nullptr);
};
