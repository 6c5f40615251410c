#include "data/Database.h"
#include "data/PersonalNotes.h"
#include "support/TestSupport.h"

#include <QSqlQuery>

using PersonalNotes::Note;

namespace {

// Two rows share a name and an ID number; one note is NULL, one empty.
const QString Cargoes = QStringLiteral(R"(
    CREATE TABLE CleaningA ("Abbreviated Name" TEXT, "ID  Number" TEXT, "Personal Notes" TEXT, Other TEXT);
    INSERT INTO CleaningA VALUES ('TOLUENE', '1061', NULL, 'x');
    INSERT INTO CleaningA VALUES ('ACETONE', '1003', 'Wash twice.', 'x');
    INSERT INTO CleaningA VALUES ('ETHYL ACETATE', '1024', '', 'x');
    INSERT INTO CleaningA VALUES ('ETHYL ACETATE', '1024', NULL, 'x');
    INSERT INTO CleaningA VALUES ('BENZENE', NULL, NULL, 'x');
)");

const QString Multiline =
    QStringLiteral("Line one\r\nLine two – Bjørn’s “note”: 20 °C\r\n\r\n\ttab, \\ and \"");

} // namespace

class TestPersonalNotes : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    Database m_database;

    QString notesOf(const QString& name, const QString& id = QString()) const
    {
        QSqlQuery query(m_database.connection());
        query.prepare(QStringLiteral(R"(select "Personal Notes" from CleaningA where "Abbreviated Name" = ? )"
                                     R"(and coalesce("ID  Number", '') = ? order by rowid)"));
        query.addBindValue(name);
        query.addBindValue(id.isNull() ? QStringLiteral("") : id);
        QStringList notes;
        if (query.exec()) {
            while (query.next())
                notes << (query.value(0).isNull() ? QStringLiteral("NULL") : query.value(0).toString());
        }
        return notes.join(QLatin1Char('|'));
    }

