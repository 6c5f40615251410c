#include "data/OperatingSystem.h"
#include "support/TestSupport.h"

#include <thread>

// What the system calls do where the data classes that use them do not show it.
class TestOperatingSystem : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The second name holds the original after a link, and what it held before after a refusal.
    void linkFile_data()
    {
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("link");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QByteArray>("secondHolds");
        using OperatingSystem::Link;
        QTest::newRow("a free name") << "a.db"
                                     << "kept.db" << int(Link::Made) << "" << QByteArray("a");
        QTest::newRow("a name taken") << "a.db"
                                      << "b.db" << int(Link::Failed) << "File exists" << QByteArray("b");
        QTest::newRow("no such file")
            << "none.db"
            << "kept.db" << int(Link::Failed) << "No such file or directory" << QByteArray();
    }

    void linkFile()
    {
        QFETCH(QString, original);
        QFETCH(QString, second);
        QFETCH(int, link);
        QFETCH(QString, error);
        QFETCH(QByteArray, secondHolds);
        const TestDataFolder folder;
        folder.writeFile(QStringLiteral("a.db"), "a");
        folder.writeFile(QStringLiteral("b.db"), "b");
        QString reason;
        QCOMPARE(int(OperatingSystem::linkFile(folder.filePath(original), folder.filePath(second), &reason)),
                 link);
        QCOMPARE(reason, error);
        QCOMPARE(fileContents(folder.filePath(second)), secondHolds);
    }

    // A capture keeps only what its own thread prints while it lives; an inner one hands back to the outer.
    void stderrCapture()
    {
        OperatingSystem::StderrCapture outer;
        std::fputs("outer ", stderr);
        {
            const OperatingSystem::StderrCapture inner;
            std::fputs("inner", stderr);
            std::thread([] { std::fputs("printed by another thread\n", stderr); }).join();
            QCOMPARE(inner.text(), QByteArray("inner"));
        }
        std::fputs("again", stderr);
        QCOMPARE(outer.text(), QByteArray("outer again"));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestOperatingSystem)
#include "tst_operatingsystem.moc"
