#include "data/legacy/AccessReader.h"

// glib first: mdbtools.h includes it inside extern "C", where its C++ templates do not compile.
#include <glib.h>

#include <mdbtools.h>

#include "data/OperatingSystem.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>

#include <array>
#include <charconv>
#include <cmath>
#include <functional>

struct AccessReader::Handle {
    MdbHandle* mdb = nullptr;
    long pageCount = 0;
    QList<MdbCatalogEntry*> entries; // parallel to the tables

    ~Handle()
    {
        if (mdb)
            mdb_close(mdb);
    }
};

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("AccessReader", text);
}

// libmdb tells what it finds wrong with a file only by printing to stderr, and then often goes on with what
// it could read: a page cut off reads as zeros, a damaged page map falls back on guessing. While a
// Complaints lives, what its thread prints to stderr is kept instead, so that a complaint fails the read
// and the officer reads our words, not libmdb's.
class Complaints {
public:
    bool isEmpty() const { return m_capture.text().isEmpty(); }
    // The first complaint, said as a reason why the file is damaged.
    QString reason() const;

private:
    OperatingSystem::StderrCapture m_capture;
};

QString Complaints::reason() const
{
    // What libmdb says, for the complaints it is known to make; a number in it is a page or a byte.
    static const std::array<std::pair<const char*, const char*>, 8> known{{
        {R"(offset (\d+) is beyond EOF)",
         QT_TRANSLATE_NOOP("AccessReader", "it ends before byte %1, which it refers to")},
        {R"(reading page (\d+) failed)", QT_TRANSLATE_NOOP("AccessReader", "its page %1 cannot be read")},
        {R"(didn't get a full page at (\d+))", QT_TRANSLATE_NOOP("AccessReader", "its page %1 is cut off")},
        {R"(page (\d+) from map doesn't match)",
         QT_TRANSLATE_NOOP("AccessReader",
                           "the page map of a table names page %1, which is none of its pages")},
        {R"(brute force read|usage map type)",
         QT_TRANSLATE_NOOP("AccessReader", "the page map of a table cannot be read")},
        {R"(mdb_read_table|valid table definition|Unable to read (table|columns))",
         QT_TRANSLATE_NOOP("AccessReader", "the definition of a table cannot be read")},
        {R"(memo length)", QT_TRANSLATE_NOOP("AccessReader", "a memo has a wrong length")},
        {R"(mdb_crack_row)", QT_TRANSLATE_NOOP("AccessReader", "a row has data outside its page")},
    }};
    const QString first = QString::fromLocal8Bit(m_capture.text().split('\n').constFirst());
    for (const auto& [pattern, text] : known) {
        const QRegularExpressionMatch match = QRegularExpression(QLatin1String(pattern)).match(first);
        if (match.hasMatch())
            return match.lastCapturedIndex() > 0 ? tr(text).arg(match.captured(1)) : tr(text);
    }
    return tr("the Access reader finds it damaged in a way it does not name");
}

// Flags in the high bits of a row's offset on its data page.
constexpr int DeletedRow = 0x4000;
constexpr int OffsetMask = 0x1fff;

// A table's definition with its columns, freed with it. Nothing for a definition whose page map is empty:
// libmdb would walk that map through a null pointer.
class TableDefinition {
public:
    explicit TableDefinition(MdbCatalogEntry* entry)
        : m_table(mdb_read_table(entry))
    {
        if (m_table && (!m_table->usage_map || m_table->map_sz < 1 || !mdb_read_columns(m_table))) {
            mdb_free_tabledef(m_table);
            m_table = nullptr;
        }
    }
    ~TableDefinition()
    {
        if (m_table)
            mdb_free_tabledef(m_table);
    }
    TableDefinition(const TableDefinition&) = delete;
    TableDefinition& operator=(const TableDefinition&) = delete;

    MdbTableDef* get() const { return m_table; }
    const MdbColumn* column(unsigned int index) const
    {
        return static_cast<const MdbColumn*>(g_ptr_array_index(m_table->columns, index));
    }

private:
    MdbTableDef* m_table;
};

