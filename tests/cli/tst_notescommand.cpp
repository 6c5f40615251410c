#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <sqlite3.h>

// velcarin-cli notes export and import, and the notes that an import of a new operator database carries
// over from the one it replaces.
namespace {

const QByteArray SampleNotes(
    "[\n"
    "  {\"name\": \"ACETONE\", \"id\": \"1003\", \"notes\": \"Sample note: last wall wash passed at 3rd "
    "attempt.\"},\n"
    "  {\"name\": \"BENZENE\", \"id\": \"1010\", \"notes\": \"Breathing apparatus kept ready at the tank "
    "hatch "
    "(sample note).\"},\n"
    "  {\"name\": \"STYRENE MONOMER\", \"id\": \"1058\", \"notes\": \"Inhibitor certificate checked before "
    "loading.\\r\\nHeating coils blanked. Tank 3P was re-washed twice.\\r\\nNote from Chief Officer "
    "Bj\xC3\xB8rn S\xC3\xA6ther \xE2\x80\x93 \xE2\x80\x9Ckeep the line flushed\xE2\x80\x9D: 20 \xC2\xB0"
    "C max.\"}\n"
    "]\n");

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QStringList lines(const QString& text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The lines an import prints about the cargo database, not those about the databases it skips.
QStringList cleaningLines(const QString& text)
{
    return lines(text).filter(QRegularExpression(QStringLiteral("^(cleaning\\.mdb| )")));
}

// The notes of a cargo as another program reads them, byte for byte; rows of equal names joined by |.
QByteArray notesOf(const QString& database, const QString& cargo)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(database).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(
        db, "select \"Personal Notes\" from CleaningA where \"Abbreviated Name\" = ? order by rowid", -1,
        &select, nullptr);
    const QByteArray name = cargo.toUtf8();
    sqlite3_bind_text(select, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
    QByteArrayList notes;
    while (sqlite3_step(select) == SQLITE_ROW)
        notes << (sqlite3_column_type(select, 0) == SQLITE_NULL
                      ? QByteArray("NULL")
                      : QByteArray(static_cast<const char*>(sqlite3_column_blob(select, 0)),
                                   sqlite3_column_bytes(select, 0)));
    sqlite3_finalize(select);
    sqlite3_close(db);
    return notes.isEmpty() ? QByteArray("(no cargo)") : notes.join('|');
}

// What an import of the legacy cleaning.mdb says of its two cargoes of one name.
const QString EthylAcetateTwice = QStringLiteral(
    "cleaning.mdb: the name \"ETHYL ACETATE\" is found 2 times in the table \"CleaningA\" (rows 17 and 20)");

QString legacyCleaningFile()
{
    return qEnvironmentVariable("VELCARIN_TEST_DATA") + QStringLiteral("/legacy-access/cleaning.mdb");
}

} // namespace

class TestNotesCommand : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestDataFolder> m_data;

    QString cleaning() const { return m_data->filePath(QStringLiteral("cleaning.mdb")); }
    QString file(const QString& name) const { return m_data->filePath(name); }

    CliRun notes(const QString& action, const QString& path, const QStringList& more = {}) const
    {
        return runCli(
            QStringList{QStringLiteral("notes"), action, path, QStringLiteral("--data-dir"), m_data->path()} +
            more);
    }

    CliRun importReplacing(const QString& source) const
    {
        return runCli({QStringLiteral("import"), source, QStringLiteral("--data-dir"), m_data->path(),
                       QStringLiteral("--replace")});
    }

private Q_SLOTS:
    void init()
    {
        m_data = std::make_unique<TestDataFolder>();
        m_data->copySampleDatabases();
    }

    void exportWritesEveryNote()
    {
        const CliRun run = notes(QStringLiteral("export"), file(QStringLiteral("notes.json")));
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out, QStringLiteral("personal notes written to %1: 3\n")
                              .arg(shown(file(QStringLiteral("notes.json")))));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(contentOf(file(QStringLiteral("notes.json"))), SampleNotes);

