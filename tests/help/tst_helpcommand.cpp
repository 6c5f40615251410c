#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
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
    TestDataFolder m_folder;

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
                 {QStringLiteral("pictures"), QJsonArray()},
                 {QStringLiteral("text"), QStringLiteral("About\n\nAbout this HelpDemo: this file is really "
                                                         "not much of a demo, but it's a start.\n\n")},
                 {QStringLiteral("links"), QJsonArray()}}},
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
        QTest::newRow("lists") << QStringLiteral(
                                      "<p>After</p><ul><li>A</li><li>B<ol><li>inner</li></ol></li></ul>End")
                               << QStringLiteral("After\nA\nB\ninner\nEnd");
        QTest::newRow("blocks, breaks and white space")
            << QStringLiteral(
                   "<H1>Head</H1>\n<div class=\"x\"> a \t\r\n b </div><p>c<br>d<br/></p> <b>e</b> <i>f</i>g")
            << QStringLiteral("Head\na b\nc\nd\ne fg");
        QTest::newRow("table rows and cells")
            << QStringLiteral("<table><tr><td>a</td><td>b</td></tr><tr><th>c</th><td> d</td></tr></table>")
            << QStringLiteral("a\tb\nc\td\n");
        QTest::newRow("references and control characters")
            << QStringLiteral("&lt;a&gt; &amp;&nbsp;&nbsp;&#233;&#x1F600; &unknown; &#xD800;&#27;\x1B[2J\a")
            << QStringLiteral("<a> &  \u00E9\U0001F600 &unknown; \uFFFD\uFFFD\uFFFD[2J\uFFFD");
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
        QCOMPARE(QJsonDocument::fromJson(run.out.toUtf8())["topic"]["text"].toString(), text);
    }

    void saysWhatItCannotShow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        const QString winfile = manual(QStringLiteral("winfile.hlp"));
        const QString henkel = QDir(programFolder()).filePath(QStringLiteral("Henkel.hlp"));
        const QString usage = QStringLiteral(
            "usage: velcarin-cli help FILE [TOPIC | --context NAME] [--json | --html OUT.html] [--data-dir "
            "DIR]\n"
            "       velcarin-cli help FILE --contents | --keywords | --search WORDS [--json] [--data-dir "
            "DIR]\n"
            "try 'velcarin-cli help --help'\n");
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
        // The |SYSTEM record that names the contents topic emptied.
        const QString emptied = m_folder.filePath(QStringLiteral("emptied.hlp"));
        m_folder.writeFile(
            QStringLiteral("emptied.hlp"),
            fileContents(manual(QStringLiteral("winfile.hlp"))).replace(0x1895, 2, QByteArray(2, '\0')));
        QTest::newRow("a contents record emptied")
            << QStringList{emptied} << 2
            << QStringLiteral(
                   "The help file %1 cannot be read: it is damaged (a contents record cut short).\n")
                   .arg(emptied);
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

    // The lists of a manual: each JSON shape, its first entry, and the exit code.
    void listsAManual_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QJsonValue>("first");
        QTest::addColumn<int>("exitCode");
        const QString winfile = manual(QStringLiteral("winfile.hlp"));
        QTest::newRow("links of a topic into another manual")
            << QStringList{winfile, QStringLiteral("5101")} << QStringLiteral("links")
            << QJsonValue(QJsonObject{{QStringLiteral("text"), QStringLiteral("directory window")},
                                      {QStringLiteral("target"), QStringLiteral("~34A771FB")},
                                      {QStringLiteral("file"), QStringLiteral("glossary.hlp")}})
            << 0;
        QTest::newRow("contents without a contents file")
            << QStringList{manual(QStringLiteral("wxhelp_doc.hlp")), QStringLiteral("--contents")}
            << QStringLiteral("contents")
            << QJsonValue(QJsonObject{{QStringLiteral("title"), QStringLiteral("Contents")},
                                      {QStringLiteral("target"), QStringLiteral("#1")},
                                      {QStringLiteral("children"), QJsonArray()}})
            << 0;
        QTest::newRow("keywords")
            << QStringList{manual(QStringLiteral("TSTCON32.HLP")), QStringLiteral("--keywords")}
            << QStringLiteral("keywords")
            << QJsonValue(QJsonObject{
                   {QStringLiteral("keyword"), QStringLiteral("Activate, Automation extended properties")},
                   {QStringLiteral("targets"), QJsonArray{QStringLiteral("#16")}}})
            << 0;
        QTest::newRow("search")
            << QStringList{winfile, QStringLiteral("--search"), QStringLiteral("TREE directory")}
            << QStringLiteral("results")
            << QJsonValue(QJsonObject{
                   {QStringLiteral("title"), QStringLiteral("What Is File Manager?")},
                   {QStringLiteral("target"), QStringLiteral("#7")},
                   {QStringLiteral("snippet"),
                    QStringLiteral("\u2026t: the left half displays the directory tree, and the right "
                                   "half displays the contents of the current directory. When "
                                   "yo\u2026")}})
            << 0;
        QTest::newRow("search without a result")
            << QStringList{winfile, QStringLiteral("--search"), QStringLiteral("benzene")}
            << QStringLiteral("results") << QJsonValue() << 1;
        QTest::newRow("no index") << QStringList{QDir(programFolder()).filePath(QStringLiteral("Henkel.hlp")),
                                                 QStringLiteral("--keywords")}
                                  << QStringLiteral("keywords") << QJsonValue() << 1;
    }

    void listsAManual()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, list);
        QFETCH(QJsonValue, first);
        QFETCH(int, exitCode);
        const CliRun run =
            runCli(QStringList{QStringLiteral("help")} + arguments + QStringList{QStringLiteral("--json")});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, exitCode);
        QJsonObject shown = QJsonDocument::fromJson(run.out.toUtf8()).object();
        if (list == QLatin1String("links"))
            shown = shown.value(QStringLiteral("topic")).toObject();
        const QJsonArray entries = shown.value(list).toArray();
        QCOMPARE(entries.isEmpty() ? QJsonValue() : entries.first(), first);
    }

    // A target of a link opens as a topic; a damaged index is refused alone.
    void opensTargetsAndRefusesADamagedIndex()
    {
        const CliRun target =
            runCli({QStringLiteral("help"), manual(QStringLiteral("wxhelp_doc.hlp")), QStringLiteral("#3")});
        QCOMPARE(target.exitCode, 0);
        QVERIFY2(target.out.contains(QStringLiteral("Topic title: Chapter 2\n")), qPrintable(target.out));

        TestDataFolder folder;
        const QString damaged = folder.filePath(QStringLiteral("winfile.hlp"));
        folder.writeFile(
            QStringLiteral("winfile.hlp"),
            fileContents(manual(QStringLiteral("winfile.hlp"))).replace(0xFD91, 2, QByteArray(2, '\0')));
        const CliRun keywords = runCli({QStringLiteral("help"), damaged, QStringLiteral("--keywords")});
        QCOMPARE(keywords.exitCode, 2);
        QCOMPARE(keywords.err,
                 QStringLiteral("The index of the help file %1 cannot be read: it is damaged (a B+ tree "
                                "without its signature).\n")
                     .arg(damaged));
        QCOMPARE(runCli({QStringLiteral("help"), damaged, QStringLiteral("5101")}).exitCode, 0);
        QCOMPARE(
            runCli({QStringLiteral("help"), damaged, QStringLiteral("--contents"), QStringLiteral("5101")})
                .exitCode,
            2);
    }

    void writesTheTopicWithItsPictures()
    {
        TestDataFolder folder;
        const QString page = folder.filePath(QStringLiteral("page.html"));
        const CliRun run = runCli({QStringLiteral("help"), manual(QStringLiteral("winfile.hlp")),
                                   QStringLiteral("5118"), QStringLiteral("--html"), page});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(fileContents(page).contains("text-indent:-36px;\"><img src=\"page-bm8.png\" width=\"13\" "
                                            "height=\"13\">"));
        // The pixels of |bm7 as its bytes in the file give them, read back by Qt's own PNG reader.
        const QImage button(folder.filePath(QStringLiteral("page-bm7.png")));
        QCOMPARE(button.size(), QSize(16, 12));
        QCOMPARE(button.pixel(1, 0), 0xFF000000);
        QCOMPARE(button.pixel(2, 3), 0xFFC0C0C0);
        QCOMPARE(button.pixel(13, 3), 0xFF808080);

        const CliRun json = runCli({QStringLiteral("help"), manual(QStringLiteral("winfile.hlp")),
                                    QStringLiteral("5118"), QStringLiteral("--json")});
        const QJsonObject square{{QStringLiteral("width"), 13}, {QStringLiteral("height"), 13}};
        QCOMPARE(QJsonDocument::fromJson(json.out.toUtf8())["topic"]["pictures"].toArray(),
                 (QJsonArray{square, square, square,
                             QJsonObject{{QStringLiteral("width"), 16}, {QStringLiteral("height"), 12}}}));

        const CliRun nowhere =
            runCli({QStringLiteral("help"), manual(QStringLiteral("winfile.hlp")), QStringLiteral("5118"),
                    QStringLiteral("--html"), QStringLiteral("/nowhere/page.html")});
        QCOMPARE(nowhere.exitCode, 2);
        QCOMPARE(nowhere.err,
                 QStringLiteral("cannot write /nowhere/page-bm8.png: No such file or directory\n"));
    }

    void showsThePicturesOfItsOwnHelpFiles()
    {
        const QString globe = QDir(programFolder()).filePath(QStringLiteral("GLOBE1.BMP"));
        TestDataFolder folder;
        const QString html = QStringLiteral("'<p><img src=\"velcarin-picture:globe\"></p>'");
        folder.createDatabase(QStringLiteral("Own.hlp"),
                              QStringLiteral("create table manual (title); insert into manual values ('Own');"
                                             "create table topics (context integer primary key, title, html);"
                                             "insert into topics values (1, 'One', %1);"
                                             "create table pictures (name primary key, bitmap);"
                                             "insert into pictures values ('globe', X'%2');")
                                  .arg(html, QString::fromLatin1(fileContents(globe).toHex())));
        folder.createDatabase(
            QStringLiteral("Bare.hlp"),
            QStringLiteral("create table manual (title); insert into manual values ('Bare');"
                           "create table topics (context integer primary key, title, html);"
                           "insert into topics values (1, 'One', %1);")
                .arg(html));
        const QString page = folder.filePath(QStringLiteral("own.html"));
        const CliRun run = runCli({QStringLiteral("help"), folder.filePath(QStringLiteral("Own.hlp")),
                                   QStringLiteral("1"), QStringLiteral("--html"), page});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QImage(folder.filePath(QStringLiteral("own-globe.png"))),
                 QImage(globe).convertToFormat(QImage::Format_ARGB32));

        const QString bare = folder.filePath(QStringLiteral("Bare.hlp"));
        const CliRun json =
            runCli({QStringLiteral("help"), bare, QStringLiteral("1"), QStringLiteral("--json")});
        const QJsonObject refused{
            {QStringLiteral("error"), QStringLiteral("The picture globe of the help file %1 cannot be shown: "
                                                     "the help file has no pictures.")
                                          .arg(bare)}};
        QCOMPARE(QJsonDocument::fromJson(json.out.toUtf8())["topic"]["pictures"].toArray(),
                 QJsonArray{refused});
    }

    void reportsADamagedFile()
    {
        TestDataFolder folder;
        QFile original(manual(QStringLiteral("winfile.hlp")));
        QVERIFY(original.open(QIODevice::ReadOnly));
        QByteArray bytes = original.readAll();
        bytes[0xF8FE] = char(0xFF); // more context numbers than the file holds
        bytes[0xF8FF] = char(0xFF);
        folder.writeFile(QStringLiteral("winfile.hlp"), bytes);
        const CliRun run = runCli({QStringLiteral("help"), folder.filePath(QStringLiteral("winfile.hlp"))});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, QStringLiteral("The help file %1 cannot be read: it is damaged (data cut short).\n")
                              .arg(folder.filePath(QStringLiteral("winfile.hlp"))));
    }
};

VELCARIN_TEST_MAIN(TestHelpCommand)
#include "tst_helpcommand.moc"
