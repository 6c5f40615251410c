#include "cli/ImportCommand.h"

#include "cli/NotesCommand.h"
#include "data/Schema.h"
#include "data/legacy/ConversionLock.h"
#include "data/legacy/LegacyImport.h"
#include "data/legacy/NotesCarry.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int AllImported = 0;
constexpr int SomeFailed = 1;

QString counted(qint64 count, const char* one, const char* many)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(count == 1 ? one : many);
}

// "Henkel.mdb: 3 tables, 31 rows (VegOils 11, Additional 10, Solutions 10)"
QString summary(const QString& fileName, const LegacyImport::Imported& result)
{
    QStringList tables;
    for (const LegacyImport::TableSummary& table : result.tables)
        tables << table.name + QLatin1Char(' ') + QString::number(table.rows);
    return fileName + QLatin1String(": ") + counted(result.tables.size(), "table", "tables") +
           QLatin1String(", ") + counted(result.rowCount(), "row", "rows") + QLatin1String(" (") +
           tables.join(QLatin1String(", ")) + QLatin1Char(')');
}

void reportCarriedNotes(const QString& fileName, const NotesCarry& notes, CliContext& context)
{
    const PersonalNotes::Placement& placement = notes.placement();
    if (const qsizetype carried = placement.filled.size() + placement.equal.size())
        context.out << fileName << ": " << counted(carried, "personal note", "personal notes")
                    << " of the database it replaces carried into it\n";
    if (notes.leftOverFile().isEmpty())
        return;
    context.out.flush();
    const QStringList unplaced = unplacedNotes(placement, QStringLiteral("the database it replaces"));
    context.err << fileName << ": " << counted(unplaced.size(), "personal note finds", "personal notes find")
                << " no place in it and " << (unplaced.size() == 1 ? "is" : "are") << " kept in "
                << QDir::toNativeSeparators(notes.leftOverFile()) << ':' << Qt::endl;
    for (const QString& line : unplaced)
        context.err << "  " << line << Qt::endl;
}

// "rows 3, 9 and 12"
QString rowList(const QList<qint64>& rows)
{
    QStringList numbers;
    for (const qint64 row : rows)
        numbers << QString::number(row);
    const QString last = numbers.takeLast();
    return QStringLiteral("rows ") + numbers.join(QLatin1String(", ")) + QLatin1String(" and ") + last;
}

// The four databases, as a list in words.
QString databaseNames()
{
    return Schema::CleaningFile + QLatin1String(", ") + Schema::JoTankersFile + QLatin1String(", ") +
           Schema::HenkelFile + QLatin1String(" and ") + Schema::UnitorFile;
}

// Why a file of the source folder is not imported: every one but the four databases is left out.
QString leftOutReason(const QFileInfo& file)
{
    if (file.isDir())
        return QStringLiteral("a folder");
    for (const DatabaseSchema& schema : Schema::databases()) {
        if (file.fileName().compare(schema.fileName, Qt::CaseInsensitive) == 0)
            return QStringLiteral("the name differs from %1 in the case of its letters (renamed %1, it is "
                                  "imported)")
                .arg(schema.fileName);
    }
    return QStringLiteral("not one of ") + databaseNames();
}

void reportLeftOut(const QString& sourceDir, CliContext& context)
{
    const QFileInfoList files = QDir(sourceDir).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& file : files) {
        if (!Schema::database(file.fileName()))
            context.out << file.fileName() << ": left out, " << leftOutReason(file) << '\n';
    }
}

// The folder that takes the databases, made when it is not there yet; false after a message.
bool makeDataFolder(const QString& dataDir, CliContext& context)
{
    const QString shown = QDir::toNativeSeparators(dataDir);
    if (QFileInfo(dataDir).isDir())
        return true;
    if (QFileInfo::exists(dataDir)) {
        context.err << shown << " is not a folder" << Qt::endl;
        return false;
    }
    if (!QDir().mkpath(dataDir)) {
        context.err << "the folder " << shown << " cannot be made" << Qt::endl;
        return false;
    }
    context.out << "made the folder " << shown << '\n';
    return true;
}

} // namespace

const CommandHelp& importHelp()
{
    static const CommandHelp help{
        QStringLiteral("import"),
        QStringLiteral("Converts the legacy Access databases of a folder into the data folder"),
        {QStringLiteral("velcarin-cli import SRC_DIR [--data-dir DIR] [--replace]")},
        QStringLiteral(
            "Each of cleaning.mdb, Jo Tankers.mdb, Henkel.mdb and unitor.mdb found in SRC_DIR becomes "
            "the database of that name in the data folder, which is made if need be. The personal "
            "notes of a cargo database it replaces are carried into the new one."),
        {{QStringLiteral("SRC_DIR"),
          {},
          QStringLiteral("The folder of the legacy program's databases."),
          Completion::Folder}},
        {{QStringLiteral("--replace"),
          {},
          QStringLiteral("Replace databases already in the data folder, keeping each as NAME.bak.")}},
        {{0, QStringLiteral("every database found was imported")},
         {1, QStringLiteral("a database was not imported, or none was found")},
         {ExitCode::BadUse, QStringLiteral("bad use, or a folder that is not there or cannot be made")}},
        QStringLiteral("velcarin-cli import /media/usb/velcarin --replace"),
    };
    return help;
}

