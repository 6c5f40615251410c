#include "app/ExpectedHandbooks.h"
#include "app/FrmSplash.h"
#include "app/SplashProgress.h"
#include "app/Startup.h"
#include "data/Store.h"
#include "data/legacy/ConversionLock.h"
#include "data/legacy/LegacyFixtures.h"
#include "shell/ProgramFolder.h"
#include "support/WidgetTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>

#include <cmath>

namespace {

// The visible top-level windows of that name.
QList<QWidget*> shownWindows(const QString& name)
{
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible())
            found << window;
    }
    return found;
}

// A clock a hundred times faster than the real one: a whole splash run in about 56 ms.
MonotonicClock fastClock()
{
    QElapsedTimer timer;
    timer.start();
    return [timer] {
        return timer.elapsed() * 100;
    };
}

// Closes a splash still shown after ten seconds, so that a start that never ends fails instead of hanging.
class SplashWatchdog {
public:
    SplashWatchdog()
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            for (QWidget* splash : shownWindows(QStringLiteral("frmSplash")))
                splash->close();
        });
        m_timer.start(10000);
    }

private:
    QTimer m_timer;
};

} // namespace

// The start-up splash with its timed bar, and the program's start through it to the main window.
class TestSplash : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder; // the sample databases
    qint64 m_now = 0;        // the splash's clock, in milliseconds
    std::unique_ptr<FrmSplash> m_splash;
    std::unique_ptr<BeepCounter> m_beeps;

    MonotonicClock testClock()
    {
        return [this] {
            return m_now;
        };
    }

    template <typename T> T* control(const char* name) const
    {
        return child<T>(m_splash.get(), QLatin1String(name));
    }
    QWidget* fill() const { return control<QWidget>("picFill"); }
    QFrame* box() const { return control<QFrame>("picProgress"); }
    QString state() const { return control<QLabel>("lblState")->text(); }

    static void closeMainWindows()
    {
        for (QWidget* window : shownWindows(QStringLiteral("FrmTabClean")))
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private Q_SLOTS:
    void initTestCase()
    {
        ProgramFolder::setPath(programFolder());
        m_folder.copySampleDatabases();
    }

    void init()
    {
        m_beeps = std::make_unique<BeepCounter>();
        m_now = 86'399'000; // the clock's value does not matter, only the time since the first tick
        m_splash = std::make_unique<FrmSplash>(testClock());
    }

    void cleanup()
    {
        m_splash.reset();
        m_beeps.reset();
        closeMainWindows();
    }

    void progressFollowsElapsedTime_data()
    {
        QTest::addColumn<qint64>("elapsed"); // milliseconds since the first tick
        QTest::addColumn<double>("percent");
        QTest::addColumn<bool>("done");
        QTest::newRow("start") << qint64(0) << 0.0 << false;
        QTest::newRow("a tick") << qint64(10) << 0.18 << false;
        QTest::newRow("one second") << qint64(1000) << 18.0 << false;
        QTest::newRow("the last step before done") << qint64(5555) << 99.99 << false;
        QTest::newRow("done") << qint64(5556) << 100.008 << true;
        QTest::newRow("a late tick") << qint64(7000) << 126.0 << true;
    }

    void progressFollowsElapsedTime()
    {
        QFETCH(qint64, elapsed);
        QFETCH(double, percent);
        QFETCH(bool, done);
        SplashProgress progress(testClock());
        QCOMPARE(progress.tick(), 0.0); // the first tick starts the run
        m_now += elapsed;
        const double shown = progress.tick();
        QVERIFY2(std::abs(shown - percent) < 1e-9, qPrintable(QString::number(shown, 'f', 6)));
        QCOMPARE(SplashProgress::isDone(shown), done);
    }

    void steadyClockRuns()
    {
        const MonotonicClock clock = steadyClock();
        const qint64 first = clock();
        QVERIFY(first >= 0 && first < 1000);
        QTest::qSleep(30);
        const qint64 later = clock();
        QVERIFY2(later - first >= 25 && later - first < 5000, qPrintable(QString::number(later - first)));
    }

    void controlsAtLoad()
    {
        QCOMPARE(m_splash->objectName(), QStringLiteral("frmSplash"));
        QCOMPARE(m_splash->windowTitle(), QStringLiteral("Revised Version, 2003"));
        const QList<std::pair<const char*, QString>> texts{
            {"lblProductName", QStringLiteral("Velcarin")},
            {"lblVersion", QStringLiteral("Version:")},
            {"lblVersionValue", QStringLiteral("003-002-2003")},
            {"lblBasedOn", QStringLiteral("Based on:")},
            {"lblDisclaimer", QString()},
            {"lblState", QStringLiteral("Loading. Please Wait.")},
        };
        for (const auto& [name, text] : texts)
            QCOMPARE(controlText(m_splash.get(), QLatin1String(name)), text);
        for (int i = 0; i < Handbooks.size(); ++i)
            QCOMPARE(controlText(m_splash.get(), QStringLiteral("lblHandbook%1").arg(i + 1)),
                     Handbooks.at(i));
        QVERIFY(!m_splash->findChild<QLabel*>(QStringLiteral("lblHandbook8")));
        QVERIFY(!control<QLabel>("imgLogo")->pixmap().isNull());
        QVERIFY(control<QStatusBar>("StatusBar1")->currentMessage().isEmpty());
        QCOMPARE(fill()->parentWidget(), box());
        QCOMPARE(fill()->palette().color(QPalette::Window), QColor(0, 255, 0));

        QTimer* timer = control<QTimer>("tmrTest");
        QVERIFY(!timer->isActive());
        m_splash->load();
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 10);
        QCOMPARE(fill()->geometry(),
                 QRect(box()->contentsRect().topLeft(), QSize(0, box()->contentsRect().height())));
        QCOMPARE(state(), QStringLiteral("Loading. Please Wait."));
    }

    // The bar grows from the left by the time since the first tick and is full, the box green, the main
    // window's turn come, once, at 5.556 seconds.
    void barRun()
    {
        QSignalSpy finished(m_splash.get(), &FrmSplash::finished);
        m_splash->load();
        m_splash->show();
        const QRect inner = box()->contentsRect();
        QCOMPARE(box()->palette().color(QPalette::Window), QColor(212, 208, 200));

        QTRY_COMPARE(state(), QStringLiteral("Loading. Please Wait..."));
        QCOMPARE(fill()->width(), 0);
        QCOMPARE(m_splash->cursor().shape(), Qt::WaitCursor);
        m_now += 2500;
        QTRY_COMPARE(fill()->width(), qRound(inner.width() * 0.45));
        QCOMPARE(fill()->geometry().topLeft(), inner.topLeft());
        QCOMPARE(fill()->height(), inner.height());
        m_now += 3055; // 5.555 s: the last step before done
        QTRY_COMPARE(fill()->width(), qRound(inner.width() * 0.9999));
        QTest::qWait(30);
        QCOMPARE(state(), QStringLiteral("Loading. Please Wait..."));
        QCOMPARE(finished.count(), 0);
        QCOMPARE(m_beeps->count(), 0);

        m_now += 1;
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(state(), QStringLiteral("Done! Don't forget to thanks Dovrel."));
        QCOMPARE(m_beeps->count(), 1);
        QVERIFY(!control<QTimer>("tmrTest")->isActive());
        QCOMPARE(fill()->width(), 0);
        QCOMPARE(box()->palette().color(QPalette::Window), QColor(0, 255, 0));
        QCOMPARE(m_splash->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(m_splash->isDone());
        m_now += 10000;
        QTest::qWait(50);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(m_beeps->count(), 1);
    }

    // Centred on the screen at its load.
    void centredAtLoad()
    {
        m_splash->load();
        QCOMPARE(m_splash->pos(), placementAtLoad(m_splash.get(), 2));
    }

    // Blue to black from the top down, behind texts that read against both ends.
    void gradientAndContrast()
    {
        m_splash->load();
        m_splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_splash.get()));
        const QImage shown = m_splash->grab().toImage();
        const int h = m_splash->height();
        for (const int y : {1, h / 3}) {
            const QColor pixel = shown.pixelColor(3, y);
            QCOMPARE(pixel.red(), 0);
            QCOMPARE(pixel.green(), 0);
            QVERIFY2(std::abs(pixel.blue() - (255 - y * 255 / h)) <= 2,
                     qPrintable(QStringLiteral("row %1: blue %2").arg(y).arg(pixel.blue())));
        }
        const QList<std::pair<const char*, QColor>> texts{
            {"lblProductName", QColor(255, 255, 0)},    {"lblVersion", QColor(255, 255, 255)},
            {"lblVersionValue", QColor(255, 255, 255)}, {"lblBasedOn", QColor(255, 255, 255)},
            {"lblState", QColor(255, 255, 255)},
        };
        for (const auto& [name, colour] : texts) {
            const QColor text = control<QLabel>(name)->palette().color(QPalette::WindowText);
            QCOMPARE(text, colour);
            QVERIFY2(contrastRatio(text, QColor(0, 0, 255)) >= 4.5, name);
        }
        const QFrame* handbooks = control<QFrame>("fraHandbooks");
        QCOMPARE(handbooks->palette().color(QPalette::Window), QColor(212, 208, 200));
        QCOMPARE(control<QLabel>("lblHandbook1")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        QVERIFY(contrastRatio(QColor(0, 0, 0), QColor(212, 208, 200)) >= 4.5);
    }

    // The program's start: the splash alone while its bar fills, then the main window, once; each window
    // with the program's icon.
    void startOpensTheMainWindowOnceAfterTheSplash()
    {
        const Store store(m_folder.path());
        MessageRecorder messages;
        int ticks = 0;
        bool mainWindowDuringSplash = false;
        const MonotonicClock clock = fastClock();
        const auto watchingClock = [&] {
            ++ticks;
            if (shownWindows(QStringLiteral("frmSplash")).size() != 1 ||
                !shownWindows(QStringLiteral("FrmTabClean")).isEmpty())
                mainWindowDuringSplash = true;
            return clock();
        };
        const SplashWatchdog watchdog;
        QCOMPARE(startVelcarin(store, true, watchingClock), Started::MainWindow);
        QVERIFY(ticks > 1);
        QVERIFY(!mainWindowDuringSplash);
        QCOMPARE(m_beeps->count(), 1);
        QVERIFY(shownWindows(QStringLiteral("frmSplash")).isEmpty());
        QTest::qWait(50);
        const QList<QWidget*> mainWindows = shownWindows(QStringLiteral("FrmTabClean"));
        QCOMPARE(mainWindows.size(), 1);
        QVERIFY(messages.requests().isEmpty());

        QList<QSize> sizes = mainWindows.first()->windowIcon().availableSizes();
        std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        QCOMPARE(sizes, (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
        QCOMPARE(QApplication::windowIcon().cacheKey(), mainWindows.first()->windowIcon().cacheKey());
    }

    void skippedSplash()
    {
        const Store store(m_folder.path());
        MessageRecorder messages;
        int ticks = 0;
        QCOMPARE(startVelcarin(store, false,
                               [&ticks] {
                                   ++ticks;
                                   return qint64(0);
                               }),
                 Started::MainWindow);
        QCOMPARE(ticks, 0);
        QCOMPARE(m_beeps->count(), 0);
        QCOMPARE(shownWindows(QStringLiteral("FrmTabClean")).size(), 1);
        QVERIFY(messages.requests().isEmpty());
    }

    // An Access database converted at the start is told in a message, and the status bar keeps saying where.
    void conversionToldInTheStatusBar()
    {
        TestDataFolder folder;
        folder.copySampleDatabases();
        folder.writeFile(QStringLiteral("cleaning.mdb"),
                         contentOf(legacyFile(QStringLiteral("cleaning.mdb"))));
        const Store store(folder.path());
        MessageRecorder messages;
        QCOMPARE(startVelcarin(store, false, [] { return qint64(0); }), Started::MainWindow);
        QCOMPARE(messages.requests().size(), 1);
        const QList<QWidget*> mainWindows = shownWindows(QStringLiteral("FrmTabClean"));
        QCOMPARE(mainWindows.size(), 1);
        QCOMPARE(mainWindows.first()->findChild<QStatusBar*>()->currentMessage(),
                 QStringLiteral("Converted cleaning.mdb in %1; each Access original is kept beside it, "
                                "ending in .access")
                     .arg(folder.path()));
    }

    // A database problem is told once the splash is gone, and nothing opens.
    void problemToldAfterTheSplash()
    {
        TestDataFolder empty;
        const Store store(empty.path());
        QStringList told;
        MessageBox::setAnswerer([&told](const MessageBox::Request& request) {
            told << request.text;
            if (!shownWindows(QStringLiteral("frmSplash")).isEmpty())
                told << QStringLiteral("(behind the splash)");
            return QMessageBox::Ok;
        });
        const SplashWatchdog watchdog;
        const Started started = startVelcarin(store, true, fastClock());
        MessageBox::setAnswerer(nullptr);
        QCOMPARE(started, Started::CannotStart);
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.first().startsWith(QStringLiteral("Velcarin cannot start:\n\n")),
                 qPrintable(told.first()));
        QVERIFY(shownWindows(QStringLiteral("FrmTabClean")).isEmpty());
    }

    void closingTheSplashEndsTheStart()
    {
        const Store store(m_folder.path());
        MessageRecorder messages;
        QTimer::singleShot(100, [] {
            for (QWidget* splash : shownWindows(QStringLiteral("frmSplash")))
                splash->close();
        });
        QCOMPARE(startVelcarin(store, true, [] { return qint64(0); }), Started::SplashClosed);
        QVERIFY(shownWindows(QStringLiteral("frmSplash")).isEmpty());
        QVERIFY(shownWindows(QStringLiteral("FrmTabClean")).isEmpty());
        QVERIFY(messages.requests().isEmpty());
        QCOMPARE(m_beeps->count(), 0);
    }

    // The start converts in a worker: the file is shown on the splash, its bar emptied, or in the status bar
    // of the main window, shown disabled, while the event loop runs on; here the worker waits for another
    // start's lock, which a timer lets go.
    void conversionShowsItsProgress_data()
    {
        QTest::addColumn<bool>("splash");
        QTest::newRow("on the splash") << true;
        QTest::newRow("in the status bar") << false;
    }

    void conversionShowsItsProgress()
    {
        QFETCH(bool, splash);
        const TestDataFolder folder;
        folder.copySampleDatabases();
        QFile::remove(folder.filePath(QStringLiteral("cleaning.mdb")));
        QVERIFY(QFile::copy(legacyFile(QStringLiteral("cleaning.mdb")),
                            folder.filePath(QStringLiteral("cleaning.mdb"))));
        auto otherStart = std::make_unique<ConversionLock>(folder.path());
        QVERIFY(otherStart->acquire());

        QString shown;
        bool waiting = false; // an empty grey bar, or a disabled main window
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            const QList<QWidget*> windows = shownWindows(QLatin1String(splash ? "frmSplash" : "FrmTabClean"));
            if (windows.isEmpty())
                return;
            QWidget* window = windows.first();
            if (splash) {
                shown = controlText(window, QStringLiteral("lblState"));
                waiting =
                    child<QWidget>(window, QStringLiteral("picFill"))->width() == 0 &&
                    child<QFrame>(window, QStringLiteral("picProgress"))->palette().color(QPalette::Window) ==
                        QColor(212, 208, 200);
            } else {
                shown = child<QStatusBar>(window, QStringLiteral("StatusBar1"))->currentMessage();
                waiting = !window->isEnabled();
            }
            if (shown.startsWith(QStringLiteral("Converting"))) {
                poll.stop();
                otherStart.reset();
            }
        });
        poll.start(20);
        MessageRecorder messages;
        const SplashWatchdog watchdog;
        QCOMPARE(startVelcarin(Store(folder.path()), splash, fastClock()), Started::MainWindow);
        QCOMPARE(shown, QStringLiteral("Converting cleaning.mdb…"));
        QVERIFY(waiting);
        QCOMPARE(messages.requests().size(), 1);
        QCOMPARE(
            messages.requests().first().text,
            QStringLiteral("Velcarin has converted your Microsoft Access databases into its own format:\n\n"
                           "cleaning.mdb was converted; its Access original is kept unchanged as \"%1\".")
                .arg(folder.filePath(QStringLiteral("cleaning.mdb.access"))));
        const QList<QWidget*> mainWindows = shownWindows(QStringLiteral("FrmTabClean"));
        QCOMPARE(mainWindows.size(), 1);
        QVERIFY(mainWindows.first()->isEnabled());
        // The progress gives way to what was converted where.
        QCOMPARE(child<QStatusBar>(mainWindows.first(), QStringLiteral("StatusBar1"))->currentMessage(),
                 QStringLiteral("Converted cleaning.mdb in %1; each Access original is kept beside it, "
                                "ending in .access")
                     .arg(folder.path()));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("splash");
        QTest::addColumn<QString>("dataFolder");
        QTest::newRow("plain") << QStringList{} << true << QString();
        QTest::newRow("--no-splash") << QStringList{QStringLiteral("--no-splash")} << false << QString();
        QTest::newRow("--data-dir") << QStringList{QStringLiteral("--data-dir"), QStringLiteral("ship")}
                                    << true << QDir::current().absoluteFilePath(QStringLiteral("ship"));
        QTest::newRow("both") << QStringList{QStringLiteral("--data-dir=/ship"),
                                             QStringLiteral("--no-splash")}
                              << false << QStringLiteral("/ship");
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, splash);
        QFETCH(QString, dataFolder);
        const StartOptions options = readCommandLine(QStringList{QStringLiteral("velcarin")} + arguments);
        QCOMPARE(options.splash, splash);
        QCOMPARE(options.dataFolder, dataFolder);
    }

    void helpListsTheSkipOption()
    {
        QProcess program;
        program.start(QDir(programFolder()).filePath(QStringLiteral("velcarin")), {QStringLiteral("--help")});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 0);
        const QString help = QString::fromUtf8(program.readAllStandardOutput());
        QVERIFY2(help.contains(QRegularExpression(QStringLiteral(
                     "\n  --no-splash +Open the main window at once, without the start-up splash.\n"))),
                 qPrintable(help));
        QVERIFY2(help.contains(QStringLiteral("--data-dir DIR")), qPrintable(help));
        QVERIFY2(help.contains(QStringLiteral("\nInformation about Chemical Cargoes Carried in bulk.\n")),
                 qPrintable(help));
    }

    // Over SSH or in a container there is no display: the command line is still answered.
    void withoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // what it starts with
        QTest::addColumn<QString>("err");
        QTest::newRow("--help") << QStringList{"--help"} << 0
                                << QStringLiteral("usage: velcarin [--data-dir DIR]") << QString();
        QTest::newRow("--version") << QStringList{"--version"} << 0
                                   << QStringLiteral("velcarin " VELCARIN_VERSION "\n") << QString();
        QTest::newRow("a start") << QStringList{"--no-splash"} << 1 << QString()
                                 << QStringLiteral(
                                        "velcarin: Velcarin needs a graphical session, and none was found "
                                        "(neither DISPLAY nor WAYLAND_DISPLAY is set); velcarin-cli "
                                        "answers the same questions in a terminal.\n");
        QTest::newRow("an unknown option") << QStringList{"--colour"} << 2 << QString()
                                           << QStringLiteral("velcarin: Unknown option 'colour'.\n"
                                                             "try 'velcarin --help'\n");
    }

    void withoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        program.setProcessEnvironment(environment);
        program.start(QDir(programFolder()).filePath(QStringLiteral("velcarin")), arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        QVERIFY(QString::fromUtf8(program.readAllStandardOutput()).startsWith(out));
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()), err);
    }
};

VELCARIN_TEST_MAIN(TestSplash)
#include "tst_splash.moc"