        const CliRun json =
            notes(QStringLiteral("export"), file(QStringLiteral("again.json")), {QStringLiteral("--json")});
        QCOMPARE(json.out,
                 QStringLiteral("{\"file\":\"%1\",\"notes\":3}\n").arg(file(QStringLiteral("again.json"))));
        QCOMPARE(contentOf(file(QStringLiteral("again.json"))), SampleNotes);
    }

    void importPlacesNotes_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QStringList>("err");
        QTest::addColumn<QByteArray>("acetone");
        QTest::addColumn<QByteArray>("toluene");

        const QByteArray acetone("Sample note: last wall wash passed at 3rd attempt.");
        const QByteArray mixed("[{\"name\": \"TOLUENE\", \"id\": \"1061\", \"notes\": \"t\\r\\n\xC3\xB8\"},"
                               " {\"name\": \"ACETONE\", \"id\": \"1003\", \"notes\": \"other\"},"
                               " {\"name\": \"GHOST\", \"id\": \"9\", \"notes\": \"g\"}]");
        const QByteArray filled("t\r\n\xC3\xB8");
        QTest::newRow("every note there already")
            << SampleNotes << false << 0
            << QStringLiteral("notes filled in: 0, already there: 3, replaced: 0\n") << QStringList()
            << acetone << QByteArray("NULL");
        QTest::newRow("filled, different kept, no cargo")
            << mixed << false << 1 << QStringLiteral("notes filled in: 1, already there: 0, replaced: 0\n")
            << QStringList{"ACETONE (ID 1003): the cargo holds a different note",
                           "GHOST (ID 9): no cargo has this name and ID number",
                           "a cargo's own different note is kept; --replace replaces it"}
            << acetone << filled;
        QTest::newRow("different replaced")
            << mixed << true << 1
            << QStringLiteral("ACETONE (ID 1003): the note it held is replaced\n"
                              "notes filled in: 1, already there: 0, replaced: 1\n")
            << QStringList{"GHOST (ID 9): no cargo has this name and ID number"} << QByteArray("other")
            << filled;
        QTest::newRow("a cargo named again")
            << QByteArray("[{\"name\": \"TOLUENE\", \"id\": \"1061\", \"notes\": \"t\"},"
                          " {\"name\": \"TOLUENE\", \"id\": \"1061\", \"notes\": \"t\"},"
                          " {\"name\": \"TOLUENE\", \"id\": \"1061\", \"notes\": \"other\"},"
                          " {\"name\": \"ACETONE\", \"id\": \"1003\", \"notes\": \"other\"},"
                          " {\"name\": \"ACETONE\", \"id\": \"1003\", \"notes\": \"again\"}]")
            << false << 1
            << QStringLiteral("TOLUENE (ID 1061): named again in the file, with the same note\n"
                              "notes filled in: 1, already there: 0, replaced: 0\n")
            << QStringList{"ACETONE (ID 1003): the cargo holds a different note",
                           "TOLUENE (ID 1061): named again in the file, with a different note; the cargo "
                           "holds the note named first, not this one",
                           "ACETONE (ID 1003): named again in the file, with a different note; the cargo "
                           "keeps its own, neither of these",
                           "a cargo's own different note is kept; --replace replaces it"}
            << acetone << QByteArray("t");
        QTest::newRow("replaced, every note placed")
            << QByteArray("[{\"name\": \"ACETONE\", \"id\": \"1003\", \"notes\": \"other\"}]") << true << 0
            << QStringLiteral("ACETONE (ID 1003): the note it held is replaced\n"
                              "notes filled in: 0, already there: 0, replaced: 1\n")
            << QStringList() << QByteArray("other") << QByteArray("NULL");
    }

    void importPlacesNotes()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, replace);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QStringList, err);
        QFETCH(QByteArray, acetone);
        QFETCH(QByteArray, toluene);
        m_data->writeFile(QStringLiteral("notes.json"), json);
        const CliRun run = notes(QStringLiteral("import"), file(QStringLiteral("notes.json")),
                                 replace ? QStringList{QStringLiteral("--replace")} : QStringList());
        QCOMPARE(lines(run.err), err);
        QCOMPARE(run.out, out);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(notesOf(cleaning(), QStringLiteral("ACETONE")), acetone);
        QCOMPARE(notesOf(cleaning(), QStringLiteral("TOLUENE")), toluene);
    }

    void importReportsAsJson()
    {
        m_data->writeFile(QStringLiteral("notes.json"),
                          "[{\"name\": \"TOLUENE\", \"id\": \"1061\", \"notes\": \"t\"},"
                          " {\"name\": \"GHOST\", \"id\": \"9\", \"notes\": \"g\"}]");
        const CliRun run =
            notes(QStringLiteral("import"), file(QStringLiteral("notes.json")), {QStringLiteral("--json")});
        QCOMPARE(run.out,
                 QStringLiteral("{\"different\":[],\"equal\":[],\"filled\":[{\"id\":\"1061\",\"name\":"
                                "\"TOLUENE\"}],\"noCargo\":[{\"id\":\"9\",\"name\":\"GHOST\"}],"
                                "\"repeated\":[],\"repeatedSame\":[],\"replaced\":[]}\n"));
        QCOMPARE(run.exitCode, 1);
    }

    void importIsAllOrNothing()
    {
        m_data->runSql(QStringLiteral("cleaning.mdb"),
                       QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON CleaningA WHEN "
                                      "old.\"Abbreviated Name\" = 'XYLENE-M' BEGIN "
                                      "SELECT raise(abort, 'the engine refuses'); END;"));
        m_data->writeFile(QStringLiteral("notes.json"),
                          "[{\"name\": \"TOLUENE\", \"id\": \"1061\", \"notes\": \"t\"},"
                          " {\"name\": \"XYLENE-M\", \"id\": \"1069\", \"notes\": \"x\"}]");
        const CliRun run = notes(QStringLiteral("import"), file(QStringLiteral("notes.json")));
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(lines(run.err), QStringList{QStringLiteral("no note was put back: the engine refuses")});
        QCOMPARE(notesOf(cleaning(), QStringLiteral("TOLUENE")), QByteArray("NULL"));
    }

    void badUse_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after notes; --data-dir is added
        QTest::addColumn<QString>("err");           // the start of the first line
        QTest::newRow("no file") << QStringList{"export"}
                                 << QStringLiteral("usage: velcarin-cli notes export FILE");
        QTest::newRow("unknown action")
            << QStringList{"print", "x.json"} << QStringLiteral("usage: velcarin-cli notes export FILE");
        QTest::newRow("export --replace") << QStringList{"export", "x.json", "--replace"}
                                          << QStringLiteral("usage: velcarin-cli notes export FILE");
        QTest::newRow("no such file")
            << QStringList{"import", "missing.json"} << QStringLiteral("cannot read ");
        QTest::newRow("not JSON") << QStringList{"import", "bad.json"}
                                  << QStringLiteral(
                                         "bad.json: not JSON: line 1, column 20: the text ends too early\n");
        QTest::newRow("not a list") << QStringList{"import", "object.json"}
                                    << QStringLiteral("object.json: not a list of notes");
        QTest::newRow("no folder to write in")
            << QStringList{"export", "no/such/folder.json"} << QStringLiteral("cannot write ");
        QTest::newRow("a device without an end")
            << QStringList{"import", "/dev/zero"}
            << QStringLiteral("/dev/zero: a device, not a file of notes\n");
        QTest::newRow("larger than notes can be")
            << QStringList{"import", "large.json"}
            << QStringLiteral("large.json: more than 256 MB, larger than a file of notes can be\n");
    }

    void badUse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        m_data->writeFile(QStringLiteral("bad.json"), "[{\"name\": \"TOLUENE\"");
        m_data->writeFile(QStringLiteral("object.json"), "{\"name\": \"TOLUENE\"}");
        QFile large(m_data->filePath(QStringLiteral("large.json")));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(256 * 1024 * 1024 + 1));
        const QByteArray before = contentOf(cleaning());
        QDir::setCurrent(m_data->path());
        const CliRun run = runCli(QStringList{QStringLiteral("notes")} + arguments +
                                  QStringList{QStringLiteral("--data-dir"), m_data->path()});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith(err), qPrintable(run.err));
        QCOMPARE(run.out, QString());
        QCOMPARE(contentOf(cleaning()), before);
    }

    void exportOntoAFullDiskKeepsTheOldFile()
    {
        const SmallFileSystem disk;
        if (!disk.isMounted())
            QSKIP("a full disk needs a file system of its own, which only root can mount");
        const QString exported = disk.filePath(QStringLiteral("notes.json"));
        QCOMPARE(notes(QStringLiteral("export"), exported).exitCode, 0);
        disk.fillLeaving(0);
        const CliRun run = notes(QStringLiteral("export"), exported);
        QCOMPARE(run.err, QStringLiteral("cannot write %1: No space left on device\n").arg(shown(exported)));
        QCOMPARE(run.out, QString());
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(contentOf(exported), SampleNotes);
        QCOMPARE(QFileInfo(exported).dir().entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral("filler"), QStringLiteral("notes.json")}));
    }

    void notesWithoutRoomStopTheImport()
    {
        const SmallFileSystem disk;
        if (!disk.isMounted())
            QSKIP("a full disk needs a file system of its own, which only root can mount");
        TestDataFolder source;
        source.writeFile(QStringLiteral("cleaning.mdb"), contentOf(legacyCleaningFile()));
        // Room for the new cargo database, but none for the note whose cargo it does not have.
        TestDataFolder converted;
        runCli({QStringLiteral("import"), source.path(), QStringLiteral("--data-dir"), converted.path()});
        m_data->createDatabase(
            QStringLiteral("old.mdb"),
            QStringLiteral("CREATE TABLE CleaningA (\"Abbreviated Name\" TEXT, \"ID  Number\" "
                           "TEXT, \"Personal Notes\" TEXT);"
                           "INSERT INTO CleaningA VALUES ('GHOST', '9', 'Gone');"));
        const QDir data(disk.filePath(QStringLiteral("data")));
        QVERIFY(data.mkpath(QStringLiteral(".")));
        QVERIFY(QFile::copy(file(QStringLiteral("old.mdb")), data.filePath(QStringLiteral("cleaning.mdb"))));
        disk.fillLeaving(QFileInfo(converted.filePath(QStringLiteral("cleaning.mdb"))).size());

        const CliRun run = runCli({QStringLiteral("import"), source.path(), QStringLiteral("--data-dir"),
                                   data.path(), QStringLiteral("--replace")});
        QCOMPARE(
            cleaningLines(run.err),
            QStringList{QStringLiteral("cleaning.mdb: the personal notes that find no cargo cannot be "
                                       "written to \"%1\": No space left on device; nothing was replaced.")
                            .arg(shown(data.filePath(QStringLiteral("cleaning.mdb.notes.json"))))});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(contentOf(data.filePath(QStringLiteral("cleaning.mdb"))),
                 contentOf(file(QStringLiteral("old.mdb"))));
        QCOMPARE(data.entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("cleaning.mdb")});
    }

    void noDataFolder()
    {
        const CliRun run =
            runCli({QStringLiteral("notes"), QStringLiteral("export"), file(QStringLiteral("n.json")),
                    QStringLiteral("--data-dir"), file(QStringLiteral("nowhere"))});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.startsWith(QStringLiteral("The data folder ")));
        QVERIFY(!QFileInfo::exists(file(QStringLiteral("n.json"))));
    }

    void newOperatorDatabaseKeepsTheNotes()
    {
        // The officer's notes: one for a cargo whose note in the new database is empty, one equal to it,
        // one different from it, one for a cargo the new database does not have, and a second one for a
        // cargo the new database has once.
        m_data->createDatabase(
            QStringLiteral("cleaning.mdb"),
            QString::fromUtf8(
                "CREATE TABLE CleaningA (\"Abbreviated Name\" TEXT, \"ID  Number\" TEXT, "
                "\"Personal Notes\" TEXT);"
                "INSERT INTO CleaningA VALUES ('ALLYL ALCOHOL', '1028', 'Mine.' || char(13, 10) || "
                "'Line 2 \xC3\xB8');"
                "INSERT INTO CleaningA VALUES ('ALLYL ALCOHOL', '1028', 'Second row');"
                "INSERT INTO CleaningA VALUES ('ACETONE', '1007', 'Short fresh water rinse was enough "
                "on the last voyage (sample note).');"
                "INSERT INTO CleaningA VALUES ('BENZENE', '1049', 'My own benzene note');"
                "INSERT INTO CleaningA VALUES ('GHOST', '9', 'Gone');"
                "INSERT INTO CleaningA VALUES ('TOLUENE', '1', NULL);"));
        const QByteArray old = contentOf(cleaning());
        TestDataFolder source;
        source.writeFile(QStringLiteral("cleaning.mdb"), contentOf(legacyCleaningFile()));
        // A file of left-over notes from an earlier import stays as it is.
        m_data->writeFile(QStringLiteral("cleaning.mdb.notes.json"), "earlier");

        const CliRun run = importReplacing(source.path());
        const QString leftOver = file(QStringLiteral("cleaning.mdb.notes.1.json"));
        QCOMPARE(
            cleaningLines(run.out),
            (QStringList{QStringLiteral("cleaning.mdb: 1 table, 62 rows (CleaningA 62)"),
                         QStringLiteral("cleaning.mdb: the database it replaces is kept as %1")
                             .arg(shown(cleaning() + QStringLiteral(".bak"))),
                         QStringLiteral("cleaning.mdb: 2 personal notes of the database it replaces carried "
                                        "into it")}));
        QCOMPARE(lines(run.err),
                 (QStringList{
                     EthylAcetateTwice,
                     QStringLiteral("cleaning.mdb: 3 personal notes find no place in it and are kept "
                                    "in %1:")
                         .arg(shown(leftOver)),
                     QStringLiteral("  BENZENE (ID 1049): the cargo holds a different note"),
                     QStringLiteral("  GHOST (ID 9): no cargo has this name and ID number"),
                     QStringLiteral("  ALLYL ALCOHOL (ID 1028): named again in the database it replaces, "
                                    "with a different note; the cargo holds the note named first, not this "
                                    "one")}));
        QCOMPARE(run.exitCode, 0);

        QCOMPARE(notesOf(cleaning(), QStringLiteral("ALLYL ALCOHOL")),
                 QByteArray("Mine.\r\nLine 2 \xC3\xB8"));
        QCOMPARE(notesOf(cleaning(), QStringLiteral("ACETONE")),
                 QByteArray("Short fresh water rinse was enough on the last voyage (sample note)."));
        QCOMPARE(notesOf(cleaning(), QStringLiteral("BENZENE")),
                 QByteArray("Breathing apparatus kept ready at the tank hatch (sample note)."));
        QCOMPARE(
            contentOf(leftOver),
            QByteArray("[\n"
                       "  {\"name\": \"BENZENE\", \"id\": \"1049\", \"notes\": \"My own benzene note\"},\n"
                       "  {\"name\": \"GHOST\", \"id\": \"9\", \"notes\": \"Gone\"},\n"
                       "  {\"name\": \"ALLYL ALCOHOL\", \"id\": \"1028\", \"notes\": \"Second row\"}\n"
                       "]\n"));
        QCOMPARE(contentOf(cleaning() + QStringLiteral(".bak")), old);
        QCOMPARE(contentOf(file(QStringLiteral("cleaning.mdb.notes.json"))), QByteArray("earlier"));

        // The left-over notes go in once their cargoes are there, for example by hand.
        const CliRun back = notes(QStringLiteral("import"), leftOver, {QStringLiteral("--replace")});
        QCOMPARE(back.exitCode, 1);
        QCOMPARE(notesOf(cleaning(), QStringLiteral("BENZENE")), QByteArray("My own benzene note"));
    }

    void notesOfAnAccessDatabaseAreCarriedToo()
    {
        // Replaced by itself: every one of its four notes finds its own again.
        m_data->writeFile(QStringLiteral("cleaning.mdb"), contentOf(legacyCleaningFile()));
        TestDataFolder source;
        source.writeFile(QStringLiteral("cleaning.mdb"), contentOf(legacyCleaningFile()));
        const CliRun run = importReplacing(source.path());
        QCOMPARE(lines(run.err), QStringList{EthylAcetateTwice});
        QCOMPARE(
            cleaningLines(run.out).last(),
            QStringLiteral("cleaning.mdb: 4 personal notes of the database it replaces carried into it"));
        QCOMPARE(run.exitCode, 0);
    }

    void notesThatCannotBeReadStopTheImport()
    {
        m_data->writeFile(QStringLiteral("cleaning.mdb"),
                          QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\xff'));
        const QByteArray before = contentOf(cleaning());
        TestDataFolder source;
        source.writeFile(QStringLiteral("cleaning.mdb"), contentOf(legacyCleaningFile()));
        const CliRun run = importReplacing(source.path());
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(lines(run.err),
                 QStringList{
                     QStringLiteral("cleaning.mdb: the personal notes of \"%1\" cannot be read: The "
                                    "database \"%1\" is damaged. Replace it with a sound copy, for example "
                                    "from a backup. (file is not a database); nothing was replaced.")
                         .arg(shown(cleaning()))});
        QCOMPARE(contentOf(cleaning()), before);
        QVERIFY(!QFileInfo::exists(cleaning() + QStringLiteral(".bak")));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestNotesCommand)
#include "tst_notescommand.moc"
