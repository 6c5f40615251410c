#include "shell/Controls.h"

#include "shell/ElidingLabel.h"
#include "shell/TextBox.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

namespace {

// Selects a combo box's prompt whole when the box takes the focus. A click into the box places the
// cursor after the focus came, so the selection waits until the click is done.
class PromptSelector : public QObject {
public:
    PromptSelector(QComboBox* comboBox, QString prompt)
        : QObject(comboBox)
        , m_comboBox(comboBox)
        , m_prompt(std::move(prompt))
    {
        comboBox->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            QTimer::singleShot(0, this, [this] {
                if (m_comboBox->hasFocus() && m_comboBox->currentText() == m_prompt)
                    m_comboBox->lineEdit()->selectAll();
            });
        }
        return false;
    }

private:
    QComboBox* m_comboBox;
    QString m_prompt;
};

} // namespace

namespace Controls {

QLabel* caption(QWidget* parent, const QString& text, const QString& name)
{
    auto* label = new ElidingLabel(parent);
    label->setText(text);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* valueLabel(QWidget* parent, const QString& name)
{
    auto* label = new ElidingLabel(parent);
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

void setInitialText(QComboBox* comboBox, const QString& text)
{
    comboBox->setEditText(text);
    new PromptSelector(comboBox, text);
}

QLineEdit* holder(QWidget* parent, const QString& name)
{
    auto* lineEdit = new QLineEdit(parent);
    lineEdit->setObjectName(name);
    lineEdit->hide();
    return lineEdit;
}

QLabel* notice(QWidget* parent, const QString& name)
{
    QLabel* label = caption(parent, QString(), name);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(160, 0, 0));
    label->setPalette(palette);
    // Its line is kept while it is hidden, so that nothing moves when it speaks.
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    label->hide();
    return label;
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

bool takesTyping(const QWidget* control)
{
    if (auto* lineEdit = qobject_cast<const QLineEdit*>(control))
        return !lineEdit->isReadOnly();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(control))
        return !plain->isReadOnly();
    if (auto* rich = qobject_cast<const QTextEdit*>(control))
        return !rich->isReadOnly();
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->isEditable();
    return qobject_cast<const QAbstractSpinBox*>(control) != nullptr;
}

} // namespace Controls
