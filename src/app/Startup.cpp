#include "Startup.h"

#include "FrmTabClean.h"
#include "MessageBox.h"
#include "ProgramFolder.h"
#include "Store.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

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

    const Store store(parser.isSet(dataDir) ? QDir(parser.value(dataDir)).absolutePath()
                                            : ProgramFolder::path());
    const QString title = QStringLiteral("Velcarin");
    const QStringList problems = store.problems();
    if (!problems.isEmpty()) {
        MessageBox::error(nullptr,
                          QApplication::translate("Startup", "Velcarin cannot start:\n\n%1")
                              .arg(problems.join(QLatin1String("\n\n"))),
                          title);
        return 1;
    }

    auto* mainWindow = new FrmTabClean(store);
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    QString error;
    if (!mainWindow->load(&error)) {
        delete mainWindow;
        MessageBox::error(
            nullptr, QApplication::translate("Startup", "Velcarin cannot start:\n\n%1").arg(error), title);
        return 1;
    }
    mainWindow->show();
    return application.exec();
}
