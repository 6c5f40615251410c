#include "app/FrmTabClean.h"
#include "search/Finder.h"
#include "search/SearchField.h"
#include "search/SearchResultsList.h"
#include "search/SearchStatusLine.h"
#include "shell/ProgramFolder.h"
#include "shell/WindowRegistry.h"
#include "support/LoadedMainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

// The text of a box or field as the officer reads it.
QString shownText(const QObject* window, const QString& name)
{
    if (auto* box = window->findChild<QComboBox*>(name))
        return box->currentText();
    return controlText(window, name);
}

// The search field of the main window on the sample data: the list as the officer types, the keys that
// move in it and leave it, and each kind of result opened the way the program reaches it.
class TestSearchWindow : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_cache;
    TestDataFolder m_folder;
    std::unique_ptr<LoadedMainWindow> m_main;
    FrmTabClean* m_window = nullptr;
    HelpRecorder m_help;

    SearchField* field() const { return child<SearchField>(m_window, QStringLiteral("txtSearch")); }
    SearchResultsList* list() const { return field()->results(); }
    QTabWidget* tabs() const { return child<QTabWidget>(m_window, QStringLiteral("SSTab1")); }
    QString text(const QString& name) const { return shownText(m_window, name); }
    QAction* action(const char* name) const { return child<QAction>(m_window, QLatin1String(name)); }

    // The window on the screen, its sources read as the officer turns to the field.
    void showRead()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        field()->takeFocus();
        QTRY_VERIFY_WITH_TIMEOUT(everythingRead(m_window), 20'000);
    }

    static bool everythingRead(const FrmTabClean* window)
    {
        const QList<SourceState> states = window->finder().status();
        return !window->finder().isReading() && !states.isEmpty() &&
               std::all_of(states.begin(), states.end(), [](const SourceState& state) {
                   return state.state == SourceState::State::Read ||
                          state.state == SourceState::State::LeftOut;
               });
    }

    // Types the query into the field and moves down the list to the result of that source and name.
    void findAndSelect(const QString& query, SearchSource source, const QString& name)
    {
        field()->takeFocus();
        QTest::keyClicks(field(), query);
        QVERIFY(list() && list()->isVisible());
        for (int step = 0; step < 50; ++step) {
            const SearchResult* current = list()->currentResult();
            QVERIFY(current);
            if (current->source == source && current->name == name)
                return;
            QTest::keyClick(field(), Qt::Key_Down);
        }
        QFAIL(qPrintable(QStringLiteral("no %1 result %2").arg(searchSourceKey(source), name)));
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_CACHE_HOME", m_cache.path().toUtf8());
        ProgramFolder::setPath(programFolder());
        m_folder.copySampleDatabases();
    }

    void init()
    {
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        QVERIFY(m_main->isLoaded());
        m_window = m_main->window();
        m_help.clear();
        showRead();
    }

    void cleanup()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget != m_window)
                widget->close();
        }
        m_main.reset();
    }

    // A start reads nothing for the search; the field taking the keyboard reads what changed since the
    // index last read it, each time. Its clear button comes with the first text.
    void turningToTheFieldReadsWhatChanged()
    {
        TestDataFolder folder;
        folder.copySampleDatabases();
        QTemporaryDir cache;
        qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
        const LoadedMainWindow main(folder.path());
        qputenv("XDG_CACHE_HOME", m_cache.path().toUtf8());
        FrmTabClean* window = main.window();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QDir indexes(cache.filePath(QStringLiteral("Velcarin")));
        QVERIFY(indexes.entryList({QStringLiteral("*.sqlite")}, QDir::Files).isEmpty());

        auto* searchField = child<SearchField>(window, QStringLiteral("txtSearch"));
        searchField->takeFocus();
        QTRY_VERIFY_WITH_TIMEOUT(everythingRead(window), 20'000);
        QCOMPARE(indexes.entryList({QStringLiteral("*.sqlite")}, QDir::Files).size(), 1);
        folder.runSql(QStringLiteral("cleaning.mdb"),
                      QStringLiteral("UPDATE CleaningA SET [Personal Notes] = 'Scrubbed with zeolite' "
                                     "WHERE [Abbreviated Name] = 'ACETONE'"));
        QVERIFY(window->finder().find(QStringLiteral("zeolite")).isEmpty());

        // Typed at once, while the notes are read again: the list follows when they are.
        child<QComboBox>(window, QStringLiteral("DBCombo1"))->setFocus();
        QVERIFY(!searchField->isClearButtonEnabled());
        searchField->takeFocus();
        QTest::keyClicks(searchField, QStringLiteral("zeolite"));
        QVERIFY(searchField->isClearButtonEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(searchField->results()->currentResult(), 20'000);
        QCOMPARE(searchField->results()->currentResult()->source, SearchSource::Notes);
        QCOMPARE(searchField->results()->currentResult()->name, QStringLiteral("ACETONE"));
    }

    // The field sits at the right end of the menu bar and leaves the tabs as they are.
    void fieldInTheMenuBar()
    {
        QCOMPARE(field()->parentWidget(), m_window->menuBar()->cornerWidget(Qt::TopRightCorner));
        for (const QAction* entry : m_window->findChildren<QAction*>())
            QVERIFY2(entry->shortcut() != QKeySequence(QStringLiteral("Ctrl+Shift+F")),
                     qPrintable(entry->objectName()));
    }

    // Typing lists the results under their sources, and nothing in any tab changes until one is opened.
    void typingChangesNoTab()
    {
        m_window->bringToFront(Advisers::Tab::Jo);
        const QString tavroBox = text(QStringLiteral("DBCombo1"));
        const QString joBox = text(QStringLiteral("DBComboJo"));
        field()->takeFocus();
        QTest::keyClicks(field(), QStringLiteral("acetone"));
        QVERIFY(list()->isVisible());
        const QTreeWidgetItem* tavro = nullptr;
        for (int group = 0; group < list()->topLevelItemCount(); ++group) {
            if (list()->topLevelItem(group)->text(0) == QLatin1String("Tavro Tankers cargoes"))
                tavro = list()->topLevelItem(group);
        }
        QVERIFY(tavro);
        QCOMPARE(tavro->child(0)->text(0), QStringLiteral("ACETONE"));
        QCOMPARE(tabs()->currentIndex(), int(Advisers::Tab::Jo));
        QCOMPARE(text(QStringLiteral("DBCombo1")), tavroBox);
        QCOMPARE(text(QStringLiteral("DBComboJo")), joBox);
        QVERIFY(m_window->windows().openWindow(QStringLiteral("frmUnitor")) == nullptr);
    }

    // Enter opens a cargo in its tab as the tab's own box would: the tab in front, the box on the name,
    // the menu entries that the tab's rules set.
    void enterOpensTheCargoInItsTab_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("unitorEntry");

        const int tavro = int(SearchSource::Tavro);
        QTest::newRow("a Tavro cargo with Unitor advice")
            << "acetone" << tavro << "ACETONE" << int(Advisers::Tab::Tavro) << "DBCombo1" << true;
        QTest::newRow("a Tavro cargo by its full name")
            << "dimethyl ketone" << tavro << "ACETONE" << int(Advisers::Tab::Tavro) << "DBCombo1" << true;
        QTest::newRow("a Tavro cargo without Unitor advice")
            << "aniline" << tavro << "ANILINE" << int(Advisers::Tab::Tavro) << "DBCombo1" << false;
        QTest::newRow("a Jo Tankers product by its synonym") << "benzol" << int(SearchSource::Jo) << "BENZENE"
                                                             << int(Advisers::Tab::Jo) << "DBComboJo" << true;
        QTest::newRow("a Henkel oil") << "coconut" << int(SearchSource::HenkelOil) << "COCONUT OIL"
                                      << int(Advisers::Tab::Henkel) << "DBComboH" << true;
        QTest::newRow("a Henkel additional product")
            << "caustic soda" << int(SearchSource::HenkelAdditional) << "CAUSTIC SODA"
            << int(Advisers::Tab::Henkel) << "DBComboH2" << true;
    }

    void enterOpensTheCargoInItsTab()
    {
        QFETCH(QString, query);
        QFETCH(int, source);
        QFETCH(QString, name);
        QFETCH(int, tab);
        QFETCH(QString, box);
        QFETCH(bool, unitorEntry);

        // A first cargo with Unitor advice enables its entry; only the operator tab's next choice changes it.
        m_window->pick(Advisers::Tab::Tavro, QStringLiteral("ACETONE"));
        QVERIFY(action("mnuUnitor")->isEnabled());
        findAndSelect(query, SearchSource(source), name);
        QTest::keyClick(field(), Qt::Key_Return);
        QVERIFY(!list()->isVisible());
        QCOMPARE(tabs()->currentIndex(), tab);
        QCOMPARE(text(box), name);
        QCOMPARE(action("mnuUnitor")->isEnabled(), unitorEntry);
        QCOMPARE(m_main->beeps()->count(), 0);
    }

    // Shift+Enter opens a cargo's overview and picks nothing in the tabs; a mixture has none.
    void shiftEnterOpensTheOverview()
    {
        findAndSelect(QStringLiteral("bleach"), SearchSource::Mixture, QStringLiteral("BLEACH 1%"));
        QTest::keyClick(field(), Qt::Key_Return, Qt::ShiftModifier);
        QVERIFY(m_window->windows().openWindow(QStringLiteral("frmOverview")) == nullptr);
        findAndSelect(QStringLiteral("benzol"), SearchSource::Jo, QStringLiteral("BENZENE"));
        QTest::keyClick(field(), Qt::Key_Return, Qt::ShiftModifier);
        QVERIFY(!list()->isVisible());
        const QWidget* overview = m_window->windows().openWindow(QStringLiteral("frmOverview"));
        QVERIFY(overview && overview->isVisible());
        QCOMPARE(controlText(overview, QStringLiteral("lblCargo")), QStringLiteral("BENZENE"));
        QCOMPARE(tabs()->currentIndex(), int(Advisers::Tab::Tavro));
        QCOMPARE(text(QStringLiteral("DBComboJo")), QString());
    }

    // Escape closes the list and gives the keyboard back to the control that had it.
    void escapeGivesTheFocusBack()
    {
        QTabBar* strip = tabs()->tabBar();
        strip->setFocus();
        QTest::keyClick(strip, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(field()->hasFocus());
        QTest::keyClicks(field(), QStringLiteral("tolu"));
        QVERIFY(list()->isVisible());
        QTest::keyClick(field(), Qt::Key_Escape);
        QVERIFY(!list()->isVisible());
        QVERIFY(strip->hasFocus());
    }

    // "/" takes the keyboard to the field, except where it is text.
    void slashFindsExceptInAField()
    {
        QTabBar* strip = tabs()->tabBar();
        strip->setFocus();
        QTest::keyClick(strip, Qt::Key_Slash, Qt::NoModifier);
        QVERIFY(field()->hasFocus());
        QCOMPARE(field()->text(), QString());

        auto* box = child<QComboBox>(m_window, QStringLiteral("DBCombo1"));
        box->setFocus();
        box->lineEdit()->clear();
        QTest::keyClick(box->lineEdit(), Qt::Key_Slash, Qt::NoModifier);
        QVERIFY(box->hasFocus());
        QCOMPARE(box->lineEdit()->text(), QStringLiteral("/"));
    }

    // A mixture opens Cleaning Mediums on it, a cargo to load the Unitor adviser on it, a cargo of the
    // Unitor catalogue the Unitor adviser as the operator tab's button opens it.
    void resultsOfTheOtherWindows_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("boxText");

        QTest::newRow("a mixture") << "bleach" << int(SearchSource::Mixture) << "BLEACH 1%"
                                   << "frmChem"
                                   << "DBComboChem"
                                   << "BLEACH 1%";
        QTest::newRow("a cargo to load")
            << "acrylonitrile" << int(SearchSource::UnitorLoading) << "ACRYLONITRILE"
            << "frmUnitor"
            << "DBCombo1"
            << "ACRYLONITRILE";
        QTest::newRow("a catalogue cargo") << "acetone" << int(SearchSource::Unitor) << "ACETONE"
                                           << "frmUnitor"
                                           << "Text2"
                                           << "ACETONE";
    }

    void resultsOfTheOtherWindows()
    {
        QFETCH(QString, query);
        QFETCH(int, source);
        QFETCH(QString, name);
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(QString, boxText);

        findAndSelect(query, SearchSource(source), name);
        QTest::keyClick(field(), Qt::Key_Return);
        const QWidget* opened = m_window->windows().openWindow(window);
        QVERIFY(opened);
        QCOMPARE(shownText(opened, box), boxText);
        QCOMPARE(m_main->beeps()->count(), 0);
    }

    // A window open on another cargo loads again on the one found.
    void openWindowLoadsAgainOnTheCargoFound_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("boxText");

        QTest::newRow("the Unitor adviser")
            << int(Advisers::Window::Unitor) << "acetone" << int(SearchSource::Unitor) << "ACETONE"
            << "frmUnitor"
            << "Text2"
            << "ACETONE";
        QTest::newRow("the notes") << int(Advisers::Window::PersonalNotes) << "breathing apparatus"
                                   << int(SearchSource::Notes) << "BENZENE"
                                   << "PersonalA"
                                   << "txtFields"
                                   << "Breathing apparatus kept ready at the tank hatch (sample note).";
    }

    void openWindowLoadsAgainOnTheCargoFound()
    {
        QFETCH(int, window);
        QFETCH(QString, query);
        QFETCH(int, source);
        QFETCH(QString, name);
        QFETCH(QString, windowName);
        QFETCH(QString, box);
        QFETCH(QString, boxText);

        m_window->pick(Advisers::Tab::Tavro, QStringLiteral("STYRENE MONOMER"));
        m_window->open(Advisers::Window(window));
        QVERIFY(m_window->windows().openWindow(windowName));
        findAndSelect(query, SearchSource(source), name);
        QTest::keyClick(field(), Qt::Key_Return);
        QCOMPARE(shownText(m_window->windows().openWindow(windowName), box), boxText);
    }

    // A manual's topic opens in the help viewer, by the file beside the databases or shipped, at its target.
    void manualTopicOpensTheViewer()
    {
        field()->takeFocus();
        QTest::keyClicks(field(), QStringLiteral("final cleaning"));
        const SearchResult* topic = nullptr;
        for (int step = 0; step < 50 && !topic && list()->currentResult(); ++step) {
            if (list()->currentResult()->source == SearchSource::Manual)
                topic = list()->currentResult();
            else
                QTest::keyClick(field(), Qt::Key_Down);
        }
        QVERIFY(topic);
        const SearchResult found = *topic;
        QTest::keyClick(field(), Qt::Key_Return);
        QCOMPARE(m_help.requests().size(), 1);
        const HelpRequest& request = m_help.requests().first();
        QCOMPARE(request.helpFile, DataFolders::current().locate(found.file));
        QCOMPARE(request.command, HelpRequest::ShowContext);
        QCOMPARE(request.target, found.topic);
        QVERIFY(!request.target.isEmpty());
    }

    // The status bar names a manual that the search leaves out, once.
    void statusLineNamesWhatIsLeftOut()
    {
        m_main.reset();
        m_folder.writeFile(QStringLiteral("broken.hlp"), QByteArray("no manual at all"));
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        m_window = m_main->window();
        QSignalSpy messages(m_window->statusBar(), &QStatusBar::messageChanged);
        showRead();
        QFile::remove(m_folder.filePath(QStringLiteral("broken.hlp")));
        QString reason;
        for (const SourceState& state : m_window->finder().status()) {
            if (state.name == QLatin1String("broken.hlp"))
                reason = state.reason;
        }
        QVERIFY(!reason.isEmpty());
        const auto toldLeftOut = [&messages, &reason] {
            QStringList parts;
            for (const QList<QVariant>& message : std::as_const(messages))
                parts << message.at(0).toString().split(QLatin1String("  "));
            return parts.count(QStringLiteral("Search leaves out broken.hlp: ") + reason);
        };
        QTRY_COMPARE(toldLeftOut(), 1);
        QTest::qWait(100);
        QCOMPARE(toldLeftOut(), 1);
    }

    // Each source left out is named once, whatever the steps that follow.
    void statusLineSpeaksOnce()
    {
        SearchStatusLine line;
        QSignalSpy said(&line, &SearchStatusLine::message);
        QSignalSpy reading(&line, &SearchStatusLine::readingChanged);
        const SourceState jo{QStringLiteral("jo"), SourceState::State::LeftOut, QStringLiteral("locked"), 0};
        const SourceState manual{QStringLiteral("Own.hlp"), SourceState::State::LeftOut,
                                 QStringLiteral("bad"), 0};
        line.update(true, {jo});
        line.update(true, {jo, manual});
        line.update(false, {jo, manual});
        line.update(false, {jo, manual});
        QCOMPARE(said.size(), 2);
        QCOMPARE(reading.size(), 2);
        QCOMPARE(reading.at(1).at(0).toBool(), false);
        QCOMPARE(said.at(0).at(0).toString(),
                 QStringLiteral("Search leaves out Jo Tankers products: locked"));
        QCOMPARE(said.at(1).at(0).toString(), QStringLiteral("Search leaves out Own.hlp: bad"));
    }

    // A word that finds nothing says so, and Enter then opens nothing.
    void nothingFound()
    {
        field()->takeFocus();
        QTest::keyClicks(field(), QStringLiteral("zzqqxxv"));
        QVERIFY(list()->isVisible());
        QCOMPARE(list()->topLevelItemCount(), 1);
        QCOMPARE(list()->topLevelItem(0)->text(0), QStringLiteral("Nothing found"));
        QTest::keyClick(field(), Qt::Key_Down);
        QTest::keyClick(field(), Qt::Key_Return);
        QCOMPARE(tabs()->currentIndex(), int(Advisers::Tab::Tavro));
        QVERIFY(m_help.requests().isEmpty());
    }
};

VELCARIN_TEST_MAIN(TestSearchWindow)
#include "tst_searchwindow.moc"
