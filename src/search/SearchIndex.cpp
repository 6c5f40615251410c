#include "search/SearchIndex.h"

#include "data/SqliteStatement.h"
#include "search/SearchText.h"
#include "search/Snippet.h"
#include "search/Vocabulary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSet>
#include <QUrl>

#include <sqlite3.h>

namespace {

// Raised whenever the tables change, so that an index of an older program is made anew.
constexpr int IndexVersion = 1;

// The text is stored once, in `documents`; the word tables hold only the folded words (contentless), the
// entries' numbers as one word each in a column of their own so that they match whole, the topics without
// columns or positions, the smallest an index can be. `terms` are the words a typo may stand for.
const char* const Schema = R"(
CREATE TABLE units(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, signature TEXT NOT NULL);
CREATE TABLE documents(id INTEGER PRIMARY KEY, unit INTEGER NOT NULL, source INTEGER NOT NULL,
    kind INTEGER NOT NULL, name TEXT NOT NULL, sortKey TEXT NOT NULL, field TEXT NOT NULL,
    file TEXT NOT NULL, topic TEXT NOT NULL, text TEXT NOT NULL);
CREATE INDEX documentsOfUnit ON documents(unit);
CREATE VIRTUAL TABLE entryWords USING fts5(words, whole, content='', detail=column, tokenize='ascii');
CREATE VIRTUAL TABLE topicWords USING fts5(words, content='', detail=none, tokenize='ascii');
CREATE TABLE terms(id INTEGER PRIMARY KEY, term TEXT NOT NULL UNIQUE);
PRAGMA user_version = 1;
)";

// A query of more words is cut to its first ones: no entry holds all of them anyway.
constexpr qsizetype MostWords = 32;

// A writer reading a large manual holds its transaction a while; a search waits for it rather than fail.
constexpr int BusyMilliseconds = 10000;

QString tr(const char* text)
{
    return QCoreApplication::translate("SearchIndex", text);
}

QString engineMessage(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

Result<> execute(sqlite3* db, const char* sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        return Failure{engineMessage(db)};
    return {};
}

// Opens or makes a SQLite file or memory database; nullptr when the engine cannot.
sqlite3* openDatabase(const QByteArray& name, int flags)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(name.constData(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, BusyMilliseconds);
    return db;
}

int userVersion(sqlite3* db)
{
    SqliteStatement statement(db, QStringLiteral("PRAGMA user_version"));
    return statement.next() ? int(statement.integer(0)) : -1;
}

bool isEmpty(sqlite3* db)
{
    SqliteStatement statement(db, QStringLiteral("SELECT count(*) FROM sqlite_schema"));
    return statement.next() && statement.integer(0) == 0;
}

bool isSound(sqlite3* db)
{
    SqliteStatement statement(db, QStringLiteral("PRAGMA quick_check"));
    return statement.next() && statement.text(0) == QLatin1String("ok");
}

// An index file of this version, made when there was none, in the write-ahead mode that lets one
// connection search while another writes; nullptr when it is damaged, of another version or cannot be
// written.
sqlite3* openIndexFile(const QString& path)
{
    sqlite3* db = openDatabase(QFile::encodeName(path), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!db)
        return nullptr;
    const bool usable = sqlite3_db_readonly(db, "main") == 0 &&
                        execute(db, "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL") &&
                        (isEmpty(db) ? bool(execute(db, Schema)) : userVersion(db) == IndexVersion) &&
                        isSound(db);
    if (!usable) {
        sqlite3_close(db);
        return nullptr;
    }
    return db;
}

// The FTS5 query string of one word: quoted, so that no word is ever read as an operator.
QString quoted(const QString& word)
{
    return u'"' + QString(word).replace(u'"', QLatin1String("\"\"")) + u'"';
}

// What the word tables hold of a document: its folded words, or for a number the whole number as one word.
std::pair<QString, QString> wordsOf(SearchDocument::Kind kind, const QString& text)
{
    const QString folded = SearchText::folded(text);
    if (kind == SearchDocument::Kind::Number)
        return {QString(), QString(folded).remove(u' ')};
    return {folded, QString()};
}

} // namespace

SearchIndex::SearchIndex(sqlite3* db, bool inMemory)
    : m_db(db)
    , m_inMemory(inMemory)
    , m_vocabulary(std::make_unique<Vocabulary>())
{
}

SearchIndex::~SearchIndex()
{
    sqlite3_close_v2(m_db);
}

