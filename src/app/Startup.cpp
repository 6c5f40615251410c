#include "app/Startup.h"

#include "app/BackgroundMigration.h"
#include "app/FrmSplash.h"
#include "app/FrmTabClean.h"
#include "app/ProgramImages.h"
#include "app/ProgramTexts.h"
#include "data/DataFolders.h"
#include "data/Store.h"
#include "data/legacy/Migration.h"
#include "help/CommandLineHelp.h"
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
    if (!migration.migrated().isEmpty()) {
        QStringList converted;
        for (const Migration::Migrated& file : migration.migrated())
            converted << file.fileName;
        mainWindow->showStatus(
            QApplication::translate(
                "Startup", "Converted %1 in %2; each Access original is kept beside it, ending in .access")
                .arg(converted.join(QLatin1String(", ")), QDir::toNativeSeparators(store.dataDir())));
    }
    mainWindow.release()->show();
    return true;
}

} // namespace

const ProgramHelp& velcarinProgram()
{
    static const ProgramHelp program{
        QStringLiteral("velcarin"),
        QStringLiteral("tank cleaning guide for the deck officers of chemical tankers"),
        {QStringLiteral("velcarin [--data-dir DIR] [--no-splash]"),
         QStringLiteral("velcarin --help | --version")},
        QStringLiteral(
            "Information about Chemical Cargoes Carried in bulk.\n\nThe officer picks the cargo that a "
            "tank last carried, and Velcarin tells how to clean the tank: the cleaning group and what it "
            "means, the wash-water temperature, special notes, the cargo's physical and handling data, "
            "pollution category, IMDG class, health hazard ratings, USCG compatibility group and the "
            "officer's own notes. Beside this adviser stand a second operator's adviser, the advisers of "
            "two cleaning-chemical suppliers, the USCG cargo compatibility chart and reference windows."),
        {{QStringLiteral("--data-dir"), QStringLiteral("DIR"),
          QApplication::translate("Startup", "Read the databases from DIR."), Completion::Folder},
         {QStringLiteral("--no-splash"),
          {},
          QApplication::translate("Startup", "Open the main window at once, without the start-up splash.")},
         {QStringLiteral("-h, --help"), {}, QApplication::translate("Startup", "Show this help, and end.")},
         {QStringLiteral("-v, --version"),
          {},
          QApplication::translate("Startup", "Show the version, and end.")}},
        {},
        {{0, QStringLiteral("the windows were closed, or the help or version was shown")},
         {1, QStringLiteral(
                 "Velcarin cannot start: there is no graphical session, or a database cannot be used")},
         {2, QStringLiteral("an option that Velcarin does not know")}},
        {{QStringLiteral("~/.local/share/Velcarin/"),
          QStringLiteral(
              "The user's data folder: cleaning.mdb, Jo Tankers.mdb, Henkel.mdb and unitor.mdb, copied "
              "from the shipped ones at the first start and kept from then on; the officer's edits "
              "and personal notes are written there. Help files put here are read before the "
              "shipped ones.")},
         {QStringLiteral("/usr/share/velcarin/"),
          QStringLiteral("The shipped databases, manuals (*.hlp) and globe pictures.")}},
        {{QStringLiteral("DISPLAY"), QStringLiteral("The X display to open the windows on.")},
         {QStringLiteral("WAYLAND_DISPLAY"),
          QStringLiteral(
              "The Wayland display to open the windows on. Without it and DISPLAY, Velcarin says that "
              "it needs a graphical session and ends.")},
         {QStringLiteral("QT_QPA_PLATFORM"),
          QStringLiteral("The Qt platform to draw with, such as xcb or wayland.")},
         {QStringLiteral("XDG_DATA_HOME"),
          QStringLiteral("The data folder is Velcarin in this folder, ~/.local/share when it is not set.")}},
        {{QStringLiteral("velcarin --no-splash"), QStringLiteral("Opens the main window at once.")},
         {QStringLiteral("velcarin --data-dir /media/usb/velcarin"),
          QStringLiteral("Reads and writes the databases of a USB stick instead of the data folder.")}},
        {QStringLiteral("velcarin-cli(1)")},
    };
    return program;
}

StartOptions readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    for (const ArgumentHelp& option : velcarinProgram().options)
        parser.addOption(option.parserOption());
    // The build writes the manual page with it.
    parser.addOption({QStringLiteral("manual-page"), {}});
    QTextStream out(stdout);
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        QTextStream(stderr) << "velcarin: "
                            << (parser.errorText().isEmpty()
                                    ? QApplication::translate("Startup", "Velcarin takes no arguments.")
                                    : parser.errorText())
                            << "\ntry 'velcarin --help'" << Qt::endl;
        return {{}, true, 2};
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << CommandLineHelp::programText(velcarinProgram(), {});
        return {{}, true, 0};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out << "velcarin " << VELCARIN_VERSION << Qt::endl;
        return {{}, true, 0};
    }
    if (parser.isSet(QStringLiteral("manual-page"))) {
        out << CommandLineHelp::manualPage(velcarinProgram(), QStringLiteral(VELCARIN_VERSION));
        return {{}, true, 0};
    }
    return {parser.isSet(QStringLiteral("data-dir"))
                ? QDir(parser.value(QStringLiteral("data-dir"))).absolutePath()
                : QString(),
            !parser.isSet(QStringLiteral("no-splash")), std::nullopt};
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

int runVelcarin(QApplication& application, const StartOptions& options)
{
    const DataFolders folders = DataFolders::choose(options.dataFolder, DataFolders::places());
    DataFolders::setCurrent(folders);
    const Result<QStringList> prepared = folders.prepare();
    if (!prepared) {
        tellCannotStart(prepared.error());
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
