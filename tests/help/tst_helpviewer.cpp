#include "help/HelpViewer.h"
#include "help/Manual.h"
#include "help/TopicBrowser.h"
#include "support/WidgetTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

// The help viewer on the sample help files of the program folder.
class TestHelpViewer : public QObject {
    Q_OBJECT

private:
    static HelpRequest topic(const QString& file, int context)
    {
        return {programFolder() + QLatin1Char('/') + file, HelpRequest::ShowContext, context};
    }
    // The region that does not scroll, if shown, over the rest.
    static QString shownText(const HelpViewer& viewer)
    {
        const QString text = child<QTextBrowser>(&viewer, QStringLiteral("topicText"))->toPlainText();
        const QTextBrowser* fixed = child<QTextBrowser>(&viewer, QStringLiteral("topicFixedText"));
        return fixed->isHidden() ? text : fixed->toPlainText() + QLatin1Char('\n') + text;
    }
    // An officer's own Windows Help manual, from the test data.
    static QString manual(const QString& file)
    {
        return qEnvironmentVariable("VELCARIN_TEST_DATA") + QStringLiteral("/winhelp/") + file;
    }
    static QLabel* notice(const HelpViewer& viewer)
    {
        return child<QLabel>(&viewer, QStringLiteral("topicNotice"));
    }
    // A manual of Velcarin's own format with links between its topics, an index and a manual beside it.
    static QString linkedManual(const TestDataFolder& folder)
    {
        const auto manual = [&](const QString& file, const QString& title, const QString& topics) {
            folder.createDatabase(
                file, QStringLiteral("create table manual (title); insert into manual values ('%1');"
                                     "create table topics (context integer primary key, title, html);"
                                     "create table keywords (keyword, context);%2")
                          .arg(title, topics));
        };
        manual(QStringLiteral("Other.hlp"), QStringLiteral("Other"),
               QStringLiteral("insert into topics values (7, 'Seven', '<p>Beside</p>');"));
        manual(QStringLiteral("Linked.hlp"), QStringLiteral("Linked"),
               QStringLiteral(
                   "insert into topics values (1, 'One', '<p><a href=\"velcarin-jump:2\">to two</a> "
                   "<a href=\"velcarin-popup:2\">two beside</a> <a href=\"velcarin-jump:9\">to nine</a> "
                   "<a href=\"velcarin-jump:Other.hlp%3E7\">elsewhere</a></p>');"
                   "insert into topics values (2, 'Two', '<p>Caustic soda wash, then rinse.</p>');"
                   "insert into keywords values ('rinse', 2), ('washing', 1), ('washing', 2);"));
        return folder.filePath(QStringLiteral("Linked.hlp"));
    }
    // Clicks the first place of a text in a view, as the officer clicks a link.
    static void clickText(QTextBrowser* view, const QString& text)
    {
        const QTextCursor found = view->document()->find(text);
        QVERIFY2(!found.isNull(), qPrintable(text));
        QTextCursor middle(view->document());
        middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(middle).center());
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
        const Result<std::unique_ptr<Manual>> manual = Manual::open(topic(file, first).helpFile);
        QVERIFY2(manual, qPrintable(manual.error()));
        for (int context = first; context <= last; ++context) {
            viewer.showTopic(topic(file, context));
            QVERIFY2(viewer.topicTitle() != QStringLiteral("Topic not available"),
                     qPrintable(QString::number(context)));
            // velcarin-cli help prints the lines the viewer shows.
            QCOMPARE((*manual)->topic(context)->value().text, shownText(viewer) + QLatin1Char('\n'));
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

    void showsWindowsHelpManuals_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("windowTitle");
        QTest::addColumn<QString>("text");
        QTest::newRow("Windows 3.1, phrases")
            << QStringLiteral("winfile.hlp") << 5101 << QStringLiteral("Open")
            << QStringLiteral("File Manager Help - Velcarin Help")
            << QStringLiteral("Open\nOpens a directory window, expands a directory, "
                              "starts an application, or opens a document that is "
                              "associated with an application. ");
        QTest::newRow("Windows 3.1, a small manual")
            << QStringLiteral("wxhelp_doc.hlp") << 3 << QStringLiteral("About")
            << QStringLiteral("Help Demo Document - Velcarin Help")
            << QStringLiteral(
                   "About\nAbout this HelpDemo: this file is really not much of a demo, but it's a start.");
        QTest::newRow("Windows 95, Hall compression")
            << QStringLiteral("TSTCON32.HLP") << 131200 << QStringLiteral("Contents for Test Container Help")
            << QStringLiteral("ActiveX Control Test Container Application Help - Velcarin Help")
            << QStringLiteral("Test Container Help\nUse Test Container to test your ActiveX control");
        // A popup topic has no title of its own: the manual's stands over it.
        QTest::newRow("untitled popup topic")
            << QStringLiteral("TSTCON32.HLP") << -2138569724
            << QStringLiteral("ActiveX Control Test Container Application Help")
            << QStringLiteral("ActiveX Control Test Container Application Help - Velcarin Help")
            << QStringLiteral("Specifies that the controls will be windowless.");
    }

