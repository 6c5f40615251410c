#include "data/Schema.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <sqlite3.h>

// Saves killed at random instants: a process doing saves (velcarin_saving_child) is ended with SIGKILL,
// hundreds of times, and every time the database must pass its integrity check and every cargo must hold
// either the value it had or the one being saved, never a mixture or anything else.
namespace {

constexpr int Rounds = 300;
constexpr qint64 TimeBudgetMs = 150000;

// Row by row (in the order of the cargo list): the UN number and the first word of the note.
struct Saved {
    QString unNumber;
    QString noteMark;
    bool operator==(const Saved&) const = default;
};

} // namespace

class TestCrashSave : public QObject {
    Q_OBJECT

private:
    // Reads the file as the next start of the program would: a journal left by the kill is rolled back.
    static std::optional<QList<Saved>> readBack(const QString& path, QString* problem)
    {
        sqlite3* db = nullptr;
        std::optional<QList<Saved>> rows;
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) ==
            SQLITE_OK) {
            sqlite3_stmt* check = nullptr;
            sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
            const bool ok = sqlite3_step(check) == SQLITE_ROW &&
                            qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok") == 0;
            sqlite3_finalize(check);
            if (!ok) {
                *problem = QStringLiteral("integrity check failed: ") + QString::fromUtf8(sqlite3_errmsg(db));
            } else {
                sqlite3_stmt* select = nullptr;
                sqlite3_prepare_v2(db,
                                   "select \"United No\", \"Personal Notes\" from CleaningA "
                                   "order by \"Abbreviated Name\", rowid",
                                   -1, &select, nullptr);
                rows.emplace();
                while (sqlite3_step(select) == SQLITE_ROW) {
                    const auto text = [select](int column) {
                        return QString::fromUtf8(
                            reinterpret_cast<const char*>(sqlite3_column_text(select, column)));
                    };
                    rows->append({text(0), text(1).section(QLatin1Char(' '), 0, 0)});
                }
                sqlite3_finalize(select);
            }
        }
        sqlite3_close(db);
        return rows;
    }

private Q_SLOTS:
    void killedSavesLeaveOldOrNewValues()
    {
        TestDataFolder folder;
        folder.copySampleDatabases();
        const QString path = folder.filePath(Schema::CleaningFile);
        QString problem;
        std::optional<QList<Saved>> before = readBack(path, &problem);
        QVERIFY2(before, qPrintable(problem));

        QRandomGenerator random(20240601);
        QElapsedTimer elapsed;
        elapsed.start();
        int round = 0;
        int killedMidSave = 0;
        int saves = 0;
        for (; round < Rounds && elapsed.elapsed() < TimeBudgetMs; ++round) {
            QProcess child;
            child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/velcarin_saving_child"),
                        {folder.path(), QString::number(round + 1)});
            QVERIFY2(child.waitForReadyRead(30000), "the saving process did not start");
            QThread::usleep(random.bounded(60000));
            child.kill();
            QVERIFY(child.waitForFinished(30000));
            QVERIFY2(child.exitStatus() == QProcess::CrashExit, qPrintable(child.readAllStandardError()));

            // What the child saved, and the one save it may have been in the middle of.
            QList<Saved> expected = *before;
            std::optional<std::pair<int, QString>> inFlight;
            const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
            for (const QByteArray& line : lines.mid(0, lines.size() - 1)) { // the last may be cut
                const QList<QByteArray> words = line.split(' ');
                if (words.size() != 3)
                    continue;
                const std::pair<int, QString> save{words.at(1).toInt(), QString::fromLatin1(words.at(2))};
                if (words.first() == "begin") {
                    inFlight = save;
                } else {
                    expected[save.first] = {save.second, save.second};
                    inFlight.reset();
                    ++saves;
                }
            }

            std::optional<QList<Saved>> after = readBack(path, &problem);
            QVERIFY2(after, qPrintable(QStringLiteral("round %1: %2").arg(round).arg(problem)));
            if (inFlight) {
                ++killedMidSave;
                const Saved saved{inFlight->second, inFlight->second};
                if (after->at(inFlight->first) == saved)
                    expected[inFlight->first] = saved;
            }
            for (int row = 0; row < expected.size(); ++row) {
                QVERIFY2(after->at(row) == expected.at(row),
                         qPrintable(QStringLiteral("round %1, row %2: UN %3, note %4; expected %5, %6")
                                        .arg(round)
                                        .arg(row)
                                        .arg(after->at(row).unNumber, after->at(row).noteMark,
                                             expected.at(row).unNumber, expected.at(row).noteMark)));
            }
            before = after;
        }
        qInfo("%d rounds, %d saves, %d kills in the middle of a save, %lld ms", round, saves, killedMidSave,
              elapsed.elapsed());
        QVERIFY2(round >= 200, "too few rounds in the time allowed");
        QVERIFY2(killedMidSave >= round / 10, "too few kills landed in the middle of a save");
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestCrashSave)

#include "tst_crashsave.moc"
