#include "data/legacy/LegacyImport.h"

#include "data/DatabaseFile.h"
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

QStringList columnNames(const AccessReader::Table& table)
{
    QStringList names;
    for (const AccessReader::Column& column : table.columns)
        names << column.name;
    return names;
}

// Writes the batches into their tables until the queue ends, summing up what it writes; gives the queue
// up when writing fails.
bool writeTables(const AccessReader& reader, RowQueue& queue, SqliteWriter& writer, ContentChecksum& checksum,
                 QString* error)
{
    qsizetype tables = 0;
    while (std::optional<EncodedRows> batch = queue.pop()) {
        bool written = true;
        if (batch->table() == tables) {
            const AccessReader::Table& table = reader.tables().at(tables++);
            checksum.addTable(table.name, columnNames(table));
            written = writer.addTable(table, error);
        }
        batch->addTo(checksum);
        if (!written || !writer.insert(*batch, error)) {
            queue.abandon();
            return false;
        }
    }
    return true;
}

// Copies every table of the reader into the writer; the content as it was written.
std::optional<DatabaseContent> copyTables(const AccessReader& reader, SqliteWriter& writer,
                                          QString* readError, QString* writeError)
{
    RowQueue queue;
    ContentChecksum checksum;
    bool written = true;
    std::thread writing([&] { written = writeTables(reader, queue, writer, checksum, writeError); });

    DatabaseContent content;
    bool read = true;
    const QList<AccessReader::Table>& tables = reader.tables();
    for (qsizetype t = 0; read && t < tables.size(); ++t) {
        const AccessReader::Table& table = tables.at(t);
        const QStringList columns = columnNames(table);
        const int columnCount = int(columns.size());
        EncodedRows batch(t, columnCount);
        qint64 rows = 0;
        read = reader.readRows(
                   table,
                   [&](const QVariantList& row) {
                       ++rows;
                       if (!batch.append(row, readError))
                           return false;
                       return batch.rowCount() < RowQueue::BatchRows ||
                              queue.push(std::exchange(batch, EncodedRows(t, columnCount)));
                   },
                   readError) &&
               queue.push(std::move(batch));
        content.tables << DatabaseContent::Table{table.name, columns, rows};
    }
    queue.close();
    writing.join();
    if (!written) {
        readError->clear();
        return std::nullopt;
    }
    if (!read)
        return std::nullopt;
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

// Files on their way into the folder are hidden beside the destination until they are complete:
// ".NAME.XXXXXX", the Xs made unique by QTemporaryFile.
QString temporaryTemplate(const QString& destination)
{
    const QFileInfo target(destination);
    return target.dir().filePath(QLatin1Char('.') + target.fileName() + QStringLiteral(".XXXXXX"));
}

// A complete copy of a file under a new name in its folder, which it takes only once it is whole; until
// then it is one of the file's temporary files.
bool copyWhole(const QString& path, const QString& copyName, QString* error)
{
    QFile original(path);
    QTemporaryFile copy(temporaryTemplate(path));
    if (!original.open(QIODevice::ReadOnly) || !copy.open()) {
        *error = original.isOpen() ? copy.errorString() : original.errorString();
        return false;
    }
    while (!original.atEnd()) {
        const QByteArray piece = original.read(1 << 20);
        if (piece.isEmpty() || copy.write(piece) != piece.size()) {
            *error = piece.isEmpty() ? original.errorString() : copy.errorString();
            return false;
        }
    }
    if (!copy.flush()) {
        *error = copy.errorString();
        return false;
    }
    if (!OperatingSystem::syncFile(copy, error))
        return false;
    copy.close();
    if (!OperatingSystem::replaceFile(copy.fileName(), copyName, error))
        return false;
    copy.setAutoRemove(false);
    return true;
}

// Keeps a file under a second name while it still stands under its own: a second link to it, or, on a
// file system without links (FAT on a memory stick), a complete copy.
bool keepUnderSecondName(const QString& path, const QString& keptAs, QString* error)
{
    switch (OperatingSystem::linkFile(path, keptAs, error)) {
    case OperatingSystem::Link::Made:
        return true;
    case OperatingSystem::Link::Unsupported:
        return copyWhole(path, keptAs, error);
    case OperatingSystem::Link::Failed:
        break;
    }
    return false;
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
                                       const QString& keptSuffix, const BeforeReplacing& beforeReplacing)
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
    QTemporaryFile temporary(temporaryTemplate(destination));
    if (!temporary.open()) {
        result.error = tr("The folder \"%1\" cannot take the converted database: %2")
                           .arg(shown(target.absolutePath()), temporary.errorString());
        return result;
    }
    temporary.close();

    SqliteWriter writer;
    QString readError;
    std::optional<DatabaseContent> read;
    if (!writer.open(temporary.fileName(), &error) ||
        !(read = copyTables(*reader, writer, &readError, &error)) || !writer.finish(&error)) {
        result.error = readError.isEmpty()
                           ? tr("The converted database cannot be written in \"%1\": %2.")
                                 .arg(shown(target.absolutePath()), error)
                           : tr("The Access file \"%1\" is damaged: %2.").arg(shown(source), readError);
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

    const std::optional<QList<RepeatedName>> repeated = RepeatedName::in(temporary.fileName(), &error);
    if (!repeated) {
        result.error =
            tr("The database converted from \"%1\" cannot be read back: %2.").arg(shown(source), error);
        return result;
    }

    // Readable and writable by its owner like any database of Velcarin, whatever the source allowed.
    temporary.setPermissions(QFileInfo(source).permissions() | QFile::ReadOwner | QFile::WriteOwner);
    if (target.exists() && beforeReplacing && !beforeReplacing(destination, temporary.fileName(), &error)) {
        result.error = tr("%1; nothing was replaced.").arg(error);
        return result;
    }
    // The file standing under the destination's name is kept under a second name first; then one rename
    // puts the new database in its place. Whenever this stops, the name holds the old file or the new.
    if (target.exists()) {
        result.keptAs = freeName(destination, keptSuffix);
        if (!keepUnderSecondName(destination, result.keptAs, &error)) {
            result.error = tr("\"%1\" cannot be kept as \"%2\" (%3); nothing was replaced.")
                               .arg(shown(destination), shown(result.keptAs), error);
            result.keptAs.clear();
            return result;
        }
    }
    if (!OperatingSystem::replaceFile(temporary.fileName(), destination, &error)) {
        if (!result.keptAs.isEmpty())
            QFile::remove(result.keptAs);
        result.keptAs.clear();
        result.error =
            tr("The converted database cannot be put in place as \"%1\": %2").arg(shown(destination), error);
        return result;
    }
    temporary.setAutoRemove(false);
    OperatingSystem::syncFolder(target.absolutePath());

    result.imported = true;
    result.warnings = schemaWarnings(source, target.fileName(), reader->tables());
    result.repeatedNames = *repeated;
    for (const DatabaseContent::Table& table : read->tables)
        result.tables << TableSummary{table.name, table.rows};
    return result;
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
