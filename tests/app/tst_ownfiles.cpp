#include "app/FrmTabClean.h"
#include "data/DataFolders.h"
#include "shell/HelpRequest.h"
#include "support/LoadedMainWindow.h"

#include <QImage>
#include <QLabel>
#include <QTabWidget>

// The officer's own help files and pictures, put beside his databases, come before the shipped ones.
class TestOwnFiles : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    HelpRecorder m_help; // every help request, in place of the viewer

private Q_SLOTS:
    void initTestCase()
    {
        m_folder.copySampleDatabases();
        m_folder.writeFile(QStringLiteral("glossary.hlp"), "the ship's own glossary");
        QImage red(40, 40, QImage::Format_RGB32);
        red.fill(QColor(255, 0, 0));
        for (int n = 1; n <= 15; ++n)
            QVERIFY(red.save(m_folder.filePath(QStringLiteral("GLOBE%1.BMP").arg(n)), "BMP"));
        DataFolders::setCurrent({m_folder.path(), programFolder()});
    }

    void helpFiles_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("file");
        QTest::newRow("own glossary")
            << QStringLiteral("mnuChoice") << m_folder.filePath(QStringLiteral("glossary.hlp"));
        QTest::newRow("shipped index")
            << QStringLiteral("mnuIndex") << programFolder() + QStringLiteral("/Help.hlp");
    }

    void helpFiles()
    {
        QFETCH(QString, entry);
        QFETCH(QString, file);
        m_help.clear();
        LoadedMainWindow main(m_folder.path());
        QVERIFY(main.isLoaded());
        QVERIFY(triggerAction(main.window(), entry));
        QCOMPARE(m_help.requests().size(), 1);
        QCOMPARE(m_help.requests().first().helpFile, file);
    }

    void globePictures()
    {
        LoadedMainWindow main(m_folder.path());
        QVERIFY(main.isLoaded());
        main.window()->show();
        child<QTabWidget>(main.window(), QStringLiteral("SSTab1"))->setCurrentIndex(2);
        QLabel* picture = child<QLabel>(main.window(), QStringLiteral("picTest"));
        QTRY_VERIFY(!picture->pixmap().isNull());
        const QImage shown = picture->pixmap().toImage();
        QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(255, 0, 0));
    }
};

VELCARIN_TEST_MAIN(TestOwnFiles)
#include "tst_ownfiles.moc"
