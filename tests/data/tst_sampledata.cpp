#include "data/SampleData.h"
#include "data/Store.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>

// The shipped sample databases: told apart from an officer's own by their mark, and agreeing with each
// other.
class TestSampleData : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void samplesIn_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("samples");
        QTest::newRow("the shipped databases") << QStringLiteral("shipped") << DatabaseFileNames;
        QTest::newRow("an officer's Access files, imported") << QStringLiteral("imported") << QStringList{};
        QTest::newRow("one sample among his own")
            << QStringLiteral("imported, one sample") << QStringList{"unitor.mdb"};
        QTest::newRow("no mark, no database, a short file") << QStringLiteral("others") << QStringList{};
    }

    void samplesIn()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, samples);
        const TestDataFolder data;
        if (folder == QLatin1String("shipped")) {
            data.copySampleDatabases();
        } else if (folder.startsWith(QLatin1String("imported"))) {
            const CliRun run =
                runCli({"import", qEnvironmentVariable("VELCARIN_TEST_DATA") + "/legacy-access", "--data-dir",
                        data.path()});
            QVERIFY2(run.exitCode == 0, qPrintable(run.err));
            if (folder.endsWith(QLatin1String("one sample"))) {
                QVERIFY(QFile::remove(data.filePath("unitor.mdb")));
                QVERIFY(
                    QFile::copy(QDir(programFolder()).filePath("unitor.mdb"), data.filePath("unitor.mdb")));
            }
        } else {
            data.createDatabase(QStringLiteral("cleaning.mdb"),
                                QStringLiteral("CREATE TABLE CleaningA (a);"));
            data.writeFile(QStringLiteral("Henkel.mdb"), QByteArray("SQLite format 3\0", 16));
        }
        QCOMPARE(SampleData::samplesIn(Store(data.path())), samples);
    }

    // A cargo in the operator's and in the Jo Tankers sample has the same UN number in both, the real one.
    void sameUnNumberInEverySample()
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        database.setDatabaseName(QDir(programFolder()).filePath(QStringLiteral("cleaning.mdb")));
        QVERIFY(database.open());
        QSqlQuery query(database);
        QVERIFY(
            query.exec(QStringLiteral("ATTACH %1 AS jo")
                           .arg(sqlText(QDir(programFolder()).filePath(QStringLiteral("Jo Tankers.mdb"))))));
        QVERIFY(
            query.exec(QStringLiteral("SELECT c.\"Abbreviated Name\", c.\"United No\", j.UN FROM CleaningA c "
                                      "JOIN jo.Cargoes j ON j.PRODUCT = c.\"Abbreviated Name\" ORDER BY 1")));
        QStringList cargoes;
        while (query.next()) {
            QCOMPARE(query.value(1).toString(), query.value(2).toString());
            cargoes << query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString();
        }
        QCOMPARE(cargoes, (QStringList{"ACETONE 1090", "ACRYLONITRILE 1093", "BENZENE 1114",
                                       "CAUSTIC SODA 50% 1824", "ETHYLENE GLYCOL ", "MOLASSES ",
                                       "PHENOL 2312", "TOLUENE 1294", "VINYL ACETATE 1301"}));
    }
};

QTEST_MAIN(TestSampleData)
#include "tst_sampledata.moc"
