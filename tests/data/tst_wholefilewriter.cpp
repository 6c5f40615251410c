#include "data/WholeFileWriter.h"
#include "support/TestSupport.h"

#include <QDir>

// A file is written whole or not at all: where the disk fills up on the way, the file that stood under
// its name stays as it was and the writer hears the system's reason.
class TestWholeFileWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<qint64>("spare"); // bytes left free on the disk
        QTest::addColumn<qint64>("piece"); // the content is written in pieces of this size
        QTest::addColumn<QByteArray>("content");
        const QByteArray large(200000, 'n');
        QTest::newRow("small enough to wait in a buffer") << qint64(0) << qint64(461) << QByteArray(461, 'n');
        QTest::newRow("one piece the disk takes part of") << qint64(65536) << qint64(200000) << large;
        QTest::newRow("pieces whose results nobody looks at") << qint64(65536) << qint64(1000) << large;
    }

    void fullDiskKeepsTheOldFile()
    {
        QFETCH(qint64, spare);
        QFETCH(qint64, piece);
        QFETCH(QByteArray, content);
        const SmallFileSystem disk;
        if (!disk.isMounted())
            QSKIP("a full disk needs a file system of its own, which only root can mount");
        const QString path = disk.filePath(QStringLiteral("sheet.pdf"));
        VERIFY_SUCCEEDS(WholeFileWriter::write(path, "old"));
        disk.fillLeaving(spare);

        WholeFileWriter writer(path);
        VERIFY_SUCCEEDS(writer.open());
        for (qsizetype at = 0; at < content.size(); at += piece)
            writer.device()->write(content.mid(at, piece));
        const Result<> committed = writer.commit();
        QVERIFY(!committed);
        QCOMPARE(committed.error(), QStringLiteral("No space left on device"));
        QCOMPARE(fileContents(path), QByteArray("old"));
        QCOMPARE(QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral("filler"), QStringLiteral("sheet.pdf")}));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestWholeFileWriter)
#include "tst_wholefilewriter.moc"
