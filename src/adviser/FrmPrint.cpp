#include "adviser/FrmPrint.h"

#include "adviser/TavroSheet.h"

FrmPrint::FrmPrint(const QString& notice, QWidget* parent)
    : SheetWindow(QStringLiteral("frmPrint"), withNotice(TavroSheet::fill, notice), parent)
{
}
