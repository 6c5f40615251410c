#include "app/Startup.h"

#include "app/BackgroundMigration.h"
#include "app/FrmSplash.h"
#include "app/FrmTabClean.h"
#include "app/ProgramImages.h"
#include "app/ProgramTexts.h"
#include "data/DataFolders.h"
#include "data/Store.h"
#include "data/legacy/Migration.h"
#include "help/HelpViewer.h"
#include "shell/MessageBox.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QStatusBar>

#include <memory>

namespace {

QString tr(const char* text)
{
    return QApplication::translate("Startup", text);
}

void tellCannotStart(const QString& reason)
{
    MessageBox::error(nullptr, tr("Velcarin cannot start:\n\n%1").arg(reason), ProgramTexts::Title);
}

// Runs the splash until its bar is full and returns it, still shown; null when the user closed it first.
std::unique_ptr<FrmSplash> runSplash(const MonotonicClock& clock)
{
    auto splash = std::make_unique<FrmSplash>(clock);
    QEventLoop loop;
    QObject::connect(splash.get(), &FrmSplash::finished, &loop, &QEventLoop::quit);
    QObject::connect(splash.get(), &FrmSplash::closed, &loop, &QEventLoop::quit);
    splash->load();
    splash->show();
    loop.exec();
    return splash->isDone() ? std::move(splash) : nullptr;
}

// Converts the legacy databases in a worker while the event loop runs, showing each file on the splash
// or, without one, in the status bar of the main window, which then shows, disabled, until it is loaded.
Migration convertDatabases(const Store& store, FrmSplash* splash, std::unique_ptr<FrmTabClean>& mainWindow)
{
    BackgroundMigration conversion(store);
    QObject::connect(&conversion, &BackgroundMigration::progress, &conversion,
                     [&](const QString& fileName, int position, int count) {
                         const QString state = tr("Converting %1…").arg(fileName);
                         if (splash) {
                             splash->showWork(state, position * 100 / count);
                             return;
                         }
                         if (!mainWindow) {
                             mainWindow = std::make_unique<FrmTabClean>(store);
                             mainWindow->setEnabled(false);
                             mainWindow->show();
                         }
                         mainWindow->statusBar()->showMessage(state);
                     });
    QEventLoop loop;
    QObject::connect(&conversion, &BackgroundMigration::finished, &loop, &QEventLoop::quit);
    conversion.start();
    loop.exec();
    if (mainWindow)
        mainWindow->statusBar()->clearMessage();
    return conversion.migration();
}

bool openMainWindow(const Store& store, std::unique_ptr<FrmSplash> splash)
{
    std::unique_ptr<FrmTabClean> mainWindow;
    const Migration migration = convertDatabases(store, splash.get(), mainWindow);
    splash.reset();
    if (!migration.migrated().isEmpty())
        MessageBox::ok(nullptr, migration.report(), ProgramTexts::Title);
    // A failed conversion is the problem to tell; the file is still the Access file it was.
    const QStringList problems = migration.failures().isEmpty() ? store.problems() : migration.failures();
    if (!problems.isEmpty()) {
        tellCannotStart(problems.join(QLatin1String("\n\n")));
        return false;
    }

    if (!mainWindow)
        mainWindow = std::make_unique<FrmTabClean>(store);
    QString error;
    if (!mainWindow->load(&error)) {
        tellCannotStart(error);
        return false;
    }
    mainWindow->setEnabled(true);
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow.release()->show();
    return true;
}

} // namespace

StartOptions readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Information about Chemical Cargoes Carried in bulk."));
    parser.addHelpOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QApplication::translate("Startup", "Read the databases from <dir>."),
                                     QStringLiteral("dir"));
    const QCommandLineOption noSplash(
        QStringLiteral("no-splash"),
        QApplication::translate("Startup", "Open the main window at once, without the start-up splash."));
    parser.addOption(dataDir);
    parser.addOption(noSplash);
    parser.process(arguments);
    return {parser.isSet(dataDir) ? QDir(parser.value(dataDir)).absolutePath() : QString(),
            !parser.isSet(noSplash)};
}

Started startVelcarin(const Store& store, bool splash, const MonotonicClock& clock)
{
    QApplication::setWindowIcon(ProgramImages::icon());
    std::unique_ptr<FrmSplash> shownSplash;
    if (splash) {
        shownSplash = runSplash(clock);
        if (!shownSplash)
            return Started::SplashClosed;
    }
    return openMainWindow(store, std::move(shownSplash)) ? Started::MainWindow : Started::CannotStart;
}

int runVelcarin(QApplication& application)
{
    const StartOptions options = readCommandLine(application.arguments());
    const DataFolders folders = DataFolders::choose(options.dataFolder, DataFolders::places());
    DataFolders::setCurrent(folders);
    QString error;
    QStringList made;
    if (!folders.prepare(&error, &made)) {
        tellCannotStart(error);
        return 1;
    }
    const Store store(folders.dataFolder());
    CommonDialog::setViewer(&HelpViewer::showRequest);
    switch (startVelcarin(store, options.splash, steadyClock())) {
    case Started::MainWindow:
        return application.exec();
    case Started::SplashClosed:
        return 0;
    case Started::CannotStart:
        break;
    }
    // Copies that the program cannot start on would stay in the officer's folder for good, since a
    // database there is never replaced; the next start copies them again.
    DataFolders::removeMade(made);
    return 1;
}
