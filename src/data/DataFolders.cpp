#include "data/DataFolders.h"

#include "data/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("DataFolders", text);
}

bool holdsDatabases(const QString& folder)
{
    for (const DatabaseSchema& database : Schema::databases()) {
        if (!QFileInfo(QDir(folder).filePath(database.fileName)).isFile())
            return false;
    }
    return true;
}

// Copies a shipped database under a temporary name first, so that a copy cut short never stands under
// the database's name, and renames it without replacing anything.
bool copyDatabase(const QString& from, const QString& to, QString* error)
{
    const QString shownTo = QDir::toNativeSeparators(to);
    if (!QFileInfo::exists(from)) {
        *error = tr("The database \"%1\" cannot be created: the copy shipped with Velcarin, \"%2\", is "
                    "missing.")
                     .arg(shownTo, QDir::toNativeSeparators(from));
        return false;
    }
    const QString partial = to + QLatin1String(".copying");
    QFile::remove(partial);
    QFile source(from);
    if (!source.copy(partial)) {
        *error = tr("The database \"%1\" cannot be created from \"%2\": %3")
                     .arg(shownTo, QDir::toNativeSeparators(from), source.errorString());
        return false;
    }
    // The shipped copy may be read-only; the officer's copy is his to write.
    QFile copy(partial);
    copy.setPermissions(copy.permissions() | QFile::ReadOwner | QFile::WriteOwner);
    if (!copy.rename(to)) {
        *error = tr("The database \"%1\" cannot be created: %2").arg(shownTo, copy.errorString());
        copy.remove();
        return false;
    }
    return true;
}

std::optional<DataFolders>& chosen()
{
    static std::optional<DataFolders> instance;
    return instance;
}

} // namespace

DataFolders::DataFolders(QString dataFolder, QString shippedFolder, bool officers)
    : m_dataFolder(std::move(dataFolder))
    , m_shippedFolder(std::move(shippedFolder))
    , m_officers(officers)
{
}

DataFolders DataFolders::choose(const QString& requested, const Places& places)
{
    const bool portable = holdsDatabases(places.programFolder);
    const QString shipped = portable ? places.programFolder : places.installedFolder;
    if (!requested.isEmpty())
        return {QDir(requested).absolutePath(), shipped};
    if (portable)
        return {places.programFolder, shipped};
    return {places.officersFolder, shipped, true};
}

namespace {

QString& helpedProgramFolder()
{
    static QString folder;
    return folder;
}

} // namespace

QString DataFolders::programFolder()
{
    return helpedProgramFolder().isEmpty() ? QCoreApplication::applicationDirPath() : helpedProgramFolder();
}

void DataFolders::setProgramFolder(const QString& folder)
{
    helpedProgramFolder() = folder;
}

DataFolders::Places DataFolders::places()
{
    const QString programFolder = DataFolders::programFolder();
    return {programFolder,
            QDir::cleanPath(programFolder + QLatin1Char('/') + QLatin1String(VELCARIN_INSTALLED_FILES)),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
}

QString DataFolders::locate(const QString& fileName) const
{
    const QString own = QDir(m_dataFolder).filePath(fileName);
    return QFileInfo::exists(own) ? own : QDir(m_shippedFolder).filePath(fileName);
}

bool DataFolders::prepare(QString* error) const
{
    if (!m_officers)
        return true;
    if (!QDir().mkpath(m_dataFolder)) {
        *error =
            tr("Velcarin cannot create its data folder \"%1\".").arg(QDir::toNativeSeparators(m_dataFolder));
        return false;
    }
    for (const DatabaseSchema& database : Schema::databases()) {
        const QString own = QDir(m_dataFolder).filePath(database.fileName);
        if (QFileInfo::exists(own))
            continue;
        if (!copyDatabase(QDir(m_shippedFolder).filePath(database.fileName), own, error))
            return false;
    }
    return true;
}

DataFolders DataFolders::current()
{
    if (!chosen()) {
        const QString programFolder = DataFolders::programFolder();
        return {programFolder, programFolder};
    }
    return *chosen();
}

void DataFolders::setCurrent(const DataFolders& folders)
{
    chosen() = folders;
}
