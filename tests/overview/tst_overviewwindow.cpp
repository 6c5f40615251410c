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
#include <QTabWidget>

namespace {

using Texts = QList<std::pair<QString, QString>>; // a control's objectName and its whole text

const QStringList Headings{QStringLiteral("Tavro"), QStringLiteral("Jo Tankers"), QStringLiteral("Unitor"),
                           QStringLiteral("Henkel"), QStringLiteral("Compatibility")};
const QStringList HeadingNames{QStringLiteral("lblSourceTavro"), QStringLiteral("lblSourceJo"),
                               QStringLiteral("lblSourceUnitor"), QStringLiteral("lblSourceHenkel"),
                               QStringLiteral("lblSourceCompatibility")};

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

    void verifyShown(const QString& cargo, const Texts& texts) const
    {
        QVERIFY(overview());
        QCOMPARE(overview()->windowTitle(), QStringLiteral("Cargo Overview"));
        QCOMPARE(controlText(overview(), QStringLiteral("lblCargo")), cargo);
        for (int index = 0; index < Headings.size(); ++index)
            QCOMPARE(controlText(overview(), HeadingNames.at(index)), Headings.at(index));
        for (const auto& [name, text] : texts)
            QCOMPARE(controlText(overview(), name), text);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_folder.copySampleDatabases();
        QStringList words;
        for (int number = 1; number <= 1500; ++number)
            words << QStringLiteral("remark%1").arg(number);
        m_folder.runSql(QStringLiteral("cleaning.mdb"),
                        QStringLiteral("INSERT INTO CleaningA (\"Abbreviated Name\", \"Cleaning Code\", "
                                       "\"Remarks\") VALUES ('ZZ LONG REMARKS', '1', %1);")
                            .arg(sqlText(words.join(QLatin1Char(' ')))));
    }

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
        QTest::addColumn<Texts>("texts");
        const auto same = [](const QString& name) {
            return QStringLiteral("Found under the same name, %1.").arg(name);
        };
        QTest::newRow("Tavro, a cargo every source holds")
            << 0 << QStringLiteral("ACETONE")
            << Texts{{QStringLiteral("lblMatchTavro"), same(QStringLiteral("ACETONE"))},
                     {QStringLiteral("lblMatchJo"), same(QStringLiteral("ACETONE"))},
                     {QStringLiteral("lblMatchUnitor"), same(QStringLiteral("ACETONE"))},
                     {QStringLiteral("lblMatchHenkel"), same(QStringLiteral("ACETONE"))}};
        QTest::newRow("Tavro, a cargo of the operator's only")
            << 0 << QStringLiteral("AATREX")
            << Texts{{QStringLiteral("lblMatchTavro"), same(QStringLiteral("AATREX"))},
                     {QStringLiteral("lblMatchJo"), QStringLiteral("Jo Tankers holds nothing for AATREX.")},
                     {QStringLiteral("lblMatchUnitor"), QStringLiteral("Unitor holds nothing for AATREX.")},
                     {QStringLiteral("lblMatchHenkel"), QStringLiteral("Henkel holds nothing for AATREX.")}};
        QTest::newRow("Jo Tankers") << 1 << QStringLiteral("MOLASSES")
                                    << Texts{{QStringLiteral("lblMatchJo"), same(QStringLiteral("MOLASSES"))},
                                             {QStringLiteral("lblMatchUnitor"),
                                              same(QStringLiteral("MOLASSES"))}};
        QTest::newRow("Henkel's oil")
            << 2 << QStringLiteral("COCONUT OIL")
            << Texts{{QStringLiteral("lblMatchHenkel"), same(QStringLiteral("COCONUT OIL"))},
                     {QStringLiteral("lblMatchTavro"), same(QStringLiteral("COCONUT OIL"))}};
    }

    void viewEntryShowsTheCargoOfTheTabInFront()
    {
        QFETCH(int, tab);
        QFETCH(QString, cargo);
        QFETCH(Texts, texts);
        // Another tab's cargo is not the one shown.
        m_window->pick(Advisers::Tab::Tavro, QStringLiteral("BENZENE"));
        m_window->pick(Advisers::Tab(tab), cargo);
        m_window->bringToFront(Advisers::Tab(tab));
        m_main->messages()->clear(); // the operator's own word on a cargo that asks for him
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuOverview")));
        verifyShown(cargo, texts);
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
        QCOMPARE(menu->objectName(), QStringLiteral("mnuCargoBox"));
        QAction* entry = menu->actions().constLast();
        QCOMPARE(entry->objectName(), QStringLiteral("mnuOverviewA"));
        QCOMPARE(entry->text(), QStringLiteral("Cargo &Overview"));
        entry->trigger();
        menu->close();
        verifyShown(QStringLiteral("ACETONE"), {});
        // The open overview turns to another cargo named to it, the same window.
        FrmOverview* shown = overview();
        m_window->openOverview(QStringLiteral("MOLASSES"));
        QCOMPARE(overview(), shown);
        verifyShown(QStringLiteral("MOLASSES"), {});
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
        QVERIFY2(told.text.startsWith(QStringLiteral("The overview of BENZENE cannot be shown.\n\n")) &&
                     told.text.contains(QStringLiteral("Henkel.mdb")),
                 qPrintable(told.text));
        QCOMPARE(told.title, QStringLiteral("Cargo Overview"));
        QCOMPARE(controlText(overview(), QStringLiteral("lblCargo")), QStringLiteral("ACETONE"));
        QVERIFY(child<QPushButton>(overview(), QStringLiteral("cmdPrint"))->isEnabled());
    }

    // The sheet goes to the program's printer, each page headed with the cargo and "page n of m"; without a
    // printer the officer may save it as a PDF file instead.
    void printsTheOverview_data()
    {
        QTest::addColumn<QString>("cargo");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("written");
        QTest::newRow("printer") << QStringLiteral("ACETONE") << true << int(QMessageBox::NoButton) << true;
        QTest::newRow("long texts over pages")
            << QStringLiteral("ZZ LONG REMARKS") << true << int(QMessageBox::NoButton) << true;
        QTest::newRow("no printer, saved")
            << QStringLiteral("ACETONE") << false << int(QMessageBox::Yes) << true;
        QTest::newRow("no printer, not saved")
            << QStringLiteral("ACETONE") << false << int(QMessageBox::No) << false;
    }

    void printsTheOverview()
    {
        QFETCH(QString, cargo);
        QFETCH(bool, installed);
        QFETCH(int, answer);
        QFETCH(bool, written);
        const PrinterStandIn printer(QPageSize::A4, installed);
        FileDialogRecorder dialogs;
        const QString saved = m_folder.filePath(QStringLiteral("overview.pdf"));
        dialogs.answerWith({saved});
        m_main->messages()->answerWith({QMessageBox::StandardButton(answer)});
        m_window->openOverview(cargo);
        child<QPushButton>(overview(), QStringLiteral("cmdPrint"))->click();
        QCOMPARE(m_main->messages()->requests().size(), installed ? 0 : 1);
        const QStringList files = installed                  ? printer.printed()
                                  : QFileInfo::exists(saved) ? QStringList{saved}
                                                             : QStringList{};
        QCOMPARE(files.size(), written ? 1 : 0);
        if (!written)
            return;
        const PdfFile pdf = readPdf(files.first());
        QVERIFY(pdf.pages >= 1);
        for (int page = 1; page <= pdf.pages; ++page) {
            const QString heading = QStringLiteral("%1 — page %2 of %3").arg(cargo).arg(page).arg(pdf.pages);
            QVERIFY2(pdf.text.count(heading) == 1, qPrintable(heading + QStringLiteral("\n") + pdf.text));
        }
        QVERIFY(pdf.text.contains(QStringLiteral("sample data — not tank-cleaning advice")));
        QVERIFY(pdf.text.simplified().contains(QStringLiteral("remark1500")) ==
                (cargo == QStringLiteral("ZZ LONG REMARKS")));
        QFile::remove(saved);
    }
};

VELCARIN_TEST_MAIN(TestOverviewWindow)
#include "tst_overviewwindow.moc"