std::optional<AccessReader::ColumnKind> columnKind(int type)
{
    switch (type) {
    case MDB_TEXT:
    case MDB_MEMO:
    case MDB_MONEY:
    case MDB_NUMERIC:
    case MDB_DATETIME:
    case MDB_REPID:
        return AccessReader::ColumnKind::Text;
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return AccessReader::ColumnKind::Integer;
    case MDB_FLOAT:
    case MDB_DOUBLE:
        return AccessReader::ColumnKind::Real;
    case MDB_BINARY:
    case MDB_OLE:
        return AccessReader::ColumnKind::Binary;
    }
    return std::nullopt;
}

// Bytes a fixed-size value needs; 0 for values of variable size.
int fixedSize(int type)
{
    switch (type) {
    case MDB_BYTE:
        return 1;
    case MDB_INT:
        return 2;
    case MDB_LONGINT:
    case MDB_FLOAT:
        return 4;
    case MDB_MONEY:
    case MDB_DOUBLE:
    case MDB_DATETIME:
        return 8;
    case MDB_NUMERIC:
        return 17;
    case MDB_REPID:
        return 16;
    }
    return 0;
}

// Jet 4 and ACE text: UTF-16, or with "Unicode compression" (marked by FF FE) one byte per character, a
// zero byte switching to two bytes per character and back.
QString unicodeText(const uchar* data, qsizetype size)
{
    if (size >= 2 && data[0] == 0xff && data[1] == 0xfe) {
        QString text(size - 2, Qt::Uninitialized);
        QChar* out = text.data();
        bool compressed = true;
        for (qsizetype i = 2; i < size;) {
            if (data[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                *out++ = QChar(data[i++]);
            } else if (i + 1 < size) {
                *out++ = QChar(qFromLittleEndian<quint16>(data + i));
                i += 2;
            } else {
                break; // an odd last byte is no character
            }
        }
        text.truncate(out - text.constData());
        return text;
    }
    QString text(size / 2, Qt::Uninitialized);
    qFromLittleEndian<quint16>(data, size / 2, text.data());
    return text;
}

// Jet 3 text is in the file's code page; libmdb converts it.
QString codePageText(MdbHandle* mdb, const uchar* data, qsizetype size)
{
    if (size == 0)
        return QString(0, Qt::Uninitialized);
    QByteArray utf8(size * 4 + 1, Qt::Uninitialized);
    const int length = mdb_unicode2ascii(mdb, reinterpret_cast<const char*>(data), size_t(size), utf8.data(),
                                         size_t(utf8.size()));
    return QString::fromUtf8(utf8.constData(), length);
}

QString storedText(MdbHandle* mdb, const uchar* data, qsizetype size)
{
    return IS_JET3(mdb) ? codePageText(mdb, data, size) : unicodeText(data, size);
}

// The long-value pages of memo and OLE data, read into libmdb's second page buffer; one page often holds
// the values of many rows in a row. libmdb uses that buffer too, to find the next data page.
class LongValuePages {
public:
    LongValuePages(MdbHandle* mdb, long pageCount)
        : m_mdb(mdb)
        , m_pageCount(pageCount)
    {
    }

    // No long value can be longer than the file.
    qint64 capacity() const { return qint64(m_pageCount) * m_mdb->fmt->pg_size; }

    // A row of a long-value page by its address: the page number above the low byte, the row in it.
    std::optional<QByteArrayView> row(quint32 address)
    {
        const long page = long(address >> 8);
        const int row = int(address & 0xff);
        const ssize_t pageSize = m_mdb->fmt->pg_size;
        if (page != m_page) {
            m_page = -1;
            if (page >= m_pageCount || mdb_read_alt_pg(m_mdb, page) != pageSize)
                return std::nullopt;
            m_page = page;
        }
        const uchar* buffer = m_mdb->alt_pg_buf;
        const int offsets = m_mdb->fmt->row_count_offset;
        if (row >= qFromLittleEndian<quint16>(buffer + offsets))
            return std::nullopt;
        // Rows fill the page from its end: a row ends where the one before it starts.
        const int start = qFromLittleEndian<quint16>(buffer + offsets + 2 + row * 2) & OffsetMask;
        const int end =
            row == 0 ? int(pageSize) : qFromLittleEndian<quint16>(buffer + offsets + row * 2) & OffsetMask;
        if (start > end || end > pageSize)
            return std::nullopt;
        return QByteArrayView(reinterpret_cast<const char*>(buffer) + start, end - start);
    }

    void forget() { m_page = -1; }

private:
    MdbHandle* m_mdb;
    long m_pageCount;
    long m_page = -1;
};

// A memo or OLE value: its 12-byte head tells whether the data follows inline, fills one row of a
// long-value page or runs through a chain of such rows, each starting with the next one's address. A
// damaged head may claim any length up to a gigabyte, and a damaged chain may lead back into itself.
std::optional<QByteArray> longValue(MdbHandle* mdb, LongValuePages& pages, const MdbField& field,
                                    QString* problem)
{
    if (field.siz == 0)
        return QByteArray();
    if (field.siz < MDB_MEMO_OVERHEAD)
        return std::nullopt;
    const uchar* head = mdb->pg_buf + field.start;
    const quint32 word = qFromLittleEndian<quint32>(head);
    const qsizetype length = qsizetype(word & 0x3fffffff);
    const quint32 storage = word >> 30;
    if (storage == 2) {
        if (field.siz - MDB_MEMO_OVERHEAD < length)
            return std::nullopt;
        return QByteArray(reinterpret_cast<const char*>(head) + MDB_MEMO_OVERHEAD, length);
    }
    if (storage == 3)
        return std::nullopt;
    if (length > pages.capacity()) {
        *problem = tr("it claims %1 bytes, more than the whole file holds").arg(length);
        return std::nullopt;
    }

    QByteArray data;
    data.reserve(length);
    quint32 address = qFromLittleEndian<quint32>(head + 4);
    const int link = storage == 1 ? 0 : 4;
    // Access puts every piece of a chain on a page of its own.
    QSet<quint32> pagesVisited;
    do {
        if (Q_UNLIKELY(pagesVisited.contains(address >> 8))) {
            *problem = tr("its pieces run in a loop");
            return std::nullopt;
        }
        pagesVisited.insert(address >> 8);
        const std::optional<QByteArrayView> row = pages.row(address);
        if (!row || row->size() < link)
            return std::nullopt;
        data.append(row->sliced(link));
        address = link ? qFromLittleEndian<quint32>(row->data()) : 0;
    } while (address != 0 && data.size() < length);
    if (data.size() < length)
        return std::nullopt;
    data.truncate(length);
    return data;
}

// Keeps the decimal digits of a Single that Access shows, rather than the binary fraction of a double.
double singleValue(float value)
{
    std::array<char, 32> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    double result = value;
    std::from_chars(digits.data(), written.ptr, result);
    return result;
}

// Days since 30 December 1899; the fraction is the time of day, before that day too. Nothing for a value
// outside the dates Access keeps (the years 100 to 9999), which only a damaged file holds.
std::optional<QString> dateTimeText(double value)
{
    constexpr double FirstDay = -657434; // 1 January 100
    constexpr double LastDay = 2958466;  // the day after 31 December 9999
    if (!(value >= FirstDay && value < LastDay))
        return std::nullopt;
    const double days = std::trunc(value);
    const qint64 seconds = qRound64(std::abs(value - days) * 86400.0);
    const QDate date = QDate(1899, 12, 30).addDays(qint64(days) + seconds / 86400);
    const QTime time = QTime::fromMSecsSinceStartOfDay(int(seconds % 86400) * 1000);
    return date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') +
           time.toString(QStringLiteral("HH:mm:ss"));
}

QString libmdbText(char* text)
{
    const QString result = QString::fromUtf8(text);
    g_free(text);
    return result;
}

// Walks the live rows of a table in physical order and cracks each into its fields, one for each column
// in column order; newPage runs whenever libmdb has read the next data page. The number of rows, or
// nothing when a row is damaged (with the problem) or the visitor stops.
std::optional<qint64> visitRows(MdbHandle* mdb, MdbTableDef* def, const std::function<void()>& newPage,
                                const std::function<bool(const MdbField*, qint64)>& visit, QString* problem)
{
    std::array<MdbField, MDB_MAX_COLS> fields{};
    qint64 count = 0;
    mdb_rewind_table(def);
    while (mdb_read_next_dpg(def)) {
        newPage();
        const int rows = mdb_get_int16(mdb->pg_buf, mdb->fmt->row_count_offset);
        for (int r = 0; r < rows; ++r) {
            int start = 0;
            size_t size = 0;
            if (mdb_find_row(mdb, r, &start, &size) != 0) {
                *problem = tr("has a row that cannot be found on its page");
                return std::nullopt;
            }
            if (start & DeletedRow)
                continue;
            start &= OffsetMask;
            bool cracked = size > 0 && start + size <= size_t(mdb->fmt->pg_size) &&
                           mdb_crack_row(def, start, size, fields.data()) >= 0;
            for (unsigned int c = 0; cracked && c < def->num_cols; ++c)
                cracked = fields[c].colnum >= 0 && unsigned(fields[c].colnum) < def->num_cols;
            if (!cracked) {
                *problem = tr("has damaged data in row %1").arg(count + 1);
                return std::nullopt;
            }
            if (!visit(fields.data(), count))
                return std::nullopt;
            ++count;
        }
    }
    return count;
}

// A field's value; nothing when it cannot be read, with the reason when there is more to say.
std::optional<QVariant> fieldValue(MdbHandle* mdb, LongValuePages& pages, const MdbColumn* column,
                                   const MdbField& field, QString* problem)
{
    // Yes/No lives in the null mask: a set bit is Yes.
    if (column->col_type == MDB_BOOL)
        return QVariant(qlonglong(field.is_null ? 0 : 1));
    if (field.is_null)
        return QVariant();
    if (field.siz < fixedSize(column->col_type) || field.start + field.siz > mdb->fmt->pg_size)
        return std::nullopt;
    const uchar* data = mdb->pg_buf + field.start;
    switch (column->col_type) {
    case MDB_TEXT:
        return QVariant(storedText(mdb, data, field.siz));
    case MDB_MEMO:
        if (const std::optional<QByteArray> bytes = longValue(mdb, pages, field, problem))
            return QVariant(
                storedText(mdb, reinterpret_cast<const uchar*>(bytes->constData()), bytes->size()));
        return std::nullopt;
    case MDB_BINARY:
        return QVariant(QByteArray(reinterpret_cast<const char*>(data), field.siz));
    case MDB_OLE:
        if (const std::optional<QByteArray> bytes = longValue(mdb, pages, field, problem))
            return QVariant(*bytes);
        return std::nullopt;
    case MDB_BYTE:
        return QVariant(qlonglong(data[0]));
    case MDB_INT:
        return QVariant(qlonglong(qFromLittleEndian<qint16>(data)));
    case MDB_LONGINT:
        return QVariant(qlonglong(qFromLittleEndian<qint32>(data)));
    case MDB_FLOAT:
        return QVariant(singleValue(qFromLittleEndian<float>(data)));
    case MDB_DOUBLE:
        return QVariant(qFromLittleEndian<double>(data));
    case MDB_DATETIME:
        if (const std::optional<QString> text = dateTimeText(qFromLittleEndian<double>(data)))
            return QVariant(*text);
        if (problem)
            *problem = tr("a date outside the years 100 to 9999");
        return std::nullopt;
    case MDB_MONEY:
        return QVariant(libmdbText(mdb_money_to_string(mdb, field.start)));
    case MDB_NUMERIC:
        return QVariant(
            libmdbText(mdb_numeric_to_string(mdb, field.start, column->col_scale, column->col_prec)));
    case MDB_REPID:
        return QVariant(libmdbText(mdb_uuid_to_string(mdb->pg_buf, field.start)));
    }
    return std::nullopt;
}

// libmdb reads the catalogue from the system table MSysObjects, whose definition is on page 2, without
// checking that definition first; a damaged one would crash it.
bool catalogueIsReadable(MdbHandle* mdb)
{
    MdbCatalogEntry systemObjects{};
    systemObjects.mdb = mdb;
    systemObjects.object_type = MDB_TABLE;
    systemObjects.table_pg = 2;
    qstrncpy(systemObjects.object_name, "MSysObjects", sizeof systemObjects.object_name);
    return TableDefinition(&systemObjects).get() && mdb_read_catalog(mdb, MDB_TABLE);
}

// libmdb silently stops reading the catalogue at a page it cannot read; a table missing from the list
// would be missing from the import.
bool catalogueIsWhole(MdbHandle* mdb)
{
    for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (qstrcmp(entry->object_name, "MSysObjects") != 0)
            continue;
        const TableDefinition definition(entry);
        QString problem;
        const std::optional<qint64> count =
            definition.get()
                ? visitRows(
                      mdb, definition.get(), [] {}, [](const MdbField*, qint64) { return true; }, &problem)
                : std::nullopt;
        return count && *count == definition.get()->num_rows;
    }
    return false;
}

} // namespace

