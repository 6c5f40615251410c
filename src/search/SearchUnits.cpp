#include "search/SearchUnits.h"

#include "data/Schema.h"
#include "search/DatabaseDocuments.h"
#include "search/ManualDocuments.h"
#include "search/SearchResult.h"
#include "search/SourceSignature.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The manuals the windows open, by the names they ask for.
const QStringList ProgramManuals{
    QStringLiteral("glossary.hlp"), QStringLiteral("glossary2.hlp"), QStringLiteral("Help.hlp"),
    QStringLiteral("Henkel.hlp"),   QStringLiteral("Unitor.hlp"),    QStringLiteral("chemical.hlp"),
    QStringLiteral("Special.hlp"),
};

using DatabaseReader = Result<QList<SearchDocument>> (*)(const QString&);

SearchUnit databaseUnit(SearchSource source, const QString& path, DatabaseReader reader)
{
    return SearchUnit{searchSourceKey(source), searchSourceKey(source), path,
                      [path, reader](std::stop_token) {
                          return reader(path);
                      }};
}

SearchUnit manualUnit(const QString& path)
{
    const QString fileName = QFileInfo(path).fileName();
    return SearchUnit{QStringLiteral("manual:") + fileName, fileName, path, [path](std::stop_token stop) {
                          return manualDocuments(path, stop);
                      }};
}

} // namespace

QList<SearchUnit> searchUnits(const DataFolders& folders)
{
    const QDir dataFolder(folders.dataFolder());
    const QString cleaning = dataFolder.filePath(Schema::CleaningFile);
    const QString henkel = dataFolder.filePath(Schema::HenkelFile);
    QList<SearchUnit> units{
        databaseUnit(SearchSource::Tavro, cleaning, DatabaseDocuments::tavro),
        databaseUnit(SearchSource::Jo, dataFolder.filePath(Schema::JoTankersFile), DatabaseDocuments::jo),
        databaseUnit(SearchSource::HenkelOil, henkel, DatabaseDocuments::henkelOils),
        databaseUnit(SearchSource::HenkelAdditional, henkel, DatabaseDocuments::henkelAdditional),
        databaseUnit(SearchSource::Mixture, henkel, DatabaseDocuments::mixtures),
        SearchUnit{searchSourceKey(SearchSource::Unitor),
                   searchSourceKey(SearchSource::Unitor),
                   {},
                   [](std::stop_token) -> Result<QList<SearchDocument>> {
                       return DatabaseDocuments::unitorCatalogue();
                   }},
        databaseUnit(SearchSource::UnitorLoading, dataFolder.filePath(Schema::UnitorFile),
                     DatabaseDocuments::unitorLoading),
        databaseUnit(SearchSource::Notes, cleaning, DatabaseDocuments::notes),
    };
    for (const QString& fileName : ProgramManuals)
        units << manualUnit(folders.locate(fileName));
    // Windows Help files come named in capitals as often as not: "MANUAL.HLP".
    for (const QString& fileName : dataFolder.entryList(QDir::Files, QDir::Name)) {
        if (fileName.endsWith(QStringLiteral(".hlp"), Qt::CaseInsensitive) &&
            !ProgramManuals.contains(fileName))
            units << manualUnit(dataFolder.filePath(fileName));
    }
    return units;
}

QHash<QString, QString> signaturesOf(const QList<SearchUnit>& units)
{
    QHash<QString, QString> ofFile;
    QHash<QString, QString> signatures;
    for (const SearchUnit& unit : units) {
        // The catalogue changes with the program only, which the readers' version stands for.
        if (unit.path.isEmpty()) {
            signatures.insert(unit.key, QStringLiteral("built in"));
            continue;
        }
        auto known = ofFile.constFind(unit.path);
        if (known == ofFile.constEnd())
            known = ofFile.insert(unit.path, sourceSignature(unit.path));
        signatures.insert(unit.key, *known);
    }
    return signatures;
}
