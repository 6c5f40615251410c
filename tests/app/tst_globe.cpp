#include "app/FrmTabClean.h"
#include "app/GlobeAnimation.h"
#include "data/DataFolders.h"
#include "data/Store.h"
#include "shell/ProgramFolder.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>

// The turning globe of the Henkel tab.
class TestGlobe : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ProgramFolder::setPath(programFolder()); }

    void globeAnimation()
    {
        TestDataFolder folder;
        folder.copySampleDatabases();
        const Store store(folder.path());
        FrmTabClean window(store);
        QString error;
        QVERIFY(window.load(&error));
        QTimer* timer = child<QTimer>(&window, QStringLiteral("tmrAnimate"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 1);

        // Not seen: no ticks.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!timer->isActive());
        QCOMPARE(window.globe()->counter(), 0);

        child<QTabWidget>(&window, QStringLiteral("SSTab1"))->setCurrentIndex(2);
        QLabel* picture = child<QLabel>(&window, QStringLiteral("picTest"));
        QVERIFY(timer->isActive());
        QTRY_VERIFY(window.globe()->counter() > 0);
        QList<int> seen;
        while (seen.size() < 20) {
            QTest::qWait(1);
            if (seen.isEmpty() || seen.last() != window.globe()->counter())
                seen << window.globe()->counter();
        }
        for (int i = 1; i < seen.size(); ++i)
            QVERIFY(seen.at(i) >= 1 && seen.at(i) <= 15);
        QVERIFY(!picture->pixmap().isNull());

        window.showMinimized();
        QTRY_VERIFY(!timer->isActive());
        window.showNormal();
        QTRY_VERIFY(timer->isActive());
        window.hide();
        QVERIFY(!timer->isActive());
    }

    void globeCountsOneToFifteen()
    {
        QLabel picture;
        GlobeAnimation globe(&picture);
        globe.setPicture(&picture);
        TestDataFolder empty;
        globe.loadPictures(DataFolders(empty.path(), empty.path())); // no pictures: the box stays blank
        QList<int> counters;
        connect(globe.timer(), &QTimer::timeout, this, [&] {
            counters << globe.counter();
            if (counters.size() == 17)
                globe.timer()->stop();
        });
        globe.timer()->start();
        QTRY_COMPARE(counters.size(), 17);
        QCOMPARE(counters, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 1, 2}));
        QVERIFY(picture.pixmap().isNull());
    }

    void globePicturesAreShipped()
    {
        for (int n = 1; n <= 15; ++n) {
            const QImage image(programFolder() + QStringLiteral("/GLOBE%1.BMP").arg(n));
            QVERIFY2(!image.isNull(), qPrintable(QString::number(n)));
        }
        QVERIFY(QImage(programFolder() + QStringLiteral("/GLOBE1.BMP")) !=
                QImage(programFolder() + QStringLiteral("/GLOBE2.BMP")));
    }
};

VELCARIN_TEST_MAIN(TestGlobe)
#include "tst_globe.moc"
