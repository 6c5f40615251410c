#include "app/FrmTabClean.h"
#include "support/LoadedMainWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

const QString GroupOneText =
    QStringLiteral("Cleaning Code : Cargoes listed under this group are completely water soluble or "
                   "miscible. Some are water "
                   "reactive; however, such reaction will be off an acceptable extent and duration. All of "
                   "the cargoes can be "
                   "cleaned using only water and all can be considered as good last cargoes.");

} // namespace

// velcarin-cli print: the printed advisers written as PDF files, without a display.
class TestPrintCommand : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    QTemporaryDir m_out;

    QString out(const QString& name) const { return m_out.filePath(name); }

private Q_SLOTS:
    void initTestCase() { m_folder.copySampleDatabases(); }

    void writesTheSheet_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<QStringList>("notPrinted");
        QTest::newRow("Tavro")
            << QStringList{"ACETONE"}
            << QStringLiteral("Velcarin Tavro Tankers Adviser of ACETONE written to ")
            << QStringList{"Velcarin Tavro Tankers Adviser sample data — not tank-cleaning advice",
                           "Abbreviated Cargo Name: ACETONE", GroupOneText, "KETONES"}
            << QStringList{};
        QTest::newRow("Tavro, SEE MANUAL")
            << QStringList{"PROPYLENE OXIDE"}
            << QStringLiteral("Velcarin Tavro Tankers Adviser of PROPYLENE OXIDE written to ")
            << QStringList{"Cleaning Code : There are special cleaning instructions for this grade of cargo."}
            << QStringList{"SEE MANUAL"};
        QTest::newRow("Jo with a method")
            << QStringList{"--jo", "ACETONE", "--method", "5"}
            << QStringLiteral("Velcarin Jo Tankers Adviser of ACETONE written to ")
            << QStringList{"Velcarin Jo Tankers Adviser sample data — not tank-cleaning advice",
                           "Cargo Name: ACETONE",
                           "BTW WITH AMBIENT FRESH WATER FOR 1 HOURS GAS FREE AND VENTILATE MOP AND DRY"}
            << QStringList{"KETONES"};
        QTest::newRow("Jo as right after the pick")
            << QStringList{"--jo", "TOLUENE"}
            << QStringLiteral("Velcarin Jo Tankers Adviser of TOLUENE written to ")
            << QStringList{"Cargo Name: TOLUENE", "Notes Sample data. Use cleaning method 8"}
            << QStringList{"MOP AND DRY"};
    }

    void writesTheSheet()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        QFETCH(QStringList, printed);
        QFETCH(QStringList, notPrinted);
        const QString pdf = out(QLatin1String(QTest::currentDataTag()) + QStringLiteral(".pdf"));
        const CliRun run = runCli(QStringList{"print"} + arguments +
                                  QStringList{"--pdf", pdf, "--data-dir", m_folder.path()});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, said + pdf + QLatin1Char('\n'));
        const PdfFile written = readPdf(pdf);
        QCOMPARE(written.pages, 1);
        QCOMPARE(written.pageSize, QStringLiteral("595 x 842 pts (A4)"));
        const QString text = written.text.simplified();
        for (const QString& expected : printed)
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral("\nnot in:\n") + text));
        for (const QString& absent : notPrinted)
            QVERIFY2(!text.contains(absent), qPrintable(absent));
    }

    void json()
    {
        const QString pdf = out(QStringLiteral("json.pdf"));
        const CliRun run =
            runCli({"print", "XYLENE-M", "--json", "--pdf", pdf, "--data-dir", m_folder.path()});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(object.value(QStringLiteral("sheet")).toString(),
                 QStringLiteral("Velcarin Tavro Tankers Adviser"));
        QCOMPARE(object.value(QStringLiteral("name")).toString(), QStringLiteral("XYLENE-M"));
        QCOMPARE(object.value(QStringLiteral("pdf")).toString(), pdf);
        QCOMPARE(object.value(QStringLiteral("sampleData")), QJsonValue(true));
        QVERIFY(QFile::exists(pdf));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("arguments"); // FILE stands for a writable PDF path
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err"); // what standard error starts with
        QTest::newRow("no such cargo") << QStringList{"NO SUCH CARGO", "--pdf", "FILE"} << 1
                                       << QStringLiteral("no cargo named NO SUCH CARGO\n");
        QTest::newRow("no such product") << QStringList{"--jo", "NO SUCH PRODUCT", "--pdf", "FILE"} << 1
                                         << QStringLiteral("no product named NO SUCH PRODUCT\n");
        QTest::newRow("no --pdf") << QStringList{"ACETONE"} << 2
                                  << QStringLiteral("usage: velcarin-cli print");
        QTest::newRow("no name") << QStringList{"--pdf", "FILE"} << 2
                                 << QStringLiteral("usage: velcarin-cli print");
        QTest::newRow("two names") << QStringList{"ACETONE", "TOLUENE", "--pdf", "FILE"} << 2
                                   << QStringLiteral("usage: velcarin-cli print");
        QTest::newRow("a method without --jo") << QStringList{"ACETONE", "--method", "5", "--pdf", "FILE"}
                                               << 2 << QStringLiteral("usage: velcarin-cli print");
        QTest::newRow("method 13") << QStringList{"--jo", "ACETONE", "--method", "13", "--pdf", "FILE"} << 2
                                   << QStringLiteral("no cleaning method 13; methods are 1 to 12\n");
        QTest::newRow("a folder that is not there")
            << QStringList{"ACETONE", "--pdf", "MISSING/sheet.pdf"} << 2 << QStringLiteral("cannot write ");
        QTest::newRow("unknown option") << QStringList{"ACETONE", "--pdf", "FILE", "--paper", "A4"} << 2
                                        << QStringLiteral("Unknown option 'paper'.");
    }

    void failures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        const QString pdf = out(QStringLiteral("failed.pdf"));
        arguments.replaceInStrings(QStringLiteral("FILE"), pdf);
        arguments.replaceInStrings(QStringLiteral("MISSING"), out(QStringLiteral("missing")));
        const CliRun run =
            runCli(QStringList{"print"} + arguments + QStringList{"--data-dir", m_folder.path()});
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.startsWith(err), qPrintable(run.err));
        QCOMPARE(run.out, QString());
        QVERIFY(!QFile::exists(pdf));
    }

    void badDataFolder()
    {
        const CliRun run = runCli({"print", "ACETONE", "--pdf", out(QStringLiteral("x.pdf")), "--data-dir",
                                   out(QStringLiteral("no data here"))});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!run.err.isEmpty());
    }

    // A copy of the tool without its sheet printer says so instead of printing nothing.
    void withoutItsSheetPrinter()
    {
        const QTemporaryDir bin;
        const QString tool = QDir(bin.path()).filePath(QStringLiteral("velcarin-cli"));
        QVERIFY(QFile::copy(QDir(programFolder()).filePath(QStringLiteral("velcarin-cli")), tool));
        const QString pdf = out(QStringLiteral("unprinted.pdf"));
        QProcess process;
        process.start(tool, {"print", "ACETONE", "--pdf", pdf, "--data-dir", m_folder.path()});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 2);
        QCOMPARE(
            QString::fromUtf8(process.readAllStandardError()),
            QStringLiteral(
                "velcarin-cli: the sheet printer %1 cannot be started: No such file or directory\n")
                .arg(QDir::cleanPath(bin.path() + QStringLiteral("/../libexec/velcarin/velcarin-print"))));
        QCOMPARE(process.readAllStandardOutput(), QByteArray());
        QVERIFY(!QFile::exists(pdf));
    }

    // Without a display and without a platform chosen, the command still draws the sheet.
    void runsWithoutADisplay()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
            environment.remove(QLatin1String(name));
        const QString pdf = out(QStringLiteral("headless.pdf"));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QDir(programFolder()).filePath(QStringLiteral("velcarin-cli")),
                      {"print", "ACETONE", "--pdf", pdf, "--data-dir", m_folder.path()});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(readPdf(pdf).text.simplified().contains(QStringLiteral("Abbreviated Cargo Name: ACETONE")));
    }

    // The tool writes the same sheet that the program prints for the same choice.
    void sameSheetAsTheProgram_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("method");
        QTest::newRow("ACETONE") << 0 << QStringLiteral("ACETONE") << 0;
        QTest::newRow("AATREX") << 0 << QStringLiteral("AATREX") << 0;
        QTest::newRow("PROPYLENE OXIDE") << 0 << QStringLiteral("PROPYLENE OXIDE") << 0;
        QTest::newRow("VINYL CHLORIDE") << 0 << QStringLiteral("VINYL CHLORIDE") << 0;
        QTest::newRow("Jo TOLUENE, method 8") << 1 << QStringLiteral("TOLUENE") << 8;
        QTest::newRow("Jo ACETONE") << 1 << QStringLiteral("ACETONE") << 0;
    }

    void sameSheetAsTheProgram()
    {
        QFETCH(int, tab);
        QFETCH(QString, name);
        QFETCH(int, method);
        const LoadedMainWindow main(m_folder.path());
        QVERIFY(main.isLoaded());
        const PrinterStandIn printer;
        child<QTabWidget>(main.window(), QStringLiteral("SSTab1"))->setCurrentIndex(tab);
        child<QComboBox>(main.window(), QLatin1String(tab == 0 ? "DBCombo1" : "DBComboJo"))
            ->setEditText(name);
        if (method)
            child<QPushButton>(main.window(), QStringLiteral("cmd%1").arg(method))->click();
        QVERIFY(triggerAction(main.window(), QStringLiteral("mnuPrint")));
        QCOMPARE(printer.printed().size(), 1);

        QStringList arguments{"print",      name,           "--pdf", out(QStringLiteral("same.pdf")),
                              "--data-dir", m_folder.path()};
        if (tab == 1)
            arguments << QStringLiteral("--jo");
        if (method)
            arguments << QStringLiteral("--method") << QString::number(method);
        QCOMPARE(runCli(arguments).exitCode, 0);
        QCOMPARE(readPdf(out(QStringLiteral("same.pdf"))).text, readPdf(printer.printed().first()).text);
    }
};

VELCARIN_TEST_MAIN(TestPrintCommand)
#include "tst_printcommand.moc"
