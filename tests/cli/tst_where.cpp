#include "support/TestSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// A help file of Velcarin's own format with one topic.
QString helpFileSql(const QString& title)
{
    return QStringLiteral(
               "CREATE TABLE manual (title TEXT NOT NULL);"
               "INSERT INTO manual VALUES (%1);"
               "CREATE TABLE topics (context INTEGER PRIMARY KEY, title TEXT NOT NULL, html TEXT NOT NULL);"
               "INSERT INTO topics VALUES (1005, 'Our procedure', '<p>Ship''s own text.</p>');")
        .arg(sqlText(title));
}

} // namespace

// velcarin-cli --version and where: the version and the folders in use; the help command finds the
// program's help files as the program does.
class TestWhere : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void version_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << 0
                                   << QStringLiteral("velcarin-cli 3.2.2003\n");
        QTest::newRow("with more") << QStringList{QStringLiteral("--version"), QStringLiteral("advise")} << 2
                                   << QString();
    }

    void version()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        const CliRun run = runCli(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err.isEmpty(), exitCode == 0);
    }

    void theBuildTreeIsAProgramFolderWithItsDatabases()
    {
        const QString folder = programFolder();
        const CliRun run = runCli({QStringLiteral("where")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out, QStringLiteral("Version: 3.2.2003\n"
                                         "Program folder: %1\n"
                                         "Data folder: %1\n"
                                         "Shipped files: %1\n"
                                         "cleaning.mdb: %1/cleaning.mdb\n"
                                         "Jo Tankers.mdb: %1/Jo Tankers.mdb\n"
                                         "Henkel.mdb: %1/Henkel.mdb\n"
                                         "unitor.mdb: %1/unitor.mdb\n"
                                         "glossary.hlp: %1/glossary.hlp\n"
                                         "glossary2.hlp: %1/glossary2.hlp\n"
                                         "Help.hlp: %1/Help.hlp\n"
                                         "Henkel.hlp: %1/Henkel.hlp\n"
                                         "Unitor.hlp: %1/Unitor.hlp\n"
                                         "chemical.hlp: %1/chemical.hlp\n"
                                         "Special.hlp: %1/Special.hlp\n")
                              .arg(folder));
    }

    void aNamedFolderIsShownAsItIs()
    {
        TestDataFolder data;
        data.writeFile(QStringLiteral("cleaning.mdb"), "");
        data.createDatabase(QStringLiteral("Unitor.hlp"), helpFileSql(QStringLiteral("Our Unitor manual")));
        const QStringList before = QDir(data.path()).entryList(QDir::Files);

        const CliRun run = runCli({QStringLiteral("where"), QStringLiteral("--data-dir"), data.path()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Version: 3.2.2003\n"
                                         "Program folder: %1\n"
                                         "Data folder: %2\n"
                                         "Shipped files: %1\n"
                                         "cleaning.mdb: %2/cleaning.mdb\n"
                                         "Jo Tankers.mdb: %2/Jo Tankers.mdb (missing)\n"
                                         "Henkel.mdb: %2/Henkel.mdb (missing)\n"
                                         "unitor.mdb: %2/unitor.mdb (missing)\n"
                                         "glossary.hlp: %1/glossary.hlp\n"
                                         "glossary2.hlp: %1/glossary2.hlp\n"
                                         "Help.hlp: %1/Help.hlp\n"
                                         "Henkel.hlp: %1/Henkel.hlp\n"
                                         "Unitor.hlp: %2/Unitor.hlp\n"
                                         "chemical.hlp: %1/chemical.hlp\n"
                                         "Special.hlp: %1/Special.hlp\n")
                              .arg(programFolder(), data.path()));
        QCOMPARE(QDir(data.path()).entryList(QDir::Files), before);
    }

    void asJson()
    {
        TestDataFolder data;
        data.copySampleDatabases();
        const CliRun run = runCli(
            {QStringLiteral("where"), QStringLiteral("--json"), QStringLiteral("--data-dir"), data.path()});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(object.value(QStringLiteral("version")).toString(), QStringLiteral("3.2.2003"));
        QCOMPARE(object.value(QStringLiteral("programFolder")).toString(), programFolder());
        QCOMPARE(object.value(QStringLiteral("dataFolder")).toString(), data.path());
        QCOMPARE(object.value(QStringLiteral("officersFolder")), QJsonValue(false));
        QCOMPARE(object.value(QStringLiteral("shippedFolder")).toString(), programFolder());
        const QJsonArray files = object.value(QStringLiteral("files")).toArray();
        QCOMPARE(files.size(), 11);
        QCOMPARE(files.at(1).toObject(),
                 (QJsonObject{{QStringLiteral("name"), QStringLiteral("Jo Tankers.mdb")},
                              {QStringLiteral("path"), data.filePath(QStringLiteral("Jo Tankers.mdb"))},
                              {QStringLiteral("exists"), true}}));
        QCOMPARE(files.at(10).toObject(),
                 (QJsonObject{{QStringLiteral("name"), QStringLiteral("Special.hlp")},
                              {QStringLiteral("path"), programFolder() + QStringLiteral("/Special.hlp")},
                              {QStringLiteral("exists"), true}}));
    }

    void helpFindsTheProgramsHelpFiles_data()
    {
        QTest::addColumn<bool>("ownManual");
        QTest::addColumn<QString>("title");
        QTest::newRow("the officer's own") << true << QStringLiteral("Our Unitor manual");
        QTest::newRow("the shipped one") << false << QStringLiteral("Unitor Tank Cleaning Manual");
    }

    void helpFindsTheProgramsHelpFiles()
    {
        QFETCH(bool, ownManual);
        QFETCH(QString, title);
        TestDataFolder data;
        if (ownManual)
            data.createDatabase(QStringLiteral("Unitor.hlp"),
                                helpFileSql(QStringLiteral("Our Unitor manual")));
        const CliRun run = runCli({QStringLiteral("help"), QStringLiteral("Unitor.hlp"),
                                   QStringLiteral("1005"), QStringLiteral("--data-dir"), data.path()});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.startsWith(QStringLiteral("Title: ") + title + QLatin1Char('\n')),
                 qPrintable(run.out));
    }

    void aHelpFileGivenWithAFolderIsTakenAsGiven()
    {
        TestDataFolder data;
        data.createDatabase(QStringLiteral("Unitor.hlp"), helpFileSql(QStringLiteral("Our Unitor manual")));
        const QString elsewhere = data.filePath(QStringLiteral("manuals/Unitor.hlp"));
        const CliRun run =
            runCli({QStringLiteral("help"), elsewhere, QStringLiteral("--data-dir"), data.path()});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(elsewhere), qPrintable(run.err));
    }
};

VELCARIN_TEST_MAIN(TestWhere)
#include "tst_where.moc"
