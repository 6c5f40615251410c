#pragma once

#include "app/SplashProgress.h"

#include <QString>
#include <QStringList>

class QApplication;
class Store;

// What the command line asks for. --help, --version and a wrong option print their text and end the
// program.
struct StartOptions {
    QString dataFolder; // absolute; empty when the command line names none
    bool splash = true;
};
StartOptions readCommandLine(const QStringList& arguments);

// How the start ended.
enum class Started {
    MainWindow,   // the main window is open
    SplashClosed, // the user closed the splash: nothing more to do
    CannotStart,  // the user has been told why
};

// Gives every window the program's icon, shows the splash until its bar is full (unless the command line
// skips it), then converts legacy databases in a worker, its progress on the splash or in the main
// window's status bar, checks them and opens the main window, telling the user of a problem once the
// splash is gone.
Started startVelcarin(const Store& store, bool splash, const MonotonicClock& clock);

// Reads the command line and starts the program; the event loop's result.
int runVelcarin(QApplication& application);
