#include "cli/SheetPrinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <vector>

#include <unistd.h>

int runSheetPrinter(const QStringList& arguments, CliContext& context)
{
    const QString printer =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1String("/" VELCARIN_SHEET_PRINTER));
    std::vector<QByteArray> bytes{QFile::encodeName(printer), QByteArrayLiteral("print")};
    for (const QString& argument : arguments)
        bytes.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& argument : bytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    context.out.flush();
    execv(argv.front(), argv.data());
    context.err << "velcarin-cli: the sheet printer " << QDir::toNativeSeparators(printer)
                << " cannot be started: " << std::strerror(errno) << Qt::endl;
    return ExitCode::BadUse;
}
