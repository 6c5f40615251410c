#include "data/SqliteConnection.h"
#include "data/SqliteStatement.h"
#include "support/TestSupport.h"

// What the engine says when a statement fails, where the classes that use it pass it on.
class TestSqliteStatement : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failures_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("prepared"); // empty: prepared
        QTest::addColumn<QString>("finished");
        QTest::newRow("no such table") << "select * from Cleaning"
                                       << "no such table: Cleaning"
                                       << "no such table: Cleaning";
        QTest::newRow("not SQL") << "selekt 1"
                                 << "near \"selekt\": syntax error"
                                 << "near \"selekt\": syntax error";
        QTest::newRow("fails as it runs") << "insert into Cargoes values (null)"
                                          << ""
                                          << "NOT NULL constraint failed: Cargoes.Name";
        QTest::newRow("no statement at all") << "-- a comment"
                                             << ""
                                             << "";
    }

    void failures()
    {
        QFETCH(QString, sql);
        QFETCH(QString, prepared);
        QFETCH(QString, finished);
        TestDataFolder folder;
        folder.createDatabase(QStringLiteral("cargo.db"),
                              QStringLiteral("CREATE TABLE Cargoes (Name TEXT NOT NULL);"));
        SqliteConnection db;
        VERIFY_SUCCEEDS(
            db.open(folder.filePath(QStringLiteral("cargo.db")), SqliteConnection::Mode::ReadWrite));
        SqliteStatement statement(db.handle(), sql);
        QCOMPARE(statement.prepared().error(), prepared);
        QVERIFY(!statement.next());
        QCOMPARE(statement.finished().error(), finished);
        QCOMPARE(statement.finished().ok(), finished.isEmpty());
    }

    void aFileThatCannotBeOpened()
    {
        TestDataFolder folder;
        SqliteConnection db;
        const Result<> opened =
            db.open(folder.filePath(QStringLiteral("none.db")), SqliteConnection::Mode::ReadOnly);
        QVERIFY(!opened);
        QCOMPARE(opened.error(), QStringLiteral("unable to open database file"));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestSqliteStatement)
#include "tst_sqlitestatement.moc"
