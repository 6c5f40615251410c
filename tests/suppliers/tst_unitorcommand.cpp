#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// velcarin-cli unitor, run as the built program.
class TestUnitorCommand : public QObject {
    Q_OBJECT

private:
    static CliRun run(const QStringList& arguments)
    {
        return runCli(QStringList{QStringLiteral("unitor")} + arguments);
    }

private Q_SLOTS:
    void text_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("out");
        QTest::newRow("a direct entry")
            << QStringList{"ACETONE"} << QStringLiteral("Cargo: ACETONE\nTopics: 1005\nGroups: none\n");
        QTest::newRow("two direct entries")
            << QStringList{"METHYL STYRENE-A"}
            << QStringLiteral("Cargo: METHYL STYRENE-A\nTopics: 1009, 2009\nGroups: none\n");
        QTest::newRow("a group entry")
            << QStringList{"CRUDE OIL"}
            << QStringLiteral("Cargo: CRUDE OIL\nTopics: none\nGroups: A, B, E, F, G\n");
        QTest::newRow("a group") << QStringList{"BENZENE", "--group", "E"}
                                 << QStringLiteral("Cargo: BENZENE\nGroup: E\nTopics: 1016, 1070\n");
        QTest::newRow("a group, the option first")
            << QStringList{"--group", "B", "ACETIC ACID"}
            << QStringLiteral("Cargo: ACETIC ACID\nGroup: B\nTopics: 1003\n");
        QTest::newRow("a data folder") << QStringList{"XYLENE-MIXED", "--data-dir", "."}
                                       << QStringLiteral("Cargo: XYLENE-MIXED\nTopics: 2078\nGroups: none\n");
    }

    void text()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        const CliRun result = run(arguments);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, out);
        QCOMPARE(result.err, QString());
    }

    void json_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("out");
        QTest::newRow("ACETONE") << QStringList{"ACETONE"}
                                 << QStringLiteral(
                                        "{\"cargo\": \"ACETONE\", \"topics\": [1005], \"groups\": []}\n");
        QTest::newRow("latex")
            << QStringList{"LATEX SYNTHETIC 39/41%"}
            << QStringLiteral(
                   "{\"cargo\": \"LATEX SYNTHETIC 39/41%\", \"topics\": [1096, 2053], \"groups\": []}\n");
        QTest::newRow("BENZENE") << QStringList{"BENZENE"}
                                 << QStringLiteral(
                                        "{\"cargo\": \"BENZENE\", \"topics\": [], "
                                        "\"groups\": [\"A\", \"B\", \"C\", \"D\", \"E\", \"F\", \"G\"]}\n");
        QTest::newRow("FUEL OIL #4") << QStringList{"FUEL OIL #4"}
                                     << QStringLiteral("{\"cargo\": \"FUEL OIL #4\", \"topics\": [], "
                                                       "\"groups\": [\"A\", \"B\", \"E\", \"F\", \"G\"]}\n");
        QTest::newRow("& and <")
            << QStringList{"SPERM OIL C&R"}
            << QStringLiteral("{\"cargo\": \"SPERM OIL C&R\", \"topics\": [2047], \"groups\": []}\n");
        QTest::newRow("BENZENE A")
            << QStringList{"BENZENE", "--group", "A"}
            << QStringLiteral("{\"cargo\": \"BENZENE\", \"group\": \"A\", \"topics\": [1017, 1069]}\n");
        QTest::newRow("GASOIL LIGHT E")
            << QStringList{"GASOIL LIGHT", "--group", "E"}
            << QStringLiteral("{\"cargo\": \"GASOIL LIGHT\", \"group\": \"E\", \"topics\": [1068]}\n");
    }

    void json()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        const CliRun result = run(arguments + QStringList{QStringLiteral("--json")});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, out);
        QJsonParseError error;
        QJsonDocument::fromJson(result.out.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
    }

    void jsonReadsBack()
    {
        const CliRun found = run({QStringLiteral("FORMALDEHYDE <45%"), QStringLiteral("--json")});
        QCOMPARE(found.exitCode, 0);
        const QJsonObject object = QJsonDocument::fromJson(found.out.toUtf8()).object();
        QCOMPARE(object.value(QStringLiteral("cargo")).toString(), QStringLiteral("FORMALDEHYDE <45%"));
        QCOMPARE(object.value(QStringLiteral("topics")).toArray(), QJsonArray{1063});
    }

    void nothingRequested_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("err");
        QTest::newRow("small letters")
            << QStringList{"Acetone"}
            << QStringLiteral("no Unitor catalogue entry holds the cargo Acetone\n");
        QTest::newRow("empty name") << QStringList{""}
                                    << QStringLiteral("no Unitor catalogue entry holds the cargo \n");
        QTest::newRow("json") << QStringList{"GASHOL", "--json"}
                              << QStringLiteral("no Unitor catalogue entry holds the cargo GASHOL\n");
        QTest::newRow("a group not offered")
            << QStringList{"CRUDE OIL", "--group", "C"}
            << QStringLiteral("no Unitor catalogue entry for CRUDE OIL offers loading group C\n");
        QTest::newRow("a direct entry with a group")
            << QStringList{"ACETONE", "--group", "A", "--json"}
            << QStringLiteral("no Unitor catalogue entry for ACETONE offers loading group A\n");
    }

    void nothingRequested()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        const CliRun result = run(arguments);
        QCOMPARE(result.exitCode, 1);
        // The names that come near follow the reason, and with --json are the only output.
        QVERIFY(result.out.isEmpty() || result.out.startsWith(QLatin1String("{\n    \"suggestions\"")));
        QVERIFY(result.err.startsWith(err));
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("group H") << QStringList{"BENZENE", "--group", "H"};
        QTest::newRow("small a") << QStringList{"BENZENE", "--group", "a"};
        QTest::newRow("two letters") << QStringList{"BENZENE", "--group", "AB"};
        QTest::newRow("empty group") << QStringList{"BENZENE", "--group", ""};
        QTest::newRow("group without letter") << QStringList{"BENZENE", "--group"};
        QTest::newRow("no name") << QStringList{};
        QTest::newRow("two names") << QStringList{"BENZENE", "TOLUENE"};
        QTest::newRow("unknown option") << QStringList{"BENZENE", "--topic"};
    }

    void badArguments()
    {
        QFETCH(QStringList, arguments);
        const CliRun result = run(arguments);
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.out, QString());
        QVERIFY(!result.err.isEmpty());
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestUnitorCommand)
#include "tst_unitorcommand.moc"
