// The help viewer on a 10 MB manual of 5,000 topics, each linked to the next, with 10,000 keywords: opening
// it at its first topic, a jump, and the index narrowed as the officer types.
#include "WindowBenchmarkMain.h"
#include "help/HelpViewer.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QTextBrowser>

#include <benchmark/benchmark.h>

namespace {

constexpr int Topics = 5000;
constexpr int Keywords = 10000;

// Made once: about 2 KB of text a topic, a jump to the next topic, two keywords a topic.
const QString& largeManual()
{
    static TestDataFolder folder;
    static const QString path = [] {
        folder.createDatabase(
            QStringLiteral("Large.hlp"),
            QStringLiteral(
                "create table manual (title); insert into manual values ('Large Manual');"
                "create table topics (context integer primary key, title, html);"
                "create table keywords (keyword, context);"
                "with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
                "insert into topics select i, 'Cleaning step ' || i, '<p><b>Step ' || i || '</b></p><p>' || "
                "replace(zeroblob(76), x'00', 'Wash the tank with water. ') || '</p><p><a "
                "href=\"velcarin-jump:' || (i % %1 + 1) || '\">Next step</a></p>' from n;"
                "with recursive n(i) as (select 1 union all select i + 1 from n where i < %2) "
                "insert into keywords select 'keyword ' || i || ' wash', i % %1 + 1 from n;")
                .arg(Topics)
                .arg(Keywords));
        return folder.filePath(QStringLiteral("Large.hlp"));
    }();
    return path;
}

void openAtTheFirstTopic(benchmark::State& state)
{
    const QString path = largeManual();
    for (auto _ : state) {
        HelpViewer viewer;
        viewer.showTopic({path, HelpRequest::ShowContext, 1});
        benchmark::DoNotOptimize(viewer.topicTitle());
    }
}
BENCHMARK(openAtTheFirstTopic)->Unit(benchmark::kMillisecond);

void jump(benchmark::State& state)
{
    HelpViewer viewer;
    viewer.showTopic({largeManual(), HelpRequest::ShowContext, 1});
    auto* text = viewer.findChild<QTextBrowser*>(QStringLiteral("topicText"));
    const QUrl next[] = {QUrl(QStringLiteral("velcarin-jump:2")), QUrl(QStringLiteral("velcarin-jump:1"))};
    int turn = 0;
    for (auto _ : state)
        Q_EMIT text->anchorClicked(next[turn++ % 2]);
}
BENCHMARK(jump)->Unit(benchmark::kMillisecond);

// One keystroke: the filter gains or loses its last letter, and the list is laid out again.
void narrowTheIndex(benchmark::State& state)
{
    HelpViewer viewer;
    viewer.show();
    viewer.showTopic({largeManual(), HelpRequest::ShowContext, 1});
    auto* filter = viewer.findChild<QLineEdit*>(QStringLiteral("indexFilter"));
    auto* index = viewer.findChild<QListView*>(QStringLiteral("indexList"));
    const QString typed[] = {QStringLiteral("keyword 1"), QStringLiteral("keyword 12")};
    int turn = 0;
    for (auto _ : state) {
        filter->setText(typed[turn % 2]);
        Q_EMIT filter->textEdited(typed[turn++ % 2]);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(index->model()->rowCount());
    }
}
BENCHMARK(narrowTheIndex)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    return runWindowBenchmarks(argc, argv);
}
