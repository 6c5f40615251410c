#include "support/TestSupport.h"

#include <QJsonDocument>
#include <QJsonObject>

// velcarin-cli mixture, run as the built program on the sample databases.
class TestMixtureCommand : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;

    CliRun run(const QStringList& arguments) const
    {
        return runCli(QStringList{QStringLiteral("mixture")} + arguments +
                      QStringList{QStringLiteral("--data-dir"), m_folder.path()});
    }

private Q_SLOTS:
    void initTestCase() { m_folder.copySampleDatabases(); }

    void mixture()
    {
        const CliRun result = run({QStringLiteral("PRODUCT C 3%")});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QStringLiteral("Mixture: PRODUCT C 3%\n"
                                            "Medium: Fresh water\n"
                                            "Coating: Stainless, zinc silicate\n"
                                            "Temp: 40-70 deg.C\n"
                                            "Group: Degreasers\n"));
        QCOMPARE(result.err, QString());
    }

    void asJson_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QJsonObject>("fields");
        QTest::newRow("first") << QStringLiteral("B-SOLV 80 NEAT")
                               << QJsonObject{{"Mixture", "B-SOLV 80 NEAT"},
                                              {"Medium", "None"},
                                              {"Coating", "Stainless, epoxy"},
                                              {"Temp", "AMBIENT"},
                                              {"Group", "Solvents"}};
        QTest::newRow("apostrophe") << QStringLiteral("MAKER'S DEGREASER 2%")
                                    << QJsonObject{{"Mixture", "MAKER'S DEGREASER 2%"},
                                                   {"Medium", "Fresh water"},
                                                   {"Coating", "Stainless only"},
                                                   {"Temp", "50-70 deg.C"},
                                                   {"Group", "Degreasers (sample with an apostrophe)"}};
    }

    void asJson()
    {
        QFETCH(QString, name);
        QFETCH(QJsonObject, fields);
        const CliRun result = run({name, QStringLiteral("--json")});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(result.out.toUtf8()).object(), fields);
    }

    void notFound()
    {
        const CliRun result = run({QStringLiteral("MAKER'S")});
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.out, QString());
        QCOMPARE(result.err,
                 QStringLiteral("no mixture named MAKER'S\ndid you mean: \"MAKER'S DEGREASER 2%\"?\n"));
    }

    void badUse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no name") << QStringList{};
        QTest::newRow("two names") << QStringList{QStringLiteral("LAC 5%"), QStringLiteral("BLEACH 1%")};
        QTest::newRow("unknown option") << QStringList{QStringLiteral("LAC 5%"), QStringLiteral("--all")};
    }

    void badUse()
    {
        QFETCH(QStringList, arguments);
        const CliRun result = run(arguments);
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.out, QString());
        QVERIFY(result.err.contains(QLatin1String("usage: velcarin-cli mixture NAME")));
    }

    void badDataFolder()
    {
        const TestDataFolder empty;
        const CliRun result = runCli({QStringLiteral("mixture"), QStringLiteral("LAC 5%"),
                                      QStringLiteral("--data-dir"), empty.path()});
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(QLatin1String("Henkel.mdb")), qPrintable(result.err));
    }
};

VELCARIN_TEST_MAIN(TestMixtureCommand)
#include "tst_mixturecommand.moc"
