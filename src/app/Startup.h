#pragma once

#include "app/SplashProgress.h"

#include <QString>
#include <QStringList>

#include <optional>

class QApplication;
class Store;

struct ProgramHelp;

// What the command line asks for. --help, --version and a wrong option are answered at once, on standard
// output or, for a wrong option, standard error, and need no display: the program ends with `exitCode`.
struct StartOptions {
    QString dataFolder; // absolute; empty when the command line names none
    bool splash = true;
    std::optional<int> exitCode;
};
StartOptions readCommandLine(const QStringList& arguments);
// The program's command line, as --help and the manual page describe it.
const ProgramHelp& velcarinProgram();

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

// Starts the program as the command line asks; the event loop's result.
int runVelcarin(QApplication& application, const StartOptions& options);
