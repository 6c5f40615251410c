#pragma once

#include "shell/FileDialog.h"
#include "shell/HelpRequest.h"
#include "shell/MessageBox.h"

#include <QList>
#include <QObject>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

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

// Answers every message box while it lives and keeps what was asked.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();

    // The answers to give, in order; afterwards every box is answered with its first button.
    void answerWith(QList<QMessageBox::StandardButton> answers) { m_answers = std::move(answers); }
    const QList<MessageBox::Request>& requests() const { return m_requests; }
    void clear() { m_requests.clear(); }

private:
    QList<MessageBox::Request> m_requests;
    QList<QMessageBox::StandardButton> m_answers;
};

// Counts the beeps while it lives.
class BeepCounter {
public:
    BeepCounter();
    ~BeepCounter();

    int count() const { return m_count; }
    void reset() { m_count = 0; }

private:
    int m_count = 0;
};

// While it lives, the program's default printer writes each print to a new PDF file of that paper in a
// folder of its own; or, not installed, there is no printer at all.
class PrinterStandIn {
public:
    explicit PrinterStandIn(QPageSize::PageSizeId paper = QPageSize::A4, bool installed = true);
    ~PrinterStandIn();

    // The PDF files printed, in order.
    const QStringList& printed() const { return m_printed; }

private:
    QTemporaryDir m_dir;
    QStringList m_printed;
};

// While it lives, every question for a file to save into is kept and answered with the next of the
// given file names; an empty name, or none left, cancels.
class FileDialogRecorder {
public:
    FileDialogRecorder();
    ~FileDialogRecorder();

    void answerWith(QStringList fileNames) { m_answers = std::move(fileNames); }
    const QList<FileDialog::Request>& requests() const { return m_requests; }

private:
    QList<FileDialog::Request> m_requests;
    QStringList m_answers;
};

// Takes every help request while it lives, in place of the help viewer, and keeps it.
class HelpRecorder {
public:
    HelpRecorder();
    ~HelpRecorder();

    const QList<HelpRequest>& requests() const { return m_requests; }
    void clear() { m_requests.clear(); }

private:
    QList<HelpRequest> m_requests;
};

class FrmTabClean;
class QComboBox;
class Store;

// The real main window loaded on a data folder, with every message box answered and the beeps counted.
class LoadedMainWindow {
public:
    explicit LoadedMainWindow(const QString& dataFolder);
    ~LoadedMainWindow();

    bool isLoaded() const { return m_loaded; }
    FrmTabClean* window() const { return m_window.get(); }
    MessageRecorder* messages() const { return m_messages.get(); }
    BeepCounter* beeps() const { return m_beeps.get(); }

private:
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<BeepCounter> m_beeps;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<FrmTabClean> m_window;
    bool m_loaded = false;
};

// Finds a menu entry by objectName, checks that it is enabled, triggers it and lets events run.
bool triggerAction(const QWidget* window, const QString& name);

// The clicks in an editable combo box: a pick from its open list, a click in its edit field after the
// text is typed there, a press on its button after the text is typed.
void pickFromList(QComboBox* comboBox, const QString& text);
void pickFromList(QComboBox* comboBox, int row);
void clickEditField(QComboBox* comboBox, const QString& text);
void pressComboButton(QComboBox* comboBox, const QString& text);

// The text a label, line edit or text box named so shows, text boxes' CR LF included.
QString controlText(const QObject* parent, const QString& name);

// What a run of the built velcarin-cli printed and how it ended.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};
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

// Where a window of its present frame is placed at load: left = (screen width - window width) \ 2 and
// top = (screen height - window height) \ topDivisor, worked out in whole twips.
QPoint placementAtLoad(const QWidget* window, int topDivisor);

// The contrast ratio of two colours as the Web Content Accessibility Guidelines define it, 1 to 21.
double contrastRatio(const QColor& first, const QColor& second);

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
