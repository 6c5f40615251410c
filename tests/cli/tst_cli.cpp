#include "data/Schema.h"
#include "support/TestSupport.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString columns()
{
    QStringList quoted;
    for (const QString& field : Schema::database(Schema::CleaningFile)->tables.first().fields)
        quoted << QLatin1Char('"') + field + QLatin1Char('"');
    return quoted.join(QLatin1String(", "));
}

// Two cargoes with every field set, so that the whole output can be compared.
QString cargoRows()
{
    return QStringLiteral(
               "CREATE TABLE CleaningA (%1);"
               "INSERT INTO CleaningA VALUES ('ACRYLIC ACID', 'Propenoic acid', '4', 'B', '8,10', "
               "'Keep warm.' || char(13, 10) || 'Ölrückstände – ≥ 60 °C', '1', '2218', '1*', '33', "
               "'3', '2', '1', '1.051', '20', '0.001', 'CLEAR', '141', '13', '40', '54', 'YES', 'NO', "
               "'NO', 'COND', 'YES', 'NO', 'COND', 'Sample remark.', '2', '2G', 'IBC', 'COMPLETE', "
               "'20-25', '25-30', '8');"
               "INSERT INTO CleaningA VALUES ('AATREX', 'Atrazine', 'CONTACT SHIP OPERATOR', NULL, NULL, "
               "NULL, '2', '', '', '0', '', '', '', '', '', '', '', '', '', '', '', '', '', '', '', '', "
               "'', '', '', '', '', '', '', '', '', '3.1');")
        .arg(columns());
}

using Run = CliRun;

