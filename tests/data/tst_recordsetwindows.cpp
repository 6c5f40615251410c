#include "data/Database.h"
#include "data/RecordSet.h"
#include "support/TestSupport.h"

#include <QSqlQuery>

namespace {

const QString Source =
    QStringLiteral("select Cargo.[Name],Cargo.[Id],Cargo.[Note] from Cargo order by Cargo.[Name]");

// Inserted backwards, so that the rows' identities do not follow the names. In the source's order: the two
// NULL names at 0 and 1, "CARGO 01" to "CARGO 20" at 2 to 21, the second "CARGO 20" at 22, then "CARGO 21"
// to "CARGO 40" at 23 to 42.
const QString Rows = QStringLiteral(R"(
    CREATE TABLE Cargo ("Name" TEXT, "Id" INTEGER, "Note" TEXT);
    CREATE INDEX names ON Cargo ("Name");
    WITH RECURSIVE n(i) AS (SELECT 40 UNION ALL SELECT i - 1 FROM n WHERE i > 1)
    INSERT INTO Cargo SELECT printf('CARGO %02d', i), i, NULL FROM n;
    INSERT INTO Cargo VALUES (NULL, 99, NULL), ('CARGO 20', 120, NULL), (NULL, 0, NULL);
)");

} // namespace

class TestRecordSetWindows : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    Database m_database;

    RecordSet open(const QString& source = Source, int rowsPerWindow = 4)
    {
        const Result<RecordSet> set = RecordSet::open(m_database, source, rowsPerWindow);
        if (!set)
            qWarning("%s", qPrintable(set.error()));
        return set ? *set : RecordSet();
    }

    // The ids in the order the engine gives for the same rows, read whole.
    QStringList idsInOrder(const QString& sql)
    {
        QStringList ids;
        QSqlQuery query(m_database.connection());
        if (!query.exec(sql))
            qWarning("%s", qPrintable(sql));
        while (query.next())
            ids << query.value(0).toString();
        return ids;
    }

