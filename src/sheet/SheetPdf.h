#pragma once

#include <QString>

struct Sheet;

// A sheet written as a PDF file of A4 pages whose text can be searched and copied.
namespace SheetPdf {

// Writes the file whole or not at all: a file that was there stays as it was when the writing fails.
// False, with the reason, when the file cannot be written.
bool write(const Sheet& sheet, const QString& fileName, QString* error);

} // namespace SheetPdf
