#include "adviser/FrmView.h"
#include "app/FrmTabClean.h"
#include "data/Schema.h"
#include "shell/SheetWindow.h"
#include "shell/WindowRegistry.h"
#include "support/LoadedMainWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

namespace {

using Texts = QMap<QString, QString>;

const QString GroupOneText = QStringLiteral(
    "Cargoes listed under this group are completely water soluble or miscible. Some are water reactive;\r\n"
    "however, such reaction will be off an acceptable extent and duration. All of the cargoes can be\r\n"
    "cleaned using only water and all can be considered as good last cargoes.");
const QString GroupTwoText = QStringLiteral(
    "Cargoes listed under this group are not or are partially water soluble or miscible. These products\r\n"
    "can be removed by water displacing the product remaining within the cargo tank, pump and line\r\n"
    "system. The water temperature may have to be adjusted to displace or evaporate any remaining\r\n"
    "product.");
const QString TemperatureA = QStringLiteral(
    "Ambient temperature water or at least 10 degrees Celsius above the melting point of the cargo.");
const QString SampleRemark = QStringLiteral("Sample data for trying Velcarin; not operational advice.");

// A cargo whose every field holds its own field name, so that a value copied from the wrong control shows.
const QString EveryField = QStringLiteral("ZZ SAMPLE WITH EVERY FIELD");

} // namespace

