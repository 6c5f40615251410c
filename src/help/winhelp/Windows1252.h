#pragma once

#include <QByteArrayView>
#include <QString>

namespace WinHelp {

// Text of a help file: the Windows ANSI code page 1252 of the Western European help compilers, made
// readable (help/ReadableText.h).
QString fromWindows1252(QByteArrayView bytes);

} // namespace WinHelp
