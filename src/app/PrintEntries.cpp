#include "app/PrintEntries.h"

#include "app/FrmTabClean.h"
#include "sheet/Sheet.h"
#include "sheet/SheetPainter.h"
#include "shell/DefaultPrinter.h"
#include "shell/MessageBox.h"
#include "shell/SheetExport.h"
#include "shell/SheetWindow.h"
#include "shell/WindowRegistry.h"

#include <QAction>
#include <QDir>
#include <QPrinter>

namespace {

QString withoutMnemonic(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

} // namespace

PrintEntries::PrintEntries(QWidget* mainWindow, WindowRegistry& windows, QAction* print, QAction* exportPdf)
    : QObject(mainWindow)
    , m_mainWindow(mainWindow)
    , m_windows(windows)
    , m_print(print)
{
    exportPdf->setEnabled(print->isEnabled());
    connect(print, &QAction::enabledChanged, exportPdf, &QAction::setEnabled);
    connect(print, &QAction::triggered, this, &PrintEntries::print);
    connect(exportPdf, &QAction::triggered, this, &PrintEntries::exportPdf);
}

std::optional<QString> PrintEntries::sheetName() const
{
    if (m_print->text() == FrmTabClean::PrintTavro)
        return QStringLiteral("frmPrint");
    if (m_print->text() == FrmTabClean::PrintJo)
        return QStringLiteral("frmPrintJo");
    return std::nullopt;
}

std::optional<Sheet> PrintEntries::loadSheet()
{
    const std::optional<QString> name = sheetName();
    if (!name)
        return std::nullopt;
    // The sheet that the view window holds was filled when it opened: the print is of the cargo shown now.
    m_windows.unload(*name);
    const auto* window = qobject_cast<SheetWindow*>(m_windows.load(*name));
    if (!window)
        return std::nullopt;
    Sheet sheet = window->sheet();
    m_windows.unload(*name);
    return sheet;
}

void PrintEntries::print()
{
    const std::optional<Sheet> sheet = loadSheet();
    if (!sheet)
        return;
    const QString title = withoutMnemonic(m_print->text());
    std::unique_ptr<QPrinter> printer = DefaultPrinter::open(sheet->title);
    if (!printer) {
        if (MessageBox::yesNo(m_mainWindow,
                              tr("No printer is installed on this computer, so the %1 cannot be printed.\n\n"
                                 "Save it as a PDF file instead?")
                                  .arg(sheet->title),
                              title) == QMessageBox::Yes)
            savePdf(*sheet);
        return;
    }
    QString error;
    if (!SheetPainter::paint(*sheet, *printer, &error) || printer->printerState() == QPrinter::Error)
        MessageBox::error(m_mainWindow,
                          tr("The %1 could not be printed.\n\n%2").arg(sheet->title, error).trimmed(), title);
}

void PrintEntries::exportPdf()
{
    if (const std::optional<Sheet> sheet = loadSheet())
        savePdf(*sheet);
}

void PrintEntries::savePdf(const Sheet& sheet)
{
    const QString fileName = SheetExport::toPdf(m_mainWindow, sheet, tr("Export Adviser as PDF"));
    if (fileName.isEmpty())
        return;
    if (auto* window = qobject_cast<FrmTabClean*>(m_mainWindow)) {
        const QString shown = QDir::toNativeSeparators(fileName);
        window->showStatus(
            sheet.subject.simplified().isEmpty()
                ? tr("%1 written to %2").arg(sheet.title, shown)
                : tr("%1 of %2 written to %3").arg(sheet.title, sheet.subject.simplified(), shown));
    }
}
