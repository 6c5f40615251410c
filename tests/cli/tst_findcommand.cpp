#include "support/TestSupport.h"

#include <QJsonDocument>

namespace {

const QString DataDir = QStringLiteral("--data-dir");

const QString FindUsage =
    QStringLiteral("usage: velcarin-cli find WORDS... [--limit N] [--json] [--data-dir DIR]\n"
                   "       velcarin-cli find --status [--json] [--data-dir DIR]\n"
                   "try 'velcarin-cli find --help'\n");

} // namespace

// velcarin-cli find, and the names every look-up command offers when a name finds nothing; run as a
// program on the sample databases and manuals.
class TestFindCommand : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_sample;
    TestDataFolder m_oddNames; // the sample, with ACETONE stored with a blank after it
    QTemporaryDir m_out;

    // The data folder is named right after the command, before any words that follow "--".
    static CliRun run(const QStringList& arguments, const TestDataFolder& folder)
    {
        return runCli(QStringList{arguments.first(), DataDir, folder.path()} + arguments.mid(1));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_sample.copySampleDatabases();
        m_oddNames.copySampleDatabases();
        m_oddNames.runSql(QStringLiteral("cleaning.mdb"),
                          QStringLiteral("UPDATE CleaningA SET \"Abbreviated Name\" = 'ACETONE ' "
                                         "WHERE \"Abbreviated Name\" = 'ACETONE'"));
    }

    void find_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("full names and synonyms")
            << QStringList{"find", "methylbenzene"} << 0
            << QStringLiteral("tavro \"TOLUENE\" Full Name: Methylbenzene\n"
                              "jo \"TOLUENE\" SYNONIMS: Methylbenzene\n"
                              "tavro \"XYLENE-M\" Full Name: 1,3-Dimethylbenzene\n"
                              "jo \"XYLENES\" SYNONIMS: Dimethylbenzene\n")
            << QString();
        QTest::newRow("the best one of a manual")
            << QStringList{"find", "glossary", "--limit", "1"} << 0
            << QStringLiteral("manual \"Final Cleaning\" topic: …Cleaning, of the Tank Cleaning Glossary "
                              "(glossary.hlp). This help file is a sample that comes with… [help "
                              "\"glossary.hlp\" 1003]\n")
            << QString();
        QTest::newRow("nothing matches") << QStringList{"find", "qqqqzzzz"} << 1 << QString() << QString();
        QTest::newRow("no words") << QStringList{"find"} << 2 << QString() << FindUsage;
        QTest::newRow("a limit of 0")
            << QStringList{"find", "acetone", "--limit", "0"} << 2 << QString()
            << QStringLiteral("the limit must be a whole number from 1 up, not \"0\"\n") + FindUsage;
        QTest::newRow("a limit that is no number")
            << QStringList{"find", "acetone", "--limit", "ten"} << 2 << QString()
            << QStringLiteral("the limit must be a whole number from 1 up, not \"ten\"\n") + FindUsage;
        QTest::newRow("words and --status")
            << QStringList{"find", "acetone", "--status"} << 2 << QString() << FindUsage;
    }

    void find()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const CliRun found = run(arguments, m_sample);
        QCOMPARE(found.err, err);
        QCOMPARE(found.out, out);
        QCOMPARE(found.exitCode, exitCode);
    }

    void findAsJson_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("a cargo, two letters swapped")
            << QStringList{"find", "acetnoe", "--limit", "1", "--json"}
            << QByteArray(R"({"query": "acetnoe", "results": [{"source": "tavro", "name": "ACETONE",
                              "field": "Abbreviated Name", "snippet": "ACETONE"}]})");
        QTest::newRow("a manual topic")
            << QStringList{"find", "glossary", "--limit", "1", "--json"}
            << QByteArray(R"({"query": "glossary", "results": [{"source": "manual", "name": "Final Cleaning",
                              "field": "topic", "snippet": "…Cleaning, of the Tank Cleaning Glossary (glossary.hlp). This help file is a sample that comes with…",
                              "file": "glossary.hlp", "topic": "1003"}]})");
    }

    void findAsJson()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, json);
        const CliRun found = run(arguments, m_sample);
        QCOMPARE(found.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(found.out.toUtf8()), QJsonDocument::fromJson(json));
    }

    // Any text is a query: it finds something or nothing, and is never taken for bad use.
    void hostileQuery_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::newRow("quotes") << QStringList{"\"acetone", "'benzene'\""};
        QTest::newRow("operators") << QStringList{"acetone", "AND", "NOT", "benzene", "OR", "NEAR(x"};
        QTest::newRow("signs") << QStringList{"*", "-", "^", "col:x", "acet*", "^ben"};
        QTest::newRow("SQL") << QStringList{"x'); DROP TABLE CleaningA; --"};
        QTest::newRow("10,000 characters") << QStringList{QString(10000, QLatin1Char('a'))};
        QTest::newRow("control characters") << QStringList{QStringLiteral("acetone\x01\x1b[2J\t\r\n")};
        QTest::newRow("after --") << QStringList{"--", "-benzene", "--json"};
        QTest::newRow("only blanks") << QStringList{" "};
    }

    void hostileQuery()
    {
        QFETCH(QStringList, words);
        const CliRun found = run(QStringList{"find"} + words, m_sample);
        QVERIFY2(found.exitCode == 0 || found.exitCode == 1, qPrintable(found.err));
        QCOMPARE(found.err, QString());
    }

    void status()
    {
        const CliRun status = run({"find", "--status"}, m_sample);
        QCOMPARE(status.err, QString());
        QCOMPARE(status.out, QStringLiteral("tavro: read, 364 entries\n"
                                            "jo: read, 66 entries\n"
                                            "henkel-oil: read, 13 entries\n"
                                            "henkel-additional: read, 10 entries\n"
                                            "mixture: read, 10 entries\n"
                                            "unitor: read, 308 entries\n"
                                            "unitor-loading: read, 32 entries\n"
                                            "notes: read, 3 entries\n"
                                            "glossary.hlp: read, 3 entries\n"
                                            "glossary2.hlp: read, 1 entry\n"
                                            "Help.hlp: read, 1 entry\n"
                                            "Henkel.hlp: read, 16 entries\n"
                                            "Unitor.hlp: read, 178 entries\n"
                                            "chemical.hlp: read, 16 entries\n"
                                            "Special.hlp: read, 13 entries\n"));
        QCOMPARE(status.exitCode, 0);
    }

    void aManualThatCannotBeRead()
    {
        TestDataFolder folder;
        folder.copySampleDatabases();
        folder.writeFile(QStringLiteral("Broken.hlp"), "not a help file");
        const CliRun found = run({"find", "acetone", "--limit", "1"}, folder);
        QCOMPARE(found.out, QStringLiteral("tavro \"ACETONE\" Abbreviated Name: ACETONE\n"));
        QCOMPARE(found.err,
                 QStringLiteral("Broken.hlp is left out of the search: The help file %1 is not in the "
                                "format of Velcarin's help viewer.\n")
                     .arg(folder.filePath(QStringLiteral("Broken.hlp"))));
        QCOMPARE(found.exitCode, 0);
    }

    // A name that finds nothing keeps its exit status and offers the names that come near it.
    void nearMiss_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("err");
        const QString pdf = m_out.filePath(QStringLiteral("sheet.pdf"));
        QTest::newRow("advise") << QStringList{"advise", "acetnoe"}
                                << QStringLiteral("no cargo named acetnoe\ndid you mean: \"ACETONE\"?\n");
        QTest::newRow("hazard") << QStringList{"hazard", "tolueen"}
                                << QStringLiteral("no cargo named tolueen\ndid you mean: \"TOLUENE\", "
                                                  "\"TOLUENE DIISOCYANATE\"?\n");
        QTest::newRow("print")
            << QStringList{"print", "benzen", "--pdf", pdf}
            << QStringLiteral("no cargo named benzen\ndid you mean: \"BENZENE\", \"DODECYLBENZENE\"?\n");
        QTest::newRow("jo") << QStringList{"jo", "tolunee"}
                            << QStringLiteral("no product named tolunee\ndid you mean: \"TOLUENE\"?\n");
        QTest::newRow("henkel oil") << QStringList{"henkel", "oil", "coconut"}
                                    << QStringLiteral(
                                           "no oil named coconut\ndid you mean: \"COCONUT OIL\"?\n");
        QTest::newRow("henkel additional")
            << QStringList{"henkel", "additional", "METANOL"}
            << QStringLiteral("no chemical named METANOL\ndid you mean: \"METHANOL\"?\n");
        QTest::newRow("mixture") << QStringList{"mixture", "bleach"}
                                 << QStringLiteral("no mixture named bleach\ndid you mean: \"BLEACH 1%\"?\n");
        QTest::newRow("unitor") << QStringList{"unitor", "sulphuric acid"}
                                << QStringLiteral("no Unitor catalogue entry holds the cargo sulphuric "
                                                  "acid\ndid you mean: \"SULFURIC ACID 100%\", \"SULFURIC "
                                                  "ACID 65%\", \"SULFURIC ACID 75%\"?\n");
        QTest::newRow("unitor with a group")
            << QStringList{"unitor", "sulphuric acid", "--group", "A"}
            << QStringLiteral(
                   "no Unitor catalogue entry for sulphuric acid offers loading group A\ndid you "
                   "mean: \"SULFURIC ACID 100%\", \"SULFURIC ACID 65%\", \"SULFURIC ACID 75%\"?\n");
        QTest::newRow("nothing near")
            << QStringList{"advise", "qqqqzzzz"} << QStringLiteral("no cargo named qqqqzzzz\n");
    }

    void nearMiss()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        const CliRun missed = run(arguments, m_sample);
        QCOMPARE(missed.err, err);
        QCOMPARE(missed.out, QString());
        QCOMPARE(missed.exitCode, 1);
    }

    void nearMissShowsTheNameAsStored()
    {
        const CliRun missed = run({"advise", "ACETONE"}, m_oddNames);
        QCOMPARE(missed.err, QStringLiteral("no cargo named ACETONE\ndid you mean: \"ACETONE \"?\n"));
        QCOMPARE(missed.exitCode, 1);
    }

    void nearMissAsJson_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("some") << QStringList{"jo", "tolunee", "--json"}
                              << QByteArray(R"({"suggestions": ["TOLUENE"]})");
        QTest::newRow("none") << QStringList{"jo", "qqqqzzzz", "--json"}
                              << QByteArray(R"({"suggestions": []})");
    }

    void nearMissAsJson()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, json);
        const CliRun missed = run(arguments, m_sample);
        QCOMPARE(QJsonDocument::fromJson(missed.out.toUtf8()), QJsonDocument::fromJson(json));
        QCOMPARE(missed.exitCode, 1);
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestFindCommand)
#include "tst_findcommand.moc"
