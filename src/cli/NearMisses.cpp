#include "cli/NearMisses.h"

#include "search/Finder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int MostSuggestions = 3;
// An entry may be found through several of its fields; enough results are asked for to leave three names.
constexpr int ResultsAsked = 20;

} // namespace

QStringList nearNames(const DataFolders& folders, const QString& name, const QList<SearchSource>& sources)
{
    Finder finder(folders);
    finder.update();
    QStringList names;
    for (const SearchResult& found : finder.find(name, ResultsAsked, sources)) {
        if (!names.contains(found.name))
            names << found.name;
        if (names.size() == MostSuggestions)
            break;
    }
    return names;
}

QString quotedName(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

void sayDidYouMean(const QStringList& names, CliContext& context)
{
    if (names.isEmpty())
        return;
    QStringList quoted;
    for (const QString& name : names)
        quoted << quotedName(name);
    context.err << "did you mean: " << quoted.join(QLatin1String(", ")) << '?' << Qt::endl;
}

void reportNearMisses(const CommandLine& commandLine, const QString& name, const QList<SearchSource>& sources,
                      CliContext& context)
{
    const QStringList names = nearNames(commandLine.folders(), name, sources);
    sayDidYouMean(names, context);
    if (commandLine.json()) {
        const QJsonObject object{{QStringLiteral("suggestions"), QJsonArray::fromStringList(names)}};
        context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
    }
}
