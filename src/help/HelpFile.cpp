#include "help/HelpFile.h"

#include "data/DatabaseFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("HelpFile", text);
}

} // namespace

std::optional<HelpFile> HelpFile::open(const QString& path, QString* error)
{
    const QString shown = QDir::toNativeSeparators(path);
    const DatabaseFileKind kind = probeDatabaseFile(path);
    if (kind == DatabaseFileKind::Missing || kind == DatabaseFileKind::NotAFile) {
        *error = tr("The help file %1 does not exist.").arg(shown);
        return std::nullopt;
    }
    if (kind != DatabaseFileKind::SQLite) {
        *error = tr("The help file %1 is not in the format of Velcarin's help viewer.").arg(shown);
        return std::nullopt;
    }
    QString engineError;
    HelpFile file;
    file.m_database = Database::open(path, true, &engineError);
    QSqlQuery query(file.m_database.connection());
    if (!file.m_database.isOpen() || !query.exec(QStringLiteral("select title from manual")) ||
        !query.next()) {
        *error = tr("The help file %1 cannot be read.").arg(shown);
        return std::nullopt;
    }
    file.m_title = query.value(0).toString();
    return file;
}

std::optional<HelpFile::Topic> HelpFile::topic(int context) const
{
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("select title, html from topics where context = ?"));
    query.addBindValue(context);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return Topic{context, query.value(0).toString(), query.value(1).toString()};
}
