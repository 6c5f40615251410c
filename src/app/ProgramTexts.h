#pragma once

#include <QString>
#include <QStringList>

// What the splash and the About box say of the program.
namespace ProgramTexts {

inline const QString Title = QStringLiteral("Velcarin");
inline const QString Version = QStringLiteral("003-002-2003");
// The handbooks the guide is based on.
inline const QStringList Handbooks{
    QStringLiteral("HENKEL / CHEMCHEM Cleaning Manual"),
    QStringLiteral("Jo Tankers Cleaning Manual"),
    QStringLiteral("Tavro Tankers Tank Cleaning Manual"),
    QStringLiteral("Chemical Data Guide for Bulk Shipment by Water"),
    QStringLiteral("The Tavro-Vexholm Commodity Handbook 1988"),
    QStringLiteral("TavroTankers Special Cargo Handling Manual"),
    QStringLiteral("Unitor Tank Cleaning Manual"),
};

} // namespace ProgramTexts
