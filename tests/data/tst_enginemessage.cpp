#include "data/Database.h"
#include "data/EngineMessage.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

// The engine's errors that an officer meets, told in a plain sentence with what to do and the engine's
// words after it; the others in the engine's words alone.
class TestEngineMessage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void describe_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("told");
        QTest::newRow("read-only folder") // an extended code
            << SQLITE_READONLY_DIRECTORY << QStringLiteral("attempt to write a readonly database")
            << QStringLiteral("The database \"/ship/cleaning.mdb\" is read-only, so nothing can be saved in "
                              "it. Make the file and its folder writable for you, or use a data folder of "
                              "your own (--data-dir). (attempt to write a readonly database)");
        QTest::newRow("full disk")
            << SQLITE_FULL << QStringLiteral("database or disk is full")
            << QStringLiteral("There is no room left on the disk that holds the database "
                              "\"/ship/cleaning.mdb\". Free some space on it and try again. (database or "
                              "disk is full)");
        QTest::newRow("damaged")
            << SQLITE_CORRUPT << QStringLiteral("database disk image is malformed")
            << QStringLiteral("The database \"/ship/cleaning.mdb\" is damaged. Replace it with a sound copy, "
                              "for example from a backup. (database disk image is malformed)");
        QTest::newRow("nothing an officer can do")
            << SQLITE_ERROR << QStringLiteral("no such table: CleaningA")
            << QStringLiteral("no such table: CleaningA");
    }

    void describe()
    {
        QFETCH(int, code);
        QFETCH(QString, engine);
        QFETCH(QString, told);
        QCOMPARE(EngineMessage::describe(code, engine, QStringLiteral("/ship/cleaning.mdb")), told);
    }

    // A file that is no database, opened as one: the engine's own error, told.
    void damagedFileOpened()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("cleaning.mdb"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        const Result<Database> database = Database::open(path, false);
        QVERIFY(!database);
        QCOMPARE(database.error(), QStringLiteral("The database \"%1\" is damaged. Replace it with a sound copy, for "
                                       "example from a backup. (file is not a database)")
                            .arg(path));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestEngineMessage)
#include "tst_enginemessage.moc"
