#include "data/NumberedNames.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool isTaken(const QString& path)
{
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

} // namespace

NumberedNames::NumberedNames(QString first, QString stem, QString end)
    : m_first(std::move(first))
    , m_stem(std::move(stem))
    , m_end(std::move(end))
{
}

NumberedNames NumberedNames::after(const QString& path, const QString& suffix)
{
    return {path + suffix, path + suffix, QString()};
}

NumberedNames NumberedNames::beforeExtension(const QString& path)
{
    const QFileInfo file(path);
    const QString extension = file.suffix();
    return {path, file.dir().filePath(file.completeBaseName()),
            extension.isEmpty() ? QString() : QLatin1Char('.') + extension};
}

QString NumberedNames::name(int number) const
{
    return number == 0 ? m_first : m_stem + QLatin1Char('.') + QString::number(number) + m_end;
}

QString NumberedNames::firstFree() const
{
    return name(int(taken().size()));
}

QStringList NumberedNames::taken() const
{
    QStringList names;
    for (QString next = name(0); isTaken(next); next = name(int(names.size())))
        names << next;
    return names;
}
