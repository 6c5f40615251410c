#include "data/RecordSet.h"
#include "data/RecordSources.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "support/TestSupport.h"

#include <QSqlQuery>

#include <sqlite3.h>

#include <csignal>
#include <sys/resource.h>

// A save is one transaction that is on disk when it is reported, and an engine that refuses it leaves
// the record as it was and says why, in its own words.
class TestDurableSave : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;

    QString path() const { return m_folder.filePath(Schema::CleaningFile); }

    Result<RecordSet> openCargoes() const
    {
        const Result<Database> database = Store(m_folder.path()).open(Schema::CleaningFile);
        if (!database)
            return Failure{database.error()};
        return RecordSet::open(*database, RecordSources::DtaA);
    }

    // The notes of XYLENE-M as another program reads them from the file.
    QString storedNote() const
    {
        sqlite3* db = nullptr;
        sqlite3_open_v2(QFile::encodeName(path()).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* select = nullptr;
        sqlite3_prepare_v2(db,
                           "select \"Personal Notes\" from CleaningA where \"Abbreviated Name\" = 'XYLENE-M'",
                           -1, &select, nullptr);
        QString note = QStringLiteral("(no row)");
        if (sqlite3_step(select) == SQLITE_ROW)
            note = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(select, 0)));
        sqlite3_finalize(select);
        sqlite3_close(db);
        return note;
    }

    // Sets the file's write version, which SQLite honours even for root: 3 makes it read-only.
    void setWriteVersion(char version) const
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.seek(18);
        file.write(&version, 1);
    }

private Q_SLOTS:
    void init() { m_folder.copySampleDatabases(); }

    void everyCommitIsSynced()
    {
        const Result<Database> database = Store(m_folder.path()).open(Schema::CleaningFile);
        QVERIFY2(database, qPrintable(database.error()));
        QSqlQuery query(database->connection());
        QVERIFY(query.exec(QStringLiteral("PRAGMA synchronous")) && query.next());
        QCOMPARE(query.value(0).toInt(), 3); // EXTRA: FULL, and the folder synced after the journal goes
        QVERIFY(query.exec(QStringLiteral("PRAGMA journal_mode")) && query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("delete"));
    }

    void engineErrors_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("error");
        // What stands in the way and what to do about it, then the engine's words.
        QTest::newRow("locked by another program")
            << QStringLiteral("lock")
            << QStringLiteral("The database \"%1\" is in use by another program, which has locked it. Close "
                              "that program, or wait until it has finished, and try again. (database is "
                              "locked)");
        QTest::newRow("read-only")
            << QStringLiteral("read-only")
            << QStringLiteral("The database \"%1\" is read-only, so nothing can be saved in it. Make the "
                              "file and its folder writable for you, or use a data folder of your own "
                              "(--data-dir). (attempt to write a readonly database)");
        // The system refuses to write past the limit, as a full disk refuses to write at all.
        QTest::newRow("no room to grow")
            << QStringLiteral("full")
            << QStringLiteral("The disk that holds the database \"%1\" could not be written or read: it "
                              "may be full or no longer there. Free some space on it, or check the disk, "
                              "and try again. (disk I/O error)");
    }

    void engineErrors()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, error);
        if (obstacle == QLatin1String("read-only"))
            setWriteVersion(3);
        Result<RecordSet> cargoes = openCargoes();
        QVERIFY2(cargoes, qPrintable(cargoes.error()));
        cargoes->move(cargoes->recordCount() - 1);
        QCOMPARE(cargoes->value(0), QStringLiteral("XYLENE-M"));
        const int notes = cargoes->fieldIndex(QStringLiteral("Personal Notes"));

        sqlite3* other = nullptr;
        rlimit fileSize{};
        getrlimit(RLIMIT_FSIZE, &fileSize);
        if (obstacle == QLatin1String("lock")) {
            sqlite3_open(QFile::encodeName(path()).constData(), &other);
            QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        } else if (obstacle == QLatin1String("full")) {
            // The file may not grow: a long note finds no room.
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit full = fileSize;
            full.rlim_cur = rlim_t(QFileInfo(path()).size());
            setrlimit(RLIMIT_FSIZE, &full);
        }
        const QString note = QStringLiteral("Ø – a long note\r\n").repeated(20000);
        QVERIFY(cargoes->edit());
        QVERIFY(cargoes->setValue(notes, note));
        const Result<> written = cargoes->update();
        setrlimit(RLIMIT_FSIZE, &fileSize);
        sqlite3_close(other);

        QVERIFY(!written);
        QCOMPARE(written.error(), error.arg(path()));
        QVERIFY(cargoes->value(notes).isNull());
        QCOMPARE(storedNote(), QString());
        QVERIFY(!QFileInfo::exists(path() + QStringLiteral("-journal")));

        // Once the obstacle is gone, the same save goes through.
        if (obstacle == QLatin1String("read-only"))
            return;
        QVERIFY(cargoes->edit());
        QVERIFY(cargoes->setValue(notes, note));
        const Result<> rewritten = cargoes->update();
        QVERIFY2(rewritten, qPrintable(rewritten.error()));
        QCOMPARE(storedNote(), note);
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestDurableSave)
#include "tst_durablesave.moc"
