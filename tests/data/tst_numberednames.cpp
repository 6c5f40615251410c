#include "data/NumberedNames.h"
#include "support/TestSupport.h"

#include <QFile>

// The first free name comes after every name taken before it, a link that leads nowhere included.
class TestNumberedNames : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstFree_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("taken"); // a name starting with ">" is a link that leads nowhere
        QTest::addColumn<QString>("free");
        QTest::addColumn<int>("before"); // how many of the taken names come before the free one
        QTest::newRow("none taken") << "after" << QStringList() << "cleaning.mdb.bak" << 0;
        QTest::newRow("first taken") << "after" << QStringList{"cleaning.mdb.bak"} << "cleaning.mdb.bak.1"
                                     << 1;
        QTest::newRow("three taken, one a link")
            << "after" << QStringList{"cleaning.mdb.bak", ">cleaning.mdb.bak.1", "cleaning.mdb.bak.2"}
            << "cleaning.mdb.bak.3" << 3;
        QTest::newRow("a gap is not filled")
            << "after" << QStringList{"cleaning.mdb.bak.1"} << "cleaning.mdb.bak" << 0;
        QTest::newRow("extension, none taken") << "before" << QStringList() << "notes.json" << 0;
        QTest::newRow("extension, two taken")
            << "before" << QStringList{"notes.json", ">notes.1.json"} << "notes.2.json" << 2;
    }

    void firstFree()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, taken);
        QFETCH(QString, free);
        QFETCH(int, before);
        const TestDataFolder folder;
        QStringList names;
        for (QString name : taken) {
            if (name.startsWith(QLatin1Char('>')))
                QVERIFY(QFile::link(folder.filePath(QStringLiteral("nowhere")),
                                    folder.filePath(name.remove(0, 1))));
            else
                folder.writeFile(name, "taken");
            names << folder.filePath(name);
        }
        const NumberedNames row =
            form == QLatin1String("after")
                ? NumberedNames::after(folder.filePath(QStringLiteral("cleaning.mdb")),
                                       QStringLiteral(".bak"))
                : NumberedNames::beforeExtension(folder.filePath(QStringLiteral("notes.json")));
        QCOMPARE(row.firstFree(), folder.filePath(free));
        QCOMPARE(row.taken(), names.mid(0, before));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestNumberedNames)
#include "tst_numberednames.moc"
