#include "app/SystemInformation.h"

namespace SystemInformation {

std::optional<QString> msinfoProgram(const RegistryReader& readLocalMachine,
                                     const std::function<bool(const QString&)>& fileExists)
{
    if (std::optional<QString> path = readLocalMachine(
            QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH")))
        return path;
    if (const std::optional<QString> folder = readLocalMachine(
            QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"))) {
        const QString program = *folder + QStringLiteral("\\MSINFO32.EXE");
        if (fileExists(program))
            return program;
    }
    return std::nullopt;
}

} // namespace SystemInformation
