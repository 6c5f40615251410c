#include "shell/Controls.h"

#include "shell/TextBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Controls {

QLabel* caption(QWidget* parent, const QString& text, const QString& name)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* valueLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6);
    // The layout, not the value shown, sizes the label: a long value does not move the window's fields.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}

QLineEdit* field(QWidget* parent, const QString& name, const QString& toolTip)
{
    auto* lineEdit = new QLineEdit(parent);
    lineEdit->setObjectName(name);
    lineEdit->setReadOnly(true);
    lineEdit->setToolTip(toolTip);
    return lineEdit;
}

TextBox* textBox(QWidget* parent, const QString& name, const QString& toolTip)
{
    auto* box = new TextBox(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setToolTip(toolTip);
    return box;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text)
{
    auto* pushButton = new QPushButton(text, parent);
    pushButton->setObjectName(name);
    return pushButton;
}

QGroupBox* frame(QWidget* parent, const QString& title, const QString& name)
{
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    return box;
}

QComboBox* nameList(QWidget* parent, const QString& name)
{
    auto* comboBox = new QComboBox(parent);
    comboBox->setObjectName(name);
    comboBox->setEditable(true);
    comboBox->setCompleter(nullptr);
    comboBox->setInsertPolicy(QComboBox::NoInsert);
    comboBox->setMaxVisibleItems(20);
    return comboBox;
}

QLineEdit* holder(QWidget* parent, const QString& name)
{
    auto* lineEdit = new QLineEdit(parent);
    lineEdit->setObjectName(name);
    lineEdit->hide();
    return lineEdit;
}

void setColours(QWidget* control, const QColor& background, const QColor& text)
{
    QPalette palette = control->palette();
    if (background.isValid()) {
        // Option buttons would paint theirs in the button colour.
        control->setBackgroundRole(QPalette::Window);
        palette.setColor(QPalette::Window, background);
        control->setAutoFillBackground(true);
    }
    palette.setColor(QPalette::WindowText, text);
    control->setPalette(palette);
}

} // namespace Controls
