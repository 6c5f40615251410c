#pragma once

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