AccessReader::AccessReader()
    : m_handle(std::make_unique<Handle>())
{
}

AccessReader::~AccessReader() = default;

Result<std::unique_ptr<AccessReader>> AccessReader::open(const QString& path)
{
    std::unique_ptr<AccessReader> reader(new AccessReader);
    auto fail = [](const QString& message) {
        return Failure{message};
    };
    const Complaints complaints;
    MdbHandle* mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!mdb)
        return fail(tr("it cannot be opened as an Access database"));
    reader->m_handle->mdb = mdb;
    // A file cut short by a failed copy ends within a page, which libmdb would read as if whole.
    const std::optional<qint64> size = OperatingSystem::openFileSize(mdb->f->stream);
    if (!size)
        return fail(tr("it cannot be opened as an Access database"));
    const qint64 pageSize = mdb->fmt->pg_size;
    if (*size % pageSize != 0)
        return fail(
            tr("it is cut off (%1 bytes, not a whole number of its %2-byte pages)").arg(*size).arg(pageSize));
    reader->m_handle->pageCount = long(*size / pageSize);
    if (!catalogueIsReadable(mdb) || !catalogueIsWhole(mdb))
        return fail(tr("its list of tables cannot be read"));

    for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type != MDB_TABLE || !mdb_is_user_table(entry))
            continue;
        Table table{QString::fromUtf8(entry->object_name), {}, 0};
        const TableDefinition definition(entry);
        if (!definition.get())
            return fail(tr("the definition of the table \"%1\" cannot be read").arg(table.name));
        for (unsigned int c = 0; c < definition.get()->num_cols; ++c) {
            const MdbColumn* column = definition.column(c);
            const QString name = QString::fromUtf8(column->name);
            const std::optional<ColumnKind> kind = columnKind(column->col_type);
            if (!kind)
                return fail(tr("the column \"%1\" of the table \"%2\" holds a kind of data (type %3) that "
                               "cannot be read")
                                .arg(name, table.name)
                                .arg(column->col_type));
            table.columns << Column{name, *kind};
        }
        table.rowCount = definition.get()->num_rows;
        reader->m_tables << table;
        reader->m_handle->entries << entry;
    }
    if (!complaints.isEmpty())
        return fail(complaints.reason());
    return reader;
}

