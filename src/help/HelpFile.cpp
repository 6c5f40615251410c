#include "help/HelpFile.h"

#include "help/ReadableText.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("HelpFile", text);
}

} // namespace

std::optional<HelpFile> HelpFile::open(const QString& path, QString* error)
{
    HelpFile file;
    if (const Result<Database> database = Database::open(path, true))
        file.m_database = *database;
    QSqlQuery query(file.m_database.connection());
    if (!file.m_database.isOpen() || !query.exec(QStringLiteral("select title from manual")) ||
        !query.next()) {
        *error = tr("The help file %1 cannot be read.").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    file.m_title = readableText(query.value(0).toString());
    return file;
}

std::optional<HelpFile::Topic> HelpFile::topic(int context) const
{
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("select title, html from topics where context = ?"));
    query.addBindValue(context);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return Topic{context, readableText(query.value(0).toString()), readableText(query.value(1).toString())};
}

QList<HelpFile::Topic> HelpFile::titles() const
{
    QSqlQuery query(m_database.connection());
    QList<Topic> titles;
    if (!query.exec(QStringLiteral("select context, title from topics order by context")))
        return titles;
    while (query.next())
        titles << Topic{query.value(0).toInt(), readableText(query.value(1).toString()), {}};
    return titles;
}

Result<QList<std::pair<QString, QList<int>>>> HelpFile::keywords() const
{
    QList<std::pair<QString, QList<int>>> keywords;
    if (!m_database.connection().tables().contains(QStringLiteral("keywords")))
        return keywords;
    QSqlQuery query(m_database.connection());
    if (!query.exec(QStringLiteral("select keyword, context from keywords order by keyword collate nocase, "
                                   "keyword, context")))
        return Failure{tr("The index of the help file cannot be read: %1.").arg(query.lastError().text())};
    while (query.next()) {
        const QString keyword = readableText(query.value(0).toString());
        if (keywords.isEmpty() || keywords.last().first != keyword)
            keywords.append({keyword, {}});
        keywords.last().second << query.value(1).toInt();
    }
    return keywords;
}

Result<QByteArray> HelpFile::bitmap(const QString& name) const
{
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("select bitmap from pictures where name = ?"));
    query.addBindValue(name);
    if (!query.exec())
        return Failure{tr("the help file has no pictures")};
    if (!query.next())
        return Failure{tr("there is no picture by that name")};
    return query.value(0).toByteArray();
}
