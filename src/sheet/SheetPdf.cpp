#include "sheet/SheetPdf.h"

#include "data/WholeFileWriter.h"
#include "sheet/Sheet.h"
#include "sheet/SheetPainter.h"

#include <QPageLayout>
#include <QPdfWriter>

namespace SheetPdf {

bool write(const Sheet& sheet, const QString& fileName, QString* error)
{
    const auto failed = [error](const Result<>& result) {
        if (error)
            *error = result.error();
        return false;
    };
    WholeFileWriter file(fileName);
    if (const Result<> opened = file.open(); !opened)
        return failed(opened);
    {
        QPdfWriter writer(file.device());
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Velcarin"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         SheetPainter::Margins, QPageLayout::Millimeter));
        if (!SheetPainter::paint(sheet, writer, error))
            return false;
    }
    const Result<> committed = file.commit();
    return committed || failed(committed);
}

} // namespace SheetPdf
