#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The four databases of Velcarin, their tables and the fields the program reads.
struct TableSchema {
    QString name;
    QStringList fields;
};

struct DatabaseSchema {
    QString fileName;
    QList<TableSchema> tables;
};

namespace Schema {

inline const QString CleaningFile = QStringLiteral("cleaning.mdb");
inline const QString JoTankersFile = QStringLiteral("Jo Tankers.mdb");
inline const QString HenkelFile = QStringLiteral("Henkel.mdb");
inline const QString UnitorFile = QStringLiteral("unitor.mdb");

// The cargo table and the fields of it that the program writes to or finds a cargo by.
inline const QString CleaningTable = QStringLiteral("CleaningA");
inline const QString NameField = QStringLiteral("Abbreviated Name");
inline const QString IdField = QStringLiteral("ID  Number");
inline const QString PersonalNotesField = QStringLiteral("Personal Notes");

// In the order the program opens them.
const QList<DatabaseSchema>& databases();
const DatabaseSchema* database(const QString& fileName);

// A table the program reads that a database lacks, or a field it lacks of a table it has.
struct Missing {
    QString table;
    QString field; // empty when the whole table is missing
};
// The columns of a database's table; nothing when it has no table of that name.
using ColumnsOf = std::function<std::optional<QStringList>(const QString& table)>;
// What a database lacks of the tables and fields of its schema. Names are compared without regard to
// case, as SQLite looks them up.
QList<Missing> missingFrom(const DatabaseSchema& schema, const ColumnsOf& columnsOf);

} // namespace Schema
