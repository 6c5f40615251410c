#include "app/GraphicalSession.h"
#include "app/ProgramTexts.h"
#include "app/Startup.h"

#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(ProgramTexts::Title);
    QApplication::setApplicationVersion(ProgramTexts::Version);
    // The command line is answered before anything needs a display: --help works over SSH.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const StartOptions options = readCommandLine(arguments);
    if (options.exitCode)
        return *options.exitCode;
    if (const std::optional<QString> missing = GraphicalSession::missing()) {
        QTextStream(stderr) << *missing << Qt::endl;
        return 1;
    }
    const std::unique_ptr<QApplication> application = GraphicalSession::open(argc, argv);
    // The desktop matches the windows with the menu entry and its icon by this name.
    QApplication::setDesktopFileName(QStringLiteral("org.velcarin.Velcarin"));
    return runVelcarin(*application, options);
}
