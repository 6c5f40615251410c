#pragma once

#include "data/DataFolders.h"
#include "search/SearchResult.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

// How far the index has read one of its sources.
struct SourceState {
    enum class State {
        NotRead,   // not read yet
        BeingRead, // being read; a search answers from what it held before
        Read,      // read as it stands now
        LeftOut,   // cannot be read; `reason` says why
    };
    QString name; // the source's key ("tavro", "notes", ...), for a manual its file name
    State state = State::NotRead;
    QString reason;
    int entries = 0;

    bool operator==(const SourceState&) const = default;
};

// One search over everything Velcarin knows in a data folder: the four databases, the officer's notes and
// every manual. The index is kept in the cache folder, one for each data folder, never beside the
// databases; where that folder cannot be written, or the index there is damaged or of another version, it
// is made again, or kept in memory. A source that changed since it was read is read again.
//
//     Finder finder(DataFolders::current());
//     finder.update();
//     for (const SearchResult& found : finder.find(QStringLiteral("toluol")))
//         ...
class Finder : public QObject {
    Q_OBJECT
public:
    explicit Finder(const DataFolders& folders, const QString& cacheFolder = defaultCacheFolder(),
                    QObject* parent = nullptr);
    ~Finder() override;

    // $XDG_CACHE_HOME/Velcarin, else ~/.cache/Velcarin.
    static QString defaultCacheFolder();

    // Reads every source that changed since it was read, and returns when it is done.
    void update();
    // Starts reading the sources that changed in a thread of its own and returns at once; searches meanwhile
    // answer from what is ready. statusChanged follows each step, on the finder's thread. Telling that
    // nothing changed takes no thread and reads no more than a page of each file, so a window may ask
    // before each search.
    void updateInBackground();

    // The entries that match the query, best first, at most `limit` of them; only from the given sources
    // when some are named. Any text is a query: one that cannot match finds nothing.
    QList<SearchResult> find(const QString& query, int limit = 20,
                             const QList<SearchSource>& only = {}) const;

    // Every source with its state: the databases' sources ("tavro", "jo", "henkel-oil", "henkel-additional",
    // "mixture", "unitor-loading"), the Unitor catalogue ("unitor"), the notes, each manual by file name.
    QList<SourceState> status() const;
    // Whether a source is still being read.
    bool isReading() const;
    // Whether the index is kept in memory, for want of a cache folder it can be written in; it is then
    // read anew at each start.
    bool inMemory() const;

Q_SIGNALS:
    void statusChanged();

private:
    class Private;
    std::unique_ptr<Private> d;
};
