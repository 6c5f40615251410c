#include "cli/NotesCommand.h"

#include "data/Schema.h"
#include "data/Store.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

constexpr int AllPlaced = 0;
constexpr int SomeReported = 1;

const QString Replace = QStringLiteral("replace");

// "ACETONE (ID 1002)"
QString named(const PersonalNotes::Note& note)
{
    return note.name + QStringLiteral(" (ID ") + note.id + QLatin1Char(')');
}

QJsonArray cargoes(const QList<PersonalNotes::Note>& notes)
{
    QJsonArray list;
    for (const PersonalNotes::Note& note : notes)
        list.append(QJsonObject{{QStringLiteral("name"), note.name}, {QStringLiteral("id"), note.id}});
    return list;
}

int exportNotes(const Database& database, const QString& path, bool json, CliContext& context)
{
    QString error;
    const std::optional<QList<PersonalNotes::Note>> notes = PersonalNotes::read(database, &error);
    if (!notes) {
        context.err << error << Qt::endl;
        return ExitCode::BadUse;
    }
    const QByteArray text = PersonalNotes::toJson(*notes);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        context.err << "cannot write " << QDir::toNativeSeparators(path) << ": " << file.errorString()
                    << Qt::endl;
        return ExitCode::BadUse;
    }
    if (json)
        context.out << QJsonDocument(QJsonObject{{QStringLiteral("file"), path},
                                                 {QStringLiteral("notes"), notes->size()}})
                           .toJson(QJsonDocument::Compact)
                    << '\n';
    else
        context.out << "personal notes written to " << QDir::toNativeSeparators(path) << ": " << notes->size()
                    << '\n';
    return AllPlaced;
}

int importNotes(const Database& database, const QString& path, PersonalNotes::Different different, bool json,
                CliContext& context)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        context.err << "cannot read " << QDir::toNativeSeparators(path) << ": " << file.errorString()
                    << Qt::endl;
        return ExitCode::BadUse;
    }
    QString error;
    const std::optional<QList<PersonalNotes::Note>> notes = PersonalNotes::fromJson(file.readAll(), &error);
    if (!notes) {
        context.err << QDir::toNativeSeparators(path) << ": " << error << Qt::endl;
        return ExitCode::BadUse;
    }
    const std::optional<PersonalNotes::Placement> placement =
        PersonalNotes::write(database, *notes, different, &error);
    if (!placement) {
        context.err << "no note was put back: " << error << Qt::endl;
        return ExitCode::BadUse;
    }

    if (json) {
        context.out << QJsonDocument(QJsonObject{{QStringLiteral("filled"), cargoes(placement->filled)},
                                                 {QStringLiteral("equal"), cargoes(placement->equal)},
                                                 {QStringLiteral("replaced"), cargoes(placement->replaced)},
                                                 {QStringLiteral("different"), cargoes(placement->different)},
                                                 {QStringLiteral("noCargo"), cargoes(placement->noCargo)}})
                           .toJson(QJsonDocument::Compact)
                    << '\n';
    } else {
        for (const PersonalNotes::Note& note : placement->replaced)
            context.out << named(note) << ": the note it held is replaced\n";
        context.out << "notes filled in: " << placement->filled.size()
                    << ", already there: " << placement->equal.size()
                    << ", replaced: " << placement->replaced.size() << '\n';
    }
    context.out.flush();
    for (const QString& line : unplacedNotes(*placement))
        context.err << line << Qt::endl;
    if (!placement->different.isEmpty())
        context.err << "a cargo's own different note is kept; --replace replaces it" << Qt::endl;
    return placement->allPlaced() ? AllPlaced : SomeReported;
}

} // namespace

QStringList unplacedNotes(const PersonalNotes::Placement& placement)
{
    QStringList lines;
    for (const PersonalNotes::Note& note : placement.different)
        lines << named(note) + QStringLiteral(": the cargo holds a different note");
    for (const PersonalNotes::Note& note : placement.noCargo)
        lines << named(note) + QStringLiteral(": no cargo has this name and ID number");
    return lines;
}

int runNotes(const QStringList& arguments, CliContext& context)
{
    const QString usage = QStringLiteral(
        "velcarin-cli notes export FILE | notes import FILE [--replace]  (both: [--json] [--data-dir DIR])");
    CommandLine commandLine(usage, 2);
    commandLine.addOption({Replace, QStringLiteral("Import: a cargo's different note is replaced.")});
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const QString action = commandLine.positional().at(0);
    const QString path = commandLine.positional().at(1);
    const bool importing = action == QLatin1String("import");
    if (!importing && (action != QLatin1String("export") || commandLine.isSet(Replace))) {
        context.err << "usage: " << usage << Qt::endl;
        return ExitCode::BadUse;
    }
    const Database database = openDatabase(Store(commandLine.dataDir()), Schema::CleaningFile, context);
    if (!database.isOpen())
        return ExitCode::BadUse;
    if (!importing)
        return exportNotes(database, path, commandLine.json(), context);
    return importNotes(database, path,
                       commandLine.isSet(Replace) ? PersonalNotes::Different::Replace
                                                  : PersonalNotes::Different::Keep,
                       commandLine.json(), context);
}
