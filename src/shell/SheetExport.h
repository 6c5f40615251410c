#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;
struct Sheet;

// Exporting a printed sheet as a PDF file, as every window that prints offers it.
class SheetExport {
    Q_DECLARE_TR_FUNCTIONS(SheetExport)
public:
    // Asks where to save the sheet (under its own file name in the documents folder, or in the folder last
    // chosen) and writes it there; a file that cannot be written is told in a message titled `title`. The
    // file written; empty when the officer cancelled or it could not be written.
    static QString toPdf(QWidget* parent, const Sheet& sheet, const QString& title);
};
