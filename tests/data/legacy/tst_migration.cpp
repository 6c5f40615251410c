#include "data/DatabaseFile.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "data/legacy/ConversionLock.h"
#include "data/legacy/LegacyFixtures.h"
#include "data/legacy/Migration.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <thread>

#include <unistd.h>

using Files = QMap<QString, QByteArray>;

namespace {

QStringList entries(const TestDataFolder& folder)
{
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestMigration : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void migratesEveryAccessFileInPlace()
    {
        TestDataFolder folder;
        for (const DatabaseSchema& schema : Schema::databases())
            folder.writeFile(schema.fileName, contentOf(legacyFile(schema.fileName)));
        const Store store(folder.path());
        Migration migration(store);
        migration.migrateAll();

        QCOMPARE(migration.failures(), QStringList());
        QStringList lines{
            QStringLiteral("Velcarin has converted your Microsoft Access databases into its own format:")};
        for (const DatabaseSchema& schema : Schema::databases()) {
            const QString path = folder.filePath(schema.fileName);
            QCOMPARE(probeDatabaseFile(path), DatabaseFileKind::SQLite);
            // The original, byte for byte, beside it.
            QCOMPARE(contentOf(path + QStringLiteral(".access")), contentOf(legacyFile(schema.fileName)));
            lines << QStringLiteral("%1 was converted; its Access original is kept unchanged as \"%2\".")
                         .arg(schema.fileName, QDir::toNativeSeparators(path + QStringLiteral(".access")));
        }
        QCOMPARE(migration.report(), lines.join(QLatin1String("\n\n")));
        QCOMPARE(migration.migrated().size(), 4);
        QCOMPARE(store.problems(), QStringList());
        QCOMPARE(entries(folder),
                 (QStringList{QStringLiteral("Henkel.mdb"), QStringLiteral("Henkel.mdb.access"),
                              QStringLiteral("Jo Tankers.mdb"), QStringLiteral("Jo Tankers.mdb.access"),
                              QStringLiteral("cleaning.mdb"), QStringLiteral("cleaning.mdb.access"),
                              QStringLiteral("unitor.mdb"), QStringLiteral("unitor.mdb.access")}));

        // Once converted, there is nothing more to do.
        Migration again(store);
        again.migrateAll();
        QVERIFY(again.migrated().isEmpty());
        QVERIFY(again.failures().isEmpty());
    }

    void leavesSqliteDatabasesAlone()
    {
        TestDataFolder folder;
        folder.copySampleDatabases();
        const QByteArray cargoes = contentOf(folder.filePath(Schema::CleaningFile));
        const Store store(folder.path());
        Migration migration(store);
        QVERIFY(migration.migrate(Schema::CleaningFile));
        migration.migrateAll();
        QVERIFY(migration.migrated().isEmpty());
        QVERIFY(migration.failures().isEmpty());
        QCOMPARE(contentOf(folder.filePath(Schema::CleaningFile)), cargoes);
        QCOMPARE(entries(folder).size(), 4);
    }

    void keepsAnEarlierOriginal()
    {
        TestDataFolder folder;
        folder.writeFile(QStringLiteral("cleaning.mdb.access"), QByteArray("an earlier original"));
        folder.writeFile(Schema::CleaningFile, contentOf(legacyFile(Schema::CleaningFile)));
        const Store store(folder.path());
        Migration migration(store);
        QVERIFY(migration.migrate(Schema::CleaningFile));
        QCOMPARE(migration.migrated().first().keptAs,
                 folder.filePath(QStringLiteral("cleaning.mdb.access.1")));
        QCOMPARE(contentOf(folder.filePath(QStringLiteral("cleaning.mdb.access"))),
                 QByteArray("an earlier original"));
        QCOMPARE(contentOf(folder.filePath(QStringLiteral("cleaning.mdb.access.1"))),
                 contentOf(legacyFile(Schema::CleaningFile)));
    }

    void putsRightAnInterruptedConversion_data()
    {
        QTest::addColumn<Files>("files");      // as the interruption left them
        QTest::addColumn<QString>("linkedAs"); // a second link to cleaning.mdb
        QTest::addColumn<QString>("keptAs");   // the original, once converted; empty when nothing is
        QTest::addColumn<Files>("afterwards"); // every file then, with its content (the database's: empty)
        const QByteArray original = contentOf(legacyFile(Schema::CleaningFile));
        const QByteArray partial("SQLite format 3\0 and no more", 28);
        const QByteArray converted = contentOf(QDir(programFolder()).filePath(Schema::CleaningFile));
        const QString kept = QStringLiteral("cleaning.mdb.access");
        const QString cargoes = Schema::CleaningFile;

        QTest::newRow("kept under a second name, not yet switched")
            << Files{{cargoes, original}, {QStringLiteral(".cleaning.mdb.a1B2c3"), partial}} << kept << kept
            << Files{{cargoes, {}}, {kept, original}};
        QTest::newRow("kept as a copy, not yet switched")
            << Files{{cargoes, original}, {kept, original}, {QStringLiteral(".cleaning.mdb.zZ9yY8"), partial}}
            << QString() << kept << Files{{cargoes, {}}, {kept, original}};
        QTest::newRow("kept under a second name beside an earlier original")
            << Files{{cargoes, original}, {kept, "an earlier original"}}
            << QStringLiteral("cleaning.mdb.access.1") << QStringLiteral("cleaning.mdb.access.1")
            << Files{{cargoes, {}},
                     {kept, "an earlier original"},
                     {QStringLiteral("cleaning.mdb.access.1"), original}};
        QTest::newRow("moved aside by an earlier Velcarin")
            << Files{{kept, original}, {QStringLiteral(".cleaning.mdb.Q1w2E3"), partial}} << QString() << kept
            << Files{{cargoes, {}}, {kept, original}};
        QTest::newRow("left beside the converted database")
            << Files{{cargoes, converted},
                     {QStringLiteral(".cleaning.mdb.abcdef"), partial},
                     {QStringLiteral(".velcarin-conversion.lock"), {}},
                     {QStringLiteral(".cleaning.mdb.notes"), "the officer's own"},
                     {QStringLiteral(".cleaning.mdb.abcdefg"), "the officer's own"}}
            << QString() << QString()
            << Files{{cargoes, converted},
                     {QStringLiteral(".cleaning.mdb.notes"), "the officer's own"},
                     {QStringLiteral(".cleaning.mdb.abcdefg"), "the officer's own"}};
        QTest::newRow("the database removed, its original kept")
            << Files{{kept, original}} << QString() << QString() << Files{{kept, original}};
    }

    void putsRightAnInterruptedConversion()
    {
        QFETCH(Files, files);
        QFETCH(QString, linkedAs);
        QFETCH(QString, keptAs);
        QFETCH(Files, afterwards);
        TestDataFolder folder;
        for (auto file = files.cbegin(); file != files.cend(); ++file)
            folder.writeFile(file.key(), file.value());
        if (!linkedAs.isEmpty())
            QCOMPARE(::link(QFile::encodeName(folder.filePath(Schema::CleaningFile)).constData(),
                            QFile::encodeName(folder.filePath(linkedAs)).constData()),
                     0);
        Migration migration{Store(folder.path())};
        QVERIFY(migration.migrate(Schema::CleaningFile));

        QCOMPARE(migration.failures(), QStringList());
        QCOMPARE(migration.migrated().isEmpty(), keptAs.isEmpty());
        if (!keptAs.isEmpty())
            QCOMPARE(migration.migrated().first().keptAs, folder.filePath(keptAs));
        QCOMPARE(entries(folder), QStringList(afterwards.keys()));
        for (auto file = afterwards.cbegin(); file != afterwards.cend(); ++file) {
            if (file.value().isNull())
                QCOMPARE(probeDatabaseFile(folder.filePath(file.key())), DatabaseFileKind::SQLite);
            else
                QCOMPARE(contentOf(folder.filePath(file.key())), file.value());
        }
    }

    void oneConversionAtATime()
    {
        TestDataFolder folder;
        {
            ConversionLock first(folder.path());
            QVERIFY(first.acquire());
            QVERIFY(ConversionLock::isInFolder(folder.path()));
            ConversionLock second(folder.path());
            const Result<> refused = second.acquire(std::chrono::milliseconds(100));
            QVERIFY(!refused);
            QCOMPARE(refused.error(),
                     QStringLiteral("Another Velcarin is still converting the databases in \"%1\"; try "
                                    "again when it has finished.")
                         .arg(QDir::toNativeSeparators(folder.path())));
        }
        QCOMPARE(entries(folder), QStringList());

        // One that waits gets the lock once the other lets it go.
        auto first = std::make_unique<ConversionLock>(folder.path());
        QVERIFY(first->acquire());
        std::thread releasing([&first] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            first.reset();
        });
        ConversionLock waiting(folder.path());
        const Result<> acquired = waiting.acquire(std::chrono::seconds(20));
        releasing.join();
        QVERIFY2(acquired, qPrintable(acquired.error()));
        QVERIFY(ConversionLock::isInFolder(folder.path()));
    }

