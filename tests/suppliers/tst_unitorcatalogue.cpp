#include "adviser/UnitorCargoList.h"
#include "adviser/UnitorCatalogue.h"
#include "suppliers/UnitorTables.h"
#include "support/TestMain.h"

#include <QSet>
#include <QTest>

namespace {

// An entry as the tests expect it: its names, and its one topic or its seven group topics (0: none).
struct Expected {
    QSet<QString> names;
    int topic = 0;
    QList<int> groupTopics;
};

// The catalogue as published, with the one name Velcarin adds: the operator's cargo list writes
// "AMMONIUM HYDROXIDE" where the catalogue writes "AMMONIUM HYDROXIDE 28%", and both get its topic.
QList<Expected> expectedEntries()
{
    QList<Expected> entries;
    for (const PublishedEntry& row : PublishedCatalogue) {
        Expected entry;
        for (const char* name : row.names)
            entry.names << QLatin1String(name);
        const QStringList topics = QString::fromLatin1(row.topics).split(QLatin1Char(' '));
        if (topics.size() == 1) {
            entry.topic = topics.first().toInt();
        } else {
            for (const QString& topic : topics)
                entry.groupTopics << (topic == QLatin1String("-") ? 0 : topic.toInt());
        }
        entries << entry;
    }
    entries[11].names << QStringLiteral("AMMONIUM HYDROXIDE");
    return entries;
}

QStringList allNames()
{
    QStringList names;
    for (const Expected& entry : expectedEntries()) {
        for (const QString& name : entry.names) {
            if (!names.contains(name))
                names << name;
        }
    }
    return names;
}

QList<int> topicsOf(const UnitorCatalogue::Entry& entry)
{
    if (!entry.isGroupEntry())
        return {entry.topic};
    QList<int> topics;
    for (int topic : entry.groupTopics) {
        if (topic && !topics.contains(topic))
            topics << topic;
    }
    std::sort(topics.begin(), topics.end());
    return topics;
}

} // namespace

