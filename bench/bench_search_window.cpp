// The search field of the main window on 20,000 cargoes and 50 MB of manual text: the results drawn after
// a keystroke, and the window's memory with the index open against the same window without it.
#include "LargeCargoData.h"
#include "WindowBenchmarkMain.h"
#include "app/FrmTabClean.h"
#include "search/Finder.h"
#include "search/SearchField.h"
#include "search/SearchResultsList.h"
#include "support/LoadedMainWindow.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr char MemoryOption[] = "--window-memory";

// The large cargo data with a manual of 25,000 topics of 2,000 characters beside it; made once a run.
const TestDataFolder& largeFolder()
{
    static const TestDataFolder& folder = []() -> const TestDataFolder& {
        const TestDataFolder& large = largeCargoFolder();
        large.createDatabase(
            QStringLiteral("Large.hlp"),
            QStringLiteral("create table manual (title); insert into manual values ('Large Manual');"
                           "create table topics (context integer primary key, title, html);"
                           "create table keywords (keyword, context);"
                           "with recursive n(i) as (select 1 union all select i + 1 from n where i < 25000) "
                           "insert into topics select i, 'Cleaning step ' || i, '<p>Step ' || i || ': ' || "
                           "replace(zeroblob(50), x'00', 'Wash the tank with hot water, then ventilate. ') "
                           "|| '</p>' from n;"));
        return large;
    }();
    return folder;
}

// The cache of this run, where the index is kept: set once, before the first window.
void useCacheOfThisRun()
{
    static QTemporaryDir folder;
    static const bool set = qputenv("XDG_CACHE_HOME", folder.path().toUtf8());
    Q_UNUSED(set);
}

// The main window loaded on the large data, on the screen.
std::unique_ptr<LoadedMainWindow> shownWindow(const QString& dataFolder)
{
    auto main = std::make_unique<LoadedMainWindow>(dataFolder);
    main->window()->show();
    if (!QTest::qWaitForWindowExposed(main->window()))
        qFatal("the main window is not shown");
    return main;
}

void readEverything(FrmTabClean* window)
{
    window->startSearch();
    const auto read = [&finder = window->finder()] {
        const QList<SourceState> states = finder.status();
        return !finder.isReading() && std::all_of(states.begin(), states.end(), [](const SourceState& state) {
            return state.state == SourceState::State::Read || state.state == SourceState::State::LeftOut;
        });
    };
    while (!read())
        QTest::qWait(20);
}

// One keystroke: the field's text gains its last letter, the finder answers and the list is drawn.
void drawResultsAfterAKeystroke(benchmark::State& state)
{
    useCacheOfThisRun();
    const std::unique_ptr<LoadedMainWindow> main = shownWindow(largeFolder().path());
    readEverything(main->window());
    SearchField* field = main->window()->searchField();
    field->takeFocus();
    const QStringList typed{QStringLiteral("cargo 123"), QStringLiteral("aceton"), QStringLiteral("acetnoe"),
                            QStringLiteral("wash tank"), QStringLiteral("benz"),   QStringLiteral("1090")};
    int turn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString& query = typed.at(turn++ % typed.size());
        field->setText(query.chopped(1));
        state.ResumeTiming();
        QTest::keyClick(field, query.back().toLatin1());
        field->results()->repaint();
    }
    // What the index holds, to show that the keystrokes searched all of it.
    for (const SourceState& source : main->window()->finder().status()) {
        if (source.name == QLatin1String("tavro") || source.name == QLatin1String("Large.hlp"))
            state.counters[source.name.toStdString()] = source.entries;
    }
}
BENCHMARK(drawResultsAfterAKeystroke)->Unit(benchmark::kMillisecond);

// The resident memory of this process, in bytes.
qint64 residentMemory()
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pages = status.readAll().split(' ');
    return pages.size() > 1 ? pages.at(1).toLongLong() * 4096 : 0;
}

// In a process of its own: the window shown, with or without its index read and searched; prints the
// resident memory.
int measureWindowMemory(const QString& dataFolder, bool withIndex)
{
    const std::unique_ptr<LoadedMainWindow> main = shownWindow(dataFolder);
    if (withIndex) {
        readEverything(main->window());
        SearchField* field = main->window()->searchField();
        for (const QString& query :
             {QStringLiteral("cargo 1"), QStringLiteral("wash"), QStringLiteral("acetone")})
            field->setText(query);
    }
    QTest::qWait(500);
    printf("%lld\n", residentMemory());
    return 0;
}

qint64 windowMemory(bool withIndex)
{
    QProcess measure;
    measure.start(QCoreApplication::applicationFilePath(),
                  {QLatin1String(MemoryOption),
                   withIndex ? QStringLiteral("with") : QStringLiteral("without"), largeFolder().path()});
    measure.waitForFinished(300'000);
    return measure.readAllStandardOutput().trimmed().toLongLong();
}

// The memory the index adds to the window, in MB; each measure in a fresh process.
void windowMemoryWithTheIndex(benchmark::State& state)
{
    useCacheOfThisRun();
    for (auto _ : state) {
        const qint64 without = windowMemory(false);
        const qint64 with = windowMemory(true);
        constexpr double MB = 1024.0 * 1024.0;
        state.counters["without_MB"] = double(without) / MB;
        state.counters["with_MB"] = double(with) / MB;
        state.counters["above_MB"] = double(with - without) / MB;
    }
}
BENCHMARK(windowMemoryWithTheIndex)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 4 && qstrcmp(argv[1], MemoryOption) == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("VELCARIN_PROGRAM_DIR"))
            qputenv("VELCARIN_PROGRAM_DIR", VELCARIN_PROGRAM_DIR_DEFAULT);
        QApplication application(argc, argv);
        return measureWindowMemory(QString::fromLocal8Bit(argv[3]), qstrcmp(argv[2], "with") == 0);
    }
    return runWindowBenchmarks(argc, argv);
}
