#include "data/DatabaseFile.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "data/legacy/LegacyFixtures.h"
#include "data/legacy/Migration.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

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

QTEST_GUILESS_MAIN(TestMigration)
#include "tst_migration.moc"
