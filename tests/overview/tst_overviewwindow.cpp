#include "app/FrmTabClean.h"
#include "overview/FrmOverview.h"
#include "shell/WindowRegistry.h"
#include "support/LoadedMainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

// The heading of each section, by the objectName of its label.
const std::pair<const char*, const char*> Headings[]{
    {"lblSourceTavro", "Tavro"},
    {"lblSourceJo", "Jo Tankers"},
    {"lblSourceUnitor", "Unitor"},
    {"lblSourceHenkel", "Henkel"},
    {"lblSourceCompatibility", "Compatibility"},
};

} // namespace

// The cargo overview through the real main window: opened from the View menu on the cargo of the tab in
// front, from the Tavro tab's cargo box and on a name; its Unitor topics opened in the help viewer; and
// its sheet printed on the program's printer or saved as a PDF file.
class TestOverviewWindow : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    std::unique_ptr<LoadedMainWindow> m_main;
    FrmTabClean* m_window = nullptr;

    FrmOverview* overview() const
    {
        return qobject_cast<FrmOverview*>(m_window->windows().openWindow(QStringLiteral("frmOverview")));
    }

    void verifyShown(const QString& cargo) const
    {
        QVERIFY(overview());
        QCOMPARE(overview()->windowTitle(), QStringLiteral("Cargo Overview"));
        QCOMPARE(controlText(overview(), QStringLiteral("lblCargo")), cargo);
        for (const auto& [name, heading] : Headings)
            QCOMPARE(controlText(overview(), QLatin1String(name)), QLatin1String(heading));
    }

