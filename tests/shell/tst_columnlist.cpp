#include "data/RecordSources.h"
#include "data/Store.h"
#include "shell/DataControl.h"
#include "support/TestMain.h"
#include "support/WidgetTestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QSignalSpy>

// A bound list reads its names a page at a time as it is scrolled, whatever the length of the table.
class TestColumnList : public QObject {
    Q_OBJECT

private:
    // The sample cargo table holding only "CARGO 0001" to that many.
    static void fillCargoes(const TestDataFolder& folder, int cargoes)
    {
        folder.copySampleDatabases();
        folder.runSql(QStringLiteral("cleaning.mdb"), QStringLiteral(R"(
            DELETE FROM CleaningA;
            WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)
            INSERT INTO CleaningA ("Abbreviated Name") SELECT printf('CARGO %04d', i) FROM n WHERE %1 > 0;
        )")
                                                          .arg(cargoes));
    }

private Q_SLOTS:
    void fetchingReadsPageByPage_data()
    {
        QTest::addColumn<int>("cargoes");
        QTest::addColumn<QList<int>>("counts"); // when bound, then after each fetch until the list is whole
        QTest::addColumn<QString>("last");
        QTest::newRow("no cargo") << 0 << QList<int>{0} << QString();
        QTest::newRow("one short of a page") << 255 << QList<int>{255} << QStringLiteral("CARGO 0255");
        QTest::newRow("exactly a page") << 256 << QList<int>{256, 256} << QStringLiteral("CARGO 0256");
        QTest::newRow("a page and one") << 257 << QList<int>{256, 257} << QStringLiteral("CARGO 0257");
        QTest::newRow("three pages") << 600 << QList<int>{256, 512, 600} << QStringLiteral("CARGO 0600");
    }

    void fetchingReadsPageByPage()
    {
        QFETCH(int, cargoes);
        QFETCH(QList<int>, counts);
        QFETCH(QString, last);
        TestDataFolder folder;
        fillCargoes(folder, cargoes);
        QWidget window;
        DataControl data(QStringLiteral("DtaA"), &window);
        QVERIFY(
            data.open(Store(folder.path()), QStringLiteral("cleaning.mdb"), RecordSources::DtaA, nullptr));
        auto* list = new QComboBox(&window);
        data.bindList(list, QStringLiteral("Abbreviated Name"));
        QList<int> seen{list->count()};
        while (list->model()->canFetchMore({})) {
            list->model()->fetchMore({});
            seen << list->count();
        }
        QCOMPARE(seen, counts);
        QCOMPARE(list->itemText(list->count() - 1), last);
        QVERIFY(data.readError().isEmpty());
    }

    void scrollingTheListReadsMore()
    {
        TestDataFolder folder;
        fillCargoes(folder, 600);
        QWidget window;
        DataControl data(QStringLiteral("DtaA"), &window);
        QVERIFY(
            data.open(Store(folder.path()), QStringLiteral("cleaning.mdb"), RecordSources::DtaA, nullptr));
        auto* list = new QComboBox(&window);
        data.bindList(list, QStringLiteral("Abbreviated Name"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        list->showPopup();
        QCOMPARE(list->count(), 256);
        list->view()->scrollToBottom();
        QTRY_COMPARE(list->count(), 512);
        QCOMPARE(list->itemText(511), QStringLiteral("CARGO 0512"));
        list->hidePopup();
    }

    void aNameWrittenElsewhereShowsInTheList()
    {
        TestDataFolder folder;
        fillCargoes(folder, 300);
        QWidget window;
        DataControl data(QStringLiteral("DtaA"), &window);
        QVERIFY(
            data.open(Store(folder.path()), QStringLiteral("cleaning.mdb"), RecordSources::DtaA, nullptr));
        auto* list = new QComboBox(&window);
        list->setEditable(true);
        data.bindList(list, QStringLiteral("Abbreviated Name"));
        while (list->model()->canFetchMore({}))
            list->model()->fetchMore({});
        list->setCurrentIndex(1);
        folder.runSql(QStringLiteral("cleaning.mdb"),
                      QStringLiteral("UPDATE CleaningA SET \"Abbreviated Name\" = 'CARGO 0002 RENAMED' WHERE "
                                     "\"Abbreviated Name\" = 'CARGO 0002'; DELETE FROM CleaningA WHERE "
                                     "\"Abbreviated Name\" > 'CARGO 0290'"));
        data.refresh();
        QCOMPARE(list->itemText(1), QStringLiteral("CARGO 0002 RENAMED"));
        QCOMPARE(list->count(), 290);
        // The box shows its row as the file now names it.
        QCOMPARE(list->currentIndex(), 1);
        QCOMPARE(list->currentText(), QStringLiteral("CARGO 0002 RENAMED"));
    }

    void aListThatCannotReadSaysSo()
    {
        TestDataFolder folder;
        fillCargoes(folder, 3000);
        QWidget window;
        MessageRecorder messages;
        DataControl data(QStringLiteral("DtaA"), &window);
        QVERIFY(
            data.open(Store(folder.path()), QStringLiteral("cleaning.mdb"), RecordSources::DtaA, nullptr));
        QSignalSpy failed(&data, &DataControl::readFailed);
        // The file is damaged under the open record set: every later read of its table fails.
        for (int page = 2; page < 40; ++page)
            folder.damagePage(QStringLiteral("cleaning.mdb"), page);
        auto* list = new QComboBox(&window);
        data.bindList(list, QStringLiteral("Abbreviated Name"));
        QVERIFY(!list->model()->canFetchMore({}));
        QTRY_COMPARE(failed.size(), 1);
        QCOMPARE(failed.first().first().toString(), QStringLiteral("database disk image is malformed"));
        QCOMPARE(data.readError(), QStringLiteral("database disk image is malformed"));
    }
};

VELCARIN_TEST_MAIN(TestColumnList)
#include "tst_columnlist.moc"
