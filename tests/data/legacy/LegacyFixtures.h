#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The legacy Access files of the tests and what mdb-export prints of them, in tests/testdata/legacy-access.
inline QString legacyFile(const QString& name)
{
    return qEnvironmentVariable("VELCARIN_TEST_DATA") + QStringLiteral("/legacy-access/") + name;
}

inline QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Damaged copies of the fixture cleaning.mdb. Its "Remarks" memo of row 33 ("LUBE OIL ADDITIVE", 12122
// bytes) has its 12-byte head at byte 134279; its three pieces are row 0 of the long-value pages 33, 34 and
// 35, each piece starting with the address (page << 8 | row) of the next. A page is 4096 bytes; its row
// count stands at byte 12 of the page, the start of row r at byte 14 + 2r, and row 0 ends with the page.
namespace DamagedMemo {

constexpr qsizetype Head = 134279;
constexpr qsizetype FirstPiecePage = 33;
constexpr quint32 FirstPieceAddress = FirstPiecePage << 8;

inline void putWord(QByteArray& file, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        file[at + i] = char((value >> (8 * i)) & 0xff);
}

// The memo claims another length, its storage bits (the top two) saying it runs through pieces.
inline QByteArray withLength(QByteArray file, quint32 length)
{
    putWord(file, Head, length);
    return file;
}

// The first piece leads back to itself, its text kept.
inline QByteArray withPieceLinkedToItself(QByteArray file)
{
    const qsizetype page = FirstPiecePage * 4096;
    const quint16 start = quint16(uchar(file[page + 14]) | uchar(file[page + 15]) << 8);
    putWord(file, page + start, FirstPieceAddress);
    return file;
}

// The first piece holds nothing but its link, which leads back to itself.
inline QByteArray withEmptyPieceLinkedToItself(QByteArray file)
{
    const qsizetype page = FirstPiecePage * 4096;
    file[page + 14] = char(0xfc); // the row starts at 4092, four bytes before the end of the page
    file[page + 15] = char(0x0f);
    putWord(file, page + 4092, FirstPieceAddress);
    return file;
}

} // namespace DamagedMemo

// The table whose definition stands on the page points for its page map to row 255 of the map's page,
// which has 31 rows. In cleaning.mdb the system table MSysObjects is defined on page 2, CleaningA on page 24.
inline QByteArray withPageMapRowMissing(QByteArray file, int definitionPage)
{
    file[definitionPage * 4096 + 55] = char(0xff);
    return file;
}

// The table CleaningA of the fixture cleaning.mdb finds its data pages (28, 31, 32, 37, 38) in the page map
// on page 29: one bit a page, from byte 4 of the page on.
inline QByteArray withPageInCargoMap(QByteArray file, int page)
{
    file[29 * 4096 + 4 + page / 8] = char(file[29 * 4096 + 4 + page / 8] | (1 << (page % 8)));
    return file;
}
