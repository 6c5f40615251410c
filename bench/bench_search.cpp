// The search index on 20,000 cargoes (a name, a full name, a synonym, a UN and a CAS number each) and 50 MB
// of manual text (10,000 topics of 5 KB): building it into a new file, its size against the text it holds,
// and 1,000 queries of one to three words, a third of them with a typo, answered in-process.
#include "search/SearchIndex.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include <time.h>

namespace {

constexpr int Cargoes = 20000;
constexpr int Topics = 10000;
constexpr qsizetype TopicLength = 5000;
constexpr int Queries = 1000;

// Words made of syllables, used by a skewed chance as a language uses its words: a few often, most rarely.
class Words {
public:
    Words()
    {
        const QStringList syllables = QStringLiteral("ace ben chlo de eth for gly hex iso ke lin me naph "
                                                     "o pen pro qui ro sty tol u vi xy zo al an ar ca "
                                                     "di el ic ol ate ene ide ine one yl")
                                          .split(u' ');
        std::uniform_int_distribution<int> count(2, 4);
        std::uniform_int_distribution<qsizetype> syllable(0, syllables.size() - 1);
        while (m_words.size() < 30000) {
            QString word;
            for (int i = count(m_random); i > 0; --i)
                word += syllables[syllable(m_random)];
            m_words.append(word);
        }
    }

    const QString& any()
    {
        const double chance = std::uniform_real_distribution<double>(0, 1)(m_random);
        return m_words[qsizetype(chance * chance * chance * double(m_words.size()))];
    }
    QString text(qsizetype length)
    {
        QString text;
        text.reserve(length + 20);
        while (text.size() < length)
            text += any() + (m_random() % 12 == 0 ? QStringLiteral(".\n") : QStringLiteral(" "));
        return text;
    }
    std::mt19937& random() { return m_random; }

private:
    std::mt19937 m_random{1};
    QStringList m_words;
};

struct Corpus {
    QList<SearchDocument> cargoes;
    QList<SearchDocument> topics;
    qint64 textBytes = 0;
    QStringList queries;
};

// A word as an officer might type it: cut short, or with a letter swapped, left out or mistyped.
QString typed(const QString& word, std::mt19937& random)
{
    const qsizetype at = qsizetype(random() % std::max<qsizetype>(word.size() - 1, 1));
    switch (random() % 6) {
    case 0:
        return word.left(std::max<qsizetype>(3, word.size() - 2));
    case 1:
        return word.size() < 5 ? word : word.left(at) + word[at + 1] + word[at] + word.mid(at + 2);
    case 2:
        return word.size() < 5 ? word : word.left(at) + word.mid(at + 1);
    case 3:
        return word.size() < 5 ? word : word.left(at) + u'q' + word.mid(at + 1);
    default:
        return word;
    }
}

const Corpus& corpus()
{
    static const Corpus made = [] {
        Words words;
        Corpus corpus;
        const auto add = [&](QList<SearchDocument>& list, SearchDocument document) {
            corpus.textBytes += document.text.toUtf8().size();
            list.append(std::move(document));
        };
        for (int i = 0; i < Cargoes; ++i) {
            const QString name = (words.any() + u' ' + words.any()).toUpper() + u' ' + QString::number(i);
            const auto source = SearchSource(i % 6);
            add(corpus.cargoes,
                {source, SearchDocument::Kind::Name, name, QStringLiteral("Name"), name, {}, {}});
            add(corpus.cargoes, {source,
                                 SearchDocument::Kind::FullName,
                                 name,
                                 QStringLiteral("Full Name"),
                                 words.text(40),
                                 {},
                                 {}});
            add(corpus.cargoes, {source,
                                 SearchDocument::Kind::Synonym,
                                 name,
                                 QStringLiteral("SYNONIMS"),
                                 words.any().toUpper(),
                                 {},
                                 {}});
            add(corpus.cargoes, {source,
                                 SearchDocument::Kind::Number,
                                 name,
                                 QStringLiteral("UN"),
                                 QString::number(1000 + i % 2500),
                                 {},
                                 {}});
            add(corpus.cargoes, {source,
                                 SearchDocument::Kind::Number,
                                 name,
                                 QStringLiteral("CAS No"),
                                 QStringLiteral("%1-%2-%3").arg(50 + i).arg(i % 97).arg(i % 10),
                                 {},
                                 {}});
        }
        for (int i = 0; i < Topics; ++i) {
            const QString title = words.any() + u' ' + words.any();
            add(corpus.topics,
                {SearchSource::Manual, SearchDocument::Kind::Topic, title, QStringLiteral("Topic"),
                 title + u'\n' + words.text(TopicLength), QStringLiteral("Large.hlp"), QString::number(i)});
        }
        for (int i = 0; i < Queries; ++i) {
            QStringList query;
            for (int count = 1 + int(words.random()() % 3); count > 0; --count)
                query.append(typed(words.any(), words.random()));
            corpus.queries.append(query.join(u' '));
        }
        return corpus;
    }();
    return made;
}

void store(SearchIndex& index)
{
    // A unit for each source, and the manual in ten files.
    for (int source = 0; source < 6; ++source) {
        QList<SearchDocument> documents;
        for (const SearchDocument& document : corpus().cargoes) {
            if (int(document.source) == source)
                documents.append(document);
        }
        (void)index.replace(QString::number(source), QStringLiteral("1"), documents);
    }
    for (int file = 0; file < 10; ++file)
        (void)index.replace(QStringLiteral("manual:%1").arg(file), QStringLiteral("1"),
                            corpus().topics.mid(file * Topics / 10, Topics / 10));
}

void buildTheIndex(benchmark::State& state)
{
    corpus();
    qint64 size = 0;
    for (auto _ : state) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("index.sqlite"));
        auto index = SearchIndex::open(path);
        store(**index);
        index->reset();
        size = QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size();
    }
    state.counters["index_mb"] = double(size) / 1e6;
    state.counters["text_mb"] = double(corpus().textBytes) / 1e6;
    state.counters["size_ratio"] = double(size) / double(corpus().textBytes);
}
BENCHMARK(buildTheIndex)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

double processorMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The 1,000 queries, each timed on its own: the median and the 99th percentile, in milliseconds of the wall
// clock and of the processor (which other programs on a busy machine do not stretch).
void answerQueries(benchmark::State& state)
{
    QTemporaryDir dir;
    auto index = SearchIndex::open(dir.filePath(QStringLiteral("index.sqlite")));
    store(**index);
    std::vector<double> wall;
    std::vector<double> processor;
    qint64 results = 0;
    for (auto _ : state) {
        wall.clear();
        processor.clear();
        for (const QString& query : corpus().queries) {
            QElapsedTimer timer;
            timer.start();
            const double started = processorMilliseconds();
            results += (*index)->find(query, 20).size();
            processor.push_back(processorMilliseconds() - started);
            wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    std::sort(wall.begin(), wall.end());
    std::sort(processor.begin(), processor.end());
    state.counters["median_ms"] = wall[wall.size() / 2];
    state.counters["p99_ms"] = wall[wall.size() * 99 / 100];
    state.counters["cpu_median_ms"] = processor[processor.size() / 2];
    state.counters["cpu_p99_ms"] = processor[processor.size() * 99 / 100];
    state.counters["results_per_query"] = double(results) / double(state.iterations() * Queries);
}
BENCHMARK(answerQueries)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
