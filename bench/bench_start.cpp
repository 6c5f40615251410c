// The main window's start beside a bare QMainWindow (bare_main_window) and beside that window with a menu,
// an editable combo box filled from the cargo table, a label and a status bar (text_main_window), and the
// opening of the compatibility chart, at 97, 2,000, 20,000 and 200,000 cargoes. Run it under an X server
// (xvfb-run -a -s "-screen 0 1366x768x24" build/bench/bench_start [RUNS]): each program starts as a whole
// process, timed from its start to the map of its first top-level window as the X server tells it, with its
// resident memory a moment later. The runs of Velcarin and of the references alternate, so that a busy
// machine slows them alike, after one run of each that is not counted (the first start of a session is
// slower). The chart is opened in a process of its own each run, on a loaded main window: the time from the
// menu's request until the chart is on the screen, and the resident memory that added.
#include "LargeCargoData.h"
#include "app/FrmTabClean.h"
#include "data/ArgumentVector.h"
#include "data/Store.h"
#include "shell/WindowRegistry.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTest>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <utility>
#include <xcb/xcb.h>

extern char** environ;

namespace {

constexpr int SettleMilliseconds = 300; // after the map, for the first paint before memory is read

struct Run {
    double milliseconds = 0; // until the window is mapped, or exposed
    double residentMiB = 0;
    double paintedMilliseconds = 0; // until its first paint is done, where it is timed
};

double residentMiB(pid_t process)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(process));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

