#include "help/PngFile.h"

#include <array>

namespace {

quint32 crc32(QByteArrayView bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> entries{};
        for (quint32 index = 0; index < 256; ++index) {
            quint32 value = index;
            for (int bit = 0; bit < 8; ++bit)
                value = value & 1 ? 0xEDB88320 ^ value >> 1 : value >> 1;
            entries[index] = value;
        }
        return entries;
    }();
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes)
        crc = table[(crc ^ quint8(byte)) & 0xFF] ^ crc >> 8;
    return crc ^ 0xFFFFFFFF;
}

void appendBigEndian(QByteArray& bytes, quint32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char(value >> shift));
}

void appendChunk(QByteArray& png, const char* type, const QByteArray& data)
{
    appendBigEndian(png, quint32(data.size()));
    const QByteArray typed = QByteArray(type) + data;
    png += typed;
    appendBigEndian(png, crc32(typed));
}

} // namespace

QByteArray pngFile(const Manual::Picture& picture)
{
    const int width = picture.size.width();
    const int height = picture.size.height();
    QByteArray header;
    appendBigEndian(header, quint32(width));
    appendBigEndian(header, quint32(height));
    header.append("\x08\x06\x00\x00\x00", 5); // 8 bits, RGBA, deflate, no filter, no interlace

    QByteArray rows;
    rows.reserve(qsizetype(height) * (1 + qsizetype(width) * 4));
    const auto* pixel = reinterpret_cast<const quint32*>(picture.pixels.constData());
    for (int y = 0; y < height; ++y) {
        rows.append('\0'); // each row stands unfiltered
        for (int x = 0; x < width; ++x, ++pixel) {
            rows.append(char(*pixel >> 16));
            rows.append(char(*pixel >> 8));
            rows.append(char(*pixel));
            rows.append(char(*pixel >> 24));
        }
    }

    QByteArray png("\x89PNG\r\n\x1A\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT",
                qCompress(rows).sliced(4)); // the zlib stream after the length qCompress puts first
    appendChunk(png, "IEND", {});
    return png;
}
