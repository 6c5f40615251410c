#include "adviser/CargoEditor.h"

#include "shell/Controls.h"
#include "shell/DataControl.h"
#include "shell/MessageBox.h"
#include "shell/Placement.h"
#include "shell/SystemColour.h"
#include "shell/TextBox.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

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
    if (locked)
        lockField(box);
    else
        box->setReadOnly(false);
    m_data->bind(box, field);
    return box;
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

bool CargoEditor::load(const QWidget& mainWindow, QString* error)
{
    Placement::place(this, 2);
    const auto* cargoes = mainWindow.findChild<DataControl*>(QStringLiteral("DtaA"));
    if (!cargoes) {
        if (error)
            *error = tr("The main window holds no cargo data.");
        return false;
    }
    m_data->setRecordSet(cargoes->recordSet().clone());
    m_data->move(cargoes->recordSet().absolutePosition());
    // Without a cargo there is nothing to change, and nothing typed could be stored.
    if (!m_data->recordSet().hasCurrent()) {
        for (QLineEdit* field : findChildren<QLineEdit*>())
            field->setReadOnly(true);
        for (TextBox* box : findChildren<TextBox*>())
            box->setReadOnly(true);
    }
    return true;
}

bool CargoEditor::save()
{
    QString error;
    if (!m_data->updateRecord(&error)) {
        // The engine's own description, in a box with the program's title.
        MessageBox::ok(this, error, QStringLiteral("Velcarin"));
        return false;
    }
    Q_EMIT saved();
    return true;
}

void CargoEditor::closeEvent(QCloseEvent* event)
{
    // Every close saves. A close whose save failed would throw away what the officer typed, so the
    // window stays open and the next close tries again.
    if (save())
        event->accept();
    else
        event->ignore();
}

void CargoEditor::refuse(const QString& error)
{
    MessageBox::error(nullptr, tr("The cargo cannot be edited:\n\n%1").arg(error),
                      QStringLiteral("Velcarin"));
}