// The Unitor catalogue: its entries against the published ones, and the two look-ups.
class TestUnitorCatalogue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void publishedRowsAreWhole()
    {
        // The copy in the tests is checked against the published counts before it judges the program.
        QCOMPARE(PublishedCatalogue.size(), 156);
        int groupEntries = 0;
        for (int index = 0; index < PublishedCatalogue.size(); ++index) {
            QCOMPARE(PublishedCatalogue.at(index).number, index + 1);
            groupEntries +=
                QString::fromLatin1(PublishedCatalogue.at(index).topics).contains(QLatin1Char(' '));
        }
        QCOMPARE(groupEntries, 24);
        QCOMPARE(allNames().size(), 308); // 307 published names and the operator list's ammonium hydroxide
    }

    void entriesAsPublished()
    {
        const QList<UnitorCatalogue::Entry>& entries = UnitorCatalogue::entries();
        const QList<Expected> expected = expectedEntries();
        QCOMPARE(entries.size(), expected.size());
        for (int index = 0; index < entries.size(); ++index) {
            const UnitorCatalogue::Entry& entry = entries.at(index);
            const QByteArray where = "entry " + QByteArray::number(index + 1);
            QCOMPARE(QSet<QString>(entry.names.begin(), entry.names.end()), expected.at(index).names);
            QVERIFY2(entry.names.size() == expected.at(index).names.size(), where); // no name twice
            QVERIFY2(entry.isGroupEntry() == !expected.at(index).groupTopics.isEmpty(), where);
            if (entry.isGroupEntry()) {
                QCOMPARE(QList<int>(entry.groupTopics.begin(), entry.groupTopics.end()),
                         expected.at(index).groupTopics);
            } else {
                QCOMPARE(entry.topic, expected.at(index).topic);
            }
        }
    }

    void everyTopicOnce()
    {
        QList<int> used;
        int direct = 0;
        for (const UnitorCatalogue::Entry& entry : UnitorCatalogue::entries()) {
            used << topicsOf(entry);
            direct += !entry.isGroupEntry();
        }
        QList<int> expected;
        for (int topic = 1001; topic <= 1099; ++topic)
            expected << topic;
        for (int topic = 2000; topic <= 2078; ++topic)
            expected << topic;
        // In catalogue order, without gaps: 1099 is followed by 2000.
        QCOMPARE(used, expected);
        QCOMPARE(direct, 132);
    }

    void offeredGroups()
    {
        QStringList offered;
        for (const UnitorCatalogue::Entry& entry : UnitorCatalogue::entries())
            offered << entry.offeredGroups();
        QCOMPARE(offered.count(QString()), 132);
        QCOMPARE(offered.count(QStringLiteral("ABCDEFG")), 22);
        QCOMPARE(offered.at(25), QStringLiteral("ABEFG")); // crude oil
        QCOMPARE(offered.at(53), QStringLiteral("ABEFG")); // fuel oil
    }

    // Every name against what walking the published entries gives, for the advice and each group.
    void everyName_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : allNames())
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyName()
    {
        QFETCH(QString, name);
        QList<int> topics;
        QList<QList<int>> groupTopics(7);
        for (const Expected& entry : expectedEntries()) {
            if (!entry.names.contains(name))
                continue;
            if (entry.groupTopics.isEmpty())
                topics << entry.topic;
            for (int group = 0; group < entry.groupTopics.size(); ++group) {
                if (entry.groupTopics.at(group))
                    groupTopics[group] << entry.groupTopics.at(group);
            }
        }
        QString groups;
        for (int group = 0; group < 7; ++group) {
            if (!groupTopics.at(group).isEmpty())
                groups += QChar(u'A' + group);
        }
        const UnitorCatalogue::Advice advice = UnitorCatalogue::adviceFor(name);
        QCOMPARE(advice.topics, topics);
        QCOMPARE(advice.groups, groups);
        QVERIFY(!advice.isEmpty());
        for (int group = 0; group < 7; ++group)
            QCOMPARE(UnitorCatalogue::topicsFor(name, QChar(u'A' + group)), groupTopics.at(group));
        // The operator tab shows the button that leads here.
        QVERIFY(isUnitorCargo(name));
    }

    void advice_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("topics");
        QTest::addColumn<QString>("groups");
        QTest::newRow("first entry") << QStringLiteral("ACETALDEHYDE") << QList<int>{1001} << QString();
        QTest::newRow("last entry") << QStringLiteral("XYLENE-MIXED") << QList<int>{2078} << QString();
        QTest::newRow("1099") << QStringLiteral("MENHADEN OIL") << QList<int>{1099} << QString();
        QTest::newRow("then 2000") << QStringLiteral("MESITYL OXIDE") << QList<int>{2000} << QString();
        QTest::newRow("acetone") << QStringLiteral("ACETONE") << QList<int>{1005} << QString();
        QTest::newRow("in two entries")
            << QStringLiteral("METHYL STYRENE-A") << QList<int>{1009, 2009} << QString();
        QTest::newRow("latex in two entries")
            << QStringLiteral("LATEX SYNTHETIC BAYER") << QList<int>{1096, 2053} << QString();
        QTest::newRow("latex with a slash and %")
            << QStringLiteral("LATEX SYNTHETIC 39/41%") << QList<int>{1096, 2053} << QString();
        QTest::newRow("natural latex in one")
            << QStringLiteral("LATEX NATURAL") << QList<int>{1096} << QString();
        QTest::newRow("benzene in two group entries")
            << QStringLiteral("BENZENE") << QList<int>{} << QStringLiteral("ABCDEFG");
        QTest::newRow("acetic acid") << QStringLiteral("ACETIC ACID") << QList<int>{}
                                     << QStringLiteral("ABCDEFG");
        QTest::newRow("crude oil") << QStringLiteral("CRUDE OIL") << QList<int>{} << QStringLiteral("ABEFG");
        QTest::newRow("fuel oil") << QStringLiteral("FUEL OIL #6") << QList<int>{} << QStringLiteral("ABEFG");
        QTest::newRow("butyl alcohol-S direct")
            << QStringLiteral("BUTYL ALCOHOL-S") << QList<int>{2043} << QString();
        QTest::newRow("butyl alcohol-N asks")
            << QStringLiteral("BUTYL ALCOHOL-N") << QList<int>{} << QStringLiteral("ABCDEFG");
        QTest::newRow("butyl alcohol-T asks")
            << QStringLiteral("BUTYL ALCOHOL-T") << QList<int>{} << QStringLiteral("ABCDEFG");
        QTest::newRow("<") << QStringLiteral("FORMALDEHYDE <45%") << QList<int>{1063} << QString();
        QTest::newRow("without <") << QStringLiteral("FORMALDEHYDE 45%") << QList<int>{} << QString();
        QTest::newRow("&") << QStringLiteral("SPERM OIL C&R") << QList<int>{2047} << QString();
        QTest::newRow("without &") << QStringLiteral("SPERM OIL CR") << QList<int>{} << QString();
        QTest::newRow("#") << QStringLiteral("GREASE FLESHING #2") << QList<int>{1074} << QString();
        QTest::newRow("comma") << QStringLiteral("NAPHTHA, PETROLIUM") << QList<int>{2045} << QString();
        QTest::newRow("spelled as written")
            << QStringLiteral("TETROHYDROFURAN") << QList<int>{2056} << QString();
        QTest::newRow("spelled right") << QStringLiteral("TETRAHYDROFURAN") << QList<int>{} << QString();
        QTest::newRow("small letters") << QStringLiteral("Acetone") << QList<int>{} << QString();
        QTest::newRow("a blank before") << QStringLiteral(" ACETONE") << QList<int>{} << QString();
        QTest::newRow("a blank after") << QStringLiteral("ACETONE ") << QList<int>{} << QString();
        QTest::newRow("part of a name") << QStringLiteral("LATEX") << QList<int>{} << QString();
        QTest::newRow("empty") << QString() << QList<int>{} << QString();
        QTest::newRow("ammonium hydroxide 28%")
            << QStringLiteral("AMMONIUM HYDROXIDE 28%") << QList<int>{1013} << QString();
        QTest::newRow("ammonium hydroxide")
            << QStringLiteral("AMMONIUM HYDROXIDE") << QList<int>{1013} << QString();
    }

    void advice()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, topics);
        QFETCH(QString, groups);
        const UnitorCatalogue::Advice advice = UnitorCatalogue::adviceFor(name);
        QCOMPARE(advice.topics, topics);
        QCOMPARE(advice.groups, groups);
        QCOMPARE(advice.isEmpty(), topics.isEmpty() && groups.isEmpty());
        // The operator tab shows the Unitor button exactly for the names that get advice.
        QCOMPARE(isUnitorCargo(name), !topics.isEmpty() || !groups.isEmpty());
    }

    void groupTopics_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QList<int>>("topics");
        QTest::newRow("acetic acid A")
            << QStringLiteral("ACETIC ACID") << QStringLiteral("A") << QList<int>{1002};
        QTest::newRow("acetic acid B")
            << QStringLiteral("ACETIC ACID") << QStringLiteral("B") << QList<int>{1003};
        QTest::newRow("acetic acid G")
            << QStringLiteral("ACETIC ACID") << QStringLiteral("G") << QList<int>{1002};
        QTest::newRow("benzene A") << QStringLiteral("BENZENE") << QStringLiteral("A")
                                   << QList<int>{1017, 1069};
        QTest::newRow("benzene C") << QStringLiteral("BENZENE") << QStringLiteral("C")
                                   << QList<int>{1016, 1069};
        QTest::newRow("benzene E") << QStringLiteral("BENZENE") << QStringLiteral("E")
                                   << QList<int>{1016, 1070};
        QTest::newRow("gasoline E") << QStringLiteral("GASOLINE CHINA") << QStringLiteral("E")
                                    << QList<int>{1070};
        QTest::newRow("crude oil A") << QStringLiteral("CRUDE OIL") << QStringLiteral("A")
                                     << QList<int>{1031};
        QTest::newRow("crude oil C") << QStringLiteral("CRUDE OIL") << QStringLiteral("C") << QList<int>{};
        QTest::newRow("crude oil D") << QStringLiteral("CRUDE OIL") << QStringLiteral("D") << QList<int>{};
        QTest::newRow("fuel oil D") << QStringLiteral("FUEL OIL ROAD") << QStringLiteral("D") << QList<int>{};
        QTest::newRow("linseed oil G")
            << QStringLiteral("LINSEED OIL") << QStringLiteral("G") << QList<int>{1098};
        QTest::newRow("white spirit C")
            << QStringLiteral("WHITE SPIRIT, LOW AROM") << QStringLiteral("C") << QList<int>{2076};
        QTest::newRow("a direct entry") << QStringLiteral("ACETONE") << QStringLiteral("A") << QList<int>{};
        QTest::newRow("no group H") << QStringLiteral("ACETIC ACID") << QStringLiteral("H") << QList<int>{};
        QTest::newRow("small a") << QStringLiteral("ACETIC ACID") << QStringLiteral("a") << QList<int>{};
        QTest::newRow("unknown cargo")
            << QStringLiteral("Acetic Acid") << QStringLiteral("A") << QList<int>{};
    }

    void groupTopics()
    {
        QFETCH(QString, name);
        QFETCH(QString, group);
        QFETCH(QList<int>, topics);
        QCOMPARE(UnitorCatalogue::topicsFor(name, group.at(0)), topics);
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestUnitorCatalogue)
#include "tst_unitorcatalogue.moc"
