#include "app/FrmTabClean.h"
#include "data/Criterion.h"
#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/RecordSet.h"
#include "data/RecordSources.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "data/legacy/AccessReader.h"
#include "data/legacy/DatabaseContent.h"
#include "data/legacy/LegacyFixtures.h"
#include "data/legacy/LegacyImport.h"
#include "shell/TextBox.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// The records of a CSV file as mdb-export writes it: quoted values may hold quotes (doubled) and line breaks.
QList<QStringList> csvRecords(const QString& text)
{
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"'))
                field += text.at(++i);
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            record << std::exchange(field, QString());
        } else if (c == QLatin1Char('\n')) {
            record << std::exchange(field, QString());
            records << std::exchange(record, QStringList());
        } else {
            field += c;
        }
    }
    return records;
}

const QString CrudeOilNote =
    QStringLiteral("Sample personal note, line 1: CRUDE OIL discharged at sample port.\r\n"
                   "Line 2: tank 3S needed a second rinse.\r\n"
                   "Line 3: (fictitious test text)");

} // namespace

// The four legacy Access files imported once into a data folder of their own.
class TestLegacyImport : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    QHash<QString, QByteArray> m_sourceHashes;
    QHash<QString, Database> m_databases;

    QSqlQuery query(const QString& fileName, const QString& sql)
    {
        QString error;
        // Open as long as the test runs: a query ends with its connection.
        if (!m_databases.contains(fileName)) {
            const Result<Database> database = Database::open(m_folder.filePath(fileName), true);
            error = database.error();
            m_databases.insert(fileName, database ? *database : Database());
        }
        QSqlQuery query(m_databases.value(fileName).connection());
        if (!query.exec(sql))
            qWarning("%s: %s", qPrintable(sql), qPrintable(error));
        return query;
    }

    RecordSet cargoes()
    {
        const Result<Database> database = Store(m_folder.path()).open(Schema::CleaningFile);
        const Result<RecordSet> set = database ? RecordSet::open(*database, RecordSources::DtaA)
                                               : Result<RecordSet>(Failure{database.error()});
        if (!set)
            qWarning("%s", qPrintable(set.error()));
        return set ? *set : RecordSet();
    }

