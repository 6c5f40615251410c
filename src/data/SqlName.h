#pragma once

#include <QString>

// A table or column name quoted for SQL, blanks and quotes in it kept.
inline QString quotedSqlName(const QString& name)
{
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}
