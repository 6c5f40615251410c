#pragma once

#include <QString>

class QSqlError;

// What an error of the database engine means to the officer. The engine's words ("attempt to write a
// readonly database") say what failed in its own terms; the officer needs to know what stands in his way
// and what he can do about it, so the obstacles he can remove are told in a plain sentence first.
namespace EngineMessage {

// A sentence on the database at that path with what to do, then the engine's words in brackets; the
// engine's words alone for an error the officer can do nothing about.
QString describe(const QSqlError& error, const QString& databasePath);
// The same for SQLite's result code, primary or extended, and its message.
QString describe(int resultCode, const QString& engineText, const QString& databasePath);

} // namespace EngineMessage
