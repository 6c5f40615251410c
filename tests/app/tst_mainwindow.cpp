#include "adviser/TavroTab.h"
#include "app/FrmTabClean.h"
#include "data/Store.h"
#include "shell/DataControl.h"
#include "shell/HelpRequest.h"
#include "shell/ProgramFolder.h"
#include "shell/WindowRegistry.h"
#include "support/LoadedMainWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include <cmath>

// The main window on the sample databases: its start, menus, tabs, letter keys and exits.
class TestMainWindow : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    std::unique_ptr<LoadedMainWindow> m_main;
    FrmTabClean* m_window = nullptr;
    MessageRecorder* m_messages = nullptr;
    HelpRecorder m_help;  // every help request, in place of the viewer
    QStringList m_opened; // windows the test registry was asked to load

    QAction* action(const char* name) const { return child<QAction>(m_window, QLatin1String(name)); }
    QTabWidget* tabs() const { return child<QTabWidget>(m_window, QStringLiteral("SSTab1")); }
    QComboBox* cargoBox() const { return child<QComboBox>(m_window, QStringLiteral("DBCombo1")); }
    void choose(const QString& name) const { cargoBox()->setEditText(name); }

    // Records the name of each window the main window opens.
    void registerWindows()
    {
        connect(&m_window->windows(), &WindowRegistry::loaded, this,
                [this](const QString& name) { m_opened << name; });
    }

    void closeOpenWindows()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget != m_window)
                widget->close();
        }
        QCoreApplication::processEvents();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_folder.copySampleDatabases();
        // A first cargo in name order that has no USCG group, for the chart entry's message.
        m_folder.runSql(QStringLiteral("cleaning.mdb"),
                        QStringLiteral("INSERT INTO CleaningA (\"Abbreviated Name\", \"Full Name\") "
                                       "VALUES ('A SAMPLE WITHOUT GROUP', 'Sample');"));
    }

    void init()
    {
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        QVERIFY(m_main->isLoaded());
        m_window = m_main->window();
        m_messages = m_main->messages();
        registerWindows();
        m_help.clear();
        m_opened.clear();
    }

    void cleanup()
    {
        closeOpenWindows();
        m_main.reset();
    }

    void menuEntries_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("mnuFile") << QString() << QStringLiteral("mnuFile") << QStringLiteral("&File")
                                 << QString();
        QTest::newRow("mnuPrint") << QStringLiteral("mnuFile") << QStringLiteral("mnuPrint")
                                  << QStringLiteral("&Print") << QStringLiteral("Ctrl+P");
        QTest::newRow("mnuExportPdf") << QStringLiteral("mnuFile") << QStringLiteral("mnuExportPdf")
                                      << QStringLiteral("Export Adviser as PDF…") << QStringLiteral("");
        QTest::newRow("mnuLine1") << QStringLiteral("mnuFile") << QStringLiteral("mnuLine1")
                                  << QStringLiteral("-") << QStringLiteral("");
        QTest::newRow("mnuExit") << QStringLiteral("mnuFile") << QStringLiteral("mnuExit")
                                 << QStringLiteral("E&xit") << QStringLiteral("");
        QTest::newRow("mnuView") << QString() << QStringLiteral("mnuView") << QStringLiteral("&View")
                                 << QString();
        QTest::newRow("mnuTavro") << QStringLiteral("mnuView") << QStringLiteral("mnuTavro")
                                  << QStringLiteral("Tavro Tankers Cleaning Guide") << QStringLiteral("");
        QTest::newRow("mnuNormal") << QStringLiteral("mnuView") << QStringLiteral("mnuNormal")
                                   << QStringLiteral("&JO Tankers Cleaning Guide") << QStringLiteral("");
        QTest::newRow("mnuHenkel") << QStringLiteral("mnuView") << QStringLiteral("mnuHenkel")
                                   << QStringLiteral("Henkel/Chemtec Cleaning Guide") << QStringLiteral("");
        QTest::newRow("mnuUnitor") << QStringLiteral("mnuView") << QStringLiteral("mnuUnitor")
                                   << QStringLiteral("Unitor Cleaning Guide") << QStringLiteral("");
        QTest::newRow("mnuOverview") << QStringLiteral("mnuView") << QStringLiteral("mnuOverview")
                                     << QStringLiteral("Cargo &Overview") << QStringLiteral("");
        QTest::newRow("mnuLine2") << QStringLiteral("mnuView") << QStringLiteral("mnuLine2")
                                  << QStringLiteral("-") << QStringLiteral("");
        QTest::newRow("mnuCleaning") << QStringLiteral("mnuView") << QStringLiteral("mnuCleaning")
                                     << QStringLiteral("Cleaning &Notes View") << QStringLiteral("Ctrl+N");
        QTest::newRow("mnuTemp") << QStringLiteral("mnuView") << QStringLiteral("mnuTemp")
                                 << QStringLiteral("Cleaning &Temperatures View") << QStringLiteral("Ctrl+T");
        QTest::newRow("mnuAdd") << QStringLiteral("mnuView") << QStringLiteral("mnuAdd")
                                << QStringLiteral("A&dditional Notes View") << QStringLiteral("Ctrl+D");
        QTest::newRow("mnuPersonal") << QStringLiteral("mnuView") << QStringLiteral("mnuPersonal")
                                     << QStringLiteral("Per&sonal Notes View") << QStringLiteral("Ctrl+S");
        QTest::newRow("mnu3") << QStringLiteral("mnuView") << QStringLiteral("mnu3") << QStringLiteral("-")
                              << QStringLiteral("");
        QTest::newRow("mnuHazard") << QStringLiteral("mnuView") << QStringLiteral("mnuHazard")
                                   << QStringLiteral("Chemical &Hazard Data") << QStringLiteral("Ctrl+H");
        QTest::newRow("mnuEdit") << QString() << QStringLiteral("mnuEdit") << QStringLiteral("&Edit")
                                 << QString();
        QTest::newRow("mnuECP") << QStringLiteral("mnuEdit") << QStringLiteral("mnuECP")
                                << QStringLiteral("Edit Cargo Parameters") << QStringLiteral("");
        QTest::newRow("mnuGlossary1") << QString() << QStringLiteral("mnuGlossary1")
                                      << QStringLiteral("&Cleaning Strategy") << QString();
        QTest::newRow("mnuChoice") << QStringLiteral("mnuGlossary1") << QStringLiteral("mnuChoice")
                                   << QStringLiteral("&Right Choice of Cleaning Strategy")
                                   << QStringLiteral("Ctrl+R");
        QTest::newRow("mnu55") << QStringLiteral("mnuGlossary1") << QStringLiteral("mnu55")
                               << QStringLiteral("-") << QStringLiteral("");
        QTest::newRow("mnuPre") << QStringLiteral("mnuGlossary1") << QStringLiteral("mnuPre")
                                << QStringLiteral("Pre-Cleanin&g") << QStringLiteral("Ctrl+G");
        QTest::newRow("mnuFinal") << QStringLiteral("mnuGlossary1") << QStringLiteral("mnuFinal")
                                  << QStringLiteral("&Final Cleaning") << QStringLiteral("Ctrl+F");
        QTest::newRow("mnuTheory") << QStringLiteral("mnuGlossary1") << QStringLiteral("mnuTheory")
                                   << QStringLiteral("Tan&k Cleaning Theory") << QStringLiteral("Ctrl+K");
        QTest::newRow("mnu56") << QStringLiteral("mnuGlossary1") << QStringLiteral("mnu56")
                               << QStringLiteral("-") << QStringLiteral("");
        QTest::newRow("mnuCleaningCh") << QStringLiteral("mnuGlossary1") << QStringLiteral("mnuCleaningCh")
                                       << QStringLiteral("C&leaning Chemicals") << QStringLiteral("Ctrl+L");
        QTest::newRow("mnuSpecial") << QStringLiteral("mnuGlossary1") << QStringLiteral("mnuSpecial")
                                    << QStringLiteral("Sp&ecial Cargo Handling Manual")
                                    << QStringLiteral("Ctrl+E");
        QTest::newRow("mnu57") << QStringLiteral("mnuGlossary1") << QStringLiteral("mnu57")
                               << QStringLiteral("-") << QStringLiteral("");
        QTest::newRow("mnuCompCh") << QStringLiteral("mnuGlossary1") << QStringLiteral("mnuCompCh")
                                   << QStringLiteral("Compatibilit&y Chart") << QStringLiteral("Ctrl+Y");
        QTest::newRow("mnuHelp") << QString() << QStringLiteral("mnuHelp") << QStringLiteral("&Help")
                                 << QString();
        QTest::newRow("mnuIndex") << QStringLiteral("mnuHelp") << QStringLiteral("mnuIndex")
                                  << QStringLiteral("Help &Index") << QStringLiteral("Ctrl+I");
        QTest::newRow("mnuAbout") << QStringLiteral("mnuHelp") << QStringLiteral("mnuAbout")
                                  << QStringLiteral("&About") << QStringLiteral("Ctrl+A");
    }

    void menuEntries()
    {
        QFETCH(QString, menu);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        // As designed, before the window's load sets the print entry.
        const Store store(m_folder.path());
        FrmTabClean designed(store);
        if (menu.isEmpty()) {
            QMenu* topLevel = child<QMenu>(&designed, name);
            QVERIFY(topLevel);
            QCOMPARE(topLevel->title(), caption);
            QVERIFY(designed.menuBar()->actions().contains(topLevel->menuAction()));
            return;
        }
        QAction* entry = nullptr;
        for (QAction* candidate : child<QMenu>(&designed, menu)->actions()) {
            if (candidate->objectName() == name)
                entry = candidate;
        }
        QVERIFY2(entry, "not in its menu");
        if (caption == QLatin1String("-")) {
            QVERIFY(entry->isSeparator());
            return;
        }
        QCOMPARE(entry->text(), caption);
        QCOMPARE(entry->shortcut(), QKeySequence(shortcut));
    }

    void menuOrder()
    {
        const QList<std::pair<const char*, QStringList>> menus{
            {"mnuFile", {"mnuPrint", "mnuExportPdf", "mnuLine1", "mnuExit"}},
            {"mnuView",
             {"mnuTavro", "mnuNormal", "mnuHenkel", "mnuUnitor", "mnuOverview", "mnuLine2", "mnuCleaning",
              "mnuTemp", "mnuAdd", "mnuPersonal", "mnu3", "mnuHazard"}},
            {"mnuEdit", {"mnuECP"}},
            {"mnuGlossary1",
             {"mnuChoice", "mnu55", "mnuPre", "mnuFinal", "mnuTheory", "mnu56", "mnuCleaningCh", "mnuSpecial",
              "mnu57", "mnuCompCh"}},
            {"mnuHelp", {"mnuIndex", "mnuAbout"}},
        };
        QStringList bar;
        for (QAction* topLevel : m_window->menuBar()->actions())
            bar << topLevel->menu()->objectName();
        QCOMPARE(bar, (QStringList{"mnuFile", "mnuView", "mnuEdit", "mnuGlossary1", "mnuHelp"}));
        for (const auto& [menu, entries] : menus) {
            QStringList names;
            for (QAction* entry : child<QMenu>(m_window, QLatin1String(menu))->actions())
                names << entry->objectName();
            QCOMPARE(names, entries);
        }
    }

    void startState()
    {
        QCOMPARE(m_window->windowTitle(),
                 QStringLiteral("Velcarin — sample data — not tank-cleaning advice"));
        QCOMPARE(tabs()->count(), 3);
        QCOMPARE(tabs()->tabText(0), QStringLiteral("  TAVRO"));
        QCOMPARE(tabs()->tabText(1), QStringLiteral("JO TANKERS"));
        QCOMPARE(tabs()->tabText(2), QStringLiteral(" HENKEL / CHEMTEC"));
        QCOMPARE(tabs()->currentIndex(), 0);
        for (const char* shown :
             {"Picture2", "Picture3", "Picture5", "Label35", "Label36", "Label39", "Label40", "Label41"})
            QVERIFY2(!child<QWidget>(m_window, QLatin1String(shown))->isHidden(), shown);
        for (const char* hidden : {"DBComboH", "cmdUnitor", "txtPreWashH", "txtAddH"})
            QVERIFY2(child<QWidget>(m_window, QLatin1String(hidden))->isHidden(), hidden);
        QVERIFY(!action("mnuCompCh")->isEnabled());
        QVERIFY(!action("mnuUnitor")->isEnabled());
        QVERIFY(action("mnuPrint")->isEnabled());
        QCOMPARE(action("mnuPrint")->text(), QStringLiteral("&Print Tavro Tankers Adviser"));
        // The four data controls stand on their first records.
        for (const char* data : {"DtaA", "DtaJo", "DtaH", "dtaH1"}) {
            const DataControl* control = child<DataControl>(m_window, QLatin1String(data));
            QVERIFY2(control && control->recordSet().absolutePosition() == 0, data);
        }
    }

    // The status bar names the data folder and says when its databases are samples; an officer's own,
    // imported, are not.
    void dataFolderAndSampleMark()
    {
        QCOMPARE(controlText(m_window, QStringLiteral("lblDataFolder")),
                 QStringLiteral("Data folder: ") + QDir::toNativeSeparators(m_folder.path()));
        QCOMPARE(controlText(m_window, QStringLiteral("lblSampleData")),
                 QStringLiteral("sample data — not tank-cleaning advice"));
        const TestDataFolder own;
        QCOMPARE(runCli({"import", qEnvironmentVariable("VELCARIN_TEST_DATA") + "/legacy-access",
                         "--data-dir", own.path()})
                     .exitCode,
                 0);
        const LoadedMainWindow main(own.path());
        QVERIFY(main.isLoaded());
        QCOMPARE(main.window()->windowTitle(), QStringLiteral("Velcarin"));
        QVERIFY(!main.window()->findChild<QLabel*>(QStringLiteral("lblSampleData")));
    }

    // Left = (screen width - window width) / 2 and top = (screen height - window height) / 6, in whole twips.
    void placedOnTheScreenAtLoad()
    {
        const Store store(m_folder.path());
        FrmTabClean window(store);
        window.resize(600, 400);
        QString error;
        QVERIFY2(window.load(&error), qPrintable(error));
        const QScreen* screen = window.screen();
        const double twipsPerPixel = 1440 / screen->logicalDotsPerInch();
        const auto twips = [twipsPerPixel](int pixels) {
            return int(std::lround(pixels * twipsPerPixel));
        };
        const QRect area = screen->geometry();
        const QSize frame = window.frameGeometry().size();
        const int left = (twips(area.width()) - twips(frame.width())) / 2;
        const int top = (twips(area.height()) - twips(frame.height())) / 6;
        QCOMPARE(window.pos(), area.topLeft() + QPoint(int(std::lround(left / twipsPerPixel)),
                                                       int(std::lround(top / twipsPerPixel))));
        QVERIFY(window.pos().y() < (area.height() - frame.height()) / 4);
    }

    // Bright blue at the top, black at the bottom, row by row, in the margin round the tab strip, above
    // the status bar.
    void gradientBackground()
    {
        m_window->resize(900, 600);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        const QImage shown = m_window->grab().toImage();
        const int h = m_window->height();
        for (const int y :
             {m_window->menuBar()->height() + 2, h / 2, h - m_window->statusBar()->height() - 3}) {
            const QColor pixel = shown.pixelColor(3, y);
            QCOMPARE(pixel.red(), 0);
            QCOMPARE(pixel.green(), 0);
            QVERIFY2(std::abs(pixel.blue() - (255 - y * 255 / h)) <= 2,
                     qPrintable(QStringLiteral("row %1: blue %2").arg(y).arg(pixel.blue())));
        }
    }

    void tabRules_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("operatorEntries");
        QTest::addColumn<bool>("printEnabled");
        QTest::addColumn<QString>("printCaption");
        QTest::addColumn<bool>("chart");
        const QString tavro = QStringLiteral("&Print Tavro Tankers Adviser");
        const QString jo = QStringLiteral("&Print Jo Tankers Adviser");
        QTest::newRow("0 to 1") << 0 << 1 << false << true << jo << true;
        QTest::newRow("0 to 2") << 0 << 2 << false << false << QStringLiteral("&Print") << false;
        QTest::newRow("1 to 0") << 1 << 0 << true << true << tavro << true;
        QTest::newRow("1 to 2") << 1 << 2 << false << false << QStringLiteral("&Print") << false;
        QTest::newRow("2 to 0") << 2 << 0 << true << true << tavro << true;
        QTest::newRow("2 to 1") << 2 << 1 << false << true << jo << true;
    }

    void tabRules()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, operatorEntries);
        QFETCH(bool, printEnabled);
        QFETCH(QString, printCaption);
        QFETCH(bool, chart);
        tabs()->setCurrentIndex(from);
        tabs()->setCurrentIndex(to);
        for (const char* name : {"mnuCleaning", "mnuTemp", "mnuAdd", "mnuPersonal", "mnuHazard"})
            QVERIFY2(action(name)->isEnabled() == operatorEntries, name);
        QCOMPARE(action("mnuPrint")->isEnabled(), printEnabled);
        QCOMPARE(action("mnuPrint")->text(), printCaption);
        QCOMPARE(action("mnuCompCh")->isEnabled(), chart);
    }

    void viewEntriesBringTheirTabs()
    {
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuHenkel")));
        QCOMPARE(tabs()->currentIndex(), 2);
        QCOMPARE(action("mnuPrint")->text(), QStringLiteral("&Print"));
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuNormal")));
        QCOMPARE(tabs()->currentIndex(), 1);
        QCOMPARE(action("mnuPrint")->text(), QStringLiteral("&Print Jo Tankers Adviser"));
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuTavro")));
        QCOMPARE(tabs()->currentIndex(), 0);
        QCOMPARE(action("mnuPrint")->text(), QStringLiteral("&Print Tavro Tankers Adviser"));
    }

    void chartEntryBeforeAnyChoice()
    {
        tabs()->setCurrentIndex(1);
        tabs()->setCurrentIndex(0);
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuCompCh")));
        QCOMPARE(m_messages->requests().size(), 1);
        QCOMPARE(m_messages->requests().first().text,
                 QStringLiteral("USCG compatibility number is not defined."));
        QCOMPARE(m_messages->requests().first().title, QStringLiteral("USCG Compatibility Chart"));
        QCOMPARE(m_messages->requests().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(m_opened.isEmpty());
        choose(QStringLiteral("ACETONE"));
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuCompCh")));
        QCOMPARE(m_opened, QStringList{QStringLiteral("frmUSCG")});
    }

    void choiceSetsTheMenus()
    {
        choose(QStringLiteral("ACETONE"));
        QVERIFY(action("mnuCompCh")->isEnabled());
        QVERIFY(action("mnuUnitor")->isEnabled());
        choose(QStringLiteral("GASHOL"));
        QVERIFY(!action("mnuUnitor")->isEnabled());
        QVERIFY(child<QWidget>(m_window, QStringLiteral("cmdUnitor"))->isHidden());
    }

    void testsBeforeOpening_data()
    {
        QTest::addColumn<QString>("cargo");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text"); // empty: the window opens
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("window");
        QTest::newRow("personal notes refused")
            << QStringLiteral("TOLUENE") << QStringLiteral("mnuPersonal")
            << QStringLiteral("No any Personal Records for this cargo found.") << QStringLiteral("You Missed")
            << QString();
        QTest::newRow("personal notes open") << QStringLiteral("ACETONE") << QStringLiteral("mnuPersonal")
                                             << QString() << QString() << QStringLiteral("PersonalA");
        QTest::newRow("hazard refused")
            << QStringLiteral("A SAMPLE WITHOUT GROUP") << QStringLiteral("mnuHazard")
            << QStringLiteral("No data available.") << QStringLiteral("Cargo Parameters") << QString();
        QTest::newRow("hazard opens") << QStringLiteral("ACETONE") << QStringLiteral("mnuHazard") << QString()
                                      << QString() << QStringLiteral("frmHazard");
        QTest::newRow("chart refused") << QStringLiteral("U-46-D HERBICIDE") << QStringLiteral("mnuCompCh")
                                       << QStringLiteral("USCG compatibility number is not defined.")
                                       << QStringLiteral("USCG Compatibility Chart") << QString();
        QTest::newRow("chart for group 0") << QStringLiteral("MOLASSES") << QStringLiteral("mnuCompCh")
                                           << QString() << QString() << QStringLiteral("frmUSCG");
    }

    void testsBeforeOpening()
    {
        QFETCH(QString, cargo);
        QFETCH(QString, entry);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(QString, window);
        choose(cargo);
        m_messages->clear();
        QVERIFY(triggerAction(m_window, entry));
        if (text.isEmpty()) {
            QVERIFY(m_messages->requests().isEmpty());
            QCOMPARE(m_opened, QStringList{window});
        } else {
            QCOMPARE(m_messages->requests().size(), 1);
            QCOMPARE(m_messages->requests().first().text, text);
            QCOMPARE(m_messages->requests().first().title, title);
            QCOMPARE(m_messages->requests().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QVERIFY(m_opened.isEmpty());
        }
    }

    void editCargoParameters()
    {
        tabs()->setCurrentIndex(1);
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuECP")));
        QCOMPARE(m_messages->requests().size(), 1);
        QCOMPARE(m_messages->requests().first().text,
                 QStringLiteral("This function available for Tavro data, only."));
        QCOMPARE(m_messages->requests().first().title, QStringLiteral("Edit Cargo Parameters"));
        QCOMPARE(m_messages->requests().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(m_opened.isEmpty());

        tabs()->setCurrentIndex(0);
        m_messages->clear();
        m_messages->answerWith({QMessageBox::No, QMessageBox::Yes});
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuECP")));
        QCOMPARE(m_messages->requests().size(), 1);
        QCOMPARE(m_messages->requests().first().text,
                 QStringLiteral("Do you really want to change the Cargo Parameters?"));
        QCOMPARE(m_messages->requests().first().title, QStringLiteral("Edit Cargo Parameters"));
        QCOMPARE(m_messages->requests().first().buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(m_opened.isEmpty());
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuECP")));
        QCOMPARE(m_opened, QStringList{QStringLiteral("frmEdit")});
    }

    void windowsOpenOnceAndComeToTheFront()
    {
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuCleaningCh")));
        QWidget* chem = m_window->windows().openWindow(QStringLiteral("frmChem"));
        QVERIFY(chem && chem->isVisible());
        QVERIFY(!chem->parentWidget());
        QVERIFY(!chem->isModal());
        chem->setWindowTitle(QStringLiteral("changed by the user"));
        chem->showMinimized();
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuCleaningCh")));
        QCOMPARE(m_opened, QStringList{QStringLiteral("frmChem")});
        QCOMPARE(m_window->windows().openWindow(QStringLiteral("frmChem")), chem);
        QCOMPARE(chem->windowTitle(), QStringLiteral("changed by the user"));
        QVERIFY(!chem->isMinimized());
        chem->close();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuCleaningCh")));
        QCOMPARE(m_opened.size(), 2);
    }

    void buttonsAndEntriesThatOpenWindows_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("window");
        QTest::newRow("cmdEdit") << QStringLiteral("cmdEdit") << QStringLiteral("PersonalA");
        QTest::newRow("cmdSpecial") << QStringLiteral("cmdSpecial") << QStringLiteral("frmSpecial");
        QTest::newRow("cmdUnitor") << QStringLiteral("cmdUnitor") << QStringLiteral("frmUnitor");
        QTest::newRow("mnuUnitor") << QStringLiteral("mnuUnitor") << QStringLiteral("frmUnitor");
        QTest::newRow("mnuSpecial") << QStringLiteral("mnuSpecial") << QStringLiteral("frmSpecial");
        QTest::newRow("mnuAbout") << QStringLiteral("mnuAbout") << QStringLiteral("frmAbout");
        // The view window loads the printed sheet, hidden, for its header.
        QTest::newRow("mnuCleaning") << QStringLiteral("mnuCleaning") << QStringLiteral("frmPrint,frmView");
        QTest::newRow("mnuTemp") << QStringLiteral("mnuTemp") << QStringLiteral("frmPrint,frmView");
        QTest::newRow("mnuAdd") << QStringLiteral("mnuAdd") << QStringLiteral("frmPrint,frmView");
    }

    void buttonsAndEntriesThatOpenWindows()
    {
        QFETCH(QString, control);
        QFETCH(QString, window);
        choose(QStringLiteral("ACRYLIC ACID")); // shows both buttons, enables the Unitor entry
        if (auto* button = m_window->findChild<QPushButton*>(control))
            button->click();
        else
            QVERIFY(triggerAction(m_window, control));
        QCOMPARE(m_opened, window.split(QLatin1Char(',')));
    }

    void helpEntries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("context");
        QTest::newRow("mnuChoice") << QStringLiteral("mnuChoice") << QStringLiteral("/glossary.hlp") << 1001;
        QTest::newRow("mnuPre") << QStringLiteral("mnuPre") << QStringLiteral("/glossary.hlp") << 1002;
        QTest::newRow("mnuFinal") << QStringLiteral("mnuFinal") << QStringLiteral("/glossary.hlp") << 1003;
        QTest::newRow("mnuTheory") << QStringLiteral("mnuTheory") << QStringLiteral("/glossary2.hlp") << 1001;
        QTest::newRow("mnuIndex") << QStringLiteral("mnuIndex") << QStringLiteral("/Help.hlp") << 1001;
    }

    void helpEntries()
    {
        QFETCH(QString, entry);
        QFETCH(QString, file);
        QFETCH(int, context);
        tabs()->setCurrentIndex(2); // help does not depend on the tab
        QVERIFY(triggerAction(m_window, entry));
        QCOMPARE(m_help.requests().size(), 1);
        QCOMPARE(m_help.requests().first(), (HelpRequest{ProgramFolder::path() + file, 1, context}));
        QCOMPARE(child<CommonDialog>(m_window, QStringLiteral("diaA")) != nullptr, true);
    }

    void letterKeys_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("cargo"); // empty: nothing happens
        QTest::newRow("A on tab 0") << 0 << int(Qt::Key_A) << QStringLiteral("AATREX");
        QTest::newRow("A on tab 2") << 2 << int(Qt::Key_A) << QStringLiteral("AATREX");
        QTest::newRow("X on tab 1") << 1 << int(Qt::Key_X) << QStringLiteral("XYLENE-M");
        QTest::newRow("P") << 0 << int(Qt::Key_P) << QStringLiteral("P.O. BLEACHED/NOT NEUT");
        QTest::newRow("Q") << 0 << int(Qt::Key_Q) << QString();
        QTest::newRow("Y") << 0 << int(Qt::Key_Y) << QString();
        QTest::newRow("Z") << 0 << int(Qt::Key_Z) << QString();
        QTest::newRow("a digit") << 0 << int(Qt::Key_5) << QString();
    }

    void letterKeys()
    {
        QFETCH(int, tab);
        QFETCH(int, key);
        QFETCH(QString, cargo);
        m_window->show();
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        tabs()->setCurrentIndex(tab);
        tabs()->tabBar()->setFocus();
        QTest::keyClick(tabs()->tabBar(), Qt::Key(key));
        QCOMPARE(cargoBox()->currentText(),
                 cargo.isEmpty() ? QStringLiteral("Choise the cargo here") : cargo);
        if (!cargo.isEmpty())
            QCOMPARE(child<QLineEdit>(m_window, QStringLiteral("Text1"))->text(), cargo);
    }

    void letterKeyKeepsTheRulesOfTheTabInFront()
    {
        m_window->show();
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        tabs()->setCurrentIndex(2);
        tabs()->tabBar()->setFocus();
        QTest::keyClick(tabs()->tabBar(), Qt::Key_A);
        QCOMPARE(child<QLineEdit>(m_window, QStringLiteral("Text1"))->text(), QStringLiteral("AATREX"));
        QVERIFY(!action("mnuCompCh")->isEnabled());
        QVERIFY(!action("mnuPrint")->isEnabled());
        QCOMPARE(action("mnuPrint")->text(), QStringLiteral("&Print"));
        tabs()->setCurrentIndex(1);
        QVERIFY(action("mnuCompCh")->isEnabled());
        QTest::keyClick(tabs()->tabBar(), Qt::Key_X);
        QVERIFY(action("mnuCompCh")->isEnabled());
    }

    void lettersTypedIntoTheCargoBoxAreText()
    {
        m_window->show();
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QLineEdit* edit = cargoBox()->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("TOLUENE"));
        QCOMPARE(cargoBox()->currentText(), QStringLiteral("TOLUENE"));
        // Ctrl and a letter is a menu shortcut, not a jump.
        tabs()->tabBar()->setFocus();
        QTest::keyClick(tabs()->tabBar(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(cargoBox()->currentText(), QStringLiteral("TOLUENE"));
    }

    // Every entry of the menu bar does what it stands for on the sample cargo ACRYLIC ACID (no personal
    // note): it opens its window, asks for its help topic, prints, asks for a file, brings its tab to the
    // front, says why not, or closes the main window. An entry without a row here fails the test.
    void everyMenuEntryActs_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("effect");
        const auto row = [](const char* entry, int tab, const char* effect) {
            QTest::newRow(entry) << QString::fromLatin1(entry) << tab << QString::fromUtf8(effect);
        };
        row("mnuPrint", 0, "printed");
        row("mnuExportPdf", 1, "file dialog");
        row("mnuExit", 0, "closed");
        row("mnuTavro", 2, "tab 0");
        row("mnuNormal", 0, "tab 1");
        row("mnuHenkel", 0, "tab 2");
        row("mnuUnitor", 0, "frmUnitor");
        row("mnuOverview", 0, "frmOverview");
        row("mnuCleaning", 0, "frmPrint,frmView");
        row("mnuTemp", 0, "frmPrint,frmView");
        row("mnuAdd", 0, "frmPrint,frmView");
        row("mnuPersonal", 0, "message: No any Personal Records for this cargo found.");
        row("mnuHazard", 0, "frmHazard");
        row("mnuECP", 0, "message: Do you really want to change the Cargo Parameters?");
        row("mnuChoice", 0, "help");
        row("mnuPre", 0, "help");
        row("mnuFinal", 0, "help");
        row("mnuTheory", 0, "help");
        row("mnuCleaningCh", 0, "frmChem");
        row("mnuSpecial", 0, "frmSpecial");
        row("mnuCompCh", 0, "frmUSCG");
        row("mnuIndex", 0, "help");
        row("mnuAbout", 0, "frmAbout");
    }

    void everyMenuEntryActs()
    {
        QFETCH(QString, entry);
        QFETCH(int, tab);
        QFETCH(QString, effect);
        PrinterStandIn printer;
        FileDialogRecorder fileDialog;
        m_window->show();
        choose(QStringLiteral("ACRYLIC ACID"));
        tabs()->setCurrentIndex(tab);
        m_opened.clear();
        QVERIFY(triggerAction(m_window, entry));

        QString done;
        if (!printer.printed().isEmpty())
            done = QStringLiteral("printed");
        else if (!fileDialog.requests().isEmpty())
            done = QStringLiteral("file dialog");
        else if (!m_window->isVisible())
            done = QStringLiteral("closed");
        else if (!m_help.requests().isEmpty())
            done = QStringLiteral("help");
        else if (!m_messages->requests().isEmpty())
            done = QStringLiteral("message: ") + m_messages->requests().first().text;
        else if (!m_opened.isEmpty())
            done = m_opened.join(QLatin1Char(','));
        else if (tabs()->currentIndex() != tab)
            done = QStringLiteral("tab %1").arg(tabs()->currentIndex());
        QCOMPARE(done, effect);
    }

    void everyMenuEntryHasARow()
    {
        QStringList entries;
        for (QAction* top : m_window->menuBar()->actions()) {
            for (QAction* entry : top->menu()->actions()) {
                if (!entry->isSeparator())
                    entries << entry->objectName();
            }
        }
        QStringList rows;
        for (const char* name :
             {"mnuPrint",      "mnuExportPdf", "mnuExit",     "mnuTavro", "mnuNormal", "mnuHenkel",
              "mnuUnitor",     "mnuOverview",  "mnuCleaning", "mnuTemp",  "mnuAdd",    "mnuPersonal",
              "mnuHazard",     "mnuECP",       "mnuChoice",   "mnuPre",   "mnuFinal",  "mnuTheory",
              "mnuCleaningCh", "mnuSpecial",   "mnuCompCh",   "mnuIndex", "mnuAbout"})
            rows << QLatin1String(name);
        QCOMPARE(entries, rows);
    }

    // In the cargo box, Ctrl+Y and Ctrl+A are the menu's, not the field's redo and select-all.
    void menuShortcutsInTheCargoBox_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("window");
        QTest::newRow("Ctrl+Y") << int(Qt::Key_Y) << QStringLiteral("frmUSCG");
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << QStringLiteral("frmAbout");
    }

    void menuShortcutsInTheCargoBox()
    {
        QFETCH(int, key);
        QFETCH(QString, window);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        choose(QStringLiteral("ACRYLIC ACID"));
        QLineEdit* field = cargoBox()->lineEdit();
        field->setFocus();
        field->setCursorPosition(3);
        QTest::keyClick(field, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(field->text(), QStringLiteral("ACRYLIC ACID"));
        QCOMPARE(field->cursorPosition(), 3);
        QCOMPARE(m_opened, QStringList{window});
    }

    void exitsCloseOnlyTheMainWindow_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("cmdExit") << QStringLiteral("cmdExit");
        QTest::newRow("Command1") << QStringLiteral("Command1");
        QTest::newRow("cmdExitH") << QStringLiteral("cmdExitH");
        QTest::newRow("mnuExit") << QStringLiteral("mnuExit");
        QTest::newRow("close box") << QString();
    }

    void exitsCloseOnlyTheMainWindow()
    {
        QFETCH(QString, control);
        m_window->show();
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuCleaningCh")));
        QWidget* other = m_window->windows().openWindow(QStringLiteral("frmChem"));
        if (control.isEmpty())
            m_window->close();
        else if (auto* button = m_window->findChild<QPushButton*>(control))
            button->click();
        else
            QVERIFY(triggerAction(m_window, control));
        QVERIFY(!m_window->isVisible());
        QVERIFY(other->isVisible());
    }
};

VELCARIN_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
