#include "data/DataFolders.h"

#include "data/Result.h"
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

bool holdsAnyDatabase(const QString& folder)
{
    for (const DatabaseSchema& database : Schema::databases()) {
        if (QFileInfo::exists(QDir(folder).filePath(database.fileName)))
            return true;
    }
    return false;
}

// A data folder named on the command line is used as it is, so it must be there and be a folder.
Result<> existingFolder(const QString& folder)
{
    const QFileInfo info(folder);
    const QString shown = QDir::toNativeSeparators(folder);
    if (!info.exists())
        return Failure{tr("The data folder \"%1\" does not exist.").arg(shown)};
    if (!info.isDir())
        return Failure{tr("The data folder \"%1\" is a file, not a folder.").arg(shown)};
    return {};
}

QString shippedCopyMissing(const QString& shipped, const QString& own)
{
    return tr("The database \"%1\" cannot be created: the copy shipped with Velcarin, \"%2\", is missing.")
        .arg(QDir::toNativeSeparators(own), QDir::toNativeSeparators(shipped));
}

// Copies a shipped database under a temporary name first, so that a copy cut short never stands under
// the database's name, and renames it without replacing anything.
Result<> copyDatabase(const QString& from, const QString& to)
{
    const QString shownTo = QDir::toNativeSeparators(to);
    const QString partial = to + QLatin1String(".copying");
    QFile::remove(partial);
    QFile source(from);
    if (!source.copy(partial))
        return Failure{tr("The database \"%1\" cannot be created from \"%2\": %3")
                           .arg(shownTo, QDir::toNativeSeparators(from), source.errorString())};
    // The shipped copy may be read-only; the officer's copy is his to write.
    QFile copy(partial);
    copy.setPermissions(copy.permissions() | QFile::ReadOwner | QFile::WriteOwner);
    if (!copy.rename(to)) {
        const QString reason = copy.errorString();
        copy.remove();
        return Failure{tr("The database \"%1\" cannot be created: %2").arg(shownTo, reason)};
    }
    return {};
}

// The folders that making `folder` creates, the deepest first.
QStringList missingFolders(const QString& folder)
{
    QStringList missing;
    for (QString path = QDir::cleanPath(folder); !QFileInfo::exists(path); path = QFileInfo(path).path())
        missing << path;
    return missing;
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
    const bool portable = holdsAnyDatabase(places.programFolder);
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

Result<QStringList> DataFolders::prepare() const
{
    if (!m_officers) {
        if (const Result<> folder = existingFolder(m_dataFolder); !folder)
            return Failure{folder.error()};
        return QStringList();
    }
    QStringList wanted;
    for (const DatabaseSchema& database : Schema::databases()) {
        if (!QFileInfo::exists(QDir(m_dataFolder).filePath(database.fileName)))
            wanted << database.fileName;
    }
    // A start that cannot succeed leaves nothing behind in the officer's home: a shipped database that is
    // missing stops it before anything is made, and a copy that fails takes back what was made before it.
    for (const QString& name : std::as_const(wanted)) {
        const QString shipped = QDir(m_shippedFolder).filePath(name);
        if (!QFileInfo::exists(shipped))
            return Failure{shippedCopyMissing(shipped, QDir(m_dataFolder).filePath(name))};
    }
    QStringList made = missingFolders(m_dataFolder);
    if (!QDir().mkpath(m_dataFolder))
        return Failure{
            tr("Velcarin cannot create its data folder \"%1\".").arg(QDir::toNativeSeparators(m_dataFolder))};
    for (const QString& name : std::as_const(wanted)) {
        const QString own = QDir(m_dataFolder).filePath(name);
        if (const Result<> copied = copyDatabase(QDir(m_shippedFolder).filePath(name), own); !copied) {
            removeMade(made);
            return Failure{copied.error()};
        }
        made.prepend(own);
    }
    return made;
}

void DataFolders::removeMade(const QStringList& made)
{
    for (const QString& path : made) {
        if (QFileInfo(path).isDir())
            QDir().rmdir(path);
        else
            QFile::remove(path);
    }
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
