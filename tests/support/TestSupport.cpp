#include "support/TestSupport.h"

#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <sqlite3.h>

#include <sys/mount.h>
#include <sys/statvfs.h>

QByteArray fileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TestDataFolder::TestDataFolder()
{
    QVERIFY2(m_dir.isValid(), "no temporary folder");
}

SmallFileSystem::SmallFileSystem()
{
    m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, "size=2m") == 0;
}

SmallFileSystem::~SmallFileSystem()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

void SmallFileSystem::fillLeaving(qint64 spare) const
{
    struct statvfs space {};
    QVERIFY(::statvfs(QFile::encodeName(m_dir.path()).constData(), &space) == 0);
    QFile filler(m_dir.filePath(QStringLiteral("filler")));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'f');
    for (qint64 left = qint64(space.f_bavail * space.f_frsize) - spare; left > 0; left -= block.size()) {
        if (filler.write(block.left(qMin<qint64>(left, block.size()))) <= 0)
            break;
    }
}

void TestDataFolder::copySampleDatabases() const
{
    for (const QString& fileName : DatabaseFileNames) {
        QFile::remove(filePath(fileName));
        if (!QFile::copy(QDir(programFolder()).filePath(fileName), filePath(fileName)))
            qFatal("cannot copy the sample database %s", qPrintable(fileName));
        QFile(filePath(fileName)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
}

void TestDataFolder::createDatabase(const QString& fileName, const QString& sql) const
{
    QFile::remove(filePath(fileName));
    runSql(fileName, sql);
}

void TestDataFolder::runSql(const QString& fileName, const QString& sql) const
{
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(filePath(fileName)).constData(), &db) != SQLITE_OK)
        qFatal("cannot create %s", qPrintable(fileName));
    char* message = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK)
        qFatal("SQL of %s failed: %s", qPrintable(fileName), message);
    sqlite3_close(db);
}

void TestDataFolder::writeFile(const QString& fileName, const QByteArray& content) const
{
    QFile file(filePath(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(fileName));
}

void TestDataFolder::damagePage(const QString& fileName, int page) const
{
    QFile file(filePath(fileName));
    if (!file.open(QIODevice::ReadWrite) || !file.seek(page * 4096) ||
        file.write(QByteArray(4096, char(0xFF))) != 4096)
        qFatal("cannot damage %s", qPrintable(fileName));
}

CliRun runCli(const QStringList& arguments)
{
    // The search index of every run is kept in a cache folder of the test's own, never the user's.
    static const QTemporaryDir cache;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QDir(programFolder()).filePath(QStringLiteral("velcarin-cli")), arguments);
    if (!process.waitForFinished(60000))
        qWarning("velcarin-cli did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

namespace {

QString popplerOutput(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(tool), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

PdfFile readPdf(const QString& fileName)
{
    PdfFile pdf;
    const QStringList info = popplerOutput(QStringLiteral("pdfinfo"), {fileName}).split(QLatin1Char('\n'));
    for (const QString& line : info) {
        if (line.startsWith(QLatin1String("Pages:")))
            pdf.pages = line.mid(6).trimmed().toInt();
        else if (line.startsWith(QLatin1String("Page size:")))
            pdf.pageSize = line.mid(10).trimmed();
    }
    pdf.text = popplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                                           fileName, QStringLiteral("-")});
    return pdf;
}

QString programFolder()
{
    return qEnvironmentVariable("VELCARIN_PROGRAM_DIR");
}

QString sqlText(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    quoted.replace(QLatin1String("\r\n"), QLatin1String("' || char(13, 10) || '"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString insertEveryField(const QString& databaseFile, const QString& nameField, const QString& name)
{
    const TableSchema& table = Schema::database(databaseFile)->tables.first();
    QStringList columns;
    QStringList values;
    for (const QString& field : table.fields) {
        columns << QLatin1Char('"') + field + QLatin1Char('"');
        values << sqlText(field == nameField ? name : QStringLiteral("value of ") + field);
    }
    return QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3);")
        .arg(table.name, columns.join(QLatin1Char(',')), values.join(QLatin1Char(',')));
}
