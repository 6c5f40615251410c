#pragma once

class QApplication;

// Reads the command line, checks the databases and opens the main window; the event loop's result.
int runVelcarin(QApplication& application);
