#include "data/legacy/LegacyImport.h"

#include "data/DatabaseFile.h"
#include "data/NumberedNames.h"
#include "data/OperatingSystem.h"
#include "data/Schema.h"
#include "data/legacy/AccessReader.h"
#include "data/legacy/DatabaseContent.h"
#include "data/legacy/SqliteWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("LegacyImport", text);
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QStringList columnNames(const AccessReader::Table& table)
{
    QStringList names;
    for (const AccessReader::Column& column : table.columns)
        names << column.name;
    return names;
}

// What Velcarin reads from a database of this name and the source lacks.
QStringList schemaWarnings(const QString& source, const QString& fileName,
                           const QList<AccessReader::Table>& tables)
{
    const DatabaseSchema* schema = Schema::database(fileName);
    if (!schema)
        return {};
    const auto columnsOf = [&tables](const QString& name) -> std::optional<QStringList> {
        for (const AccessReader::Table& table : tables) {
            if (table.name.compare(name, Qt::CaseInsensitive) == 0)
                return columnNames(table);
        }
        return std::nullopt;
    };
    QStringList warnings;
    for (const Schema::Missing& missing : Schema::missingFrom(*schema, columnsOf)) {
        warnings << (missing.field.isEmpty()
                         ? tr("The Access file \"%1\" has no table \"%2\", which Velcarin reads.")
                               .arg(shown(source), missing.table)
                         : tr("The table \"%1\" of the Access file \"%2\" has no field \"%3\", which "
                              "Velcarin reads.")
                               .arg(missing.table, shown(source), missing.field));
    }
    return warnings;
}

// Batches of rows on their way from the thread that reads the Access file to the one that writes SQLite,
// so that reading and writing overlap. Every table starts with a batch of its own, which may be empty.
class RowQueue {
public:
    static constexpr qsizetype BatchRows = 256;

    // False once the writing side has given up.
    bool push(EncodedRows batch)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_batches.size() < Capacity || m_abandoned; });
        if (m_abandoned)
            return false;
        m_batches.push_back(std::move(batch));
        m_changed.notify_all();
        return true;
    }
    // No more batches will come.
    void close()
    {
        const std::lock_guard lock(m_mutex);
        m_closed = true;
        m_changed.notify_all();
    }
    // The next batch; nothing once the queue is closed and empty.
    std::optional<EncodedRows> pop()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_batches.empty() || m_closed; });
        if (m_batches.empty())
            return std::nullopt;
        EncodedRows batch = std::move(m_batches.front());
        m_batches.pop_front();
        m_changed.notify_all();
        return batch;
    }
    void abandon()
    {
        const std::lock_guard lock(m_mutex);
        m_abandoned = true;
        m_changed.notify_all();
    }

private:
    static constexpr size_t Capacity = 16;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<EncodedRows> m_batches;
    bool m_closed = false;
    bool m_abandoned = false;
};

QString damaged(const QString& source, const QString& reason)
{
    return tr("The Access file \"%1\" is damaged: %2.").arg(shown(source), reason);
}

QString unwritable(const QString& folder, const QString& reason)
{
    return tr("The converted database cannot be written in \"%1\": %2.").arg(shown(folder), reason);
}

// Writes the batches into their tables until the queue ends, summing up what it writes; gives the queue
// up when writing fails.
Result<> writeTables(const AccessReader& reader, RowQueue& queue, SqliteWriter& writer,
                     ContentChecksum& checksum)
{
    qsizetype tables = 0;
    while (std::optional<EncodedRows> batch = queue.pop()) {
        Result<> written;
        if (batch->table() == tables) {
            const AccessReader::Table& table = reader.tables().at(tables++);
            checksum.addTable(table.name, columnNames(table));
            written = writer.addTable(table);
        }
        batch->addTo(checksum);
        if (written)
            written = writer.insert(*batch);
        if (!written) {
            queue.abandon();
            return written;
        }
    }
    return {};
}

