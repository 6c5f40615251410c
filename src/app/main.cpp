#include "app/ProgramTexts.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(ProgramTexts::Title);
    QApplication::setApplicationVersion(ProgramTexts::Version);
    return runVelcarin(application);
}
