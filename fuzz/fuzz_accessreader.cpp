// The Access reader on any bytes: open them as a file and read every row of every table. Whatever the
// bytes, the reader must neither crash nor hang nor take memory beyond the file's size.
#include "data/legacy/AccessReader.h"

#include <cstddef>
#include <cstdint>

#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // libmdb reads from a path: one file in memory, rewritten for every input.
    static const int file = memfd_create("access", MFD_CLOEXEC);
    static const QString path = QStringLiteral("/proc/self/fd/%1").arg(file);
    if (::ftruncate(file, 0) != 0 || ::pwrite(file, data, size, 0) != ssize_t(size))
        return 0;
    if (const Result<std::unique_ptr<AccessReader>> reader = AccessReader::open(path)) {
        for (const AccessReader::Table& table : (*reader)->tables())
            (void)(*reader)->readRows(table, [](const QVariantList&) { return true; });
    }
    return 0;
}
