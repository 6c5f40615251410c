#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// velcarin-cli hazard, run as the built program on a data folder of its own.
class TestHazardCommand : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;

    CliRun run(const QStringList& arguments) const
    {
        return runCli(QStringList{QStringLiteral("hazard")} + arguments +
                      QStringList{QStringLiteral("--data-dir"), m_folder.path()});
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_folder.copySampleDatabases();
        m_folder.runSql(QStringLiteral("cleaning.mdb"),
                        QStringLiteral("INSERT INTO CleaningA (\"Abbreviated Name\", H1, H2, H3) VALUES "
                                       "('RATED 0 4 2', '0', '4', '2'), ('O''RATED 7', '7', NULL, 'N/A');"));
    }

    void text()
    {
        const CliRun result = run({QStringLiteral("RATED 0 4 2")});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, QString());
        QCOMPARE(
            result.out,
            QStringLiteral(
                "Cargo: RATED 0 4 2\n"
                "H1 rating: 0\n"
                "H1 heading: Hazard presented by irritating vapors to the skin or to the mucous membranes "
                "of the eyes, nose, throat, and lungs.\n"
                "H1 description: Chemicals that are nonvolatile, or the vapors from which are "
                "nonirritating to the eyes and throat.\n"
                "H2 rating: 4\n"
                "H2 heading: Hazard of irritation from liquids or solids with regard to the chemical "
                "tendency to burn or irritate human skin from contact.\n"
                "H2 description: Severe skin irritants, causing second and third-degree burns on short "
                "contact and very injurious to the eyes.\n"
                "H3 rating: 2\n"
                "H3 heading: Hazard presented due to chemical poisons entering the body through "
                "inhalation, oral ingestion, or skin penetration causing bodily harm.\n"
                "H3 description: Some hazard, typically having threshold limits of 100 to 500 ppm.\n"));
    }

    // Ratings off the scale, missing or no number: the value as stored and an empty description, as
    // the window leaves its box empty.
    void json()
    {
        const CliRun result = run({QStringLiteral("O'RATED 7"), QStringLiteral("--json")});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, QString());
        const QJsonObject object = QJsonDocument::fromJson(result.out.toUtf8()).object();
        QCOMPARE(object.value(QStringLiteral("cargo")).toString(), QStringLiteral("O'RATED 7"));
        const QJsonArray ratings = object.value(QStringLiteral("ratings")).toArray();
        QCOMPARE(ratings.size(), 3);
        const QList<std::pair<const char*, const char*>> expected{{"H1", "7"}, {"H2", ""}, {"H3", "N/A"}};
        for (int index = 0; index < 3; ++index) {
            const QJsonObject rating = ratings.at(index).toObject();
            QCOMPARE(rating.keys(), (QStringList{QStringLiteral("description"), QStringLiteral("heading"),
                                                 QStringLiteral("scale"), QStringLiteral("value")}));
            QCOMPARE(rating.value(QStringLiteral("scale")).toString(), QLatin1String(expected[index].first));
            QCOMPARE(rating.value(QStringLiteral("value")).toString(), QLatin1String(expected[index].second));
            QCOMPARE(rating.value(QStringLiteral("description")).toString(), QString());
        }
        QCOMPARE(
            ratings.at(2).toObject().value(QStringLiteral("heading")).toString(),
            QStringLiteral("Hazard presented due to chemical poisons entering the body through inhalation, "
                           "oral ingestion, or skin penetration causing bodily harm."));
    }

    void sampleCargoAsJson()
    {
        const CliRun result = run({QStringLiteral("ACETONE"), QStringLiteral("--json")});
        QCOMPARE(result.exitCode, 0);
        const QJsonArray ratings =
            QJsonDocument::fromJson(result.out.toUtf8()).object().value(QStringLiteral("ratings")).toArray();
        QCOMPARE(ratings.at(0).toObject().value(QStringLiteral("description")).toString(),
                 QStringLiteral("Chemicals that cause a slight smarting of the eyes or respiratory system if "
                                "present in high concentrations. This effect is temporary."));
        QCOMPARE(ratings.at(1).toObject().value(QStringLiteral("description")).toString(),
                 QStringLiteral("Fairly severe skin irritants, usually causing pain and second-degree burns "
                                "after a few minutes' contact."));
        QCOMPARE(ratings.at(2).toObject().value(QStringLiteral("description")).toString(),
                 QStringLiteral("No likelihood of producing injury."));
    }

    void notFound()
    {
        // Names are compared whole and case-sensitively, as the operator tab compares them.
        for (const QString& name :
             {QStringLiteral("NO SUCH CARGO"), QStringLiteral("acetone"), QStringLiteral("ACETON")}) {
            const CliRun result = run({name});
            QCOMPARE(result.exitCode, 1);
            QCOMPARE(result.out, QString());
            // The names that come near follow on a line of their own.
            QVERIFY(result.err.startsWith(QStringLiteral("no cargo named %1\n").arg(name)));
        }
    }

    void badUse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no name") << QStringList{QStringLiteral("hazard")};
        QTest::newRow("two names") << QStringList{QStringLiteral("hazard"), QStringLiteral("ACETONE"),
                                                  QStringLiteral("BENZENE")};
        QTest::newRow("unknown option")
            << QStringList{QStringLiteral("hazard"), QStringLiteral("ACETONE"), QStringLiteral("--xml")};
        QTest::newRow("data folder without databases")
            << QStringList{QStringLiteral("hazard"), QStringLiteral("ACETONE"), QStringLiteral("--data-dir"),
                           QStringLiteral("/nonexistent/velcarin")};
    }

    void badUse()
    {
        QFETCH(QStringList, arguments);
        const CliRun result = runCli(arguments);
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.out, QString());
        QVERIFY(!result.err.isEmpty());
    }
};

VELCARIN_TEST_MAIN(TestHazardCommand)
#include "tst_hazardcommand.moc"
