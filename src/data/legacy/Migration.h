#pragma once

#include "data/Store.h"

#include <QList>
#include <QString>
#include <QStringList>

// Converts in place the databases of a store that are still legacy Access files: the SQLite database
// takes the fixed name and the original is kept, unchanged, beside it as NAME.access. When a conversion
// fails, the original stays where and as it was. One process at a time converts a folder, and each first
// puts right what an interrupted conversion left there.
class Migration {
public:
    struct Migrated {
        QString fileName;
        QString keptAs;
        // One line for the officer: which file was converted and where its original is kept.
        QString description() const;
    };

    explicit Migration(Store store);

    // Converts the database of that name if it is an Access file; false when that failed.
    // Also removes what an interrupted conversion of it left behind.
    bool migrate(const QString& fileName);
    // Converts every one of the four databases that is an Access file.
    void migrateAll();

    const QList<Migrated>& migrated() const { return m_migrated; }
    const QStringList& failures() const { return m_failures; }
    // The message that tells the officer what was converted.
    QString report() const;

private:
    Store m_store;
    QList<Migrated> m_migrated;
    QStringList m_failures;
};
