#pragma once

#include <QByteArrayView>
#include <QString>

namespace WinHelp {

// Text of a help file: the Windows ANSI code page 1252 of the Western European help compilers.
QString fromWindows1252(QByteArrayView bytes);

} // namespace WinHelp
