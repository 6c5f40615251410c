#include "cli/FindCommand.h"

#include "cli/NearMisses.h"
#include "data/Result.h"
#include "search/Finder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <limits>

namespace {

const QString LimitOption = QStringLiteral("limit");
const QString StatusOption = QStringLiteral("status");
constexpr int DefaultLimit = 20;

QString stateText(SourceState::State state)
{
    switch (state) {
    case SourceState::State::NotRead:
        return QStringLiteral("not read");
    case SourceState::State::BeingRead:
        return QStringLiteral("being read");
    case SourceState::State::Read:
        return QStringLiteral("read");
    case SourceState::State::LeftOut:
        return QStringLiteral("left out");
    }
    return {};
}

// The number of results --limit asks for: a whole number from 1 up.
Result<int> resultLimit(const CommandLine& commandLine)
{
    if (!commandLine.isSet(LimitOption))
        return DefaultLimit;
    const QString text = commandLine.value(LimitOption);
    bool isNumber = false;
    const int limit = text.toInt(&isNumber);
    if (!isNumber || limit < 1)
        return Failure{QStringLiteral("the limit must be a whole number from 1 up, not \"%1\"").arg(text)};
    return limit;
}

int printStatus(const Finder& finder, bool json, CliContext& context)
{
    const QList<SourceState> sources = finder.status();
    if (json) {
        QJsonArray list;
        for (const SourceState& source : sources)
            list.append(QJsonObject{{QStringLiteral("name"), source.name},
                                    {QStringLiteral("state"), stateText(source.state)},
                                    {QStringLiteral("reason"), source.reason},
                                    {QStringLiteral("entries"), source.entries}});
        context.out
            << QJsonDocument(QJsonObject{{QStringLiteral("sources"), list}}).toJson(QJsonDocument::Indented);
        return ExitCode::Found;
    }
    for (const SourceState& source : sources) {
        context.out << source.name << ": " << stateText(source.state);
        if (source.state == SourceState::State::LeftOut)
            context.out << ", " << source.reason;
        else
            context.out << ", " << source.entries << (source.entries == 1 ? " entry" : " entries");
        context.out << '\n';
    }
    return ExitCode::Found;
}

// A search that answers from fewer sources than there are says which it left out.
void tellLeftOut(const Finder& finder, CliContext& context)
{
    for (const SourceState& source : finder.status()) {
        if (source.state == SourceState::State::LeftOut)
            context.err << source.name << " is left out of the search: " << source.reason << Qt::endl;
    }
}

QJsonObject jsonResult(const SearchResult& result)
{
    QJsonObject object{{QStringLiteral("source"), searchSourceKey(result.source)},
                       {QStringLiteral("name"), result.name},
                       {QStringLiteral("field"), result.field},
                       {QStringLiteral("snippet"), result.snippet}};
    if (result.source == SearchSource::Manual) {
        object.insert(QStringLiteral("file"), result.file);
        object.insert(QStringLiteral("topic"), result.topic);
    }
    return object;
}

// One line a result: where it is from, its name as stored, the field that matched and the matched text;
// for a manual's topic also the help command that shows it.
QString resultLine(const SearchResult& result)
{
    QString line = searchSourceKey(result.source) + QLatin1Char(' ') + quotedName(result.name) +
                   QLatin1Char(' ') + result.field + QLatin1String(": ") + result.snippet;
    if (result.source == SearchSource::Manual)
        line += QStringLiteral(" [help %1 %2]").arg(quotedName(result.file), result.topic);
    return line;
}

} // namespace

const CommandHelp& findHelp()
{
    static const CommandHelp help{
        QStringLiteral("find"),
        QStringLiteral("Find cargoes, products, mixtures, notes and manual topics by any of their words"),
        {QStringLiteral("velcarin-cli find WORDS... [--limit N] [--json] [--data-dir DIR]"),
         QStringLiteral("velcarin-cli find --status [--json] [--data-dir DIR]")},
        QStringLiteral(
            "One search over the names, synonyms, full names, UN, ID and CAS numbers of every adviser, "
            "the personal notes and the title and text of every manual of the data folder. Case, accents "
            "and punctuation do not matter, words match by their start and in any order, a typo in a long "
            "word still matches. Each result names its source (tavro, jo, henkel-oil, henkel-additional, "
            "mixture, unitor, unitor-loading, notes or manual), its name as stored, the field that matched "
            "and a snippet; a manual topic also the help command that shows it. The index is kept in "
            "$XDG_CACHE_HOME/Velcarin and read again where a source changed."),
        {{QStringLiteral("WORDS"), {}, QStringLiteral("What to look for; any text.")}},
        {{QStringLiteral("--limit"), QStringLiteral("N"),
          QStringLiteral("Show at most N results, the best first; 20 when not given.")},
         {QStringLiteral("--status"),
          {},
          QStringLiteral("List each source of the search with its state: read, being read, or left out "
                         "and why.")},
         jsonOption()},
        {{ExitCode::Found, QStringLiteral("something was found, or the sources were listed")},
         {ExitCode::NotFound, QStringLiteral("nothing matches the words")},
         {ExitCode::BadUse,
          QStringLiteral("bad use: no words, or a limit that is no whole number from 1 up")}},
        QStringLiteral("velcarin-cli find acid acetic --limit 5"),
    };
    return help;
}

int runFind(const QStringList& arguments, CliContext& context)
{
    CommandLine commandLine(findHelp(), 0, std::numeric_limits<int>::max());
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    // Words to look for, or --status: one of the two.
    const bool status = commandLine.isSet(StatusOption);
    const bool hasWords = !commandLine.positional().isEmpty();
    if (status == hasWords)
        return commandLine.badUse(context);
    const Result<int> limit = resultLimit(commandLine);
    if (!limit)
        return commandLine.badUse(context, limit.error());

    Finder finder(commandLine.folders());
    finder.update();
    if (status)
        return printStatus(finder, commandLine.json(), context);
    tellLeftOut(finder, context);
    const QString query = commandLine.positional().join(QLatin1Char(' '));
    const QList<SearchResult> results = finder.find(query, *limit);
    if (commandLine.json()) {
        QJsonArray list;
        for (const SearchResult& result : results)
            list.append(jsonResult(result));
        const QJsonObject object{{QStringLiteral("query"), query}, {QStringLiteral("results"), list}};
        context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
    } else {
        for (const SearchResult& result : results)
            context.out << resultLine(result) << '\n';
    }
    return results.isEmpty() ? ExitCode::NotFound : ExitCode::Found;
}
