#include "support/WidgetTestSupport.h"

#include "shell/Beep.h"
#include "shell/DefaultPrinter.h"
#include "shell/TextBox.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QScreen>

#include <cmath>

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
