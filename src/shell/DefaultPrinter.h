#pragma once

#include <QString>

#include <functional>
#include <memory>

class QPrinter;

// The program's printer: the system's default printer, printed to without a dialog. Tests install a
// printer of their own, one that writes a PDF file, or none at all.
class DefaultPrinter {
public:
    // The printer as a provider makes it; nullptr when no printer is installed.
    using Provider = std::function<std::unique_ptr<QPrinter>()>;

    // The default printer ready for a document: its own paper, the sheets' margins. nullptr when no
    // printer is installed.
    static std::unique_ptr<QPrinter> open(const QString& documentName);
    // Tests: printers come from the provider; nullptr restores the system's default printer.
    static void setProvider(Provider provider);
};
