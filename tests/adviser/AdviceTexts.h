#pragma once

#include <QString>

// Advice texts as the operator tab must show them, typed from the cargo-cleaning vocabulary: CR LF between
// lines, none after the last.
namespace AdviceTexts {

inline const QString CleaningGroup1 = QStringLiteral(
    "Cargoes listed under this group are completely water soluble or miscible. Some are water reactive;\r\n"
    "however, such reaction will be off an acceptable extent and duration. All of the cargoes can be\r\n"
    "cleaned using only water and all can be considered as good last cargoes.");
inline const QString CleaningGroup2 = QStringLiteral(
    "Cargoes listed under this group are not or are partially water soluble or miscible. These products\r\n"
    "can be removed by water displacing the product remaining within the cargo tank, pump and line\r\n"
    "system. The water temperature may have to be adjusted to displace or evaporate any remaining\r\n"
    "product.");
inline const QString TemperatureA = QStringLiteral(
    "Ambient temperature water or at least 10 degrees Celsius above the melting point of the cargo.");
inline const QString Notes1 = QStringLiteral(
    "Cargoes such as acids, alkalis and oxidizers may react with water, produce heat and form a much\r\n"
    "more corrosive solution. To minimize this reaction, large amounts of water must be introduced as\r\n"
    "quickly as possible. The water should not be allowed to accumulate in the cargo sump or on the\r\n"
    "tank top.");
inline const QString Notes3 = QStringLiteral(
    "The introduction of water to corrosive cargoes is against all conventional working practices;\r\n"
    "however, there is no other effective way of neutralizing the product remaining in the tank,\r\n"
    "pump, line system, etc.");
inline const QString Notes6 = QStringLiteral(
    "Cargoes such as alcohols and ketones do not require extensive machine washing and can be\r\n"
    "cleaned by positioning a tank cleaning machine close to the pump well and giving a short fresh\r\n"
    "water wash. For coated tanks, it is necessary to consult the manufacturers resistance list to\r\n"
    "ensure this method will not adversely affect the tank coating. When the coating can be\r\n"
    "affected, it is still necessary to flush the entire pump/line system with fresh water as much\r\n"
    "as possible to remove any remaining cargo from valves, drain cocks, low points on line system,\r\n"
    "etc.");
inline const QString Notes7 = QStringLiteral(
    "Cargoes such as esters, acetates and halogenated hydrocarbons can form mineral or organic\r\n"
    "acids when mixed with water. To prevent any damage to coated tanks the water/slop mast not\r\n"
    "be allowed to stay in the tank during or after the tank cleaning program.");
inline const QString Notes8 = QStringLiteral(
    "Cargoes belonging to the olefin, phathalate, adiptate, fatty acid and fatty alcohol categories\r\n"
    "are difficult to clean. When the subsequent cargo requires a high degree cleanliness (wall wash),\r\n"
    "alternative stowages should be carefully evaluated.");
inline const QString Notes9 = QStringLiteral(
    "After initial water wash the tank, pump and line system need to be recirculated with an oxidizer\r\n"
    "solution. The selection of suitable oxidizer is dependent upon the tank lining. Most common\r\n"
    "oxidizers are sodium hydroxide and sodium hypochlorite (bleach).");
inline const QString Notes10 = QStringLiteral(
    "The temperature of the wash water should not exceed 10-20 degrees Celsius above the\r\n"
    "discharge temperature of the product. Higher temperatures can cause the product to stick on the\r\n"
    "bulkheads.");
inline const QString Notes15 = QStringLiteral(
    "Heat applied directly or inderectly on these products can cause polimerization, as such same\r\n"
    "must always be avoided.");
inline const QString Notes18 = QStringLiteral(
    "These cargoes leave an odor that is very difficult to remove especially in zinc coated tanks.");

} // namespace AdviceTexts
