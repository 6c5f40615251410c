#include "shell/ProgramFolder.h"

#include <QCoreApplication>

namespace {

QString& overridden()
{
    static QString instance;
    return instance;
}

} // namespace

namespace ProgramFolder {

QString path()
{
    return overridden().isEmpty() ? QCoreApplication::applicationDirPath() : overridden();
}

void setPath(const QString& path)
{
    overridden() = path;
}

} // namespace ProgramFolder
