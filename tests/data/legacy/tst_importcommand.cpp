#include "data/Schema.h"
#include "data/legacy/LegacyFixtures.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

namespace {

using Run = CliRun;

Run velcarinCli(const QStringList& arguments)
{
    return runCli(arguments);
}

// The lines of velcarin-cli's own; libmdb reports on damaged files on its own lines too.
QStringList linesNaming(const QString& text, const QString& fileName)
{
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(fileName))
            lines << line;
    }
    return lines;
}

void copyLegacyFiles(const TestDataFolder& folder)
{
    for (const DatabaseSchema& schema : Schema::databases())
        folder.writeFile(schema.fileName, contentOf(legacyFile(schema.fileName)));
}

// The fixture cleaning.mdb holds two cargoes of one name.
const QString EthylAcetateTwice = QStringLiteral("cleaning.mdb: the name \"ETHYL ACETATE\" is found 2 times "
                                                 "in the table \"CleaningA\" (rows 17 and 20)\n");

const QStringList Imported{
    QStringLiteral("cleaning.mdb: 1 table, 62 rows (CleaningA 62)"),
    QStringLiteral("Jo Tankers.mdb: 1 table, 22 rows (Cargoes 22)"),
    QStringLiteral("Henkel.mdb: 3 tables, 31 rows (VegOils 11, Additional 10, Solutions 10)"),
    QStringLiteral("unitor.mdb: 1 table, 26 rows (Unitor 26)"),
};

} // namespace

