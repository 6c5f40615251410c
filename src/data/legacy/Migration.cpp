#include "data/legacy/Migration.h"

#include "data/DatabaseFile.h"
#include "data/NumberedNames.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "data/legacy/ConversionLock.h"
#include "data/legacy/LegacyImport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Migration", text);
}

const QString KeptSuffix = QStringLiteral(".access");

// The originals kept beside a database, oldest first: NAME.access, NAME.access.1, ...
QStringList keptOriginals(const QString& path)
{
    return NumberedNames::after(path, KeptSuffix).taken();
}

bool sameContent(const QString& first, const QString& second)
{
    QFile one(first);
    QFile other(second);
    if (one.size() != other.size() || !one.open(QIODevice::ReadOnly) || !other.open(QIODevice::ReadOnly))
        return false;
    while (!one.atEnd()) {
        if (one.read(1 << 20) != other.read(1 << 20))
            return false;
    }
    return true;
}

// Puts right what a conversion stopped by a crash or a kill left behind: its temporary files, and the
// second name its original had been given when the new database had not yet taken the name. A conversion
// by an earlier Velcarin moved the original aside first; stopped there, it left the name empty.
void undoInterrupted(const QString& path)
{
    const QStringList leftovers = LegacyImport::leftovers(path);
    for (const QString& leftover : leftovers)
        QFile::remove(leftover);
    const QStringList kept = keptOriginals(path);
    switch (probeDatabaseFile(path)) {
    case DatabaseFileKind::Access:
        for (const QString& original : kept) {
            if (sameContent(original, path))
                QFile::remove(original);
        }
        break;
    case DatabaseFileKind::Missing:
        if (!leftovers.isEmpty() && !kept.isEmpty() &&
            probeDatabaseFile(kept.last()) == DatabaseFileKind::Access)
            QFile::rename(kept.last(), path);
        break;
    default:
        break;
    }
}

// Whether the database is to be looked at under the folder's conversion lock: it is an Access file, or an
// interrupted conversion may have left something to put right.
bool needsLock(const QString& path, const QString& folder)
{
    return probeDatabaseFile(path) == DatabaseFileKind::Access || !LegacyImport::leftovers(path).isEmpty() ||
           ConversionLock::isInFolder(folder);
}

} // namespace

QString Migration::Migrated::description() const
{
    return tr("%1 was converted; its Access original is kept unchanged as \"%2\".")
        .arg(fileName, QDir::toNativeSeparators(keptAs));
}

Migration::Migration(Store store)
    : m_store(std::move(store))
{
}

bool Migration::migrate(const QString& fileName)
{
    const QString path = m_store.pathOf(fileName);
    if (!needsLock(path, m_store.dataDir()))
        return true;
    const bool access = probeDatabaseFile(path) == DatabaseFileKind::Access;
    auto fail = [&](const QString& reason) {
        m_failures << tr("%1 could not be converted from Microsoft Access and is left as it was.\n%2")
                          .arg(fileName, reason);
        return false;
    };
    ConversionLock lock(m_store.dataDir());
    // What was left behind does not keep the program from starting; it goes when the lock can be had.
    if (const Result<> locked = lock.acquire(); !locked)
        return access ? fail(locked.error()) : true;
    // Looked at again under the lock: another start may have converted it meanwhile.
    undoInterrupted(path);
    if (probeDatabaseFile(path) != DatabaseFileKind::Access)
        return true;
    const Result<LegacyImport::Imported> imported = LegacyImport::run(path, path, KeptSuffix);
    if (!imported)
        return fail(imported.error());
    m_migrated << Migrated{fileName, imported->keptAs};
    return true;
}

void Migration::migrateAll(const Progress& progress)
{
    const QList<DatabaseSchema>& databases = Schema::databases();
    for (int i = 0; i < databases.size(); ++i) {
        const QString& fileName = databases.at(i).fileName;
        if (progress && needsLock(m_store.pathOf(fileName), m_store.dataDir()))
            progress(fileName, i, int(databases.size()));
        migrate(fileName);
    }
}

QString Migration::report() const
{
    QStringList lines{tr("Velcarin has converted your Microsoft Access databases into its own format:")};
    for (const Migrated& file : m_migrated)
        lines << file.description();
    return lines.join(QLatin1String("\n\n"));
}
