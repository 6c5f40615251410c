#include "app/FrmTabClean.h"
#include "shell/WindowRegistry.h"
#include "support/LoadedMainWindow.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>

// The main window as the other windows use it: a pick in a tab's combo box, and the cargo each tab
// publishes.
class TestAdvisers : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    std::unique_ptr<LoadedMainWindow> m_main;

    Advisers& advisers() const { return *m_main->window(); }

private Q_SLOTS:
    void initTestCase() { m_folder.copySampleDatabases(); }

    void init()
    {
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        QVERIFY(m_main->isLoaded());
    }

    void cleanup() { m_main.reset(); }

    // A pick is the officer's own: the box shows the name, the tab stands on its record, whatever tab is in
    // front. A name finds its first record, a row that very record; what finds nothing changes nothing.
    void aPickIsAComboChoice_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("before"); // a name picked first
        QTest::addColumn<QString>("name");   // picked by name, or
        QTest::addColumn<int>("row");        // by row where there is no name
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("fullName");
        QTest::addColumn<int>("beeps");

        const int tavro = int(Advisers::Tab::Tavro);
        const QString cargoBox = QStringLiteral("DBCombo1");
        const QString none;
        const QString acetone = QStringLiteral("ACETONE");
        const QString ethyl = QStringLiteral("ETHYL ACETATE");
        const QString secondEthyl = QStringLiteral("Acetic ether (second row of the same name)");
        const QString first = QStringLiteral("Atrazine herbicide solution");
        QTest::newRow("a name") << tavro << cargoBox << none << acetone << -1 << acetone << acetone << 3
                                << "Dimethyl ketone" << 0;
        QTest::newRow("a repeated name")
            << tavro << cargoBox << none << ethyl << -1 << ethyl << ethyl << 38 << "Acetic ether" << 0;
        QTest::newRow("its second row")
            << tavro << cargoBox << none << none << 39 << ethyl << ethyl << 39 << secondEthyl << 0;
        QTest::newRow("its second row, its first shown")
            << tavro << cargoBox << ethyl << none << 39 << ethyl << ethyl << 39 << secondEthyl << 0;
        QTest::newRow("a name of none")
            << tavro << cargoBox << none << "NO SUCH CARGO" << -1 << "NO SUCH CARGO"
            << "AATREX" << 0 << first << 1;
        QTest::newRow("past the list")
            << tavro << cargoBox << none << none << 97 << "Choise the cargo here" << none << 0 << first << 0;
        QTest::newRow("a Jo product") << int(Advisers::Tab::Jo) << "DBComboJo" << none << none << 0 << acetone
                                      << acetone << 0 << none << 0;
        QTest::newRow("a Henkel oil")
            << int(Advisers::Tab::Henkel) << "DBComboH" << none << "CORN OIL" << -1 << "CORN OIL"
            << "CORN OIL" << 1 << none << 0;
    }

    void aPickIsAComboChoice()
    {
        QFETCH(int, tab);
        QFETCH(QString, box);
        QFETCH(QString, before);
        QFETCH(QString, name);
        QFETCH(int, row);
        QFETCH(QString, boxText);
        QFETCH(QString, shown);
        QFETCH(int, record);
        QFETCH(QString, fullName);
        QFETCH(int, beeps);
        const auto picked = static_cast<Advisers::Tab>(tab);
        advisers().bringToFront(Advisers::Tab::Henkel);
        if (!before.isEmpty())
            advisers().pick(picked, before);
        if (name.isEmpty())
            advisers().pick(picked, row);
        else
            advisers().pick(picked, name);
        const CurrentCargo cargo = advisers().currentCargo(picked);
        QCOMPARE(cargo.name, shown);
        QCOMPARE(cargo.record, record);
        QCOMPARE(cargo.fullName, fullName);
        QCOMPARE(m_main->beeps()->count(), beeps);
        QCOMPARE(child<QComboBox>(m_main->window(), box)->currentText(), boxText);
        QCOMPARE(advisers().tabInFront(), Advisers::Tab::Henkel);
    }

    // Each change of what the tab stands on is told once; a pick that changes nothing is not told.
    void eachChangeIsToldOnce()
    {
        QSignalSpy changes(&advisers().choice(Advisers::Tab::Tavro), &CargoChoice::changed);
        advisers().pick(Advisers::Tab::Tavro, QStringLiteral("TOLUENE"));
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.last().first().value<CurrentCargo>().uscgGroup, QStringLiteral("32"));
        advisers().pick(Advisers::Tab::Tavro, QStringLiteral("TOLUENE"));
        advisers().pick(Advisers::Tab::Tavro, QStringLiteral("NO SUCH CARGO"));
        QCOMPARE(changes.size(), 1);
        QVERIFY(!advisers().currentCargo(Advisers::Tab::Tavro).hasPersonalNotes);

        // A note saved on the cargo marks it at once.
        child<QPushButton>(m_main->window(), QStringLiteral("cmdEdit"))->click();
        QWidget* notes = m_main->window()->windows().openWindow(QStringLiteral("PersonalA"));
        QVERIFY(notes);
        QTest::keyClicks(child<QWidget>(notes, QStringLiteral("txtFields")), QStringLiteral("Washed twice."));
        child<QPushButton>(notes, QStringLiteral("cmdUpdate"))->click();
        QCOMPARE(changes.size(), 2);
        QVERIFY(changes.last().first().value<CurrentCargo>().hasPersonalNotes);
        m_main->messages()->clear();
        QVERIFY(triggerAction(m_main->window(), QStringLiteral("mnuPersonal")));
        QCOMPARE(m_main->messages()->requests().size(), 0);
        notes->close();
    }
};

VELCARIN_TEST_MAIN(TestAdvisers)
#include "tst_advisers.moc"
