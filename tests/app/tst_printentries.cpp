#include "app/FrmTabClean.h"
#include "shell/DefaultPrinter.h"
#include "shell/WindowRegistry.h"
#include "support/LoadedMainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>

namespace {

const QString TavroPrintMessage = QStringLiteral(
    "No printer is installed on this computer, so the Velcarin Tavro Tankers Adviser cannot be "
    "printed.\n\nSave it as a PDF file instead?");

// "word1 word2 …" to make a text as long as needed.
QString manyWords(const QString& stem, int count)
{
    QStringList words;
    for (int number = 1; number <= count; ++number)
        words << stem + QString::number(number);
    return words.join(QLatin1Char(' '));
}

QString withoutBlanks(QString text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.remove(blanks);
}

} // namespace

// The File menu's print entry and "Export Adviser as PDF…" on the real main window: the sheet of the tab
// in front printed on the default printer (a printer that writes PDF files), no printer at all, and PDF
// files chosen in the file dialog.
class TestPrintEntries : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    QTemporaryDir m_out;
    std::unique_ptr<LoadedMainWindow> m_main;
    std::unique_ptr<FileDialogRecorder> m_dialogs;
    FrmTabClean* m_window = nullptr;
    MessageRecorder* m_messages = nullptr;

    QAction* action(const char* name) const { return child<QAction>(m_window, QLatin1String(name)); }
    QTabWidget* tabs() const { return child<QTabWidget>(m_window, QStringLiteral("SSTab1")); }

    // The tab and its cargo or product, with a method button pressed on the Jo Tankers tab.
    void showAdviser(int tab, const QString& name, int method = 0) const
    {
        tabs()->setCurrentIndex(tab);
        child<QComboBox>(m_window, QLatin1String(tab == 0 ? "DBCombo1" : "DBComboJo"))->setEditText(name);
        if (method)
            child<QPushButton>(m_window, QStringLiteral("cmd%1").arg(method))->click();
    }

    bool sheetLoaded() const
    {
        return m_window->windows().openWindow(QStringLiteral("frmPrint")) ||
               m_window->windows().openWindow(QStringLiteral("frmPrintJo"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The folder last used is kept in the settings of a test's own.
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Velcarin"), QStringLiteral("Velcarin")).remove(QStringLiteral("pdfFolder"));
        m_folder.copySampleDatabases();
        m_folder.runSql(
            QStringLiteral("cleaning.mdb"),
            QStringLiteral("INSERT INTO CleaningA (\"Abbreviated Name\", \"Full Name\", \"Cleaning Code\", "
                           "\"Personal Notes\", \"Remarks\") VALUES ('ZZ LONG TEXTS', %1, '1', %2, %3);")
                .arg(sqlText(manyWords(QStringLiteral("fullname"), 40)),
                     sqlText(manyWords(QStringLiteral("note"), 300)),
                     sqlText(manyWords(QStringLiteral("remark"), 1500))));
    }

    void init()
    {
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        QVERIFY(m_main->isLoaded());
        m_window = m_main->window();
        m_messages = m_main->messages();
        m_dialogs = std::make_unique<FileDialogRecorder>();
    }

    void cleanup()
    {
        m_dialogs.reset();
        m_main.reset();
    }

    void printsTheSheetOfTheTabInFront_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("method");
        QTest::addColumn<int>("paper");
        QTest::addColumn<QString>("pageSize");
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<QStringList>("notPrinted");
        const QString a4 = QStringLiteral("595 x 842 pts (A4)");
        const QStringList tavro{
            QStringLiteral("Velcarin Tavro Tankers Adviser sample data — not tank-cleaning advice"),
            QStringLiteral("Abbreviated Cargo Name: ACETONE"),
            QStringLiteral("Full Cargo Name: Dimethyl ketone"),
            QStringLiteral(
                "Cleaning Code : Cargoes listed under this group are completely water soluble or "
                "miscible. Some are water reactive; however, such reaction will be off an acceptable "
                "extent and duration. All of the cargoes can be cleaned using only water and all can "
                "be considered as good last cargoes."),
            QStringLiteral("KETONES"),
            QStringLiteral("Flammable Liquids"),
            QStringLiteral("Personal Notes : Sample note: last wall wash passed at 3rd attempt."),
        };
        QTest::newRow("Tavro on A4") << 0 << QStringLiteral("ACETONE") << 0 << int(QPageSize::A4) << a4
                                     << tavro << QStringList{};
        QTest::newRow("Tavro on Letter")
            << 0 << QStringLiteral("ACETONE") << 0 << int(QPageSize::Letter)
            << QStringLiteral("612 x 792 pts (letter)") << tavro << QStringList{};
        const QStringList jo{
            QStringLiteral("Velcarin Jo Tankers Adviser sample data — not tank-cleaning advice"),
            QStringLiteral("Cargo Name: ACETONE"),
            QStringLiteral("Synonims: Dimethyl ketone"),
            QStringLiteral("Notes Sample data. Use cleaning method 11 (or method 2 after a heavy residue)."),
        };
        // The tab's group and class names are not on the sheet.
        const QStringList notOnJo{QStringLiteral("KETONES"), QStringLiteral("Flammable Liquids")};
        QTest::newRow("Jo with method 5")
            << 1 << QStringLiteral("ACETONE") << 5 << int(QPageSize::A4) << a4
            << jo + QStringList{QStringLiteral(
                        "BTW WITH AMBIENT FRESH WATER FOR 1 HOURS GAS FREE AND VENTILATE MOP AND DRY")}
            << notOnJo;
        QTest::newRow("Jo, no method since the pick")
            << 1 << QStringLiteral("ACETONE") << 0 << int(QPageSize::Letter)
            << QStringLiteral("612 x 792 pts (letter)") << jo
            << notOnJo + QStringList{QStringLiteral("MOP AND DRY")};
    }

    void printsTheSheetOfTheTabInFront()
    {
        QFETCH(int, tab);
        QFETCH(QString, name);
        QFETCH(int, method);
        QFETCH(int, paper);
        QFETCH(QString, pageSize);
        QFETCH(QStringList, printed);
        QFETCH(QStringList, notPrinted);
        const PrinterStandIn printer(QPageSize::PageSizeId(paper), true);
        showAdviser(tab, name, method);
        m_messages->clear();
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuPrint")));
        QCOMPARE(m_messages->requests().size(), 0);
        QCOMPARE(m_dialogs->requests().size(), 0);
        QCOMPARE(printer.printed().size(), 1);
        const PdfFile pdf = readPdf(printer.printed().first());
        QCOMPARE(pdf.pages, 1);
        QCOMPARE(pdf.pageSize, pageSize);
        const QString text = pdf.text.simplified();
        for (const QString& expected : printed)
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral("\nnot in:\n") + text));
        for (const QString& absent : notPrinted)
            QVERIFY2(!text.contains(absent), qPrintable(absent));
        QVERIFY2(!sheetLoaded(), "the sheet is unloaded after printing");
    }

    // The text of a long note or remark and a long name are printed whole: the boxes grow, the sheet goes
    // on over a second page, and no word is cut off.
    void longTextsArePrintedWhole()
    {
        const PrinterStandIn printer;
        showAdviser(0, QStringLiteral("ZZ LONG TEXTS"));
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuPrint")));
        QCOMPARE(printer.printed().size(), 1);
        const PdfFile pdf = readPdf(printer.printed().first());
        QVERIFY2(pdf.pages >= 2, qPrintable(QString::number(pdf.pages)));
        // Every page ends with the cargo's name and which page it is, apart from the texts.
        QString printed = pdf.text;
        for (int page = 1; page <= pdf.pages; ++page) {
            const QString footing =
                QStringLiteral("ZZ LONG TEXTS — page %1 of %2\n").arg(page).arg(pdf.pages);
            QVERIFY2(printed.count(footing) == 1, qPrintable(footing));
            printed.remove(footing);
        }
        const QString text = withoutBlanks(printed);
        QVERIFY(text.contains(
            withoutBlanks(QStringLiteral("Full Cargo Name:") + manyWords(QStringLiteral("fullname"), 40))));
        QVERIFY(text.contains(
            withoutBlanks(QStringLiteral("Personal Notes : ") + manyWords(QStringLiteral("note"), 300))));
        QVERIFY(text.contains(
            withoutBlanks(QStringLiteral("Remarks : ") + manyWords(QStringLiteral("remark"), 1500))));
    }

    void noPrinterOffersThePdf_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("printed");
        QTest::newRow("Tavro") << 0 << TavroPrintMessage << QStringLiteral("Print Tavro Tankers Adviser")
                               << QStringLiteral("ACETONE - Velcarin Tavro Tankers Adviser.pdf")
                               << QStringLiteral("Abbreviated Cargo Name: ACETONE");
        QTest::newRow("Jo") << 1
                            << QStringLiteral(
                                   "No printer is installed on this computer, so the Velcarin Jo "
                                   "Tankers Adviser cannot be printed.\n\nSave it as a PDF file instead?")
                            << QStringLiteral("Print Jo Tankers Adviser")
                            << QStringLiteral("ACETONE - Velcarin Jo Tankers Adviser.pdf")
                            << QStringLiteral("Cargo Name: ACETONE");
    }

    void noPrinterOffersThePdf()
    {
        QFETCH(int, tab);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(QString, fileName);
        QFETCH(QString, printed);
        const PrinterStandIn noPrinter(QPageSize::A4, false);
        showAdviser(tab, QStringLiteral("ACETONE"));
        m_messages->clear();

        // No: nothing more.
        m_messages->answerWith({QMessageBox::No});
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuPrint")));
        QCOMPARE(m_messages->requests().size(), 1);
        QCOMPARE(m_messages->requests().first().text, message);
        QCOMPARE(m_messages->requests().first().title, title);
        QCOMPARE(m_messages->requests().first().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(m_dialogs->requests().size(), 0);

        // Yes: the file dialog, and the sheet in the file chosen.
        const QString chosen = m_out.filePath(QStringLiteral("offered-%1.pdf").arg(tab));
        m_messages->answerWith({QMessageBox::Yes});
        m_dialogs->answerWith({chosen});
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuPrint")));
        QCOMPARE(m_messages->requests().size(), 2);
        QCOMPARE(m_dialogs->requests().size(), 1);
        const FileDialog::Request& asked = m_dialogs->requests().first();
        QCOMPARE(asked.title, QStringLiteral("Export Adviser as PDF"));
        QCOMPARE(QFileInfo(asked.suggestedPath).fileName(), fileName);
        QVERIFY2(QFileInfo(asked.suggestedPath).dir().exists(), qPrintable(asked.suggestedPath));
        QCOMPARE(asked.filter, QStringLiteral("PDF files (*.pdf)"));
        QCOMPARE(asked.defaultSuffix, QStringLiteral("pdf"));
        const PdfFile pdf = readPdf(chosen);
        QCOMPARE(pdf.pages, 1);
        QVERIFY2(pdf.text.simplified().contains(printed), qPrintable(pdf.text));
        QCOMPARE(m_messages->requests().size(), 2);
        QVERIFY(!sheetLoaded());
    }

    void exportWritesThePdf_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("printed");
        QTest::newRow("Tavro") << 0
                               << QStringList{"Velcarin Tavro Tankers Adviser",
                                              "Abbreviated Cargo Name: TOLUENE"};
        QTest::newRow("Jo") << 1 << QStringList{"Velcarin Jo Tankers Adviser", "Cargo Name: TOLUENE"};
    }

    void exportWritesThePdf()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, printed);
        const PrinterStandIn printer; // the export does not print
        showAdviser(tab, QStringLiteral("TOLUENE"));
        const QString chosen = m_out.filePath(QStringLiteral("export-%1.pdf").arg(tab));
        m_dialogs->answerWith({chosen});
        m_messages->clear();
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuExportPdf")));
        QCOMPARE(m_dialogs->requests().size(), 1);
        QCOMPARE(m_messages->requests().size(), 0);
        QCOMPARE(printer.printed().size(), 0);
        const PdfFile pdf = readPdf(chosen);
        QCOMPARE(pdf.pages, 1);
        QCOMPARE(pdf.pageSize, QStringLiteral("595 x 842 pts (A4)"));
        for (const QString& expected : printed)
            QVERIFY2(pdf.text.simplified().contains(expected), qPrintable(pdf.text));
        QVERIFY(!sheetLoaded());
        QCOMPARE(m_window->statusBar()->currentMessage(),
                 QStringLiteral("%1 of TOLUENE written to %2").arg(printed.first(), chosen));
    }

    // The dialog opens in the folder of the PDF file chosen last, where that folder is still there.
    void exportOpensInTheFolderLastUsed()
    {
        showAdviser(0, QStringLiteral("TOLUENE"));
        QVERIFY(QDir(m_out.path()).mkpath(QStringLiteral("last/gone")));
        const QString suggested = QStringLiteral("TOLUENE - Velcarin Tavro Tankers Adviser.pdf");
        m_dialogs->answerWith({m_out.filePath(QStringLiteral("last/sheet.pdf")), QString(),
                               m_out.filePath(QStringLiteral("last/gone/sheet.pdf"))});
        for (int exported = 0; exported < 3; ++exported)
            QVERIFY(triggerAction(m_window, QStringLiteral("mnuExportPdf")));
        QVERIFY(QDir(m_out.filePath(QStringLiteral("last/gone"))).removeRecursively());
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuExportPdf")));
        const QList<FileDialog::Request>& asked = m_dialogs->requests();
        QCOMPARE(asked.size(), 4);
        QCOMPARE(asked[1].suggestedPath, m_out.filePath(QStringLiteral("last/") + suggested));
        QCOMPARE(asked[2].suggestedPath, m_out.filePath(QStringLiteral("last/") + suggested)); // cancelled
        QCOMPARE(QFileInfo(asked[3].suggestedPath).fileName(), suggested);
        QVERIFY2(QFileInfo(asked[3].suggestedPath).dir().exists(), qPrintable(asked[3].suggestedPath));
    }

    void exportCancelled()
    {
        showAdviser(0, QStringLiteral("TOLUENE"));
        m_messages->clear();
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuExportPdf")));
        QCOMPARE(m_dialogs->requests().size(), 1);
        QCOMPARE(m_messages->requests().size(), 0);
        QCOMPARE(QDir(m_out.path()).entryList(QDir::Files).filter(QStringLiteral("cancel")), QStringList());
    }

    void exportToAFolderThatIsNotThere()
    {
        showAdviser(0, QStringLiteral("TOLUENE"));
        const QString chosen = m_out.filePath(QStringLiteral("no such folder/sheet.pdf"));
        m_dialogs->answerWith({chosen});
        m_messages->clear();
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuExportPdf")));
        QCOMPARE(m_messages->requests().size(), 1);
        const MessageBox::Request& told = m_messages->requests().first();
        QVERIFY2(told.text.startsWith(QStringLiteral("The PDF file %1 could not be written.\n\n")
                                          .arg(QDir::toNativeSeparators(chosen))),
                 qPrintable(told.text));
        QCOMPARE(told.title, QStringLiteral("Export Adviser as PDF"));
        QCOMPARE(told.icon, QMessageBox::Critical);
        QVERIFY(!QFile::exists(chosen));
    }

    void aFailedPrintIsReported()
    {
        const QString unreachable = m_out.filePath(QStringLiteral("no such folder/print.pdf"));
        DefaultPrinter::setProvider([unreachable] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(unreachable);
            return printer;
        });
        showAdviser(0, QStringLiteral("TOLUENE"));
        m_messages->clear();
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuPrint")));
        DefaultPrinter::setProvider(nullptr);
        QCOMPARE(m_messages->requests().size(), 1);
        const MessageBox::Request& told = m_messages->requests().first();
        QCOMPARE(told.text, QStringLiteral("The Velcarin Tavro Tankers Adviser could not be printed.\n\n"
                                           "The page could not be opened for drawing."));
        QCOMPARE(told.title, QStringLiteral("Print Tavro Tankers Adviser"));
        QCOMPARE(told.icon, QMessageBox::Critical);
    }

    void exportEntryFollowsThePrintEntry_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("0 to 1") << 0 << 1 << true;
        QTest::newRow("0 to 2") << 0 << 2 << false;
        QTest::newRow("2 to 1") << 2 << 1 << true;
        QTest::newRow("2 to 0") << 2 << 0 << true;
    }

    void exportEntryFollowsThePrintEntry()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, enabled);
        QVERIFY(action("mnuExportPdf")->isEnabled());
        QCOMPARE(action("mnuExportPdf")->text(), QStringLiteral("Export Adviser as PDF…"));
        tabs()->setCurrentIndex(from);
        tabs()->setCurrentIndex(to);
        QCOMPARE(action("mnuPrint")->isEnabled(), enabled);
        QCOMPARE(action("mnuExportPdf")->isEnabled(), enabled);
    }

    // With the Henkel tab in front the print entry reads "&Print" and prints nothing, even when asked.
    void otherCaptionsPrintNothing()
    {
        const PrinterStandIn printer;
        tabs()->setCurrentIndex(2);
        action("mnuPrint")->setEnabled(true);
        action("mnuPrint")->trigger();
        action("mnuExportPdf")->trigger();
        QCOMPARE(printer.printed().size(), 0);
        QCOMPARE(m_dialogs->requests().size(), 0);
        QCOMPARE(m_messages->requests().size(), 0);
        QVERIFY(!sheetLoaded());
    }
};

VELCARIN_TEST_MAIN(TestPrintEntries)
#include "tst_printentries.moc"
