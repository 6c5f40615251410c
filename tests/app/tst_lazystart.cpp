#include "app/FrmTabClean.h"
#include "app/GlobeAnimation.h"
#include "data/Store.h"
#include "shell/DataControl.h"
#include "support/LoadedMainWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

// The main window builds at start only the tab in front; the tabs behind come when first shown or asked
// for, and then behave as if they had been there all along. The cargo list reads its names as it is
// scrolled, yet a letter key, a typed name or a picked row reaches any cargo of the file.
class TestLazyStart : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    TestDataFolder m_longList; // 600 cargoes "AAA 0001" to "AAA 0600" before the sample's 97

    static QAction* action(const QWidget* window, const char* name)
    {
        return child<QAction>(window, QLatin1String(name));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_folder.copySampleDatabases();
        m_longList.copySampleDatabases();
        m_longList.runSql(QStringLiteral("cleaning.mdb"), QStringLiteral(R"(
            WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 600)
            INSERT INTO CleaningA ("Abbreviated Name", "Full Name") SELECT printf('AAA %04d', i), 'x' FROM n;
        )"));
    }

    void tabsBehindAreBuiltWhenFirstShown()
    {
        const Store store(m_folder.path());
        FrmTabClean window(store);
        QString error;
        QVERIFY2(window.load(&error), qPrintable(error));
        for (const char* name : {"DBComboJo", "DtaJo", "DBComboH", "DtaH", "dtaH1", "picTest"})
            QVERIFY2(!window.findChild<QObject*>(QLatin1String(name)), name);
        QTimer* globe = child<QTimer>(&window, QStringLiteral("tmrAnimate"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto* tabs = child<QTabWidget>(&window, QStringLiteral("SSTab1"));
        tabs->setCurrentIndex(1);
        QCOMPARE(child<DataControl>(&window, QStringLiteral("DtaJo"))->recordSet().absolutePosition(), 0);
        for (const char* cover : {"Label39", "Label40", "Label41"})
            QVERIFY2(child<QWidget>(&window, QLatin1String(cover))->isVisible(), cover);
        QVERIFY(!window.findChild<QObject*>(QStringLiteral("DtaH")));
        QVERIFY(!globe->isActive());

        tabs->setCurrentIndex(2);
        for (const char* data : {"DtaH", "dtaH1"})
            QCOMPARE(child<DataControl>(&window, QLatin1String(data))->recordSet().absolutePosition(), 0);
        for (const char* hidden : {"DBComboH", "txtPreWashH", "txtAddH"})
            QVERIFY2(child<QWidget>(&window, QLatin1String(hidden))->isHidden(), hidden);
        QVERIFY(globe->isActive());
        QTRY_VERIFY(window.globe()->counter() > 0);
    }

    // A tab built late publishes its choice and sets the menus as the tab in front.
    void aTabBuiltLateFollowsItsChoiceAndMenus()
    {
        const Store store(m_folder.path());
        FrmTabClean window(store);
        QString error;
        QVERIFY2(window.load(&error), qPrintable(error));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Asked for by another window while the operator tab is in front.
        window.pick(Advisers::Tab::Jo, QStringLiteral("TOLUENE"));
        QCOMPARE(window.currentCargo(Advisers::Tab::Jo).name, QStringLiteral("TOLUENE"));
        QCOMPARE(window.tabInFront(), Advisers::Tab::Tavro);
        QCOMPARE(action(&window, "mnuPrint")->text(), QStringLiteral("&Print Tavro Tankers Adviser"));

        QSignalSpy changed(&window.choice(Advisers::Tab::Jo), &CargoChoice::changed);
        window.bringToFront(Advisers::Tab::Jo);
        child<QComboBox>(&window, QStringLiteral("DBComboJo"))->setEditText(QStringLiteral("ACETONE"));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(window.currentCargo(Advisers::Tab::Jo).name, QStringLiteral("ACETONE"));
        QVERIFY(action(&window, "mnuCompCh")->isEnabled());
        QCOMPARE(action(&window, "mnuPrint")->text(), QStringLiteral("&Print Jo Tankers Adviser"));

        window.bringToFront(Advisers::Tab::Henkel);
        child<QComboBox>(&window, QStringLiteral("DBComboH"))->setEditText(QStringLiteral("CORN OIL"));
        QCOMPARE(window.currentCargo(Advisers::Tab::Henkel).name, QStringLiteral("CORN OIL"));
        QVERIFY(!action(&window, "mnuCompCh")->isEnabled());
        QVERIFY(!action(&window, "mnuPrint")->isEnabled());
    }

    void anyCargoIsReachedBeyondTheNamesRead_data()
    {
        QTest::addColumn<QString>("how"); // "key", "typed" or "row"
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("listed"); // names the list has read afterwards
        QTest::newRow("letter key") << "key"
                                    << "X"
                                    << "XYLENE-M" << 696 << 256;
        QTest::newRow("typed name") << "typed"
                                    << "TOLUENE"
                                    << "TOLUENE" << 686 << 256;
        QTest::newRow("row picked") << "row"
                                    << "599"
                                    << "AAA 0600" << 599 << 600;
        QTest::newRow("last row picked") << "row"
                                         << "696"
                                         << "XYLENE-M" << 696 << 697;
        QTest::newRow("row past the end") << "row"
                                          << "697"
                                          << "" << 0 << 697;
    }

    void anyCargoIsReachedBeyondTheNamesRead()
    {
        QFETCH(QString, how);
        QFETCH(QString, what);
        QFETCH(QString, name);
        QFETCH(int, record);
        QFETCH(int, listed);
        LoadedMainWindow main(m_longList.path());
        QVERIFY(main.isLoaded());
        FrmTabClean* window = main.window();
        auto* box = child<QComboBox>(window, QStringLiteral("DBCombo1"));
        QCOMPARE(box->count(), 256);
        if (how == QLatin1String("key")) {
            window->show();
            QApplication::setActiveWindow(window);
            QVERIFY(QTest::qWaitForWindowActive(window));
            auto* tabBar = child<QTabWidget>(window, QStringLiteral("SSTab1"))->tabBar();
            tabBar->setFocus();
            QTest::keyClick(tabBar, Qt::Key(what.at(0).unicode()));
        } else if (how == QLatin1String("typed")) {
            box->setEditText(what);
        } else {
            window->pick(Advisers::Tab::Tavro, what.toInt());
        }
        QCOMPARE(window->currentCargo(Advisers::Tab::Tavro).name, name);
        QCOMPARE(window->currentCargo(Advisers::Tab::Tavro).record, record);
        QCOMPARE(box->count(), listed);
        QCOMPARE(main.beeps()->count(), 0);
    }
};

VELCARIN_TEST_MAIN(TestLazyStart)
#include "tst_lazystart.moc"
