#include "data/EngineMessage.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlError>

#include <sqlite3.h>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("EngineMessage", text);
}

// The sentence for a primary result code, with %1 for the database; empty for none the officer can act on.
QString sentenceFor(int primaryCode)
{
    switch (primaryCode) {
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return tr("The database \"%1\" is read-only, so nothing can be saved in it. Make the file and its "
                  "folder writable for you, or use a data folder of your own (--data-dir).");
    case SQLITE_CANTOPEN:
        return tr("The database \"%1\" cannot be opened. Check that the file is there and that you may read "
                  "and write it and its folder.");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return tr("The database \"%1\" is in use by another program, which has locked it. Close that "
                  "program, or wait until it has finished, and try again.");
    case SQLITE_FULL:
        return tr("There is no room left on the disk that holds the database \"%1\". Free some space on "
                  "it and try again.");
    case SQLITE_IOERR:
        return tr("The disk that holds the database \"%1\" could not be written or read: it may be full or "
                  "no longer there. Free some space on it, or check the disk, and try again.");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return tr("The database \"%1\" is damaged. Replace it with a sound copy, for example from a "
                  "backup.");
    default:
        return {};
    }
}

} // namespace

namespace EngineMessage {

QString describe(const QSqlError& error, const QString& databasePath)
{
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric);
    const QString words = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return describe(numeric ? code : SQLITE_ERROR, words, databasePath);
}

QString describe(int resultCode, const QString& engineText, const QString& databasePath)
{
    // An extended code keeps its primary code in its lowest byte.
    const QString sentence = sentenceFor(resultCode & 0xff);
    if (sentence.isEmpty())
        return engineText;
    const QString told = sentence.arg(QDir::toNativeSeparators(databasePath));
    return engineText.isEmpty() ? told : told + QStringLiteral(" (") + engineText + QLatin1Char(')');
}

} // namespace EngineMessage
