#pragma once

#include <QObject>

#include <optional>

class QAction;
class QWidget;
class WindowRegistry;
struct Sheet;

// The File menu's print entry and the export entry beside it. The print entry's caption names the
// adviser whose sheet is printed; the sheet is loaded, printed on the default printer without a dialog,
// and unloaded. Where no printer is installed the officer is told, and may save the sheet as a PDF file
// instead. The export entry writes the same sheet to a PDF file he chooses; it is enabled exactly when
// the print entry is.
class PrintEntries : public QObject {
    Q_OBJECT
public:
    PrintEntries(QWidget* mainWindow, WindowRegistry& windows, QAction* print, QAction* exportPdf);

private:
    // The sheet window the print entry's caption names; nothing for a caption that prints nothing.
    std::optional<QString> sheetName() const;
    // The sheet, loaded afresh from its tab and unloaded again.
    std::optional<Sheet> loadSheet();
    void print();
    void exportPdf();
    void savePdf(const Sheet& sheet);

    QWidget* m_mainWindow;
    WindowRegistry& m_windows;
    QAction* m_print;
};
