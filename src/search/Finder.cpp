#include "search/Finder.h"

#include "search/IndexRefresh.h"
#include "search/SearchIndex.h"
#include "search/SearchUnits.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QMutex>

#include <atomic>
#include <thread>

namespace {

// The index of a data folder: one file for each folder, named after its absolute path.
QString indexFileName(const DataFolders& folders)
{
    const QFileInfo folder(folders.dataFolder());
    const QString path =
        folder.canonicalFilePath().isEmpty() ? folder.absoluteFilePath() : folder.canonicalFilePath();
    return QString::fromLatin1(
               QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16)) +
           QStringLiteral(".sqlite");
}

// The name that lets a reading thread open the same index where it is kept in memory.
QString uniqueMemoryName(const QString& fileName)
{
    static std::atomic<int> counter{0};
    return QStringLiteral("velcarin-finder-%1-%2").arg(QFileInfo(fileName).baseName()).arg(++counter);
}

} // namespace

class Finder::Private {
public:
    Private(Finder* finder, const DataFolders& folders, const QString& cacheFolder)
        : finder(finder)
        , folders(folders)
        , cacheFolder(cacheFolder)
        , indexPath(QDir(cacheFolder).filePath(indexFileName(folders)))
        , memoryName(uniqueMemoryName(indexPath))
    {
    }

    // The index is opened, and its file checked, when the finder is first used: a window that holds a
    // finder does not pay for it at its start.
    SearchIndex* openIndex()
    {
        if (openTried)
            return index.get();
        openTried = true;
        // A folder that cannot be made leaves the index in memory.
        QDir().mkpath(cacheFolder);
        Result<std::unique_ptr<SearchIndex>> opened = SearchIndex::open(indexPath, memoryName);
        if (!opened)
            opened = SearchIndex::open({}, memoryName);
        if (!opened)
            return nullptr;
        index = std::move(*opened);
        QMutexLocker lock(&mutex);
        states = IndexRefresh::states(*index, searchUnits(folders));
        return index.get();
    }

    // One pass over the sources, on the index of the thread that runs it.
    void refresh(SearchIndex& on, std::stop_token stop)
    {
        const QList<SearchUnit> units = searchUnits(folders);
        setStates(beingRead(IndexRefresh::states(on, units)));
        IndexRefresh::run(on, units, stop, [this](const SourceState& state) { report(state); });
    }

    // The states a pass starts from: what it has to read is being read.
    static QList<SourceState> beingRead(QList<SourceState> states)
    {
        for (SourceState& state : states) {
            if (state.state == SourceState::State::NotRead)
                state.state = SourceState::State::BeingRead;
        }
        return states;
    }

    void setStates(const QList<SourceState>& changed)
    {
        {
            QMutexLocker lock(&mutex);
            if (states == changed)
                return;
            states = changed;
        }
        notify();
    }

    void report(const SourceState& state)
    {
        {
            QMutexLocker lock(&mutex);
            auto known = std::find_if(states.begin(), states.end(),
                                      [&](const SourceState& held) { return held.name == state.name; });
            if (known != states.end())
                *known = state;
            else
                states << state;
        }
        notify();
    }

    // On the finder's own thread, whichever thread the change came from.
    void notify()
    {
        QMetaObject::invokeMethod(
            finder, [finder = finder] { Q_EMIT finder->statusChanged(); }, Qt::AutoConnection);
    }

    // `path` is the index's file, or empty where it is kept in memory.
    void readInBackground(const QString& path, std::stop_token stop)
    {
        // A second index on the same file, or on the same index in memory, so that searches go on.
        Result<std::unique_ptr<SearchIndex>> opened = SearchIndex::open(path, memoryName);
        if (!opened)
            leaveOutWhatIsBeingRead(opened.error());
        for (;;) {
            if (opened && !stop.stop_requested())
                refresh(**opened, stop);
            QMutexLocker lock(&mutex);
            if (!opened || !readAgain || stop.stop_requested()) {
                reading = false;
                break;
            }
            readAgain = false;
        }
        notify();
    }

    void leaveOutWhatIsBeingRead(const QString& reason)
    {
        QMutexLocker lock(&mutex);
        for (SourceState& state : states) {
            if (state.state == SourceState::State::BeingRead)
                state = SourceState{state.name, SourceState::State::LeftOut, reason, 0};
        }
    }

    // Ends the reading in the background; what it did not finish is read by the next pass.
    void stopBackground()
    {
        background.request_stop();
        if (background.joinable())
            background.join();
    }

    Finder* finder;
    DataFolders folders;
    QString cacheFolder;
    QString indexPath;
    QString memoryName;
    bool openTried = false;
    std::unique_ptr<SearchIndex> index; // the finder's thread's: it searches, and update() writes

    mutable QMutex mutex; // guards what follows
    QList<SourceState> states;
    bool reading = false;   // a thread reads the sources
    bool readAgain = false; // asked for once more while it did

    std::jthread background; // last, so that it has ended before the rest goes
};

Finder::Finder(const DataFolders& folders, const QString& cacheFolder, QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Private>(this, folders, cacheFolder))
{
}

Finder::~Finder() = default;

QString Finder::defaultCacheFolder()
{
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    // XDG has a relative path ignored, as if the variable were not set.
    if (cache.isEmpty() || QDir::isRelativePath(cache))
        cache = QDir::home().filePath(QStringLiteral(".cache"));
    return QDir(cache).filePath(QStringLiteral("Velcarin"));
}

void Finder::update()
{
    d->stopBackground();
    if (SearchIndex* index = d->openIndex())
        d->refresh(*index, {});
}

void Finder::updateInBackground()
{
    if (!d->openIndex())
        return;
    // Telling what changed is cheap enough for every search; reading it is not.
    const QList<SearchUnit> units = searchUnits(d->folders);
    const QList<SourceState> states = IndexRefresh::states(*d->index, units);
    const bool current = IndexRefresh::holdsOnly(*d->index, units) &&
                         std::none_of(states.begin(), states.end(), [](const SourceState& state) {
                             return state.state == SourceState::State::NotRead;
                         });
    {
        QMutexLocker lock(&d->mutex);
        if (d->reading) {
            d->readAgain = d->readAgain || !current;
            return;
        }
        d->reading = !current;
    }
    if (current) {
        d->setStates(states);
        return;
    }
    d->setStates(Private::beingRead(states));
    // The thread before has ended; it only waits to be joined.
    if (d->background.joinable())
        d->background.join();
    d->background = std::jthread([this, path = d->index->inMemory() ? QString() : d->indexPath](
                                     std::stop_token stop) { d->readInBackground(path, stop); });
}

QList<SearchResult> Finder::find(const QString& query, int limit, const QList<SearchSource>& only) const
{
    const SearchIndex* index = d->openIndex();
    return index ? index->find(query, limit, only) : QList<SearchResult>();
}

QList<SourceState> Finder::status() const
{
    d->openIndex();
    QMutexLocker lock(&d->mutex);
    return d->states;
}

bool Finder::isReading() const
{
    QMutexLocker lock(&d->mutex);
    return d->reading || std::any_of(d->states.begin(), d->states.end(), [](const SourceState& state) {
               return state.state == SourceState::State::BeingRead;
           });
}

bool Finder::inMemory() const
{
    const SearchIndex* index = d->openIndex();
    return !index || index->inMemory();
}