class TestImportCommand : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void importsTheFourDatabases()
    {
        TestDataFolder source;
        TestDataFolder data;
        copyLegacyFiles(source);
        const Run run =
            velcarinCli({QStringLiteral("import"), source.path(), QStringLiteral("--data-dir"), data.path()});
        QCOMPARE(run.err, EthylAcetateTwice);
        QCOMPARE(run.out, Imported.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QCOMPARE(run.exitCode, 0);
        for (const DatabaseSchema& schema : Schema::databases()) {
            QCOMPARE(contentOf(data.filePath(schema.fileName)).left(16), QByteArray("SQLite format 3\0", 16));
            QCOMPARE(contentOf(source.filePath(schema.fileName)), contentOf(legacyFile(schema.fileName)));
        }
    }

    void replacesOnlyWhenTold()
    {
        TestDataFolder source;
        TestDataFolder data;
        copyLegacyFiles(source);
        data.copySampleDatabases();
        // Without notes to carry into the new cargo database, which tst_notescommand looks at.
        data.runSql(Schema::CleaningFile, QStringLiteral("UPDATE CleaningA SET \"Personal Notes\" = NULL;"));
        QHash<QString, QByteArray> before;
        for (const DatabaseSchema& schema : Schema::databases())
            before.insert(schema.fileName, contentOf(data.filePath(schema.fileName)));

        const QStringList arguments{QStringLiteral("import"), source.path(), QStringLiteral("--data-dir"),
                                    data.path()};
        const Run refused = velcarinCli(arguments);
        QCOMPARE(refused.exitCode, 1);
        QStringList messages;
        for (const DatabaseSchema& schema : Schema::databases()) {
            messages << QStringLiteral(
                            "%1: %2 exists and is left as it is (--replace replaces it and keeps it as "
                            "%1.bak)")
                            .arg(schema.fileName, QDir::toNativeSeparators(data.filePath(schema.fileName)));
            QCOMPARE(contentOf(data.filePath(schema.fileName)), before.value(schema.fileName));
        }
        QCOMPARE(refused.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts), messages);
        QCOMPARE(refused.out, QString());

        const Run replaced = velcarinCli(arguments + QStringList{QStringLiteral("--replace")});
        QCOMPARE(replaced.err, EthylAcetateTwice);
        QCOMPARE(replaced.exitCode, 0);
        QStringList lines;
        for (qsizetype i = 0; i < Imported.size(); ++i) {
            const QString fileName = Schema::databases().at(i).fileName;
            lines << Imported.at(i)
                  << QStringLiteral("%1: the database it replaces is kept as %2")
                         .arg(fileName,
                              QDir::toNativeSeparators(data.filePath(fileName + QStringLiteral(".bak"))));
            QCOMPARE(contentOf(data.filePath(fileName + QStringLiteral(".bak"))), before.value(fileName));
        }
        QCOMPARE(replaced.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), lines);
    }

    void aFailedImportReplacesNothing()
    {
        TestDataFolder source;
        TestDataFolder data;
        data.copySampleDatabases();
        const QByteArray before = contentOf(data.filePath(Schema::CleaningFile));
        source.writeFile(Schema::CleaningFile, contentOf(legacyFile(Schema::CleaningFile)).left(155648));
        const Run run = velcarinCli({QStringLiteral("import"), source.path(), QStringLiteral("--data-dir"),
                                     data.path(), QStringLiteral("--replace")});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(linesNaming(run.err, Schema::CleaningFile),
                 QStringList{QStringLiteral("cleaning.mdb: The Access file \"%1\" is damaged: the table "
                                            "\"CleaningA\" records 62 rows, but 59 can be read.")
                                 .arg(QDir::toNativeSeparators(source.filePath(Schema::CleaningFile)))});
        QCOMPARE(contentOf(data.filePath(Schema::CleaningFile)), before);
        QCOMPARE(QDir(data.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
                 4);
    }

    void refusesDamagedFilesAtOnce_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("problem");
        const QByteArray cargoes = contentOf(legacyFile(Schema::CleaningFile));
        const QString remarks = QStringLiteral(
            "the table \"CleaningA\" has a value that cannot be read in the column \"Remarks\" "
            "of row 33");
        QTest::newRow("a memo piece that holds only its link to itself")
            << DamagedMemo::withEmptyPieceLinkedToItself(cargoes)
            << remarks + QStringLiteral(": its pieces run in a loop");
        QTest::newRow("a memo piece linked to itself")
            << DamagedMemo::withPieceLinkedToItself(cargoes)
            << remarks + QStringLiteral(": its pieces run in a loop");
        QTest::newRow("a memo piece linked to itself, the memo 200 MB long")
            << DamagedMemo::withLength(DamagedMemo::withPieceLinkedToItself(cargoes), 200000000)
            << remarks + QStringLiteral(": it claims 200000000 bytes, more than the whole file holds");
        QTest::newRow("a memo as long as it can be")
            << DamagedMemo::withLength(DamagedMemo::withPieceLinkedToItself(cargoes), 0x3fffffff)
            << remarks + QStringLiteral(": it claims 1073741823 bytes, more than the whole file holds");
        QTest::newRow("a memo one byte longer than the file")
            << DamagedMemo::withLength(cargoes, 159745)
            << remarks + QStringLiteral(": it claims 159745 bytes, more than the whole file holds");
        QTest::newRow("a memo as long as the file") << DamagedMemo::withLength(cargoes, 159744) << remarks;
        for (const int length : {155700, 159743, 100, 4097})
            QTest::addRow("cut off at %d bytes", length)
                << cargoes.left(length)
                << QStringLiteral("it is cut off (%1 bytes, not a whole number of its 4096-byte pages)")
                       .arg(length);
        // libmdb complains of these and goes on; every row can still be read.
        QTest::newRow("a page map naming a page of long values")
            << withPageInCargoMap(cargoes, 33)
            << QStringLiteral("the page map of a table names page 33, which is none of its pages");
        QTest::newRow("a page map naming a page beyond the end")
            << withPageInCargoMap(cargoes, 100)
            << QStringLiteral("it ends before byte 409600, which it refers to");
        // Found by the fuzzer: a date of the system table whose days lie far beyond the year 9999.
        QTest::newRow("a date outside the calendar")
            << contentOf(legacyFile(QStringLiteral("damaged/cleaning-date-outside-the-calendar.mdb")))
            << QStringLiteral("the table \"MSysObjects\" has a value that cannot be read in the column "
                              "\"DateCreate\" of row 2: a date outside the years 100 to 9999");
        // Found by the fuzzer: libmdb would walk the missing page map through a null pointer.
        QTest::newRow("the system table's page map missing")
            << withPageMapRowMissing(cargoes, 2) << QStringLiteral("its list of tables cannot be read");
        QTest::newRow("a table's page map missing")
            << withPageMapRowMissing(cargoes, 24)
            << QStringLiteral("the definition of the table \"CleaningA\" cannot be read");
        QTest::newRow("cut off after page 37")
            << cargoes.left(151552)
            << QStringLiteral("the table \"CleaningA\" records 62 rows, but 44 can be read");
    }

    void refusesDamagedFilesAtOnce()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        TestDataFolder source;
        TestDataFolder data;
        source.writeFile(Schema::CleaningFile, content);
        QElapsedTimer time;
        time.start();
        const Run run =
            velcarinCli({QStringLiteral("import"), source.path(), QStringLiteral("--data-dir"), data.path()});
        QCOMPARE_LT(time.elapsed(), 10000);
        QCOMPARE(run.exitCode, 1);
        // In our words only: nothing that libmdb prints reaches the officer.
        QCOMPARE(run.err, QStringLiteral("cleaning.mdb: The Access file \"%1\" is damaged: %2.\n")
                              .arg(QDir::toNativeSeparators(source.filePath(Schema::CleaningFile)), problem));
        QCOMPARE(QDir(data.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
        QCOMPARE(contentOf(source.filePath(Schema::CleaningFile)), content);
    }

    void refusesWhatIsNoAccessFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("text") << QByteArray("ACETONE;1;A;6\n")
                              << QStringLiteral("The file \"%1\" is not a Microsoft Access database.");
        QTest::newRow("empty") << QByteArray()
                               << QStringLiteral("The file \"%1\" is not a Microsoft Access database.");
        QTest::newRow("SQLite") << QByteArray("SQLite format 3\0", 16)
                                << QStringLiteral(
                                       "The file \"%1\" is already a SQLite database, not a Microsoft "
                                       "Access database.");
        const QByteArray signature("\x00\x01\x00\x00Standard Jet DB\x00\x01\x00\x00\x00", 24);
        QTest::newRow("Access signature only")
            << signature
            << QStringLiteral(
                   "The Access file \"%1\" is damaged: it is cut off (24 bytes, not a whole number of "
                   "its 4096-byte pages).");
        QTest::newRow("Access signature on a page of its own")
            << signature + QByteArray(4096 - 24, '\0')
            << QStringLiteral("The Access file \"%1\" is damaged: its list of tables cannot be read.");
    }

    void refusesWhatIsNoAccessFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        TestDataFolder source;
        TestDataFolder data;
        source.writeFile(Schema::UnitorFile, content);
        const Run run =
            velcarinCli({QStringLiteral("import"), source.path(), QStringLiteral("--data-dir"), data.path()});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(linesNaming(run.err, Schema::UnitorFile),
                 QStringList{QStringLiteral("unitor.mdb: ") +
                             message.arg(QDir::toNativeSeparators(source.filePath(Schema::UnitorFile)))});
        QCOMPARE(QDir(data.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
        QCOMPARE(contentOf(source.filePath(Schema::UnitorFile)), content);
    }

    void reportsAMissingTable()
    {
        // A Unitor file under the Henkel name goes in, with word of the tables Velcarin will miss.
        TestDataFolder source;
        TestDataFolder data;
        source.writeFile(Schema::HenkelFile, contentOf(legacyFile(Schema::UnitorFile)));
        const Run run =
            velcarinCli({QStringLiteral("import"), source.path(), QStringLiteral("--data-dir"), data.path()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(linesNaming(run.out, Schema::HenkelFile),
                 QStringList{QStringLiteral("Henkel.mdb: 1 table, 26 rows (Unitor 26)")});
        QStringList warnings;
        for (const char* table : {"VegOils", "Additional", "Solutions"})
            warnings << QStringLiteral(
                            "Henkel.mdb: The Access file \"%1\" has no table \"%2\", which Velcarin reads.")
                            .arg(QDir::toNativeSeparators(source.filePath(Schema::HenkelFile)),
                                 QLatin1String(table));
        QCOMPARE(run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts), warnings);
    }

    void namesWhatItLeavesOut()
    {
        TestDataFolder source;
        source.writeFile(Schema::UnitorFile, contentOf(legacyFile(Schema::UnitorFile)));
        source.writeFile(QStringLiteral("HENKEL.MDB"), contentOf(legacyFile(Schema::HenkelFile)));
        source.writeFile(QStringLiteral(".cleaning.mdb.swp"), "x");
        QVERIFY(QDir(source.path()).mkdir(QStringLiteral("cleaning.mdb.d")));
        // A data folder that is not there yet, in one that is.
        TestDataFolder parent;
        const QString data = parent.filePath(QStringLiteral("ship"));
        const Run run =
            velcarinCli({QStringLiteral("import"), source.path(), QStringLiteral("--data-dir"), data});
        QCOMPARE(run.err, QString());
        QCOMPARE(
            run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
            (QStringList{
                QStringLiteral(".cleaning.mdb.swp: left out, not one of cleaning.mdb, Jo Tankers.mdb, "
                               "Henkel.mdb and unitor.mdb"),
                QStringLiteral("HENKEL.MDB: left out, the name differs from Henkel.mdb in the case of its "
                               "letters (renamed Henkel.mdb, it is imported)"),
                QStringLiteral("cleaning.mdb.d: left out, a folder"),
                QStringLiteral("made the folder %1").arg(QDir::toNativeSeparators(data)),
                QStringLiteral("cleaning.mdb: not in %1, skipped")
                    .arg(QDir::toNativeSeparators(source.path())),
                QStringLiteral("Jo Tankers.mdb: not in %1, skipped")
                    .arg(QDir::toNativeSeparators(source.path())),
                QStringLiteral("Henkel.mdb: not in %1, skipped").arg(QDir::toNativeSeparators(source.path())),
                Imported.last()}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QDir(data).entryList(QDir::Files | QDir::Hidden), QStringList{Schema::UnitorFile});
    }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("no folder") << QStringList{QStringLiteral("import")} << 2;
        QTest::newRow("two folders") << QStringList{QStringLiteral("import"), QStringLiteral("a"),
                                                    QStringLiteral("b")}
                                     << 2;
        QTest::newRow("folder missing")
            << QStringList{QStringLiteral("import"), QStringLiteral("/no/such/folder")} << 2;
        QTest::newRow("unknown option")
            << QStringList{QStringLiteral("import"), QStringLiteral("."), QStringLiteral("--overwrite")} << 2;
        QTest::newRow("no data folder")
            << QStringList{QStringLiteral("import"), QStringLiteral("."), QStringLiteral("--data-dir"),
                           QStringLiteral("/no/such/folder")}
            << 2;
    }

    void exitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QCOMPARE(velcarinCli(arguments).exitCode, exitCode);
    }

    void nothingToImport()
    {
        TestDataFolder source;
        TestDataFolder data;
        const Run run = velcarinCli({QStringLiteral("import"), source.path(), QStringLiteral("--data-dir"),
                                     data.filePath(QStringLiteral("new"))});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(!QFileInfo::exists(data.filePath(QStringLiteral("new"))));
        QCOMPARE(run.err,
                 QStringLiteral("none of cleaning.mdb, Jo Tankers.mdb, Henkel.mdb and unitor.mdb is in %1\n")
                     .arg(QDir::toNativeSeparators(source.path())));
    }

    void otherCommandsMigrateFirst()
    {
        TestDataFolder data;
        data.copySampleDatabases();
        data.writeFile(Schema::CleaningFile, contentOf(legacyFile(Schema::CleaningFile)));
        const Run run = velcarinCli({QStringLiteral("advise"), QStringLiteral("CRUDE OIL"),
                                     QStringLiteral("--data-dir"), data.path()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(
            run.err,
            QStringLiteral("cleaning.mdb was converted; its Access original is kept unchanged as \"%1\".\n")
                .arg(QDir::toNativeSeparators(data.filePath(QStringLiteral("cleaning.mdb.access")))));
        QVERIFY(run.out.contains(
            QLatin1String("\nPersonal Notes: Sample personal note, line 1: CRUDE OIL discharged "
                          "at sample port.\n    Line 2: tank 3S needed a second rinse.\n")));
        QCOMPARE(contentOf(data.filePath(QStringLiteral("cleaning.mdb.access"))),
                 contentOf(legacyFile(Schema::CleaningFile)));

        // A damaged one stays as it was, and the command says why it cannot go on.
        const QByteArray truncated = contentOf(legacyFile(Schema::CleaningFile)).left(110592);
        data.writeFile(Schema::CleaningFile, truncated);
        QFile::remove(data.filePath(QStringLiteral("cleaning.mdb.access")));
        const Run failed = velcarinCli({QStringLiteral("advise"), QStringLiteral("CRUDE OIL"),
                                        QStringLiteral("--data-dir"), data.path()});
        QCOMPARE(failed.exitCode, 2);
        QCOMPARE(linesNaming(failed.err, Schema::CleaningFile),
                 QStringList{QStringLiteral(
                     "cleaning.mdb could not be converted from Microsoft Access and is left as "
                     "it was.")});
        QCOMPARE(contentOf(data.filePath(Schema::CleaningFile)), truncated);
        QVERIFY(!QFile::exists(data.filePath(QStringLiteral("cleaning.mdb.access"))));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestImportCommand)
#include "tst_importcommand.moc"
