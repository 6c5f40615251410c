#include "help/HelpViewer.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QTextBrowser>

// The help viewer on the sample help files of the program folder.
class TestHelpViewer : public QObject {
    Q_OBJECT

private:
    static HelpRequest topic(const QString& file, int context)
    {
        return {programFolder() + QLatin1Char('/') + file, HelpRequest::ShowContext, context};
    }
    static QString shownText(const HelpViewer& viewer)
    {
        return child<QTextBrowser>(&viewer, QStringLiteral("topicText"))->toPlainText();
    }

private Q_SLOTS:
    void everyRequestedTopicIsInItsFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("glossary") << QStringLiteral("glossary.hlp") << 1001 << 1003;
        QTest::newRow("glossary2") << QStringLiteral("glossary2.hlp") << 1001 << 1001;
        QTest::newRow("Help") << QStringLiteral("Help.hlp") << 1001 << 1001;
        QTest::newRow("Henkel") << QStringLiteral("Henkel.hlp") << 1002 << 1017;
        QTest::newRow("Unitor 1001-1099") << QStringLiteral("Unitor.hlp") << 1001 << 1099;
        QTest::newRow("Unitor 2000-2078") << QStringLiteral("Unitor.hlp") << 2000 << 2078;
        QTest::newRow("chemical") << QStringLiteral("chemical.hlp") << 1002 << 1017;
        QTest::newRow("Special") << QStringLiteral("Special.hlp") << 1002 << 1014;
    }

    void everyRequestedTopicIsInItsFile()
    {
        QFETCH(QString, file);
        QFETCH(int, first);
        QFETCH(int, last);
        HelpViewer viewer;
        for (int context = first; context <= last; ++context) {
            viewer.showTopic(topic(file, context));
            QVERIFY2(viewer.topicTitle() != QStringLiteral("Topic not available"),
                     qPrintable(QString::number(context)));
        }
    }

    void showsAndReplacesTopics()
    {
        HelpViewer viewer;
        viewer.showTopic(topic(QStringLiteral("Henkel.hlp"), 1016));
        QCOMPARE(viewer.topicTitle(), QStringLiteral("Styrene Monomer"));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("HENKEL / CHEMCHEM Cleaning Manual - Velcarin Help"));
        QVERIFY(shownText(viewer).contains(QStringLiteral("supplied separately")));
        viewer.showTopic(topic(QStringLiteral("Henkel.hlp"), 1009));
        QCOMPARE(viewer.topicTitle(), QStringLiteral("Gasoil, Kerosine, Gasoline"));
    }

    void reportsWhatItCannotShow_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("message");
        const QString folder = programFolder();
        QTest::newRow("missing file")
            << QStringLiteral("nothing.hlp") << 1 << 1001
            << QStringLiteral("The help file %1/nothing.hlp does not exist.").arg(folder);
        QTest::newRow("missing topic")
            << QStringLiteral("Unitor.hlp") << 1 << 1100
            << QStringLiteral("The help file %1/Unitor.hlp has no topic 1100.").arg(folder);
        QTest::newRow("not a help file")
            << QStringLiteral("GLOBE1.BMP") << 1 << 1001
            << QStringLiteral("The help file %1/GLOBE1.BMP is not in the format of "
                              "Velcarin's help viewer.")
                   .arg(folder);
        QTest::newRow("other command") << QStringLiteral("Help.hlp") << 3 << 1001
                                       << QStringLiteral("The help command 3 is not one this viewer knows.");
    }

    void reportsWhatItCannotShow()
    {
        QFETCH(QString, file);
        QFETCH(int, command);
        QFETCH(int, context);
        QFETCH(QString, message);
        HelpViewer viewer;
        viewer.showTopic({programFolder() + QLatin1Char('/') + file, command, context});
        QCOMPARE(viewer.topicTitle(), QStringLiteral("Topic not available"));
        QCOMPARE(shownText(viewer), message);
    }

    void backAndForward()
    {
        HelpViewer viewer;
        QAction* back = child<QAction>(&viewer, QStringLiteral("actionBack"));
        QAction* forward = child<QAction>(&viewer, QStringLiteral("actionForward"));
        QVERIFY(!back->isEnabled() && !forward->isEnabled());
        viewer.showTopic(topic(QStringLiteral("glossary.hlp"), 1001));
        viewer.showTopic(topic(QStringLiteral("glossary.hlp"), 1002));
        viewer.showTopic(topic(QStringLiteral("glossary.hlp"), 1003));
        back->trigger();
        back->trigger();
        QCOMPARE(viewer.topicTitle(), QStringLiteral("Right Choice of Cleaning Strategy"));
        QVERIFY(!back->isEnabled());
        forward->trigger();
        QCOMPARE(viewer.topicTitle(), QStringLiteral("Pre-Cleaning"));
        // A new request drops the topics ahead.
        viewer.showTopic(topic(QStringLiteral("glossary2.hlp"), 1001));
        QVERIFY(!forward->isEnabled());
        back->trigger();
        QCOMPARE(viewer.topicTitle(), QStringLiteral("Pre-Cleaning"));
    }

    void oneViewerBesideTheProgram()
    {
        HelpViewer::showRequest(topic(QStringLiteral("Help.hlp"), 1001));
        HelpViewer* viewer = HelpViewer::instance();
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(!viewer->parentWidget());
        HelpViewer::showRequest(topic(QStringLiteral("Special.hlp"), 1014));
        QCOMPARE(HelpViewer::instance(), viewer);
        QCOMPARE(viewer->topicTitle(), QStringLiteral("Calcium Bromide"));
        viewer->close();
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
