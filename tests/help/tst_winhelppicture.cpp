#include "help/winhelp/ContextHash.h"
#include "help/winhelp/Picture.h"
#include "help/winhelp/WinHelpFile.h"

#include "support/TestSupport.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray le16(int value)
{
    return QByteArray(1, char(value & 0xFF)) + char(value >> 8 & 0xFF);
}

QByteArray le32(qint64 value)
{
    return le16(int(value & 0xFFFF)) + le16(int(value >> 16 & 0xFFFF));
}

// The packed integers of picture headers, for values that fit their short form.
QByteArray packedWord(int value)
{
    return QByteArray(1, char(value * 2));
}

QByteArray packedDword(int value)
{
    return le16(value * 2);
}

// A bitmap of a picture container: its header, palette (4 bytes a colour), data and hotspots.
QByteArray bitmap(int type, int packing, int dpi, int bits, QSize size, const QByteArray& palette,
                  const QByteArray& data, const QByteArray& hotspots = {}, int transparent = 0)
{
    const QByteArray fields = packedDword(dpi) + packedDword(dpi) + packedWord(1) + packedWord(bits) +
                              packedDword(size.width()) + packedDword(size.height()) +
                              packedDword(int(palette.size() / 4)) + packedDword(transparent) +
                              packedDword(int(data.size())) + packedDword(int(hotspots.size()));
    const qsizetype dataAt = 2 + fields.size() + 8 + palette.size();
    return QByteArray(1, char(type)) + char(packing) + fields + le32(dataAt) +
           le32(hotspots.isEmpty() ? 0 : dataAt + data.size()) + palette + data + hotspots;
}

// A metafile picture of one record and the end record.
QByteArray metafile(const QByteArray& record)
{
    const QByteArray data = le16(1) + le16(9) + le16(0x300) + le32(9 + record.size() / 2 + 3) + le16(0) +
                            le32(record.size() / 2) + le16(0) + record + le32(3) + le16(0);
    const QByteArray fields = packedWord(8) + le16(100) + le16(100) + packedDword(int(data.size())) +
                              packedDword(int(data.size())) + packedDword(0);
    return QByteArray("\x08\x00", 2) + fields + le32(2 + fields.size() + 8) + le32(0) + data;
}

QByteArray container(const QList<QByteArray>& pictures)
{
    QByteArray header = le16(0x506C) + le16(int(pictures.size()));
    QByteArray body;
    for (const QByteArray& picture : pictures) {
        header += le32(4 + 4 * pictures.size() + body.size());
        body += picture;
    }
    return header + body;
}

const QByteArray BlackWhite = le32(0x000000) + le32(0xFFFFFF);

QList<quint32> pixelsOf(const Manual::Picture& picture)
{
    const auto* words = reinterpret_cast<const quint32*>(picture.pixels.constData());
    return QList<quint32>(words, words + picture.pixels.size() / 4);
}

} // namespace

