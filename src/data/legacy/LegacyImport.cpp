#include "LegacyImport.h"

#include "AccessReader.h"
#include "DatabaseContent.h"
#include "DatabaseFile.h"
#include "Schema.h"
#include "SqliteWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("LegacyImport", text);
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString sourceProblem(const QString& path)
{
    switch (probeDatabaseFile(path)) {
    case DatabaseFileKind::Missing:
        return tr("The file \"%1\" is missing.").arg(shown(path));
    case DatabaseFileKind::NotAFile:
        return tr("\"%1\" is not a file.").arg(shown(path));
    case DatabaseFileKind::Unreadable:
        return tr("The file \"%1\" cannot be read.").arg(shown(path));
    case DatabaseFileKind::SQLite:
        return tr("The file \"%1\" is already a SQLite database, not a Microsoft Access database.")
            .arg(shown(path));
    case DatabaseFileKind::Other:
        return tr("The file \"%1\" is not a Microsoft Access database.").arg(shown(path));
    case DatabaseFileKind::Access:
        break;
    }
    return {};
}

// What Velcarin reads from a database of this name and the source lacks.
QStringList schemaWarnings(const QString& source, const QString& fileName,
                           const QList<AccessReader::Table>& tables)
{
    const DatabaseSchema* schema = Schema::database(fileName);
    if (!schema)
        return {};
    QStringList warnings;
    for (const TableSchema& wanted : schema->tables) {
        // Like SQLite, which will look them up, without regard to case.
        auto table = std::find_if(tables.begin(), tables.end(), [&](const AccessReader::Table& t) {
            return t.name.compare(wanted.name, Qt::CaseInsensitive) == 0;
        });
        if (table == tables.end()) {
            warnings << tr("The Access file \"%1\" has no table \"%2\", which Velcarin reads.")
                            .arg(shown(source), wanted.name);
            continue;
        }
        for (const QString& field : wanted.fields) {
            const bool found = std::any_of(table->columns.begin(), table->columns.end(), [&](const auto& c) {
                return c.name.compare(field, Qt::CaseInsensitive) == 0;
            });
            if (!found)
                warnings
                    << tr("The table \"%1\" of the Access file \"%2\" has no field \"%3\", which Velcarin "
                          "reads.")
                           .arg(wanted.name, shown(source), field);
        }
    }
    return warnings;
}

// Copies every table of the reader into the writer; the content as it was read.
std::optional<DatabaseContent> copyTables(const AccessReader& reader, SqliteWriter& writer, QString* error)
{
    DatabaseContent content;
    ContentChecksum checksum;
    for (const AccessReader::Table& table : reader.tables()) {
        if (!writer.addTable(table, error))
            return std::nullopt;
        QStringList columns;
        for (const AccessReader::Column& column : table.columns)
            columns << column.name;
        checksum.addTable(table.name, columns);
        qint64 rows = 0;
        QString writeError;
        const bool read = reader.readRows(
            table,
            [&](const QVariantList& row) {
                for (const QVariant& value : row)
                    checksum.addValue(value);
                ++rows;
                return writer.insert(row, &writeError);
            },
            error);
        if (!read) {
            if (!writeError.isEmpty() && error)
                *error = writeError;
            return std::nullopt;
        }
        content.tables << DatabaseContent::Table{table.name, columns, rows};
    }
    content.checksum = checksum.result();
    return content;
}

// The first free name among path + suffix, path + suffix + ".1", ...
QString freeName(const QString& path, const QString& suffix)
{
    QString name = path + suffix;
    for (int n = 1; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = path + suffix + QLatin1Char('.') + QString::number(n);
    return name;
}

} // namespace

qint64 LegacyImport::Result::rowCount() const
{
    qint64 rows = 0;
    for (const TableSummary& table : tables)
        rows += table.rows;
    return rows;
}

LegacyImport::Result LegacyImport::run(const QString& source, const QString& destination,
                                       const QString& keptSuffix)
{
    Result result;
    result.error = sourceProblem(source);
    if (!result.error.isEmpty())
        return result;

    QString error;
    const std::unique_ptr<AccessReader> reader = AccessReader::open(source, &error);
    if (!reader) {
        result.error = tr("The Access file \"%1\" is damaged: %2.").arg(shown(source), error);
        return result;
    }

    const QFileInfo target(destination);
    if (target.exists() && !target.isFile()) {
        result.error =
            tr("\"%1\" is in the way of the converted database: it is not a file.").arg(shown(destination));
        return result;
    }
    QTemporaryFile temporary(
        target.dir().filePath(QLatin1Char('.') + target.fileName() + QStringLiteral(".XXXXXX")));
    if (!temporary.open()) {
        result.error = tr("The folder \"%1\" cannot take the converted database: %2")
                           .arg(shown(target.absolutePath()), temporary.errorString());
        return result;
    }
    temporary.close();

    SqliteWriter writer;
    std::optional<DatabaseContent> read;
    if (!writer.open(temporary.fileName(), &error) || !(read = copyTables(*reader, writer, &error)) ||
        !writer.finish(&error)) {
        result.error = tr("The Access file \"%1\" cannot be converted: %2.").arg(shown(source), error);
        return result;
    }

    const std::optional<DatabaseContent> written =
        DatabaseContent::ofSqliteFile(temporary.fileName(), &error);
    const QString difference = written ? written->differenceFrom(*read) : error;
    if (!difference.isEmpty()) {
        result.error = tr("The database converted from \"%1\" does not match it (%2); nothing was replaced.")
                           .arg(shown(source), difference);
        return result;
    }

    // Readable and writable by its owner like any database of Velcarin, whatever the source allowed.
    temporary.setPermissions(QFileInfo(source).permissions() | QFile::ReadOwner | QFile::WriteOwner);
    if (target.exists()) {
        result.keptAs = freeName(destination, keptSuffix);
        if (!QFile::rename(destination, result.keptAs)) {
            result.error = tr("\"%1\" cannot be moved aside to \"%2\"; nothing was replaced.")
                               .arg(shown(destination), shown(result.keptAs));
            result.keptAs.clear();
            return result;
        }
    }
    if (!temporary.rename(destination)) {
        const QString reason = temporary.errorString();
        if (!result.keptAs.isEmpty())
            QFile::rename(result.keptAs, destination);
        result.keptAs.clear();
        result.error =
            tr("The converted database cannot be put in place as \"%1\": %2").arg(shown(destination), reason);
        return result;
    }
    temporary.setAutoRemove(false);

    result.imported = true;
    result.warnings = schemaWarnings(source, target.fileName(), reader->tables());
    for (const DatabaseContent::Table& table : read->tables)
        result.tables << TableSummary{table.name, table.rows};
    return result;
}
