#include "shell/ComboClicks.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>

ComboClicks::ComboClicks(QComboBox* comboBox)
    : QObject(comboBox)
{
    // The edit field takes the presses over it; the rest of the box is its button.
    comboBox->installEventFilter(this);
    comboBox->lineEdit()->installEventFilter(this);
    connect(comboBox, &QComboBox::activated, this, &ComboClicks::clicked);
}

bool ComboClicks::eventFilter(QObject*, QEvent* event)
{
    // The button's press opens the list, which takes the release, so the press is the click.
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        Q_EMIT clicked(-1);
    return false;
}
