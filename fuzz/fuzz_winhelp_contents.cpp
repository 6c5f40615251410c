// The contents file (.cnt) of a Windows Help project on any bytes: read line by line, refused with Damaged
// and nothing else.
#include "help/winhelp/ByteReader.h"
#include "help/winhelp/ContentsFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        WinHelp::readContentsFile(QByteArrayView(data, qsizetype(size)));
    } catch (const WinHelp::Damaged&) {
    }
    return 0;
}
