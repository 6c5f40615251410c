#include "adviser/CargoEditor.h"

#include "data/WholeFileWriter.h"
#include "shell/Advisers.h"
#include "shell/Controls.h"
#include "shell/DataControl.h"
#include "shell/FileDialog.h"
#include "shell/MessageBox.h"
#include "shell/Placement.h"
#include "shell/SystemColour.h"
#include "shell/TextBox.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>

namespace {

constexpr int FontTwips = 165; // 8.25 point

// A locked field looks like the window behind it, so that it does not invite typing.
void lockField(QLineEdit* field)
{
    field->setReadOnly(true);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, systemColour(SystemColour::ButtonFace));
    field->setPalette(palette);
}

} // namespace

CargoEditor::CargoEditor(const QString& name)
    : m_scale(1.0 / 15)
    , m_data(new DataControl(QStringLiteral("dtaB"), this))
    , m_update(Controls::button(this, QStringLiteral("cmdUpdate"), QStringLiteral("&Update")))
    , m_close(Controls::button(this, QStringLiteral("cmdClose"), QStringLiteral("&Close")))
{
    setObjectName(name);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, systemColour(SystemColour::ButtonFace));
    palette.setColor(QPalette::WindowText, Marks::Black);
    setPalette(palette);
    setAutoFillBackground(true);
    // Enter on a button presses it, as the Space key does.
    m_update->setAutoDefault(true);
    m_close->setAutoDefault(true);
    connect(m_update, &QPushButton::clicked, this, &CargoEditor::save);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
}

QLineEdit* CargoEditor::boundField(const QString& name, const QString& field, bool locked)
{
    QLineEdit* box = Controls::field(this, name);
    if (locked) {
        lockField(box);
        m_data->bind(box, field);
    } else {
        box->setReadOnly(false);
        bindEdited(box, field);
    }
    return box;
}

void CargoEditor::bindEdited(QWidget* widget, const QString& field)
{
    m_data->bind(widget, field);
    m_edited << std::pair{widget, field};
}

void CargoEditor::place(QWidget* widget, const QRect& twips)
{
    m_twips << std::pair{widget, twips};
    widget->setGeometry(m_scale.rect(twips));
}

void CargoEditor::fitScreen(const QSize& windowTwips)
{
    // The frame and caption that the window's own twips do not count.
    const QSize frameTwips{120, 600};
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_scale = TwipScale::fitting(screen, windowTwips + frameTwips);
    QFont scaled = font();
    scaled.setPixelSize(std::max(m_scale.pixels(FontTwips), 1));
    setFont(scaled);
    for (const auto& [widget, twips] : std::as_const(m_twips))
        widget->setGeometry(m_scale.rect(twips));
    resize(m_scale.size(windowTwips));
}

void CargoEditor::load(const Advisers& advisers)
{
    Placement::place(this, 2);
    m_data->setRecordSet(advisers.cargoRecords().clone());
    m_data->move(advisers.currentCargo(Advisers::Tab::Tavro).record);
    // Without a cargo there is nothing to change, and nothing typed could be stored.
    if (!m_data->recordSet().hasCurrent()) {
        for (QLineEdit* field : findChildren<QLineEdit*>())
            field->setReadOnly(true);
        for (TextBox* box : findChildren<TextBox*>())
            box->setReadOnly(true);
    }
}

bool CargoEditor::save()
{
    const bool changed = m_data->hasChanges();
    QString error;
    if (!m_data->updateRecord(&error)) {
        // What stands in the way and the engine's own words, in a box with the program's title.
        MessageBox::ok(this, error, QStringLiteral("Velcarin"));
        return false;
    }
    if (changed)
        Q_EMIT written(tr("%1 of %2 saved in %3")
                           .arg(windowTitle(), cargoName(),
                                QDir::toNativeSeparators(m_data->recordSet().databasePath())));
    Q_EMIT saved();
    return true;
}

void CargoEditor::closeEvent(QCloseEvent* event)
{
    // Every close saves. A save that fails must not throw away what the officer typed, nor hold him in a
    // window that can never be saved: he chooses.
    if (save() || closeUnsaved())
        event->accept();
    else
        event->ignore();
}

bool CargoEditor::closeUnsaved()
{
    const MessageBox::Request question{
        tr("Your change to %1 could not be saved in the database.\n\n"
           "Keep editing to try again later, save what you typed to a file and close the window, or discard "
           "the change.")
            .arg(cargoName()),
        windowTitle(),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
        QMessageBox::Warning,
        {{QMessageBox::Cancel, tr("&Keep Editing")},
         {QMessageBox::Save, tr("&Save to File…")},
         {QMessageBox::Discard, tr("&Discard Change…")}},
        QMessageBox::Cancel,
    };
    switch (MessageBox::show(this, question)) {
    case QMessageBox::Save:
        return keepInFile();
    case QMessageBox::Discard:
        return MessageBox::show(this, {tr("Discard your change to %1? What you typed in this window will be "
                                          "lost.")
                                           .arg(cargoName()),
                                       windowTitle(),
                                       QMessageBox::Yes | QMessageBox::No,
                                       QMessageBox::Warning,
                                       {},
                                       QMessageBox::No}) == QMessageBox::Yes;
    default:
        return false;
    }
}

bool CargoEditor::keepInFile()
{
    // A cargo name may hold characters that no file name can.
    const QString fileName =
        cargoName().replace(QRegularExpression(QStringLiteral(R"([\\/:*?"<>|])")), QStringLiteral("-")) +
        QStringLiteral(" - ") + windowTitle() + QStringLiteral(".txt");
    const QString path = FileDialog::saveFileName(
        this, {tr("Save What You Typed"),
               QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(fileName),
               tr("Text files (*.txt)"), QStringLiteral("txt")});
    if (path.isEmpty())
        return false;
    const Result<> written = WholeFileWriter::write(path, typedText().toUtf8());
    if (written)
        return true;
    MessageBox::error(this,
                      tr("What you typed could not be saved to \"%1\": %2\n\nThe window stays open with it.")
                          .arg(QDir::toNativeSeparators(path), written.error()),
                      windowTitle());
    return false;
}

QString CargoEditor::cargoName() const
{
    return m_data->recordSet().value(QStringLiteral("Abbreviated Name"));
}

QString CargoEditor::typedText() const
{
    QString text =
        tr("%1 of %2 (ID %3), as typed but not saved in the database:\n")
            .arg(windowTitle(), cargoName(), m_data->recordSet().value(QStringLiteral("ID  Number")));
    for (const auto& [widget, field] : m_edited) {
        const auto* box = qobject_cast<const TextBox*>(widget);
        const QString typed = box ? box->text() : static_cast<const QLineEdit*>(widget)->text();
        text += QLatin1Char('\n') + field + QStringLiteral(": ") + typed;
    }
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n")) + QLatin1Char('\n');
}