// Copies every table of the reader into the writer, which writes into the folder; the content as it was
// written.
Result<DatabaseContent> copyTables(const AccessReader& reader, SqliteWriter& writer, const QString& source,
                                   const QString& folder)
{
    RowQueue queue;
    ContentChecksum checksum;
    Result<> written;
    std::thread writing([&] { written = writeTables(reader, queue, writer, checksum); });

    DatabaseContent content;
    Result<> read;
    const QList<AccessReader::Table>& tables = reader.tables();
    for (qsizetype t = 0; read && t < tables.size(); ++t) {
        const AccessReader::Table& table = tables.at(t);
        const QStringList columns = columnNames(table);
        const int columnCount = int(columns.size());
        EncodedRows batch(t, columnCount);
        qint64 rows = 0;
        Result<> encoded;
        read = reader.readRows(table, [&](const QVariantList& row) {
            ++rows;
            encoded = batch.append(row);
            return encoded && (batch.rowCount() < RowQueue::BatchRows ||
                               queue.push(std::exchange(batch, EncodedRows(t, columnCount))));
        });
        if (!encoded)
            read = encoded;
        else if (read && !queue.push(std::move(batch)))
            break; // the writer has given up, and tells why
        content.tables << DatabaseContent::Table{table.name, columns, rows};
    }
    queue.close();
    writing.join();
    if (!written)
        return Failure{unwritable(folder, written.error())};
    if (!read)
        return Failure{damaged(source, read.error())};
    content.checksum = checksum.result();
    return content;
}

// Files on their way into the folder are hidden beside the destination until they are complete:
// ".NAME.XXXXXX", the Xs made unique by QTemporaryFile.
QString temporaryTemplate(const QString& destination)
{
    const QFileInfo target(destination);
    return target.dir().filePath(QLatin1Char('.') + target.fileName() + QStringLiteral(".XXXXXX"));
}

// A complete copy of a file under a new name in its folder, which it takes only once it is whole; until
// then it is one of the file's temporary files.
Result<> copyWhole(const QString& path, const QString& copyName)
{
    QFile original(path);
    QTemporaryFile copy(temporaryTemplate(path));
    if (!original.open(QIODevice::ReadOnly) || !copy.open())
        return Failure{original.isOpen() ? copy.errorString() : original.errorString()};
    while (!original.atEnd()) {
        const QByteArray piece = original.read(1 << 20);
        if (piece.isEmpty() || copy.write(piece) != piece.size())
            return Failure{piece.isEmpty() ? original.errorString() : copy.errorString()};
    }
    if (!copy.flush())
        return Failure{copy.errorString()};
    if (const Result<> synced = OperatingSystem::syncFile(copy); !synced)
        return synced;
    copy.close();
    if (const Result<> renamed = OperatingSystem::replaceFile(copy.fileName(), copyName); !renamed)
        return renamed;
    copy.setAutoRemove(false);
    return {};
}

// Keeps a file under a second name while it still stands under its own: a second link to it, or, on a
// file system without links (FAT on a memory stick), a complete copy.
Result<> keepUnderSecondName(const QString& path, const QString& keptAs)
{
    QString reason;
    switch (OperatingSystem::linkFile(path, keptAs, &reason)) {
    case OperatingSystem::Link::Made:
        return {};
    case OperatingSystem::Link::Unsupported:
        return copyWhole(path, keptAs);
    case OperatingSystem::Link::Failed:
        break;
    }
    return Failure{reason};
}

} // namespace

qint64 LegacyImport::Imported::rowCount() const
{
    qint64 rows = 0;
    for (const TableSummary& table : tables)
        rows += table.rows;
    return rows;
}