private Q_SLOTS:
    void initTestCase()
    {
        for (const DatabaseSchema& schema : Schema::databases()) {
            const QString source = legacyFile(schema.fileName);
            m_sourceHashes.insert(schema.fileName,
                                  QCryptographicHash::hash(contentOf(source), QCryptographicHash::Sha256));
            const Result<LegacyImport::Imported> result =
                LegacyImport::run(source, m_folder.filePath(schema.fileName), QStringLiteral(".bak"));
            QVERIFY2(result, qPrintable(result.error()));
            QCOMPARE(result->warnings, QStringList());
            QCOMPARE(result->keptAs, QString());
        }
    }

    void summarisesTheTables_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("tables");
        QTest::addColumn<QList<qint64>>("rows");
        QTest::newRow("cleaning") << Schema::CleaningFile << QStringList{QStringLiteral("CleaningA")}
                                  << QList<qint64>{62};
        QTest::newRow("Jo Tankers") << Schema::JoTankersFile << QStringList{QStringLiteral("Cargoes")}
                                    << QList<qint64>{22};
        QTest::newRow("Henkel") << Schema::HenkelFile
                                << QStringList{QStringLiteral("VegOils"), QStringLiteral("Additional"),
                                               QStringLiteral("Solutions")}
                                << QList<qint64>{11, 10, 10};
        QTest::newRow("unitor") << Schema::UnitorFile << QStringList{QStringLiteral("Unitor")}
                                << QList<qint64>{26};
    }

    void summarisesTheTables()
    {
        QFETCH(QString, fileName);
        QFETCH(QStringList, tables);
        QFETCH(QList<qint64>, rows);
        // Into a folder of its own, to see the summary the import gives.
        TestDataFolder folder;
        const Result<LegacyImport::Imported> result =
            LegacyImport::run(legacyFile(fileName), folder.filePath(fileName), QStringLiteral(".bak"));
        QVERIFY2(result, qPrintable(result.error()));
        QStringList names;
        QList<qint64> counts;
        for (const LegacyImport::TableSummary& table : result->tables) {
            names << table.name;
            counts << table.rows;
        }
        QCOMPARE(names, tables);
        QCOMPARE(counts, rows);
        QCOMPARE(probeDatabaseFile(folder.filePath(fileName)), DatabaseFileKind::SQLite);
        // Nothing but the database is left behind.
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{fileName});
    }

    void everyTableAsExported_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("table");
        QTest::newRow("CleaningA") << Schema::CleaningFile << QStringLiteral("CleaningA");
        QTest::newRow("Cargoes") << Schema::JoTankersFile << QStringLiteral("Cargoes");
        QTest::newRow("VegOils") << Schema::HenkelFile << QStringLiteral("VegOils");
        QTest::newRow("Additional") << Schema::HenkelFile << QStringLiteral("Additional");
        QTest::newRow("Solutions") << Schema::HenkelFile << QStringLiteral("Solutions");
        QTest::newRow("Unitor") << Schema::UnitorFile << QStringLiteral("Unitor");
    }

    void everyTableAsExported()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, table);
        const QList<QStringList> expected = csvRecords(
            QString::fromUtf8(contentOf(legacyFile(QStringLiteral("expected/%1.csv").arg(table)))));
        QVERIFY(expected.size() > 1);

        QSqlQuery rows = query(fileName, QStringLiteral("select * from \"%1\" order by rowid").arg(table));
        QStringList header;
        for (int i = 0; i < rows.record().count(); ++i)
            header << rows.record().fieldName(i);
        QCOMPARE(header, expected.first());
        qsizetype row = 1;
        for (; rows.next(); ++row) {
            QVERIFY2(row < expected.size(), "more rows than exported");
            QStringList values;
            for (int i = 0; i < header.size(); ++i)
                values << rows.value(i).toString();
            QCOMPARE(values, expected.at(row));
        }
        QCOMPARE(row, expected.size());
    }

    void keepsNullApartFromZeroLength_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("nulls");
        QTest::addColumn<int>("zeroLength");
        QTest::newRow("CleaningA") << Schema::CleaningFile << QStringLiteral("CleaningA") << 310 << 26;
        QTest::newRow("Cargoes") << Schema::JoTankersFile << QStringLiteral("Cargoes") << 54 << 0;
        QTest::newRow("VegOils") << Schema::HenkelFile << QStringLiteral("VegOils") << 2 << 0;
        QTest::newRow("Additional") << Schema::HenkelFile << QStringLiteral("Additional") << 1 << 0;
        QTest::newRow("Solutions") << Schema::HenkelFile << QStringLiteral("Solutions") << 2 << 0;
        QTest::newRow("Unitor") << Schema::UnitorFile << QStringLiteral("Unitor") << 1 << 0;
    }

    void keepsNullApartFromZeroLength()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, table);
        QFETCH(int, nulls);
        QFETCH(int, zeroLength);
        QSqlQuery rows = query(fileName, QStringLiteral("select * from \"%1\"").arg(table));
        int nullCount = 0;
        int zeroLengthCount = 0;
        while (rows.next()) {
            for (int i = 0; i < rows.record().count(); ++i) {
                nullCount += rows.isNull(i) ? 1 : 0;
                zeroLengthCount += !rows.isNull(i) && rows.value(i).toString().isEmpty() ? 1 : 0;
            }
        }
        QCOMPARE(nullCount, nulls);
        QCOMPARE(zeroLengthCount, zeroLength);
    }

    void cargoValues_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("null");

        QTest::newRow("multi-line note")
            << QStringLiteral("CRUDE OIL") << QStringLiteral("Personal Notes") << CrudeOilNote << false;
        QTest::newRow("non-ASCII note")
            << QStringLiteral("TALL OIL CRUDE") << QStringLiteral("Personal Notes")
            << QStringLiteral("Ölrückstände – ≥ 60 °C Spülwasser; Beispielnotiz (sample note, fictitious).")
            << false;
        QTest::newRow("apostrophe in the name")
            << QStringLiteral("BUTYL O'ACETATE") << QStringLiteral("Abbreviated Name")
            << QStringLiteral("BUTYL O'ACETATE") << false;
        QTest::newRow("apostrophe in the full name")
            << QStringLiteral("DIETHANOLAMINE") << QStringLiteral("Full Name")
            << QStringLiteral("2,2'-Iminodiethanol") << false;
        QTest::newRow("trailing blank") << QStringLiteral("TOLUENE ") << QStringLiteral("Abbreviated Name")
                                        << QStringLiteral("TOLUENE ") << false;
        QTest::newRow("first of two names") << QStringLiteral("ETHYL ACETATE") << QStringLiteral("Full Name")
                                            << QStringLiteral("Ethyl ethanoate") << false;
        QTest::newRow("two blanks in the field name")
            << QStringLiteral("ACETONE") << QStringLiteral("ID  Number") << QStringLiteral("1007") << false;
        QTest::newRow("no notes") << QStringLiteral("ALLYL ALCOHOL") << QStringLiteral("Personal Notes")
                                  << QString() << true;
        QTest::newRow("no temperature code")
            << QStringLiteral("AATREX") << QStringLiteral("Water Temperature") << QString() << true;
        QTest::newRow("no hazard rating")
            << QStringLiteral("COTTONSEED OIL") << QStringLiteral("H1") << QString() << true;
        for (const char* field :
             {"Cleaning Code", "Water Temperature", "Notes", "Pollution Category", "Compatability Chart No",
              "CLASS", "H1", "H2", "H3", "ID  Number", "United No", "Personal Notes", "Remarks"}) {
            QTest::addRow("zero-length %s", field)
                << QStringLiteral("WHITE SPIRIT 100/140") << QString::fromLatin1(field) << QString() << false;
        }
    }

    void cargoValues()
    {
        QFETCH(QString, name);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, null);
        RecordSet set = cargoes();
        QVERIFY(set.findFirst(Criterion::build(CriterionPrefixes::CleaningName, name)));
        QVERIFY2(set.fieldIndex(field) >= 0, qPrintable(field));
        QCOMPARE(set.value(field), value);
        QCOMPARE(set.value(field).isNull(), null);
    }

    void duplicateNamesStayInOrder()
    {
        QSqlQuery rows =
            query(Schema::CleaningFile,
                  QStringLiteral("select \"Full Name\" from CleaningA where \"Abbreviated Name\" = "
                                 "'ETHYL ACETATE' order by rowid"));
        QStringList fullNames;
        while (rows.next())
            fullNames << rows.value(0).toString();
        QCOMPARE(fullNames, (QStringList{QStringLiteral("Ethyl ethanoate"),
                                         QStringLiteral("Acetic acid ethyl ester (second record)")}));
    }

    void longMemos_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("length");
        QTest::newRow("remarks of a cargo")
            << Schema::CleaningFile
            << QStringLiteral(
                   "select Remarks from CleaningA where \"Abbreviated Name\" = 'LUBE OIL ADDITIVE'")
            << 6061;
        QTest::newRow("final cleaning of an oil")
            << Schema::HenkelFile << QStringLiteral("select Final from VegOils where Product = 'TALLOW'")
            << 6084;
    }

    void longMemos()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, sql);
        QFETCH(int, length);
        QSqlQuery rows = query(fileName, sql);
        QVERIFY(rows.next());
        const QString text = rows.value(0).toString();
        QCOMPARE(text.size(), length);
        QVERIFY(text.contains(QLatin1String("\r\n")));
    }

    void indexesTheSearchedColumns_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("indexed");
        QTest::newRow("cleaning") << Schema::CleaningFile
                                  << QStringList{QStringLiteral("CleaningA.Abbreviated Name")};
        QTest::newRow("Jo Tankers") << Schema::JoTankersFile
                                    << QStringList{QStringLiteral("Cargoes.PRODUCT")};
        QTest::newRow("Henkel") << Schema::HenkelFile
                                << QStringList{QStringLiteral("Additional.Chemical"),
                                               QStringLiteral("Solutions.Mixture"),
                                               QStringLiteral("VegOils.Product")};
        QTest::newRow("unitor") << Schema::UnitorFile << QStringList{QStringLiteral("Unitor.Name")};
    }

    void indexesTheSearchedColumns()
    {
        // A look-up by name finds its row through an index of the converted file, as of the shipped one.
        QFETCH(QString, fileName);
        QFETCH(QStringList, indexed);
        const QString indexes =
            QStringLiteral("select m.tbl_name || '.' || i.name from sqlite_master m, "
                           "pragma_index_info(m.name) i where m.type = 'index' order by 1");
        const Result<Database> shipped = Database::open(QDir(programFolder()).filePath(fileName), true);
        QVERIFY2(shipped, qPrintable(shipped.error()));
        QSqlQuery converted = query(fileName, indexes);
        QSqlQuery original(indexes, shipped->connection());
        for (QSqlQuery* rows : {&converted, &original}) {
            QStringList found;
            while (rows->next())
                found << rows->value(0).toString();
            QCOMPARE(found, indexed);
        }
    }

    void columnsKeepTheirNames()
    {
        // Every field the program reads, in order, with the names character for character.
        for (const DatabaseSchema& schema : Schema::databases()) {
            for (const TableSchema& table : schema.tables) {
                QSqlQuery rows =
                    query(schema.fileName, QStringLiteral("select * from \"%1\"").arg(table.name));
                QStringList fields;
                for (int i = 0; i < rows.record().count(); ++i)
                    fields << rows.record().fieldName(i);
                QCOMPARE(fields, table.fields);
            }
        }
        QVERIFY(Schema::database(Schema::CleaningFile)
                    ->tables.first()
                    .fields.contains(QStringLiteral("ID  Number")));
        QCOMPARE(Store(m_folder.path()).problems(), QStringList());
    }

    void sourcesAreNeverWritten()
    {
        for (const DatabaseSchema& schema : Schema::databases())
            QCOMPARE(
                QCryptographicHash::hash(contentOf(legacyFile(schema.fileName)), QCryptographicHash::Sha256),
                m_sourceHashes.value(schema.fileName));
    }

    void operatorTabShowsImportedNotes_data()
    {
        QTest::addColumn<QString>("cargo");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<bool>("marked");
        QTest::newRow("notes of three lines") << QStringLiteral("CRUDE OIL") << CrudeOilNote << true;
        QTest::newRow("non-ASCII notes")
            << QStringLiteral("TALL OIL CRUDE")
            << QStringLiteral("Ölrückstände – ≥ 60 °C Spülwasser; Beispielnotiz (sample note, fictitious).")
            << true;
        QTest::newRow("no notes") << QStringLiteral("ALLYL ALCOHOL") << QString() << false;
    }

    void operatorTabShowsImportedNotes()
    {
        QFETCH(QString, cargo);
        QFETCH(QString, notes);
        QFETCH(bool, marked);
        const Store store(m_folder.path());
        FrmTabClean window(store);
        QString error;
        QVERIFY2(window.load(&error), qPrintable(error));
        child<QComboBox>(&window, QStringLiteral("DBCombo1"))->setEditText(cargo);
        QCOMPARE(child<TextBox>(&window, QStringLiteral("txtPerson"))->text(), notes);
        const QColor colour =
            child<QLabel>(&window, QStringLiteral("lblPersNote"))->palette().color(QPalette::WindowText);
        QCOMPARE(colour == QColor(255, 0, 0), marked);
    }

    void refusesEveryCutOffCopy()
    {
        // Cut within every page and at every page's end: none goes in, and nothing is left behind.
        const QByteArray whole = contentOf(legacyFile(Schema::CleaningFile));
        TestDataFolder folder;
        const QString source = folder.filePath(QStringLiteral("source.mdb"));
        const QString destination = folder.filePath(Schema::CleaningFile);
        for (qsizetype page = 0; page < whole.size(); page += 4096) {
            for (const qsizetype length : {page + 24, page + 1024, page + 4095, page + 4096}) {
                if (length >= whole.size())
                    continue;
                folder.writeFile(QStringLiteral("source.mdb"), whole.left(length));
                const Result<LegacyImport::Imported> result =
                    LegacyImport::run(source, destination, QStringLiteral(".bak"));
                const QString prefix = QStringLiteral("The Access file \"%1\" is damaged: ")
                                           .arg(QDir::toNativeSeparators(source));
                QVERIFY2(result.error().startsWith(prefix), qPrintable(result.error()));
                if (length % 4096 != 0)
                    QCOMPARE(
                        result.error().mid(prefix.size()),
                        QStringLiteral("it is cut off (%1 bytes, not a whole number of its 4096-byte pages).")
                            .arg(length));
                QVERIFY(!result);
                QCOMPARE(
                    QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                    QStringList{QStringLiteral("source.mdb")});
            }
        }
    }

    void differencesAreNamed_data()
    {
        QTest::addColumn<DatabaseContent>("written");
        QTest::addColumn<QString>("difference");

        const DatabaseContent read{{{QStringLiteral("VegOils"), {QStringLiteral("Product")}, 11},
                                    {QStringLiteral("Additional"), {QStringLiteral("Chemical")}, 10}},
                                   QByteArray("sum")};
        QTest::newRow("the same") << read << QString();
        DatabaseContent changed = read;
        changed.tables.removeLast();
        QTest::newRow("a table missing") << changed << QStringLiteral("the table \"Additional\" is missing");
        changed = read;
        changed.tables.first().columns.first() = QStringLiteral("product");
        QTest::newRow("a column renamed")
            << changed << QStringLiteral("the columns of the table \"VegOils\" differ");
        changed = read;
        changed.tables.last().rows = 9;
        QTest::newRow("a row missing")
            << changed << QStringLiteral("the table \"Additional\" holds 9 rows instead of 10");
        changed = read;
        changed.checksum = QByteArray("other");
        QTest::newRow("a value changed") << changed << QStringLiteral("the values differ");
    }

    void differencesAreNamed()
    {
        QFETCH(DatabaseContent, written);
        QFETCH(QString, difference);
        const DatabaseContent read{{{QStringLiteral("VegOils"), {QStringLiteral("Product")}, 11},
                                    {QStringLiteral("Additional"), {QStringLiteral("Chemical")}, 10}},
                                   QByteArray("sum")};
        QCOMPARE(written.differenceFrom(read), difference);
    }

    void checksumTellsValuesApart()
    {
        // NULL, a zero-length text, a zero, and texts that only differ in where one value ends.
        const QList<std::function<void(ContentChecksum&)>> contents{
            [](ContentChecksum& sum) { sum.addNull(); },
            [](ContentChecksum& sum) { sum.addText(""); },
            [](ContentChecksum& sum) { sum.addInteger(0); },
            [](ContentChecksum& sum) { sum.addReal(0.0); },
            [](ContentChecksum& sum) { sum.addBlob(""); },
            [](ContentChecksum& sum) { sum.addText("ab"), sum.addText("c"); },
            [](ContentChecksum& sum) { sum.addText("a"), sum.addText("bc"); },
        };
        QSet<QByteArray> sums;
        for (const auto& add : contents) {
            ContentChecksum checksum;
            add(checksum);
            sums << checksum.result();
        }
        QCOMPARE(sums.size(), contents.size());
    }
};

VELCARIN_TEST_MAIN(TestLegacyImport)
#include "tst_legacyimport.moc"
