#pragma once

#include <QList>
#include <QString>
#include <QStringList>

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

// In the order the program opens them.
const QList<DatabaseSchema>& databases();
const DatabaseSchema* database(const QString& fileName);

} // namespace Schema
