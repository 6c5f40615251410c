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

QString fileProblem(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    switch (probeDatabaseFile(path)) {
    case DatabaseFileKind::Missing:
        return tr("The database file \"%1\" is missing.").arg(shown);
    case DatabaseFileKind::NotAFile:
        return tr("\"%1\" is not a database file.").arg(shown);
    case DatabaseFileKind::Unreadable:
        return tr("The database file \"%1\" cannot be read.").arg(shown);
    case DatabaseFileKind::Access:
        return tr("The database file \"%1\" is a Microsoft Access file that has not been converted for "
                  "Velcarin (velcarin-cli import converts it).")
            .arg(shown);
    case DatabaseFileKind::Other:
        return tr("The file \"%1\" is not a SQLite database.").arg(shown);
    case DatabaseFileKind::SQLite:
        break;
    }
    return {};
}

QStringList schemaProblems(const Database& database, const DatabaseSchema& schema)
{
    const QString shown = QDir::toNativeSeparators(database.path());
    const QSqlDatabase connection = database.connection();
    QStringList problems;
    for (const TableSchema& table : schema.tables) {
        // SQLite resolves table and field names without regard to case, and so does this check.
        const QSqlRecord record = connection.record(table.name);
        if (record.isEmpty()) {
            problems << tr("The database file \"%1\" has no table \"%2\".").arg(shown, table.name);
            continue;
        }
        for (const QString& field : table.fields) {
            bool found = false;
            for (int i = 0; i < record.count() && !found; ++i)
                found = record.fieldName(i).compare(field, Qt::CaseInsensitive) == 0;
            if (!found)
                problems << tr("The table \"%1\" of the database file \"%2\" has no field \"%3\".")
                                .arg(table.name, shown, field);
        }
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

Database Store::open(const QString& fileName, QString* error) const
{
    const QString path = pathOf(fileName);
    const QString problem = fileProblem(path);
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return {};
    }
    QString engineError;
    const bool readOnly = fileName != Schema::CleaningFile;
    Database database = Database::open(path, readOnly, &engineError);
    if (!database.isOpen()) {
        if (error)
            *error = tr("The database file \"%1\" cannot be opened: %2")
                         .arg(QDir::toNativeSeparators(path), engineError);
        return {};
    }
    if (const DatabaseSchema* schema = Schema::database(fileName)) {
        const QStringList problems = schemaProblems(database, *schema);
        if (!problems.isEmpty()) {
            if (error)
                *error = problems.join(QLatin1Char('\n'));
            return {};
        }
    }
    return database;
}

QStringList Store::problems() const
{
    QStringList problems;
    for (const DatabaseSchema& schema : Schema::databases()) {
        QString error;
        if (!open(schema.fileName, &error).isOpen())
            problems << error;
    }
    return problems;
}
