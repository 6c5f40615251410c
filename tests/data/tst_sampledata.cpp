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
    // The shipped databases are samples; a database without the mark, or no database at all, is not.
    void samplesIn()
    {
        const TestDataFolder shipped;
        shipped.copySampleDatabases();
        QCOMPARE(SampleData::samplesIn(Store(shipped.path())), DatabaseFileNames);
        const TestDataFolder mixed;
        mixed.createDatabase(QStringLiteral("cleaning.mdb"), QStringLiteral("CREATE TABLE CleaningA (a);"));
        mixed.writeFile(QStringLiteral("Henkel.mdb"), QByteArray("SQLite format 3\0", 16));
        QVERIFY(QFile::copy(shipped.filePath("unitor.mdb"), mixed.filePath("unitor.mdb")));
        QCOMPARE(SampleData::samplesIn(Store(mixed.path())), QStringList{"unitor.mdb"});
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

VELCARIN_TEST_MAIN(TestSampleData)
#include "tst_sampledata.moc"