Result<LegacyImport::Imported> LegacyImport::run(const QString& source, const QString& destination,
                                                 const QString& keptSuffix,
                                                 const BeforeReplacing& beforeReplacing)
{
    if (const Result<> access = checkDatabaseFile(source, DatabaseFileKind::Access); !access)
        return Failure{access.error()};

    const Result<std::unique_ptr<AccessReader>> reader = AccessReader::open(source);
    if (!reader)
        return Failure{damaged(source, reader.error())};

    const QFileInfo target(destination);
    if (target.exists() && !target.isFile())
        return Failure{
            tr("\"%1\" is in the way of the converted database: it is not a file.").arg(shown(destination))};
    QTemporaryFile temporary(temporaryTemplate(destination));
    if (!temporary.open())
        return Failure{tr("The folder \"%1\" cannot take the converted database: %2")
                           .arg(shown(target.absolutePath()), temporary.errorString())};
    temporary.close();

    SqliteWriter writer;
    if (const Result<> opened = writer.open(temporary.fileName()); !opened)
        return Failure{unwritable(target.absolutePath(), opened.error())};
    const Result<DatabaseContent> read = copyTables(**reader, writer, source, target.absolutePath());
    if (!read)
        return Failure{read.error()};
    if (const Result<> finished = writer.finish(); !finished)
        return Failure{unwritable(target.absolutePath(), finished.error())};

    const Result<DatabaseContent> written = DatabaseContent::ofSqliteFile(temporary.fileName());
    const QString difference = written ? written->differenceFrom(*read) : written.error();
    if (!difference.isEmpty())
        return Failure{tr("The database converted from \"%1\" does not match it (%2); nothing was replaced.")
                           .arg(shown(source), difference)};

    const Result<QList<RepeatedName>> repeated = RepeatedName::in(temporary.fileName());
    if (!repeated)
        return Failure{tr("The database converted from \"%1\" cannot be read back: %2.")
                           .arg(shown(source), repeated.error())};

    // Readable and writable by its owner like any database of Velcarin, whatever the source allowed.
    temporary.setPermissions(QFileInfo(source).permissions() | QFile::ReadOwner | QFile::WriteOwner);
    if (target.exists() && beforeReplacing) {
        if (const Result<> ready = beforeReplacing(destination, temporary.fileName()); !ready)
            return Failure{tr("%1; nothing was replaced.").arg(ready.error())};
    }
    // The file standing under the destination's name is kept under a second name first; then one rename
    // puts the new database in its place. Whenever this stops, the name holds the old file or the new.
    Imported imported;
    if (target.exists()) {
        const QString keptAs = NumberedNames::after(destination, keptSuffix).firstFree();
        if (const Result<> kept = keepUnderSecondName(destination, keptAs); !kept)
            return Failure{tr("\"%1\" cannot be kept as \"%2\" (%3); nothing was replaced.")
                               .arg(shown(destination), shown(keptAs), kept.error())};
        imported.keptAs = keptAs;
    }
    if (const Result<> replaced = OperatingSystem::replaceFile(temporary.fileName(), destination);
        !replaced) {
        if (!imported.keptAs.isEmpty())
            QFile::remove(imported.keptAs);
        return Failure{tr("The converted database cannot be put in place as \"%1\": %2")
                           .arg(shown(destination), replaced.error())};
    }
    temporary.setAutoRemove(false);
    OperatingSystem::syncFolder(target.absolutePath());

    imported.warnings = schemaWarnings(source, target.fileName(), (*reader)->tables());
    imported.repeatedNames = *repeated;
    for (const DatabaseContent::Table& table : read->tables)
        imported.tables << TableSummary{table.name, table.rows};
    return imported;
}

QStringList LegacyImport::leftovers(const QString& destination)
{
    const QFileInfo target(destination);
    const QRegularExpression temporaryName(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(QLatin1Char('.') + target.fileName() + QLatin1Char('.')) +
        QStringLiteral(".{6}")));
    QStringList found;
    const QDir folder = target.dir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (temporaryName.match(name).hasMatch())
            found << folder.filePath(name);
    }
    return found;
}
