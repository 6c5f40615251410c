#include "data/Store.h"

#include "data/DatabaseFile.h"
#include "data/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Store", text);
}

QStringList schemaProblems(const Database& database, const DatabaseSchema& schema)
{
    const QString shown = QDir::toNativeSeparators(database.path());
    const QSqlDatabase connection = database.connection();
    const auto columnsOf = [&connection](const QString& table) -> std::optional<QStringList> {
        const QSqlRecord record = connection.record(table);
        if (record.isEmpty())
            return std::nullopt;
        QStringList columns;
        for (int i = 0; i < record.count(); ++i)
            columns << record.fieldName(i);
        return columns;
    };
    QStringList problems;
    for (const Schema::Missing& missing : Schema::missingFrom(schema, columnsOf)) {
        problems << (missing.field.isEmpty()
                         ? tr("The database file \"%1\" has no table \"%2\".").arg(shown, missing.table)
                         : tr("The table \"%1\" of the database file \"%2\" has no field \"%3\".")
                               .arg(missing.table, shown, missing.field));
    }
    return problems;
}

} // namespace

Store::Store(QString dataDir)
    : m_dataDir(std::move(dataDir))
{
}

QString Store::pathOf(const QString& fileName) const
{
    return m_dataDir + QLatin1Char('/') + fileName;
}

Result<Database> Store::open(const QString& fileName) const
{
    const QString path = pathOf(fileName);
    if (const Result<> sqlite = checkDatabaseFile(path, DatabaseFileKind::SQLite); !sqlite)
        return Failure{sqlite.error()};
    const bool readOnly = fileName != Schema::CleaningFile;
    Result<Database> database = Database::open(path, readOnly);
    if (!database)
        return Failure{tr("The database file \"%1\" cannot be opened: %2")
                           .arg(QDir::toNativeSeparators(path), database.error())};
    if (const DatabaseSchema* schema = Schema::database(fileName)) {
        const QStringList problems = schemaProblems(*database, *schema);
        if (!problems.isEmpty())
            return Failure{problems.join(QLatin1Char('\n'))};
    }
    return database;
}

QStringList Store::problems() const
{
    QStringList problems;
    for (const DatabaseSchema& schema : Schema::databases()) {
        if (const Result<Database> database = open(schema.fileName); !database)
            problems << database.error();
    }
    return problems;
}