private Q_SLOTS:
    void init()
    {
        m_database = {};
        m_folder.createDatabase(QStringLiteral("cargo.db"), Rows);
        const Result<Database> database =
            Database::open(m_folder.filePath(QStringLiteral("cargo.db")), false);
        QVERIFY2(database, qPrintable(database.error()));
        m_database = *database;
    }

    void walksEveryRowOnceEachWay_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("order"); // the same order as SQL, rows' identities breaking ties
        QTest::addColumn<int>("rowsPerWindow");
        const QString select = QStringLiteral("select Cargo.[Id],Cargo.[Name] from Cargo");
        const QString byName = QStringLiteral(" order by Cargo.[Name]");
        for (int rows : {1, 3, 4, 100}) {
            QTest::addRow("by name, %d a window", rows) << select + byName << "Name, rowid" << rows;
            QTest::addRow("by name backwards, %d a window", rows)
                << select + byName + QStringLiteral(" DESC") << "Name desc, rowid desc" << rows;
        }
        QTest::newRow("some rows") << select + QStringLiteral(" where Cargo.[Id] % 3 = 0") + byName
                                   << "Name, rowid" << 2;
        QTest::newRow("no order") << select << "rowid" << 3;
        QTest::newRow("no usable key, read whole")
            << select + QStringLiteral(" order by Cargo.[Name], Cargo.[Id] desc") << "Name, Id desc" << 3;
    }

    void walksEveryRowOnceEachWay()
    {
        QFETCH(QString, source);
        QFETCH(QString, order);
        QFETCH(int, rowsPerWindow);
        const qsizetype where = source.indexOf(QLatin1String(" where"));
        const QString filter =
            where < 0 ? QString() : source.mid(where).section(QLatin1String(" order"), 0, 0);
        const QStringList expected = idsInOrder(QStringLiteral("select Id from Cargo") + filter +
                                                QStringLiteral(" order by ") + order);
        RecordSet set = open(source, rowsPerWindow);
        QCOMPARE(set.recordCount(), expected.size());
        QStringList forwards;
        for (set.moveFirst(); set.hasCurrent(); set.move(1))
            forwards << set.value(0);
        QCOMPARE(forwards, expected);
        QStringList backwards;
        RecordSet fromTheEnd = open(source, rowsPerWindow);
        for (fromTheEnd.move(fromTheEnd.recordCount() - 1); fromTheEnd.hasCurrent(); fromTheEnd.move(-1))
            backwards.prepend(fromTheEnd.value(0));
        QCOMPARE(backwards, expected);
        // Each row found by its id, in a set that has read nothing beside its first window.
        for (int position = 0; position < expected.size(); ++position) {
            RecordSet finder = open(source, rowsPerWindow);
            QVERIFY(finder.findFirst(QStringLiteral("Cargo.[Id] = '") + expected.at(position) +
                                     QLatin1Char('\'')));
            QCOMPARE(finder.absolutePosition(), position);
            QCOMPARE(finder.valueAt(position, 0), expected.at(position));
        }
    }

    void rowsChangedOrDeletedBetweenWindows()
    {
        RecordSet set = open();
        QCOMPARE(set.value(0), QString()); // the first window: positions 0 to 3
        m_folder.runSql(QStringLiteral("cargo.db"),
                        QStringLiteral("UPDATE Cargo SET Note = 'changed' WHERE Name = 'CARGO 05';"
                                       "DELETE FROM Cargo WHERE Name IN ('CARGO 02', 'CARGO 04');"));
        set.move(3);
        QVERIFY(set.hasCurrent()); // read before it was deleted: there, with no fields
        QVERIFY(set.value(0).isNull());
        QStringList next;
        for (set.move(1); set.hasCurrent() && next.size() < 4; set.move(1))
            next << set.value(0) + QLatin1Char('/') + set.value(2);
        QCOMPARE(next, (QStringList{QStringLiteral("CARGO 03/"), QStringLiteral("CARGO 05/changed"),
                                    QStringLiteral("CARGO 06/"), QStringLiteral("CARGO 07/")}));
        QCOMPARE(set.absolutePosition(), 8);
        QCOMPARE(set.recordCount(), 41);
        QCOMPARE(set.readError(), QString());
    }

    void bookmarkAcrossWindows()
    {
        RecordSet set = open();
        set.move(30);
        QCOMPARE(set.value(0), QStringLiteral("CARGO 28"));
        const RecordSet::Bookmark far = set.bookmark();
        QCOMPARE(far.row, 30);
        set.moveFirst();
        set.move(2);
        set.setBookmark(far);
        QCOMPARE(set.value(1), QStringLiteral("28"));
        RecordSet clone = set.clone();
        QCOMPARE(clone.absolutePosition(), 0);
        clone.setBookmark(far);
        clone.move(-8);
        QCOMPARE(clone.value(1), QStringLiteral("120")); // the second of two equal names
        QCOMPARE(clone.valueAt(21, 1), QStringLiteral("20"));
    }

    void moveLastThenPreviousAcrossAnEdge()
    {
        RecordSet set = open();
        set.move(set.recordCount() - 1);
        QCOMPARE(set.absolutePosition(), 42);
        QStringList names;
        for (int step = 0; step < 6; ++step, set.move(-1))
            names << set.value(0);
        QCOMPARE(names, (QStringList{QStringLiteral("CARGO 40"), QStringLiteral("CARGO 39"),
                                     QStringLiteral("CARGO 38"), QStringLiteral("CARGO 37"),
                                     QStringLiteral("CARGO 36"), QStringLiteral("CARGO 35")}));
        set.move(-100);
        QVERIFY(!set.hasCurrent());
        QCOMPARE(set.absolutePosition(), -1);
    }

    void findsANameFarBeyondTheFirstWindow()
    {
        RecordSet set = open();
        QVERIFY(set.findFirst(QStringLiteral("Cargo.[Name] = 'CARGO 37'")));
        QCOMPARE(set.value(1), QStringLiteral("37"));
        QCOMPARE(set.absolutePosition(), 39);
        set.move(1);
        QCOMPARE(set.value(0), QStringLiteral("CARGO 38"));
        set.move(-2);
        QCOMPARE(set.value(0), QStringLiteral("CARGO 36"));
        QVERIFY(set.findFirst(QStringLiteral("Cargo.[Name] = 'CARGO 20'")));
        QCOMPARE(set.value(1), QStringLiteral("20"));
        set.move(1);
        QCOMPARE(set.value(1), QStringLiteral("120"));
        QCOMPARE(set.absolutePosition(), 22);
        QVERIFY(!set.findFirst(QStringLiteral("Cargo.[Name] = 'CARGO 41'")));
        QCOMPARE(set.absolutePosition(), 22);
    }

    void renamedRowTakesItsNewPlace()
    {
        // A change to the order column, written through a clone, moves the row where the order puts it.
        RecordSet set = open();
        QVERIFY(set.findFirst(QStringLiteral("Cargo.[Name] = 'CARGO 03'")));
        RecordSet editor = set.clone();
        editor.move(set.absolutePosition());
        VERIFY_SUCCEEDS(editor.edit());
        QVERIFY(editor.setValue(0, QStringLiteral("CARGO 39A")));
        VERIFY_SUCCEEDS(editor.update());
        QCOMPARE(set.absolutePosition(), 41);
        QCOMPARE(set.valueAt(4, 0), QStringLiteral("CARGO 04"));
        set.move(1);
        QCOMPARE(set.value(0), QStringLiteral("CARGO 40"));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestRecordSetWindows)
#include "tst_recordsetwindows.moc"