private Q_SLOTS:
    void init()
    {
        m_database = {};
        m_folder.createDatabase(QStringLiteral("cleaning.mdb"), Cargoes);
        const Result<Database> database =
            Database::open(m_folder.filePath(QStringLiteral("cleaning.mdb")), false);
        QVERIFY2(database, qPrintable(database.error()));
        m_database = *database;
    }

    void readsEveryNoteInListOrder()
    {
        m_folder.runSql(QStringLiteral("cleaning.mdb"),
                        QStringLiteral("UPDATE CleaningA SET \"Personal Notes\" = ") + sqlText(Multiline) +
                            QStringLiteral(" WHERE \"Abbreviated Name\" = 'TOLUENE';"
                                           "UPDATE CleaningA SET \"Personal Notes\" = 'b' WHERE "
                                           "\"Abbreviated Name\" = 'BENZENE';"));
        const Result<QList<Note>> notes = PersonalNotes::read(m_database);
        QVERIFY2(notes, qPrintable(notes.error()));
        QCOMPARE(*notes, (QList<Note>{{QStringLiteral("ACETONE"), QStringLiteral("1003"),
                                       QStringLiteral("Wash twice.")},
                                      {QStringLiteral("BENZENE"), QString(), QStringLiteral("b")},
                                      {QStringLiteral("TOLUENE"), QStringLiteral("1061"), Multiline}}));
    }

    void jsonIsUtf8OneNoteALine()
    {
        const QByteArray json = PersonalNotes::toJson(
            {{QStringLiteral("ACETONE"), QStringLiteral("1003"), QStringLiteral("a\r\nb")},
             {QStringLiteral("BUTYL O'ACETATE"), QString(), QStringLiteral("Æ ø “20 °C” \"x\" \\")}});
        QCOMPARE(json, QByteArray("[\n"
                                  "  {\"name\": \"ACETONE\", \"id\": \"1003\", \"notes\": \"a\\r\\nb\"},\n"
                                  "  {\"name\": \"BUTYL O'ACETATE\", \"id\": \"\", \"notes\": "
                                  "\"\xC3\x86 \xC3\xB8 \xE2\x80\x9C"
                                  "20 \xC2\xB0"
                                  "C\xE2\x80\x9D \\\"x\\\" \\\\\"}\n"
                                  "]\n"));
        QCOMPARE(PersonalNotes::toJson({}), QByteArray("[\n]\n"));
    }

    void jsonRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("lines and non-ASCII") << Multiline;
        QTest::newRow("bare line feeds and a CR alone") << QStringLiteral("a\nb\rc\r\n");
        QTest::newRow("control characters") << QStringLiteral("\x01\x1f end");
        QTest::newRow("outside the basic plane") << QString::fromUtf8("\xF0\x9F\x9A\xA2 ship");
        QTest::newRow("blanks only") << QStringLiteral("   ");
    }

    void jsonRoundTrip()
    {
        QFETCH(QString, text);
        const QList<Note> notes{{QStringLiteral("A'B \"C\""), QStringLiteral("7"), text}};
        const Result<QList<Note>> back = PersonalNotes::fromJson(PersonalNotes::toJson(notes));
        QVERIFY2(back, qPrintable(back.error()));
        QCOMPARE(*back, notes);
        QCOMPARE(back->first().text.toUtf8(), text.toUtf8());
    }

    void badJson_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("error");
        QTest::newRow("not JSON") << QByteArray("[{\"name\": ") << QStringLiteral("not JSON: ");
        QTest::newRow("an object") << QByteArray("{\"name\": \"A\"}")
                                   << QStringLiteral("not a list of notes");
        QTest::newRow("no notes")
            << QByteArray("[{\"name\": \"A\", \"id\": \"1\", \"notes\": \"x\"}, {\"name\": \"B\"}]")
            << QStringLiteral("note 2 is not");
        QTest::newRow("a number for the ID") << QByteArray("[{\"name\": \"A\", \"id\": 1, \"notes\": \"x\"}]")
                                             << QStringLiteral("note 1 is not");
        QTest::newRow("a list in the list")
            << QByteArray("[[\"A\", \"1\", \"x\"]]") << QStringLiteral("note 1 is not");
        QTest::newRow("broken UTF-8") << QByteArray("[{\"name\": \"\xC3\", \"id\": \"1\", \"notes\": \"x\"}]")
                                      << QStringLiteral("not JSON: ");
        // Half of a surrogate pair alone is no character: Qt would join it with the next one.
        const QString half =
            QStringLiteral("note %1 holds \"%2\", half of a character without its other half");
        QTest::newRow("a lone high half")
            << QByteArray("[{\"name\": \"A\", \"id\": \"1\", \"notes\": \"x\"},\n"
                          " {\"name\": \"B\", \"id\": \"2\", \"notes\": \"lone \\ud800 high\"}]")
            << half.arg(2).arg(QStringLiteral("\\ud800"));
        QTest::newRow("a lone low half in a name")
            << QByteArray("[[1, {\"x\": [2]}], {\"name\": \"\\uDC00B\", \"id\": \"2\", \"notes\": \"x\"}]")
            << half.arg(2).arg(QStringLiteral("\\uDC00"));
        QTest::newRow("two high halves")
            << QByteArray("[{\"name\": \"A\", \"notes\": \"\\ud83d\\ud83d\\ude00\"}]")
            << half.arg(1).arg(QStringLiteral("\\ud83d"));
    }

    void badJson()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, error);
        const Result<QList<Note>> notes = PersonalNotes::fromJson(json);
        QVERIFY(!notes);
        QVERIFY2(notes.error().startsWith(error), qPrintable(notes.error()));
    }

    // Where a file that is not JSON goes wrong, as an editor counts lines and characters.
    void whereJsonGoesWrong_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("error");
        QTest::newRow("a comma missing between members")
            << QByteArray("[\n  {\"name\": \"ACETONE\",\n   \"id\": \"1090\"\n  \"notes\": \"x\"}\n]")
            << QStringLiteral("not JSON: line 4, column 3: a ',' or '}' was expected");
        QTest::newRow("a colon missing") << QByteArray("[{\"name\" \"A\"}]")
                                         << QStringLiteral("not JSON: line 1, column 10: a ':' was expected");
        QTest::newRow("a comma missing between notes")
            << QByteArray("[{\"name\": \"A\"}\n {\"name\": \"B\"}]")
            << QStringLiteral("not JSON: line 2, column 2: a ',' or ']' was expected");
        QTest::newRow("columns in characters, not bytes")
            << QByteArray("[{\"name\": \"Ölrückstände\" \"id\": \"1\"}]")
            << QStringLiteral("not JSON: line 1, column 26: a ',' or '}' was expected");
        QTest::newRow("a word that is no value")
            << QByteArray("[nul]") << QStringLiteral("not JSON: line 1, column 2: a value was expected");
        QTest::newRow("a word that is no value, first")
            << QByteArray("nul") << QStringLiteral("not JSON: line 1, column 1: a value was expected");
        QTest::newRow("a comma before the end")
            << QByteArray("[1,]") << QStringLiteral("not JSON: line 1, column 4: a value was expected");
        QTest::newRow("a number without digits")
            << QByteArray("[1.e]") << QStringLiteral("not JSON: line 1, column 5: a digit was expected");
        QTest::newRow("more after the end")
            << QByteArray("[]\n]")
            << QStringLiteral("not JSON: line 2, column 1: the end of the text was expected");
        QTest::newRow("a text not closed")
            << QByteArray("[\"abc") << QStringLiteral("not JSON: line 1, column 6: the text ends too early");
        QTest::newRow("the end after a comma")
            << QByteArray("[{\"name\": \"A\"},\n")
            << QStringLiteral("not JSON: line 2, column 1: the text ends too early");
        QTest::newRow("empty") << QByteArray()
                               << QStringLiteral("not JSON: line 1, column 1: the text ends too early");
    }

    void whereJsonGoesWrong()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, error);
        const Result<QList<Note>> notes = PersonalNotes::fromJson(json);
        QVERIFY(!notes);
        QCOMPARE(notes.error(), error);
    }

    void escapedPairIsOneCharacter()
    {
        const Result<QList<Note>> notes = PersonalNotes::fromJson(
            "[{\"name\": \"\\ud83d\\udea2 \\\"\", \"id\": null, \"notes\": \"\\\\ud800\"}]");
        QVERIFY2(notes, qPrintable(notes.error()));
        QCOMPARE(notes->first().name, QString::fromUtf8("\xF0\x9F\x9A\xA2 \""));
        QCOMPARE(notes->first().text, QStringLiteral("\\ud800"));
    }

    void nullIdIsAnEmptyId()
    {
        const Result<QList<Note>> notes =
            PersonalNotes::fromJson("[{\"name\": \"BENZENE\", \"id\": null, \"notes\": \"n\"}]");
        QVERIFY2(notes, qPrintable(notes.error()));
        const Result<PersonalNotes::Placement> placement =
            PersonalNotes::write(m_database, *notes, PersonalNotes::Different::Keep);
        QVERIFY2(placement, qPrintable(placement.error()));
        QCOMPARE(placement->filled.size(), 1);
        QCOMPARE(notesOf(QStringLiteral("BENZENE")), QStringLiteral("n"));
    }

    void placement_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("outcome"); // filled, equal, replaced, different, noCargo or skipped
        QTest::addColumn<QString>("stored");  // the cargo's notes afterwards, rows joined by |

        const QString acetone = QStringLiteral("ACETONE");
        const QString id = QStringLiteral("1003");
        QTest::newRow("NULL note filled") << QStringLiteral("TOLUENE") << QStringLiteral("1061") << Multiline
                                          << false << QStringLiteral("filled") << Multiline;
        QTest::newRow("equal note left") << acetone << id << QStringLiteral("Wash twice.") << false
                                         << QStringLiteral("equal") << QStringLiteral("Wash twice.");
        QTest::newRow("different note kept") << acetone << id << QStringLiteral("Other") << false
                                             << QStringLiteral("different") << QStringLiteral("Wash twice.");
        QTest::newRow("different note replaced") << acetone << id << QStringLiteral("Other") << true
                                                 << QStringLiteral("replaced") << QStringLiteral("Other");
        QTest::newRow("equal note with replace") << acetone << id << QStringLiteral("Wash twice.") << true
                                                 << QStringLiteral("equal") << QStringLiteral("Wash twice.");
        QTest::newRow("other ID number") << acetone << QStringLiteral("1004") << QStringLiteral("x") << true
                                         << QStringLiteral("noCargo") << QString();
        QTest::newRow("name in another case") << QStringLiteral("acetone") << id << QStringLiteral("x")
                                              << true << QStringLiteral("noCargo") << QString();
        QTest::newRow("empty note places nothing")
            << acetone << id << QString() << true << QStringLiteral("skipped")
            << QStringLiteral("Wash twice.");
        QTest::newRow("first of two equal cargoes")
            << QStringLiteral("ETHYL ACETATE") << QStringLiteral("1024") << QStringLiteral("e") << false
            << QStringLiteral("filled") << QStringLiteral("e|NULL");
    }

    void placement()
    {
        QFETCH(QString, name);
        QFETCH(QString, id);
        QFETCH(QString, text);
        QFETCH(bool, replace);
        QFETCH(QString, outcome);
        QFETCH(QString, stored);
        const Note note{name, id, text};
        const Result<PersonalNotes::Placement> placement = PersonalNotes::write(
            m_database, {note}, replace ? PersonalNotes::Different::Replace : PersonalNotes::Different::Keep);
        QVERIFY2(placement, qPrintable(placement.error()));
        const QList<std::pair<QString, QList<Note>>> lists{
            {QStringLiteral("filled"), placement->filled},
            {QStringLiteral("equal"), placement->equal},
            {QStringLiteral("replaced"), placement->replaced},
            {QStringLiteral("different"), placement->different},
            {QStringLiteral("noCargo"), placement->noCargo},
        };
        for (const auto& [list, notes] : lists)
            QCOMPARE(notes, list == outcome ? QList<Note>{note} : QList<Note>{});
        QCOMPARE(placement->allPlaced(),
                 outcome != QLatin1String("different") && outcome != QLatin1String("noCargo"));
        QCOMPARE(notesOf(name, id), stored);
    }

    void notesOfTwoEqualCargoesGoOneEach()
    {
        const QList<Note> notes{
            {QStringLiteral("ETHYL ACETATE"), QStringLiteral("1024"), QStringLiteral("first")},
            {QStringLiteral("ETHYL ACETATE"), QStringLiteral("1024"), QStringLiteral("second")},
            {QStringLiteral("ETHYL ACETATE"), QStringLiteral("1024"), QStringLiteral("third")},
            {QStringLiteral("ETHYL ACETATE"), QStringLiteral("1024"), QStringLiteral("first")}};
        const Result<PersonalNotes::Placement> placement =
            PersonalNotes::write(m_database, notes, PersonalNotes::Different::Keep);
        QVERIFY2(placement, qPrintable(placement.error()));
        QCOMPARE(placement->filled, notes.mid(0, 2));
        // Named once more than there are such cargoes: no cargo is missing.
        QCOMPARE(placement->noCargo, QList<Note>());
        QCOMPARE(placement->repeated, notes.mid(2, 1));
        QCOMPARE(placement->repeatedSame, notes.mid(3));
        QVERIFY(!placement->allPlaced());
        QCOMPARE(notesOf(QStringLiteral("ETHYL ACETATE"), QStringLiteral("1024")),
                 QStringLiteral("first|second"));
        // Read back in the same order, they go to the same cargoes again.
        const Result<QList<Note>> read = PersonalNotes::read(m_database);
        QVERIFY(read);
        QCOMPARE(read->mid(1, 2), notes.mid(0, 2));
    }

    void allOrNothing()
    {
        // The engine refuses the second note: the first one, written before, does not stay either.
        QSqlQuery trigger(m_database.connection());
        QVERIFY(trigger.exec(QStringLiteral("create trigger refuse before update on CleaningA when "
                                            "old.\"Abbreviated Name\" = 'TOLUENE' begin "
                                            "select raise(abort, 'the engine refuses'); end")));
        const QList<Note> notes{
            {QStringLiteral("BENZENE"), QString(), QStringLiteral("first")},
            {QStringLiteral("TOLUENE"), QStringLiteral("1061"), QStringLiteral("second")}};
        const Result<PersonalNotes::Placement> placement =
            PersonalNotes::write(m_database, notes, PersonalNotes::Different::Keep);
        QVERIFY(!placement);
        QCOMPARE(placement.error(), QStringLiteral("the engine refuses"));
        QCOMPARE(notesOf(QStringLiteral("BENZENE")), QStringLiteral("NULL"));
        QCOMPARE(notesOf(QStringLiteral("TOLUENE"), QStringLiteral("1061")), QStringLiteral("NULL"));
    }

    void noCargoTable()
    {
        m_folder.createDatabase(QStringLiteral("other.db"), QStringLiteral("CREATE TABLE Cargoes (x TEXT);"));
        const Result<Database> other = Database::open(m_folder.filePath(QStringLiteral("other.db")), false);
        QVERIFY(other);
        const Result<QList<Note>> read = PersonalNotes::read(*other);
        QVERIFY(!read);
        QCOMPARE(read.error(), QStringLiteral("no such table: CleaningA"));
        const Result<PersonalNotes::Placement> written =
            PersonalNotes::write(*other, {}, PersonalNotes::Different::Keep);
        QVERIFY(!written);
        QCOMPARE(written.error(), QStringLiteral("no such table: CleaningA"));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestPersonalNotes)
#include "tst_personalnotes.moc"