// The printed Tavro Tankers adviser frmPrint and the view window frmView, on the real main window.
class TestPrintedAdviser : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    std::unique_ptr<LoadedMainWindow> m_main;
    FrmTabClean* m_window = nullptr;
    QStringList m_loaded;

    WindowRegistry& windows() const { return m_window->windows(); }
    void choose(const QString& name) const
    {
        child<QComboBox>(m_window, QStringLiteral("DBCombo1"))->setEditText(name);
    }
    FrmView* view() const { return qobject_cast<FrmView*>(windows().openWindow(QStringLiteral("frmView"))); }

    void compareHeader(const QWidget* window, const QStringList& header) const
    {
        const QStringList names{"lblID", "lblAbbr", "lblFull", "lblCode", "lblTemp", "lblNote"};
        QStringList shown;
        for (const QString& name : names)
            shown << controlText(window, name);
        QCOMPARE(shown, header);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_folder.copySampleDatabases();
        m_folder.runSql(
            QStringLiteral("cleaning.mdb"),
            insertEveryField(Schema::CleaningFile, QStringLiteral("Abbreviated Name"), EveryField));
    }

    void init()
    {
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        QVERIFY(m_main->isLoaded());
        m_window = m_main->window();
        m_loaded.clear();
        connect(&windows(), &WindowRegistry::loaded, this, [this](const QString& name) { m_loaded << name; });
    }

    // The windows a test opened, the hidden sheets among them, go with it.
    void cleanup()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget != m_window)
                widget->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_main.reset();
    }

    void sheetContents_data()
    {
        QTest::addColumn<QString>("cargo"); // empty: nothing chosen yet
        QTest::addColumn<Texts>("texts");
        QTest::newRow("every field") << EveryField
                                     << Texts{{"lblID", "value of ID  Number"},
                                              {"lblAbbr", EveryField},
                                              {"lblFull", "value of Full Name"},
                                              {"lblCode", "value of Cleaning Code"},
                                              {"lblTemp", "value of Water Temperature"},
                                              {"lblNote", "value of Notes"},
                                              {"lblUN", "value of United No"},
                                              {"lblPol", "value of Pollution Category"},
                                              {"lblUSCG", "value of Compatability Chart No"},
                                              {"lblCompliance", "value of Compliance"},
                                              {"lblSG", "value of SG"},
                                              {"lblTemp1", "value of Temp"},
                                              {"lblCorr", "value of Corr"},
                                              {"lblColor", "value of Colour"},
                                              {"lblBP", "value of Boil"},
                                              {"lblMP", "value of Melt"},
                                              {"lblFP", "value of Flash"},
                                              {"lblHeatA", "value of Heat Adj"},
                                              {"lblHeatV", "value of Heat V"},
                                              {"lblHeatD", "value of Heat D"},
                                              {"lblShip", "value of Ship Type"},
                                              {"lblTank", "value of Tank Type"},
                                              {"lblSol", "value of Solubility"},
                                              {"lblSS", "value of SS"},
                                              {"lblMS", "value of MS"},
                                              {"lblZ", "value of Z"},
                                              {"lblPheno", "value of Phen"},
                                              {"lblPheng", "value of Peng"},
                                              {"lblCamN", "value of Camc N"},
                                              {"lblCamEP", "value of Camc E"},
                                              {"Label38", ""},
                                              {"Label39", ""},
                                              {"Text1", "Cleaning Code : \r\n"},
                                              {"Text2", "Temperature Code : \r\n"},
                                              {"Text3", "Notes : \r\n"},
                                              {"Text4", "Personal Notes : \r\nvalue of Personal Notes"},
                                              {"Text5", "Remarks : \r\nvalue of Remarks"}};
        QTest::newRow("decoded advice")
            << QStringLiteral("ACETONE")
            << Texts{{"lblID", "1003"},
                     {"lblAbbr", "ACETONE"},
                     {"lblFull", "Dimethyl ketone"},
                     {"lblCode", "1"},
                     {"lblTemp", "A"},
                     {"lblNote", "6"},
                     {"lblUSCG", "18"},
                     {"Label38", "KETONES"},
                     {"Label39", "Flammable Liquids"},
                     {"Text1", "Cleaning Code : \r\n" + GroupOneText},
                     {"Text2", "Temperature Code : \r\n" + TemperatureA},
                     {"Text3",
                      "Notes : \r\n"
                      "Cargoes such as alcohols and ketones do not require extensive machine washing "
                      "and can be\r\n"
                      "cleaned by positioning a tank cleaning machine close to the pump well and giving "
                      "a short fresh\r\n"
                      "water wash. For coated tanks, it is necessary to consult the manufacturers "
                      "resistance list to\r\n"
                      "ensure this method will not adversely affect the tank coating. When the coating "
                      "can be\r\n"
                      "affected, it is still necessary to flush the entire pump/line system with fresh "
                      "water as much\r\n"
                      "as possible to remove any remaining cargo from valves, drain cocks, low points "
                      "on line system,\r\n"
                      "etc."},
                     {"Text4", "Personal Notes : \r\nSample note: last wall wash passed at 3rd attempt."},
                     {"Text5", "Remarks : \r\n" + SampleRemark}};
        QTest::newRow("SEE MANUAL prints no cleaning code")
            << QStringLiteral("PROPYLENE OXIDE")
            << Texts{{"lblAbbr", "PROPYLENE OXIDE"},
                     {"lblCode", ""},
                     {"lblTemp", "A"},
                     {"lblNote", "15"},
                     {"Text1",
                      "Cleaning Code : \r\nThere are special cleaning instructions for this grade of "
                      "cargo.\r\nClick *Special Cargo Handling* button to get the special cargo "
                      "information."},
                     {"Text2", "Temperature Code : \r\n" + TemperatureA},
                     {"Text3", "Notes : \r\nHeat applied directly or inderectly on these products can cause "
                               "polimerization, as such same\r\nmust always be avoided."},
                     {"Text4", "Personal Notes : \r\n"}};
        QTest::newRow("contact the ship operator") << QStringLiteral("AATREX")
                                                   << Texts{{"lblAbbr", "AATREX"},
                                                            {"lblCode", "CONTACT SHIP OPERATOR"},
                                                            {"Text1", "Cleaning Code : \r\n"}};
        QTest::newRow("nothing chosen yet") << QString()
                                            << Texts{{"lblID", ""},
                                                     {"lblAbbr", ""},
                                                     {"lblFull", ""},
                                                     {"lblCode", ""},
                                                     {"lblUSCG", ""},
                                                     {"lblSS", ""},
                                                     {"Text1", "Cleaning Code : \r\n"},
                                                     {"Text5", "Remarks : \r\n"}};
    }

    // The sheet as its load fills it from the main window, control by control.
    void sheetContents()
    {
        QFETCH(QString, cargo);
        QFETCH(Texts, texts);
        if (!cargo.isEmpty())
            choose(cargo);
        const auto* sheet = qobject_cast<SheetWindow*>(windows().load(QStringLiteral("frmPrint")));
        QVERIFY(sheet);
        QCOMPARE(sheet->objectName(), QStringLiteral("frmPrint"));
        QCOMPARE(sheet->windowTitle(), QStringLiteral("Velcarin Tavro Tankers Adviser"));
        QVERIFY2(!sheet->isVisible(), "never shown on screen");
        for (auto [name, text] : texts.asKeyValueRange()) {
            QCOMPARE(controlText(sheet, name), text);
            QCOMPARE(sheet->sheet().text(name), text); // what is printed is what the controls show
        }
        windows().unload(QStringLiteral("frmPrint"));
        QVERIFY(!windows().openWindow(QStringLiteral("frmPrint")));
    }

    void sheetCaptions()
    {
        const auto* sheet = qobject_cast<SheetWindow*>(windows().load(QStringLiteral("frmPrint")));
        QStringList captions;
        for (const QLabel* label : sheet->findChildren<QLabel*>()) {
            if (label->objectName().isEmpty())
                captions << label->text();
        }
        for (const char* caption : {"ID Number:",
                                    "Abbreviated Cargo Name:",
                                    "Full Cargo Name:",
                                    "Cleaning Code:",
                                    "United Number:",
                                    "Pollution Category:",
                                    "USCG Compat. :",
                                    "Compliance:",
                                    "Specific Gravity:",
                                    "at temp",
                                    "deg.C",
                                    "Correction Factor :",
                                    "Color:",
                                    "Boiling Point:",
                                    "Melting Point:",
                                    "Flash Point:",
                                    "Heat Adj.:",
                                    "Heat Req. Voyage:",
                                    "Heat Req. Disch:",
                                    "Ship Type:",
                                    "Tank Type:",
                                    "Solubility :",
                                    "Stainless",
                                    "Mild Steel",
                                    "Z-11",
                                    "Phenoline 373",
                                    "Phenguard",
                                    "Camcote N",
                                    "Camcote EP",
                                    "Velcarin Tavro Tankers Adviser"})
            QVERIFY2(captions.contains(QLatin1String(caption)), caption);
        QCOMPARE(captions.count(QStringLiteral("deg.C")), 7);
    }

    void viewEntries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::newRow("mnuCleaning") << QStringLiteral("mnuCleaning")
                                     << QStringLiteral("Cleaning Code Description") << GroupOneText;
        QTest::newRow("mnuTemp") << QStringLiteral("mnuTemp")
                                 << QStringLiteral("Temperature Code Description") << TemperatureA;
        QTest::newRow("mnuAdd") << QStringLiteral("mnuAdd") << QStringLiteral("Additional Notes Description")
                                << SampleRemark;
    }

    void viewEntries()
    {
        QFETCH(QString, entry);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        choose(QStringLiteral("ACETONE"));
        QVERIFY(triggerAction(m_window, entry));
        FrmView* shown = view();
        QVERIFY(shown);
        QVERIFY(shown->isVisible());
        QVERIFY(!shown->parentWidget());
        QVERIFY(!shown->isModal());
        QCOMPARE(shown->windowTitle(), caption);
        QCOMPARE(controlText(shown, QStringLiteral("Text1")), text);
        compareHeader(shown, {"1003", "ACETONE", "Dimethyl ketone", "1", "A", "6"});
        QCOMPARE(child<QPushButton>(shown, QStringLiteral("Command1"))->text(), QStringLiteral("Close"));
        QCOMPARE(child<QStatusBar>(shown, QStringLiteral("StatusBar1"))->currentMessage(), QString());
        // The view window read its header from the sheet, which is loaded and hidden while it is open.
        QCOMPARE(m_loaded, (QStringList{"frmPrint", "frmView"}));
        QWidget* sheet = windows().openWindow(QStringLiteral("frmPrint"));
        QVERIFY(sheet && !sheet->isVisible());
    }

    // Another view entry reuses the open window: caption and text change, the header stays as loaded.
    void viewWindowIsReused()
    {
        choose(QStringLiteral("ACETONE"));
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuTemp")));
        FrmView* first = view();
        QVERIFY(first);
        QCOMPARE(first->windowTitle(), QStringLiteral("Temperature Code Description"));
        choose(QStringLiteral("TOLUENE"));
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuCleaning")));
        QCOMPARE(view(), first);
        QCOMPARE(first->windowTitle(), QStringLiteral("Cleaning Code Description"));
        QCOMPARE(controlText(first, QStringLiteral("Text1")), GroupTwoText);
        compareHeader(first, {"1003", "ACETONE", "Dimethyl ketone", "1", "A", "6"});
        QCOMPARE(m_loaded, (QStringList{"frmPrint", "frmView"}));
    }

    void viewHeaderFollowsTheSheetRule()
    {
        choose(QStringLiteral("PROPYLENE OXIDE"));
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuCleaning")));
        QVERIFY(view());
        QCOMPARE(controlText(view(), QStringLiteral("lblCode")), QString());
        QCOMPARE(controlText(view(), QStringLiteral("lblTemp")), QStringLiteral("A"));
        QCOMPARE(controlText(view(), QStringLiteral("lblNote")), QStringLiteral("15"));
        QCOMPARE(controlText(m_window, QStringLiteral("txtCode")), QStringLiteral("SEE MANUAL"));
    }

    // "Close" unloads the view window and the sheet with it; the next print loads the sheet afresh.
    void closingDiscardsTheSheet()
    {
        const PrinterStandIn printer;
        choose(QStringLiteral("ACETONE"));
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuAdd")));
        QVERIFY(view());
        child<QPushButton>(view(), QStringLiteral("Command1"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!view());
        QVERIFY(!windows().openWindow(QStringLiteral("frmPrint")));

        choose(QStringLiteral("TOLUENE"));
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuPrint")));
        QCOMPARE(printer.printed().size(), 1);
        const QString text = readPdf(printer.printed().first()).text.simplified();
        QVERIFY(text.contains(QStringLiteral("Abbreviated Cargo Name: TOLUENE")));
        QVERIFY(!text.contains(QStringLiteral("ACETONE")));
    }

    // A print while the view window is open is of the cargo chosen now; the view window stays as it was.
    void printWhileTheViewWindowIsOpen()
    {
        const PrinterStandIn printer;
        choose(QStringLiteral("ACETONE"));
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuCleaning")));
        choose(QStringLiteral("TOLUENE"));
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuPrint")));
        QCOMPARE(printer.printed().size(), 1);
        const QString text = readPdf(printer.printed().first()).text.simplified();
        QVERIFY(text.contains(QStringLiteral("Full Cargo Name: Methylbenzene")));
        QVERIFY(!text.contains(QStringLiteral("Dimethyl ketone")));
        QVERIFY(view() && view()->isVisible());
        compareHeader(view(), {"1003", "ACETONE", "Dimethyl ketone", "1", "A", "6"});
        QVERIFY(!windows().openWindow(QStringLiteral("frmPrint")));
        // Closing the view window then has no sheet left to unload.
        view()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!view());
    }
};

VELCARIN_TEST_MAIN(TestPrintedAdviser)
#include "tst_printedadviser.moc"
