#include "app/FrmTabClean.h"
#include "data/Schema.h"
#include "shell/SheetWindow.h"
#include "shell/WindowRegistry.h"
#include "support/LoadedMainWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

using Texts = QMap<QString, QString>;

// A product whose every field holds its own field name, so that a value copied from the wrong control
// shows.
const QString EveryField = QStringLiteral("ZZ SAMPLE WITH EVERY FIELD");
} // namespace

// The printed Jo Tankers adviser frmPrintJo, filled from the Jo Tankers tab of the real main window.
class TestPrintedJo : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    std::unique_ptr<LoadedMainWindow> m_main;
    FrmTabClean* m_window = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        m_folder.copySampleDatabases();
        m_folder.runSql(QStringLiteral("Jo Tankers.mdb"),
                        insertEveryField(Schema::JoTankersFile, QStringLiteral("PRODUCT"), EveryField));
    }

    void init()
    {
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        QVERIFY(m_main->isLoaded());
        m_window = m_main->window();
        child<QTabWidget>(m_window, QStringLiteral("SSTab1"))->setCurrentIndex(1);
    }

    void cleanup() { m_main.reset(); }

    void sheetContents_data()
    {
        QTest::addColumn<QString>("product");    // empty: nothing picked yet
        QTest::addColumn<QList<int>>("methods"); // buttons pressed after the pick
        QTest::addColumn<Texts>("texts");
        QTest::newRow("every field") << EveryField << QList<int>{}
                                     << Texts{{"lblCargoNameJo", EveryField},
                                              {"lblSynJo", "value of SYNONIMS"},
                                              {"lblUNJo", "value of UN"},
                                              {"lblUSCGJo", "value of USCG"},
                                              {"lblCASJo", "value of CAS No"},
                                              {"lblIMOChJo", "value of IMO chp"},
                                              {"lblIMOCoJo", "value of IMO code"},
                                              {"lblIMOTyJo", "value of IMO type"},
                                              {"lblMarJo", "value of MARPOL category"},
                                              {"lblSGJo", "value of Specific Gravity"},
                                              {"lblVisJo", "value of Viscosity"},
                                              {"lblBPJo", "value of Boiling point"},
                                              {"lblMPJo", "value of Melting point"},
                                              {"lblFPJo", "value of Flash point"},
                                              {"lblHeatVJo", "value of Heating Voyage"},
                                              {"lblHeatDJo", "value of Heating Discharge"},
                                              {"lblAdjJo", "value of Maximum Adjacent"},
                                              {"lblExtJo", "value of External Heating"},
                                              {"lblN2Jo", "value of Nitro"},
                                              {"lblSSJo", "value of SS"},
                                              {"lblEpoJo", "value of E"},
                                              {"lblZinkJo", "value of Z"},
                                              {"txtRemarksJo", "Notes\r\n\r\nvalue of Remarks"},
                                              {"txtMethodJo", ""}};
        QTest::newRow("method 5 pressed")
            << QStringLiteral("ACETONE") << QList<int>{5}
            << Texts{
                   {"lblCargoNameJo", "ACETONE"},
                   {"lblSynJo", "Dimethyl ketone"},
                   {"lblUSCGJo", "18"},
                   {"lblIMOCoJo", "3"},
                   {"txtRemarksJo",
                    "Notes\r\n\r\nSample data. Use cleaning method 11 (or method 2 after a heavy residue)."},
                   {"txtMethodJo", "BTW WITH AMBIENT FRESH WATER FOR 1 HOURS\r\nGAS FREE AND VENTILATE\r\n"
                                   "MOP AND DRY"}};
        QTest::newRow("method 10 after method 4")
            << QStringLiteral("TOLUENE") << QList<int>{4, 10}
            << Texts{{"lblCargoNameJo", "TOLUENE"},
                     {"txtMethodJo",
                      "BTW WITH HOT SEA WATER  FOR 2 HOURS\r\n"
                      "BTW WITH HOT FRESH WATER  WITH 0,05% TEEPOL SOL  FOR 2 HOURS\r\n"
                      "RINSE WITH FRESH WATER FOR 1/2 HOUR\r\nSTEAMING WITH TOULENE\r\n"
                      "RINSE WITH FRESH WATER FOR 1/2 HOUR\r\nGAS FREE AND VENTILATE\r\nMOP AND DRY"}};
        QTest::newRow("nothing picked yet") << QString() << QList<int>{}
                                            << Texts{{"lblCargoNameJo", ""},
                                                     {"lblSynJo", ""},
                                                     {"lblUNJo", ""},
                                                     {"lblZinkJo", ""},
                                                     {"txtRemarksJo", "Notes\r\n\r\n"},
                                                     {"txtMethodJo", ""}};
    }

    void sheetContents()
    {
        QFETCH(QString, product);
        QFETCH(QList<int>, methods);
        QFETCH(Texts, texts);
        if (!product.isEmpty())
            child<QComboBox>(m_window, QStringLiteral("DBComboJo"))->setEditText(product);
        for (int method : methods)
            child<QPushButton>(m_window, QStringLiteral("cmd%1").arg(method))->click();
        const auto* sheet =
            qobject_cast<SheetWindow*>(m_window->windows().load(QStringLiteral("frmPrintJo")));
        QVERIFY(sheet);
        QCOMPARE(sheet->objectName(), QStringLiteral("frmPrintJo"));
        QCOMPARE(sheet->windowTitle(), QStringLiteral("Velcarin Jo Tankers Adviser"));
        QVERIFY(!sheet->isVisible());
        for (auto [name, text] : texts.asKeyValueRange()) {
            QCOMPARE(controlText(sheet, name), text);
            QCOMPARE(sheet->sheet().text(name), text);
        }
        // The tab's group and class names are not on the sheet.
        QVERIFY(!sheet->findChild<QWidget*>(QStringLiteral("txtGrJo")));
        QVERIFY(!sheet->findChild<QWidget*>(QStringLiteral("txtClassJo")));
        m_window->windows().unload(QStringLiteral("frmPrintJo"));
    }

    // A new pick empties the method box, and the sheet prints it empty.
    void pickAfterAMethodEmptiesTheSteps()
    {
        child<QComboBox>(m_window, QStringLiteral("DBComboJo"))->setEditText(QStringLiteral("ACETONE"));
        child<QPushButton>(m_window, QStringLiteral("cmd3"))->click();
        child<QComboBox>(m_window, QStringLiteral("DBComboJo"))->setEditText(QStringLiteral("TOLUENE"));
        const auto* sheet =
            qobject_cast<SheetWindow*>(m_window->windows().load(QStringLiteral("frmPrintJo")));
        QCOMPARE(controlText(sheet, QStringLiteral("txtMethodJo")), QString());
        QCOMPARE(controlText(sheet, QStringLiteral("lblCargoNameJo")), QStringLiteral("TOLUENE"));
    }

    void sheetCaptions()
    {
        const auto* sheet =
            qobject_cast<SheetWindow*>(m_window->windows().load(QStringLiteral("frmPrintJo")));
        QStringList captions;
        for (const QLabel* label : sheet->findChildren<QLabel*>()) {
            if (label->objectName().isEmpty())
                captions << label->text();
        }
        for (const char* caption : {"Cargo Name:",
                                    "Synonims:",
                                    "United Number:",
                                    "USCG Number:",
                                    "CAS Number:",
                                    "IMO Chapter:",
                                    "IMO Code:",
                                    "IMO Type:",
                                    "MARPOL Cat:",
                                    "Specific Gravity:",
                                    "Viscosity:",
                                    "Boiling Point:",
                                    "Melting Point:",
                                    "Flash Point:",
                                    "Heat Req. Voyage:",
                                    "Heat Req. Disch:",
                                    "Maximum Adj.",
                                    "External Heating",
                                    "Nitrogen",
                                    "Stainless Steel",
                                    "Epoxy",
                                    "Zinc",
                                    "Velcarin Jo Tankers Adviser"})
            QVERIFY2(captions.contains(QLatin1String(caption)), caption);
        QCOMPARE(captions.count(QStringLiteral("deg.C")), 7);
    }
};

VELCARIN_TEST_MAIN(TestPrintedJo)
#include "tst_printedjo.moc"
