#include "support/TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

namespace {

const QStringList Commands{"advise", "compat",  "find",  "hazard", "help",   "henkel", "import",
                           "jo",     "mixture", "notes", "print",  "unitor", "where"};

// A manual page's text as it reads, the fonts and escapes of roff taken out.
QString manualPageText(const QString& program)
{
    QString page = QString::fromUtf8(fileContents(QDir(VELCARIN_MANUAL_DIR).filePath(program + ".1")));
    page.remove(QRegularExpression(QStringLiteral("\\\\f[BIR]")));
    return page.replace(QLatin1String("\\-"), QLatin1String("-"))
        .replace(QLatin1String("\\e"), QLatin1String("\\"));
}

// The usage lines and the first column of the tables of a --help text: what a manual page must hold too.
QStringList namedIn(const QString& help)
{
    QStringList named;
    const QStringList lines = help.split(QLatin1Char('\n'));
    const qsizetype usageEnd = lines.indexOf(QString());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i < usageEnd)
            named << lines.at(i).mid(7);
        else if (lines.at(i).startsWith(QLatin1String("  ")) && lines.at(i).at(2) != QLatin1Char(' '))
            named << lines.at(i).mid(2).section(QStringLiteral("  "), 0, 0);
    }
    return named;
}

} // namespace

class TestCommandLineHelp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void helpOnStandardOutput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("usage");
        QTest::newRow("--help") << QStringList{"--help"} << QStringLiteral("usage: velcarin-cli COMMAND");
        QTest::newRow("-h") << QStringList{"-h"} << QStringLiteral("usage: velcarin-cli COMMAND");
        for (const QString& command : Commands)
            QTest::newRow(qPrintable(command))
                << QStringList{command, "--data-dir", "/nowhere", "-h"} << "usage: velcarin-cli " + command;
    }

    void helpOnStandardOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, usage);
        const CliRun run = runCli(arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QVERIFY2(run.out.startsWith(usage), qPrintable(run.out));
        const QStringList sections = arguments.size() == 1
                                         ? QStringList{"\nCommands:\n", "\nOptions of every command:\n",
                                                       "\nData folder: ", "\nShipped files: "}
                                         : QStringList{"\nOptions:\n", "\nExit codes:\n", "\nExample:\n  "};
        for (const QString& section : sections)
            QVERIFY2(run.out.contains(section), qPrintable(section));
    }

    void aCommandsWholeHelp()
    {
        QCOMPARE(
            runCli({"unitor", "--help"}).out,
            QStringLiteral("usage: velcarin-cli unitor NAME [--group G] [--json] [--data-dir DIR]\n\n"
                           "The topics of the Unitor tank cleaning manual for a previous cargo. The topics\n"
                           "the Unitor window asks for after the cargo and the loading groups of the next\n"
                           "cargo it offers; with --group, the topics for that loading group.\n\n"
                           "Arguments:\n"
                           "  NAME  The previous cargo's name as the Unitor catalogue writes it.\n\n"
                           "Options:\n"
                           "  --group G       The loading group A to G of the next cargo.\n"
                           "  --json          Print one JSON object instead of lines of text.\n"
                           "  --data-dir DIR  Use the databases in DIR instead of the data folder.\n"
                           "  -h, --help      Show how the command is used, and end.\n\n"
                           "Exit codes:\n"
                           "  0  the answer was found and shown\n"
                           "  1  nothing has the name asked for\n"
                           "  2  bad use, or a database or file that cannot be read or written\n\n"
                           "Example:\n"
                           "  velcarin-cli unitor ACETONE --group C\n"));
    }

    // What --help names, the manual page names too: both are made from one description.
    void manualPageHoldsTheHelp_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("velcarin") << QStringLiteral("velcarin") << QStringList{"--help"};
        QTest::newRow("velcarin-cli") << QStringLiteral("velcarin-cli") << QStringList{"--help"};
        for (const QString& command : Commands)
            QTest::newRow(qPrintable(command))
                << QStringLiteral("velcarin-cli") << QStringList{command, "--help"};
    }

    void manualPageHoldsTheHelp()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QProcess process;
        process.start(QDir(programFolder()).filePath(program), arguments);
        QVERIFY(process.waitForFinished(30000));
        const QString help = QString::fromUtf8(process.readAllStandardOutput());
        const QString page = manualPageText(program);
        const QStringList named = namedIn(help);
        QVERIFY(named.size() >= 4);
        for (const QString& text : named)
            QVERIFY2(page.contains(text), qPrintable(program + ": " + text));
    }

    void manualPagesReadWithoutWarnings_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("velcarin") << QStringLiteral("velcarin");
        QTest::newRow("velcarin-cli") << QStringLiteral("velcarin-cli");
    }

    void manualPagesReadWithoutWarnings()
    {
        QFETCH(QString, program);
        QProcess groff;
        groff.start(QStringLiteral("groff"),
                    {"-man", "-Tutf8", "-ww", "-z", QDir(VELCARIN_MANUAL_DIR).filePath(program + ".1")});
        if (!groff.waitForFinished(30000))
            QSKIP("groff is not installed");
        QCOMPARE(groff.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(groff.readAllStandardError()), QString());
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestCommandLineHelp)
#include "tst_commandlinehelp.moc"
