#include "sheet/SheetPdf.h"

#include "sheet/Sheet.h"
#include "sheet/SheetPainter.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

namespace SheetPdf {

bool write(const Sheet& sheet, const QString& fileName, QString* error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Velcarin"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         SheetPainter::Margins, QPageLayout::Millimeter));
        if (!SheetPainter::paint(sheet, writer, error)) {
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace SheetPdf
