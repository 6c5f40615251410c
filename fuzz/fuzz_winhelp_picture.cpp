// The picture readers on any bytes: a picture container as help files hold them, with its unpacking, bitmaps,
// metafile and hotspots, and a Windows bitmap file as Velcarin's own help files hold them.
#include "help/winhelp/ContextHash.h"
#include "help/winhelp/Picture.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    static_cast<void>(WinHelp::readPicture(bytes, WinHelp::hashTarget));
    static_cast<void>(WinHelp::readBitmapFile(bytes));
    return 0;
}
