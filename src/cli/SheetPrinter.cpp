#include "cli/SheetPrinter.h"

#include "cli/ArgumentVector.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <cstring>

#include <unistd.h>

int runSheetPrinter(const QStringList& arguments, CliContext& context)
{
    const QString printer =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1String("/" VELCARIN_SHEET_PRINTER));
    ArgumentVector argv(QStringList{printer, QStringLiteral("print")} + arguments);
    context.out.flush();
    execv(argv.program(), argv.data());
    context.err << "velcarin-cli: the sheet printer " << QDir::toNativeSeparators(printer)
                << " cannot be started: " << std::strerror(errno) << Qt::endl;
    return ExitCode::BadUse;
}
