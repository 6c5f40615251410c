#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

// velcarin-cli help: a topic of a help file, as the help viewer shows it.
class TestHelpCommand : public QObject {
    Q_OBJECT

private:
    static QString manual(const QString& file)
    {
        return qEnvironmentVariable("VELCARIN_TEST_DATA") + QStringLiteral("/winhelp/") + file;
    }

private Q_SLOTS:
    void printsATopic_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("out");
        QTest::newRow("by number") << QStringList{manual(QStringLiteral("winfile.hlp")),
                                                  QStringLiteral("5101")}
                                   << QStringLiteral(
                                          "Title: File Manager Help\n"
                                          "Topic: 5101\n"
                                          "Topic title: Open\n"
                                          "Text: Open\n"
                                          "    Opens a directory window, expands a directory, starts an "
                                          "application, or opens a document that is associated with an "
                                          "application. \n");
        QTest::newRow("by context name")
            << QStringList{manual(QStringLiteral("wxhelp_doc.hlp")), QStringLiteral("--context"),
                           QStringLiteral("FUNCTIONS")}
            << QStringLiteral("Title: Help Demo Document\n"
                              "Topic: FUNCTIONS\n"
                              "Topic title: Functions\n"
                              "Text: Functions\n"
                              "    \n"
                              "    This would say something about functions, but doesn't yet.\n");
        QTest::newRow("the contents")
            << QStringList{manual(QStringLiteral("StatList.hlp"))}
            << QStringLiteral("Title: PDH Counter Statistics Demo Application Help\n"
                              "Topic: contents\n"
                              "Topic title: Overview\n"
                              "Text: statlist: A PDH Demonstration Program\n");
        QTest::newRow("a help ID in hexadecimal")
            << QStringList{manual(QStringLiteral("TSTCON32.HLP")), QStringLiteral("0x80880404")}
            << QStringLiteral("Title: ActiveX Control Test Container Application Help\n"
                              "Topic: -2138569724\n"
                              "Topic title: \n"
                              "Text: Specifies that the controls will be windowless.\n");
        QTest::newRow("Velcarin's own help file")
            << QStringList{QDir(programFolder()).filePath(QStringLiteral("Henkel.hlp")),
                           QStringLiteral("1016")}
            << QStringLiteral(
                   "Title: HENKEL / CHEMCHEM Cleaning Manual\n"
                   "Topic: 1016\n"
                   "Topic title: Styrene Monomer\n"
                   "Text: This is topic 1016, Styrene Monomer, of the HENKEL / CHEMCHEM Cleaning Manual "
                   "(Henkel.hlp).\n"
                   "    This help file is a sample that comes with Velcarin. The manual's own text is "
                   "supplied separately: put the manual's help file Henkel.hlp in the program folder in "
                   "place of this one.\n");
        QTest::newRow("a list, an item a line")
            << QStringList{QStringLiteral("Unitor.hlp"), QStringLiteral("1023")}
            << QStringLiteral(
                   "Title: Unitor Tank Cleaning Manual\n"
                   "Topic: 1023\n"
                   "Topic title: CAPROLACTAM PURE; CAPROLACTAM SOLUTION\n"
                   "Text: This is topic 1023 of the Unitor Tank Cleaning Manual (Unitor.hlp): tank "
                   "cleaning after the previous cargo\n"
                   "    CAPROLACTAM PURE\n"
                   "    CAPROLACTAM SOLUTION\n"
                   "    This help file is a sample that comes with Velcarin. The manual's own text is "
                   "supplied separately: put the manual's help file Unitor.hlp in the program folder "
                   "in place of this one.\n");
    }

    void printsATopic()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        const CliRun run = runCli(QStringList{QStringLiteral("help")} + arguments);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        if (arguments.size() == 1) // the contents topic of this manual is long: its first line
            QCOMPARE(run.out.left(out.size()), out);
        else
            QCOMPARE(run.out, out);
    }

    void printsJson()
    {
        const CliRun run = runCli({QStringLiteral("help"), manual(QStringLiteral("wxhelp_doc.hlp")),
                                   QStringLiteral("3"), QStringLiteral("--json")});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject expected{
            {QStringLiteral("title"), QStringLiteral("Help Demo Document")},
            {QStringLiteral("topic"),
             QJsonObject{
                 {QStringLiteral("number"), 3},
                 {QStringLiteral("title"), QStringLiteral("About")},
                 {QStringLiteral("text"), QStringLiteral("About\n\nAbout this HelpDemo: this file is really "
                                                         "not much of a demo, but it's a start.\n\n")}}},
        };
        QCOMPARE(QJsonDocument::fromJson(run.out.toUtf8()).object(), expected);

        const CliRun contents = runCli(
            {QStringLiteral("help"), manual(QStringLiteral("StatList.hlp")), QStringLiteral("--json")});
        QCOMPARE(contents.exitCode, 0);
        const QJsonObject topic =
            QJsonDocument::fromJson(contents.out.toUtf8()).object().value("topic").toObject();
        QVERIFY(topic.value(QStringLiteral("number")).isNull());
        QCOMPARE(topic.value(QStringLiteral("title")).toString(), QStringLiteral("Overview"));
    }

    // Velcarin's own help files: each block the viewer shows on a line of its own is a line of the text.
    void printsEachBlockOnALineOfItsOwn_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("text");
        QTest::newRow("list items") << QStringLiteral("<p>After</p><ul><li>A</li><li>B</li></ul><p>End</p>")
                                    << QStringLiteral("After\nA\nB\nEnd\n");
        QTest::newRow("nested lists")
            << QStringLiteral("<ol><li>one<ul><li>inner</li></ul></li><li>two</li></ol>")
            << QStringLiteral("one\ninner\ntwo\n");
        QTest::newRow("headings and divisions")
            << QStringLiteral("<H1>Head</H1><div>first</div><div class=\"x\">second</div>tail")
            << QStringLiteral("Head\nfirst\nsecond\ntail");
        QTest::newRow("line breaks") << QStringLiteral("<p>a<br>b<br/>c<br></p>")
                                     << QStringLiteral("a\nb\nc\n");
        QTest::newRow("white space") << QStringLiteral("<p>\n  a \t\r\n b  </p>\n<p> <b>c</b> <i>d</i>e</p>")
                                     << QStringLiteral("a b\nc de\n");
        QTest::newRow("table rows and cells")
            << QStringLiteral("<table><tr><td>a</td><td>b</td></tr><tr><th>c</th><td> d</td></tr></table>")
            << QStringLiteral("a\tb\nc\td\n");
        QTest::newRow("character references")
            << QStringLiteral("<p>&lt;a&gt; &amp; &quot;b&quot;&nbsp;&nbsp;c &#233;&#xE9;&#x1F600; &unknown; "
                              "&#xD800;</p>")
            << QStringLiteral("<a> & \"b\"  c \u00E9\u00E9\U0001F600 &unknown; \uFFFD\n");
    }

    void printsEachBlockOnALineOfItsOwn()
    {
        QFETCH(QString, html);
        QFETCH(QString, text);
        TestDataFolder folder;
        folder.createDatabase(QStringLiteral("Own.hlp"),
                              QStringLiteral("create table manual (title); insert into manual values ('Own');"
                                             "create table topics (context integer primary key, title, html);"
                                             "insert into topics values (1, 'One', %1);")
                                  .arg(sqlText(html)));
        const CliRun run = runCli({QStringLiteral("help"), folder.filePath(QStringLiteral("Own.hlp")),
                                   QStringLiteral("1"), QStringLiteral("--json")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(run.out.toUtf8())
                     .object()
                     .value(QStringLiteral("topic"))
                     .toObject()
                     .value(QStringLiteral("text"))
                     .toString(),
                 text);
    }

    void saysWhatItCannotShow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        const QString winfile = manual(QStringLiteral("winfile.hlp"));
        const QString henkel = QDir(programFolder()).filePath(QStringLiteral("Henkel.hlp"));
        const QString usage = QStringLiteral(
            "usage: velcarin-cli help FILE [NUMBER | --context NAME] [--json] [--data-dir DIR]\n");
        QTest::newRow("a number not mapped") << QStringList{winfile, QStringLiteral("1001")} << 1
                                             << QStringLiteral("%1 has no topic 1001\n").arg(winfile);
        QTest::newRow("a number mapped to no topic") << QStringList{winfile, QStringLiteral("5204")} << 1
                                                     << QStringLiteral("%1 has no topic 5204\n").arg(winfile);
        QTest::newRow("a context name not defined")
            << QStringList{winfile, QStringLiteral("--context"), QStringLiteral("nothing")} << 1
            << QStringLiteral("%1 has no topic named nothing\n").arg(winfile);
        QTest::newRow("no contents in Velcarin's own help file")
            << QStringList{henkel} << 1 << QStringLiteral("%1 has no contents topic\n").arg(henkel);
        QTest::newRow("a missing file") << QStringList{QStringLiteral("/nowhere/x.hlp")} << 2
                                        << QStringLiteral("The help file /nowhere/x.hlp does not exist.\n");
        QTest::newRow("not a help file")
            << QStringList{QDir(programFolder()).filePath(QStringLiteral("GLOBE1.BMP"))} << 2
            << QStringLiteral("The help file %1 is not in the format of Velcarin's help viewer.\n")
                   .arg(QDir(programFolder()).filePath(QStringLiteral("GLOBE1.BMP")));
        QTest::newRow("not a number") << QStringList{winfile, QStringLiteral("ten")} << 2 << usage;
        QTest::newRow("a number and a name")
            << QStringList{winfile, QStringLiteral("5101"), QStringLiteral("--context"), QStringLiteral("x")}
            << 2 << usage;
        QTest::newRow("too many arguments")
            << QStringList{winfile, QStringLiteral("1"), QStringLiteral("2")} << 2 << usage;
        QTest::newRow("no file") << QStringList{} << 2 << usage;
    }

    void saysWhatItCannotShow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        const CliRun run = runCli(QStringList{QStringLiteral("help")} + arguments);
        QCOMPARE(run.err, err);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.exitCode, exitCode);
    }

    void reportsADamagedFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("reason");
        QTest::newRow("more context numbers than the file holds")
            << QStringLiteral("winfile.hlp") << 0xF8FE << 0xFFFF << QStringLiteral("data cut short");
        // The size of the |SYSTEM record that names the contents topic set to 0.
        const QString emptyContents = QStringLiteral("a contents record cut short");
        QTest::newRow("empty contents record, Windows 95")
            << QStringLiteral("StatList.hlp") << 0x58 << 0 << emptyContents;
        QTest::newRow("empty contents record, Hall compression")
            << QStringLiteral("TSTCON32.HLP") << 0xC48 << 0 << emptyContents;
        QTest::newRow("empty contents record, Windows 3.1")
            << QStringLiteral("winfile.hlp") << 0x1895 << 0 << emptyContents;
        QTest::newRow("empty contents record, phrases")
            << QStringLiteral("wxhelp_doc.hlp") << 0x4D9 << 0 << emptyContents;
    }

    void reportsADamagedFile()
    {
        QFETCH(QString, file);
        QFETCH(int, at);
        QFETCH(int, word);
        QFETCH(QString, reason);
        TestDataFolder folder;
        QByteArray bytes = fileContents(manual(file));
        bytes[at] = char(word & 0xFF);
        bytes[at + 1] = char(word >> 8);
        folder.writeFile(file, bytes);
        const CliRun run = runCli({QStringLiteral("help"), folder.filePath(file)});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, QStringLiteral("The help file %1 cannot be read: it is damaged (%2).\n")
                              .arg(folder.filePath(file), reason));
    }

    // Text of a manual that a terminal would obey: shown as text instead, in the text and in JSON.
    void showsControlCharactersAsText()
    {
        TestDataFolder folder;
        QByteArray bytes = fileContents(manual(QStringLiteral("StatList.hlp")));
        bytes[0x2D] = '\x1B';                // in the title, "PDH Counter..."
        bytes.replace(0x532, 2, "\x07\x81"); // in the contents topic, "statlist: A PDH..."
        folder.writeFile(QStringLiteral("StatList.hlp"), bytes);
        folder.createDatabase(QStringLiteral("Own.hlp"),
                              QStringLiteral("create table manual (title);"
                                             "create table topics (context integer primary key, title, html);"
                                             "insert into manual values ('Own' || char(27) || '[2J');"
                                             "insert into topics values (1, 'Bell' || char(7),"
                                             " '<p>a' || char(155) || 'b&#27;c&#x9;d</p>');"));
        const CliRun winHelp =
            runCli({QStringLiteral("help"), folder.filePath(QStringLiteral("StatList.hlp"))});
        QCOMPARE(winHelp.out.section(QLatin1Char('\n'), 0, 3),
                 QStringLiteral("Title: PDH \uFFFDounter Statistics Demo Application Help\n"
                                "Topic: contents\n"
                                "Topic title: Overview\n"
                                "Text: statlist\uFFFD\uFFFDA PDH Demonstration Program"));
        const CliRun own = runCli({QStringLiteral("help"), folder.filePath(QStringLiteral("Own.hlp")),
                                   QStringLiteral("1"), QStringLiteral("--json")});
        const QJsonObject expected{
            {QStringLiteral("title"), QStringLiteral("Own\uFFFD[2J")},
            {QStringLiteral("topic"),
             QJsonObject{{QStringLiteral("number"), 1},
                         {QStringLiteral("title"), QStringLiteral("Bell\uFFFD")},
                         {QStringLiteral("text"), QStringLiteral("a\uFFFDb\uFFFDc\td\n")}}},
        };
        QCOMPARE(QJsonDocument::fromJson(own.out.toUtf8()).object(), expected);
    }
};

QTEST_MAIN(TestHelpCommand)
#include "tst_helpcommand.moc"
