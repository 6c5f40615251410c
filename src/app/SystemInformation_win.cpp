#include "app/SystemInformation.h"

#include <QFileInfo>
#include <QProcess>

#include <windows.h>

namespace SystemInformation {

namespace {

// A value under HKEY_LOCAL_MACHINE read into a buffer of 1024 characters: a string up to its terminating
// null, a 32-bit number as hexadecimal text with the prefix "&h"; nothing when the key or the value
// cannot be read. The key is closed in every case.
std::optional<QString> readLocalMachine(const QString& key, const QString& value)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, reinterpret_cast<const wchar_t*>(key.utf16()), 0, KEY_READ,
                      &handle) != ERROR_SUCCESS)
        return std::nullopt;
    wchar_t buffer[1024] = {};
    DWORD type = 0;
    DWORD bytes = sizeof(buffer);
    const LONG status = RegQueryValueExW(handle, reinterpret_cast<const wchar_t*>(value.utf16()), nullptr,
                                         &type, reinterpret_cast<BYTE*>(buffer), &bytes);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    if (type == REG_DWORD) {
        DWORD number = 0;
        memcpy(&number, buffer, sizeof(number));
        return QStringLiteral("&h") + QString::number(number, 16).toUpper();
    }
    const int characters = int(bytes / sizeof(wchar_t));
    const QString text = QString::fromWCharArray(buffer, std::min(characters, 1024));
    const qsizetype end = text.indexOf(QChar(u'\0'));
    return end < 0 ? text : text.left(end);
}

} // namespace

bool start()
{
    const std::optional<QString> program =
        msinfoProgram(readLocalMachine, [](const QString& path) { return QFileInfo::exists(path); });
    return program && QProcess::startDetached(*program, {});
}

} // namespace SystemInformation
