// Replays the saved corpus of a fuzz target through its reader in the normal build, so that every input
// that once found a fault stays a test.
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

class ReplayCorpus : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyInput_data()
    {
        QTest::addColumn<QString>("path");
        const QDir corpus(QStringLiteral(VELCARIN_FUZZ_CORPUS));
        const QStringList inputs = corpus.entryList(QDir::Files, QDir::Name);
        QVERIFY2(!inputs.isEmpty(), VELCARIN_FUZZ_CORPUS " holds no inputs");
        for (const QString& input : inputs)
            QTest::newRow(qPrintable(input)) << corpus.filePath(input);
    }

    void everyInput()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray input = file.readAll();
        QCOMPARE(
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size())),
            0);
    }
};

VELCARIN_TEST_MAIN(ReplayCorpus)
#include "ReplayCorpus.moc"
