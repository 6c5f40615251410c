#include "search/SearchIndex.h"
#include "search/SearchText.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <thread>

namespace {

using Kind = SearchDocument::Kind;

SearchDocument document(SearchSource source, Kind kind, const QString& name, const QString& field,
                        const QString& text)
{
    return {source, kind, name, field, text, {}, {}};
}

SearchDocument name(SearchSource source, const QString& name)
{
    return document(source, Kind::Name, name, QStringLiteral("Abbreviated Name"), name);
}

const QList<SearchDocument> Tavro{
    name(SearchSource::Tavro, QStringLiteral("ACETONE")),
    name(SearchSource::Tavro, QStringLiteral("ACETONE CYANOHYDRIN")),
    name(SearchSource::Tavro, QStringLiteral("ACETIC ACID")),
    name(SearchSource::Tavro, QStringLiteral("BENZENE")),
    name(SearchSource::Tavro, QStringLiteral("CRUDE ACETONE")),
    name(SearchSource::Tavro, QStringLiteral("Éthanol ")),
    name(SearchSource::Tavro, QStringLiteral("Weißöl")),
    name(SearchSource::Tavro, QStringLiteral("ﬁsh oil")),
    document(SearchSource::Tavro, Kind::FullName, QStringLiteral("ACETONE"), QStringLiteral("Full Name"),
             QStringLiteral("Acetone (dimethyl ketone)")),
    document(SearchSource::Tavro, Kind::Number, QStringLiteral("ACETONE"), QStringLiteral("ID  Number"),
             QStringLiteral("67-64-1")),
    document(SearchSource::Tavro, Kind::Number, QStringLiteral("BENZENE"), QStringLiteral("United No"),
             QStringLiteral("12945")),
};

const QList<SearchDocument> Jo{
    document(SearchSource::Jo, Kind::Name, QStringLiteral("TOLUENE"), QStringLiteral("PRODUCT"),
             QStringLiteral("TOLUENE")),
    document(SearchSource::Jo, Kind::Synonym, QStringLiteral("TOLUENE"), QStringLiteral("SYNONIMS"),
             QStringLiteral("TOLUOL")),
    document(SearchSource::Jo, Kind::Number, QStringLiteral("TOLUENE"), QStringLiteral("UN"),
             QStringLiteral("1294")),
    document(SearchSource::Jo, Kind::Synonym, QStringLiteral("DIMETHYL KETONE"), QStringLiteral("SYNONIMS"),
             QStringLiteral("ACETONE")),
};

const QList<SearchDocument> Notes{
    document(SearchSource::Notes, Kind::Note, QStringLiteral("BENZENE"), QStringLiteral("Note"),
             QStringLiteral("Ventilate twice after acetone\nbefore anyone enters")),
};

const SearchDocument Topic{SearchSource::Manual,
                           Kind::Topic,
                           QStringLiteral("Tank cleaning"),
                           QStringLiteral("Topic"),
                           QStringLiteral("Tank cleaning\nAfter the discharge of a ketone such as acetone "
                                          "the tank is washed with water of 60 °C."),
                           QStringLiteral("Cleaning.hlp"),
                           QStringLiteral("tank_cleaning")};

std::unique_ptr<SearchIndex> openIndex(const QString& path)
{
    auto index = SearchIndex::open(path);
    if (!index)
        qFatal("cannot open the index: %s", qPrintable(index.error()));
    return std::move(*index);
}

void fill(SearchIndex& index)
{
    for (const auto& [unit, documents] :
         {std::pair{QStringLiteral("tavro"), Tavro}, std::pair{QStringLiteral("jo"), Jo},
          std::pair{QStringLiteral("notes"), Notes},
          std::pair{QStringLiteral("manual:Cleaning.hlp"), QList<SearchDocument>{Topic}}}) {
        if (Result<> stored = index.replace(unit, QStringLiteral("1"), documents); !stored)
            qFatal("cannot store %s: %s", qPrintable(unit), qPrintable(stored.error()));
    }
}

// "source:name:field" of each result.
QStringList found(const SearchIndex& index, const QString& query, int limit = 20,
                  const QList<SearchSource>& only = {})
{
    QStringList lines;
    for (const SearchResult& result : index.find(query, limit, only))
        lines.append(searchSourceKey(result.source) + u':' + result.name + u':' + result.field);
    return lines;
}

// The snippet with its marks in brackets.
QString marked(const SearchResult& result)
{
    QString text = result.snippet;
    for (auto mark = result.marks.crbegin(); mark != result.marks.crend(); ++mark) {
        text.insert(mark->first + mark->second, u']');
        text.insert(mark->first, u'[');
    }
    return text;
}

} // namespace

