#include "support/TestSupport.h"

#include <QJsonDocument>
#include <QJsonObject>

// velcarin-cli henkel, run as the built program on the sample databases.
class TestHenkelCommand : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;

    CliRun run(const QStringList& arguments) const
    {
        return runCli(QStringList{QStringLiteral("henkel")} + arguments +
                      QStringList{QStringLiteral("--data-dir"), m_folder.path()});
    }

    static QJsonObject json(const CliRun& result)
    {
        return QJsonDocument::fromJson(result.out.toUtf8()).object();
    }

private Q_SLOTS:
    void initTestCase() { m_folder.copySampleDatabases(); }

    void oil()
    {
        const CliRun result = run({QStringLiteral("oil"), QStringLiteral("LARD")});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(
            result.out,
            QStringLiteral("Product: LARD\n"
                           "PreWash: 50-55 deg.C\n"
                           "Final: Sample final cleaning: hot degreaser, then steam and fresh water.\n"));
        QCOMPARE(result.err, QString());
    }

    void oilAsJson_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("prewash");
        QTest::addColumn<QString>("final");
        QTest::newRow("first oil") << QStringLiteral("COCONUT OIL") << QStringLiteral("40-45 deg.C")
                                   << QStringLiteral("Final cleaning with a 2% alkaline degreaser solution, "
                                                     "recirculated hot (sample).");
        QTest::newRow("last oil") << QStringLiteral("TALLOW") << QStringLiteral("55-60 deg.C")
                                  << QStringLiteral(
                                         "Sample final cleaning: hot saponifier 3%, then fresh water.");
        QTest::newRow("apostrophe")
            << QStringLiteral("NEAT'S-FOOT OIL") << QStringLiteral("45-50 deg.C")
            << QStringLiteral("Sample final cleaning: hot saponifier 2%, then fresh water rinse.");
    }

    void oilAsJson()
    {
        QFETCH(QString, name);
        QFETCH(QString, prewash);
        QFETCH(QString, final);
        const CliRun result = run({QStringLiteral("oil"), name, QStringLiteral("--json")});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(json(result), (QJsonObject{{QStringLiteral("product"), name},
                                            {QStringLiteral("prewash"), prewash},
                                            {QStringLiteral("final"), final}}));
    }

    void additional_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("solution");
        QTest::newRow("PHENOL") << QStringLiteral("PHENOL")
                                << QStringLiteral(
                                       "Sample solution: alkaline cleaner 3%, hot, then oxidiser.");
        QTest::newRow("apostrophe") << QStringLiteral("O'NEILL BLEND")
                                    << QStringLiteral(
                                           "Sample solution: emulsifier 1%, then hot fresh water.");
    }

    void additional()
    {
        QFETCH(QString, name);
        QFETCH(QString, solution);
        const CliRun asJson = run({QStringLiteral("additional"), name, QStringLiteral("--json")});
        QCOMPARE(asJson.exitCode, 0);
        QCOMPARE(json(asJson),
                 (QJsonObject{{QStringLiteral("chemical"), name}, {QStringLiteral("solution"), solution}}));
        const CliRun plain = run({QStringLiteral("additional"), name});
        QCOMPARE(plain.exitCode, 0);
        QCOMPARE(plain.out, QStringLiteral("Chemical: %1\nSolution: %2\n").arg(name, solution));
    }

    void notFound_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("oil in small letters")
            << QStringLiteral("oil") << QStringLiteral("lard") << QStringLiteral("no oil named lard\n");
        QTest::newRow("a chemical is no oil")
            << QStringLiteral("oil") << QStringLiteral("PHENOL") << QStringLiteral("no oil named PHENOL\n");
        QTest::newRow("an oil is no chemical") << QStringLiteral("additional") << QStringLiteral("LARD")
                                               << QStringLiteral("no chemical named LARD\n");
        QTest::newRow("a lone quote")
            << QStringLiteral("additional") << QStringLiteral("'") << QStringLiteral("no chemical named '\n");
    }

    void notFound()
    {
        QFETCH(QString, tool);
        QFETCH(QString, name);
        QFETCH(QString, message);
        const CliRun result = run({tool, name, QStringLiteral("--json")});
        QCOMPARE(result.exitCode, 1);
        // With --json the names that come near are the only output; on standard error they follow the reason.
        QVERIFY(result.out.startsWith(QLatin1String("{\n    \"suggestions\"")));
        QVERIFY(result.err.startsWith(message));
    }

    void badUse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("no name") << QStringList{QStringLiteral("oil")};
        QTest::newRow("no such look-up") << QStringList{QStringLiteral("grease"), QStringLiteral("LARD")};
        QTest::newRow("look-up in capitals") << QStringList{QStringLiteral("OIL"), QStringLiteral("LARD")};
        QTest::newRow("two names") << QStringList{QStringLiteral("oil"), QStringLiteral("LARD"),
                                                  QStringLiteral("TALLOW")};
        QTest::newRow("unknown option")
            << QStringList{QStringLiteral("oil"), QStringLiteral("LARD"), QStringLiteral("--colour")};
    }

    void badUse()
    {
        QFETCH(QStringList, arguments);
        const CliRun result = run(arguments);
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.out, QString());
        QVERIFY(result.err.contains(QLatin1String("usage: velcarin-cli henkel oil|additional NAME")));
    }

    void badDataFolder()
    {
        const TestDataFolder empty;
        const CliRun result = runCli({QStringLiteral("henkel"), QStringLiteral("oil"), QStringLiteral("LARD"),
                                      QStringLiteral("--data-dir"), empty.path()});
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.out, QString());
        QVERIFY2(result.err.contains(QLatin1String("Henkel.mdb")), qPrintable(result.err));
    }
};

VELCARIN_TEST_MAIN(TestHenkelCommand)
#include "tst_henkelcommand.moc"
