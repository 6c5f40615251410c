#include "app/Startup.h"

#include "app/FrmTabClean.h"
#include "data/DataFolders.h"
#include "data/Store.h"
#include "data/legacy/Migration.h"
#include "help/HelpViewer.h"
#include "shell/MessageBox.h"

#include <QApplication>
#include <QCommandLineParser>

int runVelcarin(QApplication& application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Information about Chemical Cargoes Carried in bulk."));
    parser.addHelpOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QApplication::translate("Startup", "Read the databases from <dir>."),
                                     QStringLiteral("dir"));
    parser.addOption(dataDir);
    parser.process(application);

    const QString title = QStringLiteral("Velcarin");
    const DataFolders folders = DataFolders::choose(parser.value(dataDir), DataFolders::places());
    DataFolders::setCurrent(folders);
    QString error;
    if (!folders.prepare(&error)) {
        MessageBox::error(
            nullptr, QApplication::translate("Startup", "Velcarin cannot start:\n\n%1").arg(error), title);
        return 1;
    }
    const Store store(folders.dataFolder());
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
        return 1;
    }

    CommonDialog::setViewer(&HelpViewer::showRequest);
    auto* mainWindow = new FrmTabClean(store);
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    if (!mainWindow->load(&error)) {
        delete mainWindow;
        MessageBox::error(
            nullptr, QApplication::translate("Startup", "Velcarin cannot start:\n\n%1").arg(error), title);
        return 1;
    }
    mainWindow->show();
    return application.exec();
}
