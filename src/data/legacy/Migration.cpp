#include "data/legacy/Migration.h"

#include "data/DatabaseFile.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "data/legacy/LegacyImport.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Migration", text);
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
    if (probeDatabaseFile(path) != DatabaseFileKind::Access)
        return true;
    const LegacyImport::Result result = LegacyImport::run(path, path, QStringLiteral(".access"));
    if (!result.imported) {
        m_failures << tr("%1 could not be converted from Microsoft Access and is left as it was.\n%2")
                          .arg(fileName, result.error);
        return false;
    }
    m_migrated << Migrated{fileName, result.keptAs};
    return true;
}

void Migration::migrateAll()
{
    for (const DatabaseSchema& schema : Schema::databases())
        migrate(schema.fileName);
}

QString Migration::report() const
{
    QStringList lines{tr("Velcarin has converted your Microsoft Access databases into its own format:")};
    for (const Migrated& file : m_migrated)
        lines << file.description();
    return lines.join(QLatin1String("\n\n"));
}
