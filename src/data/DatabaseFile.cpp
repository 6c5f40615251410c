#include "data/DatabaseFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("DatabaseFile", text);
}

// Where one of the program's databases is wanted.
QString notSqlite(DatabaseFileKind kind, const QString& shown)
{
    switch (kind) {
    case DatabaseFileKind::Missing:
        return tr("The database file \"%1\" is missing.").arg(shown);
    case DatabaseFileKind::NotAFile:
        return tr("\"%1\" is not a database file.").arg(shown);
    case DatabaseFileKind::Unreadable:
        return tr("The database file \"%1\" cannot be read.").arg(shown);
    case DatabaseFileKind::Access:
        return tr("The database file \"%1\" is a Microsoft Access file that has not been converted for "
                  "Velcarin (velcarin-cli import converts it).")
            .arg(shown);
    case DatabaseFileKind::Other:
    case DatabaseFileKind::SQLite:
        break;
    }
    return tr("The file \"%1\" is not a SQLite database.").arg(shown);
}

// Where a legacy file is to be converted.
QString notAccess(DatabaseFileKind kind, const QString& shown)
{
    switch (kind) {
    case DatabaseFileKind::Missing:
        return tr("The file \"%1\" is missing.").arg(shown);
    case DatabaseFileKind::NotAFile:
        return tr("\"%1\" is not a file.").arg(shown);
    case DatabaseFileKind::Unreadable:
        return tr("The file \"%1\" cannot be read.").arg(shown);
    case DatabaseFileKind::SQLite:
        return tr("The file \"%1\" is already a SQLite database, not a Microsoft Access database.")
            .arg(shown);
    case DatabaseFileKind::Other:
    case DatabaseFileKind::Access:
        break;
    }
    return tr("The file \"%1\" is not a Microsoft Access database.").arg(shown);
}

} // namespace

DatabaseFileKind probeDatabaseFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return DatabaseFileKind::Missing;
    if (!info.isFile())
        return DatabaseFileKind::NotAFile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return DatabaseFileKind::Unreadable;
    const QByteArray head = file.read(32);
    if (head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return DatabaseFileKind::SQLite;
    const QByteArray signature = head.mid(4, 15);
    if (signature == "Standard Jet DB" || signature == "Standard ACE DB")
        return DatabaseFileKind::Access;
    return DatabaseFileKind::Other;
}

Result<> checkDatabaseFile(const QString& path, DatabaseFileKind wanted)
{
    const DatabaseFileKind kind = probeDatabaseFile(path);
    if (kind == wanted)
        return {};
    const QString shown = QDir::toNativeSeparators(path);
    return Failure{wanted == DatabaseFileKind::Access ? notAccess(kind, shown) : notSqlite(kind, shown)};
}
