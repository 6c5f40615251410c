#include "data/DatabaseFile.h"
#include "data/Schema.h"
#include "data/legacy/LegacyFixtures.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const QString Original = QStringLiteral("cleaning.mdb.access");

// A data folder as the officer leaves it: three SQLite databases and the cargo database still in Access.
void prepare(const TestDataFolder& folder)
{
    folder.copySampleDatabases();
    folder.writeFile(Schema::CleaningFile, contentOf(legacyFile(Schema::CleaningFile)));
}

QStringList entries(const TestDataFolder& folder)
{
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

const QStringList Converted{QStringLiteral("Henkel.mdb"), QStringLiteral("Jo Tankers.mdb"),
                            QStringLiteral("cleaning.mdb"), Original, QStringLiteral("unitor.mdb")};

QStringList adviseArguments(const TestDataFolder& folder)
{
    return {QStringLiteral("advise"), QStringLiteral("ACETONE"), QStringLiteral("--data-dir"), folder.path()};
}

QString cli()
{
    return QDir(programFolder()).filePath(QStringLiteral("velcarin-cli"));
}

// The calls that change or sync a file or take a lock: the steps at which a conversion is killed.
const QString Steps =
    QStringLiteral("link,linkat,rename,renameat,renameat2,unlink,unlinkat,fsync,fdatasync,ftruncate,flock");

// velcarin-cli run under strace, with the calls given made to fail.
QProcess* traced(const QStringList& tracing, const QStringList& arguments, const QString& failing,
                 QObject* parent)
{
    auto* process = new QProcess(parent);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The leak checker stops the threads with ptrace, which it cannot while strace traces them.
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
    process->setProcessEnvironment(environment);
    QStringList options{QStringLiteral("-f"), QStringLiteral("-qq")};
    if (!failing.isEmpty())
        options << QStringLiteral("-e") << failing;
    process->start(QStringLiteral("strace"), options + tracing + QStringList{cli()} + arguments);
    if (!process->waitForFinished(60000))
        qWarning("strace did not finish");
    return process;
}

// The steps of a whole run, in order, each as its call's name.
QStringList stepsOf(const QStringList& arguments, const QString& failing)
{
    QTemporaryDir logFolder;
    const QString log = logFolder.filePath(QStringLiteral("strace.log"));
    QObject owner;
    traced({QStringLiteral("-o"), log, QStringLiteral("-e"), QStringLiteral("trace=") + Steps}, arguments,
           failing, &owner);
    QStringList steps;
    static const QRegularExpression call(QStringLiteral("^\\d+ +(\\w+)\\("));
    for (const QString& line : QString::fromUtf8(contentOf(log)).split(QLatin1Char('\n'))) {
        if (const QRegularExpressionMatch match = call.match(line); match.hasMatch())
            steps << match.captured(1);
    }
    return steps;
}

// Whether strace killed velcarin-cli (SIGKILL) as it entered the occurrence-th call of that name.
bool killedAt(const QString& name, qsizetype occurrence, const QStringList& arguments, const QString& failing)
{
    QObject owner;
    const QProcess* process =
        traced({QStringLiteral("-o"), QStringLiteral("/dev/null"), QStringLiteral("-e"),
                QStringLiteral("inject=%1:signal=SIGKILL:when=%2").arg(name).arg(occurrence)},
               arguments, failing, &owner);
    return process->exitStatus() == QProcess::CrashExit;
}

} // namespace

// Conversions in place that are stopped half-way or run twice at once, with the real velcarin-cli.
class TestInterruptedMigration : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty())
            QFAIL("strace is missing (scripts/install-deps.sh installs it)");
    }

    void aKillAtEveryStep_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::newRow("hard links") << QString();
        // As on FAT: no second link to the original, which is kept as a copy.
        QTest::newRow("no hard links") << QStringLiteral("inject=link:error=EPERM");
    }

    void aKillAtEveryStep()
    {
        QFETCH(QString, failing);
        const QByteArray original = contentOf(legacyFile(Schema::CleaningFile));
        QStringList steps;
        {
            TestDataFolder folder;
            prepare(folder);
            steps = stepsOf(adviseArguments(folder), failing);
        }
        // The lock, the original kept, the switch, the lock's removal at the least.
        QVERIFY2(steps.size() >= 4, qPrintable(steps.join(QLatin1Char(' '))));
        for (qsizetype step = 0; step < steps.size(); ++step) {
            const QString& name = steps.at(step);
            const qsizetype occurrence = steps.first(step + 1).count(name);
            const QString at = QStringLiteral("killed at %1 number %2").arg(name).arg(occurrence);
            TestDataFolder folder;
            prepare(folder);
            QVERIFY2(killedAt(name, occurrence, adviseArguments(folder), failing), qPrintable(at));
            // Wherever it stopped, the original stands under its own name or as the kept original.
            QVERIFY2(contentOf(folder.filePath(Schema::CleaningFile)) == original ||
                         contentOf(folder.filePath(Original)) == original,
                     qPrintable(at));

            const CliRun next = runCli(adviseArguments(folder));
            QVERIFY2(next.exitCode == 0, qPrintable(at + QLatin1Char('\n') + next.err));
            QVERIFY2(next.out.startsWith(QLatin1String("Abbreviated Name: ACETONE\n")), qPrintable(at));
            QCOMPARE(probeDatabaseFile(folder.filePath(Schema::CleaningFile)), DatabaseFileKind::SQLite);
            QVERIFY2(contentOf(folder.filePath(Original)) == original, qPrintable(at));
            QVERIFY2(entries(folder) == Converted,
                     qPrintable(at + QLatin1Char('\n') + entries(folder).join(QLatin1Char(' '))));
        }
    }

    void startsAtOnce()
    {
        const QByteArray original = contentOf(legacyFile(Schema::CleaningFile));
        const QString told =
            QStringLiteral("cleaning.mdb was converted; its Access original is kept unchanged as \"%1\".\n");
        for (int round = 0; round < 4; ++round) {
            TestDataFolder folder;
            prepare(folder);
            std::array<QProcess, 3> starts;
            for (QProcess& start : starts)
                start.start(cli(), adviseArguments(folder));
            int toldOfIt = 0;
            for (QProcess& start : starts) {
                QVERIFY(start.waitForFinished(60000));
                QCOMPARE(start.exitCode(), 0);
                const QString err = QString::fromUtf8(start.readAllStandardError());
                if (!err.isEmpty()) {
                    QCOMPARE(err, told.arg(QDir::toNativeSeparators(folder.filePath(Original))));
                    ++toldOfIt;
                }
            }
            QCOMPARE(toldOfIt, 1);
            QCOMPARE(entries(folder), Converted);
            QCOMPARE(contentOf(folder.filePath(Original)), original);
        }
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestInterruptedMigration)
#include "tst_interruptedmigration.moc"
