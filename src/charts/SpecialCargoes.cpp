#include "charts/SpecialCargoes.h"

namespace SpecialCargoes {

const QList<Cargo>& cargoes()
{
    static const QList<Cargo> all{
        {QStringLiteral("Option1"), QStringLiteral("Acrylic Acid (Ester Grade)"),
         QStringLiteral(
             "Acroleic Acid, Ethylene Carboxylic Acid, 2-Propcnic Acid,2-Propenoic Acid, Propenoic "
             "Acid, Vinyl Formic Acid."),
         1002},
        {QStringLiteral("Option2"), QStringLiteral("Acrylonitrile"),
         QStringLiteral("AN, Cyanoethylene, Propenenitrile, 2-Propencnitrile,Vinyl cyanide."), 1003},
        {QStringLiteral("Option3"), QStringLiteral("Propylene Oxide / Ethylene Oxide"),
         QStringLiteral("1,2-Epoxypropane; Methyloxirane, Propene Oxide."), 1004},
        {QStringLiteral("Option4"), QStringLiteral("Caprolactam (Pure)"),
         QStringLiteral("E-Caprolactam, 2-Oxohexamethylenimine."), 1005},
        {QStringLiteral("Option5"), QStringLiteral("Formic Acid"),
         QStringLiteral("Formylic Acid; Hydrogencarboxylic Acid; Methanoic Acid."), 1006},
        {QStringLiteral("Option6"), QStringLiteral("Hexamethylene Diamine Sol."),
         QStringLiteral("1,6-Hexanediamine; 1,6-diaminohexane; HMD; HMDA."), 1007},
        {QStringLiteral("Option7"), QStringLiteral("Isocyanates "), QString(), 1008},
        {QStringLiteral("Option8"), QStringLiteral("Natural Latex"),
         QStringLiteral(
             "A white tacky, aqueous suspension of a hydrocarbon polymer occurring naturally in some "
             "species of trees."),
         1009},
        {QStringLiteral("Option9"), QStringLiteral("Phosphoric Acid (75-8`5%) (Wet), (Super)"),
         QStringLiteral("Metaphosphoric acid; Orthophosphoric acid; meta-Phosphoric acid; ortho-Phosphoric "
                        "acid; White phosphoric acid."),
         1010},
        {QStringLiteral("Option10"), QStringLiteral("Sulfuric Acid"),
         QStringLiteral("Battery acid; Chamber acid; fertilizer acid; Oil of vitriol."), 1011},
        {QStringLiteral("Option11"), QStringLiteral("Tall Oil (Crude)"),
         QStringLiteral("Liquid rosin; Talleol; Tallol."), 1012},
        {QStringLiteral("Option12"), QStringLiteral("Allyl Alcohol"),
         QStringLiteral("Propenyl Alcohol, Vinyl Carbinol, 2-Propen-l-ol, l-Propen-3-ol"), 1013},
        {QStringLiteral("Option13"), QStringLiteral("Calcium Bromide"),
         QStringLiteral("Calcium Dibromide 52%"), 1014},
    };
    return all;
}

const QList<IsocyanateKind>& isocyanateKinds()
{
    static const QList<IsocyanateKind> all{
        {QStringLiteral("Label1"), QStringLiteral("(MDI),"),
         QStringLiteral(
             "4,4-Diisocyanodiphenylmethane;4,4'-Dipnenylmethane diisocyanate;Diphenylmethane-4,4'-"
             "diisocyanate;Methylene bis(4-phenyl isocyanate).")},
        {QStringLiteral("Label2"), QStringLiteral("(PAPI),"),
         QStringLiteral("Polymethylene polyphenyl isocyanate; PAPI.")},
        {QStringLiteral("Label3"), QStringLiteral("(TDI)."),
         QStringLiteral("Benzene;1,3-diisocyanatomethyl-; 2.4-Diisocyanatotoluene;2,4-Toluene "
                        "diisocyanate;Toluene-2,4-diisocyanate;2,4-Toluene diisocyanate;2.4-Toluene "
                        "diisocyanate.")},
    };
    return all;
}

} // namespace SpecialCargoes
