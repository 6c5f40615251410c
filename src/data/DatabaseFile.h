#pragma once

#include "data/Result.h"

#include <QString>

// What a file standing under one of the fixed database names actually is.
enum class DatabaseFileKind {
    Missing,
    NotAFile,
    Unreadable,
    SQLite,
    Access, // a legacy Microsoft Access (Jet or ACE) file
    Other,
};

DatabaseFileKind probeDatabaseFile(const QString& path);

// Whether the file is a database of the kind wanted, SQLite or Access; when it is not, a sentence that
// names it and says what it is instead.
Result<> checkDatabaseFile(const QString& path, DatabaseFileKind wanted);
