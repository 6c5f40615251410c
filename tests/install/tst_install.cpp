#include "support/TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <sqlite3.h>

namespace {

CliRun run(const QString& program, const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        qWarning("%s did not finish", qPrintable(program));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// A user's home of his own, with the XDG folders in it.
class Home {
public:
    Home()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(m_dir.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_environment.insert(QStringLiteral("HOME"), m_dir.path());
        m_environment.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral(".local/share")));
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral(".config")));
        m_environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_dir.filePath(QStringLiteral(".cache")));
        m_environment.insert(QStringLiteral("XDG_STATE_HOME"),
                             m_dir.filePath(QStringLiteral(".local/state")));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.filePath(QStringLiteral("runtime")));
    }

    const QProcessEnvironment& environment() const { return m_environment; }
    // Where the user's own databases must be.
    QString dataFolder() const { return m_dir.filePath(QStringLiteral(".local/share/Velcarin")); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
};

void writeNote(const QString& database, const QString& cargo, const QString& note)
{
    sqlite3* db = nullptr;
    QVERIFY(sqlite3_open(QFile::encodeName(database).constData(), &db) == SQLITE_OK);
    const QString sql =
        QStringLiteral("UPDATE CleaningA SET [Personal Notes] = %1 WHERE [Abbreviated Name] = %2")
            .arg(sqlText(note), sqlText(cargo));
    const int result = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    const int changed = sqlite3_changes(db);
    sqlite3_close(db);
    QCOMPARE(result, SQLITE_OK);
    QCOMPARE(changed, 1);
}

// The files a running process holds open.
QStringList openFiles(qint64 pid)
{
    QStringList files;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        files << fd.symLinkTarget();
    return files;
}

} // namespace