private Q_SLOTS:
    void initTestCase() { m_folder.copySampleDatabases(); }

    void init()
    {
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        QVERIFY(m_main->isLoaded());
        m_window = m_main->window();
    }

    void cleanup() { m_main.reset(); }

    void viewEntryShowsTheCargoOfTheTabInFront_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("cargo");
        QTest::addColumn<QString>("joLine"); // what the Jo Tankers section says of its entry
        QTest::newRow("Tavro, held by every source")
            << 0 << QStringLiteral("ACETONE") << QStringLiteral("Found under the same name, ACETONE.");
        QTest::newRow("Jo Tankers") << 1 << QStringLiteral("MOLASSES")
                                    << QStringLiteral("Found under the same name, MOLASSES.");
        QTest::newRow("Henkel's oil") << 2 << QStringLiteral("COCONUT OIL")
                                      << QStringLiteral("Jo Tankers holds nothing for COCONUT OIL.");
    }

    void viewEntryShowsTheCargoOfTheTabInFront()
    {
        QFETCH(int, tab);
        QFETCH(QString, cargo);
        QFETCH(QString, joLine);
        // Another tab's cargo is not the one shown.
        m_window->pick(Advisers::Tab::Tavro, QStringLiteral("BENZENE"));
        m_window->pick(Advisers::Tab(tab), cargo);
        m_window->bringToFront(Advisers::Tab(tab));
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuOverview")));
        verifyShown(cargo);
        QCOMPARE(controlText(overview(), QStringLiteral("lblMatchJo")), joLine);
        QCOMPARE(m_main->messages()->requests().size(), 0);
    }

    // Before the tab in front has a cargo there is nothing to show: the officer is told to choose one.
    void noCargoChosenIsTold()
    {
        m_window->bringToFront(Advisers::Tab::Jo);
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuOverview")));
        QVERIFY(!overview());
        QCOMPARE(m_main->messages()->requests().size(), 1);
        QCOMPARE(m_main->messages()->requests().first().text,
                 QStringLiteral("Choose a cargo first: the overview shows what every guide holds about it."));
        QCOMPARE(m_main->messages()->requests().first().title, QStringLiteral("Cargo Overview"));
    }

    void tavroCargoBoxContextMenuOpensIt()
    {
        m_window->pick(Advisers::Tab::Tavro, QStringLiteral("ACETONE"));
        QLineEdit* edit = child<QComboBox>(m_window, QStringLiteral("DBCombo1"))->lineEdit();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), edit->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(edit, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction* entry = menu->actions().constLast();
        QCOMPARE(entry->objectName(), QStringLiteral("mnuOverviewA"));
        QCOMPARE(entry->text(), QStringLiteral("Cargo &Overview"));
        entry->trigger();
        menu->close();
        verifyShown(QStringLiteral("ACETONE"));
        // The open overview turns to another cargo named to it, the same window.
        FrmOverview* shown = overview();
        m_window->openOverview(QStringLiteral("MOLASSES"));
        QCOMPARE(overview(), shown);
        verifyShown(QStringLiteral("MOLASSES"));
    }

    void unitorTopicOpensTheHelpViewer()
    {
        const HelpRecorder help;
        m_window->openOverview(QStringLiteral("ACETONE"));
        // A click on the first line, the manual's topic for the cargo.
        auto* topics = child<QLabel>(overview(), QStringLiteral("lblTextUnitor1"));
        QTest::mouseClick(topics, Qt::LeftButton, {},
                          topics->contentsRect().topLeft() + QPoint(4, topics->fontMetrics().height() / 2));
        QCOMPARE(help.requests().size(), 1);
        QCOMPARE(QFileInfo(help.requests().first().helpFile).fileName(), QStringLiteral("Unitor.hlp"));
        QCOMPARE(help.requests().first().command, 1);
        QCOMPARE(help.requests().first().context, 1005);
    }

    // A database that cannot be read is told, and the page shown stays as it was.
    void unreadableDatabaseIsTold()
    {
        const TestDataFolder folder;
        folder.copySampleDatabases();
        m_main.reset(); // its stand-ins go before the new window's come
        m_main = std::make_unique<LoadedMainWindow>(folder.path());
        m_window = m_main->window();
        m_window->openOverview(QStringLiteral("ACETONE"));
        folder.damagePage(QStringLiteral("Henkel.mdb"), 0);
        m_window->openOverview(QStringLiteral("BENZENE"));
        QCOMPARE(m_main->messages()->requests().size(), 1);
        const MessageBox::Request told = m_main->messages()->requests().first();
        QVERIFY(told.text.startsWith(QStringLiteral("The overview of BENZENE cannot be shown.\n\n")));
        QVERIFY(told.text.contains(QStringLiteral("Henkel.mdb")));
        QCOMPARE(controlText(overview(), QStringLiteral("lblCargo")), QStringLiteral("ACETONE"));
    }

    // The sheet goes to the program's printer, each page headed with the cargo and "page n of m"; without a
    // printer the officer may save it as a PDF file instead.
    void printsTheOverview_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("written");
        QTest::newRow("printer") << true << int(QMessageBox::NoButton) << true;
        QTest::newRow("no printer, saved") << false << int(QMessageBox::Yes) << true;
        QTest::newRow("no printer, not saved") << false << int(QMessageBox::No) << false;
    }

    void printsTheOverview()
    {
        QFETCH(bool, installed);
        QFETCH(int, answer);
        QFETCH(bool, written);
        const PrinterStandIn printer(QPageSize::A4, installed);
        FileDialogRecorder dialogs;
        const QString saved = m_folder.filePath(QStringLiteral("overview.pdf"));
        dialogs.answerWith({saved});
        m_main->messages()->answerWith({QMessageBox::StandardButton(answer)});
        m_window->openOverview(QStringLiteral("ACETONE"));
        child<QPushButton>(overview(), QStringLiteral("cmdPrint"))->click();
        QCOMPARE(m_main->messages()->requests().size(), installed ? 0 : 1);
        const QStringList files = installed ? printer.printed() : QStringList{saved};
        QCOMPARE(QFileInfo::exists(files.value(0)), written);
        if (!written)
            return;
        // The sample's overview of the cargo takes two pages.
        const PdfFile pdf = readPdf(files.first());
        QCOMPARE(pdf.pages, 2);
        QCOMPARE(pdf.text.count(QStringLiteral("ACETONE — page 1 of 2\n")), 1);
        QCOMPARE(pdf.text.count(QStringLiteral("ACETONE — page 2 of 2\n")), 1);
        QVERIFY(pdf.text.contains(QStringLiteral("sample data — not tank-cleaning advice")));
        QFile::remove(saved);
    }
};

VELCARIN_TEST_MAIN(TestOverviewWindow)
#include "tst_overviewwindow.moc"
