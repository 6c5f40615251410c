#include "data/legacy/NotesCarry.h"

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/NumberedNames.h"
#include "data/Schema.h"
#include "data/WholeFileWriter.h"
#include "data/legacy/LegacyImport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlRecord>
#include <QTemporaryDir>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("NotesCarry", text);
}

// The notes of a cargo database of either kind; none where there is no notes field to hold them.
Result<QList<PersonalNotes::Note>> notesOf(const QString& path)
{
    switch (probeDatabaseFile(path)) {
    case DatabaseFileKind::SQLite: {
        const Result<Database> database = Database::open(path, true);
        if (!database)
            return Failure{database.error()};
        if (database->connection().record(Schema::CleaningTable).indexOf(Schema::PersonalNotesField) < 0)
            return QList<PersonalNotes::Note>{};
        return PersonalNotes::read(*database);
    }
    case DatabaseFileKind::Access: {
        const QTemporaryDir converted;
        const QString copy = converted.filePath(QFileInfo(path).fileName());
        if (const Result<LegacyImport::Imported> imported =
                LegacyImport::run(path, copy, QStringLiteral(".bak"));
            !imported)
            return Failure{imported.error()};
        return notesOf(copy);
    }
    case DatabaseFileKind::Unreadable:
        return Failure{tr("\"%1\" cannot be read").arg(QDir::toNativeSeparators(path))};
    case DatabaseFileKind::Missing:
    case DatabaseFileKind::NotAFile:
    case DatabaseFileKind::Other:
        break;
    }
    return QList<PersonalNotes::Note>{};
}

// Whether a file written reads back as these very notes: only then may the officer be told they are kept.
Result<> holdsNotes(const QString& path, const QList<PersonalNotes::Note>& notes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{file.errorString()};
    const Result<QList<PersonalNotes::Note>> read = PersonalNotes::fromJson(file.readAll());
    if (!read)
        return Failure{read.error()};
    if (*read != notes)
        return Failure{tr("it does not read back as written")};
    return {};
}

} // namespace

NotesCarry::NotesCarry(QString leftOverPath)
    : m_leftOverPath(std::move(leftOverPath))
{
}

Result<> NotesCarry::carry(const QString& replaced, const QString& converted)
{
    const Result<QList<PersonalNotes::Note>> notes = notesOf(replaced);
    if (!notes)
        return Failure{tr("the personal notes of \"%1\" cannot be read: %2")
                           .arg(QDir::toNativeSeparators(replaced), notes.error())};
    if (notes->isEmpty())
        return {};
    const Result<Database> database = Database::open(converted, false);
    const Result<PersonalNotes::Placement> placement =
        database ? PersonalNotes::write(*database, *notes, PersonalNotes::Different::Keep)
                 : Result<PersonalNotes::Placement>(Failure{database.error()});
    if (!placement)
        return Failure{tr("the personal notes of \"%1\" cannot be carried into the new database: %2")
                           .arg(QDir::toNativeSeparators(replaced), placement.error())};
    m_placement = *placement;
    if (placement->allPlaced())
        return {};
    return writeLeftOver(placement->different + placement->noCargo + placement->repeated);
}

Result<> NotesCarry::writeLeftOver(const QList<PersonalNotes::Note>& notes)
{
    const QString path = NumberedNames::beforeExtension(m_leftOverPath).firstFree();
    Result<> kept = WholeFileWriter::write(path, PersonalNotes::toJson(notes));
    if (kept)
        kept = holdsNotes(path, notes);
    if (!kept) {
        QFile::remove(path);
        return Failure{tr("the personal notes that find no cargo cannot be written to \"%1\": %2")
                           .arg(QDir::toNativeSeparators(path), kept.error())};
    }
    m_leftOverFile = path;
    return {};
}

void NotesCarry::undo()
{
    if (!m_leftOverFile.isEmpty())
        QFile::remove(m_leftOverFile);
    m_leftOverFile.clear();
    m_placement = {};
}
