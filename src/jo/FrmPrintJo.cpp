#include "jo/FrmPrintJo.h"

#include "jo/JoSheet.h"

FrmPrintJo::FrmPrintJo(QWidget* parent)
    : SheetWindow(QStringLiteral("frmPrintJo"), JoSheet::fill, parent)
{
}
