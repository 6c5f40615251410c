#include "app/ProgramTexts.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(ProgramTexts::Title);
    QApplication::setApplicationVersion(ProgramTexts::Version);
    // The desktop matches the windows with the menu entry and its icon by this name.
    QApplication::setDesktopFileName(QStringLiteral("org.velcarin.Velcarin"));
    return runVelcarin(application);
}
