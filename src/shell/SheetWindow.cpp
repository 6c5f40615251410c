#include "shell/SheetWindow.h"

#include "shell/Controls.h"
#include "shell/Placement.h"
#include "shell/TextBox.h"
#include "shell/TwipScale.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// The text a control of a window shows, as the program keeps it (a text box's CR LF included).
QString textOf(const QWidget& window, const QString& name)
{
    const QWidget* control = window.findChild<QWidget*>(name);
    if (const auto* box = qobject_cast<const TextBox*>(control))
        return box->text();
    if (const auto* line = qobject_cast<const QLineEdit*>(control))
        return line->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    return {};
}

void showText(QWidget* control, const QString& text)
{
    if (auto* box = qobject_cast<TextBox*>(control))
        box->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
}

} // namespace

SheetWindow::SheetWindow(const QString& name, Filler filler, QWidget* parent)
    : QWidget(parent)
    , m_filler(std::move(filler))
    , m_sheet(m_filler([](const QString&) { return QString(); }))
{
    using namespace Controls;
    using Kind = SheetItem::Kind;

    setObjectName(name);
    setWindowTitle(m_sheet.title);
    // A screen of 96 dots per inch: fifteen twips to the pixel.
    const TwipScale scale(1.0 / 15);
    for (const SheetItem& item : std::as_const(m_sheet.items)) {
        QWidget* control = nullptr;
        switch (item.kind) {
        case Kind::Title:
        case Kind::Caption:
            control = caption(this, item.text, item.name);
            break;
        case Kind::Value:
            control = valueLabel(this, item.name);
            break;
        case Kind::TextBox:
            control = textBox(this, item.name);
            break;
        case Kind::Frame:
            control = frame(this, item.text, item.name);
            control->lower();
            break;
        }
        control->setGeometry(scale.rect(item.twips));
        if (!item.name.isEmpty())
            m_values.insert(item.name, control);
    }
    resize(scale.size(m_sheet.twips));
}

void SheetWindow::load(const QWidget& adviser)
{
    Placement::place(this, 2);
    fill(adviser);
}

void SheetWindow::fill(const QWidget& adviser)
{
    m_sheet = m_filler([&adviser](const QString& control) { return textOf(adviser, control); });
    for (const SheetItem& item : std::as_const(m_sheet.items)) {
        if (QWidget* control = m_values.value(item.name))
            showText(control, item.text);
    }
}
