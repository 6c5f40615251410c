#include "adviser/AdviceTexts.h"
#include "adviser/TavroTab.h"
#include "app/FrmTabClean.h"
#include "data/Store.h"
#include "shell/TextBox.h"
#include "shell/WindowRegistry.h"
#include "support/LoadedMainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

// The operator tab of the real main window on the sample databases, driven through its cargo box.
class TestSelection : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    std::unique_ptr<LoadedMainWindow> m_main;
    FrmTabClean* m_window = nullptr;
    MessageRecorder* m_messages = nullptr;
    BeepCounter* m_beeps = nullptr;

    QComboBox* cargoBox() const { return child<QComboBox>(m_window, QStringLiteral("DBCombo1")); }
    void choose(const QString& name) const { cargoBox()->setEditText(name); }
    QString text(const char* name) const { return controlText(m_window, QLatin1String(name)); }
    bool shown(const char* name) const { return !child<QWidget>(m_window, QLatin1String(name))->isHidden(); }
    QColor codeTextColour() const
    {
        return child<TextBox>(m_window, QStringLiteral("txtCodeDisc"))->textColour();
    }
    QColor personalNotesColour() const
    {
        return child<QLabel>(m_window, QStringLiteral("lblPersNote"))->palette().color(QPalette::WindowText);
    }
    QColor pollutionBackground() const
    {
        return child<QLineEdit>(m_window, QStringLiteral("txtPol"))->palette().color(QPalette::Base);
    }

