#include "help/winhelp/Picture.h"

#include "help/winhelp/ByteReader.h"
#include "help/winhelp/Lz77.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <exception>
#include <new>

namespace WinHelp {

namespace {

constexpr qint64 MaxPixels = 64'000'000;
// What reading one picture may allocate at once, its pixels and its unpacking together. With the file
// itself and its topics, a manual stays below a gigabyte.
constexpr qint64 MaxPictureMemory = 560'000'000;
// A metafile drawn here places one bitmap, so it is not much larger than the largest bitmap.
constexpr qsizetype MaxMetafileSize = 4 * MaxPixels + 64 * 1024;
constexpr quint16 ContainerMagic = 0x506C; // "lP"; an MRB differs in bit 0x2000 alone
constexpr quint8 DeviceDependentBitmap = 5;
constexpr quint8 DeviceIndependentBitmap = 6;
constexpr quint8 Metafile = 8;
constexpr quint8 RunLengthPacked = 1;
constexpr quint8 Lz77Packed = 2;
constexpr quint32 ScreenDpi = 96;
constexpr quint32 Opaque = 0xFF000000;
constexpr quint32 White = 0x00FFFFFF;
// A metafile is drawn only when it merely places a bitmap; these records would draw lines, shapes or text.
constexpr std::array<quint16, 16> MetafileDrawings = {0x0213, 0x0324, 0x0325, 0x0418, 0x041B, 0x061C,
                                                      0x0817, 0x081A, 0x0830, 0x0521, 0x0A32, 0x0538,
                                                      0x0419, 0x041F, 0x061D, 0x0548};
constexpr quint16 MetafileEnd = 0x0000;
constexpr quint16 StretchDib = 0x0F43;
constexpr quint16 DibStretchBlt = 0x0B41;
constexpr quint16 DibBitBlt = 0x0940;
// The 16 colours of the display a device-dependent bitmap of 4 bits was made for.
constexpr std::array<quint32, 16> DisplayColours = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
    0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

QString tr(const char* text)
{
    return QCoreApplication::translate("WinHelpPicture", text);
}

// What a picture cannot be read for although its bytes are sound.
class Unreadable : public std::runtime_error {
public:
    explicit Unreadable(const QString& reason)
        : std::runtime_error(reason.toStdString())
    {
    }
};

// How the rows of a bitmap lie in its bytes.
struct Bitmap {
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    qsizetype stride = 0; // bytes from one row to the next
    bool bottomUp = true;
    QList<quint32> palette; // 0xRRGGBB
};

void checkSize(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0)
        throw Damaged("a picture without pixels");
    if (width > MaxPixels / height)
        throw Unreadable(
            tr("it has %1 × %2 pixels, more than a picture of a manual can have").arg(width).arg(height));
}

void checkBitCount(int bitCount)
{
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        throw Unreadable(tr("it has %1 bits per pixel, which this viewer does not read").arg(bitCount));
}

qsizetype rowBytes(qint64 width, int bitCount, int alignment)
{
    return qsizetype((width * bitCount + alignment * 8 - 1) / (alignment * 8) * alignment);
}

QList<quint32> readPalette(ByteReader& reader, quint32 count)
{
    if (count > 256)
        throw Damaged("a palette of more than 256 colours");
    QList<quint32> palette;
    for (quint32 colour = 0; colour < count; ++colour)
        palette.append(reader.dword() & White);
    return palette;
}

// The pixels of a bitmap's rows; `transparent` lets white show the page through.
Manual::Picture pixelsOf(const Bitmap& bitmap, QByteArrayView rows, bool transparent)
{
    if (rows.size() < bitmap.stride * bitmap.height)
        throw Damaged("picture data cut short");
    Manual::Picture picture;
    picture.size = QSize(int(bitmap.width), int(bitmap.height));
    picture.pixels.resize(qsizetype(bitmap.width * bitmap.height * 4));
    auto* out = reinterpret_cast<quint32*>(picture.pixels.data());
    const auto colour = [&](quint32 index) {
        if (index >= quint32(bitmap.palette.size()))
            throw Damaged("a colour outside the palette");
        return bitmap.palette[index];
    };
    for (qint64 y = 0; y < bitmap.height; ++y) {
        const qint64 row = bitmap.bottomUp ? bitmap.height - 1 - y : y;
        const auto* bytes = reinterpret_cast<const uchar*>(rows.data() + row * bitmap.stride);
        for (qint64 x = 0; x < bitmap.width; ++x) {
            quint32 rgb = 0;
            switch (bitmap.bitCount) {
            case 1:
                rgb = colour(bytes[x / 8] >> (7 - x % 8) & 1);
                break;
            case 4:
                rgb = colour(bytes[x / 2] >> (x % 2 ? 0 : 4) & 0x0F);
                break;
            case 8:
                rgb = colour(bytes[x]);
                break;
            default: { // blue, green, red, and for 32 bits one byte unused
                const uchar* pixel = bytes + x * (bitmap.bitCount / 8);
                rgb = quint32(pixel[2]) << 16 | quint32(pixel[1]) << 8 | pixel[0];
            }
            }
            *out++ = transparent && rgb == White ? rgb : Opaque | rgb;
        }
    }
    return picture;
}

// Expands the run-length packing of pictures: a count byte with its highest bit set is followed by that
// many bytes (the lower seven bits) as they stand, else by one byte that many times over.
QByteArray expandRunLength(QByteArrayView packed, qsizetype limit)
{
    QByteArray out;
    ByteReader in(packed);
    while (!in.atEnd() && out.size() < limit) {
        const quint8 count = in.byte();
        const qsizetype length = std::min<qsizetype>(count & 0x7F, limit - out.size());
        if (length == 0)
            continue;
        if (count & 0x80)
            out.append(in.take(length));
        else
            out.append(length, char(in.byte()));
    }
    return out;
}

// Refuses a picture whose declared sizes would take more memory than one picture may: `pixels` bytes of
// pixels and the buffers unpacked() fills to give `unpackedSize` bytes.
void checkMemory(qint64 pixels, qint64 unpackedSize, quint8 packing)
{
    qint64 memory = pixels + unpackedSize;
    if (packing & Lz77Packed)
        memory += packing & RunLengthPacked ? 2 * unpackedSize : unpackedSize;
    if (memory > MaxPictureMemory)
        throw Unreadable(tr("it would take %1 MB of memory to read, more than a picture of a manual may take")
                             .arg(memory / 1'000'000));
}

// The data of a picture, unpacked; at most `limit` bytes.
QByteArray unpacked(quint8 packing, QByteArrayView data, qsizetype limit)
{
    if (packing > (RunLengthPacked | Lz77Packed))
        throw Damaged("an unknown packing");
    // Run-length packing takes at most two bytes for each byte it gives.
    const QByteArray expanded = packing & Lz77Packed
                                    ? expandLz77(data, packing & RunLengthPacked ? 2 * limit : limit)
                                    : data.toByteArray();
    return packing & RunLengthPacked ? expandRunLength(expanded, limit)
                                     : expanded.first(std::min(limit, expanded.size()));
}

// The hotspots of a picture that lead to a topic of the same file, the topic named by the hash of its
// context name; macros and jumps into other files stay without hotspot.
QList<Manual::Hotspot> readHotspots(QByteArrayView bytes, QSize size, const LinkTarget& linkTarget)
{
    ByteReader reader(bytes);
    if (reader.byte() != 1)
        return {};
    const quint16 count = reader.word();
    const quint32 macroBytes = reader.dword();
    QList<Manual::Hotspot> hotspots;
    for (quint16 index = 0; index < count; ++index) {
        const quint8 kind = reader.byte();
        reader.skip(2);
        const int x = reader.word();
        const int y = reader.word();
        const int width = reader.word();
        const int height = reader.word();
        const quint32 hash = reader.dword();
        const bool popup = kind == 0xE2 || kind == 0xE6;
        const bool toTopic = popup || kind == 0xE3 || kind == 0xE7;
        const QRect area = QRect(x, y, width, height).intersected(QRect(QPoint(), size));
        if (toTopic && !area.isEmpty())
            hotspots.append({area, linkTarget(hash), popup});
    }
    reader.skip(macroBytes);
    for (quint16 index = 0; index < count; ++index) {
        reader.string(); // the hotspot's name
        reader.string(); // its context name or macro
    }
    return hotspots;
}

// A device-independent bitmap as Windows packs it: its header, its palette and then its rows, or its rows
// at `rowsAt` when given.
Manual::Picture readPackedBitmap(QByteArrayView dib, std::optional<qsizetype> rowsAt = std::nullopt)
{
    ByteReader header(dib);
    const quint32 headerSize = header.dword();
    if (headerSize < 40)
        throw Unreadable(tr("it is a bitmap of OS/2, which this viewer does not read"));
    const qint32 width = header.signedDword();
    const qint32 height = header.signedDword();
    header.word(); // planes
    Bitmap bitmap;
    bitmap.bitCount = header.word();
    if (header.dword() != 0)
        throw Unreadable(tr("its bitmap is compressed in a way this viewer does not read"));
    header.skip(12); // image size, resolution
    const quint32 colours = header.dword();
    checkBitCount(bitmap.bitCount);
    checkSize(width, qAbs(qint64(height)));
    bitmap.width = width;
    bitmap.height = qAbs(qint64(height));
    bitmap.bottomUp = height > 0;
    bitmap.stride = rowBytes(bitmap.width, bitmap.bitCount, 4);
    ByteReader palette(dib, headerSize);
    if (bitmap.bitCount <= 8)
        bitmap.palette = readPalette(palette, colours ? colours : 1u << bitmap.bitCount);
    const qsizetype rows = rowsAt.value_or(palette.position());
    return pixelsOf(bitmap, ByteReader(dib, rows).take(dib.size() - rows), false);
}

// A metafile that places one bitmap, as screenshots are kept; the bitmap at its own size.
Manual::Picture drawMetafile(QByteArrayView metafile)
{
    ByteReader header(metafile);
    header.word(); // kept in memory or on disk
    ByteReader records(metafile, qsizetype(header.word()) * 2);
    std::optional<Manual::Picture> placed;
    while (!records.atEnd()) {
        const qsizetype start = records.position();
        const qint64 size = qint64(records.dword()) * 2;
        const quint16 function = records.word();
        if (function == MetafileEnd)
            break;
        if (size < 6 || size > metafile.size() - start)
            throw Damaged("a metafile record outside the metafile");
        const QByteArrayView parameters = metafile.sliced(start + 6, size - 6);
        records.skip(size - 6);
        if (std::find(MetafileDrawings.begin(), MetafileDrawings.end(), function) != MetafileDrawings.end())
            throw Unreadable(tr("it is a drawing (a Windows metafile) of a kind this viewer cannot draw"));
        // Each bitmap record has its bitmap after its fixed parameters, when it has one.
        const qsizetype bitmapAt = function == StretchDib      ? 22
                                   : function == DibStretchBlt ? 20
                                   : function == DibBitBlt     ? 16
                                                               : -1;
        if (bitmapAt < 0 || size / 2 == (function >> 8) + 3)
            continue;
        if (placed)
            throw Unreadable(tr("it is a drawing (a Windows metafile) of a kind this viewer cannot draw"));
        if (parameters.size() < bitmapAt)
            throw Damaged("a metafile record cut short");
        placed = readPackedBitmap(parameters.sliced(bitmapAt));
    }
    if (!placed)
        throw Unreadable(tr("it is a drawing (a Windows metafile) of a kind this viewer cannot draw"));
    return std::move(*placed);
}

Manual::Picture readBitmap(ByteReader& header, QByteArrayView picture, quint8 type, quint8 packing,
                           const LinkTarget& linkTarget)
{
    header.packedDword(); // resolution across
    header.packedDword(); // and down
    const quint16 planes = header.packedWord();
    Bitmap bitmap;
    bitmap.bitCount = header.packedWord();
    bitmap.width = header.packedDword();
    bitmap.height = header.packedDword();
    const quint32 colours = header.packedDword();
    const bool transparent = header.packedDword() == 1;
    const quint32 dataSize = header.packedDword();
    const quint32 hotspotSize = header.packedDword();
    const quint32 dataAt = header.dword();
    const quint32 hotspotsAt = header.dword();
    if (planes != 1)
        throw Unreadable(
            tr("it is a bitmap of %1 colour planes, which this viewer does not read").arg(planes));
    checkBitCount(bitmap.bitCount);
    checkSize(bitmap.width, bitmap.height);
    if (type == DeviceIndependentBitmap) {
        bitmap.stride = rowBytes(bitmap.width, bitmap.bitCount, 4);
        if (bitmap.bitCount <= 8)
            bitmap.palette = readPalette(header, colours ? colours : 1u << bitmap.bitCount);
    } else {
        // A device-dependent bitmap has rows of whole words and the colours of the display it was made for.
        bitmap.stride = rowBytes(bitmap.width, bitmap.bitCount, 2);
        if (bitmap.bitCount == 1)
            bitmap.palette = {0x000000, White};
        else if (bitmap.bitCount == 4)
            bitmap.palette = QList<quint32>(DisplayColours.begin(), DisplayColours.end());
        else if (bitmap.bitCount == 8)
            throw Unreadable(tr("it is a bitmap of 256 colours without its palette"));
    }
    const qsizetype rows = bitmap.stride * bitmap.height;
    checkMemory(bitmap.width * bitmap.height * 4, rows, packing);
    const QByteArrayView data = ByteReader(picture, dataAt).take(dataSize);
    Manual::Picture read =
        pixelsOf(bitmap, unpacked(packing, data, rows), transparent && type == DeviceIndependentBitmap);
    if (hotspotSize > 0 && hotspotsAt > 0)
        read.hotspots =
            readHotspots(ByteReader(picture, hotspotsAt).take(hotspotSize), read.size, linkTarget);
    return read;
}

Manual::Picture readMetafile(ByteReader& header, QByteArrayView picture, quint8 packing,
                             const LinkTarget& linkTarget)
{
    header.packedWord(); // mapping mode
    header.skip(4);      // width and height in its own units
    const quint32 size = header.packedDword();
    const quint32 dataSize = header.packedDword();
    const quint32 hotspotSize = header.packedDword();
    const quint32 dataAt = header.dword();
    const quint32 hotspotsAt = header.dword();
    const QByteArrayView data = ByteReader(picture, dataAt).take(dataSize);
    const qsizetype unpackedSize = std::min<qsizetype>(size, MaxMetafileSize);
    // The bitmap the metafile places may be of the most pixels a picture can have.
    checkMemory(4 * MaxPixels, unpackedSize, packing);
    Manual::Picture read = drawMetafile(unpacked(packing, data, unpackedSize));
    if (hotspotSize > 0 && hotspotsAt > 0)
        read.hotspots =
            readHotspots(ByteReader(picture, hotspotsAt).take(hotspotSize), read.size, linkTarget);
    return read;
}

// The picture of the container to show: the one for the screen's resolution, else the first.
QByteArrayView chosenPicture(QByteArrayView container)
{
    ByteReader header(container);
    if ((header.word() & ~0x2000) != ContainerMagic)
        throw Damaged("not a picture");
    const quint16 count = header.word();
    if (count == 0)
        throw Damaged("a picture container without pictures");
    QList<QByteArrayView> pictures;
    for (quint16 index = 0; index < count; ++index) {
        const quint32 offset = header.dword();
        if (offset >= quint32(container.size()))
            throw Damaged("a picture outside its container");
        pictures.append(container.sliced(offset));
    }
    for (const QByteArrayView picture : pictures) {
        ByteReader reader(picture);
        const quint8 type = reader.byte();
        reader.byte();
        if ((type == DeviceDependentBitmap || type == DeviceIndependentBitmap) &&
            reader.packedDword() == ScreenDpi)
            return picture;
    }
    return pictures.first();
}

// Runs a read of a picture, turning what refuses it into the reason.
template <typename Read> Result<Manual::Picture> guarded(Read read)
{
    try {
        return read();
    } catch (const Unreadable& unreadable) {
        return Failure{QString::fromStdString(unreadable.what())};
    } catch (const Damaged& damaged) {
        return Failure{tr("it is damaged (%1)").arg(QString::fromLatin1(damaged.what()))};
    } catch (const std::bad_alloc&) {
        return Failure{tr("there is not enough memory to read it")};
    }
}

} // namespace

