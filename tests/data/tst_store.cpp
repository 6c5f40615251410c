#include "data/DatabaseFile.h"
#include "data/RecordSet.h"
#include "data/RecordSources.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

class TestStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sampleDatabasesAreComplete()
    {
        TestDataFolder folder;
        folder.copySampleDatabases();
        const Store store(folder.path());
        QCOMPARE(store.problems(), QStringList());
        const Result<Database> cleaning = store.open(Schema::CleaningFile);
        QVERIFY2(cleaning, qPrintable(cleaning.error()));
        const Result<RecordSet> cargoes = RecordSet::open(*cleaning, RecordSources::DtaA);
        QVERIFY2(cargoes, qPrintable(cargoes.error()));
        QVERIFY(cargoes->recordCount() >= 60);
        QCOMPARE(cargoes->fieldCount(), 36);
        QCOMPARE(cargoes->fieldName(6), QStringLiteral("ID  Number"));

        // Every record source of the program runs on the sample files.
        const QList<std::pair<QString, QString>> sources{
            {Schema::JoTankersFile, RecordSources::DtaJo}, {Schema::HenkelFile, RecordSources::DtaH},
            {Schema::HenkelFile, RecordSources::dtaH1},    {Schema::HenkelFile, RecordSources::dtaChem},
            {Schema::UnitorFile, RecordSources::DtaU},     {Schema::CleaningFile, RecordSources::dtaU},
        };
        for (const auto& [file, source] : sources) {
            const Result<Database> database = store.open(file);
            QVERIFY2(database, qPrintable(file + QLatin1String(": ") + database.error()));
            const Result<RecordSet> set = RecordSet::open(*database, source);
            QVERIFY2(set && set->recordCount() > 0, qPrintable(file + QLatin1String(": ") + set.error()));
        }
    }

    void problems_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content"); // empty: the file is removed
        QTest::addColumn<QString>("sql");        // instead of the content
        QTest::addColumn<QString>("message");

        const QString cleaning = QStringLiteral("cleaning.mdb");
        QTest::newRow("missing") << cleaning << QByteArray() << QString()
                                 << QStringLiteral("The database file \"%1\" is missing.");
        QTest::newRow("text file") << cleaning << QByteArray("ACETONE;1;A;6\n") << QString()
                                   << QStringLiteral("The file \"%1\" is not a SQLite database.");
        QTest::newRow("Access file")
            << QStringLiteral("Jo Tankers.mdb")
            << QByteArray("\x00\x01\x00\x00Standard Jet DB\x00\x01\x00\x00\x00", 24) << QString()
            << QStringLiteral(
                   "The database file \"%1\" is a Microsoft Access file that has not been converted "
                   "for Velcarin (velcarin-cli import converts it).");
        QTest::newRow("missing table")
            << QStringLiteral("Henkel.mdb") << QByteArray()
            << QStringLiteral(
                   "CREATE TABLE VegOils (Product, PreWash, Final); CREATE TABLE Additional (Chemical, "
                   "Solution);")
            << QStringLiteral("The database file \"%1\" has no table \"Solutions\".");
        QTest::newRow("missing field")
            << QStringLiteral("unitor.mdb") << QByteArray()
            << QStringLiteral("CREATE TABLE Unitor (Name, Kode);")
            << QStringLiteral("The table \"Unitor\" of the database file \"%1\" has no field \"Code\".");
        QTest::newRow("one blank where there are two")
            << cleaning << QByteArray()
            << QStringLiteral(
                   "CREATE TABLE CleaningA (\"Abbreviated Name\", \"Full Name\", \"Cleaning Code\", "
                   "\"Water Temperature\", \"Notes\", \"Personal Notes\", \"ID Number\", \"United No\", "
                   "\"Pollution Category\", \"Compatability Chart No\", H1, H2, H3, SG, Temp, Corr, "
                   "Colour, Boil, Melt, \"Heat Adj\", Flash, SS, MS, Z, Phen, Peng, \"Camc N\", "
                   "\"Camc E\", Remarks, \"Ship Type\", \"Tank Type\", Compliance, Solubility, "
                   "\"Heat V\", \"Heat D\", CLASS);")
            << QStringLiteral(
                   "The table \"CleaningA\" of the database file \"%1\" has no field \"ID  Number\".");
    }

    void problems()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QString, sql);
        QFETCH(QString, message);

        TestDataFolder folder;
        folder.copySampleDatabases();
        QFile::remove(folder.filePath(fileName));
        if (!sql.isEmpty())
            folder.createDatabase(fileName, sql);
        else if (!content.isEmpty())
            folder.writeFile(fileName, content);
        const QByteArray before =
            QFile::exists(folder.filePath(fileName)) ? QByteArray("kept") : QByteArray();

        const Store store(folder.path());
        QCOMPARE(store.problems(),
                 QStringList{message.arg(QDir::toNativeSeparators(folder.filePath(fileName)))});
        const Result<Database> database = store.open(fileName);
        QVERIFY(!database);
        QCOMPARE(database.error(), message.arg(QDir::toNativeSeparators(folder.filePath(fileName))));
        // Looking never creates a file that was not there.
        QCOMPARE(QFile::exists(folder.filePath(fileName)), !before.isEmpty());
    }

    void probesFileKinds()
    {
        TestDataFolder folder;
        folder.copySampleDatabases();
        QCOMPARE(probeDatabaseFile(folder.filePath(QStringLiteral("cleaning.mdb"))),
                 DatabaseFileKind::SQLite);
        QCOMPARE(probeDatabaseFile(folder.filePath(QStringLiteral("none.mdb"))), DatabaseFileKind::Missing);
        QCOMPARE(probeDatabaseFile(folder.path()), DatabaseFileKind::NotAFile);
        folder.writeFile(QStringLiteral("ace.mdb"), QByteArray("\x00\x01\x00\x00Standard ACE DB\x00", 20));
        QCOMPARE(probeDatabaseFile(folder.filePath(QStringLiteral("ace.mdb"))), DatabaseFileKind::Access);
        folder.writeFile(QStringLiteral("empty.mdb"), QByteArray());
        QCOMPARE(probeDatabaseFile(folder.filePath(QStringLiteral("empty.mdb"))), DatabaseFileKind::Other);
    }

    void onlyTheCargoTableIsWritable()
    {
        TestDataFolder folder;
        folder.copySampleDatabases();
        const Store store(folder.path());
        for (const DatabaseSchema& schema : Schema::databases()) {
            const Result<Database> database = store.open(schema.fileName);
            QVERIFY2(database, qPrintable(database.error()));
            QCOMPARE(database->isReadOnly(), schema.fileName != Schema::CleaningFile);
        }
        Result<RecordSet> oils = RecordSet::open(*store.open(Schema::HenkelFile), RecordSources::DtaH);
        QVERIFY(oils);
        QVERIFY(!oils->edit());
    }

    void aDirectoryUnderTheName()
    {
        TestDataFolder folder;
        folder.copySampleDatabases();
        QFile::remove(folder.filePath(QStringLiteral("unitor.mdb")));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("unitor.mdb")));
        const Result<Database> database = Store(folder.path()).open(Schema::UnitorFile);
        QVERIFY(!database);
        QCOMPARE(database.error(),
                 QStringLiteral("\"%1\" is not a database file.")
                     .arg(QDir::toNativeSeparators(folder.filePath(QStringLiteral("unitor.mdb")))));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
