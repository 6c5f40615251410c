#include "app/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velcarin"));
    QApplication::setApplicationVersion(QStringLiteral("003-002-2003"));
    return runVelcarin(application);
}
