#include "data/Criterion.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "data/RecordSources.h"
#include "support/TestSupport.h"

#include <QSqlQuery>

namespace {

const QString Source =
    QStringLiteral("select CleaningA.[Abbreviated Name],CleaningA.[ID  Number],"
                   "CleaningA.[Personal Notes]from CleaningA order by CleaningA.[Abbreviated Name]");

// Inserted out of order; two rows share a name, one name holds a quote.
const QString Rows = QStringLiteral(R"(
    CREATE TABLE CleaningA ("Abbreviated Name" TEXT, "ID  Number" TEXT, "Personal Notes" TEXT);
    CREATE INDEX names ON CleaningA ("Abbreviated Name");
    INSERT INTO CleaningA VALUES ('TOLUENE', '7', NULL);
    INSERT INTO CleaningA VALUES ('ACETONE', '1', 'first line' || char(13, 10) || 'second line');
    INSERT INTO CleaningA VALUES ('ETHYL ACETATE', '3', '');
    INSERT INTO CleaningA VALUES ('BUTYL O''ACETATE', '2', NULL);
    INSERT INTO CleaningA VALUES ('ETHYL ACETATE', '4', 'the second of two');
    INSERT INTO CleaningA VALUES ('XYLENE-M', '9', NULL);
    INSERT INTO CleaningA VALUES (NULL, '0', NULL);
)");

} // namespace

