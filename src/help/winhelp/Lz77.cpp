#include "help/winhelp/Lz77.h"

#include "help/winhelp/ByteReader.h"

#include <algorithm>

namespace WinHelp {

QByteArray expandLz77(QByteArrayView packed, qsizetype limit)
{
    QByteArray out;
    // A reference of two bytes expands to at most 18, so the output is bounded by the input as well.
    out.reserve(std::min(limit, packed.size() * 9));
    qsizetype in = 0;
    while (in < packed.size() && out.size() < limit) {
        const quint8 flags = quint8(packed[in++]);
        for (int bit = 0; bit < 8 && in < packed.size() && out.size() < limit; ++bit) {
            if (!(flags & 1 << bit)) {
                out.append(packed[in++]);
                continue;
            }
            if (in + 1 >= packed.size())
                return out;
            const quint16 reference = quint16(quint8(packed[in]) | quint8(packed[in + 1]) << 8);
            in += 2;
            qsizetype from = out.size() - (reference & 0x0FFF) - 1;
            if (from < 0)
                throw Damaged("a packed reference before the start of its data");
            const qsizetype length = std::min<qsizetype>((reference >> 12) + 3, limit - out.size());
            for (qsizetype copied = 0; copied < length; ++copied)
                out.append(out.at(from++));
        }
    }
    return out;
}

} // namespace WinHelp
