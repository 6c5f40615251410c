#include "app/FrmTabClean.h"
#include "data/Store.h"
#include "shell/DataControl.h"
#include "shell/HelpRequest.h"
#include "shell/ProgramFolder.h"
#include "suppliers/HenkelGuide.h"
#include "suppliers/HenkelTab.h"
#include "support/LoadedMainWindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

// The sixteen cargo groups as they stand on the tab.
const QList<std::pair<const char*, const char*>> Groups{
    {"optVOH", "Vegetable and Animal Oils"},
    {"optTOCH", "Tall Oil (Crude)"},
    {"OptTOPH", "Tall Oil (Pitch)"},
    {"OptFAOH", "Fatty Acid Oils / Fats"},
    {"OptFOH", "Fish Oil"},
    {"OptLNH", "Latex-Natural and Synthetic"},
    {"OptLAH", "Lube Additives"},
    {"OptLOH", "Luboils"},
    {"OptPhthH", "Phthalates (DOP, DINP, DIDP)"},
    {"optPhenH", "Phenol"},
    {"optRWH", "Refined Wax"},
    {"optSWH", "Slack Wax"},
    {"optPFAH", "Palm Fatty Acid"},
    {"optSH", "Slurry"},
    {"optSMH", "Styrene Monomer"},
    {"OptGKGH", "Gasoil, Kerosine, Gasoline"},
};

const QString CoconutFinal =
    QStringLiteral("Final cleaning with a 2% alkaline degreaser solution, recirculated hot (sample).");

} // namespace

// The Henkel tab of the real main window on the sample databases.
class TestHenkelTab : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    std::unique_ptr<LoadedMainWindow> m_main;
    FrmTabClean* m_window = nullptr;
    BeepCounter* m_beeps = nullptr;
    HelpRecorder m_help;

    QWidget* tab() const { return m_window->henkelTab(); }
    bool showTab() const
    {
        child<QTabWidget>(m_window, QStringLiteral("SSTab1"))->setCurrentIndex(2);
        m_window->show();
        return QTest::qWaitForWindowExposed(m_window);
    }
    QComboBox* oilBox() const { return child<QComboBox>(tab(), QStringLiteral("DBComboH")); }
    QComboBox* chemicalBox() const { return child<QComboBox>(tab(), QStringLiteral("DBComboH2")); }
    QRadioButton* option(const QString& name) const { return child<QRadioButton>(tab(), name); }
    // A click on the button's circle.
    void choose(const QString& name) const
    {
        QTest::mouseClick(option(name), Qt::LeftButton, {}, QPoint(6, option(name)->height() / 2));
    }
    void pressShow() const
    {
        QTest::mouseClick(child<QPushButton>(tab(), QStringLiteral("cmdShowH")), Qt::LeftButton);
    }
    QString text(const char* name) const { return controlText(tab(), QLatin1String(name)); }
    bool hidden(const char* name) const { return child<QWidget>(tab(), QLatin1String(name))->isHidden(); }
    QStringList checkedOptions() const
    {
        QStringList names;
        for (const QRadioButton* button : tab()->findChildren<QRadioButton*>()) {
            if (button->isChecked())
                names << button->objectName();
        }
        return names;
    }
    static QStringList listed(const QComboBox* box)
    {
        QStringList items;
        for (int row = 0; row < box->count(); ++row)
            items << box->itemText(row);
        return items;
    }
    QString title(const QWidget* widget) const
    {
        for (const QWidget* frame = widget->parentWidget(); frame; frame = frame->parentWidget()) {
            if (auto* box = qobject_cast<const QGroupBox*>(frame))
                return box->title();
        }
        return {};
    }