class TestRecordSet : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    Database m_database;

    RecordSet openCargoes(const QString& source = Source)
    {
        const Result<RecordSet> set = RecordSet::open(m_database, source);
        if (!set)
            qWarning("%s", qPrintable(set.error()));
        return set ? *set : RecordSet();
    }

    QStringList names(RecordSet set)
    {
        QStringList all;
        for (set.moveFirst(); set.hasCurrent(); set.move(1))
            all << set.value(0);
        return all;
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

    void opensInQueryOrderWithFieldNames()
    {
        RecordSet set = openCargoes();
        QCOMPARE(set.source(), Source);
        QCOMPARE(set.fieldCount(), 3);
        QCOMPARE(set.fieldName(1), QStringLiteral("ID  Number"));
        QCOMPARE(set.fieldIndex(QStringLiteral("ID Number")), -1);
        QCOMPARE(names(set),
                 (QStringList{QString(), QStringLiteral("ACETONE"), QStringLiteral("BUTYL O'ACETATE"),
                              QStringLiteral("ETHYL ACETATE"), QStringLiteral("ETHYL ACETATE"),
                              QStringLiteral("TOLUENE"), QStringLiteral("XYLENE-M")}));
        QVERIFY(set.hasCurrent());
        QCOMPARE(set.absolutePosition(), 0);
    }

    void keepsTextNullAndEmptyApart()
    {
        RecordSet set = openCargoes();
        QVERIFY(set.findFirst(QStringLiteral("CleaningA.[Abbreviated Name] = 'ACETONE'")));
        QCOMPARE(set.value(QStringLiteral("Personal Notes")), QStringLiteral("first line\r\nsecond line"));
        QVERIFY(set.findFirst(QStringLiteral("CleaningA.[Abbreviated Name] = 'TOLUENE'")));
        QVERIFY(set.value(2).isNull());
        QVERIFY(set.findFirst(QStringLiteral("CleaningA.[ID  Number] = '3'")));
        QVERIFY(!set.value(2).isNull());
        QVERIFY(set.value(2).isEmpty());
    }

    void findFirst_data()
    {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QString>("id"); // empty: no match

        const QString prefix = QStringLiteral("CleaningA.[Abbreviated Name] = '");
        QTest::newRow("exact") << prefix + QStringLiteral("TOLUENE'") << QStringLiteral("7");
        QTest::newRow("first of two equal names")
            << prefix + QStringLiteral("ETHYL ACETATE'") << QStringLiteral("3");
        QTest::newRow("another case") << prefix + QStringLiteral("toluene'") << QString();
        QTest::newRow("a part of the name") << prefix + QStringLiteral("TOLU'") << QString();
        QTest::newRow("trailing blank") << prefix + QStringLiteral("TOLUENE '") << QString();
        QTest::newRow("quote doubled")
            << Criterion::build(prefix, QStringLiteral("BUTYL O'ACETATE")) << QStringLiteral("2");
        QTest::newRow("no blanks around =")
            << QStringLiteral("CleaningA.[Abbreviated Name]='XYLENE-M'") << QStringLiteral("9");
        QTest::newRow("empty name meets no NULL") << prefix + QStringLiteral("'") << QString();
        QTest::newRow("lone quote inside") << prefix + QStringLiteral("BUTYL O'ACETATE'") << QString();
        QTest::newRow("no closing quote") << prefix + QStringLiteral("TOLUENE") << QString();
        QTest::newRow("unknown field") << QStringLiteral("CleaningA.[Name] = 'TOLUENE'") << QString();
        QTest::newRow("other table") << QStringLiteral("Cargoes.[Abbreviated Name] = 'TOLUENE'") << QString();
        QTest::newRow("no operator") << QStringLiteral("CleaningA.[Abbreviated Name] 'TOLUENE'") << QString();
        QTest::newRow("nothing") << QString() << QString();
        QTest::newRow("SQL in the name") << prefix + QStringLiteral("x' or '1'='1'") << QString();
    }

    void findFirst()
    {
        QFETCH(QString, criterion);
        QFETCH(QString, id);
        RecordSet set = openCargoes();
        set.move(5);
        const RecordSet::Bookmark before = set.bookmark();
        QCOMPARE(set.findFirst(criterion), !id.isEmpty());
        QCOMPARE(set.noMatch(), id.isEmpty());
        if (id.isEmpty())
            QCOMPARE(set.bookmark(), before);
        else
            QCOMPARE(set.value(QStringLiteral("ID  Number")), id);
    }

    void criterionRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("ACETONE");
        QTest::newRow("one quote") << QStringLiteral("O'ACETATE");
        QTest::newRow("quotes at the ends") << QStringLiteral("'A''");
        QTest::newRow("empty") << QString();
        QTest::newRow("brackets and equals") << QStringLiteral("[X] = 'Y'");
    }

    void criterionRoundTrip()
    {
        QFETCH(QString, name);
        const std::optional<Criterion> parsed =
            Criterion::parse(Criterion::build(QStringLiteral("Unitor.[Name] = '"), name));
        QVERIFY(parsed);
        QCOMPARE(parsed->table, QStringLiteral("Unitor"));
        QCOMPARE(parsed->field, QStringLiteral("Name"));
        QCOMPARE(parsed->value, name);
    }

    void bookmarksAndMoves()
    {
        RecordSet set = openCargoes();
        set.move(3);
        QCOMPARE(set.absolutePosition(), 3);
        const RecordSet::Bookmark third = set.bookmark();
        set.move(-2);
        QCOMPARE(set.value(0), QStringLiteral("ACETONE"));
        set.setBookmark(third);
        QCOMPARE(set.value(1), QStringLiteral("3"));
        set.move(100);
        QVERIFY(!set.hasCurrent());
        QCOMPARE(set.absolutePosition(), -1);
        QVERIFY(set.value(0).isNull());
        set.moveFirst();
        QCOMPARE(set.absolutePosition(), 0);
    }

    void cloneSharesRowsAndChanges()
    {
        RecordSet set = openCargoes();
        set.move(set.recordCount() - 1);
        QCOMPARE(set.value(0), QStringLiteral("XYLENE-M"));

        RecordSet clone = set.clone();
        QCOMPARE(clone.absolutePosition(), 0);
        clone.move(set.absolutePosition());
        QCOMPARE(clone.value(0), QStringLiteral("XYLENE-M"));

        VERIFY_SUCCEEDS(clone.edit());
        QVERIFY(clone.setValue(2, QStringLiteral("Wash twice.\r\nÆ ø – °C")));
        VERIFY_SUCCEEDS(clone.update());
        QCOMPARE(set.value(2), QStringLiteral("Wash twice.\r\nÆ ø – °C"));

        // The row in the file, not just the rows in memory.
        QSqlQuery query(m_database.connection());
        QVERIFY(query.exec(
            QStringLiteral("select \"Personal Notes\" from CleaningA where \"ID  Number\" = '9'")));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("Wash twice.\r\nÆ ø – °C"));
    }

    void readsARowWhenItBecomesCurrent()
    {
        // Rows changed in the file after the set was opened show as they are when first made current.
        RecordSet set = openCargoes();
        m_folder.runSql(QStringLiteral("cargo.db"),
                        QStringLiteral("UPDATE CleaningA SET \"Personal Notes\" = 'written since' "
                                       "WHERE \"ID  Number\" = '9'"));
        QCOMPARE(set.value(0), QString()); // the first record, read now
        QVERIFY(set.findFirst(QStringLiteral("CleaningA.[Abbreviated Name] = 'XYLENE-M'")));
        QCOMPARE(set.value(QStringLiteral("Personal Notes")), QStringLiteral("written since"));
        // A row deleted from the file since has no fields left to show.
        m_folder.runSql(QStringLiteral("cargo.db"),
                        QStringLiteral("DELETE FROM CleaningA WHERE \"ID  Number\" = '2'"));
        set.moveFirst();
        set.move(2);
        QCOMPARE(set.absolutePosition(), 2);
        QVERIFY(set.value(0).isNull());
        QVERIFY(set.value(1).isNull());
        QCOMPARE(set.readError(), QString());
    }

    void aDamagedPageIsAReadError()
    {
        TestDataFolder folder;
        folder.copySampleDatabases();
        folder.damagePage(QStringLiteral("cleaning.mdb"), 3); // the page of ACETONE's row
        const Result<Database> database =
            Database::open(folder.filePath(QStringLiteral("cleaning.mdb")), true);
        QVERIFY2(database, qPrintable(database.error()));
        Result<RecordSet> set = RecordSet::open(*database, RecordSources::DtaA);
        QVERIFY2(set, qPrintable(set.error()));
        QCOMPARE(set->readError(), QString());
        QVERIFY(set->findFirst(QStringLiteral("CleaningA.[Abbreviated Name] = 'ACETONE'")));
        QCOMPARE(set->value(QStringLiteral("Full Name")), QString());
        QCOMPARE(set->readError(), QStringLiteral("database disk image is malformed"));
        QCOMPARE(set->clone().readError(), QStringLiteral("database disk image is malformed"));
    }

    void cloneSeesAnUpdateInItsList()
    {
        // A field listed for every record before an update made through another clone lists the new value.
        RecordSet listed = openCargoes();
        QCOMPARE(listed.valueAt(6, 2), QString());
        QCOMPARE(listed.valueAt(1, 2), QStringLiteral("first line\r\nsecond line"));
        RecordSet editor = listed.clone();
        QVERIFY(editor.findFirst(QStringLiteral("CleaningA.[Abbreviated Name] = 'XYLENE-M'")));
        QCOMPARE(editor.absolutePosition(), 6);
        QVERIFY(editor.edit());
        QVERIFY(editor.setValue(2, QStringLiteral("listed")));
        VERIFY_SUCCEEDS(editor.update());
        QCOMPARE(listed.valueAt(6, 2), QStringLiteral("listed"));
        listed.setBookmark(editor.bookmark());
        QCOMPARE(listed.value(2), QStringLiteral("listed"));
        QVERIFY(listed.findFirst(QStringLiteral("CleaningA.[Personal Notes] = 'listed'")));
        QCOMPARE(listed.absolutePosition(), 6);
    }

    void positionsAfterAFind()
    {
        // The look-up runs in the file, through its index; the record found stands where the source's
        // order puts it.
        RecordSet set = openCargoes();
        QVERIFY(set.findFirst(QStringLiteral("CleaningA.[Abbreviated Name] = 'TOLUENE'")));
        QCOMPARE(set.absolutePosition(), 5);
        const RecordSet::Bookmark toluene = set.bookmark();
        set.move(-2);
        QCOMPARE(set.value(0), QStringLiteral("ETHYL ACETATE"));
        QCOMPARE(set.value(1), QStringLiteral("3"));
        QVERIFY(set.findFirst(QStringLiteral("CleaningA.[Abbreviated Name] = 'ACETONE'")));
        QCOMPARE(set.absolutePosition(), 1);
        set.setBookmark(toluene);
        QCOMPARE(set.absolutePosition(), 5);
        QCOMPARE(set.value(1), QStringLiteral("7"));
        set.move(1);
        QCOMPARE(set.value(0), QStringLiteral("XYLENE-M"));
        QVERIFY(set.findFirst(QStringLiteral("CleaningA.[ID  Number] = '4'")));
        QCOMPARE(set.absolutePosition(), 4);

        // A source that leaves rows out finds none of them.
        RecordSet some =
            openCargoes(QStringLiteral("select CleaningA.[Abbreviated Name] from CleaningA where "
                                       "CleaningA.[ID  Number] > '3' order by "
                                       "CleaningA.[Abbreviated Name] desc"));
        QCOMPARE(some.recordCount(), 3);
        QVERIFY(!some.findFirst(QStringLiteral("CleaningA.[Abbreviated Name] = 'ACETONE'")));
        QVERIFY(some.findFirst(QStringLiteral("CleaningA.[Abbreviated Name] = 'ETHYL ACETATE'")));
        QCOMPARE(some.absolutePosition(), 2);
    }

    void sourcesNotOverOneTableAreReadWhole()
    {
        // A field that is no column as it stands: the rows are read at open and found among themselves.
        RecordSet quiet =
            openCargoes(QStringLiteral("select CleaningA.[Abbreviated Name], lower(CleaningA.[Abbreviated "
                                       "Name]) as Quiet from CleaningA "
                                       "order by CleaningA.[Abbreviated Name]"));
        QCOMPARE(quiet.fieldCount(), 2);
        QCOMPARE(quiet.fieldName(1), QStringLiteral("Quiet"));
        QCOMPARE(quiet.recordCount(), 7);
        QVERIFY(quiet.findFirst(QStringLiteral("CleaningA.[Quiet] = 'toluene'")));
        QCOMPARE(quiet.absolutePosition(), 5);
        QCOMPARE(quiet.value(0), QStringLiteral("TOLUENE"));
        QVERIFY(quiet.findFirst(QStringLiteral("CleaningA.[Abbreviated Name] = 'ETHYL ACETATE'")));
        QCOMPARE(quiet.absolutePosition(), 3);
        // Its table's own columns can still be changed, and a find sees the change.
        VERIFY_SUCCEEDS(quiet.edit());
        QVERIFY(quiet.setValue(0, QStringLiteral("ETHYL ACETATE 99")));
        VERIFY_SUCCEEDS(quiet.update());
        QCOMPARE(quiet.valueAt(3, 0), QStringLiteral("ETHYL ACETATE 99"));
        QVERIFY(quiet.findFirst(QStringLiteral("CleaningA.[Abbreviated Name] = 'ETHYL ACETATE'")));
        QCOMPARE(quiet.absolutePosition(), 4);
        QVERIFY(quiet.findFirst(QStringLiteral("CleaningA.[Abbreviated Name] = 'ETHYL ACETATE 99'")));
        QCOMPARE(quiet.absolutePosition(), 3);

        // No table at all, and two: read whole, not to be changed.
        RecordSet constant = openCargoes(QStringLiteral("select 'x' as A, 2 as B"));
        QCOMPARE(constant.recordCount(), 1);
        QCOMPARE(constant.fieldCount(), 2);
        QCOMPARE(constant.value(1), QStringLiteral("2"));
        QVERIFY(constant.findFirst(QStringLiteral("[A] = 'x'")));
        QVERIFY(!constant.isUpdatable());
        RecordSet joined = openCargoes(QStringLiteral(
            "select CleaningA.[Abbreviated Name] from CleaningA cross join (select 1) order by "
            "CleaningA.[Abbreviated Name]"));
        QCOMPARE(joined.recordCount(), 7);
        QCOMPARE(joined.valueAt(6, 0), QStringLiteral("XYLENE-M"));
        QVERIFY(!joined.isUpdatable());
        QVERIFY(!joined.edit());
    }

    void findsTextAsItReads_data()
    {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<int>("position"); // -1: no match
        QTest::newRow("a whole number") << QStringLiteral("Mixed.[Whole] = '7'") << 1;
        QTest::newRow("a whole number with a leading nought") << QStringLiteral("Mixed.[Whole] = '07'") << -1;
        QTest::newRow("a whole number written as a decimal") << QStringLiteral("Mixed.[Whole] = '7.0'") << -1;
        QTest::newRow("text in a number column") << QStringLiteral("Mixed.[Whole] = 'seven'") << 2;
        QTest::newRow("a sum as its text reads") << QStringLiteral("Mixed.[Decimal] = '0.3'") << 0;
        QTest::newRow("a decimal with a trailing nought") << QStringLiteral("Mixed.[Decimal] = '0.30'") << -1;
        QTest::newRow("a column of no type") << QStringLiteral("Mixed.[Any] = '12'") << 2;
        QTest::newRow("a column without regard to case, another case")
            << QStringLiteral("Mixed.[Caseless] = 'toluene'") << -1;
        QTest::newRow("a column without regard to case, the same case")
            << QStringLiteral("Mixed.[Caseless] = 'TOLUENE'") << 1;
    }

    void findsTextAsItReads()
    {
        QFETCH(QString, criterion);
        QFETCH(int, position);
        m_folder.runSql(QStringLiteral("cargo.db"), QStringLiteral(R"(
            CREATE TABLE Mixed ("Name" TEXT, "Whole" INTEGER, "Decimal" REAL, "Any", "Caseless" TEXT COLLATE NOCASE);
            CREATE INDEX caseless ON Mixed ("Caseless");
            CREATE INDEX whole ON Mixed ("Whole");
            INSERT INTO Mixed VALUES ('a', 3, 0.1 + 0.2, 'x', 'Toluene');
            INSERT INTO Mixed VALUES ('b', 7, 1, 'y', 'TOLUENE');
            INSERT INTO Mixed VALUES ('c', 'seven', 2.5, 12, 'toluene ');
        )"));
        RecordSet set = openCargoes(
            QStringLiteral("select Mixed.[Name],Mixed.[Whole],Mixed.[Decimal],Mixed.[Any],Mixed.[Caseless] "
                           "from Mixed order by "
                           "Mixed.[Name]"));
        QCOMPARE(set.valueAt(0, 2), QStringLiteral("0.3"));
        QCOMPARE(set.findFirst(criterion), position >= 0);
        QCOMPARE(set.absolutePosition(), position >= 0 ? position : 0);
    }

    void updateWritesTheRowItRead()
    {
        // Two rows of the same name: the second one is changed, the first stays.
        RecordSet set = openCargoes();
        QVERIFY(set.findFirst(QStringLiteral("CleaningA.[ID  Number] = '4'")));
        QVERIFY(set.edit());
        QVERIFY(set.setValue(2, QStringLiteral("changed")));
        VERIFY_SUCCEEDS(set.update());

        RecordSet reread = openCargoes();
        QVERIFY(reread.findFirst(QStringLiteral("CleaningA.[ID  Number] = '3'")));
        QCOMPARE(reread.value(2), QString(QLatin1String("")));
        QVERIFY(!reread.value(2).isNull());
        QVERIFY(reread.findFirst(QStringLiteral("CleaningA.[ID  Number] = '4'")));
        QCOMPARE(reread.value(2), QStringLiteral("changed"));
    }

    void findsAChangedValue()
    {
        RecordSet set = openCargoes();
        QVERIFY(set.findFirst(QStringLiteral("CleaningA.[ID  Number] = '7'")));
        QVERIFY(set.edit());
        QVERIFY(set.setValue(1, QStringLiteral("70")));
        QVERIFY(set.update());
        RecordSet clone = set.clone();
        QVERIFY(!clone.findFirst(QStringLiteral("CleaningA.[ID  Number] = '7'")));
        QVERIFY(clone.findFirst(QStringLiteral("CleaningA.[ID  Number] = '70'")));
    }

    void unchangedFieldsAreNotWritten()
    {
        // A NULL shown as an empty text box stays NULL.
        RecordSet set = openCargoes();
        QVERIFY(set.findFirst(QStringLiteral("CleaningA.[ID  Number] = '7'")));
        QVERIFY(set.edit());
        QVERIFY(set.setValue(2, QStringLiteral("")));
        QVERIFY(set.update());
        RecordSet reread = openCargoes();
        QVERIFY(reread.findFirst(QStringLiteral("CleaningA.[ID  Number] = '7'")));
        QVERIFY(reread.value(2).isNull());
    }

    void editingFailures()
    {
        RecordSet set = openCargoes();
        const Result<> updated = set.update();
        QVERIFY(!updated);
        QVERIFY(!updated.error().isEmpty());
        QVERIFY(!set.setValue(0, QStringLiteral("X")));

        set.move(100);
        QVERIFY(!set.edit());

        const Result<Database> readOnly = Database::open(m_folder.filePath(QStringLiteral("cargo.db")), true);
        QVERIFY(readOnly);
        Result<RecordSet> readOnlySet = RecordSet::open(*readOnly, Source);
        QVERIFY(readOnlySet);
        QVERIFY(!readOnlySet->isUpdatable());
        QVERIFY(!readOnlySet->edit());
    }

    void failedUpdateKeepsTheRecord()
    {
        RecordSet set = openCargoes();
        QVERIFY(set.findFirst(QStringLiteral("CleaningA.[ID  Number] = '1'")));
        QSqlQuery lock(m_database.connection());
        QVERIFY(lock.exec(QStringLiteral("create trigger refuse before update on CleaningA begin "
                                         "select raise(abort, 'the engine refuses'); end")));
        QVERIFY(set.edit());
        QVERIFY(set.setValue(2, QStringLiteral("lost?")));
        const Result<> updated = set.update();
        QVERIFY(!updated);
        QCOMPARE(updated.error(), QStringLiteral("the engine refuses"));
        QCOMPARE(set.value(2), QStringLiteral("first line\r\nsecond line"));
    }

    void emptyRecordSet()
    {
        RecordSet set =
            openCargoes(QStringLiteral("select CleaningA.[Abbreviated Name] from CleaningA where 0 "
                                       "order by CleaningA.[Abbreviated Name]"));
        QCOMPARE(set.recordCount(), 0);
        QVERIFY(!set.hasCurrent());
        QVERIFY(!set.bookmark().isValid());
        QVERIFY(!set.findFirst(QStringLiteral("CleaningA.[Abbreviated Name] = 'ACETONE'")));
        QVERIFY(set.noMatch());
        set.move(1);
        QVERIFY(!set.hasCurrent());
        QVERIFY(set.clone().recordCount() == 0);
        QVERIFY(RecordSet().value(0).isNull());
        QVERIFY(!RecordSet().findFirst(QStringLiteral("A = 'B'")));
    }

    void refusedSource()
    {
        const Result<RecordSet> set =
            RecordSet::open(m_database, QStringLiteral("select [Nothing] from CleaningA"));
        QVERIFY(!set);
        QVERIFY(set.error().contains(QStringLiteral("Nothing")));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestRecordSet)
#include "tst_recordset.moc"
