#include "overview/CargoNames.h"
#include "overview/CargoOverview.h"
#include "overview/SourceContent.h"
#include "search/SearchText.h"
#include "support/TestSupport.h"

#include <QFile>

namespace {

// Each section as "key: NAME (by)", or "key: -" for a source that holds nothing; then each list of the
// same UN number.
QString summary(const CargoOverview& overview)
{
    QStringList parts;
    for (const OverviewSection& section : overview.sections()) {
        parts << section.key() + QStringLiteral(": ") +
                     (section.match ? section.match->name + QStringLiteral(" (") +
                                          matchedByKey(section.match->by) + u')'
                                    : QStringLiteral("-"));
    }
    for (const OverviewSection& section : overview.sections()) {
        if (!section.sameUn.isEmpty())
            parts << section.key() + QStringLiteral(" ") + section.sameUnLine();
    }
    return parts.join(QStringLiteral("; "));
}

} // namespace

class TestOverview : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;

    Result<CargoOverview> overviewOf(const QString& cargo) const
    {
        return CargoOverview::build(DataFolders(m_folder.path(), programFolder()), cargo);
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The samples, with a second strength of sulfuric acid under the same UN number, written the way
        // some lists write it, and a Jo Tankers synonym that no other source uses.
        m_folder.copySampleDatabases();
        m_folder.runSql(QStringLiteral("cleaning.mdb"),
                        insertEveryField(QStringLiteral("cleaning.mdb"), QStringLiteral("Abbreviated Name"),
                                         QStringLiteral("SULFURIC ACID 96%")) +
                            QStringLiteral(";UPDATE CleaningA SET [United No] = 'UN 1830', [Full Name] = "
                                           "'Sulphuric acid 96%', [Compatability Chart No] = '2' WHERE "
                                           "[Abbreviated Name] = 'SULFURIC ACID 96%'"));
        m_folder.runSql(
            QStringLiteral("Jo Tankers.mdb"),
            QStringLiteral("UPDATE Cargoes SET SYNONIMS = 'Methylbenzene, Toluol' WHERE PRODUCT = "
                           "'TOLUENE'"));
    }

    void matching_data()
    {
        QTest::addColumn<QString>("cargo");
        QTest::addColumn<QString>("sections");
        QTest::newRow("the same name everywhere")
            << QStringLiteral("ACETONE")
            << QStringLiteral("tavro: ACETONE (name); jo: ACETONE (name); unitor: ACETONE (name); henkel: "
                              "ACETONE (name); compatibility: ACETONE (name)");
        QTest::newRow("case and blanks")
            << QStringLiteral("  acetone ")
            << QStringLiteral(
                   "tavro: ACETONE (normalised); jo: ACETONE (normalised); unitor: ACETONE "
                   "(normalised); henkel: ACETONE (normalised); compatibility: ACETONE (normalised)");
        QTest::newRow("punctuation")
            << QStringLiteral("Butyl O-Acetate")
            << QStringLiteral(
                   "tavro: BUTYL O'ACETATE (normalised); jo: -; unitor: -; henkel: -; compatibility: "
                   "BUTYL O'ACETATE (normalised); jo same UN number: BUTYL ACETATE");
        QTest::newRow("a Jo Tankers synonym")
            << QStringLiteral("toluol")
            << QStringLiteral("tavro: TOLUENE (synonym); jo: TOLUENE (synonym); unitor: TOLUENE (synonym); "
                              "henkel: -; compatibility: TOLUENE (synonym)");
        QTest::newRow("a Tavro full name")
            << QStringLiteral("dimethyl ketone")
            << QStringLiteral("tavro: ACETONE (full-name); jo: ACETONE (synonym); unitor: ACETONE (synonym); "
                              "henkel: ACETONE (synonym); compatibility: ACETONE (full-name)");
        QTest::newRow("a shared UN number never matches")
            << QStringLiteral("SULFURIC ACID 96%")
            << QStringLiteral("tavro: SULFURIC ACID 96% (name); jo: -; unitor: SULFURIC ACID 96% (name); "
                              "henkel: -; compatibility: SULFURIC ACID 96% (name); tavro same UN number: "
                              "SULFURIC ACID 98%; jo same UN number: SULPHURIC ACID");
        QTest::newRow("a UN number alone")
            << QStringLiteral("1830")
            << QStringLiteral("tavro: -; jo: -; unitor: -; henkel: -; compatibility: -");
        QTest::newRow("a name of punctuation only")
            << QStringLiteral("%")
            << QStringLiteral("tavro: -; jo: -; unitor: -; henkel: -; compatibility: -");
        QTest::newRow("only a name that begins the same")
            << QStringLiteral("TOLUENE DI")
            << QStringLiteral("tavro: -; jo: -; unitor: -; henkel: -; compatibility: -");
    }
    void matching()
    {
        QFETCH(QString, cargo);
        QFETCH(QString, sections);
        const Result<CargoOverview> overview = overviewOf(cargo);
        VERIFY_SUCCEEDS(overview);
        QCOMPARE(summary(*overview), sections);
    }

    void nothingIsLeftBlank()
    {
        const Result<CargoOverview> overview = overviewOf(QStringLiteral("MOLASSES"));
        VERIFY_SUCCEEDS(overview);
        const OverviewSection& henkel = overview->section(OverviewSource::Henkel);
        QCOMPARE(henkel.texts.size(), 0);
        QCOMPARE(henkel.matchLine(overview->cargo()), QStringLiteral("Henkel holds nothing for MOLASSES."));
        // Every titled text of the sources that hold it says something.
        for (const OverviewSection& section : overview->sections()) {
            for (const TitledText& text : section.texts)
                QVERIFY2(!text.text.trimmed().isEmpty(), qPrintable(section.key() + u' ' + text.title));
        }
        QVERIFY(overview->holdsCargo());
        QVERIFY(!overviewOf(QStringLiteral("NO SUCH CARGO"))->holdsCargo());
    }

    void unreadableDatabase()
    {
        TestDataFolder folder;
        folder.copySampleDatabases();
        QVERIFY(QFile::remove(folder.filePath(QStringLiteral("Henkel.mdb"))));
        const Result<CargoOverview> overview =
            CargoOverview::build(DataFolders(folder.path(), programFolder()), QStringLiteral("ACETONE"));
        QVERIFY(!overview);
        QVERIFY2(overview.error().contains(QStringLiteral("Henkel.mdb")), qPrintable(overview.error()));
    }

    void folding_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("foldsToAcetone");
        QTest::newRow("capitals") << QStringLiteral("ACETONE") << true;
        QTest::newRow("blanks and punctuation round it") << QStringLiteral(" (Acetone), ") << true;
        QTest::newRow("accent") << QStringLiteral("Acétone") << true;
        QTest::newRow("a blank inside") << QStringLiteral("ACE TONE") << false;
        QTest::newRow("longer") << QStringLiteral("ACETONES") << false;
        QTest::newRow("shorter") << QStringLiteral("ACETON") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void folding()
    {
        QFETCH(QString, name);
        QFETCH(bool, foldsToAcetone);
        QCOMPARE(foldsTo(name, QStringLiteral("acetone")), foldsToAcetone);
        QCOMPARE(SearchText::folded(name) == QLatin1String("acetone"), foldsToAcetone);
    }

    void methodsNamed_data()
    {
        QTest::addColumn<QString>("remarks");
        QTest::addColumn<QList<int>>("methods");
        QTest::newRow("two") << QStringLiteral("Use cleaning method 11 (or method 2 after a heavy residue).")
                             << QList<int>{11, 2};
        QTest::newRow("a list") << QStringLiteral("METHODS 3, 5 OR 7; then method 5") << QList<int>{3, 5, 7};
        QTest::newRow("no such method") << QStringLiteral("method 13 or 0") << QList<int>{};
        QTest::newRow("none") << QStringLiteral("Consult the shipper.") << QList<int>{};
    }
    void methodsNamed()
    {
        QFETCH(QString, remarks);
        QFETCH(QList<int>, methods);
        QCOMPARE(SourceContent::methodsNamed(remarks), methods);
    }

    void unitorTopics()
    {
        QCOMPARE(
            SourceContent::unitorTopics(QStringLiteral("ACETONE"), nullptr),
            (QList<ManualTopic>{{QStringLiteral("Topic 1005"), QStringLiteral("Unitor.hlp"), 1005, {}}}));
        // A cargo whose procedure depends on the next cargo: a topic for each loading group, in A to G order.
        const QList<ManualTopic> byGroup =
            SourceContent::unitorTopics(QStringLiteral("ACETIC ACID"), nullptr);
        QString groups;
        for (const ManualTopic& topic : byGroup)
            groups += topic.loadingGroup;
        QCOMPARE(groups, QStringLiteral("ABCDEFG"));
        QCOMPARE(SourceContent::unitor(byGroup).first().title,
                 QStringLiteral("By the next cargo's loading group"));
        QVERIFY(SourceContent::unitorTopics(QStringLiteral("acetone"), nullptr).isEmpty());
    }

    void exceptions_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QList<int>>("groups");
        QTest::addColumn<QStringList>("cargoes");
        QTest::newRow("ranges and a list")
            << QStringLiteral("-  Acetone Cyanohydrin (0) is not compatible with Groups 1-3,16 and 22")
            << QList<int>{1, 2, 3, 16, 22} << QStringList{QStringLiteral("acetone cyanohydrin")};
        QTest::newRow("names in parentheses")
            << QStringLiteral(
                   "-  Sodium Sulfide (0) is not compatible with Groups 6 (Ammonia) and 7 (Aliphatic "
                   "amines)")
            << QList<int>{6, 7} << QStringList{QStringLiteral("sodium sulfide")};
        QTest::newRow("cargoes of other groups")
            << QStringLiteral("-  Acetone (18) is compatible with Diethylenetriamine (7)") << QList<int>{}
            << QStringList{QStringLiteral("acetone"), QStringLiteral("diethylenetriamine")};
    }
    void exceptions()
    {
        QFETCH(QString, line);
        QFETCH(QList<int>, groups);
        QFETCH(QStringList, cargoes);
        QCOMPARE(SourceContent::groupsNamedIn(line), groups);
        QCOMPARE(SourceContent::cargoesNamedIn(line), cargoes);
    }

    void exceptionsOfAnotherCargoAreLeftOut()
    {
        const CompatibilityFacts facts =
            SourceContent::compatibility(QStringLiteral("18"), {QStringLiteral("ACETONE")});
        QCOMPARE(facts.groupName, QStringLiteral("KETONES"));
        QCOMPARE(facts.incompatible,
                 (QStringList{QStringLiteral("2 SULFURIC ACID"), QStringLiteral("3 NITRIC ACID"),
                              QStringLiteral("7 ALIPHATIC AMINES")}));
        QVERIFY(facts.exceptions.contains(
            QStringLiteral("-  Acetone (18) is compatible with Diethylenetriamine (7)")));
        for (const QString& line : facts.exceptions)
            QVERIFY2(!line.contains(QStringLiteral("Cyanohydrin")), qPrintable(line));
    }

    void sheet()
    {
        const Result<CargoOverview> overview = overviewOf(QStringLiteral("ACETONE"));
        VERIFY_SUCCEEDS(overview);
        const Sheet sheet = overview->sheet();
        QCOMPARE(sheet.subject, QStringLiteral("ACETONE"));
        QVERIFY(sheet.headedPages);
        QCOMPARE(sheet.text(QStringLiteral("lblHenkelMatch")),
                 QStringLiteral("Found under the same name, ACETONE."));
        QCOMPARE(sheet.text(QStringLiteral("lblHenkel1Title")), QStringLiteral("Solution"));
        QCOMPARE(sheet.text(QStringLiteral("lblHenkel1")),
                 QStringLiteral("Fresh water rinse; no chemical needed (sample)."));
        // Each item stands below the one before or beside it, never over it.
        for (qsizetype index = 1; index < sheet.items.size(); ++index)
            QVERIFY(sheet.items[index].twips.top() >= sheet.items[index - 1].twips.top());
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestOverview)
#include "tst_overview.moc"
