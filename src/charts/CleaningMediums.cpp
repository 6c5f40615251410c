#include "charts/CleaningMediums.h"

namespace CleaningMediums {

const QList<Topic>& topics()
{
    static const QList<Topic> all{
        {QStringLiteral("Option1"), QStringLiteral("Sea Water"), 1002},
        {QStringLiteral("Option2"), QStringLiteral("Product B"), 1003},
        {QStringLiteral("Option3"), QStringLiteral("B-Solv 80"), 1004},
        {QStringLiteral("Option4"), QStringLiteral("Product C"), 1005},
        {QStringLiteral("Option5"), QStringLiteral("Product D"), 1006},
        {QStringLiteral("Option6"), QStringLiteral("Product S"), 1007},
        {QStringLiteral("Option7"), QStringLiteral("Product HCF"), 1008},
        {QStringLiteral("Option8"), QStringLiteral("Product LAC"), 1009},
        {QStringLiteral("Option9"), QStringLiteral("Methanol"), 1010},
        {QStringLiteral("Option10"), QStringLiteral("Bleach Solution or Bleach Substitute"), 1011},
        {QStringLiteral("Option11"), QStringLiteral("Chlorinated Solvents"), 1012},
        {QStringLiteral("Option12"), QStringLiteral("Methyl Ethyl Ketone and Acetone"), 1013},
        {QStringLiteral("Option13"), QStringLiteral("Toluene"), 1014},
        {QStringLiteral("Option14"), QStringLiteral("Use of Product X for Odor Neutralization"), 1015},
        {QStringLiteral("Option16"), QStringLiteral("Use of Product X to improve of PTT"), 1016},
        {QStringLiteral("Option15"), QStringLiteral("Enviroclean"), 1017},
    };
    return all;
}

} // namespace CleaningMediums
