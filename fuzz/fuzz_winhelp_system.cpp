// The |SYSTEM file of a Windows Help file on any bytes. Its records are a structure of their own, which
// changes to whole help files seldom reach: the file may refuse the bytes when it reads them, but once read
// it answers every question without throwing.
#include "help/winhelp/SystemFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::optional<WinHelp::SystemFile> system;
    try {
        system.emplace(QByteArrayView(data, qsizetype(size)));
    } catch (const WinHelp::Damaged&) {
        return 0;
    } catch (const WinHelp::Unsupported&) {
        return 0;
    }
    system->title();
    system->contents();
    return 0;
}
