#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace WinHelp {

// Expands the LZ77 packing of help files: each flag byte tells of the next eight items whether it is a
// literal byte or a two-byte reference (12 bits distance back, 4 bits length - 3) into what was expanded
// before. Stops at `limit` bytes; a reference before the start throws Damaged.
QByteArray expandLz77(QByteArrayView packed, qsizetype limit);

} // namespace WinHelp
