#include "shell/DefaultPrinter.h"

#include "sheet/SheetPainter.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {

DefaultPrinter::Provider& provider()
{
    static DefaultPrinter::Provider instance;
    return instance;
}

std::unique_ptr<QPrinter> systemPrinter()
{
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    if (installed.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(installed, QPrinter::HighResolution);
}

} // namespace

std::unique_ptr<QPrinter> DefaultPrinter::open(const QString& documentName)
{
    std::unique_ptr<QPrinter> printer = provider() ? provider()() : systemPrinter();
    if (printer) {
        printer->setDocName(documentName);
        printer->setPageMargins(SheetPainter::Margins, QPageLayout::Millimeter);
    }
    return printer;
}

void DefaultPrinter::setProvider(Provider newProvider)
{
    provider() = std::move(newProvider);
}
