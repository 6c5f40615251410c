#include "Printer.h"

#include "MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>

namespace {

Printer::Device& device()
{
    static Printer::Device instance;
    return instance;
}

void printOnPaper(QWidget* sheet)
{
    QPrinter printer(QPrinterInfo::defaultPrinter());
    QString pdf;
    if (QPrinterInfo::defaultPrinter().isNull()) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QDir().mkpath(folder);
        pdf = QDir(folder).filePath(sheet->windowTitle() + QLatin1String(".pdf"));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    }
    sheet->ensurePolished();
    sheet->adjustSize();
    QPainter painter;
    if (!painter.begin(&printer)) {
        MessageBox::error(nullptr, QApplication::translate("Printer", "The sheet could not be printed."),
                          QApplication::applicationName());
        return;
    }
    // The window as laid out, scaled to fit the page.
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize size = sheet->size();
    const double scale = std::min(double(page.width()) / size.width(), double(page.height()) / size.height());
    painter.scale(scale, scale);
    sheet->render(&painter);
    painter.end();
    if (!pdf.isEmpty())
        MessageBox::ok(
            nullptr,
            QApplication::translate("Printer", "No printer is installed; the sheet was saved as %1.")
                .arg(QDir::toNativeSeparators(pdf)),
            QApplication::applicationName());
}

} // namespace

void Printer::print(QWidget* sheet)
{
    if (device())
        device()(sheet);
    else
        printOnPaper(sheet);
}

void Printer::setDevice(Device newDevice)
{
    device() = std::move(newDevice);
}
