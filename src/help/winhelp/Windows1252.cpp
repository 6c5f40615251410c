#include "help/winhelp/Windows1252.h"

#include "help/ReadableText.h"

namespace WinHelp {

QString fromWindows1252(QByteArrayView bytes)
{
    // 0x80 to 0x9F, where the code page differs from Latin-1; its five unused codes keep their Latin-1
    // meaning, control characters, which readableText then replaces.
    static constexpr char16_t Upper[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const quint8 byte = quint8(bytes[i]);
        text[i] = byte >= 0x80 && byte < 0xA0 ? QChar(Upper[byte - 0x80]) : QChar(char16_t(byte));
    }
    return readableText(std::move(text));
}

} // namespace WinHelp
