#include "jo/CleaningMethods.h"

#include <QList>

namespace CleaningMethods {

namespace {

// Blanks inside the steps are as the operator wrote them, doubled ones and missing ones included.
const QList<QStringList>& methods()
{
    static const QList<QStringList> all{
        {QStringLiteral("GAS FREE AND VENTILATE FOR 2 HOURS"), QStringLiteral("INSPECT TANK"),
         QStringLiteral("RINSE WITH FRESH WATER IF NEEDED FOR 1 HOURS"), QStringLiteral("MOP AND DRY")},
        {QStringLiteral("BTW WITH WARM SEA WATER FOR 1 1/2 HOURS (MAX CARGO TEMP)"),
         QStringLiteral("RINSE WITH FRESH WATERFOR 1/2 HOURS"), QStringLiteral("GAS FREE AND VENTILATE"),
         QStringLiteral("MOP AND DRY")},
        {QStringLiteral("BTW WITH HOT SEA WATER(80C) FOR 4 HOURS"),
         QStringLiteral("BTW WITH HOT FRESH WATER WITH 0.05% TEEPOL FOR 2 HOURS"),
         QStringLiteral("RINSE WITH FRESH WATERFOR 1/2 HOURS"), QStringLiteral("GAS FREE AND VENTILATE"),
         QStringLiteral("MOP AND DRY")},
        {QStringLiteral("BTW WITH COLD SEA WATER FOR 4 HOURS"),
         QStringLiteral("BTW WITH HOT FRESH WATER WITH 0.05% TEEPOL FOR 4 HOURS"),
         QStringLiteral("RINSE WITH FRESH WATERFOR 1/2 HOURS"), QStringLiteral("GAS FREE AND VENTILATE"),
         QStringLiteral("MOP AND DRY")},
        {QStringLiteral("BTW WITH AMBIENT FRESH WATER FOR 1 HOURS"), QStringLiteral("GAS FREE AND VENTILATE"),
         QStringLiteral("MOP AND DRY")},
        {QStringLiteral("BTW WITH HOT SEA WATER (60-80C) FOR 1 1/2 HOURS"),
         QStringLiteral("RINSE WITH FRESH WATERFOR 1/2 HOURS"), QStringLiteral("GAS FREE AND VENTILATE"),
         QStringLiteral("MOP AND DRY")},
        {QStringLiteral("BTW WITH COLD SEA WATER  FOR 1 1/2 HOURS"),
         QStringLiteral("BTW WITH HOT FRESH WATER  WITH 0,05% TEEPOL SOL  FOR 2 1/2 HOURS"),
         QStringLiteral("BTW WITH WARM SEA WATER (30C) FOR 1/2 HOUR"),
         QStringLiteral("RINSE WITH FRESH WATER"), QStringLiteral("GAS FREE AND VENTILATE"),
         QStringLiteral("MOP AND DRY")},
        {QStringLiteral("BTW WITH COLD SEA WATER  FOR 1 1/2 HOURS"),
         QStringLiteral("BTW WITH HOT FRESH WATER  WITH 0,05% TEEPOL SOL  FOR 1 1/2 HOURS"),
         QStringLiteral("BTW WITH WARM SEA WATER (30C) FOR 1/2 HOUR"),
         QStringLiteral("STEAMING WITH TOULENE"), QStringLiteral("RINSE WITH FRESH WATER FOR 1/2 HOUR"),
         QStringLiteral("GAS FREE AND VENTILATE"), QStringLiteral("MOP AND DRY")},
        {QStringLiteral("BTW WITH COLD SEA WATER  FOR 1  HOURS"),
         QStringLiteral("BTW WITH HOT SEA WATER (60C - 80C)  FOR 1  HOURS"),
         QStringLiteral("BTW WITH WARM SEA WATER (30C) FOR 1/2 HOUR"),
         QStringLiteral("RINSE WITH FRESH WATER FOR 1/2 HOUR"), QStringLiteral("GAS FREE AND VENTILATE"),
         QStringLiteral("MOP AND DRY")},
        {QStringLiteral("BTW WITH HOT SEA WATER  FOR 2 HOURS"),
         QStringLiteral("BTW WITH HOT FRESH WATER  WITH 0,05% TEEPOL SOL  FOR 2 HOURS"),
         QStringLiteral("RINSE WITH FRESH WATER FOR 1/2 HOUR"), QStringLiteral("STEAMING WITH TOULENE"),
         QStringLiteral("RINSE WITH FRESH WATER FOR 1/2 HOUR"), QStringLiteral("GAS FREE AND VENTILATE"),
         QStringLiteral("MOP AND DRY")},
        {QStringLiteral("BTW WITH COLD SEA WATER  FOR 1 HOURS"),
         QStringLiteral("RINSE WITH FRESH WATER FOR 1/2 HOUR"), QStringLiteral("GAS FREE AND VENTILATE"),
         QStringLiteral("MOP AND DRY")},
        {QStringLiteral("BTW WITH LUKE WARM SEA WATER  FOR 1 HOURS"),
         QStringLiteral("BTW WITH HOT SEA WATER(80C)FOR 2 HOURS"), QStringLiteral("RINSE WITH FRESH WATER"),
         QStringLiteral("GAS FREE AND VENTILATE"), QStringLiteral("MOP AND DRY")},
    };
    return all;
}

} // namespace

QStringList steps(int method)
{
    if (method < 1 || method > Count)
        return {};
    return methods().at(method - 1);
}

QString text(int method)
{
    return steps(method).join(QLatin1String("\r\n"));
}

} // namespace CleaningMethods