    void showsWindowsHelpManuals()
    {
        QFETCH(QString, file);
        QFETCH(int, context);
        QFETCH(QString, title);
        QFETCH(QString, windowTitle);
        QFETCH(QString, text);
        HelpViewer viewer;
        viewer.showTopic({manual(file), HelpRequest::ShowContext, context});
        QCOMPARE(viewer.topicTitle(), title);
        QCOMPARE(viewer.windowTitle(), windowTitle);
        QVERIFY2(shownText(viewer).startsWith(text), qPrintable(shownText(viewer)));
        QVERIFY(notice(viewer)->isHidden());
    }

    void showsTheContentsForANumberNotMapped_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("contents");
        QTest::newRow("a number not in the map")
            << QStringLiteral("winfile.hlp") << 1001 << QStringLiteral("Contents for File Manager Help");
        QTest::newRow("a number mapped to no topic")
            << QStringLiteral("winfile.hlp") << 5000 << QStringLiteral("Contents for File Manager Help");
        QTest::newRow("a manual without a map")
            << QStringLiteral("StatList.hlp") << 1 << QStringLiteral("Overview");
    }

    void showsTheContentsForANumberNotMapped()
    {
        QFETCH(QString, file);
        QFETCH(int, context);
        QFETCH(QString, contents);
        HelpViewer viewer;
        viewer.showTopic({manual(file), HelpRequest::ShowContext, context});
        QCOMPARE(viewer.topicTitle(), contents);
        QVERIFY(!notice(viewer)->isHidden());
        QCOMPARE(notice(viewer)->text(), QStringLiteral("The help file %1 has no topic %2.")
                                             .arg(QDir::toNativeSeparators(manual(file)))
                                             .arg(context));
        // The notice reads black on the light yellow of tooltips.
        const QPalette colours = notice(viewer)->palette();
        QCOMPARE(colours.color(QPalette::Window), QColor(255, 255, 225));
        QCOMPARE(colours.color(QPalette::WindowText), QColor(0, 0, 0));
        QVERIFY(notice(viewer)->autoFillBackground());
        QVERIFY(contrastRatio(colours.color(QPalette::Window), colours.color(QPalette::WindowText)) >= 4.5);

        // The next topic found takes the notice away.
        viewer.showTopic({manual(QStringLiteral("winfile.hlp")), HelpRequest::ShowContext, 5101});
        QVERIFY(notice(viewer)->isHidden());
    }

    void reportsAManualItCannotRead()
    {
        TestDataFolder folder;
        QFile original(manual(QStringLiteral("winfile.hlp")));
        QVERIFY(original.open(QIODevice::ReadOnly));
        folder.writeFile(QStringLiteral("cut.hlp"), original.read(40000));
        HelpViewer viewer;
        viewer.showTopic({folder.filePath(QStringLiteral("cut.hlp")), HelpRequest::ShowContext, 5101});
        QCOMPARE(viewer.topicTitle(), QStringLiteral("Topic not available"));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Velcarin Help"));
        QCOMPARE(shownText(viewer),
                 QStringLiteral("The help file %1 cannot be read: it is damaged (the file is "
                                "shorter than its header says).")
                     .arg(folder.filePath(QStringLiteral("cut.hlp"))));
        QVERIFY(notice(viewer)->isHidden());
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

    // Back and forward show a manual as it was read, until its file changes on disk.
    void readsAManualAgainWhenItsFileChanged()
    {
        TestDataFolder folder;
        const QString path = folder.filePath(QStringLiteral("StatList.hlp"));
        const QByteArray original = fileContents(manual(QStringLiteral("StatList.hlp")));
        const QDateTime written(QDate(2024, 5, 1), QTime(12, 0));
        const auto write = [&](const QString& name, const QByteArray& content, const QDateTime& time) {
            folder.writeFile(name, content);
            QFile file(folder.filePath(name));
            return file.open(QIODevice::ReadWrite) &&
                   file.setFileTime(time, QFileDevice::FileModificationTime);
        };
        QVERIFY(write(QStringLiteral("StatList.hlp"), original, written));
        HelpViewer viewer;
        viewer.showTopic({path, HelpRequest::ShowContext, 1});
        viewer.showTopic(topic(QStringLiteral("Help.hlp"), 1001));
        QAction* back = child<QAction>(&viewer, QStringLiteral("actionBack"));
        QAction* forward = child<QAction>(&viewer, QStringLiteral("actionForward"));

        // Another title in the same size and time of change.
        const QByteArray retitled = QByteArray(original).replace(0x2D, 1, "\x1B");
        QVERIFY(write(QStringLiteral("StatList.hlp"), retitled, written));
        back->trigger();
        QCOMPARE(viewer.windowTitle(),
                 QStringLiteral("PDH Counter Statistics Demo Application Help - Velcarin Help"));
        // Cut short later: refused as on its first reading.
        QVERIFY(write(QStringLiteral("StatList.hlp"), original.left(4000), written.addSecs(1)));
        viewer.showTopic({path, HelpRequest::ShowContext, 1});
        QCOMPARE(shownText(viewer),
                 QStringLiteral("The help file %1 cannot be read: it is damaged (the file is "
                                "shorter than its header says).")
                     .arg(path));
        // Read whole again, then another file put in its place in the same size and time of change.
        QVERIFY(write(QStringLiteral("StatList.hlp"), original, written));
        back->trigger();
        if (!QFileInfo(path).birthTime().isValid())
            QSKIP("This file system does not keep the time a file was made.");
        QVERIFY(write(QStringLiteral("other.hlp"), retitled, written));
        QVERIFY(QFile::remove(path) && QFile::rename(folder.filePath(QStringLiteral("other.hlp")), path));
        forward->trigger();
        QCOMPARE(viewer.windowTitle(),
                 QStringLiteral("PDH \uFFFDounter Statistics Demo Application Help - Velcarin Help"));
    }

    void followsLinks()
    {
        TestDataFolder folder;
        const QString path = linkedManual(folder);
        HelpViewer viewer;
        viewer.show();
        viewer.showTopic({path, HelpRequest::ShowContext, 1});
        QTextBrowser* text = child<QTextBrowser>(&viewer, QStringLiteral("topicText"));
        clickText(text, QStringLiteral("to two"));
        QCOMPARE(viewer.topicTitle(), QStringLiteral("Two"));
        child<QAction>(&viewer, QStringLiteral("actionBack"))->trigger();
        QCOMPARE(viewer.topicTitle(), QStringLiteral("One"));

        // A popup shows beside the link and goes on Escape; the topic stays.
        clickText(text, QStringLiteral("two beside"));
        QWidget* popup = child<QWidget>(&viewer, QStringLiteral("topicPopup"));
        QVERIFY(popup->isVisible());
        QCOMPARE(child<QTextBrowser>(popup, QStringLiteral("popupText"))->toPlainText(),
                 QStringLiteral("Caustic soda wash, then rinse."));
        QTest::keyClick(child<QTextBrowser>(popup, QStringLiteral("popupText")), Qt::Key_Escape);
        QVERIFY(!popup->isVisible());
        QCOMPARE(viewer.topicTitle(), QStringLiteral("One"));

        clickText(text, QStringLiteral("elsewhere"));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Other - Velcarin Help"));
        QCOMPARE(viewer.topicTitle(), QStringLiteral("Seven"));
        child<QAction>(&viewer, QStringLiteral("actionBack"))->trigger();
        clickText(text, QStringLiteral("to nine"));
        QCOMPARE(viewer.topicTitle(), QStringLiteral("Topic not available"));
        QCOMPARE(shownText(viewer), QStringLiteral("The help file %1 has no topic 9.").arg(path));
    }

    void indexNarrowsAndOffersTheChoice()
    {
        TestDataFolder folder;
        HelpViewer viewer;
        viewer.show();
        viewer.showTopic({linkedManual(folder), HelpRequest::ShowContext, 1});
        QLineEdit* filter = child<QLineEdit>(&viewer, QStringLiteral("indexFilter"));
        QListView* index = child<QListView>(&viewer, QStringLiteral("indexList"));
        QCOMPARE(index->model()->rowCount(), 2);
        QTest::keyClicks(filter, QStringLiteral("RIN"));
        QCOMPARE(index->model()->rowCount(), 1);
        QTest::keyClick(filter, Qt::Key_Return);
        QCOMPARE(viewer.topicTitle(), QStringLiteral("Two"));

        filter->clear();
        QTest::keyClicks(filter, QStringLiteral("wash"));
        QCOMPARE(index->model()->index(0, 0).data().toString(), QStringLiteral("washing"));
        QTest::keyClick(filter, Qt::Key_Return);
        QMenu* choice = child<QMenu>(&viewer, QStringLiteral("keywordTopics"));
        QCOMPARE(choice->actions().size(), 2);
        QCOMPARE(choice->actions().at(0)->text(), QStringLiteral("One"));
        choice->actions().at(1)->trigger();
        QCOMPARE(viewer.topicTitle(), QStringLiteral("Two"));
    }

    void searchMarksTheWordsFound()
    {
        TestDataFolder folder;
        HelpViewer viewer;
        viewer.show();
        viewer.showTopic({linkedManual(folder), HelpRequest::ShowContext, 1});
        QLineEdit* words = child<QLineEdit>(&viewer, QStringLiteral("searchWords"));
        QListWidget* results = child<QListWidget>(&viewer, QStringLiteral("searchResults"));
        QTest::keyClicks(words, QStringLiteral("SODA rinse"));
        QTest::keyClick(words, Qt::Key_Return);
        QCOMPARE(results->count(), 1);
        QCOMPARE(results->item(0)->text(), QStringLiteral("Two\nCaustic soda wash, then rinse."));
        Q_EMIT results->itemActivated(results->item(0));
        QCOMPARE(viewer.topicTitle(), QStringLiteral("Two"));
        QTextBrowser* text = child<QTextBrowser>(&viewer, QStringLiteral("topicText"));
        QStringList marked;
        for (const QTextEdit::ExtraSelection& mark : text->extraSelections())
            marked << mark.cursor.selectedText();
        QCOMPARE(marked, (QStringList{QStringLiteral("soda"), QStringLiteral("rinse")}));

        words->clear();
        QTest::keyClicks(words, QStringLiteral("benzene"));
        QTest::keyClick(words, Qt::Key_Return);
        QCOMPARE(results->item(0)->text(), QStringLiteral("No topic holds these words."));
    }

    // Columns written with tabs stand at the paragraph's own stops, zoomed with the text; a paragraph
    // without stops keeps the half-inch ones.
    void placesTextAtTheParagraphsTabStops()
    {
        TestDataFolder folder;
        folder.createDatabase(
            QStringLiteral("Tabs.hlp"),
            QStringLiteral(
                "create table manual (title); insert into manual values ('Tabs');"
                "create table topics (context integer primary key, title, html);"
                "create table keywords (keyword, context);"
                "insert into topics values (1, 'Columns', '<p title=\"velcarin-tabs: 96 r192 c48\">"
                "<span style=\"white-space:pre\">Cargo\tTank\tRinse</span></p>"
                "<p style=\"white-space:pre\">a\tb</p>');"));
        HelpViewer viewer;
        viewer.show();
        viewer.showTopic({folder.filePath(QStringLiteral("Tabs.hlp")), HelpRequest::ShowContext, 1});
        QTextBrowser* text = child<QTextBrowser>(&viewer, QStringLiteral("topicText"));
        const QTextBlock columns = text->document()->begin();
        QCOMPARE(columns.text(), QStringLiteral("Cargo\tTank\tRinse"));
        QCOMPARE(columns.blockFormat().tabPositions(),
                 (QList<QTextOption::Tab>{{96, QTextOption::LeftTab},
                                          {192, QTextOption::RightTab},
                                          {48, QTextOption::CenterTab}}));
        QCOMPARE(columns.begin().fragment().charFormat().toolTip(), QString());
        QVERIFY(columns.next().blockFormat().tabPositions().isEmpty());

        viewer.findChild<QAction*>(QStringLiteral("actionZoomIn"))->trigger();
        QCOMPARE(text->document()->begin().blockFormat().tabPositions().at(0).position, 96 * 1.1);
    }

    // The contents file of the help project beside the manual; one that cannot be read is said so alone.
    void contentsOfTheContentsFile_data()
    {
        QTest::addColumn<QByteArray>("contentsFile");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("contents file")
            << QByteArray(":Base wxhelp_doc.hlp\r\n1 Reference\r\n2 The functions=FUNCTIONS\r\n"
                          "2 Run=!ExecProgram(`x')\r\n1 Away=topic@other.hlp>main\r\n")
            << QStringList{QStringLiteral("Reference"), QStringLiteral("  The functions"),
                           QStringLiteral("Away")};
        QTest::newRow("damaged contents file")
            << QByteArray("1 Reference\nhalf a line\n")
            << QStringList{
                   QStringLiteral("The contents file %1 cannot be read: it is damaged (a contents line "
                                  "without its level).")};
        QTest::newRow("no contents file")
            << QByteArray()
            << QStringList{QStringLiteral("Contents"), QStringLiteral("Introduction"),
                           QStringLiteral("Chapter 2")};
    }

    void contentsOfTheContentsFile()
    {
        QFETCH(QByteArray, contentsFile);
        QFETCH(QStringList, shown);
        TestDataFolder folder;
        folder.writeFile(QStringLiteral("wxhelp_doc.hlp"),
                         fileContents(manual(QStringLiteral("wxhelp_doc.hlp"))));
        if (!contentsFile.isEmpty())
            folder.writeFile(QStringLiteral("WXHELP_DOC.CNT"), contentsFile);
        HelpViewer viewer;
        viewer.show();
        viewer.showTopic({folder.filePath(QStringLiteral("wxhelp_doc.hlp")), HelpRequest::ShowContext, 3});
        QCOMPARE(viewer.topicTitle(), QStringLiteral("About"));
        QTreeWidget* contents = child<QTreeWidget>(&viewer, QStringLiteral("contentsTree"));
        QStringList lines;
        for (QTreeWidgetItemIterator item(contents); *item; ++item)
            lines << QString((*item)->parent() ? 2 : 0, QLatin1Char(' ')) + (*item)->text(0);
        QCOMPARE(lines.mid(0, shown.size()),
                 QStringList(shown).replaceInStrings(QStringLiteral("%1"),
                                                     folder.filePath(QStringLiteral("WXHELP_DOC.CNT"))));
        if (QTest::currentDataTag() != QLatin1String("contents file"))
            return;
        Q_EMIT contents->itemActivated(contents->topLevelItem(0)->child(0), 0);
        QCOMPARE(viewer.topicTitle(), QStringLiteral("Functions"));
    }

    // A picture that cannot be read is a frame with its reason, and the rest of the topic still shows.
    void aPictureThatCannotBeReadIsAFrame()
    {
        TestDataFolder folder;
        folder.createDatabase(
            QStringLiteral("Pictured.hlp"),
            QStringLiteral("create table manual (title); insert into manual values ('Pictured');"
                           "create table topics (context integer primary key, title, html);"
                           "insert into topics values (1, 'One', '<p>Before<img "
                           "src=\"velcarin-picture:tank\">After</p>');"));
        HelpViewer viewer;
        viewer.showTopic({folder.filePath(QStringLiteral("Pictured.hlp")), HelpRequest::ShowContext, 1});
        QTextBrowser* text = child<QTextBrowser>(&viewer, QStringLiteral("topicText"));
        QCOMPARE(text->toPlainText(), QStringLiteral("Before\uFFFCAfter"));
        const QImage frame =
            text->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("velcarin-picture:tank")))
                .value<QImage>();
        QCOMPARE(frame.size(), QSize(320, 80));
        QCOMPARE(frame.pixelColor(0, 0), QColor(Qt::darkGray));
    }

    // A hotspot of a picture leads where its target says; a click beside it leads nowhere.
    void hotspotsOfAPictureAreLinks()
    {
        // A manual whose one picture, 60 by 40 pixels, has a hotspot in its right half.
        class PicturedManual : public Manual {
        public:
            QString title() const override { return {}; }
            Result<std::optional<Topic>> topicAt(const QString&) const override
            {
                return std::optional<Topic>();
            }
            Result<std::optional<Topic>> topicNamed(const QString&) const override
            {
                return std::optional<Topic>();
            }
            Result<std::optional<Topic>> contentsTopic() const override { return std::optional<Topic>(); }
            QList<Heading> headings() const override { return {}; }
            Result<QList<Keyword>> keywords() const override { return QList<Keyword>(); }
            Result<Picture> picture(const QString&) const override
            {
                return Picture{QSize(60, 40),
                               QByteArray(60 * 40 * 4, '\x7F'),
                               {{QRect(30, 0, 30, 40), QStringLiteral("5")}}};
            }
        };
        const PicturedManual manual;
        TopicBrowser view;
        view.resize(400, 200);
        view.show();
        view.showTopic(&manual, QStringLiteral("<p><img src=\"velcarin-picture:tank\"></p>"));
        QSignalSpy clicked(&view, &TopicBrowser::linkClicked);
        QTextCursor picture(view.document());
        picture.setPosition(1);
        const QRect place = view.cursorRect(picture); // just after the picture, on its line
        const double scale = view.logicalDpiX() / 96.0;
        const QPoint bottomRight(place.left() - 1, place.bottom() - 1);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          bottomRight - QPoint(int(10 * scale), int(10 * scale)));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.first().first().toString(), QStringLiteral("velcarin-jump:5"));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          bottomRight - QPoint(int(50 * scale), int(10 * scale)));
        QCOMPARE(clicked.size(), 1);
    }

    void browseSequenceAndEscape()
    {
        HelpViewer viewer;
        viewer.show();
        viewer.showTopic({manual(QStringLiteral("wxhelp_doc.hlp")), HelpRequest::ShowContext, 100});
        QAction* browseBack = child<QAction>(&viewer, QStringLiteral("actionBrowseBack"));
        QAction* browseForward = child<QAction>(&viewer, QStringLiteral("actionBrowseForward"));
        QVERIFY(browseBack->isEnabled() && browseForward->isEnabled());
        browseBack->trigger();
        QCOMPARE(viewer.topicTitle(), QStringLiteral("Contents"));
        QVERIFY(!browseBack->isEnabled());
        child<QAction>(&viewer, QStringLiteral("actionBack"))->trigger();
        QCOMPARE(viewer.topicTitle(), QStringLiteral("Introduction"));
        viewer.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&viewer));
        QTest::keyClick(child<QTextBrowser>(&viewer, QStringLiteral("topicText")), Qt::Key_Escape);
        QVERIFY(!viewer.isVisible());
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

    void comesBackWhereItWasLeft()
    {
        HelpViewer::showRequest(topic(QStringLiteral("Help.hlp"), 1001));
        QPointer<HelpViewer> viewer = HelpViewer::instance();
        const QRect left(40, 30, 700, 500);
        viewer->setGeometry(left);
        viewer->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!viewer);
        HelpViewer::showRequest(topic(QStringLiteral("Help.hlp"), 1001));
        QCOMPARE(HelpViewer::instance()->geometry(), left);
        HelpViewer::instance()->close();
        QSettings(QStringLiteral("Velcarin"), QStringLiteral("Velcarin")).clear();
    }
};

VELCARIN_TEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
