#include "shell/SheetExport.h"

#include "sheet/Sheet.h"
#include "sheet/SheetPdf.h"
#include "shell/FileDialog.h"
#include "shell/MessageBox.h"

#include <QDir>
#include <QStandardPaths>

QString SheetExport::toPdf(QWidget* parent, const Sheet& sheet, const QString& title)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString fileName = FileDialog::saveFileName(
        parent, {title, QDir(folder).filePath(sheet.pdfFileName()), tr("PDF files (*.pdf)"),
                 QStringLiteral("pdf"), QStringLiteral("pdfFolder")});
    if (fileName.isEmpty())
        return {};
    QString error;
    if (!SheetPdf::write(sheet, fileName, &error)) {
        MessageBox::error(
            parent,
            tr("The PDF file %1 could not be written.\n\n%2").arg(QDir::toNativeSeparators(fileName), error),
            title);
        return {};
    }
    return fileName;
}
