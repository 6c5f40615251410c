#include "app/FrmTabClean.h"
#include "data/RecordSources.h"
#include "data/Store.h"
#include "jo/JoTab.h"
#include "shell/DataControl.h"
#include "shell/SystemColour.h"
#include "shell/TextBox.h"
#include "support/LoadedMainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>

namespace {

// The controls bound to the fields of Cargoes.
const QList<std::pair<const char*, const char*>> Bindings{
    {"lblSynJo", "SYNONIMS"},
    {"lblUNJo", "UN"},
    {"lblUSCGJo", "USCG"},
    {"lblCasJo", "CAS No"},
    {"lblIMO1JO", "IMO chp"},
    {"lblIMO2Jo", "IMO code"},
    {"lblIMO3Jo", "IMO type"},
    {"lblMarpolJo", "MARPOL category"},
    {"lblSGJo", "Specific Gravity"},
    {"lblVisJo", "Viscosity"},
    {"lblBoilJo", "Boiling point"},
    {"lblMeltJo", "Melting point"},
    {"lblFlashJo", "Flash point"},
    {"lblHVJo", "Heating Voyage"},
    {"lblHDJo", "Heating Discharge"},
    {"lblExtJo", "External Heating"},
    {"lblAdjJo", "Maximum Adjacent"},
    {"lblNitroJo", "Nitro"},
    {"lblSSJo", "SS"},
    {"lblEpoJo", "E"},
    {"lblZinkJo", "Z"},
    {"txtRemarksJo", "Remarks"},
};

// A product whose every field holds its own field name, so that a control bound to the wrong field shows.
const QString EveryField = QStringLiteral("ZZ SAMPLE WITH EVERY FIELD");

QString insertEveryField()
{
    QStringList columns;
    QStringList values;
    for (const auto& [control, field] : Bindings) {
        columns << QStringLiteral("\"%1\"").arg(QLatin1String(field));
        values << sqlText(QStringLiteral("value of ") + QLatin1String(field));
    }
    columns << QStringLiteral("\"PRODUCT\"");
    values << sqlText(EveryField);
    return QStringLiteral("INSERT INTO Cargoes (%1) VALUES (%2);")
        .arg(columns.join(QLatin1Char(',')), values.join(QLatin1Char(',')));
}

} // namespace

