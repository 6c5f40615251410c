#include "sheet/SheetPdf.h"

#include "data/WholeFileWriter.h"
#include "sheet/Sheet.h"
#include "sheet/SheetPainter.h"

#include <QPageLayout>
#include <QPdfWriter>

namespace SheetPdf {

bool write(const Sheet& sheet, const QString& fileName, QString* error)
{
    WholeFileWriter file(fileName);
    if (!file.open(error))
        return false;
    {
        QPdfWriter writer(file.device());
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Velcarin"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         SheetPainter::Margins, QPageLayout::Millimeter));
        if (!SheetPainter::paint(sheet, writer, error))
            return false;
    }
    return file.commit(error);
}

} // namespace SheetPdf
