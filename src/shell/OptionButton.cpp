#include "shell/OptionButton.h"

OptionButton::OptionButton(const QString& name, const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent)
{
    setObjectName(name);
}

bool OptionButton::hitButton(const QPoint& position) const
{
    return rect().contains(position);
}