Result<> AccessReader::readRows(const Table& table, const RowReceiver& receiver) const
{
    auto fail = [&table](const QString& message) {
        return Failure{tr("the table \"%1\" %2").arg(table.name, message)};
    };
    const Complaints complaints;
    qsizetype index = 0;
    while (index < m_tables.size() && m_tables.at(index).name != table.name)
        ++index;
    if (index == m_tables.size())
        return fail(tr("is not in the file"));
    const TableDefinition definition(m_handle->entries.at(index));
    MdbTableDef* def = definition.get();
    if (!def || def->num_cols != unsigned(table.columns.size()))
        return fail(tr("can no longer be read"));

    MdbHandle* mdb = m_handle->mdb;
    LongValuePages pages(mdb, m_handle->pageCount);
    QVariantList row(table.columns.size());
    QString problem;
    bool received = true;
    const std::optional<qint64> count = visitRows(
        mdb, def, [&] { pages.forget(); },
        [&](const MdbField* fields, qint64 done) {
            for (unsigned int c = 0; c < def->num_cols; ++c) {
                QString reason;
                std::optional<QVariant> value =
                    fieldValue(mdb, pages, definition.column(fields[c].colnum), fields[c], &reason);
                if (!value) {
                    problem = tr("has a value that cannot be read in the column \"%1\" of row %2")
                                  .arg(table.columns.at(fields[c].colnum).name)
                                  .arg(done + 1);
                    if (!reason.isEmpty())
                        problem += QLatin1String(": ") + reason;
                    return false;
                }
                row[fields[c].colnum] = std::move(*value);
            }
            return received = receiver(row);
        },
        &problem);
    if (!received)
        return fail(tr("was not read to its end"));
    if (!count)
        return fail(problem);
    if (*count != table.rowCount)
        return fail(tr("records %1 rows, but %2 can be read").arg(table.rowCount).arg(*count));
    if (!complaints.isEmpty())
        return Failure{complaints.reason()};
    return {};
}
