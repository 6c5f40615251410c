#pragma once

#include "data/Result.h"
#include "search/SearchDocument.h"
#include "search/SearchResult.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

struct sqlite3;
class Vocabulary;

// The documents of every source in one SQLite file, searched by the words of a query: each word matches
// the words that start with it, or (from five letters on) the words it misses by a typo or two; a number
// matches whole. The documents are stored in units (a database's list, a manual), each replaced at once
// under a signature its reader chooses, so that a reader can tell whether the unit changed since.
//
//     auto index = SearchIndex::open(cacheFolder + "/index.sqlite");
//     if (index && (*index)->signature("tavro") != signatureNow)
//         (*index)->replace("tavro", signatureNow, documentsNow);
//     const QList<SearchResult> found = (*index)->find("toluol", 20);
class SearchIndex {
public:
    // Opens the index at `path`, or makes it; one that is damaged or of another version is made anew. An
    // empty path, or a folder that cannot be written, keeps it in memory (`inMemory()` says so).
    // A second SearchIndex may be open on the same path (or the same memory index, by `memoryName`) from
    // another thread: one writes (the reading of sources), one searches.
    static Result<std::unique_ptr<SearchIndex>> open(const QString& path, const QString& memoryName = {});
    ~SearchIndex();
    SearchIndex(const SearchIndex&) = delete;
    SearchIndex& operator=(const SearchIndex&) = delete;

    bool inMemory() const { return m_inMemory; }
    // The signature (any text the reader chooses: sizes, times, hashes) a unit ("tavro",
    // "manual:Unitor.hlp") was last stored under; empty when never.
    QString signature(const QString& unit) const;
    QStringList units() const;
    // Replaces a unit's documents in one transaction: a search sees the old or the new, never half.
    Result<> replace(const QString& unit, const QString& signature, const QList<SearchDocument>& documents);
    Result<> remove(const QString& unit);
    // The documents that match the query, best first, one for each entry (a cargo found by its name and a
    // synonym comes once, by its name), at most `limit`; only from the given sources when some are named.
    // Any text is a query: one that cannot match finds nothing.
    QList<SearchResult> find(const QString& query, int limit, const QList<SearchSource>& only = {}) const;

private:
    SearchIndex(sqlite3* db, bool inMemory);

    Result<> execute(const char* sql);
    // Commits what was done, or rolls it back and says why.
    Result<> finish(Result<> done, const QString& unit);
    std::optional<qint64> unitId(const QString& unit) const;
    Result<> removeDocuments(qint64 unitId);
    Result<> insertDocuments(qint64 unitId, const QList<SearchDocument>& documents);
    // Takes the words another connection added since.
    void refreshVocabulary() const;
    QList<qint64> entriesFound(const QString& expression, const QString& query, int limit,
                               const QString& sources) const;
    QList<qint64> topicsFound(const QString& expression, int limit, const QString& sources) const;
    std::optional<SearchResult> resultOf(qint64 document, const QStringList& words,
                                         const QStringList& typos) const;

    sqlite3* m_db;
    bool m_inMemory;
    // The index's words of five letters or more, for the typos; read as the other connection adds them.
    std::unique_ptr<Vocabulary> m_vocabulary;
    mutable qint64 m_vocabularyRead = 0; // the last row of `terms` taken
};
