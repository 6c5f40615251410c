#include "data/DatabaseFile.h"

#include <QFile>
#include <QFileInfo>

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
