#pragma once

#include "data/Store.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Converts in place the databases of a store that are still legacy Access files: the SQLite database
// takes the fixed name and the original is kept, unchanged, beside it as NAME.access. When a conversion
// fails, the original stays where and as it was. One process at a time converts a folder, and each first
// puts right what an interrupted conversion left there. It uses no widgets and opens its own connections,
// so it may run in a thread of its own.
class Migration {
public:
    struct Migrated {
        QString fileName;
        QString keptAs;
        // One line for the officer: which file was converted and where its original is kept.
        QString description() const;
    };

    // Told before a database is converted or put right under the folder's conversion lock, which may first
    // be waited for: its name, its place among the four from 0, and their number.
    using Progress = std::function<void(const QString& fileName, int position, int count)>;

    explicit Migration(Store store);

    // Converts the database of that name if it is an Access file; false when that failed.
    // Also removes what an interrupted conversion of it left behind.
    bool migrate(const QString& fileName);
    // Converts every one of the four databases that is an Access file.
    void migrateAll(const Progress& progress = {});

    const QList<Migrated>& migrated() const { return m_migrated; }
    const QStringList& failures() const { return m_failures; }
    // The message that tells the officer what was converted.
    QString report() const;

private:
    Store m_store;
    QList<Migrated> m_migrated;
    QStringList m_failures;
};
