#pragma once

#include <functional>

class QWidget;

// Prints the image of a laid-out sheet on the default printer without a dialog, or into a PDF beside the
// program's data when no printer is installed. Tests replace the printer.
class Printer {
public:
    using Device = std::function<void(QWidget* sheet)>;

    static void print(QWidget* sheet);
    static void setDevice(Device device); // nullptr restores the default printer
};
