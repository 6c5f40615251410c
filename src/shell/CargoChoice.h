#pragma once

#include "shell/CurrentCargo.h"

#include <QObject>

// The current choice of one adviser tab, published: the tab sets it after every choice and every change
// of what it shows, and whoever follows the tab hears of each change once.
class CargoChoice : public QObject {
    Q_OBJECT
public:
    explicit CargoChoice(QObject* parent = nullptr);

    const CurrentCargo& current() const { return m_current; }
    // Takes what the tab now stands on; tells of it only when it differs from what it stood on.
    void set(const CurrentCargo& cargo);

Q_SIGNALS:
    void changed(const CurrentCargo& cargo);

private:
    CurrentCargo m_current;
};
