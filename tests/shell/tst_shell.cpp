#include "app/FrmTabClean.h"
#include "app/GlobeAnimation.h"
#include "data/Store.h"
#include "shell/GradientBackground.h"
#include "shell/Placement.h"
#include "shell/ProgramFolder.h"
#include "suppliers/HenkelTab.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTabWidget>
#include <QTimer>

class TestShell : public QObject {
    Q_OBJECT

private:
    static QImage painted(const QSize& size)
    {
        QImage image(size.isEmpty() ? QSize(4, 4) : size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        GradientBackground::paint(painter, size);
        return image;
    }

private Q_SLOTS:
    void initTestCase() { ProgramFolder::setPath(programFolder()); }

    void gradient_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("blue");
        // Row y ends up with the colour of box y + 1, the last box drawn over it.
        QTest::newRow("255 rows, top") << 255 << 0 << 254;
        QTest::newRow("255 rows, middle") << 255 << 127 << 127;
        QTest::newRow("255 rows, bottom") << 255 << 254 << 0;
        QTest::newRow("600 rows, top") << 600 << 0 << 255;
        QTest::newRow("600 rows, second") << 600 << 1 << 255;
        QTest::newRow("600 rows, 300") << 600 << 300 << 255 - 301 * 255 / 600;
        QTest::newRow("600 rows, bottom") << 600 << 599 << 0;
        QTest::newRow("one row") << 1 << 0 << 0;
        QTest::newRow("two rows, top") << 2 << 0 << 128;
    }

    void gradient()
    {
        QFETCH(int, height);
        QFETCH(int, row);
        QFETCH(int, blue);
        const QImage image = painted(QSize(30, height));
        for (int x : {0, 15, 29})
            QCOMPARE(image.pixelColor(x, row), QColor(0, 0, blue));
    }

    void gradientOfNoHeightPaintsNothing()
    {
        const QImage image = painted(QSize(30, 0));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(image.pixelColor(3, 3), QColor(Qt::white));
    }

    void placement_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QPoint>("origin");
        QTest::newRow("main window") << QSize(15360, 11520) << QSize(12000, 9000) << 6 << QPoint(1680, 420);
        QTest::newRow("remainders dropped")
            << QSize(15360, 11520) << QSize(12001, 9001) << 6 << QPoint(1679, 419);
        QTest::newRow("centred") << QSize(15360, 11520) << QSize(6600, 2475) << 2 << QPoint(4380, 4522);
        QTest::newRow("view window") << QSize(20490, 11520) << QSize(9000, 7000) << 8 << QPoint(5745, 565);
        QTest::newRow("larger than the screen")
            << QSize(15360, 11520) << QSize(16001, 12000) << 6 << QPoint(-320, -80);
    }

    void placement()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QFETCH(int, divisor);
        QFETCH(QPoint, origin);
        QCOMPARE(Placement::origin(screen, window, divisor), origin);
    }

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
        QLabel* picture = child<QLabel>(&window, QStringLiteral("picTest"));

        // Not seen: no ticks.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!timer->isActive());
        QCOMPARE(window.globe()->counter(), 0);

        child<QTabWidget>(&window, QStringLiteral("SSTab1"))->setCurrentIndex(2);
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
        GlobeAnimation globe(&picture, &picture);
        TestDataFolder empty;
        globe.loadPictures(empty.path()); // no pictures: the box stays blank
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

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
