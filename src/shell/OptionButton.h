#pragma once

#include <QRadioButton>

// An option button that takes a click anywhere in its rectangle, not only on its circle and caption: an
// option laid out wider than its caption is selected by a click beside the caption too.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(const QString& name, const QString& caption, QWidget* parent);

protected:
    bool hitButton(const QPoint& position) const override;
};