Result<std::unique_ptr<SearchIndex>> SearchIndex::open(const QString& path, const QString& memoryName)
{
    if (!path.isEmpty() && QDir().mkpath(QFileInfo(path).absolutePath())) {
        sqlite3* db = openIndexFile(path);
        if (!db) {
            // Damaged or of another version: made anew.
            for (const char* suffix : {"", "-wal", "-shm"})
                QFile::remove(path + QLatin1String(suffix));
            db = openIndexFile(path);
        }
        if (db)
            return std::unique_ptr<SearchIndex>(new SearchIndex(db, false));
    }
    // In memory, shared by name between the connections of this process.
    const QString name = memoryName.isEmpty() ? path : memoryName;
    const QByteArray uri = name.isEmpty()
                               ? QByteArray(":memory:")
                               : "file:/velcarin-search/" + QUrl::toPercentEncoding(name) + "?vfs=memdb";
    sqlite3* db = openDatabase(uri, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI);
    if (!db)
        return Failure{tr("cannot keep the search index in memory")};
    if (isEmpty(db)) {
        if (const Result<> made = ::execute(db, Schema); !made) {
            const QString reason = engineMessage(db);
            sqlite3_close(db);
            return Failure{tr("cannot make the search index: %1").arg(reason)};
        }
    }
    return std::unique_ptr<SearchIndex>(new SearchIndex(db, true));
}

QString SearchIndex::signature(const QString& unit) const
{
    SqliteStatement statement(m_db, QStringLiteral("SELECT signature FROM units WHERE name = ?1"));
    statement.bind(1, unit);
    return statement.next() ? statement.text(0) : QString();
}

QStringList SearchIndex::units() const
{
    SqliteStatement statement(m_db, QStringLiteral("SELECT name FROM units ORDER BY name"));
    QStringList names;
    while (statement.next())
        names.append(statement.text(0));
    return names;
}

Result<> SearchIndex::replace(const QString& unit, const QString& signature,
                              const QList<SearchDocument>& documents)
{
    Result<> stored = execute("BEGIN IMMEDIATE");
    if (stored) {
        refreshVocabulary();
        const std::optional<qint64> existing = unitId(unit);
        if (existing) {
            stored = removeDocuments(*existing);
            if (stored) {
                SqliteStatement update(m_db, QStringLiteral("UPDATE units SET signature = ?2 WHERE id = ?1"));
                update.bind(1, *existing);
                update.bind(2, signature);
                stored = update.run();
            }
        } else {
            SqliteStatement insert(m_db, QStringLiteral("INSERT INTO units(name, signature) VALUES(?1, ?2)"));
            insert.bind(1, unit);
            insert.bind(2, signature);
            stored = insert.run();
        }
        if (stored)
            stored = insertDocuments(existing ? *existing : sqlite3_last_insert_rowid(m_db), documents);
    }
    return finish(stored, unit);
}

Result<> SearchIndex::remove(const QString& unit)
{
    Result<> removed = execute("BEGIN IMMEDIATE");
    if (removed) {
        if (const std::optional<qint64> existing = unitId(unit)) {
            removed = removeDocuments(*existing);
            if (removed) {
                SqliteStatement erase(m_db, QStringLiteral("DELETE FROM units WHERE id = ?1"));
                erase.bind(1, *existing);
                removed = erase.run();
            }
        }
    }
    return finish(removed, unit);
}

Result<> SearchIndex::finish(Result<> done, const QString& unit)
{
    if (done)
        done = execute("COMMIT");
    if (done)
        return {};
    (void)execute("ROLLBACK");
    // The words added meanwhile are gone with the transaction: read them all again.
    m_vocabulary->clear();
    m_vocabularyRead = 0;
    return Failure{tr("cannot store %1 in the search index: %2").arg(unit, done.error())};
}

Result<> SearchIndex::execute(const char* sql)
{
    return ::execute(m_db, sql);
}

std::optional<qint64> SearchIndex::unitId(const QString& unit) const
{
    SqliteStatement statement(m_db, QStringLiteral("SELECT id FROM units WHERE name = ?1"));
    statement.bind(1, unit);
    if (!statement.next())
        return std::nullopt;
    return statement.integer(0);
}

