#include "search/DatabaseDocuments.h"
#include "search/Finder.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QThread>

// The finder over a data folder as the program ships it: every source read, a changed one read again,
// reading in the background while searches go on.
class TestFinder : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_cache;

    // The sample databases and help files, an officer's own Windows Help manuals and one that is no manual.
    static void fillWithSamples(const TestDataFolder& folder)
    {
        folder.copySampleDatabases();
        for (const QString& manual : QDir(programFolder()).entryList({QStringLiteral("*.hlp")}))
            QVERIFY(QFile::copy(QDir(programFolder()).filePath(manual), folder.filePath(manual)));
        const QString fixtures = qEnvironmentVariable("VELCARIN_TEST_DATA") + QStringLiteral("/winhelp/");
        for (const QString& manual : {QStringLiteral("StatList.hlp"), QStringLiteral("TSTCON32.HLP")})
            QVERIFY(QFile::copy(fixtures + manual, folder.filePath(manual)));
        folder.writeFile(QStringLiteral("broken.hlp"), "no manual at all");
    }

    static DataFolders foldersOf(const TestDataFolder& folder)
    {
        return DataFolders(folder.path(), folder.path());
    }

    // What a result is, without its snippet: "source|name|field|file|topic".
    static QStringList described(const QList<SearchResult>& results)
    {
        QStringList described;
        for (const SearchResult& result : results)
            described << QStringList{searchSourceKey(result.source), result.name, result.field, result.file,
                                     result.topic}
                             .join(QLatin1Char('|'));
        return described;
    }

    static std::optional<SourceState> stateOf(const Finder& finder, const QString& name)
    {
        for (const SourceState& state : finder.status()) {
            if (state.name == name)
                return state;
        }
        return std::nullopt;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_cache.isValid());
        qputenv("XDG_CACHE_HOME", m_cache.path().toUtf8());
    }

    void findsEverySource_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("expected");
        QTest::newRow("tavro name") << "acetonitrile"
                                    << "tavro|ACETONITRILE|Abbreviated Name||";
        QTest::newRow("tavro full name") << "methyl cyanide"
                                         << "tavro|ACETONITRILE|Full Name||";
        QTest::newRow("tavro ID number") << "1004"
                                         << "tavro|ACETONITRILE|ID  Number||";
        QTest::newRow("tavro UN number") << "1648"
                                         << "tavro|ACETONITRILE|United No||";
        QTest::newRow("jo synonym") << "benzol"
                                    << "jo|BENZENE|SYNONIMS||";
        QTest::newRow("jo CAS number") << "108-88-3"
                                       << "jo|TOLUENE|CAS No||";
        QTest::newRow("henkel oil") << "groundnut"
                                    << "henkel-oil|GROUNDNUT OIL|Product||";
        QTest::newRow("henkel additional") << "caustic soda"
                                           << "henkel-additional|CAUSTIC SODA|Chemical||";
        QTest::newRow("mixture") << "enviroclean"
                                 << "mixture|ENVIROCLEAN 5%|Mixture||";
        QTest::newRow("unitor catalogue") << "allyl chloride"
                                          << "unitor|ALLYL CHLORIDE|catalogue||";
        QTest::newRow("unitor loading list") << "butyl acetate-n"
                                             << "unitor-loading|BUTYL ACETATE-N|Name||";
        QTest::newRow("note") << "wall wash"
                              << "notes|ACETONE|Personal Notes||";
        QTest::newRow("manual topic") << "help index"
                                      << "manual|Help Index|topic|Help.hlp|1001";
        QTest::newRow("officer's own manual") << "pdh demonstration"
                                              << "manual|Overview|topic|StatList.hlp|#1";
        QTest::newRow("topic without a title")
            << "windowless"
            << "manual|Specifies that the controls will be windowless.|topic|TSTCON32.HLP|-2138569724";
    }

    void findsEverySource()
    {
        QFETCH(QString, query);
        QFETCH(QString, expected);
        TestDataFolder folder;
        fillWithSamples(folder);
        Finder finder(foldersOf(folder));
        finder.update();
        const QStringList found = described(finder.find(query, 100));
        QVERIFY2(found.contains(expected), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void splitsTheSynonyms()
    {
        TestDataFolder folder;
        folder.copySampleDatabases();
        const Result<QList<SearchDocument>> documents =
            DatabaseDocuments::jo(folder.filePath(QStringLiteral("Jo Tankers.mdb")));
        QVERIFY2(documents.ok(), qPrintable(documents.error()));
        QStringList synonyms;
        for (const SearchDocument& document : *documents) {
            if (document.name == QStringLiteral("PALM OIL") && document.field == QStringLiteral("SYNONIMS"))
                synonyms << document.text;
        }
        QCOMPARE(synonyms, (QStringList{QStringLiteral("Palm oil"), QStringLiteral("crude")}));
    }

    void leavesOutAnUnreadableManualOnce()
    {
        TestDataFolder folder;
        fillWithSamples(folder);
        Finder finder(foldersOf(folder));
        finder.update();
        finder.update();
        int named = 0;
        for (const SourceState& state : finder.status()) {
            if (state.name != QStringLiteral("broken.hlp"))
                continue;
            ++named;
            QCOMPARE(state.state, SourceState::State::LeftOut);
            QCOMPARE(state.reason, QStringLiteral("The help file %1 is not in the format of Velcarin's help "
                                                  "viewer.")
                                       .arg(folder.filePath(QStringLiteral("broken.hlp"))));
        }
        QCOMPARE(named, 1);
        QCOMPARE(stateOf(finder, QStringLiteral("StatList.hlp"))->state, SourceState::State::Read);
    }

    void leavesOutAMissingDatabase()
    {
        TestDataFolder folder;
        fillWithSamples(folder);
        QVERIFY(QFile::remove(folder.filePath(QStringLiteral("unitor.mdb"))));
        Finder finder(foldersOf(folder));
        finder.update();
        const std::optional<SourceState> loading = stateOf(finder, QStringLiteral("unitor-loading"));
        QCOMPARE(loading->state, SourceState::State::LeftOut);
        QCOMPARE(loading->reason, QStringLiteral("unitor.mdb is missing"));
        QCOMPARE(
            described(finder.find(QStringLiteral("butyl acetate-n"), 100, {SearchSource::UnitorLoading})),
            QStringList());
    }

    void readsAChangedDatabaseAgain()
    {
        TestDataFolder folder;
        fillWithSamples(folder);
        Finder finder(foldersOf(folder));
        finder.update();
        // Within the same second and at the same size the database's own change counter tells.
        folder.runSql(QStringLiteral("cleaning.mdb"),
                      QStringLiteral("update CleaningA set \"Full Name\" = 'Quinoline yellow' "
                                     "where \"Abbreviated Name\" = 'ACETONITRILE'"));
        finder.update();
        QCOMPARE(described(finder.find(QStringLiteral("quinoline"))),
                 QStringList{QStringLiteral("tavro|ACETONITRILE|Full Name||")});
        QCOMPARE(described(finder.find(QStringLiteral("methyl cyanide"))), QStringList());
    }

    void readsAManualTakenAwayNoMore()
    {
        TestDataFolder folder;
        fillWithSamples(folder);
        Finder finder(foldersOf(folder));
        finder.update();
        QVERIFY(QFile::remove(folder.filePath(QStringLiteral("StatList.hlp"))));
        finder.update();
        QCOMPARE(stateOf(finder, QStringLiteral("StatList.hlp")), std::nullopt);
        QCOMPARE(described(finder.find(QStringLiteral("pdh demonstration"))), QStringList());
    }

    void keepsWhatItReadForTheNextStart()
    {
        TestDataFolder folder;
        fillWithSamples(folder);
        Finder(foldersOf(folder)).update();
        QVERIFY(!QDir(Finder::defaultCacheFolder()).entryList({QStringLiteral("*.sqlite")}).isEmpty());
        const Finder again(foldersOf(folder));
        QCOMPARE(stateOf(again, QStringLiteral("tavro"))->state, SourceState::State::Read);
        QCOMPARE(stateOf(again, QStringLiteral("broken.hlp"))->state, SourceState::State::LeftOut);
        QVERIFY(!again.isReading());
        QVERIFY(!again.find(QStringLiteral("acetonitrile")).isEmpty());
    }

    void keepsTheIndexInMemoryWithoutACacheFolder()
    {
        TestDataFolder folder;
        fillWithSamples(folder);
        // A file where the folder should be: no folder can be made there, not even by root.
        folder.writeFile(QStringLiteral("cache"), "a file");
        Finder finder(foldersOf(folder), folder.filePath(QStringLiteral("cache")));
        finder.update();
        QVERIFY(finder.inMemory());
        QCOMPARE(described(finder.find(QStringLiteral("acetonitrile"), 100, {SearchSource::Tavro})),
                 QStringList{QStringLiteral("tavro|ACETONITRILE|Abbreviated Name||")});
    }

    void readsInTheBackground()
    {
        TestDataFolder folder;
        fillWithSamples(folder);
        Finder finder(foldersOf(folder));
        QList<QThread*> signalledOn;
        connect(&finder, &Finder::statusChanged, this,
                [&signalledOn] { signalledOn << QThread::currentThread(); });
        finder.updateInBackground();
        QVERIFY(finder.isReading());
        // A search while it reads answers from what is ready, whatever that is.
        (void)finder.find(QStringLiteral("acetonitrile"));
        QTRY_VERIFY_WITH_TIMEOUT(!finder.isReading(), 30000);
        QVERIFY(!signalledOn.isEmpty());
        QCOMPARE(signalledOn.count(QThread::currentThread()), signalledOn.size());
        QCOMPARE(described(finder.find(QStringLiteral("acetonitrile"), 100, {SearchSource::Tavro})),
                 QStringList{QStringLiteral("tavro|ACETONITRILE|Abbreviated Name||")});
        QCOMPARE(stateOf(finder, QStringLiteral("StatList.hlp"))->state, SourceState::State::Read);
    }

    void readsInTheBackgroundOnlyWhatChanged()
    {
        TestDataFolder folder;
        fillWithSamples(folder);
        Finder finder(foldersOf(folder));
        finder.update();
        finder.updateInBackground();
        QVERIFY(!finder.isReading());
        folder.runSql(QStringLiteral("Henkel.mdb"),
                      QStringLiteral("insert into Solutions (Mixture) values ('QUICKWASH 4%')"));
        finder.updateInBackground();
        QCOMPARE(stateOf(finder, QStringLiteral("mixture"))->state, SourceState::State::BeingRead);
        QCOMPARE(stateOf(finder, QStringLiteral("tavro"))->state, SourceState::State::Read);
        QTRY_VERIFY_WITH_TIMEOUT(!finder.isReading(), 30000);
        QCOMPARE(described(finder.find(QStringLiteral("quickwash"))),
                 QStringList{QStringLiteral("mixture|QUICKWASH 4%|Mixture||")});
    }

    void stopsReadingWhenDestroyed()
    {
        TestDataFolder folder;
        fillWithSamples(folder);
        {
            Finder finder(foldersOf(folder));
            finder.updateInBackground();
            finder.updateInBackground();
        }
        // What it did not finish is read by the next one.
        Finder next(foldersOf(folder));
        next.update();
        QCOMPARE(stateOf(next, QStringLiteral("tavro"))->state, SourceState::State::Read);
    }

    void takesTheCacheFolderFromTheEnvironment()
    {
        QCOMPARE(Finder::defaultCacheFolder(), m_cache.path() + QStringLiteral("/Velcarin"));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestFinder)
#include "tst_finder.moc"