// The Jo Tankers tab of the real main window on the sample databases, driven through its product box and
// its method buttons.
class TestJoTab : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    std::unique_ptr<LoadedMainWindow> m_main;
    FrmTabClean* m_window = nullptr;
    MessageRecorder* m_messages = nullptr;
    BeepCounter* m_beeps = nullptr;

    // The main window on screen with this tab in front.
    bool showTab() const
    {
        child<QTabWidget>(m_window, QStringLiteral("SSTab1"))->setCurrentIndex(1);
        m_window->show();
        return QTest::qWaitForWindowExposed(m_window);
    }
    QComboBox* productBox() const { return child<QComboBox>(m_window, QStringLiteral("DBComboJo")); }
    void pick(const QString& name) const { productBox()->setEditText(name); }
    QPushButton* methodButton(int method) const
    {
        return child<QPushButton>(m_window, QStringLiteral("cmd%1").arg(method));
    }
    QColor backColour(int method) const { return methodButton(method)->palette().color(QPalette::Button); }
    void press(int method) const { methodButton(method)->click(); }
    QString text(const char* name) const { return controlText(m_window, QLatin1String(name)); }
    bool coversShown() const
    {
        int shown = 0;
        for (const char* cover : {"Label39", "Label40", "Label41"})
            shown += child<QLabel>(m_window, QLatin1String(cover))->isHidden() ? 0 : 1;
        if (shown % 3 != 0)
            qWarning("only %d of the three covers shown", shown);
        return shown == 3;
    }
    bool chartEnabled() const { return child<QAction>(m_window, QStringLiteral("mnuCompCh"))->isEnabled(); }
    QStringList captions() const
    {
        QStringList texts;
        for (const QLabel* label : m_window->joTab()->findChildren<QLabel*>())
            texts << label->text();
        return texts;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_folder.copySampleDatabases();
        m_folder.runSql(QStringLiteral("Jo Tankers.mdb"), insertEveryField());
    }

    void init()
    {
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        QVERIFY(m_main->isLoaded());
        m_window = m_main->window();
        m_messages = m_main->messages();
        m_beeps = m_main->beeps();
    }

    void cleanup() { m_main.reset(); }

    void beforeTheFirstPick()
    {
        QVERIFY(coversShown());
        QVERIFY(text("txtMethodJo").isEmpty());
        QVERIFY(text("txtGrJo").isEmpty());
        QVERIFY(text("txtClassJo").isEmpty());
        QVERIFY(productBox()->currentText().isEmpty());
        QCOMPARE(m_beeps->count(), 0);
        // Each cover lies over its own frame.
        QVERIFY(showTab());
        for (const auto& [cover, title] :
             {std::pair{"Label39", "General Characteristics"}, std::pair{"Label40", "Handling Information"},
              std::pair{"Label41", "Tank Coatings"}}) {
            const QLabel* label = child<QLabel>(m_window, QLatin1String(cover));
            QVERIFY2(label->text().isEmpty(), cover);
            const QGroupBox* frame = nullptr;
            for (const QGroupBox* box : m_window->joTab()->findChildren<QGroupBox*>()) {
                if (box->title() == QLatin1String(title))
                    frame = box;
            }
            QVERIFY2(frame, title);
            const QRect frameArea(frame->mapTo(m_window->joTab(), QPoint()), frame->size());
            QVERIFY2(frameArea.contains(label->geometry()), cover);
            QVERIFY2(label->width() > frame->width() / 2 && label->height() > frame->height() / 2, cover);
        }
    }

    void controlsOfTheTab()
    {
        for (const char* name : {"DBComboJo", "Text3", "txtGrJo", "txtClassJo", "txtMethodJo", "Command1"})
            QVERIFY2(m_window->joTab()->findChild<QWidget*>(QLatin1String(name)), name);
        for (const auto& [name, field] : Bindings)
            QVERIFY2(m_window->joTab()->findChild<QWidget*>(QLatin1String(name)), name);
        QVERIFY(child<QLineEdit>(m_window, QStringLiteral("Text3"))->isHidden());
        QCOMPARE(child<QPushButton>(m_window, QStringLiteral("Command1"))->text(), QStringLiteral("&Exit"));
        const QStringList texts = captions();
        QCOMPARE(texts.count(QStringLiteral("deg.C")), 7);
        for (const char* caption : {"Trading Cargo Name",
                                    "Synonims",
                                    "United Number",
                                    "USCG Number",
                                    "CAS Number",
                                    "IMO Chapter",
                                    "IMO Code",
                                    "IMO Type",
                                    "MARPOL Cat.",
                                    "Specific Gravity",
                                    "Viscosity",
                                    "Boiling Point",
                                    "Melting Point",
                                    "Flash Point",
                                    "Heating Voyage",
                                    "Heating Disch.",
                                    "External Heating",
                                    "Maximum Adj.",
                                    "Nitrogen",
                                    "Stainless Steel",
                                    "Epoxy",
                                    "Zinc",
                                    "Remarks:",
                                    "Cargo Group / Reactive:",
                                    "IMDG Code Class:",
                                    "Select the tank cleaning method indicated in Remarks"})
            QVERIFY2(texts.contains(QLatin1String(caption)), caption);
        QStringList frames;
        for (const QGroupBox* box : m_window->joTab()->findChildren<QGroupBox*>())
            frames << box->title();
        QCOMPARE(frames,
                 (QStringList{QStringLiteral("General Characteristics"),
                              QStringLiteral("Handling Information"), QStringLiteral("Tank Coatings")}));
        for (int method = 1; method <= 12; ++method)
            QCOMPARE(methodButton(method)->text(), QString::number(method));
    }

    void listsTheProductsInNameOrder()
    {
        const DataControl& data = m_window->joTab()->data();
        QCOMPARE(data.objectName(), QStringLiteral("DtaJo"));
        QCOMPARE(data.recordSet().source(), RecordSources::DtaJo);
        QStringList listed;
        for (int row = 0; row < productBox()->count(); ++row)
            listed << productBox()->itemText(row);
        QCOMPARE(listed,
                 (QStringList{"ACETONE", "ACRYLONITRILE", "BENZENE", "BUTYL ACETATE", "CAUSTIC SODA 50%",
                              "CHLORINATED PARAFFIN", "DIETHYLAMINE", "ETHYLENE GLYCOL", "GASOIL", "MOLASSES",
                              "O'NEILL BLEND", "PALM OIL", "PHENOL", "SULPHURIC ACID", "TOLUENE",
                              "UREA SOLUTION", "VINYL ACETATE", "XYLENES", EveryField}));
    }

    void showsThePickedProduct()
    {
        QSignalSpy chosen(m_window->joTab(), &JoTab::productChosen);
        QVERIFY(!chartEnabled());
        pick(EveryField);
        QCOMPARE(text("Text3"), EveryField);
        for (const auto& [name, field] : Bindings)
            QCOMPARE(text(name), QStringLiteral("value of ") + QLatin1String(field));
        QVERIFY(!coversShown());
        QCOMPARE(chosen.count(), 1);
        QVERIFY(chartEnabled());
        QCOMPARE(m_beeps->count(), 0);
    }

    void pickingFromTheList()
    {
        QComboBox* box = productBox();
        box->setCurrentIndex(box->findText(QStringLiteral("DIETHYLAMINE")));
        QCOMPARE(text("Text3"), QStringLiteral("DIETHYLAMINE"));
        QCOMPARE(text("lblSynJo"), QStringLiteral("N-Ethylethanamine"));
        QCOMPARE(text("txtGrJo"), QStringLiteral("ALIPHATIC AMINES"));
        QCOMPARE(text("txtClassJo"), QStringLiteral("Flammable Liquids"));
        QCOMPARE(m_beeps->count(), 0);
    }

    void groupNames_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("expected"); // after ACETONE, group 18
        QTest::newRow("0") << QStringLiteral("MOLASSES") << QStringLiteral("0") << QString();
        QTest::newRow("7") << QStringLiteral("DIETHYLAMINE") << QStringLiteral("7")
                           << QStringLiteral("ALIPHATIC AMINES");
        QTest::newRow("33, two blanks") << QStringLiteral("GASOIL") << QStringLiteral("33")
                                        << QStringLiteral("MISCELLANEOUS  HYDROCARBON MIXTURES");
        QTest::newRow("43") << QStringLiteral("UREA SOLUTION") << QStringLiteral("43")
                            << QStringLiteral("MISCELANEOUS WATER SOLUTIONS");
        QTest::newRow("empty") << QStringLiteral("PALM OIL") << QString() << QString();
        QTest::newRow("unknown 99 leaves it")
            << QStringLiteral("CHLORINATED PARAFFIN") << QStringLiteral("99") << QStringLiteral("KETONES");
    }

    void groupNames()
    {
        QFETCH(QString, product);
        QFETCH(QString, group);
        QFETCH(QString, expected);
        pick(QStringLiteral("ACETONE"));
        QCOMPARE(text("txtGrJo"), QStringLiteral("KETONES"));
        pick(product);
        QCOMPARE(text("lblUSCGJo"), group);
        QCOMPARE(text("txtGrJo"), expected);
    }

    void classNames_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expected");
        const QString phenol = QStringLiteral("PHENOL"); // 6.1, Toxic Substances
        const QString flammable = QStringLiteral("Flammable Liquids");
        QTest::newRow("3") << phenol << QStringLiteral("ACETONE") << QStringLiteral("3") << flammable;
        QTest::newRow("3.1") << phenol << QStringLiteral("ACRYLONITRILE") << QStringLiteral("3.1")
                             << flammable;
        QTest::newRow("3.2") << phenol << QStringLiteral("BENZENE") << QStringLiteral("3.2") << flammable;
        QTest::newRow("3.3") << phenol << QStringLiteral("BUTYL ACETATE") << QStringLiteral("3.3")
                             << flammable;
        QTest::newRow("6.1") << QStringLiteral("ACETONE") << phenol << QStringLiteral("6.1")
                             << QStringLiteral("Toxic Substances");
        QTest::newRow("8") << phenol << QStringLiteral("CAUSTIC SODA 50%") << QStringLiteral("8")
                           << QStringLiteral("Corrosive Substances");
        QTest::newRow("9") << phenol << QStringLiteral("UREA SOLUTION") << QStringLiteral("9")
                           << QStringLiteral("Miscellaneous Dangerous Substances and Articles");
        QTest::newRow("empty") << phenol << QStringLiteral("ETHYLENE GLYCOL") << QString() << QString();
        QTest::newRow("unknown X leaves it") << phenol << QStringLiteral("CHLORINATED PARAFFIN")
                                             << QStringLiteral("X") << QStringLiteral("Toxic Substances");
    }

    void classNames()
    {
        QFETCH(QString, before);
        QFETCH(QString, product);
        QFETCH(QString, code);
        QFETCH(QString, expected);
        pick(before);
        pick(product);
        QCOMPARE(text("lblIMO2Jo"), code);
        QCOMPARE(text("txtClassJo"), expected);
    }

    // Class 3.1 is a flammable liquid on this tab; the operator tab has no name for it.
    void divisionsOfClass3OnlyOnThisTab()
    {
        m_window->findChild<QComboBox*>(QStringLiteral("DBCombo1"))
            ->setEditText(QStringLiteral("METHYL TERT-BUTYL ETHER"));
        QCOMPARE(text("lblCl"), QStringLiteral("3.1"));
        QVERIFY(text("lblClass").isEmpty());
        pick(QStringLiteral("VINYL ACETATE"));
        QCOMPARE(text("lblIMO2Jo"), QStringLiteral("3.1"));
        QCOMPARE(text("txtClassJo"), QStringLiteral("Flammable Liquids"));
    }

    void methods_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("steps");
        QTest::newRow("1") << 1
                           << QStringLiteral("GAS FREE AND VENTILATE FOR 2 HOURS\r\nINSPECT TANK\r\n"
                                             "RINSE WITH FRESH WATER IF NEEDED FOR 1 HOURS\r\nMOP AND DRY");
        QTest::newRow("2") << 2
                           << QStringLiteral(
                                  "BTW WITH WARM SEA WATER FOR 1 1/2 HOURS (MAX CARGO TEMP)\r\n"
                                  "RINSE WITH FRESH WATERFOR 1/2 HOURS\r\nGAS FREE AND VENTILATE\r\n"
                                  "MOP AND DRY");
        QTest::newRow("3") << 3
                           << QStringLiteral(
                                  "BTW WITH HOT SEA WATER(80C) FOR 4 HOURS\r\n"
                                  "BTW WITH HOT FRESH WATER WITH 0.05% TEEPOL FOR 2 HOURS\r\n"
                                  "RINSE WITH FRESH WATERFOR 1/2 HOURS\r\nGAS FREE AND VENTILATE\r\n"
                                  "MOP AND DRY");
        QTest::newRow("4") << 4
                           << QStringLiteral(
                                  "BTW WITH COLD SEA WATER FOR 4 HOURS\r\n"
                                  "BTW WITH HOT FRESH WATER WITH 0.05% TEEPOL FOR 4 HOURS\r\n"
                                  "RINSE WITH FRESH WATERFOR 1/2 HOURS\r\nGAS FREE AND VENTILATE\r\n"
                                  "MOP AND DRY");
        QTest::newRow("5") << 5
                           << QStringLiteral(
                                  "BTW WITH AMBIENT FRESH WATER FOR 1 HOURS\r\nGAS FREE AND VENTILATE\r\n"
                                  "MOP AND DRY");
        QTest::newRow("6") << 6
                           << QStringLiteral(
                                  "BTW WITH HOT SEA WATER (60-80C) FOR 1 1/2 HOURS\r\n"
                                  "RINSE WITH FRESH WATERFOR 1/2 HOURS\r\nGAS FREE AND VENTILATE\r\n"
                                  "MOP AND DRY");
        QTest::newRow("7") << 7
                           << QStringLiteral(
                                  "BTW WITH COLD SEA WATER  FOR 1 1/2 HOURS\r\n"
                                  "BTW WITH HOT FRESH WATER  WITH 0,05% TEEPOL SOL  FOR 2 1/2 HOURS\r\n"
                                  "BTW WITH WARM SEA WATER (30C) FOR 1/2 HOUR\r\nRINSE WITH FRESH WATER\r\n"
                                  "GAS FREE AND VENTILATE\r\nMOP AND DRY");
        QTest::newRow("8") << 8
                           << QStringLiteral(
                                  "BTW WITH COLD SEA WATER  FOR 1 1/2 HOURS\r\n"
                                  "BTW WITH HOT FRESH WATER  WITH 0,05% TEEPOL SOL  FOR 1 1/2 HOURS\r\n"
                                  "BTW WITH WARM SEA WATER (30C) FOR 1/2 HOUR\r\nSTEAMING WITH TOULENE\r\n"
                                  "RINSE WITH FRESH WATER FOR 1/2 HOUR\r\nGAS FREE AND VENTILATE\r\n"
                                  "MOP AND DRY");
        QTest::newRow("9") << 9
                           << QStringLiteral(
                                  "BTW WITH COLD SEA WATER  FOR 1  HOURS\r\n"
                                  "BTW WITH HOT SEA WATER (60C - 80C)  FOR 1  HOURS\r\n"
                                  "BTW WITH WARM SEA WATER (30C) FOR 1/2 HOUR\r\n"
                                  "RINSE WITH FRESH WATER FOR 1/2 HOUR\r\nGAS FREE AND VENTILATE\r\n"
                                  "MOP AND DRY");
        QTest::newRow("10") << 10
                            << QStringLiteral(
                                   "BTW WITH HOT SEA WATER  FOR 2 HOURS\r\n"
                                   "BTW WITH HOT FRESH WATER  WITH 0,05% TEEPOL SOL  FOR 2 HOURS\r\n"
                                   "RINSE WITH FRESH WATER FOR 1/2 HOUR\r\nSTEAMING WITH TOULENE\r\n"
                                   "RINSE WITH FRESH WATER FOR 1/2 HOUR\r\nGAS FREE AND VENTILATE\r\n"
                                   "MOP AND DRY");
        QTest::newRow("11") << 11
                            << QStringLiteral(
                                   "BTW WITH COLD SEA WATER  FOR 1 HOURS\r\n"
                                   "RINSE WITH FRESH WATER FOR 1/2 HOUR\r\nGAS FREE AND VENTILATE\r\n"
                                   "MOP AND DRY");
        QTest::newRow("12") << 12
                            << QStringLiteral(
                                   "BTW WITH LUKE WARM SEA WATER  FOR 1 HOURS\r\n"
                                   "BTW WITH HOT SEA WATER(80C)FOR 2 HOURS\r\nRINSE WITH FRESH WATER\r\n"
                                   "GAS FREE AND VENTILATE\r\nMOP AND DRY");
    }

    void methods()
    {
        QFETCH(int, method);
        QFETCH(QString, steps);
        pick(QStringLiteral("ACETONE"));
        press(method);
        QCOMPARE(text("txtMethodJo"), steps);
        QCOMPARE(backColour(method), Marks::LightOrange);
    }

    void method10RepeatsARinse()
    {
        press(10);
        const QStringList lines = text("txtMethodJo").split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines.at(2), lines.at(4));
        QCOMPARE(lines.at(2), QStringLiteral("RINSE WITH FRESH WATER FOR 1/2 HOUR"));
        press(5);
        QCOMPARE(text("txtMethodJo").split(QStringLiteral("\r\n")).size(), 3);
    }

    void buttonColours()
    {
        const QColor inactiveCaptionText(216, 228, 248);
        const QColor buttonFace(212, 208, 200);
        QCOMPARE(backColour(1), inactiveCaptionText);
        for (int method = 2; method <= 12; ++method)
            QCOMPARE(backColour(method), buttonFace);

        press(7);
        press(4);
        QCOMPARE(text("txtMethodJo").split(QStringLiteral("\r\n")).first(),
                 QStringLiteral("BTW WITH COLD SEA WATER FOR 4 HOURS"));
        QCOMPARE(text("txtMethodJo").split(QStringLiteral("\r\n")).size(), 5);
        QCOMPARE(backColour(4), QColor(255, 192, 128));
        for (int method = 1; method <= 12; ++method) {
            if (method != 4)
                QCOMPARE(backColour(method), inactiveCaptionText);
        }
    }

    // The colour is painted, not only kept in the palette.
    void pressedButtonIsDrawnLightOrange()
    {
        QVERIFY(showTab());
        press(3);
        QPushButton* button = methodButton(3);
        const QImage image = button->grab().toImage();
        const QColor inside = image.pixelColor(image.width() / 5, image.height() / 2);
        QVERIFY2(inside.red() - inside.blue() > 50, qPrintable(inside.name()));
        QVERIFY2(inside.green() > inside.blue() && inside.red() > inside.green(), qPrintable(inside.name()));
        const QImage other = methodButton(4)->grab().toImage();
        const QColor plain = other.pixelColor(other.width() / 5, other.height() / 2);
        QVERIFY2(std::abs(plain.red() - plain.blue()) < 30, qPrintable(plain.name()));
    }

    void newProductKeepsTheHighlight()
    {
        pick(QStringLiteral("ACETONE"));
        press(9);
        pick(QStringLiteral("TOLUENE"));
        QVERIFY(text("txtMethodJo").isEmpty());
        QCOMPARE(backColour(9), Marks::LightOrange);
        QCOMPARE(backColour(1), QColor(216, 228, 248));
    }

    void aMissBeepsAndKeepsTheProduct()
    {
        pick(QStringLiteral("TOLUENE"));
        press(8);
        m_beeps->reset();
        QSignalSpy chosen(m_window->joTab(), &JoTab::productChosen);
        pick(QStringLiteral("toluene"));
        QCOMPARE(m_beeps->count(), 1);
        QCOMPARE(text("Text3"), QStringLiteral("TOLUENE"));
        QCOMPARE(text("lblSynJo"), QStringLiteral("Methylbenzene"));
        QCOMPARE(text("txtGrJo"), QStringLiteral("AROMATIC HYDROCARBON MIXTURES"));
        QCOMPARE(text("txtClassJo"), QStringLiteral("Flammable Liquids"));
        QVERIFY(text("txtMethodJo").isEmpty());
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(m_window->joTab()->data().recordSet().value(QStringLiteral("PRODUCT")),
                 QStringLiteral("TOLUENE"));
    }

    void aMissBeforeAnyPick()
    {
        pick(QStringLiteral("NO SUCH PRODUCT"));
        QCOMPARE(m_beeps->count(), 1);
        // The first product stays current and is named; the covers are gone and the chart is enabled.
        QCOMPARE(text("lblSynJo"), QStringLiteral("Dimethyl ketone"));
        QCOMPARE(text("txtGrJo"), QStringLiteral("KETONES"));
        QVERIFY(!coversShown());
        QVERIFY(chartEnabled());
    }

    void typingCharacterByCharacter()
    {
        pick(QStringLiteral("TOLUENE"));
        m_beeps->reset();
        QLineEdit* edit = productBox()->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("PHENOL"));
        // P, PH, PHE, PHEN and PHENO name no product.
        QCOMPARE(m_beeps->count(), 5);
        QCOMPARE(text("lblSynJo"), QStringLiteral("Carbolic acid"));
        QCOMPARE(text("txtClassJo"), QStringLiteral("Toxic Substances"));
    }

    void nameWithAnApostrophe()
    {
        pick(QStringLiteral("O'NEILL BLEND"));
        QCOMPARE(m_beeps->count(), 0);
        QCOMPARE(text("lblSynJo"), QStringLiteral("Sample blend with an apostrophe"));
        QCOMPARE(text("txtGrJo"), QStringLiteral("HALOGENATED HYDROCARBONS"));
    }
};

VELCARIN_TEST_MAIN(TestJoTab)
#include "tst_jotab.moc"
