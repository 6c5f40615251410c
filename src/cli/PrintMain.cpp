// The sheet printer behind `velcarin-cli print`: the one part of the command-line tool that draws, and so
// the one that loads Qt Gui. velcarin-cli runs it in its own place as "velcarin-print print ARGUMENTS" or
// "velcarin-print overview ARGUMENTS".
#include "cli/OverviewCommand.h"
#include "cli/PrintCommand.h"
#include "data/DataFolders.h"
#include "sheet/SheetPdf.h"

#include <QDir>

int main(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> application = drawingApplication(argc, argv);
    // The tool's name and folder, so that the data folder is the one the tool would choose.
    QCoreApplication::setApplicationName(QStringLiteral("Velcarin"));
    DataFolders::setProgramFolder(
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1String("/" VELCARIN_TOOL_FOLDER)));
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliContext context{out, err};
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.value(0) == QLatin1String("print"))
        return runPrint(arguments.mid(1), context);
    if (arguments.value(0) == QLatin1String("overview"))
        return runOverview(arguments.mid(1), context,
                           [](const Sheet& sheet, const QString& fileName) -> Result<> {
                               QString error;
                               if (!SheetPdf::write(sheet, fileName, &error))
                                   return Failure{error};
                               return {};
                           });
    err << "velcarin-print is run by velcarin-cli print and velcarin-cli overview --pdf" << Qt::endl;
    return ExitCode::BadUse;
}
