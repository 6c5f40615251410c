#include "suppliers/HenkelGuide.h"

namespace HenkelGuide {

const QList<CargoGroup>& cargoGroups()
{
    static const QList<CargoGroup> groups{
        {QStringLiteral("optVOH"), QStringLiteral("Vegetable and Animal Oils"), 1017},
        {QStringLiteral("optTOCH"), QStringLiteral("Tall Oil (Crude)"), 1002},
        {QStringLiteral("OptTOPH"), QStringLiteral("Tall Oil (Pitch)"), 1003},
        {QStringLiteral("OptFAOH"), QStringLiteral("Fatty Acid Oils / Fats"), 1004},
        {QStringLiteral("OptFOH"), QStringLiteral("Fish Oil"), 1005},
        {QStringLiteral("OptLNH"), QStringLiteral("Latex-Natural and Synthetic"), 1006},
        {QStringLiteral("OptLAH"), QStringLiteral("Lube Additives"), 1007},
        {QStringLiteral("OptLOH"), QStringLiteral("Luboils"), 1008},
        {QStringLiteral("OptPhthH"), QStringLiteral("Phthalates (DOP, DINP, DIDP)"), 1010},
        {QStringLiteral("optPhenH"), QStringLiteral("Phenol"), 1011},
        {QStringLiteral("optRWH"), QStringLiteral("Refined Wax"), 1012},
        {QStringLiteral("optSWH"), QStringLiteral("Slack Wax"), 1013},
        {QStringLiteral("optPFAH"), QStringLiteral("Palm Fatty Acid"), 1014},
        {QStringLiteral("optSH"), QStringLiteral("Slurry"), 1015},
        {QStringLiteral("optSMH"), QStringLiteral("Styrene Monomer"), 1016},
        {QStringLiteral("OptGKGH"), QStringLiteral("Gasoil, Kerosine, Gasoline"), 1009},
    };
    return groups;
}

QList<int> topicsToShow(const std::function<bool(const QString& option)>& isSelected)
{
    // The oils group, which stands first, is looked at last, and the gasoil group before the phthalates.
    static const QStringList order{
        QStringLiteral("optTOCH"),  QStringLiteral("OptTOPH"), QStringLiteral("OptFAOH"),
        QStringLiteral("OptFOH"),   QStringLiteral("OptLNH"),  QStringLiteral("OptLAH"),
        QStringLiteral("OptLOH"),   QStringLiteral("OptGKGH"), QStringLiteral("OptPhthH"),
        QStringLiteral("optPhenH"), QStringLiteral("optRWH"),  QStringLiteral("optSWH"),
        QStringLiteral("optPFAH"),  QStringLiteral("optSH"),   QStringLiteral("optSMH"),
        QStringLiteral("optVOH"),
    };
    QList<int> topics;
    for (const QString& option : order) {
        if (!isSelected(option))
            continue;
        for (const CargoGroup& group : cargoGroups()) {
            if (group.option == option)
                topics << group.context;
        }
    }
    return topics;
}

} // namespace HenkelGuide
