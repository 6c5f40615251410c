#pragma once

#include <QApplication>
#include <QString>

#include <memory>
#include <optional>

// The desktop Velcarin opens its windows on. A start over SSH or in a container may have none: that is
// said in one line rather than with Qt's abort.
namespace GraphicalSession {

// Why there is no display to open windows on, when the environment names none; nothing otherwise.
std::optional<QString> missing();

// The application on the display. Should Qt find none it can connect to after all, the program ends
// with one line saying so, after Qt's own reasons.
std::unique_ptr<QApplication> open(int& argc, char** argv);

} // namespace GraphicalSession
