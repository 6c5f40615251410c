#include "data/RecordSources.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "shell/ColumnListModel.h"
#include "shell/DataControl.h"
#include "shell/FindByName.h"
#include "shell/TextBox.h"
#include "support/WidgetTestSupport.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

class TestDataControl : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;

private Q_SLOTS:
    void initTestCase() { m_folder.copySampleDatabases(); }

    void boundWidgetsFollowTheRecord()
    {
        QWidget window;
        auto* name = new QLabel(&window);
        auto* code = new QLineEdit(&window);
        auto* notes = new TextBox(&window);
        auto* list = new QComboBox(&window);
        list->setEditable(true);
        list->setEditText(QStringLiteral("Choise the cargo here"));

        DataControl data(QStringLiteral("DtaA"));
        QString error;
        QVERIFY2(data.open(Store(m_folder.path()), Schema::CleaningFile, RecordSources::DtaA, &error),
                 qPrintable(error));
        data.bind(name, QStringLiteral("Full Name"));
        data.bind(code, QStringLiteral("Cleaning Code"));
        data.bind(notes, QStringLiteral("Personal Notes"));
        data.bindList(list, QStringLiteral("Abbreviated Name"));

        // The sample's 97 cargoes in name order, the first record shown.
        QCOMPARE(name->text(), QStringLiteral("Atrazine herbicide solution"));
        QCOMPARE(list->currentText(), QStringLiteral("Choise the cargo here"));
        QCOMPARE(list->count(), 97);
        QCOMPARE(list->itemText(0), QStringLiteral("AATREX"));
        QCOMPARE(list->itemText(1), QStringLiteral("ACETALDEHYDE"));
        QCOMPARE(list->itemText(96), QStringLiteral("XYLENE-M"));
        QAbstractItemModelTester tester(list->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);

        QVERIFY(data.findFirst(QStringLiteral("CleaningA.[Abbreviated Name] = 'STYRENE MONOMER'")));
        QCOMPARE(code->text(), QStringLiteral("4"));
        QVERIFY(notes->text().contains(QStringLiteral("\r\n")));
        QVERIFY(notes->text().contains(QStringLiteral("Bjørn")));
        QVERIFY(!notes->toPlainText().contains(QLatin1Char('\r')));
    }

    void findByNameBeepsAndStays()
    {
        QWidget window;
        auto* list = new QComboBox(&window);
        list->setEditable(true);
        auto* holder = new QLineEdit(&window);
        DataControl data(QStringLiteral("DtaA"));
        QString error;
        QVERIFY(data.open(Store(m_folder.path()), Schema::CleaningFile, RecordSources::DtaA, &error));
        BeepCounter beeps;

        list->setEditText(QStringLiteral("BUTYL O'ACETATE"));
        QVERIFY(findByName(list, holder, data, CriterionPrefixes::CleaningName));
        QCOMPARE(holder->text(), QStringLiteral("BUTYL O'ACETATE"));
        QCOMPARE(data.recordSet().value(0), QStringLiteral("BUTYL O'ACETATE"));
        const int position = data.recordSet().absolutePosition();

        list->setEditText(QStringLiteral("BUTYL O'"));
        QVERIFY(!findByName(list, holder, data, CriterionPrefixes::CleaningName));
        QCOMPARE(beeps.count(), 1);
        QCOMPARE(holder->text(), QStringLiteral("BUTYL O'"));
        QCOMPARE(data.recordSet().absolutePosition(), position);
    }

    void updateRecordWritesEditableWidgets()
    {
        TestDataFolder folder;
        folder.copySampleDatabases();
        const Store store(folder.path());
        QWidget window;
        auto* shown = new QLineEdit(&window); // read-only: never written
        shown->setReadOnly(true);
        auto* notes = new TextBox(&window);
        DataControl main(QStringLiteral("DtaA"));
        QString error;
        QVERIFY(main.open(store, Schema::CleaningFile, RecordSources::DtaA, &error));
        main.move(main.recordSet().recordCount() - 1);

        DataControl editor(QStringLiteral("dtaB"));
        editor.setRecordSet(main.recordSet().clone());
        editor.move(main.recordSet().absolutePosition());
        editor.bind(shown, QStringLiteral("Abbreviated Name"));
        editor.bind(notes, QStringLiteral("Personal Notes"));
        shown->setText(QStringLiteral("RENAMED"));
        notes->setPlainText(QStringLiteral("line one\nline two"));
        QVERIFY2(editor.updateRecord(&error), qPrintable(error));

        QCOMPARE(main.recordSet().value(QStringLiteral("Personal Notes")),
                 QStringLiteral("line one\r\nline two"));
        DataControl reread(QStringLiteral("DtaA"));
        QVERIFY(reread.open(store, Schema::CleaningFile, RecordSources::DtaA, &error));
        reread.move(reread.recordSet().recordCount() - 1);
        QCOMPARE(reread.recordSet().value(QStringLiteral("Personal Notes")),
                 QStringLiteral("line one\r\nline two"));
        QVERIFY(reread.recordSet().value(0) != QStringLiteral("RENAMED"));
    }

    void updateRecordWritesOnlyWhatTheUserChanged()
    {
        // Two editors on one record that show the same field: each writes what its user changed, never
        // what it only showed back over what the other one stored meanwhile.
        TestDataFolder folder;
        folder.copySampleDatabases();
        const Store store(folder.path());
        DataControl main(QStringLiteral("DtaA"));
        QString error;
        QVERIFY(main.open(store, Schema::CleaningFile, RecordSources::DtaA, &error));
        QWidget window;
        auto* firstNotes = new TextBox(&window);
        auto* secondNotes = new TextBox(&window);
        auto* secondNumber = new QLineEdit(&window);
        DataControl first(QStringLiteral("dtaB"));
        DataControl second(QStringLiteral("dtaB"));
        first.setRecordSet(main.recordSet().clone());
        second.setRecordSet(main.recordSet().clone());
        first.bind(firstNotes, QStringLiteral("Personal Notes"));
        second.bind(secondNotes, QStringLiteral("Personal Notes"));
        second.bind(secondNumber, QStringLiteral("United No"));

        secondNotes->setPlainText(QStringLiteral("from the second"));
        QVERIFY2(second.updateRecord(&error), qPrintable(error));
        QVERIFY2(first.updateRecord(&error), qPrintable(error));
        QCOMPARE(main.recordSet().value(QStringLiteral("Personal Notes")), QStringLiteral("from the second"));
        firstNotes->setPlainText(QStringLiteral("from the first"));
        QVERIFY2(first.updateRecord(&error), qPrintable(error));
        QCOMPARE(main.recordSet().value(QStringLiteral("Personal Notes")), QStringLiteral("from the first"));

        // Nothing changed is nothing to write, even where the database refuses every write.
        folder.runSql(Schema::CleaningFile,
                      QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON CleaningA BEGIN "
                                     "SELECT raise(abort, 'refused'); END;"));
        QVERIFY2(second.updateRecord(&error), qPrintable(error));
        secondNumber->setText(QStringLiteral("9"));
        QVERIFY(!second.updateRecord(&error));
        QCOMPARE(error, QStringLiteral("refused"));
        QCOMPARE(secondNumber->text(), QStringLiteral("9"));
        QCOMPARE(main.recordSet().value(QStringLiteral("United No")), QStringLiteral("3082"));
        QCOMPARE(main.recordSet().value(QStringLiteral("Personal Notes")), QStringLiteral("from the first"));
    }
};

VELCARIN_TEST_MAIN(TestDataControl)
#include "tst_datacontrol.moc"