int runImport(const QStringList& arguments, CliContext& context)
{
    CommandLine commandLine(importHelp(), 1);
    const QString replace = QStringLiteral("replace");
    // The officer's own data folder receives his databases rather than copies of the shipped ones.
    commandLine.leaveDataFolderAsItIs();
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const QString sourceDir = QDir(commandLine.positional().first()).absolutePath();
    const QString dataDir = commandLine.dataDir();
    if (!QFileInfo(sourceDir).isDir()) {
        context.err << "no folder " << QDir::toNativeSeparators(sourceDir) << Qt::endl;
        return ExitCode::BadUse;
    }
    // A data folder named on the command line may be new, in a folder that is there; the officer's own is
    // made with the folders above it.
    const QString dataParent = QFileInfo(dataDir).absolutePath();
    if (!commandLine.folders().isOfficersFolder() && !QFileInfo(dataParent).isDir()) {
        context.err << "no folder " << QDir::toNativeSeparators(dataParent) << " to make "
                    << QDir::toNativeSeparators(dataDir) << " in" << Qt::endl;
        return ExitCode::BadUse;
    }
    const bool anyDatabase = std::any_of(
        Schema::databases().cbegin(), Schema::databases().cend(), [&sourceDir](const DatabaseSchema& schema) {
            return QFileInfo::exists(QDir(sourceDir).filePath(schema.fileName));
        });
    reportLeftOut(sourceDir, context);
    if (!anyDatabase) {
        context.out.flush();
        context.err << "none of " << databaseNames() << " is in " << QDir::toNativeSeparators(sourceDir)
                    << Qt::endl;
        return SomeFailed;
    }
    if (!makeDataFolder(dataDir, context))
        return ExitCode::BadUse;

    // Not while a start of Velcarin converts or tidies up the same folder.
    ConversionLock lock(dataDir);
    if (const Result<> locked = lock.acquire(); !locked) {
        context.err << locked.error() << Qt::endl;
        return SomeFailed;
    }

    bool failed = false;
    for (const DatabaseSchema& schema : Schema::databases()) {
        const QString& fileName = schema.fileName;
        const QString source = QDir(sourceDir).filePath(fileName);
        if (!QFileInfo::exists(source)) {
            context.out << fileName << ": not in " << QDir::toNativeSeparators(sourceDir) << ", skipped\n";
            continue;
        }
        const QString destination = QDir(dataDir).filePath(fileName);
        if (QFileInfo::exists(destination) && !commandLine.isSet(replace)) {
            context.err << fileName << ": " << QDir::toNativeSeparators(destination)
                        << " exists and is left as it is (--replace replaces it and keeps it as " << fileName
                        << ".bak)" << Qt::endl;
            failed = true;
            continue;
        }
        // The officer's personal notes go with him into the new cargo database.
        NotesCarry notes(destination + QStringLiteral(".notes.json"));
        LegacyImport::BeforeReplacing carryNotes;
        if (fileName == Schema::CleaningFile)
            carryNotes = [&notes](const QString& replaced, const QString& converted) {
                return notes.carry(replaced, converted);
            };
        const Result<LegacyImport::Imported> imported =
            LegacyImport::run(source, destination, QStringLiteral(".bak"), carryNotes);
        if (!imported) {
            notes.undo();
            context.err << fileName << ": " << imported.error() << Qt::endl;
            failed = true;
            continue;
        }
        const LegacyImport::Imported& result = *imported;
        context.out << summary(fileName, result) << '\n';
        if (!result.keptAs.isEmpty())
            context.out << fileName << ": the database it replaces is kept as "
                        << QDir::toNativeSeparators(result.keptAs) << '\n';
        for (const QString& warning : result.warnings)
            context.err << fileName << ": " << warning << Qt::endl;
        for (const RepeatedName& repeated : result.repeatedNames)
            context.err << fileName << ": the name \"" << repeated.name << "\" is found "
                        << repeated.rows.size() << " times in the table \"" << repeated.table << "\" ("
                        << rowList(repeated.rows) << ')' << Qt::endl;
        reportCarriedNotes(fileName, notes, context);
    }
    context.out.flush();
    return failed ? SomeFailed : AllImported;
}
