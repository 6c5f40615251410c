#include "data/legacy/NotesCarry.h"

#include "data/Database.h"
#include "data/DatabaseFile.h"
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
std::optional<QList<PersonalNotes::Note>> notesOf(const QString& path, QString* error)
{
    switch (probeDatabaseFile(path)) {
    case DatabaseFileKind::SQLite: {
        const Database database = Database::open(path, true, error);
        if (!database.isOpen())
            return std::nullopt;
        if (database.connection()
                .record(QStringLiteral("CleaningA"))
                .indexOf(QStringLiteral("Personal Notes")) < 0)
            return QList<PersonalNotes::Note>{};
        return PersonalNotes::read(database, error);
    }
    case DatabaseFileKind::Access: {
        const QTemporaryDir converted;
        const QString copy = converted.filePath(QFileInfo(path).fileName());
        const LegacyImport::Result result = LegacyImport::run(path, copy, QStringLiteral(".bak"));
        if (!result.imported) {
            if (error)
                *error = result.error;
            return std::nullopt;
        }
        return notesOf(copy, error);
    }
    case DatabaseFileKind::Unreadable:
        if (error)
            *error = tr("\"%1\" cannot be read").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    case DatabaseFileKind::Missing:
    case DatabaseFileKind::NotAFile:
    case DatabaseFileKind::Other:
        break;
    }
    return QList<PersonalNotes::Note>{};
}

// Whether a file written reads back as these very notes: only then may the officer be told they are kept.
bool holdsNotes(const QString& path, const QList<PersonalNotes::Note>& notes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    if (PersonalNotes::fromJson(file.readAll(), error) == notes)
        return true;
    if (error->isEmpty())
        *error = tr("it does not read back as written");
    return false;
}

} // namespace

NotesCarry::NotesCarry(QString leftOverPath)
    : m_leftOverPath(std::move(leftOverPath))
{
}

bool NotesCarry::carry(const QString& replaced, const QString& converted, QString* error)
{
    QString reason;
    const std::optional<QList<PersonalNotes::Note>> notes = notesOf(replaced, &reason);
    if (!notes) {
        if (error)
            *error = tr("the personal notes of \"%1\" cannot be read: %2")
                         .arg(QDir::toNativeSeparators(replaced), reason);
        return false;
    }
    if (notes->isEmpty())
        return true;
    const Database database = Database::open(converted, false, &reason);
    std::optional<PersonalNotes::Placement> placement;
    if (database.isOpen())
        placement = PersonalNotes::write(database, *notes, PersonalNotes::Different::Keep, &reason);
    if (!placement) {
        if (error)
            *error = tr("the personal notes of \"%1\" cannot be carried into the new database: %2")
                         .arg(QDir::toNativeSeparators(replaced), reason);
        return false;
    }
    m_placement = *placement;
    return placement->allPlaced() ||
           writeLeftOver(placement->different + placement->noCargo + placement->repeated, error);
}

bool NotesCarry::writeLeftOver(const QList<PersonalNotes::Note>& notes, QString* error)
{
    const QFileInfo wanted(m_leftOverPath);
    QString path = m_leftOverPath;
    for (int n = 1; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = wanted.dir().filePath(wanted.completeBaseName() + QStringLiteral(".%1.").arg(n) +
                                     wanted.suffix());
    QString reason;
    if (!WholeFileWriter::write(path, PersonalNotes::toJson(notes), &reason) ||
        !holdsNotes(path, notes, &reason)) {
        QFile::remove(path);
        if (error)
            *error = tr("the personal notes that find no cargo cannot be written to \"%1\": %2")
                         .arg(QDir::toNativeSeparators(path), reason);
        return false;
    }
    m_leftOverFile = path;
    return true;
}

void NotesCarry::undo()
{
    if (!m_leftOverFile.isEmpty())
        QFile::remove(m_leftOverFile);
    m_leftOverFile.clear();
    m_placement = {};
}
