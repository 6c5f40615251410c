#include "support/TestSupport.h"

#include "app/FrmTabClean.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "shell/Beep.h"
#include "shell/DefaultPrinter.h"
#include "shell/TextBox.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QScreen>

#include <sqlite3.h>

#include <cmath>

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

PrinterStandIn::PrinterStandIn(QPageSize::PageSizeId paper, bool installed)
{
    DefaultPrinter::setProvider([this, paper, installed]() -> std::unique_ptr<QPrinter> {
        if (!installed)
            return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setPageSize(QPageSize(paper));
        m_printed << m_dir.filePath(QStringLiteral("print%1.pdf").arg(m_printed.size() + 1));
        printer->setOutputFileName(m_printed.last());
        return printer;
    });
}

PrinterStandIn::~PrinterStandIn()
{
    DefaultPrinter::setProvider(nullptr);
}

FileDialogRecorder::FileDialogRecorder()
{
    FileDialog::setAnswerer([this](const FileDialog::Request& request) {
        m_requests << request;
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    });
}

FileDialogRecorder::~FileDialogRecorder()
{
    FileDialog::setAnswerer(nullptr);
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

void pickFromList(QComboBox* comboBox, const QString& text)
{
    pickFromList(comboBox, comboBox->findText(text));
}

void pickFromList(QComboBox* comboBox, int row)
{
    comboBox->showPopup();
    QAbstractItemView* list = comboBox->view();
    const QModelIndex item = list->model()->index(row, 0);
    list->scrollTo(item);
    // The list ignores a release that comes within a double-click time of its opening.
    QTest::qWait(QApplication::doubleClickInterval() + 20);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
}

void clickEditField(QComboBox* comboBox, const QString& text)
{
    comboBox->setEditText(text);
    QTest::mouseClick(comboBox->lineEdit(), Qt::LeftButton);
}

void pressComboButton(QComboBox* comboBox, const QString& text)
{
    comboBox->setEditText(text);
    QTest::mouseClick(comboBox, Qt::LeftButton, {}, QPoint(comboBox->width() - 4, comboBox->height() / 2));
    comboBox->hidePopup();
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

QPoint placementAtLoad(const QWidget* window, int topDivisor)
{
    const QScreen* screen = window->screen();
    const double twipsPerPixel = 1440 / screen->logicalDotsPerInch();
    const auto twips = [twipsPerPixel](int pixels) {
        return int(std::lround(pixels * twipsPerPixel));
    };
    const auto pixels = [twipsPerPixel](int twips) {
        return int(std::lround(twips / twipsPerPixel));
    };
    const QRect area = screen->geometry();
    const QSize frame = window->frameGeometry().size();
    return area.topLeft() + QPoint(pixels((twips(area.width()) - twips(frame.width())) / 2),
                                   pixels((twips(area.height()) - twips(frame.height())) / topDivisor));
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
