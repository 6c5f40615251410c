// The keyword index of a Windows Help file on any bytes: a 32-bit length, that many bytes of |KWBTREE, then
// |KWDATA. A damaged index is refused with Damaged and nothing else.
#include "help/winhelp/ByteReader.h"
#include "help/winhelp/KeywordTable.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView input(data, qsizetype(size));
    try {
        WinHelp::ByteReader reader(input);
        const QByteArrayView tree = reader.take(reader.dword());
        WinHelp::readKeywordTable(tree, reader.take(reader.remaining()));
    } catch (const WinHelp::Damaged&) {
    }
    return 0;
}