    void failedMigrationLeavesTheOriginal_data()
    {
        QTest::addColumn<int>("length"); // of the original that is kept
        QTest::addColumn<QString>("problem");
        QTest::newRow("no list of tables") << 12288 << QStringLiteral("its list of tables cannot be read");
        QTest::newRow("no table definition")
            << 98304 << QStringLiteral("the definition of the table \"CleaningA\" cannot be read");
        QTest::newRow("no data pages")
            << 110592 << QStringLiteral("the table \"CleaningA\" records 62 rows, but 0 can be read");
        QTest::newRow("a memo cut off")
            << 135168
            << QStringLiteral(
                   "the table \"CleaningA\" has a value that cannot be read in the column \"Remarks\" of "
                   "row 33");
        QTest::newRow("the last rows cut off")
            << 155648 << QStringLiteral("the table \"CleaningA\" records 62 rows, but 59 can be read");
    }

    void failedMigrationLeavesTheOriginal()
    {
        QFETCH(int, length);
        QFETCH(QString, problem);
        TestDataFolder folder;
        const QByteArray truncated = contentOf(legacyFile(Schema::CleaningFile)).left(length);
        folder.writeFile(Schema::CleaningFile, truncated);
        const Store store(folder.path());
        Migration migration(store);
        QVERIFY(!migration.migrate(Schema::CleaningFile));

        QVERIFY(migration.migrated().isEmpty());
        QCOMPARE(
            migration.failures(),
            QStringList{
                QStringLiteral("cleaning.mdb could not be converted from Microsoft Access and is left as "
                               "it was.\nThe Access file \"%1\" is damaged: %2.")
                    .arg(QDir::toNativeSeparators(folder.filePath(Schema::CleaningFile)), problem)});
        QCOMPARE(contentOf(folder.filePath(Schema::CleaningFile)), truncated);
        QCOMPARE(entries(folder), QStringList{Schema::CleaningFile});
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestMigration)
#include "tst_migration.moc"