Result<> SearchIndex::removeDocuments(qint64 unitId)
{
    // The word tables keep no text: a document leaves them by the words it was stored with.
    SqliteStatement documents(m_db, QStringLiteral("SELECT id, kind, text FROM documents WHERE unit = ?1"));
    SqliteStatement entry(m_db, QStringLiteral("INSERT INTO entryWords(entryWords, rowid, words, whole) "
                                               "VALUES('delete', ?1, ?2, ?3)"));
    SqliteStatement topic(
        m_db, QStringLiteral("INSERT INTO topicWords(topicWords, rowid, words) VALUES('delete', ?1, ?2)"));
    documents.bind(1, unitId);
    while (documents.next()) {
        const auto kind = SearchDocument::Kind(documents.integer(1));
        const auto [words, whole] = wordsOf(kind, documents.text(2));
        SqliteStatement& table = kind == SearchDocument::Kind::Topic ? topic : entry;
        table.bind(1, documents.integer(0));
        table.bind(2, words);
        if (kind != SearchDocument::Kind::Topic)
            table.bind(3, whole);
        if (Result<> removed = table.run(); !removed)
            return removed;
    }
    if (Result<> read = documents.finished(); !read)
        return read;
    SqliteStatement erase(m_db, QStringLiteral("DELETE FROM documents WHERE unit = ?1"));
    erase.bind(1, unitId);
    return erase.run();
}

Result<> SearchIndex::insertDocuments(qint64 unitId, const QList<SearchDocument>& documents)
{
    SqliteStatement insert(m_db, QStringLiteral("INSERT INTO documents(unit, source, kind, name, sortKey, "
                                                "field, file, topic, text) VALUES(?1, ?2, ?3, ?4, ?5, ?6, "
                                                "?7, ?8, ?9)"));
    SqliteStatement entry(m_db,
                          QStringLiteral("INSERT INTO entryWords(rowid, words, whole) VALUES(?1, ?2, ?3)"));
    SqliteStatement topic(m_db, QStringLiteral("INSERT INTO topicWords(rowid, words) VALUES(?1, ?2)"));
    SqliteStatement term(m_db, QStringLiteral("INSERT INTO terms(term) VALUES(?1)"));
    for (const SearchDocument& document : documents) {
        insert.bind(1, unitId);
        insert.bind(2, qint64(document.source));
        insert.bind(3, qint64(document.kind));
        insert.bind(4, document.name);
        insert.bind(5, SearchText::folded(document.name));
        insert.bind(6, document.field);
        insert.bind(7, document.file);
        insert.bind(8, document.topic);
        insert.bind(9, document.text);
        if (Result<> inserted = insert.run(); !inserted)
            return inserted;

        const auto [words, whole] = wordsOf(document.kind, document.text);
        const bool isTopic = document.kind == SearchDocument::Kind::Topic;
        SqliteStatement& table = isTopic ? topic : entry;
        table.bind(1, sqlite3_last_insert_rowid(m_db));
        table.bind(2, words);
        if (!isTopic)
            table.bind(3, whole);
        if (Result<> inserted = table.run(); !inserted)
            return inserted;

        for (const QStringView word : QStringView(words).tokenize(u' ', Qt::SkipEmptyParts)) {
            if (Vocabulary::typosAllowed(word) == 0 || m_vocabulary->contains(word))
                continue;
            term.bind(1, word.toString());
            if (Result<> inserted = term.run(); !inserted)
                return inserted;
            m_vocabulary->add(word.toString());
            m_vocabularyRead = sqlite3_last_insert_rowid(m_db);
        }
    }
    return {};
}

void SearchIndex::refreshVocabulary() const
{
    SqliteStatement terms(m_db, QStringLiteral("SELECT id, term FROM terms WHERE id > ?1 ORDER BY id"));
    terms.bind(1, m_vocabularyRead);
    while (terms.next()) {
        m_vocabulary->add(terms.text(1));
        m_vocabularyRead = terms.integer(0);
    }
}

