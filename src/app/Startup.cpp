#include "app/Startup.h"

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

namespace {

// Runs the splash until its bar is full; false when the user closed it first. The splash is gone when
// this returns.
bool waitForSplash(const MonotonicClock& clock)
{
    FrmSplash splash(clock);
    QEventLoop loop;
    QObject::connect(&splash, &FrmSplash::finished, &loop, &QEventLoop::quit);
    QObject::connect(&splash, &FrmSplash::closed, &loop, &QEventLoop::quit);
    splash.load();
    splash.show();
    loop.exec();
    return splash.isDone();
}

bool openMainWindow(const Store& store)
{
    const QString& title = ProgramTexts::Title;
    Migration migration(store);
    migration.migrateAll();
    if (!migration.migrated().isEmpty())
        MessageBox::ok(nullptr, migration.report(), title);
    // A failed conversion is the problem to tell; the file is still the Access file it was.
    const QStringList problems = migration.failures().isEmpty() ? store.problems() : migration.failures();
    if (!problems.isEmpty()) {
        MessageBox::error(nullptr,
                          QApplication::translate("Startup", "Velcarin cannot start:\n\n%1")
                              .arg(problems.join(QLatin1String("\n\n"))),
                          title);
        return false;
    }

    auto* mainWindow = new FrmTabClean(store);
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    QString error;
    if (!mainWindow->load(&error)) {
        delete mainWindow;
        MessageBox::error(
            nullptr, QApplication::translate("Startup", "Velcarin cannot start:\n\n%1").arg(error), title);
        return false;
    }
    mainWindow->show();
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
    if (splash && !waitForSplash(clock))
        return Started::SplashClosed;
    return openMainWindow(store) ? Started::MainWindow : Started::CannotStart;
}

int runVelcarin(QApplication& application)
{
    const StartOptions options = readCommandLine(application.arguments());
    const DataFolders folders = DataFolders::choose(options.dataFolder, DataFolders::places());
    DataFolders::setCurrent(folders);
    const Result<QStringList> prepared = folders.prepare();
    if (!prepared) {
        MessageBox::error(
            nullptr, QApplication::translate("Startup", "Velcarin cannot start:\n\n%1").arg(prepared.error()),
            ProgramTexts::Title);
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
    DataFolders::removeMade(*prepared);
    return 1;
}