Result<Manual::Picture> readPicture(QByteArrayView container, const LinkTarget& linkTarget)
{
    return guarded([&] {
        const QByteArrayView picture = chosenPicture(container);
        ByteReader header(picture);
        const quint8 type = header.byte();
        const quint8 packing = header.byte();
        if (type == DeviceDependentBitmap || type == DeviceIndependentBitmap)
            return readBitmap(header, picture, type, packing, linkTarget);
        if (type == Metafile)
            return readMetafile(header, picture, packing, linkTarget);
        throw Damaged("a picture of an unknown kind");
    });
}

Result<Manual::Picture> readBitmapFile(QByteArrayView file)
{
    return guarded([&] {
        ByteReader header(file);
        if (header.word() != 0x4D42) // "BM"
            throw Unreadable(tr("it is not a Windows bitmap"));
        header.skip(8); // file size, reserved
        const quint32 rowsAt = header.dword();
        const QByteArrayView dib = file.sliced(header.position());
        if (rowsAt < header.position() || rowsAt > file.size())
            throw Damaged("its rows outside the file");
        return readPackedBitmap(dib, rowsAt - header.position());
    });
}

QString bitmapPictureName(int number)
{
    return QStringLiteral("bm%1").arg(number);
}

QString embeddedPictureName(qint64 topicOffset, int index)
{
    return QStringLiteral("topic%1-%2").arg(topicOffset).arg(index);
}

} // namespace WinHelp
