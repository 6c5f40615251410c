#pragma once

#include "data/Database.h"
#include "data/Result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// The rows of a record source with a current record, as the data controls use them: find-first by
// criterion, bookmarks, clones that share the rows, absolute position, relative moves, edit and update.
// Every field is text; a NULL reads as a null QString, a zero-length value as an empty one. A source over
// one table, in the order of one of its columns or none, is read from the file as it is used, a window of
// rows at a time, so that its size costs little until it is shown: a read that the engine fails then shows
// empty fields, and readError() tells why. Any other source is read whole when it opens.
class RecordSet {
public:
    struct Bookmark {
        int row = -1;
        bool isValid() const { return row >= 0; }
        bool operator==(const Bookmark&) const = default;
    };

    // Rows read at a time; a window's edges lie wherever the moves lead.
    static constexpr int DefaultRowsPerWindow = 100;

    RecordSet() = default;

    // Runs the record source, whose rows come in the query's order, equal values in the order of the rows'
    // identities; the set stands on its first record.
    static Result<RecordSet> open(const Database& database, const QString& source,
                                  int rowsPerWindow = DefaultRowsPerWindow);
    // Shares the rows, and the changes written to them, with this set; stands on the first record.
    RecordSet clone() const;

    QString source() const;
    QString databasePath() const;
    int fieldCount() const;
    QString fieldName(int field) const;
    int fieldIndex(const QString& name) const; // -1 for an unknown field
    int recordCount() const;

    bool hasCurrent() const;
    int absolutePosition() const; // zero-based; -1 without a current record
    // A field of the current record, read with the rest of its row when it first becomes current.
    QString value(int field) const;
    QString value(const QString& fieldName) const;
    // A field of any record, for a list: the field is read for the records around it at once.
    QString valueAt(int row, int field) const;

    void moveFirst();
    // Moves by a number of records; past either end there is no current record.
    void move(int records);
    // Makes the first record that meets the criterion current, looked up through the column's index where
    // the file has one. A malformed criterion or an unknown field meets no record.
    bool findFirst(const QString& criterion);
    bool noMatch() const { return m_noMatch; }
    // Why the engine failed to read the rows, for example "database disk image is malformed"; empty while
    // every read has succeeded. Once set it stays, in the clones as well: the file cannot be trusted. A row
    // that another program deleted is no failure and reads as empty fields.
    QString readError() const;
    Bookmark bookmark() const;
    void setBookmark(Bookmark bookmark);

    bool isUpdatable() const;
    Result<> edit();
    bool isEditing() const { return m_editBuffer.has_value(); }
    Result<> setValue(int field, const QString& value);
    // Writes the fields changed since edit() to the current record's row of the table.
    Result<> update();
    void cancelUpdate() { m_editBuffer.reset(); }

private:
    struct Table;

    void setPosition(int position);
    void setCurrent(qint64 row, int position);

    std::shared_ptr<Table> m_table;
    qint64 m_row = -1;           // the current row's identity among the table's rows; -1 for none
    mutable int m_position = -1; // where it stands, once known
    bool m_noMatch = false;
    std::optional<QList<QString>> m_editBuffer;
};