private Q_SLOTS:
    void initTestCase() { m_folder.copySampleDatabases(); }

    void init()
    {
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        QVERIFY(m_main->isLoaded());
        m_window = m_main->window();
        m_beeps = m_main->beeps();
        m_help.clear();
    }

    void cleanup() { m_main.reset(); }

    void startState()
    {
        for (const char* name : {"DBComboH", "txtPreWashH", "txtAddH", "Text4", "Text6"})
            QVERIFY2(hidden(name), name);
        QVERIFY(!hidden("txtFinalH"));
        QVERIFY(!hidden("DBComboH2"));
        QVERIFY(checkedOptions().isEmpty());
        // The final cleaning of the first oil in name order.
        QCOMPARE(text("txtFinalH"), CoconutFinal);
        QCOMPARE(text("txtPreWashH"), QStringLiteral("40-45 deg.C"));
        QCOMPARE(text("txtAddH"), QStringLiteral("Fresh water rinse; no chemical needed (sample)."));
        QCOMPARE(oilBox()->currentText(), QString());
        QCOMPARE(chemicalBox()->currentText(), QString());
        QCOMPARE(m_beeps->count(), 0);
    }

    void controlsOfTheTab()
    {
        QStringList names;
        QStringList captions;
        for (const QRadioButton* button : tab()->findChildren<QRadioButton*>()) {
            names << button->objectName();
            captions << button->text();
        }
        QStringList expectedNames;
        QStringList expectedCaptions;
        for (const auto& [name, caption] : Groups) {
            expectedNames << QLatin1String(name);
            expectedCaptions << QLatin1String(caption);
        }
        QCOMPARE(names, expectedNames);
        QCOMPARE(captions, expectedCaptions);
        for (const auto& [name, caption] : Groups)
            QCOMPARE(title(option(QLatin1String(name))), QStringLiteral("Specific Cleaning Suggestions"));

        QCOMPARE(title(child<QWidget>(tab(), QStringLiteral("txtPreWashH"))),
                 QStringLiteral("Pre-Wash Temperature"));
        QCOMPARE(title(child<QWidget>(tab(), QStringLiteral("txtFinalH"))), QStringLiteral("Final Cleaning"));
        for (const char* name : {"DBComboH2", "Text6", "txtAddH"})
            QCOMPARE(title(child<QWidget>(tab(), QLatin1String(name))),
                     QStringLiteral("Recommended Sollutions For Final Cleaning of Additional Products"));
        QCOMPARE(title(child<QWidget>(tab(), QStringLiteral("cmdShowH"))),
                 QStringLiteral("Specific Cleaning Suggestions"));
        QCOMPARE(title(child<QWidget>(tab(), QStringLiteral("picTest"))),
                 QStringLiteral("Specific Cleaning Suggestions"));
        QCOMPARE(m_window->henkelTab()->globePicture(), child<QLabel>(tab(), QStringLiteral("picTest")));
        QCOMPARE(child<QPushButton>(tab(), QStringLiteral("cmdShowH"))->text(), QStringLiteral("Show"));
        QCOMPARE(child<QPushButton>(tab(), QStringLiteral("cmdExitH"))->text(), QStringLiteral("&Exit"));
        QVERIFY(child<CommonDialog>(tab(), QStringLiteral("DiaH")));
        // Everything on the tab is read-only.
        QVERIFY(child<QLineEdit>(tab(), QStringLiteral("txtPreWashH"))->isReadOnly());
        for (const char* name : {"txtFinalH", "txtAddH"})
            QVERIFY2(child<QWidget>(tab(), QLatin1String(name))->property("readOnly").toBool(), name);
    }

    void listsInNameOrder()
    {
        QCOMPARE(child<DataControl>(tab(), QStringLiteral("DtaH"))->recordSet().source(),
                 QStringLiteral("select VegOils.[Product],VegOils.[PreWash],VegOils.[Final]from VegOils "
                                "order by VegOils.[Product]"));
        QCOMPARE(child<DataControl>(tab(), QStringLiteral("dtaH1"))->recordSet().source(),
                 QStringLiteral("select Additional.[Chemical],Additional.[Solution]from Additional "
                                "order by Additional.[Chemical]"));
        QCOMPARE(listed(oilBox()),
                 (QStringList{"COCONUT OIL", "CORN OIL", "FISH OIL", "GROUNDNUT OIL", "LARD", "LINSEED OIL",
                              "NEAT'S-FOOT OIL", "OLIVE OIL", "PALM OIL", "RAPESEED OIL", "SOYBEAN OIL",
                              "SUNFLOWER OIL", "TALLOW"}));
        QCOMPARE(listed(chemicalBox()),
                 (QStringList{"ACETONE", "BENZENE", "CAUSTIC SODA", "ETHANOL", "LUBE OIL", "METHANOL",
                              "O'NEILL BLEND", "PHENOL", "STYRENE", "XYLENE"}));
    }

    void showOpensTheGroupsTopic_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("context");
        QTest::newRow("Vegetable and Animal Oils") << QStringLiteral("optVOH") << 1017;
        QTest::newRow("Tall Oil (Crude)") << QStringLiteral("optTOCH") << 1002;
        QTest::newRow("Tall Oil (Pitch)") << QStringLiteral("OptTOPH") << 1003;
        QTest::newRow("Fatty Acid Oils / Fats") << QStringLiteral("OptFAOH") << 1004;
        QTest::newRow("Fish Oil") << QStringLiteral("OptFOH") << 1005;
        QTest::newRow("Latex") << QStringLiteral("OptLNH") << 1006;
        QTest::newRow("Lube Additives") << QStringLiteral("OptLAH") << 1007;
        QTest::newRow("Luboils") << QStringLiteral("OptLOH") << 1008;
        QTest::newRow("Phthalates") << QStringLiteral("OptPhthH") << 1010;
        QTest::newRow("Phenol") << QStringLiteral("optPhenH") << 1011;
        QTest::newRow("Refined Wax") << QStringLiteral("optRWH") << 1012;
        QTest::newRow("Slack Wax") << QStringLiteral("optSWH") << 1013;
        QTest::newRow("Palm Fatty Acid") << QStringLiteral("optPFAH") << 1014;
        QTest::newRow("Slurry") << QStringLiteral("optSH") << 1015;
        QTest::newRow("Styrene Monomer") << QStringLiteral("optSMH") << 1016;
        QTest::newRow("Gasoil, Kerosine, Gasoline") << QStringLiteral("OptGKGH") << 1009;
    }

    void showOpensTheGroupsTopic()
    {
        QFETCH(QString, option);
        QFETCH(int, context);
        QVERIFY(showTab());
        choose(option);
        QCOMPARE(checkedOptions(), QStringList{option});
        pressShow();
        QCOMPARE(m_help.requests(),
                 (QList<HelpRequest>{{ProgramFolder::path() + QStringLiteral("/Henkel.hlp"), 1, context}}));
        // Another group replaces it.
        choose(option == QLatin1String("optSH") ? QStringLiteral("optSMH") : QStringLiteral("optSH"));
        pressShow();
        QCOMPARE(m_help.requests().size(), 2);
        QCOMPARE(m_help.requests().last().context, option == QLatin1String("optSH") ? 1016 : 1015);
    }

    void showWithNoGroupChosen()
    {
        QVERIFY(showTab());
        pressShow();
        QVERIFY(m_help.requests().isEmpty());
    }

    // Were several options selected at once, "Show" would open each topic in its own order.
    void showLooksAtTheOptionsInItsOrder()
    {
        QCOMPARE(HenkelGuide::topicsToShow([](const QString&) { return true; }),
                 (QList<int>{1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1014,
                             1015, 1016, 1017}));
        QCOMPARE(HenkelGuide::topicsToShow([](const QString& option) {
                     return option == QLatin1String("optVOH") || option == QLatin1String("OptPhthH") ||
                            option == QLatin1String("OptGKGH");
                 }),
                 (QList<int>{1009, 1010, 1017}));
        QVERIFY(HenkelGuide::topicsToShow([](const QString&) { return false; }).isEmpty());
    }

    void oilBoxFollowsTheGroup()
    {
        QVERIFY(showTab());
        choose(QStringLiteral("optVOH"));
        QVERIFY(!hidden("DBComboH"));
        oilBox()->setCurrentIndex(oilBox()->findText(QStringLiteral("FISH OIL")));
        QCOMPARE(text("txtPreWashH"), QStringLiteral("45-50 deg.C"));

        choose(QStringLiteral("OptFOH"));
        QVERIFY(hidden("DBComboH"));
        QCOMPARE(checkedOptions(), QStringList{QStringLiteral("OptFOH")});
        // The pre-wash box stays, and so does the oil shown.
        QVERIFY(!hidden("txtPreWashH"));
        QCOMPARE(text("txtPreWashH"), QStringLiteral("45-50 deg.C"));

        choose(QStringLiteral("optVOH"));
        QVERIFY(!hidden("DBComboH"));
        QCOMPARE(checkedOptions(), QStringList{QStringLiteral("optVOH")});
        QCOMPARE(oilBox()->currentText(), QStringLiteral("FISH OIL"));
        QCOMPARE(text("Text4"), QStringLiteral("FISH OIL"));
        QCOMPARE(text("txtFinalH"),
                 QStringLiteral("Sample final cleaning: saponifier at 3%, hot, followed by fresh water."));
        QCOMPARE(m_beeps->count(), 0);
    }

    // Choosing a group with the arrow keys is choosing it all the same.
    void groupChosenWithTheKeyboard()
    {
        QVERIFY(showTab());
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        choose(QStringLiteral("optVOH"));
        QVERIFY(!hidden("DBComboH"));
        QTest::keyClick(option(QStringLiteral("optVOH")), Qt::Key_Down);
        QCOMPARE(checkedOptions(), QStringList{QStringLiteral("optTOCH")});
        QVERIFY(hidden("DBComboH"));
        QTest::keyClick(option(QStringLiteral("optTOCH")), Qt::Key_Up);
        QCOMPARE(checkedOptions(), QStringList{QStringLiteral("optVOH")});
        QVERIFY(!hidden("DBComboH"));
    }

    void pickingAnOil()
    {
        oilBox()->setEditText(QStringLiteral("LARD"));
        QCOMPARE(text("Text4"), QStringLiteral("LARD"));
        QVERIFY(!hidden("txtPreWashH"));
        QCOMPARE(text("txtPreWashH"), QStringLiteral("50-55 deg.C"));
        QCOMPARE(text("txtFinalH"),
                 QStringLiteral("Sample final cleaning: hot degreaser, then steam and fresh water."));
        // The additional-products tool is not touched.
        QVERIFY(hidden("txtAddH"));
        QCOMPARE(text("txtAddH"), QStringLiteral("Fresh water rinse; no chemical needed (sample)."));
        QCOMPARE(m_beeps->count(), 0);
    }

    void aMissBeepsAndKeepsTheOil()
    {
        oilBox()->setEditText(QStringLiteral("TALLOW"));
        oilBox()->setEditText(QStringLiteral("tallow"));
        QCOMPARE(m_beeps->count(), 1);
        QCOMPARE(text("Text4"), QStringLiteral("TALLOW"));
        QCOMPARE(text("txtPreWashH"), QStringLiteral("55-60 deg.C"));
        QCOMPARE(text("txtFinalH"),
                 QStringLiteral("Sample final cleaning: hot saponifier 3%, then fresh water."));
    }

    void aMissBeforeAnyPickShowsThePreWash()
    {
        oilBox()->setEditText(QStringLiteral("NO SUCH OIL"));
        QCOMPARE(m_beeps->count(), 1);
        QVERIFY(!hidden("txtPreWashH"));
        QCOMPARE(text("txtPreWashH"), QStringLiteral("40-45 deg.C"));
        QCOMPARE(text("txtFinalH"), CoconutFinal);
    }

    void typingAnOil()
    {
        QVERIFY(showTab());
        choose(QStringLiteral("optVOH"));
        QLineEdit* edit = oilBox()->lineEdit();
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("LARD"));
        // L, LA and LAR name no oil.
        QCOMPARE(m_beeps->count(), 3);
        QCOMPARE(text("txtPreWashH"), QStringLiteral("50-55 deg.C"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(m_beeps->count(), 4);
        QCOMPARE(text("txtPreWashH"), QStringLiteral("50-55 deg.C"));
    }

    void pickingAChemical()
    {
        chemicalBox()->setCurrentIndex(chemicalBox()->findText(QStringLiteral("PHENOL")));
        QCOMPARE(text("Text6"), QStringLiteral("PHENOL"));
        QVERIFY(!hidden("txtAddH"));
        QCOMPARE(text("txtAddH"),
                 QStringLiteral("Sample solution: alkaline cleaner 3%, hot, then oxidiser."));
        // The oil tool is not touched.
        QVERIFY(hidden("txtPreWashH"));
        QVERIFY(hidden("DBComboH"));
        QCOMPARE(text("txtFinalH"), CoconutFinal);
        QCOMPARE(child<DataControl>(tab(), QStringLiteral("DtaH"))->recordSet().absolutePosition(), 0);

        chemicalBox()->setEditText(QStringLiteral("PHENOLS"));
        QCOMPARE(m_beeps->count(), 1);
        QCOMPARE(text("Text6"), QStringLiteral("PHENOL"));
        QVERIFY(!hidden("txtAddH"));
        QCOMPARE(text("txtAddH"),
                 QStringLiteral("Sample solution: alkaline cleaner 3%, hot, then oxidiser."));
    }

    void namesWithAnApostrophe()
    {
        oilBox()->setEditText(QStringLiteral("NEAT'S-FOOT OIL"));
        QCOMPARE(text("txtPreWashH"), QStringLiteral("45-50 deg.C"));
        QCOMPARE(text("txtFinalH"),
                 QStringLiteral("Sample final cleaning: hot saponifier 2%, then fresh water rinse."));
        chemicalBox()->setEditText(QStringLiteral("O'NEILL BLEND"));
        QCOMPARE(text("txtAddH"), QStringLiteral("Sample solution: emulsifier 1%, then hot fresh water."));
        QCOMPARE(m_beeps->count(), 0);
        // A lone quote is only a name that is not there.
        oilBox()->setEditText(QStringLiteral("'"));
        QCOMPARE(m_beeps->count(), 1);
        QCOMPARE(text("txtPreWashH"), QStringLiteral("45-50 deg.C"));
    }

    // The main window does not load on a Henkel.mdb without one of the tab's tables, and says which.
    void withoutItsTables_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("VegOils") << QStringLiteral("VegOils");
        QTest::newRow("Additional") << QStringLiteral("Additional");
    }

    void withoutItsTables()
    {
        QFETCH(QString, table);
        TestDataFolder folder;
        folder.copySampleDatabases();
        folder.runSql(QStringLiteral("Henkel.mdb"), QStringLiteral("DROP TABLE %1;").arg(table));
        const Store store(folder.path());
        FrmTabClean window(store);
        QString error;
        QVERIFY(!window.load(&error));
        QVERIFY2(error.contains(table), qPrintable(error));
    }

    // On screen nothing covers anything else and every caption shows whole.
    void laidOut()
    {
        QVERIFY(showTab());
        choose(QStringLiteral("optVOH"));
        oilBox()->setEditText(QStringLiteral("LARD"));
        chemicalBox()->setEditText(QStringLiteral("PHENOL"));
        QList<QWidget*> shown;
        for (const char* name : {"DBComboH", "txtPreWashH", "txtFinalH", "DBComboH2", "txtAddH", "cmdShowH",
                                 "picTest", "cmdExitH"})
            shown << child<QWidget>(tab(), QLatin1String(name));
        for (const auto& [name, caption] : Groups) {
            QRadioButton* button = option(QLatin1String(name));
            QVERIFY2(button->width() >= button->sizeHint().width(), name);
            shown << button;
        }
        for (QWidget* widget : shown) {
            QVERIFY2(widget->isVisible(), qPrintable(widget->objectName()));
            const QRect area(widget->mapTo(tab(), QPoint()), widget->size());
            QVERIFY2(tab()->rect().contains(area), qPrintable(widget->objectName()));
            for (QWidget* other : shown) {
                const QRect otherArea(other->mapTo(tab(), QPoint()), other->size());
                QVERIFY2(other == widget || !area.intersects(otherArea),
                         qPrintable(widget->objectName() + QLatin1Char(' ') + other->objectName()));
            }
        }
    }
};

VELCARIN_TEST_MAIN(TestHenkelTab)
#include "tst_henkeltab.moc"