Run cli(const QStringList& arguments)
{
    return runCli(arguments);
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    TestDataFolder m_damaged; // the samples, ACETONE's page of cleaning.mdb overwritten
    TestDataFolder m_empty;

private Q_SLOTS:
    void initTestCase()
    {
        m_folder.copySampleDatabases();
        m_folder.createDatabase(QStringLiteral("cleaning.mdb"), cargoRows());
        m_damaged.copySampleDatabases();
        m_damaged.damagePage(QStringLiteral("cleaning.mdb"), 3);
    }

    void advise_data()
    {
        QTest::addColumn<QString>("cargo");
        QTest::addColumn<QString>("output");
        QTest::newRow("ACRYLIC ACID")
            << QStringLiteral("ACRYLIC ACID")
            << QStringLiteral(
                   "Abbreviated Name: ACRYLIC ACID\n"
                   "Full Name: Propenoic acid\n"
                   "Cleaning Code: 4\n"
                   "Water Temperature: B\n"
                   "Notes: 8,10\n"
                   "Personal Notes: Keep warm.\n    Ölrückstände – ≥ 60 °C\n"
                   "ID  Number: 1\n"
                   "United No: 2218\n"
                   "Pollution Category: 1*\n"
                   "Compatability Chart No: 33\n"
                   "H1: 3\nH2: 2\nH3: 1\nSG: 1.051\nTemp: 20\nCorr: 0.001\nColour: CLEAR\n"
                   "Boil: 141\nMelt: 13\nHeat Adj: 40\nFlash: 54\n"
                   "SS: YES\nMS: NO\nZ: NO\nPhen: COND\nPeng: YES\nCamc N: NO\nCamc E: COND\n"
                   "Remarks: Sample remark.\nShip Type: 2\nTank Type: 2G\nCompliance: IBC\nSolubility: "
                   "COMPLETE\n"
                   "Heat V: 20-25\nHeat D: 25-30\nCLASS: 8\n"
                   "Cleaning text: Cargoes listed under this group are not or are only partially water "
                   "soluble. These "
                   "products are\n"
                   "    either inhibited against self reaction or are of the phenol or cresol families. "
                   "These products\n"
                   "    present a cleaning problem in that they adversely affect the potassium permanganate "
                   "time test.\n"
                   "    There are several ways to increase permanganate time; these include the use of an "
                   "oxidizer\n"
                   "    (bleach), chlorinated solvent recirculation, and using Tavro X.\n"
                   "Temperature text: Warm water (38 to 55 degrees Celsius).\n"
                   "Notes text: Cargoes belonging to the olefin, phathalate, adiptate, fatty acid and fatty "
                   "alcohol "
                   "categories\n"
                   "    are difficult to clean. When the subsequent cargo requires a high degree cleanliness "
                   "(wall wash),\n"
                   "    alternative stowages should be carefully evaluated.\n"
                   "    The temperature of the wash water should not exceed 10-20 degrees Celsius above the\n"
                   "    discharge temperature of the product. Higher temperatures can cause the product to "
                   "stick on the\n"
                   "    bulkheads.\n"
                   "IMDG class name: Corrosive Substances\n"
                   "USCG group name: MISCELLANEOUS  HYDROCARBON MIXTURES\n"
                   "Personal notes: yes\n"
                   "Pollution highlighted: yes\n"
                   "Special handling shown: yes\n"
                   "Unitor shown: yes\n"
                   "Cleaning text red: no\n");
        QTest::newRow("AATREX")
            << QStringLiteral("AATREX")
            << QStringLiteral(
                   "Abbreviated Name: AATREX\n"
                   "Full Name: Atrazine\n"
                   "Cleaning Code: CONTACT SHIP OPERATOR\n"
                   "Water Temperature: \nNotes: \nPersonal Notes: \n"
                   "ID  Number: 2\nUnited No: \nPollution Category: \nCompatability Chart No: 0\n"
                   "H1: \nH2: \nH3: \nSG: \nTemp: \nCorr: \nColour: \nBoil: \nMelt: \nHeat Adj: \nFlash: \n"
                   "SS: \nMS: \nZ: \nPhen: \nPeng: \nCamc N: \nCamc E: \nRemarks: \nShip Type: \nTank Type: "
                   "\n"
                   "Compliance: \nSolubility: \nHeat V: \nHeat D: \nCLASS: 3.1\n"
                   "Cleaning text: \nTemperature text: \nNotes text: \nIMDG class name: \nUSCG group name: \n"
                   "Personal notes: no\n"
                   "Pollution highlighted: no\n"
                   "Special handling shown: no\n"
                   "Unitor shown: no\n"
                   "Cleaning text red: no\n"
                   "Message: Cleaning instructions for cargo:  AATREX\n"
                   "    Contact ship's operator to obtain a proper cleaning instructions for this cargo\n");
    }

    void advise()
    {
        QFETCH(QString, cargo);
        QFETCH(QString, output);
        const Run run = cli({QStringLiteral("advise"), cargo, QStringLiteral("--data-dir"), m_folder.path()});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, output);
    }

    void adviseAsJson()
    {
        const Run run = cli({QStringLiteral("advise"), QStringLiteral("ACRYLIC ACID"),
                             QStringLiteral("--json"), QStringLiteral("--data-dir"), m_folder.path()});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject advice = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(advice.value(QStringLiteral("fields"))
                     .toObject()
                     .value(QStringLiteral("Personal Notes"))
                     .toString(),
                 QStringLiteral("Keep warm.\r\nÖlrückstände – ≥ 60 °C"));
        QCOMPARE(advice.value(QStringLiteral("fields")).toObject().size(), 36);
        QCOMPARE(advice.value(QStringLiteral("Temperature text")).toString(),
                 QStringLiteral("Warm water (38 to 55 degrees Celsius)."));
        QVERIFY(advice.value(QStringLiteral("Notes text"))
                    .toString()
                    .contains(QStringLiteral("evaluated.\r\nThe")));
        QCOMPARE(advice.value(QStringLiteral("Pollution highlighted")).toBool(), true);
        QVERIFY(!advice.contains(QStringLiteral("Message")));
    }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        const QString dir = QStringLiteral("--data-dir");
        QTest::newRow("no cargo of that name")
            << QStringList{QStringLiteral("advise"), QStringLiteral("acrylic acid"), dir, m_folder.path()}
            << 1 << QStringLiteral("no cargo named acrylic acid\ndid you mean: \"ACRYLIC ACID\"?\n");
        QTest::newRow("a folder without databases")
            << QStringList{QStringLiteral("advise"), QStringLiteral("AATREX"), dir, m_empty.path()} << 2
            << QStringLiteral("The database file \"%1/cleaning.mdb\" is missing.\n").arg(m_empty.path());
        QTest::newRow("a data folder that is not there")
            << QStringList{QStringLiteral("advise"), QStringLiteral("AATREX"), dir,
                           m_folder.filePath(QStringLiteral("none"))}
            << 2 << QStringLiteral("The data folder \"%1/none\" does not exist.\n").arg(m_folder.path());
        QTest::newRow("a file for a data folder")
            << QStringList{QStringLiteral("advise"), QStringLiteral("AATREX"), dir,
                           m_folder.filePath(QStringLiteral("cleaning.mdb"))}
            << 2
            << QStringLiteral("The data folder \"%1/cleaning.mdb\" is a file, not a folder.\n")
                   .arg(m_folder.path());
        const QString usage = QStringLiteral("usage: velcarin-cli advise NAME [--json] [--data-dir DIR]\n"
                                             "try 'velcarin-cli advise --help'\n");
        QTest::newRow("no name") << QStringList{QStringLiteral("advise")} << 2 << usage;
        QTest::newRow("unknown option")
            << QStringList{QStringLiteral("advise"), QStringLiteral("AATREX"), QStringLiteral("--colour")}
            << 2 << QStringLiteral("Unknown option 'colour'.\n") + usage;
        const QString damaged =
            QStringLiteral("the database file \"%1\" cannot be read: database disk image is malformed\n")
                .arg(m_damaged.filePath(QStringLiteral("cleaning.mdb")));
        QTest::newRow("a damaged page")
            << QStringList{QStringLiteral("advise"), QStringLiteral("ACETONE"), dir, m_damaged.path()} << 2
            << damaged;
        QTest::newRow("unknown command") << QStringList{QStringLiteral("advice")} << 2 << QString();
        QTest::newRow("nothing") << QStringList{} << 2 << QString();
    }

    void exitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        const Run run = cli(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(run.out.isEmpty());
        if (error.isEmpty())
            QVERIFY(run.err.startsWith(QStringLiteral("usage: velcarin-cli COMMAND")));
        else
            QCOMPARE(run.err, error);
    }

    void aNameWithAQuote()
    {
        const Run run = cli({QStringLiteral("advise"), QStringLiteral("O'NEILL"),
                             QStringLiteral("--data-dir"), m_folder.path()});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QStringLiteral("no cargo named O'NEILL\n"));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
