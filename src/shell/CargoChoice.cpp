#include "shell/CargoChoice.h"

CargoChoice::CargoChoice(QObject* parent)
    : QObject(parent)
{
}

void CargoChoice::set(const CurrentCargo& cargo)
{
    if (cargo == m_current)
        return;
    m_current = cargo;
    Q_EMIT changed(m_current);
}
