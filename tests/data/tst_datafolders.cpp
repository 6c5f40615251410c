#include "data/DataFolders.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

// Where the databases, help files and pictures are taken from, and the officer's own data folder made
// from the shipped databases.
class TestDataFolders : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_root;

    QString folder(const QString& name) const
    {
        QDir(m_root.path()).mkpath(name);
        return m_root.filePath(name);
    }

    // A folder of four shipped databases, each with content of its own.
    QString shippedFolder(const QString& name) const
    {
        const QString path = folder(name);
        for (const QString& database : DatabaseFileNames) {
            QFile file(QDir(path).filePath(database));
            if (!file.open(QIODevice::WriteOnly) || file.write("shipped " + database.toUtf8()) <= 0)
                qFatal("cannot write %s", qPrintable(database));
        }
        return path;
    }

private Q_SLOTS:
    // First, before anything sets the folders of the run.
    void theProgramFolderUntilTheStartChoosesOthers()
    {
        const QString programFolder = QCoreApplication::applicationDirPath();
        QCOMPARE(DataFolders::current().dataFolder(), programFolder);
        QCOMPARE(DataFolders::current().shippedFolder(), programFolder);
        QVERIFY(!DataFolders::current().isOfficersFolder());

        DataFolders::setCurrent({QStringLiteral("/ship/data"), QStringLiteral("/usr/share/velcarin"), true});
        QCOMPARE(DataFolders::current().dataFolder(), QStringLiteral("/ship/data"));
        QCOMPARE(DataFolders::current().shippedFolder(), QStringLiteral("/usr/share/velcarin"));
        QVERIFY(DataFolders::current().isOfficersFolder());
    }

    void theRuleChoosesTheDataFolder_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("shipped");
        QTest::addColumn<bool>("officers");

        const QString portable = shippedFolder(QStringLiteral("portable"));
        const QString installedBin = folder(QStringLiteral("usr/bin"));
        const QString partial = shippedFolder(QStringLiteral("partial"));
        QFile::remove(QDir(partial).filePath(QStringLiteral("unitor.mdb")));
        const QString ship = folder(QStringLiteral("ship"));
        const QString installed = m_root.filePath(QStringLiteral("usr/share/velcarin"));
        const QString officers = m_root.filePath(QStringLiteral("home/.local/share/Velcarin"));

        QTest::newRow("named, portable program") << ship << portable << ship << portable << false;
        QTest::newRow("named, installed program") << ship << installedBin << ship << installed << false;
        QTest::newRow("portable program folder") << QString() << portable << portable << portable << false;
        QTest::newRow("installed program") << QString() << installedBin << officers << installed << true;
        QTest::newRow("a program folder with some of the four")
            << QString() << partial << partial << partial << false;
    }

    void theRuleChoosesTheDataFolder()
    {
        QFETCH(QString, requested);
        QFETCH(QString, program);
        QFETCH(QString, data);
        QFETCH(QString, shipped);
        QFETCH(bool, officers);
        const DataFolders::Places places{program, m_root.filePath(QStringLiteral("usr/share/velcarin")),
                                         m_root.filePath(QStringLiteral("home/.local/share/Velcarin"))};

        const DataFolders folders = DataFolders::choose(requested, places);
        QCOMPARE(folders.dataFolder(), data);
        QCOMPARE(folders.shippedFolder(), shipped);
        QCOMPARE(folders.isOfficersFolder(), officers);
    }

    void aNamedFolderIsTakenFromTheCurrentFolder()
    {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(m_root.path());
        const DataFolders folders = DataFolders::choose(QStringLiteral("ship/../data"), {});
        QDir::setCurrent(previous);
        QCOMPARE(folders.dataFolder(), m_root.filePath(QStringLiteral("data")));
    }

    void thePlacesOfThisProgram()
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_root.filePath(QStringLiteral("xdg-data"))));
        QCoreApplication::setApplicationName(QStringLiteral("Velcarin"));
        // The places outside the test mode, which would move them; XDG_DATA_HOME keeps them in the test's
        // folder, and nothing is made there.
        QStandardPaths::setTestModeEnabled(false);
        const DataFolders::Places places = DataFolders::places();
        QStandardPaths::setTestModeEnabled(true);
        const QString programFolder = QCoreApplication::applicationDirPath();
        QCOMPARE(places.programFolder, programFolder);
        QCOMPARE(places.installedFolder,
                 QDir::cleanPath(programFolder + QStringLiteral("/../share/velcarin")));
        QCOMPARE(places.officersFolder, m_root.filePath(QStringLiteral("xdg-data/Velcarin")));
    }

    void theOfficersFolderIsMadeFromTheShippedDatabases()
    {
        const QString shipped = shippedFolder(QStringLiteral("made/shipped"));
        for (const QString& name : DatabaseFileNames)
            QFile::setPermissions(QDir(shipped).filePath(name), QFile::ReadOwner | QFile::ReadGroup);
        const QString officers = m_root.filePath(QStringLiteral("made/home/.local/share/Velcarin"));

        const Result<QStringList> prepared = DataFolders(officers, shipped, true).prepare();
        QVERIFY(prepared);
        QCOMPARE(prepared.error(), QString());
        const QStringList& made = *prepared;
        QCOMPARE(made.size(), 4 + 4); // four copies and the four folders from home down
        QCOMPARE(filesIn(officers),
                 (QStringList{QStringLiteral("Henkel.mdb"), QStringLiteral("Jo Tankers.mdb"),
                              QStringLiteral("cleaning.mdb"), QStringLiteral("unitor.mdb")}));
        for (const QString& name : DatabaseFileNames) {
            const QString own = QDir(officers).filePath(name);
            QCOMPARE(fileContents(own), "shipped " + name.toUtf8());
            QVERIFY2(QFileInfo(own).permissions().testFlag(QFile::WriteOwner), qPrintable(name));
            QCOMPARE(fileContents(QDir(shipped).filePath(name)), "shipped " + name.toUtf8());
        }
        // Taken back by a start that fails.
        DataFolders::removeMade(made);
        QCOMPARE(filesIn(m_root.filePath(QStringLiteral("made"))), QStringList{QStringLiteral("shipped")});
    }

    void aDatabaseAlreadyThereIsNeverReplaced()
    {
        const QString shipped = shippedFolder(QStringLiteral("kept/shipped"));
        const QString officers = folder(QStringLiteral("kept/officers"));
        QFile own(QDir(officers).filePath(QStringLiteral("cleaning.mdb")));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("the officer's notes");
        own.close();

        const DataFolders folders(officers, shipped, true);
        QVERIFY(folders.prepare());
        QVERIFY(folders.prepare());
        QCOMPARE(fileContents(own.fileName()), QByteArray("the officer's notes"));
        QCOMPARE(fileContents(QDir(officers).filePath(QStringLiteral("Henkel.mdb"))),
                 QByteArray("shipped Henkel.mdb"));
        QCOMPARE(filesIn(officers).size(), 4);
    }

    void aFolderNotTheOfficersIsLeftAsItIs()
    {
        const QString shipped = shippedFolder(QStringLiteral("named/shipped"));
        const QString named = folder(QStringLiteral("named/data"));
        QVERIFY(DataFolders(named, shipped).prepare());
        QCOMPARE(filesIn(named), QStringList());
        const Result<QStringList> none =
            DataFolders(m_root.filePath(QStringLiteral("named/none")), shipped).prepare();
        QVERIFY(!none);
        QCOMPARE(none.error(),
                 QStringLiteral("The data folder \"%1/named/none\" does not exist.").arg(m_root.path()));
        QVERIFY(!QFileInfo::exists(m_root.filePath(QStringLiteral("named/none"))));
    }

    void whatStopsTheOfficersFolder_data()
    {
        QTest::addColumn<QString>("spoil");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("left"); // in the home afterwards: nothing that the start made
        QTest::newRow("a shipped database missing")
            << QStringLiteral("remove Henkel.mdb")
            << QStringLiteral(
                   "The database \"%1/Henkel.mdb\" cannot be created: the copy shipped with Velcarin, "
                   "\"%2/Henkel.mdb\", is missing.")
            << QStringList();
        QTest::newRow("a shipped database that is a folder")
            << QStringLiteral("folder Jo Tankers.mdb")
            << QStringLiteral(
                   "The database \"%1/Jo Tankers.mdb\" cannot be created from \"%2/Jo Tankers.mdb\": "
                   "Cannot open %2/Jo Tankers.mdb for input")
            << QStringList();
        QTest::newRow("a file where a folder should be")
            << QStringLiteral("block") << QStringLiteral("Velcarin cannot create its data folder \"%1\".")
            << QStringList{QStringLiteral("local")};
    }

    void whatStopsTheOfficersFolder()
    {
        QFETCH(QString, spoil);
        QFETCH(QString, error);
        QFETCH(QStringList, left);
        const QString shipped = shippedFolder(QStringLiteral("spoilt/shipped"));
        const QString home = folder(QStringLiteral("spoilt/home"));
        const QString officers = QDir(home).filePath(QStringLiteral("local/share/Velcarin"));
        const QString target = QDir(shipped).filePath(spoil.section(QLatin1Char(' '), 1));
        if (spoil.startsWith(QLatin1String("remove"))) {
            QVERIFY(QFile::remove(target));
        } else if (spoil.startsWith(QLatin1String("folder"))) {
            QVERIFY(QFile::remove(target));
            QVERIFY(QDir().mkpath(target));
        } else {
            QFile blocker(QDir(home).filePath(QStringLiteral("local")));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }

        const Result<QStringList> prepared = DataFolders(officers, shipped, true).prepare();
        QVERIFY(!prepared);
        const QString& told = prepared.error();
        QCOMPARE(
            told,
            QString(error).replace(QStringLiteral("%1"), officers).replace(QStringLiteral("%2"), shipped));
        QCOMPARE(filesIn(home), left);
        QVERIFY(QDir(m_root.filePath(QStringLiteral("spoilt"))).removeRecursively());
    }

    void helpFilesAndPicturesBesideTheDatabasesFirst_data()
    {
        QTest::addColumn<bool>("own");
        QTest::addColumn<bool>("shippedToo");
        QTest::addColumn<QString>("found");
        QTest::newRow("the officer's own") << true << true << QStringLiteral("data");
        QTest::newRow("only the officer's") << true << false << QStringLiteral("data");
        QTest::newRow("the shipped one") << false << true << QStringLiteral("shipped");
        QTest::newRow("nowhere: where it was shipped") << false << false << QStringLiteral("shipped");
    }

    void helpFilesAndPicturesBesideTheDatabasesFirst()
    {
        QFETCH(bool, own);
        QFETCH(bool, shippedToo);
        QFETCH(QString, found);
        QTemporaryDir root;
        QDir(root.path()).mkpath(QStringLiteral("data"));
        QDir(root.path()).mkpath(QStringLiteral("shipped"));
        for (const auto& [put, where] : {std::pair{own, "data"}, std::pair{shippedToo, "shipped"}}) {
            QFile file(root.filePath(QLatin1String(where) + QStringLiteral("/Unitor.hlp")));
            QVERIFY(!put || file.open(QIODevice::WriteOnly));
        }
        const DataFolders folders(root.filePath(QStringLiteral("data")),
                                  root.filePath(QStringLiteral("shipped")));
        QCOMPARE(folders.locate(QStringLiteral("Unitor.hlp")),
                 root.filePath(found + QStringLiteral("/Unitor.hlp")));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestDataFolders)
#include "tst_datafolders.moc"
