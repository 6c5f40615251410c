#include "jo/MethodButtons.h"

#include "jo/CleaningMethods.h"
#include "shell/Controls.h"
#include "shell/SystemColour.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

namespace {

void setBackColour(QPushButton* button, const QColor& colour)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
}

} // namespace

MethodButtons::MethodButtons(QWidget* parent)
    : QWidget(parent)
{
    // Fusion paints a button in its palette's button colour on every platform, where the native
    // styles would paint their own face.
    QStyle* colouredStyle = QStyleFactory::create(QStringLiteral("Fusion"));
    colouredStyle->setParent(this);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (int method = 1; method <= CleaningMethods::Count; ++method) {
        QPushButton* button =
            Controls::button(this, QStringLiteral("cmd%1").arg(method), QString::number(method));
        button->setStyle(colouredStyle);
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("12")) * 3);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setBackColour(
            button, systemColour(method == 1 ? SystemColour::InactiveCaptionText : SystemColour::ButtonFace));
        row->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, method] { press(method); });
        m_buttons << button;
    }
}

void MethodButtons::press(int method)
{
    setBackColour(m_buttons.at(method - 1), Marks::LightOrange);
    for (int other = 1; other <= m_buttons.size(); ++other) {
        if (other != method)
            setBackColour(m_buttons.at(other - 1), systemColour(SystemColour::InactiveCaptionText));
    }
    Q_EMIT methodChosen(method);
}
