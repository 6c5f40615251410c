#pragma once

#include <QString>

#include <functional>
#include <optional>

// The operating system's system-information program, which the About box starts. Each system has its own
// source file: SystemInformation_win.cpp, SystemInformation_linux.cpp, SystemInformation_other.cpp.
namespace SystemInformation {

// Starts the program with a normally shown, focused window, without waiting for it; false when there is
// none or it does not start.
bool start();

// Windows: the program that the MSINFO registry key's PATH names when that value can be read; otherwise
// MSINFO32.EXE in the folder that the Shared Tools Location key names, if that file exists; else nothing.
using RegistryReader = std::function<std::optional<QString>(const QString& key, const QString& value)>;
std::optional<QString> msinfoProgram(const RegistryReader& readLocalMachine,
                                     const std::function<bool(const QString&)>& fileExists);

} // namespace SystemInformation