// Starts the program and waits for the X server to map a window on the root: the first top-level window.
std::optional<Run> timeToMap(xcb_connection_t* x, const QStringList& arguments)
{
    ArgumentVector argv(arguments);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    while (xcb_generic_event_t* stale = xcb_poll_for_event(x))
        free(stale);
    QElapsedTimer clock;
    clock.start();
    pid_t child = 0;
    const bool spawned = posix_spawn(&child, argv.program(), &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    if (!spawned)
        return std::nullopt;
    std::optional<Run> run;
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        free(event);
        if (mapped) {
            run = Run{double(clock.nsecsElapsed()) / 1e6, 0};
            break;
        }
    }
    QThread::msleep(SettleMilliseconds);
    if (run)
        run->residentMiB = residentMiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return run;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

// The sample databases with the cargo table holding that many generated cargoes, or the sample as shipped.
void fillCargoes(const TestDataFolder& folder, int cargoes)
{
    folder.copySampleDatabases();
    if (cargoes > 0)
        generateCargoes(folder, cargoes, 6);
}

// Times a window's way onto the screen: when the window system exposes it, and when that expose, with the
// first paint it brings, is done. QTest's waits look only every 10 ms.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window)
    {
        window->windowHandle()->installEventFilter(this);
        m_clock.start();
    }

    // Whether the window was painted within ten seconds.
    bool wait()
    {
        QTimer::singleShot(10'000, &m_loop, [this] { m_loop.exit(1); });
        return m_loop.exec() == 0;
    }

    double exposedMilliseconds = 0;
    double paintedMilliseconds = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed() &&
            exposedMilliseconds == 0) {
            exposedMilliseconds = double(m_clock.nsecsElapsed()) / 1e6;
            // Queued: it runs once the expose has been handled.
            QMetaObject::invokeMethod(
                &m_loop,
                [this] {
                    paintedMilliseconds = double(m_clock.nsecsElapsed()) / 1e6;
                    m_loop.quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QEventLoop m_loop;
    QElapsedTimer m_clock;
};

// The child's part: a loaded main window on a chosen cargo, then the chart opened as its menu entry does.
int openChart(int argc, char* argv[], const QString& dataFolder, const QString& cargo)
{
    QApplication application(argc, argv);
    const Store store(dataFolder);
    FrmTabClean window(store);
    QString error;
    if (!window.load(&error))
        return 1;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.pick(Advisers::Tab::Tavro, cargo);
    const double before = residentMiB(getpid());
    QElapsedTimer clock;
    clock.start();
    QWidget* chart = window.windows().open(QStringLiteral("frmUSCG"));
    if (!chart)
        return 1;
    const double built = double(clock.nsecsElapsed()) / 1e6;
    FirstPaint onScreen(chart);
    if (!onScreen.wait())
        return 1;
    QTextStream(stdout) << built + onScreen.exposedMilliseconds << ' ' << residentMiB(getpid()) - before
                        << ' ' << built + onScreen.paintedMilliseconds << Qt::endl;
    return 0;
}

std::optional<Run> chartRun(const QString& self, const QString& dataFolder, const QString& cargo)
{
    QProcess child;
    child.start(self, {QStringLiteral("--chart"), dataFolder, cargo});
    if (!child.waitForFinished(60'000) || child.exitCode() != 0)
        return std::nullopt;
    const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
    if (figures.size() != 3)
        return std::nullopt;
    return Run{figures.at(0).toDouble(), figures.at(1).toDouble(), figures.at(2).toDouble()};
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 4 && QByteArray(argv[1]) == "--chart")
        return openChart(argc, argv, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));

    if (qEnvironmentVariableIsEmpty("VELCARIN_PROGRAM_DIR"))
        qputenv("VELCARIN_PROGRAM_DIR", VELCARIN_PROGRAM_DIR_DEFAULT);
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(7, QByteArray(argv[1]).toInt()) : 7;
    const QString binaries = QCoreApplication::applicationDirPath();
    const QString velcarin = QStringLiteral(VELCARIN_PROGRAM_DIR_DEFAULT "/velcarin");
    const QString bare = binaries + QStringLiteral("/bare_main_window");
    const QString text = binaries + QStringLiteral("/text_main_window");

    int screenNumber = 0;
    xcb_connection_t* x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x)) {
        QTextStream(stderr) << "bench_start: no X display; run it under xvfb-run" << Qt::endl;
        return 2;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(x);

    QTextStream out(stdout);
    out << "| Cargoes | main window mapped | bare QMainWindow | ratio | window with text | resident | bare "
           "resident | text resident | chart on the screen | chart painted | chart memory added |\n"
           "|---|---|---|---|---|---|---|---|---|---|---|\n";
    bool warmedUp = false;
    for (const int cargoes : {0, 2'000, 20'000, 200'000}) {
        const TestDataFolder folder;
        fillCargoes(folder, cargoes);
        const QStringList main{velcarin, QStringLiteral("--no-splash"), QStringLiteral("--data-dir"),
                               folder.path()};
        const QStringList textWindow{text, folder.filePath(QStringLiteral("cleaning.mdb"))};
        if (!std::exchange(warmedUp, true)) {
            for (const QStringList& program : {main, QStringList{bare}, textWindow})
                timeToMap(x, program);
        }
        QList<double> times, bareTimes, textTimes, resident, bareResident, textResident, chartTimes,
            chartPainted, chartMemory;
        for (int run = 0; run < runs; ++run) {
            const auto velcarinRun = timeToMap(x, main);
            const auto reference = timeToMap(x, {bare});
            const auto textReference = timeToMap(x, textWindow);
            const auto chart = chartRun(QCoreApplication::applicationFilePath(), folder.path(),
                                        cargoes ? QStringLiteral("CARGO 000001") : QStringLiteral("ACETONE"));
            if (!velcarinRun || !reference || !textReference || !chart) {
                QTextStream(stderr) << "bench_start: a run failed at " << cargoes << " cargoes" << Qt::endl;
                return 1;
            }
            times << velcarinRun->milliseconds;
            resident << velcarinRun->residentMiB;
            bareTimes << reference->milliseconds;
            bareResident << reference->residentMiB;
            textTimes << textReference->milliseconds;
            textResident << textReference->residentMiB;
            chartTimes << chart->milliseconds;
            chartPainted << chart->paintedMilliseconds;
            chartMemory << chart->residentMiB;
        }
        out << "| " << (cargoes ? QLocale(QLocale::English).toString(cargoes) : QStringLiteral("97 (sample)"))
            << QStringLiteral(
                   " | %1 ms | %2 ms | %3× | %4 ms | %5 MiB | %6 MiB | %7 MiB | %8 ms | %9 ms | %10 MiB |\n")
                   .arg(median(times), 0, 'f', 0)
                   .arg(median(bareTimes), 0, 'f', 0)
                   .arg(median(times) / median(bareTimes), 0, 'f', 1)
                   .arg(median(textTimes), 0, 'f', 0)
                   .arg(median(resident), 0, 'f', 1)
                   .arg(median(bareResident), 0, 'f', 1)
                   .arg(median(textResident), 0, 'f', 1)
                   .arg(median(chartTimes), 0, 'f', 0)
                   .arg(median(chartPainted), 0, 'f', 0)
                   .arg(median(chartMemory), 0, 'f', 1);
        out.flush();
    }
    xcb_disconnect(x);
    return 0;
}