class TestSearchIndex : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_index = openIndex(m_dir.filePath(QStringLiteral("cache/index.sqlite")));
        fill(*m_index);
    }

    void matching_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("expected");
        const QString acetone = QStringLiteral("tavro:ACETONE:Abbreviated Name");
        const QString topic = QStringLiteral("manual:Tank cleaning:Topic");
        QTest::newRow("prefix") << "benz" << QStringList{QStringLiteral("tavro:BENZENE:Abbreviated Name")};
        QTest::newRow("any order") << "acid acetic"
                                   << QStringList{QStringLiteral("tavro:ACETIC ACID:Abbreviated Name")};
        QTest::newRow("synonym") << "toluol" << QStringList{QStringLiteral("jo:TOLUENE:SYNONIMS")};
        QTest::newRow("case, accents, blanks")
            << "  ÉTHANOL " << QStringList{QStringLiteral("tavro:Éthanol :Abbreviated Name")};
        QTest::newRow("sharp s") << "WEISSOL" << QStringList{QStringLiteral("tavro:Weißöl:Abbreviated Name")};
        QTest::newRow("ligature") << "fish" << QStringList{QStringLiteral("tavro:ﬁsh oil:Abbreviated Name")};
        QTest::newRow("punctuation") << "acetic-acid."
                                     << QStringList{QStringLiteral("tavro:ACETIC ACID:Abbreviated Name")};
        QTest::newRow("number whole") << "1294" << QStringList{QStringLiteral("jo:TOLUENE:UN")};
        QTest::newRow("number not a prefix") << "129" << QStringList{};
        QTest::newRow("number with dashes")
            << "67-64-1" << QStringList{QStringLiteral("tavro:ACETONE:ID  Number")};
        QTest::newRow("number without dashes")
            << "67641" << QStringList{QStringLiteral("tavro:ACETONE:ID  Number")};
        QTest::newRow("swapped letters")
            << "acetnoe"
            << QStringList{acetone,
                           QStringLiteral("tavro:ACETONE CYANOHYDRIN:Abbreviated Name"),
                           QStringLiteral("tavro:CRUDE ACETONE:Abbreviated Name"),
                           QStringLiteral("jo:DIMETHYL KETONE:SYNONIMS"),
                           QStringLiteral("notes:BENZENE:Note"),
                           topic};
        QTest::newRow("one typo in five letters")
            << "tolul" << QStringList{QStringLiteral("jo:TOLUENE:SYNONIMS")};
        QTest::newRow("no typo in four letters") << "bemz" << QStringList{};
        QTest::newRow("two typos in five letters") << "tulul" << QStringList{};
        QTest::newRow("two typos in nine letters")
            << "cyanohidrn" << QStringList{QStringLiteral("tavro:ACETONE CYANOHYDRIN:Abbreviated Name")};
        QTest::newRow("three typos in nine letters") << "cianohidrn" << QStringList{};
        QTest::newRow("words of one entry's documents") << "benzene ventilate" << QStringList{};
        QTest::newRow("topic text") << "discharge" << QStringList{topic};
        QTest::newRow("nothing") << "xylene" << QStringList{};
    }

    void matching()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, expected);
        QCOMPARE(found(*m_index, query), expected);
    }

    void ranking()
    {
        QCOMPARE(
            found(*m_index, QStringLiteral("Acetone")),
            (QStringList{QStringLiteral("tavro:ACETONE:Abbreviated Name"),
                         QStringLiteral("tavro:ACETONE CYANOHYDRIN:Abbreviated Name"),
                         QStringLiteral("tavro:CRUDE ACETONE:Abbreviated Name"),
                         QStringLiteral("jo:DIMETHYL KETONE:SYNONIMS"), QStringLiteral("notes:BENZENE:Note"),
                         QStringLiteral("manual:Tank cleaning:Topic")}));
        QCOMPARE(found(*m_index, QStringLiteral("Acetone"), 2),
                 (QStringList{QStringLiteral("tavro:ACETONE:Abbreviated Name"),
                              QStringLiteral("tavro:ACETONE CYANOHYDRIN:Abbreviated Name")}));
        QCOMPARE(found(*m_index, QStringLiteral("Acetone"), 20, {SearchSource::Jo, SearchSource::Manual}),
                 (QStringList{QStringLiteral("jo:DIMETHYL KETONE:SYNONIMS"),
                              QStringLiteral("manual:Tank cleaning:Topic")}));
    }

    void snippets_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("expected");
        QTest::newRow("name") << "acetic"
                              << "[ACETIC] ACID";
        QTest::newRow("lines joined") << "ventil anyone"
                                      << "[Ventilate] twice after acetone before [anyone] enters";
        QTest::newRow("cut at the end") << "discharge"
                                        << "Tank cleaning After the [discharge] of a ketone such as acetone "
                                           "the tank is washed with water of 60 °C…";
        QTest::newRow("cut at both ends")
            << "washed"
            << "…ketone such as acetone the tank is [washed] with water of 60 °C.";
        QTest::newRow("number") << "67 64 1"
                                << "[67-64-1]";
    }

    void snippets()
    {
        QFETCH(QString, query);
        QFETCH(QString, expected);
        const QList<SearchResult> results = m_index->find(query, 1);
        QCOMPARE(results.size(), 1);
        QCOMPARE(marked(results.first()), expected);
    }

    void hostileQueries_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("expected");
        const QStringList benzene{QStringLiteral("tavro:BENZENE:Abbreviated Name")};
        QTest::newRow("quote") << "\"" << QStringList{};
        QTest::newRow("unbalanced quote") << "benzene\"" << benzene;
        QTest::newRow("operators") << "benzene AND OR NOT" << QStringList{};
        QTest::newRow("near") << "NEAR(benzene" << QStringList{};
        QTest::newRow("star") << "benz*" << benzene;
        QTest::newRow("minus and caret") << "-^benzene" << benzene;
        QTest::newRow("column filter") << "whole:1294" << QStringList{};
        QTest::newRow("SQL") << "'; DROP TABLE documents; --" << QStringList{};
        QTest::newRow("10,000 characters") << QString(10000, u'a') << QStringList{};
        QTest::newRow("10,000 words") << QStringLiteral("benzene ").repeated(1250) << benzene;
        QTest::newRow("control characters") << QStringLiteral("\x01"
                                                              "benzene\x7f\x1b\t")
                                            << benzene;
        QTest::newRow("invalid UTF-8") << QString::fromUtf8("benz\xff\xfe") << benzene;
        QTest::newRow("blanks only") << " \t\n" << QStringList{};
    }

    void hostileQueries()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, expected);
        QCOMPARE(found(*m_index, query), expected);
        QCOMPARE(m_index->units().size(), 4);
    }

    void replaceAndRemove()
    {
        auto index = openIndex(m_dir.filePath(QStringLiteral("replaced/index.sqlite")));
        fill(*index);
        const QList<SearchDocument> xylene{document(SearchSource::Jo, Kind::Name, QStringLiteral("XYLENE"),
                                                    QStringLiteral("PRODUCT"), QStringLiteral("XYLENE"))};
        QVERIFY(index->replace(QStringLiteral("jo"), QStringLiteral("2"), xylene).ok());
        QCOMPARE(found(*index, QStringLiteral("toluol")), QStringList{});
        QCOMPARE(found(*index, QStringLiteral("xylene")), QStringList{QStringLiteral("jo:XYLENE:PRODUCT")});
        QCOMPARE(index->signature(QStringLiteral("jo")), QStringLiteral("2"));

        QVERIFY(index->remove(QStringLiteral("jo")).ok());
        QCOMPARE(found(*index, QStringLiteral("xylene")), QStringList{});
        QCOMPARE(index->signature(QStringLiteral("jo")), QString());
        QCOMPARE(index->units(), (QStringList{QStringLiteral("manual:Cleaning.hlp"), QStringLiteral("notes"),
                                              QStringLiteral("tavro")}));
        QVERIFY(index->remove(QStringLiteral("never stored")).ok());
    }

    void reopened()
    {
        const QString path = m_dir.filePath(QStringLiteral("reopened/index.sqlite"));
        fill(*openIndex(path));
        const auto index = openIndex(path);
        QVERIFY(!index->inMemory());
        QCOMPARE(index->signature(QStringLiteral("tavro")), QStringLiteral("1"));
        QCOMPARE(found(*index, QStringLiteral("cyanohidrn")),
                 QStringList{QStringLiteral("tavro:ACETONE CYANOHYDRIN:Abbreviated Name")});
    }

    void madeAnew_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("not a database") << "text";
        QTest::newRow("a damaged page") << "page";
        QTest::newRow("another version") << "version";
    }

    void madeAnew()
    {
        QFETCH(QString, damage);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("index.sqlite"));
        if (damage == QLatin1String("text")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(20000, 'x'));
        } else {
            fill(*openIndex(path));
            if (damage == QLatin1String("page")) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::ReadWrite));
                QVERIFY(file.seek(4096));
                file.write(QByteArray(4096, '\xff'));
            } else {
                sqlite3* db = nullptr;
                QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
                QCOMPARE(sqlite3_exec(db, "PRAGMA user_version = 99", nullptr, nullptr, nullptr), SQLITE_OK);
                sqlite3_close(db);
            }
        }
        const auto index = openIndex(path);
        QVERIFY(!index->inMemory());
        QCOMPARE(index->units(), QStringList{});
        fill(*index);
        QCOMPARE(found(*index, QStringLiteral("toluol")), QStringList{QStringLiteral("jo:TOLUENE:SYNONIMS")});
    }

    void unwritableFolderKeepsItInMemory()
    {
        // A folder that cannot be made, whoever runs the test: a file stands where it should be.
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("cache")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        const QString path = dir.filePath(QStringLiteral("cache/index.sqlite"));
        const auto writer = openIndex(path);
        QVERIFY(writer->inMemory());
        fill(*writer);
        // Another connection on the same path shares it.
        const auto searcher = openIndex(path);
        QVERIFY(searcher->inMemory());
        QCOMPARE(found(*searcher, QStringLiteral("toluol")),
                 QStringList{QStringLiteral("jo:TOLUENE:SYNONIMS")});
        QCOMPARE(openIndex(QString())->units(), QStringList{});
    }

    void searchWhileAnotherWrites_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("file") << m_dir.filePath(QStringLiteral("concurrent/index.sqlite"));
        QTest::newRow("memory") << QString();
    }

    void searchWhileAnotherWrites()
    {
        QFETCH(QString, path);
        const auto opened = SearchIndex::open(path, QStringLiteral("concurrent"));
        QVERIFY(opened.ok());
        SearchIndex& writer = **opened;
        const auto searcher = SearchIndex::open(path, QStringLiteral("concurrent"));
        QVERIFY(searcher.ok());
        // Each version of the unit has 500 names: a search sees all of one version, never a part.
        const auto version = [](const QString& word) {
            QList<SearchDocument> documents;
            for (int i = 0; i < 500; ++i)
                documents.append(name(SearchSource::Tavro, QStringLiteral("%1 CARGO %2").arg(word).arg(i)));
            return documents;
        };
        QVERIFY(writer.replace(QStringLiteral("tavro"), QStringLiteral("old"), version(QStringLiteral("old")))
                    .ok());
        std::thread writing([&] {
            for (int turn = 0; turn < 20; ++turn) {
                const QString word = turn % 2 ? QStringLiteral("old") : QStringLiteral("new");
                if (!writer.replace(QStringLiteral("tavro"), word, version(word)))
                    qFatal("the writer failed");
            }
        });
        QStringList seen;
        for (int i = 0; i < 50; ++i) {
            QSet<QString> versions;
            const QList<SearchResult> results = (*searcher)->find(QStringLiteral("cargo"), 1000);
            for (const SearchResult& result : results)
                versions.insert(result.name.section(u' ', 0, 0));
            seen.append(QStringLiteral("%1 in %2").arg(results.size()).arg(versions.size()));
        }
        writing.join();
        QCOMPARE(seen.filter(QStringLiteral("500 in 1")).size(), seen.size());
    }

    void fullDiskKeepsTheOldDocuments()
    {
        SmallFileSystem disk;
        if (!disk.isMounted())
            QSKIP("a full disk needs a file system of its own, which only root can mount");
        const auto index = openIndex(disk.filePath(QStringLiteral("index.sqlite")));
        fill(*index);
        disk.fillLeaving(0);
        QList<SearchDocument> many;
        for (int i = 0; i < 20000; ++i)
            many.append(name(SearchSource::Jo, QStringLiteral("PRODUCT NUMBER %1").arg(i)));
        const Result<> stored = index->replace(QStringLiteral("jo"), QStringLiteral("2"), many);
        QVERIFY(!stored);
        QVERIFY2(stored.error().startsWith(QLatin1String("cannot store jo in the search index: ")),
                 qPrintable(stored.error()));
        QCOMPARE(index->signature(QStringLiteral("jo")), QStringLiteral("1"));
        QCOMPARE(found(*index, QStringLiteral("toluol")), QStringList{QStringLiteral("jo:TOLUENE:SYNONIMS")});
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SearchIndex> m_index;
};

VELCARIN_TEST_GUILESS_MAIN(TestSearchIndex)
#include "tst_searchindex.moc"
