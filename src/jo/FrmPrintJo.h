#pragma once

#include "shell/SheetWindow.h"

// The printed Jo Tankers adviser: the sheet of the Jo Tankers tab's product, laid out as the page and
// never shown. It is loaded to be printed.
class FrmPrintJo : public SheetWindow {
    Q_OBJECT
public:
    // A notice, where there is one, stands under the sheet's title.
    explicit FrmPrintJo(const QString& notice = {}, QWidget* parent = nullptr);
};
