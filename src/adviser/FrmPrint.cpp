#include "adviser/FrmPrint.h"

#include "adviser/TavroSheet.h"

FrmPrint::FrmPrint(QWidget* parent)
    : SheetWindow(QStringLiteral("frmPrint"), TavroSheet::fill, parent)
{
}
