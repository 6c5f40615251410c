#include "cli/SheetPrinter.h"

#include "data/OperatingSystem.h"

#include <QCoreApplication>
#include <QDir>

int runSheetPrinter(const QString& command, const QStringList& arguments, CliContext& context)
{
    const QString printer =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1String("/" VELCARIN_SHEET_PRINTER));
    context.out.flush();
    const QString reason = OperatingSystem::runInstead(printer, QStringList{command} + arguments);
    context.err << "velcarin-cli: the sheet printer " << QDir::toNativeSeparators(printer)
                << " cannot be started: " << reason << Qt::endl;
    return ExitCode::BadUse;
}