// Velcarin as a package installs it: every file in its place, the desktop's files valid, and the installed
// programs keeping each user's databases in his own data folder, made from the shipped ones and never
// written back.
class TestInstall : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QHash<QString, QByteArray> m_shipped; // as installed

    QString installed(const QString& path) const { return m_root.filePath(QStringLiteral("usr/") + path); }
    QString shipped(const QString& name) const { return installed(QStringLiteral("share/velcarin/") + name); }
    QString cli() const { return installed(QStringLiteral("bin/velcarin-cli")); }

    CliRun runCli(const Home& home, const QStringList& arguments) const
    {
        return run(cli(), arguments, home.environment());
    }

    // Starts the installed program, waits until its main window holds the user's operator database open (the
    // tabs behind open theirs when first shown), and ends it. The start's own checks and the search's look at
    // the file open it for an instant, so the window is there once the file stays open from poll to poll.
    void startProgram(const Home& home) const
    {
        QProcessEnvironment environment = home.environment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(installed(QStringLiteral("bin/velcarin")), {});
        QVERIFY(program.waitForStarted());
        int pollsHeld = 0;
        const auto holdsItsData = [&] {
            const bool held = openFiles(program.processId())
                                  .contains(QDir(home.dataFolder()).filePath(QStringLiteral("cleaning.mdb")));
            pollsHeld = held ? pollsHeld + 1 : 0;
            return pollsHeld >= 5;
        };
        QTRY_VERIFY_WITH_TIMEOUT(holdsItsData() || program.state() != QProcess::Running, 60000);
        QCOMPARE(program.state(), QProcess::Running);
        // No shipped database is open; the shipped pictures and manuals are read there by design (the
        // globe turns while the program runs, so one of its pictures may be open at this instant).
        for (const QString& file : openFiles(program.processId()))
            QVERIFY2(!file.startsWith(installed(QString())) || !file.endsWith(QLatin1String(".mdb")),
                     qPrintable(file));
        program.terminate();
        if (!program.waitForFinished(10000))
            program.kill();
        program.waitForFinished();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), m_root.path());
        const CliRun install = run(QStringLiteral(VELCARIN_CMAKE),
                                   {QStringLiteral("--install"), QStringLiteral(VELCARIN_BUILD_DIR),
                                    QStringLiteral("--prefix"), QStringLiteral("/usr")},
                                   environment);
        QVERIFY2(install.exitCode == 0, qPrintable(install.err));
        for (const QString& name : QDir(shipped(QString())).entryList(QDir::Files))
            m_shipped.insert(name, fileContents(shipped(name)));
        QCOMPARE(m_shipped.size(), 26);
    }

    // The shipped files stay as they were installed, whatever the programs did.
    void cleanup()
    {
        QCOMPARE(QDir(shipped(QString())).entryList(QDir::Files).size(), m_shipped.size());
        for (auto file = m_shipped.cbegin(); file != m_shipped.cend(); ++file)
            QVERIFY2(fileContents(shipped(file.key())) == file.value(), qPrintable(file.key()));
    }

    void everyFileInItsPlace()
    {
        QStringList files;
        QDirIterator found(m_root.path(), QDir::Files, QDirIterator::Subdirectories);
        while (found.hasNext())
            files << QDir(m_root.path()).relativeFilePath(found.next());
        files.sort();
        QStringList expected{
            QStringLiteral("usr/bin/velcarin"),
            QStringLiteral("usr/bin/velcarin-cli"),
            QStringLiteral("usr/libexec/velcarin/velcarin-print"),
            QStringLiteral("usr/share/applications/org.velcarin.Velcarin.desktop"),
            QStringLiteral("usr/share/metainfo/org.velcarin.Velcarin.metainfo.xml"),
            QStringLiteral("usr/share/man/man1/velcarin.1.gz"),
            QStringLiteral("usr/share/man/man1/velcarin-cli.1.gz"),
            QStringLiteral("usr/share/bash-completion/completions/velcarin-cli"),
            QStringLiteral("usr/share/doc/velcarin/copyright"),
            QStringLiteral("usr/share/doc/velcarin/changelog.gz"),
        };
        for (const char* name :
             {"Help.hlp", "Henkel.hlp", "Henkel.mdb", "Jo Tankers.mdb", "Special.hlp", "Unitor.hlp",
              "chemical.hlp", "cleaning.mdb", "glossary.hlp", "glossary2.hlp", "unitor.mdb"})
            expected << QStringLiteral("usr/share/velcarin/") + QLatin1String(name);
        for (int n = 1; n <= 15; ++n)
            expected << QStringLiteral("usr/share/velcarin/GLOBE%1.BMP").arg(n);
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            expected << QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/velcarin.png").arg(size);
        expected << QStringLiteral("usr/share/icons/hicolor/scalable/apps/velcarin.svg");
        expected.sort();
        QCOMPARE(files, expected);
        QVERIFY(QFileInfo(installed(QStringLiteral("bin/velcarin"))).isExecutable());
        QVERIFY(QFileInfo(cli()).isExecutable());
        QVERIFY(QFileInfo(installed(QStringLiteral("libexec/velcarin/velcarin-print"))).isExecutable());
    }

    void theDesktopFilesAreValid_data()
    {
        QTest::addColumn<QString>("validator");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("desktop entry")
            << QStringLiteral(DESKTOP_FILE_VALIDATE)
            << QStringList{installed(QStringLiteral("share/applications/org.velcarin.Velcarin.desktop"))};
        QTest::newRow("metainfo") << QStringLiteral(APPSTREAMCLI)
                                  << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"),
                                                 installed(QStringLiteral(
                                                     "share/metainfo/org.velcarin.Velcarin.metainfo.xml"))};
    }

    void theDesktopFilesAreValid()
    {
        QFETCH(QString, validator);
        QFETCH(QStringList, arguments);
        const CliRun validation = run(validator, arguments);
        QVERIFY2(validation.exitCode == 0, qPrintable(validation.out + validation.err));
    }

    void theMetainfoNamesTheInstalledVersion()
    {
        const QString metainfo = QString::fromUtf8(
            fileContents(installed(QStringLiteral("share/metainfo/org.velcarin.Velcarin.metainfo.xml"))));
        const QRegularExpressionMatch release =
            QRegularExpression(QStringLiteral("<release version=\"([^\"]*)\"")).match(metainfo);
        QVERIFY(release.hasMatch());
        const Home home;
        QCOMPARE(runCli(home, {QStringLiteral("--version")}).out,
                 QStringLiteral("velcarin-cli %1\n").arg(release.captured(1)));
    }

    void theFirstStartMakesTheUsersDatabases_data()
    {
        QTest::addColumn<bool>("byTheProgram");
        QTest::newRow("velcarin") << true;
        QTest::newRow("velcarin-cli advise") << false;
    }

    void theFirstStartMakesTheUsersDatabases()
    {
        QFETCH(bool, byTheProgram);
        const Home home;
        const CliRun where = runCli(home, {QStringLiteral("where")});
        QCOMPARE(where.exitCode, 0);
        QVERIFY2(where.out.contains(QStringLiteral("\nData folder: %1 (the user's own)\nShipped files: %2\n")
                                        .arg(home.dataFolder(), installed(QStringLiteral("share/velcarin")))),
                 qPrintable(where.out));
        QVERIFY2(where.out.contains(
                     QStringLiteral("\ncleaning.mdb: %1/cleaning.mdb (copied from the shipped one at "
                                    "first use)\n")
                         .arg(home.dataFolder())),
                 qPrintable(where.out));
        QVERIFY(!QFileInfo::exists(home.dataFolder()));

        if (byTheProgram) {
            startProgram(home);
        } else {
            const CliRun advise = runCli(home, {QStringLiteral("advise"), QStringLiteral("ACETONE")});
            QCOMPARE(advise.err, QString());
            QCOMPARE(advise.exitCode, 0);
        }
        for (const QString& name : DatabaseFileNames)
            QVERIFY2(fileContents(QDir(home.dataFolder()).filePath(name)) == fileContents(shipped(name)),
                     qPrintable(name));
    }

    void aNoteSurvivesTheNextStart()
    {
        const Home home;
        QCOMPARE(runCli(home, {QStringLiteral("advise"), QStringLiteral("ACETONE")}).exitCode, 0);
        const QString note = QStringLiteral("Tank 3: steam the heating coils first.");
        writeNote(QDir(home.dataFolder()).filePath(QStringLiteral("cleaning.mdb")), QStringLiteral("ACETONE"),
                  note);

        startProgram(home);
        const CliRun advise = runCli(home, {QStringLiteral("advise"), QStringLiteral("ACETONE")});
        QCOMPARE(advise.exitCode, 0);
        QVERIFY2(advise.out.contains(QStringLiteral("\nPersonal Notes: ") + note + QLatin1Char('\n')),
                 qPrintable(advise.out));
        QVERIFY2(advise.out.contains(QStringLiteral("\nPersonal notes: yes\n")), qPrintable(advise.out));
    }

    void theInstalledToolPrintsTheUsersOwnData()
    {
        // velcarin-cli hands the sheet to its installed printer, which makes and reads the same data folder.
        const Home home;
        const QString pdf = home.filePath(QStringLiteral("acetone.pdf"));
        const QStringList print{QStringLiteral("print"), QStringLiteral("ACETONE"), QStringLiteral("--pdf"),
                                pdf};
        const CliRun first = runCli(home, print);
        QVERIFY2(first.exitCode == 0, qPrintable(first.err));
        QCOMPARE(first.out,
                 QStringLiteral("Velcarin Tavro Tankers Adviser of ACETONE written to %1\n").arg(pdf));
        QCOMPARE(fileContents(QDir(home.dataFolder()).filePath(QStringLiteral("cleaning.mdb"))),
                 fileContents(shipped(QStringLiteral("cleaning.mdb"))));

        writeNote(QDir(home.dataFolder()).filePath(QStringLiteral("cleaning.mdb")), QStringLiteral("ACETONE"),
                  QStringLiteral("Printed from my own folder."));
        const CliRun second = runCli(home, print);
        QVERIFY2(second.exitCode == 0, qPrintable(second.err));
        QVERIFY2(readPdf(pdf).text.contains(QStringLiteral("Printed from my own folder.")),
                 qPrintable(readPdf(pdf).text));
    }

    void aNamedDataFolderIsUsedAsItIs()
    {
        const Home home;
        TestDataFolder data;
        data.copySampleDatabases();
        writeNote(data.filePath(QStringLiteral("cleaning.mdb")), QStringLiteral("ACETONE"),
                  QStringLiteral("Ours."));
        const CliRun advise = runCli(home, {QStringLiteral("advise"), QStringLiteral("ACETONE"),
                                            QStringLiteral("--data-dir"), data.path()});
        QCOMPARE(advise.exitCode, 0);
        QVERIFY2(advise.out.contains(QStringLiteral("\nPersonal Notes: Ours.\n")), qPrintable(advise.out));
        QVERIFY(!QFileInfo::exists(home.dataFolder()));
    }

    void importFillsTheUsersFolderWithHisOwnDatabases()
    {
        const Home home;
        const CliRun import =
            runCli(home, {QStringLiteral("import"),
                          qEnvironmentVariable("VELCARIN_TEST_DATA") + QStringLiteral("/legacy-access")});
        QVERIFY2(import.exitCode == 0, qPrintable(import.err));
        QHash<QString, QByteArray> imported;
        for (const QString& name : DatabaseFileNames) {
            imported.insert(name, fileContents(QDir(home.dataFolder()).filePath(name)));
            QVERIFY2(!imported.value(name).isEmpty() && imported.value(name) != fileContents(shipped(name)),
                     qPrintable(name));
        }
        QCOMPARE(runCli(home, {QStringLiteral("advise"), QStringLiteral("ACETONE")}).exitCode, 0);
        for (const QString& name : DatabaseFileNames)
            QVERIFY2(fileContents(QDir(home.dataFolder()).filePath(name)) == imported.value(name),
                     qPrintable(name));
    }

    void theUsersOwnManualComesFirst()
    {
        const Home home;
        QDir().mkpath(home.dataFolder());
        sqlite3* db = nullptr;
        QVERIFY(
            sqlite3_open(
                QFile::encodeName(QDir(home.dataFolder()).filePath(QStringLiteral("Unitor.hlp"))).constData(),
                &db) == SQLITE_OK);
        QCOMPARE(
            sqlite3_exec(
                db,
                "CREATE TABLE manual (title TEXT NOT NULL);"
                "INSERT INTO manual VALUES ('The ship''s Unitor manual');"
                "CREATE TABLE topics (context INTEGER PRIMARY KEY, title TEXT NOT NULL, html TEXT NOT NULL);"
                "INSERT INTO topics VALUES (1005, 'Procedure', '<p>Ours.</p>');",
                nullptr, nullptr, nullptr),
            SQLITE_OK);
        sqlite3_close(db);

        const CliRun help =
            runCli(home, {QStringLiteral("help"), QStringLiteral("Unitor.hlp"), QStringLiteral("1005")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.startsWith(QStringLiteral("Title: The ship's Unitor manual\n")),
                 qPrintable(help.out));
        const CliRun where = runCli(home, {QStringLiteral("where")});
        QVERIFY2(
            where.out.contains(QStringLiteral("\nUnitor.hlp: %1/Unitor.hlp\nchemical.hlp: %2/chemical.hlp\n")
                                   .arg(home.dataFolder(), installed(QStringLiteral("share/velcarin")))),
            qPrintable(where.out));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
