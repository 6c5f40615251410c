#include "charts/HazardRatings.h"

namespace HazardRatings {

const QList<Scale>& scales()
{
    static const QList<Scale> all{
        {QStringLiteral("H1"),
         QStringLiteral("Hazard presented by irritating vapors to the skin or to the mucous membranes of the "
                        "eyes, nose, throat, and lungs."),
         {
             QStringLiteral(
                 "Chemicals that are nonvolatile, or the vapors from which are nonirritating to the "
                 "eyes and throat."),
             QStringLiteral("Chemicals that cause a slight smarting of the eyes or respiratory system if "
                            "present in high concentrations. This effect is temporary."),
             QStringLiteral("Chemical vapors that cause moderate irritation, such that personnel will find "
                            "high concentrations unpleasant. The effect is temporary."),
             QStringLiteral("Moderately irritating volatile chemicals, such that personnel will not usually "
                            "tolerate moderate or high vapor concentrations."),
             QStringLiteral("Severe eye or throat irritants, vapors are capable of causing eye or lung "
                            "injury, and cannot be tolerated even at low concentrations."),
         }},
        {QStringLiteral("H2"),
         QStringLiteral("Hazard of irritation from liquids or solids with regard to the chemical tendency to "
                        "burn or irritate human skin from contact."),
         {
             QStringLiteral("No appreciable hazard. These chemicals are practically harmless to the skin. "
                            "Included are certain very volatile compounds that evaporate quickly from the "
                            "skin."),
             QStringLiteral("Minimum hazard. Usually includes chemicals which, if spilled on closing and "
                            "allowed to remain, will cause smarting and reddening of the skin."),
             QStringLiteral("Chemicals that cause smarting of the skin and first-degree burns on long "
                            "exposure."),
             QStringLiteral(
                 "Fairly severe skin irritants, usually causing pain and second-degree burns after "
                 "a few minutes' contact."),
             QStringLiteral("Severe skin irritants, causing second and third-degree burns on short contact "
                            "and very injurious to the eyes."),
         }},
        {QStringLiteral("H3"),
         QStringLiteral("Hazard presented due to chemical poisons entering the body through inhalation, oral "
                        "ingestion, or skin penetration causing bodily harm."),
         {
             QStringLiteral("No likelihood of producing injury."),
             QStringLiteral("Minimum hazard. Includes most chemicals having threshold limits above 500 ppm."),
             QStringLiteral("Some hazard, typically having threshold limits of 100 to 500 ppm."),
             QStringLiteral("Moderately hazardous chemicals."),
             QStringLiteral("Severely hazardous chemicals usually having threshold limits below 10 ppm."),
         }},
    };
    return all;
}

std::optional<int> levelOf(const QString& rating)
{
    bool isNumber = false;
    const double number = rating.toDouble(&isNumber); // blanks around the number are allowed
    if (!isNumber)
        return std::nullopt;
    for (int level = 0; level <= 4; ++level) {
        if (number == level)
            return level;
    }
    return std::nullopt;
}

QString description(const Scale& scale, const QString& rating)
{
    const std::optional<int> level = levelOf(rating);
    return level ? scale.levels.at(*level) : QString();
}

} // namespace HazardRatings
