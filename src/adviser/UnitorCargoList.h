#pragma once

#include <QString>

// Whether the Unitor tank cleaning manual covers the cargo of this exact name.
bool isUnitorCargo(const QString& name);