// The pictures of help files, of every kind and packing, and the ones refused with their reason.
class TestWinHelpPicture : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsTheManualsPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<quint32>("pixel");
        // Read from the bytes of the |bm files: bm0 LZ77 packed, 1 bit; bm1 plain, 1 bit; bm7 LZ77, 4 bits.
        QTest::newRow("bm0 top row") << QStringLiteral("bm0") << QSize(4, 8) << QPoint(0, 0) << 0xFFFFFFFFu;
        QTest::newRow("bm0 third row") << QStringLiteral("bm0") << QSize(4, 8) << QPoint(3, 2) << 0xFF000000u;
        QTest::newRow("bm1 corner") << QStringLiteral("bm1") << QSize(15, 12) << QPoint(14, 11)
                                    << 0xFF000000u;
        QTest::newRow("bm7 corner") << QStringLiteral("bm7") << QSize(16, 12) << QPoint(0, 0) << 0xFFFFFFFFu;
        QTest::newRow("bm7 edge") << QStringLiteral("bm7") << QSize(16, 12) << QPoint(1, 0) << 0xFF000000u;
        QTest::newRow("bm7 face") << QStringLiteral("bm7") << QSize(16, 12) << QPoint(2, 3) << 0xFFC0C0C0u;
        QTest::newRow("bm7 shade") << QStringLiteral("bm7") << QSize(16, 12) << QPoint(13, 3) << 0xFF808080u;
    }

    void readsTheManualsPictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QPoint, at);
        QFETCH(quint32, pixel);
        QFile file(qEnvironmentVariable("VELCARIN_TEST_DATA") + QStringLiteral("/winhelp/winfile.hlp"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString error;
        const std::optional<WinHelpFile> manual = WinHelpFile::read(file.readAll(), &error);
        QVERIFY(manual);
        const Result<Manual::Picture> picture = manual->picture(name);
        QVERIFY2(picture, qPrintable(picture.error()));
        QCOMPARE(picture->size, size);
        QCOMPARE(pixelsOf(*picture).at(at.y() * size.width() + at.x()), pixel);
        QCOMPARE(manual->picture(QStringLiteral("bm11")).error(),
                 QStringLiteral("there is no picture by that name"));
    }

    void readsEachKind_data()
    {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<quint32>>("pixels");
        QTest::newRow("24 bits, rows from the bottom")
            << container(
                   {bitmap(6, 0, 96, 24, {2, 2}, {}, "\xFF\0\0\0\xFF\0\0\0\0\0\xFF\xFF\xFF\xFF\0\0"_ba)})
            << QSize(2, 2) << QList<quint32>{0xFFFF0000, 0xFFFFFFFF, 0xFF0000FF, 0xFF00FF00};
        QTest::newRow("device-dependent, run-length, rows of whole words")
            << container({bitmap(5, 1, 96, 1, {3, 2}, {}, "\x82\xA0\0\x01\x40\x01\0"_ba)}) << QSize(3, 2)
            << QList<quint32>{0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF};
        QTest::newRow("4 bits, LZ77 and run-length")
            << container(
                   {bitmap(6, 3, 96, 4, {2, 1}, le32(0x0000FF) + le32(0x00FF00), "\0\x81\x01\x03\0"_ba)})
            << QSize(2, 1) << QList<quint32>{0xFF0000FF, 0xFF00FF00};
        QTest::newRow("LZ77 and run-length, a run for each byte")
            << container({bitmap(6, 3, 96, 24, {2, 1}, {},
                                 "\0\x81\x01\x81\x02\x81\x03\x81\x04\0\x81\x05\x81\x06\x81\0\x81\0"_ba)})
            << QSize(2, 1) << QList<quint32>{0xFF030201, 0xFF060504};
        QTest::newRow("transparent") << container(
                                            {bitmap(6, 0, 96, 1, {2, 1}, BlackWhite, "\x40\0\0\0"_ba, {}, 1)})
                                     << QSize(2, 1) << QList<quint32>{0xFF000000, 0x00FFFFFF};
        QTest::newRow("the resolution of the screen")
            << container({bitmap(6, 0, 72, 1, {1, 1}, BlackWhite, "\0\0\0\0"_ba),
                          bitmap(6, 0, 96, 1, {2, 1}, BlackWhite, "\x80\0\0\0"_ba)})
            << QSize(2, 1) << QList<quint32>{0xFFFFFFFF, 0xFF000000};
        const QByteArray dib =
            le32(40) + le32(1) + le32(1) + le16(1) + le16(24) + QByteArray(24, '\0') + "\x10\x20\x30\0"_ba;
        QTest::newRow("metafile placing a bitmap")
            << container(
                   {metafile(le32(3 + 11 + dib.size() / 2) + le16(0x0F43) + QByteArray(22, '\0') + dib)})
            << QSize(1, 1) << QList<quint32>{0xFF302010};
    }

    void readsEachKind()
    {
        QFETCH(QByteArray, picture);
        QFETCH(QSize, size);
        QFETCH(QList<quint32>, pixels);
        const Result<Manual::Picture> read = WinHelp::readPicture(picture, WinHelp::hashTarget);
        QVERIFY2(read, qPrintable(read.error()));
        QCOMPARE(read->size, size);
        QCOMPARE(pixelsOf(*read), pixels);
    }

    // A hotspot leads where a link to the same context leads: the file's target for the context hash.
    void keepsTheJumpsOfHotspots()
    {
        const QByteArray hotspots = "\x01"_ba + le16(3) + le32(0) + "\xE3\0\0"_ba + le16(1) + le16(0) +
                                    le16(5) + le16(1) + le32(0x1234ABCD) + "\xE2\0\0"_ba + le16(0) + le16(0) +
                                    le16(1) + le16(1) + le32(0x0BADF00D) + "\xC8\0\0"_ba + le16(0) + le16(0) +
                                    le16(1) + le16(1) + le32(1) +
                                    "jump\0Other\0popup\0Note\0macro\0Exit()\0"_ba;
        const auto linkTarget = [](quint32 hash) {
            return hash == 0x1234ABCD ? QStringLiteral("5101") : WinHelp::hashTarget(hash);
        };
        const Result<Manual::Picture> read = WinHelp::readPicture(
            container({bitmap(6, 0, 96, 1, {4, 1}, BlackWhite, "\0\0\0\0"_ba, hotspots)}), linkTarget);
        QVERIFY2(read, qPrintable(read.error()));
        QCOMPARE(read->hotspots.size(), 2);
        QCOMPARE(read->hotspots[0].area, QRect(1, 0, 3, 1)); // cut to the picture
        QCOMPARE(read->hotspots[0].target, QStringLiteral("5101"));
        QCOMPARE(read->hotspots[0].popup, false);
        QCOMPARE(read->hotspots[1].target, QStringLiteral("~0BADF00D"));
        QCOMPARE(read->hotspots[1].popup, true);
    }

    void refusesWithItsReason_data()
    {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<QString>("reason");
        QTest::newRow("too many pixels")
            << container({bitmap(6, 0, 96, 1, {10000, 10000}, BlackWhite, {})})
            << QStringLiteral("it has 10000 × 10000 pixels, more than a picture of a manual can have");
        // Its declared size alone would take this much to unpack, whatever little data follows.
        QTest::newRow("too much memory, LZ77 and run-length")
            << container({bitmap(6, 3, 96, 32, {8000, 8000}, {}, "\0\0\0\0"_ba)})
            << QStringLiteral(
                   "it would take 1024 MB of memory to read, more than a picture of a manual may take");
        QTest::newRow("too much memory, LZ77")
            << container({bitmap(6, 2, 96, 24, {8000, 8000}, {}, "\0\0\0\0"_ba)})
            << QStringLiteral(
                   "it would take 640 MB of memory to read, more than a picture of a manual may take");
        QTest::newRow("data cut short") << container({bitmap(6, 0, 96, 24, {2, 2}, {}, "\0\0\0\0"_ba)})
                                        << QStringLiteral("it is damaged (picture data cut short)");
        QTest::newRow("16 bits") << container({bitmap(6, 0, 96, 16, {1, 1}, {}, "\0\0\0\0"_ba)})
                                 << QStringLiteral(
                                        "it has 16 bits per pixel, which this viewer does not read");
        QTest::newRow("a colour outside the palette")
            << container({bitmap(6, 0, 96, 1, {1, 1}, le32(0), "\x80\0\0\0"_ba)})
            << QStringLiteral("it is damaged (a colour outside the palette)");
        QTest::newRow("a picture outside its container")
            << le16(0x506C) + le16(1) + le32(999)
            << QStringLiteral("it is damaged (a picture outside its container)");
        QTest::newRow("not a picture")
            << "BM\0\0\0\0\0\0"_ba << QStringLiteral("it is damaged (not a picture)");
        QTest::newRow("a drawing")
            << container({metafile(le32(5) + le16(0x0213) + le32(0))})
            << QStringLiteral("it is a drawing (a Windows metafile) of a kind this viewer cannot draw");
        QTest::newRow("unknown packing")
            << container({bitmap(6, 7, 96, 1, {1, 1}, BlackWhite, "\0\0\0\0"_ba)})
            << QStringLiteral("it is damaged (an unknown packing)");
    }

    void refusesWithItsReason()
    {
        QFETCH(QByteArray, picture);
        QFETCH(QString, reason);
        QCOMPARE(WinHelp::readPicture(picture, WinHelp::hashTarget).error(), reason);
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestWinHelpPicture)
#include "tst_winhelppicture.moc"
