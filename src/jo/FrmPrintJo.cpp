#include "jo/FrmPrintJo.h"

#include "jo/JoSheet.h"

FrmPrintJo::FrmPrintJo(const QString& notice, QWidget* parent)
    : SheetWindow(QStringLiteral("frmPrintJo"), withNotice(JoSheet::fill, notice), parent)
{
}