private Q_SLOTS:
    void initTestCase() { m_folder.copySampleDatabases(); }

    void init()
    {
        m_main = std::make_unique<LoadedMainWindow>(m_folder.path());
        QVERIFY(m_main->isLoaded());
        m_window = m_main->window();
        m_messages = m_main->messages();
        m_beeps = m_main->beeps();
    }

    void cleanup() { m_main.reset(); }

    void beforeTheFirstChoice()
    {
        QCOMPARE(cargoBox()->currentText(), QStringLiteral("Choise the cargo here"));
        QCOMPARE(cargoBox()->toolTip(), QStringLiteral("Choise the cargo grade from the list."));
        for (const char* cover : {"Picture2", "Picture3", "Picture5", "Label35", "Label36"})
            QVERIFY2(shown(cover), cover);
        QVERIFY(text("txtCodeDisc").isEmpty());
        // The bound fields already show the first cargo in name order.
        QCOMPARE(text("lblFullName"), QStringLiteral("Atrazine herbicide solution"));
        QCOMPARE(m_beeps->count(), 0);
        QVERIFY(m_messages->requests().isEmpty());
        QCOMPARE(child<QWidget>(m_window, QStringLiteral("txtCode"))->toolTip(),
                 QStringLiteral("Cleaning Code"));
        QCOMPARE(child<QWidget>(m_window, QStringLiteral("txtTemp"))->toolTip(),
                 QStringLiteral("Temperature Code"));
        QCOMPARE(child<QWidget>(m_window, QStringLiteral("txtNotes"))->toolTip(),
                 QStringLiteral("Additional Notes"));
        QCOMPARE(child<QWidget>(m_window, QStringLiteral("lblPersNote"))->toolTip(),
                 QStringLiteral("Red color indicates Personal Notes"));
    }

    void showsTheChosenCargo()
    {
        QSignalSpy chosen(m_window->tavroTab(), &TavroTab::cargoChosen);
        choose(QStringLiteral("ACETONE"));
        QCOMPARE(text("Text1"), QStringLiteral("ACETONE"));
        QCOMPARE(text("lblFullName"), QStringLiteral("Dimethyl ketone"));
        QCOMPARE(text("txtID"), QStringLiteral("1003"));
        QCOMPARE(text("txtCode"), QStringLiteral("1"));
        QCOMPARE(text("txtCodeDisc"), AdviceTexts::CleaningGroup1);
        QCOMPARE(text("txtTempDisc"), AdviceTexts::TemperatureA);
        QCOMPARE(text("txtNoteDisc"), AdviceTexts::Notes6);
        QCOMPARE(text("lblClass"), QStringLiteral("Flammable Liquids"));
        QCOMPARE(text("lblGr"), QStringLiteral("KETONES"));
        QCOMPARE(text("txtPerson"), QStringLiteral("Sample note: last wall wash passed at 3rd attempt."));
        QCOMPARE(personalNotesColour(), QColor(255, 0, 0));
        QVERIFY(!shown("cmdSpecial"));
        QVERIFY(shown("cmdUnitor"));
        for (const char* cover : {"Picture2", "Picture3", "Picture5", "Label35", "Label36"})
            QVERIFY2(!shown(cover), cover);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().toBool(), true);
        QCOMPARE(m_beeps->count(), 0);
    }

    void notCarriedIsRedThenBlack()
    {
        choose(QStringLiteral("VINYL CHLORIDE"));
        QCOMPARE(text("txtCodeDisc"),
                 QStringLiteral(
                     "This cargo is not carried on VRKO ships. Cleaning instructions are not available."));
        QCOMPARE(codeTextColour(), QColor(255, 0, 0));
        choose(QStringLiteral("TOLUENE"));
        QCOMPARE(text("txtCodeDisc"), AdviceTexts::CleaningGroup2);
        QCOMPARE(codeTextColour(), QColor(0, 0, 0));
    }

    void seeManual_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("cargo");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("notes");
        const QString ambient = AdviceTexts::TemperatureA;
        QTest::newRow("without temperature and notes")
            << QStringLiteral("ACETONE") << QStringLiteral("SULFURIC ACID 98%") << QString() << QString();
        QTest::newRow("with temperature and notes")
            << QStringLiteral("ACETONE") << QStringLiteral("PROPYLENE OXIDE") << ambient
            << AdviceTexts::Notes15;
        QTest::newRow("after a cargo with every text")
            << QStringLiteral("STYRENE MONOMER") << QStringLiteral("CARBON DISULFIDE") << QString()
            << QString();
    }

    void seeManual()
    {
        QFETCH(QString, before);
        QFETCH(QString, cargo);
        QFETCH(QString, temperature);
        QFETCH(QString, notes);
        choose(before);
        choose(cargo);
        QCOMPARE(text("txtCode"), QStringLiteral("SEE MANUAL"));
        QVERIFY(shown("cmdSpecial"));
        QCOMPARE(text("txtCodeDisc"),
                 QStringLiteral("There are special cleaning instructions for this grade of cargo.\r\n"
                                "Click *Special Cargo Handling* button to get the special cargo "
                                "information."));
        QCOMPARE(text("txtTempDisc"), temperature);
        QCOMPARE(text("txtNoteDisc"), notes);
    }

    void buttonsFollowTheName_data()
    {
        QTest::addColumn<QString>("cargo");
        QTest::addColumn<bool>("special");
        QTest::addColumn<bool>("unitor");
        QTest::newRow("ACRYLIC ACID, code 4") << QStringLiteral("ACRYLIC ACID") << true << true;
        QTest::newRow("ACRYLONITRILE") << QStringLiteral("ACRYLONITRILE") << true << true;
        QTest::newRow("CAPROLACTAM PURE") << QStringLiteral("CAPROLACTAM PURE") << true << true;
        QTest::newRow("ALLYL ALCOHOL") << QStringLiteral("ALLYL ALCOHOL") << true << true;
        QTest::newRow("SEE MANUAL, not in the Unitor list")
            << QStringLiteral("CARBON DISULFIDE") << true << false;
        QTest::newRow("ordinary, in the Unitor list") << QStringLiteral("XYLENE-M") << false << true;
        QTest::newRow("ordinary, not in the list") << QStringLiteral("GASHOL") << false << false;
        QTest::newRow("ACETALDEHYDE") << QStringLiteral("ACETALDEHYDE") << false << true;
    }

    void buttonsFollowTheName()
    {
        QFETCH(QString, cargo);
        QFETCH(bool, special);
        QFETCH(bool, unitor);
        QSignalSpy chosen(m_window->tavroTab(), &TavroTab::cargoChosen);
        choose(QStringLiteral("SULFURIC ACID 98%")); // special shown before
        choose(cargo);
        QCOMPARE(shown("cmdSpecial"), special);
        QCOMPARE(shown("cmdUnitor"), unitor);
        QCOMPARE(chosen.last().first().toBool(), unitor);
    }

    void notesPairs_data()
    {
        QTest::addColumn<QString>("cargo");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        using namespace AdviceTexts;
        QTest::newRow("8,10") << QStringLiteral("M SPIRIT, CERTREX 39") << Notes8 << Notes10;
        QTest::newRow("18,8") << QStringLiteral("FISH OIL") << Notes18 << Notes8;
        QTest::newRow("9,15") << QStringLiteral("EPICHLOROHYDRIN") << Notes9 << Notes15;
        QTest::newRow("1,3") << QStringLiteral("ACETIC ACID") << Notes1 << Notes3;
    }

    void notesPairs()
    {
        QFETCH(QString, cargo);
        QFETCH(QString, first);
        QFETCH(QString, second);
        choose(cargo);
        QCOMPARE(text("txtNoteDisc"), first + QStringLiteral("\r\n") + second);
    }

    void unknownCodesLeaveThePreviousText_data()
    {
        QTest::addColumn<QString>("cargo");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected"); // what ACETONE left there
        QTest::newRow("cleaning code CHECK MANUAL")
            << QStringLiteral("U-46-D HERBICIDE") << QStringLiteral("txtCodeDisc")
            << AdviceTexts::CleaningGroup1;
        QTest::newRow("swapped pair 15,9")
            << QStringLiteral("U-46-D HERBICIDE") << QStringLiteral("txtNoteDisc") << AdviceTexts::Notes6;
        QTest::newRow("pair with a blank")
            << QStringLiteral("W SPIRIT, SHELL LAW") << QStringLiteral("txtNoteDisc") << AdviceTexts::Notes6;
        QTest::newRow("temperature G") << QStringLiteral("LUBE OIL ADDITIVE") << QStringLiteral("txtTempDisc")
                                       << AdviceTexts::TemperatureA;
        QTest::newRow("class 3.1") << QStringLiteral("METHYL TERT-BUTYL ETHER") << QStringLiteral("lblClass")
                                   << QStringLiteral("Flammable Liquids");
        QTest::newRow("group 25") << QStringLiteral("AMMONIUM NITRATE SOL") << QStringLiteral("lblGr")
                                  << QStringLiteral("KETONES");
        QTest::newRow("empty cleaning code")
            << QStringLiteral("HYDROGEN PEROXIDE 50%") << QStringLiteral("txtCodeDisc") << QString();
        QTest::newRow("empty class") << QStringLiteral("MOLASSES") << QStringLiteral("lblClass") << QString();
        QTest::newRow("group 0") << QStringLiteral("MOLASSES") << QStringLiteral("lblGr") << QString();
        QTest::newRow("empty group") << QStringLiteral("U-46-D HERBICIDE") << QStringLiteral("lblGr")
                                     << QString();
        QTest::newRow("empty temperature")
            << QStringLiteral("AATREX") << QStringLiteral("txtTempDisc") << QString();
    }

    void unknownCodesLeaveThePreviousText()
    {
        QFETCH(QString, cargo);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        choose(QStringLiteral("ACETONE"));
        choose(cargo);
        QCOMPARE(text(field.toLatin1().constData()), expected);
    }

    void personalNotesMark()
    {
        choose(QStringLiteral("STYRENE MONOMER"));
        QCOMPARE(personalNotesColour(), QColor(255, 0, 0));
        QCOMPARE(text("txtPerson"),
                 QStringLiteral("Inhibitor certificate checked before loading.\r\n"
                                "Heating coils blanked. Tank 3P was re-washed twice.\r\n"
                                "Note from Chief Officer Bjørn Sæther – “keep the line flushed”: "
                                "20 °C max."));
        choose(QStringLiteral("TOLUENE"));
        QCOMPARE(personalNotesColour(), QColor(128, 128, 128));
        QVERIFY(text("txtPerson").isEmpty());
    }

    void pollutionMark()
    {
        const QColor buttonFace(212, 208, 200);
        QCOMPARE(pollutionBackground(), buttonFace);
        choose(QStringLiteral("PHOSPHORIC ACID")); // 1*
        QCOMPARE(pollutionBackground(), QColor(255, 0, 0));
        choose(QStringLiteral("HEART CUT DISTILLATE")); // II: no mark of its own
        QCOMPARE(pollutionBackground(), QColor(255, 0, 0));
        choose(QStringLiteral("ACETIC ACID")); // C
        QCOMPARE(pollutionBackground(), buttonFace);
        choose(QStringLiteral("AATREX")); // 1
        QCOMPARE(pollutionBackground(), QColor(255, 0, 0));
        choose(QStringLiteral("GASHOL")); // empty
        QCOMPARE(pollutionBackground(), buttonFace);
    }

    void groupNames()
    {
        choose(QStringLiteral("GASHOL"));
        QCOMPARE(text("lblGr"), QStringLiteral("MISCELLANEOUS  HYDROCARBON MIXTURES"));
        choose(QStringLiteral("MOLASSES"));
        QCOMPARE(text("Text2"), QStringLiteral("0"));
        QVERIFY(text("lblGr").isEmpty());
        choose(QStringLiteral("D-2,4-AMINE"));
        QCOMPARE(text("lblGr"), QStringLiteral("MISCELANEOUS WATER SOLUTIONS"));
    }

    void contactShipOperator()
    {
        choose(QStringLiteral("ACETONE"));
        choose(QStringLiteral("AATREX"));
        QCOMPARE(m_messages->requests().size(), 1);
        const MessageBox::Request& message = m_messages->requests().first();
        QCOMPARE(message.text,
                 QStringLiteral(
                     "Contact ship's operator to obtain a proper cleaning instructions for this cargo"));
        QCOMPARE(message.title, QStringLiteral("Cleaning instructions for cargo:  AATREX"));
        QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(text("txtCodeDisc").isEmpty());
    }

    void noMessageForACargoThatWasNotChosen()
    {
        choose(QStringLiteral("AATREX"));
        m_messages->clear();
        m_beeps->reset();
        QLineEdit* edit = cargoBox()->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("SUL"));
        QCOMPARE(m_beeps->count(), 3);
        QVERIFY(m_messages->requests().isEmpty());
        QCOMPARE(text("txtCode"), QStringLiteral("CONTACT SHIP OPERATOR"));
        choose(QStringLiteral("AATREX"));
        QCOMPARE(m_messages->requests().size(), 1);
    }

    void messageComesWithTheEarlierStepsShown()
    {
        choose(QStringLiteral("ACETONE"));
        QString classWhileAsked;
        QString codeWhileAsked;
        MessageBox::setAnswerer([&](const MessageBox::Request&) {
            classWhileAsked = text("lblClass");
            codeWhileAsked = text("txtCodeDisc");
            return QMessageBox::Ok;
        });
        choose(QStringLiteral("AATREX"));
        QCOMPARE(classWhileAsked, QStringLiteral("Miscellaneous Dangerous Substances and Articles"));
        QCOMPARE(codeWhileAsked, QString());
    }

    void typingCharacterByCharacter()
    {
        choose(QStringLiteral("TOLUENE"));
        QLineEdit* edit = cargoBox()->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("ACETONE"));
        // A, AC, ACE, ACET, ACETO and ACETON name no cargo; each leaves TOLUENE shown.
        QCOMPARE(m_beeps->count(), 6);
        QCOMPARE(text("Text1"), QStringLiteral("ACETONE"));
        QCOMPARE(text("lblFullName"), QStringLiteral("Dimethyl ketone"));
    }

    void aMissKeepsThePreviousCargo()
    {
        choose(QStringLiteral("ACETONE"));
        m_beeps->reset();
        choose(QStringLiteral("acetone"));
        QCOMPARE(m_beeps->count(), 1);
        QCOMPARE(text("Text1"), QStringLiteral("ACETONE"));
        QCOMPARE(text("lblFullName"), QStringLiteral("Dimethyl ketone"));
        QCOMPARE(text("txtCodeDisc"), AdviceTexts::CleaningGroup1);
        // The buttons go by the cargo shown, whose windows they open.
        QVERIFY(shown("cmdUnitor"));
    }

    void nameWithAnApostropheAndDuplicates()
    {
        choose(QStringLiteral("BUTYL O'ACETATE"));
        QCOMPARE(m_beeps->count(), 0);
        QCOMPARE(text("lblFullName"), QStringLiteral("Sample ester with an apostrophe in its name"));
        choose(QStringLiteral("ETHYL ACETATE"));
        QCOMPARE(text("lblFullName"), QStringLiteral("Acetic ether"));
        QCOMPARE(text("txtNoteDisc"), AdviceTexts::Notes7 + QStringLiteral("\r\n") + AdviceTexts::Notes8);
    }

    void fieldNamesInAnotherLetterCase()
    {
        // Access found field names without regard to case; a table written with other capitals still
        // lists its cargoes and shows them.
        TestDataFolder folder;
        folder.copySampleDatabases();
        folder.runSql(
            QStringLiteral("cleaning.mdb"),
            QStringLiteral("ALTER TABLE CleaningA RENAME COLUMN \"Abbreviated Name\" TO \"abbreviated name\";"
                           "ALTER TABLE CleaningA RENAME COLUMN \"Full Name\" TO \"FULL NAME\";"
                           "ALTER TABLE CleaningA RENAME COLUMN \"Cleaning Code\" TO \"cleaning CODE\";"));
        LoadedMainWindow main(folder.path());
        QVERIFY(main.isLoaded());
        auto* box = child<QComboBox>(main.window(), QStringLiteral("DBCombo1"));
        QVERIFY(box->findText(QStringLiteral("ACETONE"), Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0);
        box->setEditText(QStringLiteral("XYLENE-M"));
        QCOMPARE(main.beeps()->count(), 0);
        QCOMPARE(controlText(main.window(), QStringLiteral("lblFullName")),
                 QStringLiteral("1,3-Dimethylbenzene"));
        QCOMPARE(controlText(main.window(), QStringLiteral("txtCode")), QStringLiteral("2"));
    }

    void valueFieldsDoNotOverlap_data()
    {
        QTest::addColumn<QSize>("size"); // empty: the window's minimum size
        QTest::newRow("1366x768") << QSize(1366, 768);
        QTest::newRow("minimum size") << QSize();
    }

    void valueFieldsDoNotOverlap()
    {
        QFETCH(QSize, size);
        m_window->show();
        m_window->resize(size.isEmpty() ? m_window->minimumSizeHint() : size);
        choose(QStringLiteral("XYLENE-M"));
        QCoreApplication::processEvents();
        const QStringList fields{
            "DBCombo1",    "lblFullName", "txtID",   "txtUN",         "txtPol",     "Text2",       "lblCl",
            "lblClass",    "lblGr",       "txtCode", "txtCodeDisc",   "txtTemp",    "txtTempDisc", "txtNotes",
            "txtNoteDisc", "txtH1",       "txtH2",   "txtH3",         "txtSG",      "txtTemp1",    "txtCorr",
            "txtColour",   "lblHeatV",    "lblVoyD", "lblBoil",       "lblMelt",    "lblHeat",     "lblFlush",
            "lblShip",     "lblTank",     "lblSolu", "txtCompliance", "lblSS",      "lblMS",       "lblZ",
            "lblPheno",    "lblPheng",    "lblCamN", "lblCamEP",      "txtRemarks", "txtPerson"};
        QList<std::pair<QString, QRect>> shownFields;
        for (const QString& name : fields) {
            const QWidget* field = child<QWidget>(m_window, name);
            QVERIFY2(field && field->isVisible(), qPrintable(name));
            QVERIFY2(!field->size().isEmpty(), qPrintable(name));
            shownFields.append({name, QRect(field->mapTo(m_window, QPoint(0, 0)), field->size())});
        }
        for (int i = 0; i < shownFields.size(); ++i) {
            for (int j = i + 1; j < shownFields.size(); ++j)
                QVERIFY2(!shownFields.at(i).second.intersects(shownFields.at(j).second),
                         qPrintable(shownFields.at(i).first + QLatin1String(" overlaps ") +
                                    shownFields.at(j).first));
        }
    }

    void aMissSaysWhoseFieldsAreShown_data()
    {
        QTest::addColumn<QStringList>("controls"); // look-up box, holder, notice line, a field shown
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("notice");
        QTest::newRow("Tavro") << QStringList{"DBCombo1", "Text1", "lblNoticeA", "txtCodeDisc"}
                               << QStringLiteral("ACETONE") << QStringLiteral("Toluol")
                               << QStringLiteral("No cargo named \"Toluol\" — showing ACETONE");
        QTest::newRow("Jo Tankers") << QStringList{"DBComboJo", "Text3", "lblNoticeJo", "lblSynJo"}
                                    << QStringLiteral("TOLUENE") << QStringLiteral("1294")
                                    << QStringLiteral("No cargo named \"1294\" — showing TOLUENE");
        QTest::newRow("Henkel oils") << QStringList{"DBComboH", "Text4", "lblNoticeH", "txtFinalH"}
                                     << QStringLiteral("CORN OIL") << QStringLiteral("olive oil")
                                     << QStringLiteral("No oil named \"olive oil\" — showing CORN OIL");
        QTest::newRow("Henkel chemicals")
            << QStringList{"DBComboH2", "Text6", "lblNoticeH2", "txtAddH"} << QStringLiteral("BENZENE")
            << QStringLiteral("Toluol") << QStringLiteral("No chemical named \"Toluol\" — showing BENZENE");
    }

    void aMissSaysWhoseFieldsAreShown()
    {
        QFETCH(QStringList, controls);
        QFETCH(QString, found);
        QFETCH(QString, typed);
        QFETCH(QString, notice);
        auto* comboBox = child<QComboBox>(m_window, controls.at(0));
        auto* line = child<QLabel>(m_window, controls.at(2));
        auto* field = child<QWidget>(m_window, controls.at(3));
        QVERIFY(line && field);
        comboBox->setEditText(found);
        comboBox->setEditText(typed);
        QCOMPARE(m_beeps->count(), 1);
        QVERIFY(!line->isHidden() && !field->isEnabled());
        QCOMPARE(line->text(), notice);
        // What a window reads from the holder names the record shown, never the text typed.
        QCOMPARE(controlText(m_window, controls.at(1)), found);
        comboBox->setEditText(found);
        QVERIFY(line->isHidden() && field->isEnabled());
    }

    void theHazardWindowTakesTheCargoShown()
    {
        choose(QStringLiteral("ACETONE"));
        choose(QStringLiteral("Toluol"));
        QVERIFY(triggerAction(m_window, QStringLiteral("mnuHazard")));
        QWidget* hazard = m_window->windows().openWindow(QStringLiteral("frmHazard"));
        QCOMPARE(controlText(hazard, QStringLiteral("lblAbbr")), QStringLiteral("ACETONE"));
        hazard->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void aPickOpensTheRowPicked()
    {
        // The sample holds ETHYL ACETATE twice; a name typed finds the first.
        const int second = cargoBox()->findText(QStringLiteral("ETHYL ACETATE")) + 1;
        pickFromList(cargoBox(), second);
        QCOMPARE(text("lblFullName"), QStringLiteral("Acetic ether (second row of the same name)"));
        cargoBox()->lineEdit()->selectAll();
        QTest::keyClicks(cargoBox()->lineEdit(), QStringLiteral("ETHYL ACETATE"));
        QCOMPARE(text("lblFullName"), QStringLiteral("Acetic ether"));
        pickFromList(cargoBox(), second);
        QCOMPARE(text("lblFullName"), QStringLiteral("Acetic ether (second row of the same name)"));
    }

    void aDamagedFileIsToldOnce()
    {
        TestDataFolder folder;
        folder.copySampleDatabases();
        folder.damagePage(QStringLiteral("cleaning.mdb"), 3); // ACETONE's row
        LoadedMainWindow main(folder.path());
        QVERIFY(main.isLoaded());
        for (const char* cargo : {"ACETONE", "TOLUENE", "ACETONE"})
            child<QComboBox>(main.window(), QStringLiteral("DBCombo1"))->setEditText(QLatin1String(cargo));
        QTRY_COMPARE(main.messages()->requests().size(), 1);
        QCOMPARE(main.messages()->requests().first().text,
                 QStringLiteral("The database file \"%1\" is damaged: database disk image is malformed.\n\n"
                                "The advice it gives cannot be trusted, and what it cannot give is shown "
                                "empty. Replace the file with a sound copy, for example from a backup.")
                     .arg(QDir::toNativeSeparators(folder.filePath(QStringLiteral("cleaning.mdb")))));
        QCOMPARE(controlText(main.window(), QStringLiteral("lblNoticeA")),
                 QStringLiteral("cleaning.mdb is damaged (database disk image is malformed): what is shown "
                                "here cannot be trusted."));
        QVERIFY(!child<QWidget>(main.window(), QStringLiteral("txtCodeDisc"))->isEnabled());
    }

    void typingReplacesThePrompt_data()
    {
        QTest::addColumn<QStringList>("opening"); // menu entry, window, combo box with a prompt
        QTest::addColumn<QString>("prompt");
        QTest::newRow("operator tab")
            << QStringList{"", "", "DBCombo1"} << QStringLiteral("Choise the cargo here");
        QTest::newRow("cleaning mediums")
            << QStringList{"mnuCleaningCh", "frmChem", "DBComboChem"} << QStringLiteral("DBCombo2");
    }

    void typingReplacesThePrompt()
    {
        QFETCH(QStringList, opening);
        QFETCH(QString, prompt);
        QWidget* shown = m_window;
        if (!opening.at(0).isEmpty()) {
            choose(QStringLiteral("ACETONE")); // the chart shows a chosen cargo
            QVERIFY(triggerAction(m_window, opening.at(0)));
            shown = m_window->windows().openWindow(opening.at(1));
        }
        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QLineEdit* edit = child<QComboBox>(shown, opening.at(2))->lineEdit();
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
        QTRY_COMPARE(edit->selectedText(), prompt);
        QTest::keyClicks(edit, QStringLiteral("BENZENE"));
        QCOMPARE(edit->text(), QStringLiteral("BENZENE"));
    }

    void pickingFromTheList()
    {
        QComboBox* box = cargoBox();
        const int row = box->findText(QStringLiteral("XYLENE-M"), Qt::MatchExactly | Qt::MatchCaseSensitive);
        QVERIFY(row >= 0);
        box->setCurrentIndex(row);
        QCOMPARE(text("Text1"), QStringLiteral("XYLENE-M"));
        QCOMPARE(text("lblFullName"), QStringLiteral("1,3-Dimethylbenzene"));
        QCOMPARE(m_beeps->count(), 0);
    }
};

VELCARIN_TEST_MAIN(TestSelection)
#include "tst_selection.moc"
