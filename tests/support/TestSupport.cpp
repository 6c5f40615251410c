#include "support/TestSupport.h"

#include "app/FrmTabClean.h"
#include "data/Store.h"
#include "shell/Beep.h"
#include "shell/TextBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>

#include <sqlite3.h>

#include <cmath>

TestDataFolder::TestDataFolder()
{
    QVERIFY2(m_dir.isValid(), "no temporary folder");
}

void TestDataFolder::copySampleDatabases() const
{
    for (const char* name : {"cleaning.mdb", "Jo Tankers.mdb", "Henkel.mdb", "unitor.mdb"}) {
        const QString fileName = QLatin1String(name);
        QFile::remove(filePath(fileName));
        if (!QFile::copy(QDir(programFolder()).filePath(fileName), filePath(fileName)))
            qFatal("cannot copy the sample database %s", name);
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

MessageRecorder::MessageRecorder()
{
    MessageBox::setAnswerer([this](const MessageBox::Request& request) {
        m_requests << request;
        if (!m_answers.isEmpty())
            return m_answers.takeFirst();
        for (QMessageBox::StandardButton button : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No}) {
            if (request.buttons.testFlag(button))
                return button;
        }
        return QMessageBox::NoButton;
    });
}

MessageRecorder::~MessageRecorder()
{
    MessageBox::setAnswerer(nullptr);
}

BeepCounter::BeepCounter()
{
    Beep::setSpeaker([this] { ++m_count; });
}

BeepCounter::~BeepCounter()
{
    Beep::setSpeaker(nullptr);
}

HelpRecorder::HelpRecorder()
{
    CommonDialog::setViewer([this](const HelpRequest& request) { m_requests << request; });
}

HelpRecorder::~HelpRecorder()
{
    CommonDialog::setViewer(nullptr);
}

LoadedMainWindow::LoadedMainWindow(const QString& dataFolder)
    : m_messages(std::make_unique<MessageRecorder>())
    , m_beeps(std::make_unique<BeepCounter>())
    , m_store(std::make_unique<Store>(dataFolder))
    , m_window(std::make_unique<FrmTabClean>(*m_store))
{
    QString error;
    m_loaded = m_window->load(&error);
    if (!m_loaded)
        qWarning("the main window does not load: %s", qPrintable(error));
}

LoadedMainWindow::~LoadedMainWindow() = default;

bool triggerAction(const QWidget* window, const QString& name)
{
    QAction* action = window->findChild<QAction*>(name);
    if (!action || !action->isEnabled()) {
        qWarning("menu entry %s is %s", qPrintable(name), action ? "disabled" : "missing");
        return false;
    }
    action->trigger();
    QCoreApplication::processEvents();
    return true;
}

QString controlText(const QObject* parent, const QString& name)
{
    if (auto* box = parent->findChild<TextBox*>(name))
        return box->text();
    if (auto* lineEdit = parent->findChild<QLineEdit*>(name))
        return lineEdit->text();
    if (auto* label = parent->findChild<QLabel*>(name))
        return label->text();
    qWarning("no text control %s", qPrintable(name));
    return {};
}

CliRun runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QDir(programFolder()).filePath(QStringLiteral("velcarin-cli")), arguments);
    if (!process.waitForFinished(60000))
        qWarning("velcarin-cli did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
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

double contrastRatio(const QColor& first, const QColor& second)
{
    const auto luminance = [](const QColor& colour) {
        const auto channel = [](double value) {
            return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
               0.0722 * channel(colour.blueF());
    };
    const double lighter = std::max(luminance(first), luminance(second));
    const double darker = std::min(luminance(first), luminance(second));
    return (lighter + 0.05) / (darker + 0.05);
}
