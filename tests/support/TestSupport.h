#pragma once

// What every test may use, without widgets: data folders, files, runs of the command-line tool, PDF
// files and SQL. support/WidgetTestSupport.h adds the stand-ins for the windows' seams.

#include "support/TestMain.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The four databases under their fixed names, in the order the program opens them.
inline const QStringList DatabaseFileNames{QStringLiteral("cleaning.mdb"), QStringLiteral("Jo Tankers.mdb"),
                                           QStringLiteral("Henkel.mdb"), QStringLiteral("unitor.mdb")};

// A file's bytes; empty when it cannot be read.
QByteArray fileContents(const QString& path);

// A data folder of its own for one test: the shipped sample databases, or databases made from SQL.
class TestDataFolder {
public:
    TestDataFolder();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& fileName) const { return m_dir.filePath(fileName); }

    // Copies the four sample databases of the program folder.
    void copySampleDatabases() const;
    // Runs a SQL script into a new SQLite file of that name.
    void createDatabase(const QString& fileName, const QString& sql) const;
    void writeFile(const QString& fileName, const QByteArray& content) const;
    // Runs SQL on an existing database of the folder.
    void runSql(const QString& fileName, const QString& sql) const;
    // Overwrites the 4 KiB page of a file that is `page` from the first (0) with 0xFF bytes.
    void damagePage(const QString& fileName, int page) const;

private:
    QTemporaryDir m_dir;
};

// A file system of 2 MB of its own (tmpfs), mounted while it lives, for the cases of a full disk. Only root
// may mount one; where it is not mounted, the test skips.
class SmallFileSystem {
public:
    SmallFileSystem();
    ~SmallFileSystem();

    bool isMounted() const { return m_mounted; }
    QString filePath(const QString& fileName) const { return m_dir.filePath(fileName); }
    // Fills it with a file of its own until no more than `spare` bytes are free.
    void fillLeaving(qint64 spare) const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

// What a run of the built velcarin-cli printed and how it ended.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};
// Its search index goes to a cache folder of the test program's own.
CliRun runCli(const QStringList& arguments);

// What poppler's tools read from a PDF file: its pages, the size of its first page and its text layer.
struct PdfFile {
    int pages = 0;
    QString pageSize; // as pdfinfo gives it: "595 x 842 pts (A4)"
    QString text;     // pdftotext's reading, pages separated by form feeds
};
PdfFile readPdf(const QString& fileName);

// The folder of the built program, with its sample data.
QString programFolder();

// A SQL string literal.
QString sqlText(const QString& text);

// SQL that inserts into the first table of one of the program's databases a row whose every field holds
// "value of " and the field's name, but the name field, which holds the name given: a control that shows
// the wrong field shows it.
QString insertEveryField(const QString& databaseFile, const QString& nameField, const QString& name);

// A child found by objectName; fails the test when there is none.
template <typename T> T* child(const QObject* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qWarning("no child %s of type %s", qPrintable(name), T::staticMetaObject.className());
    return found;
}

// Verifies that an operation that returns a Result succeeded, and shows why it failed where it did not.
#define VERIFY_SUCCEEDS(operation)                                                                           \
    do {                                                                                                     \
        const auto& result_ = (operation);                                                                   \
        QVERIFY2(result_.ok(), qPrintable(result_.error()));                                                 \
    } while (false)
