#include "cli/NotesCommand.h"

#include "data/Schema.h"
#include "data/Store.h"
#include "data/WholeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

#include <sys/stat.h>

namespace {

constexpr int AllPlaced = 0;
constexpr int SomeReported = 1;

const QString Replace = QStringLiteral("replace");

// Far more than the notes of any cargo table; what is larger is no file of notes.
constexpr qint64 LargestNotesFile = qint64(256) * 1024 * 1024;

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
    const Result<QList<PersonalNotes::Note>> notes = PersonalNotes::read(database);
    if (!notes) {
        context.err << notes.error() << Qt::endl;
        return ExitCode::BadUse;
    }
    if (const Result<> written = WholeFileWriter::write(path, PersonalNotes::toJson(*notes)); !written) {
        context.err << "cannot write " << QDir::toNativeSeparators(path) << ": " << written.error()
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

// The content of a notes file; nothing, after a message, for one that cannot be read, a device, which may
// never end, or more than a notes file can hold.
std::optional<QByteArray> readNotesFile(const QString& path, CliContext& context)
{
    const QString shown = QDir::toNativeSeparators(path);
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0 &&
        (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))) {
        context.err << shown << ": a device, not a file of notes" << Qt::endl;
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        context.err << "cannot read " << shown << ": " << file.errorString() << Qt::endl;
        return std::nullopt;
    }
    // A file tells its size at once, a pipe only by its end.
    qint64 size = file.isSequential() ? 0 : file.size();
    QByteArray content;
    while (size <= LargestNotesFile) {
        const QByteArray piece = file.read(1 << 20);
        if (piece.isEmpty()) {
            if (file.error() == QFileDevice::NoError)
                return content;
            context.err << "cannot read " << shown << ": " << file.errorString() << Qt::endl;
            return std::nullopt;
        }
        content += piece;
        size = content.size();
    }
    context.err << shown << ": more than " << LargestNotesFile / (1024 * 1024)
                << " MB, larger than a file of notes can be" << Qt::endl;
    return std::nullopt;
}

int importNotes(const Database& database, const QString& path, PersonalNotes::Different different, bool json,
                CliContext& context)
{
    const std::optional<QByteArray> content = readNotesFile(path, context);
    if (!content)
        return ExitCode::BadUse;
    const Result<QList<PersonalNotes::Note>> notes = PersonalNotes::fromJson(*content);
    if (!notes) {
        context.err << QDir::toNativeSeparators(path) << ": " << notes.error() << Qt::endl;
        return ExitCode::BadUse;
    }
    const Result<PersonalNotes::Placement> placement = PersonalNotes::write(database, *notes, different);
    if (!placement) {
        context.err << "no note was put back: " << placement.error() << Qt::endl;
        return ExitCode::BadUse;
    }

    if (json) {
        context.out << QJsonDocument(
                           QJsonObject{{QStringLiteral("filled"), cargoes(placement->filled)},
                                       {QStringLiteral("equal"), cargoes(placement->equal)},
                                       {QStringLiteral("replaced"), cargoes(placement->replaced)},
                                       {QStringLiteral("different"), cargoes(placement->different)},
                                       {QStringLiteral("noCargo"), cargoes(placement->noCargo)},
                                       {QStringLiteral("repeated"), cargoes(placement->repeated)},
                                       {QStringLiteral("repeatedSame"), cargoes(placement->repeatedSame)}})
                           .toJson(QJsonDocument::Compact)
                    << '\n';
    } else {
        for (const PersonalNotes::Note& note : placement->replaced)
            context.out << named(note) << ": the note it held is replaced\n";
        for (const PersonalNotes::Note& note : placement->repeatedSame)
            context.out << named(note) << ": named again in the file, with the same note\n";
        context.out << "notes filled in: " << placement->filled.size()
                    << ", already there: " << placement->equal.size()
                    << ", replaced: " << placement->replaced.size() << '\n';
    }
    context.out.flush();
    for (const QString& line : unplacedNotes(*placement, QStringLiteral("the file")))
        context.err << line << Qt::endl;
    if (!placement->different.isEmpty())
        context.err << "a cargo's own different note is kept; --replace replaces it" << Qt::endl;
    return placement->allPlaced() ? AllPlaced : SomeReported;
}

} // namespace

QStringList unplacedNotes(const PersonalNotes::Placement& placement, const QString& source)
{
    QStringList lines;
    for (const PersonalNotes::Note& note : placement.different)
        lines << named(note) + QStringLiteral(": the cargo holds a different note");
    for (const PersonalNotes::Note& note : placement.noCargo)
        lines << named(note) + QStringLiteral(": no cargo has this name and ID number");
    for (const PersonalNotes::Note& note : placement.repeated) {
        // The cargo holds the first note named for it, unless it kept a different one of its own.
        const bool firstKept = std::none_of(placement.different.cbegin(), placement.different.cend(),
                                            [&note](const PersonalNotes::Note& kept) {
                                                return kept.name == note.name && kept.id == note.id;
                                            });
        lines << named(note) + QStringLiteral(": named again in ") + source +
                     (firstKept
                          ? QStringLiteral(", with a different note; the cargo holds the note named first, "
                                           "not this one")
                          : QStringLiteral(", with a different note; the cargo keeps its own, neither of "
                                           "these"));
    }
    return lines;
}

const CommandHelp& notesHelp()
{
    static const CommandHelp help{
        QStringLiteral("notes"),
        QStringLiteral("Writes the personal notes to a JSON file, or puts them back from one"),
        {QStringLiteral("velcarin-cli notes export FILE [--json] [--data-dir DIR]"),
         QStringLiteral("velcarin-cli notes import FILE [--replace] [--json] [--data-dir DIR]")},
        QStringLiteral(
            "The file is a list of {\"name\": text, \"id\": text, \"notes\": text}. An import fills "
            "in the note of each cargo with that name and ID number; a cargo that holds a different "
            "note keeps it unless --replace is given. Each note that finds no place is told."),
        {{QStringLiteral("export|import"),
          {},
          QStringLiteral("Whether the notes go to the file or come from it."),
          Completion::Words,
          [](const CompletionContext&) {
              return QStringList{QStringLiteral("export"), QStringLiteral("import")};
          }},
         {QStringLiteral("FILE"), {}, QStringLiteral("The JSON file of notes."), Completion::File}},
        {{QStringLiteral("--replace"), {}, QStringLiteral("On import, replace a cargo's different note.")},
         jsonOption()},
        {{0, QStringLiteral("the notes were written, or every note found its place")},
         {1, QStringLiteral("a note of the file found no place; each is told")},
         {ExitCode::BadUse, QStringLiteral("bad use, or a file or database that cannot be read or written")}},
        QStringLiteral("velcarin-cli notes export ~/notes.json"),
    };
    return help;
}

int runNotes(const QStringList& arguments, CliContext& context)
{
    CommandLine commandLine(notesHelp(), 2);
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const QString action = commandLine.positional().at(0);
    const QString path = commandLine.positional().at(1);
    const bool importing = action == QLatin1String("import");
    if (!importing && (action != QLatin1String("export") || commandLine.isSet(Replace)))
        return commandLine.badUse(context);
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
