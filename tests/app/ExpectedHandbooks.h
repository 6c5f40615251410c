#pragma once

#include <QStringList>

// The handbooks the guide is based on, as the splash and the About box list them, in order.
inline const QStringList Handbooks{
    QStringLiteral("HENKEL / CHEMCHEM Cleaning Manual"),
    QStringLiteral("Jo Tankers Cleaning Manual"),
    QStringLiteral("Tavro Tankers Tank Cleaning Manual"),
    QStringLiteral("Chemical Data Guide for Bulk Shipment by Water"),
    QStringLiteral("The Tavro-Vexholm Commodity Handbook 1988"),
    QStringLiteral("TavroTankers Special Cargo Handling Manual"),
    QStringLiteral("Unitor Tank Cleaning Manual"),
};