QList<SearchResult> SearchIndex::find(const QString& query, int limit, const QList<SearchSource>& only) const
{
    QStringList words = SearchText::words(query);
    if (words.size() > MostWords)
        words.resize(MostWords);
    if (words.isEmpty() || limit <= 0)
        return {};
    // All of it in one read transaction: the documents found are still there when they are read, whatever
    // the other connection commits meanwhile.
    if (!::execute(m_db, "BEGIN"))
        return {};
    const auto finished = qScopeGuard([this] { (void)::execute(m_db, "COMMIT"); });
    refreshVocabulary();

    // Each word matches the words it starts, or those it misses by a typo; in the entries also a number
    // equal to it, and the whole query may be a number written with blanks or dashes ("67-64-1").
    QStringList entryTerms;
    QStringList topicTerms;
    QStringList typos;
    for (const QString& word : words) {
        QStringList alternatives{quoted(word) + u'*'};
        for (const QString& near : m_vocabulary->near(word)) {
            alternatives.append(quoted(near));
            typos.append(near);
        }
        const QString anyOf = u'(' + alternatives.join(QLatin1String(" OR ")) + u')';
        entryTerms.append(QLatin1String("(words : ") + anyOf + QLatin1String(" OR whole : ") + quoted(word) +
                          u')');
        topicTerms.append(anyOf);
    }
    QString entries = entryTerms.join(QLatin1String(" AND "));
    if (words.size() > 1)
        entries = u'(' + entries + QLatin1String(") OR whole : ") + quoted(words.join(QString()));
    QString sources;
    for (const SearchSource source : only)
        sources += u',' + QString::number(int(source)) + u',';

    const bool takesEntries =
        only.isEmpty() || std::any_of(only.begin(), only.end(),
                                      [](SearchSource source) { return source != SearchSource::Manual; });
    const bool takesTopics = only.isEmpty() || only.contains(SearchSource::Manual);
    QList<qint64> found;
    if (takesEntries)
        found = entriesFound(entries, words.join(u' '), limit, sources);
    if (takesTopics && found.size() < limit)
        found += topicsFound(topicTerms.join(QLatin1String(" AND ")), limit - int(found.size()), sources);

    QList<SearchResult> results;
    results.reserve(found.size());
    for (const qint64 document : found) {
        if (std::optional<SearchResult> result = resultOf(document, words, typos))
            results.append(std::move(*result));
    }
    return results;
}

QList<qint64> SearchIndex::entriesFound(const QString& expression, const QString& query, int limit,
                                        const QString& sources) const
{
    // One row for each entry, by its best document: a name equal to the query, a name starting with it,
    // any other name, a synonym, full name or number, a note.
    SqliteStatement statement(
        m_db, QStringLiteral(
                  "SELECT d.id, min(CASE WHEN d.kind = 0 AND d.sortKey = ?2 THEN 0 "
                  "WHEN d.kind = 0 AND substr(d.sortKey, 1, length(?2)) = ?2 THEN 1 WHEN d.kind = 0 THEN 2 "
                  "WHEN d.kind = 4 THEN 4 ELSE 3 END) AS rank, d.sortKey, d.name "
                  "FROM entryWords JOIN documents d ON d.id = entryWords.rowid "
                  "WHERE entryWords MATCH ?1 AND (?3 = '' OR instr(?3, ',' || d.source || ',') > 0) "
                  "GROUP BY d.source, d.name ORDER BY rank, d.sortKey, d.name, d.source LIMIT ?4"));
    statement.bind(1, expression);
    statement.bind(2, query);
    statement.bind(3, sources);
    statement.bind(4, qint64(limit));
    QList<qint64> found;
    while (statement.next())
        found.append(statement.integer(0));
    return found;
}

QList<qint64> SearchIndex::topicsFound(const QString& expression, int limit, const QString& sources) const
{
    SqliteStatement statement(
        m_db,
        QStringLiteral("SELECT d.id FROM topicWords JOIN documents d ON d.id = topicWords.rowid "
                       "WHERE topicWords MATCH ?1 AND (?2 = '' OR instr(?2, ',' || d.source || ',') > 0) "
                       "ORDER BY d.sortKey, d.name, d.file LIMIT ?3"));
    statement.bind(1, expression);
    statement.bind(2, sources);
    statement.bind(3, qint64(limit));
    QList<qint64> found;
    while (statement.next())
        found.append(statement.integer(0));
    return found;
}

std::optional<SearchResult> SearchIndex::resultOf(qint64 document, const QStringList& words,
                                                  const QStringList& typos) const
{
    SqliteStatement statement(m_db, QStringLiteral("SELECT source, kind, name, field, text, file, topic "
                                                   "FROM documents WHERE id = ?1"));
    statement.bind(1, document);
    if (!statement.next())
        return std::nullopt;
    SearchResult result;
    result.source = SearchSource(statement.integer(0));
    result.name = statement.text(2);
    result.field = statement.text(3);
    result.file = statement.text(5);
    result.topic = statement.text(6);
    const QString text = statement.text(4);
    if (SearchDocument::Kind(statement.integer(1)) == SearchDocument::Kind::Number) {
        // A number matches whole.
        result.snippet = text.simplified();
        result.marks = {{0, int(result.snippet.size())}};
        return result;
    }
    const QSet<QString> near(typos.begin(), typos.end());
    const Snippet snippet = Snippet::around(text, [&](const QString& word) {
        return near.contains(word) || std::any_of(words.begin(), words.end(), [&](const QString& start) {
                   return word.startsWith(start);
               });
    });
    result.snippet = snippet.text;
    result.marks = snippet.marks;
    return result;
}
