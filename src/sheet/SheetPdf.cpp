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
    // The file's buffer still holds the end of the file, and a commit would not see its write fail on a
    // full disk: it is written first. A write cut short gives no reason, the next attempt the system's.
    const bool flushed = file.flush() || file.flush();
    if (!flushed || file.error() != QFileDevice::NoError || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace SheetPdf
