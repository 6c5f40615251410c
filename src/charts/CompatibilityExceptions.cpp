#include "charts/CompatibilityExceptions.h"

#include <QList>
#include <QStringList>

namespace CompatibilityExceptions {

namespace {

// Each group's exceptions line by line; an empty line parts the compatible from the not compatible.
const QList<std::pair<QString, QStringList>>& exceptionLines()
{
    static const QList<std::pair<QString, QStringList>> groups{
        {QStringLiteral("0"),
         {
             QStringLiteral("-  Acetone Cyanohydrin (0) compatible with Acetic Acid (4)"),
             QStringLiteral("-  gammaButyrolactone (0) compatible with N-Methyl-2-pyrrolidone (9)"),
             QStringLiteral("-  tert-Dodecanethiol (0) compatible with Acrylonitrile (15), Diiodecyl "
                            "phthalate (34), Methyl Ethyl Ketone (18), iso-Nonyl alcohol (20), "
                            "Perchloroethylene (36), iso-Propyl alcohol (20), Tall oil, crude"),
             QStringLiteral(
                 "-  Oleum (0) compatible with Hexane (31), Dichlorometane (36) and Perchloroethlene (36)"),
             QStringLiteral("-  Sodium dichromate, 70% (0) compatible with Methyl alcohol (20)"),
             QString(),
             QStringLiteral("-  Acetone Cyanohydrin (0) is not compatible with Groups 1-12,16,17 and 22"),
             QStringLiteral("-  Alkylbenzenesulfonic Acid (0) is not compatible with Groups 1-3, 5-9, 15, "
                            "16, 18, 19, 30, 34, 37 and strong oxidizers"),
             QStringLiteral("-  Benzenesulfonyl Chloride (0) is not compatible with Groups 5-7 and 43"),
             QStringLiteral("-  Gamma-Butyrolactone (0) is not compatible with Groups 1-9"),
             QStringLiteral("-  2,4-Dichlorophenoxyacetic acid, Dimethylamine salt solution (0) is not "
                            "compatible with Groups 1-5, 11, 12, and 16."),
             QStringLiteral("-  Dodecylbenzenesulfonic Acid (0) is not compatible with oxidizing agents and "
                            "Groups 1, 2, 3, 5, 6, 7, 8, 9, 15, 16, 18, 19, 30, 34 and 37"),
             QStringLiteral(
                 "-  Magneium chloride solution (0) is not compatible with Groups 2, 3, 5, 6 and 12"),
             QStringLiteral("-  NIAX POLYOL APP 240C (0) is not compatible with Groups 2, 3, 5, 7, or 12"),
             QStringLiteral("-  O-Nitrophenol (0) is not compatible with Groups 2,3 and 5-10"),
             QStringLiteral(
                 "-  Oleum (0) is not compatible with Sulfuric Acid (2) and 1,1,1-Trichloroethane (36)"),
             QStringLiteral(
                 "-  Phthalate based polyester polyol (0) is not compatible with Groups 2, 3, 5, 7 and 12"),
             QStringLiteral("-  Sodium Chlorate Solution (50% or less) (0) is not compatible with Groups "
                            "1-3,5,7,8,10,12,13,17 and 20"),
             QStringLiteral("-  Sodium Dichromate Solution (70% or less)is not compatible with Groups "
                            "1-3,5,7,8,10,12,13,17 and 20"),
             QStringLiteral("-  Sodium Hydrogen Sulfide, Sodium Carbonate Solution (0) is not compatible "
                            "with Groups 6 (Ammonia) and 7 (Aliphatic amines)"),
             QStringLiteral("-  Sodium Sulfide, Hydrosulfide Solution (0) is not compatible with Groups 6 "
                            "(Ammonia) and 7 (Aliphatic amines)"),
             QStringLiteral("-  Sodium Thriocyanate (56% or less) (0) is not compatible with Groups 1-4"),
         }},
        {QStringLiteral("2"),
         {
             QStringLiteral("-  Sulfuric Acid (2) is compatible with Coconut Oil (34), Coconut Oil Acid "
                            "(34), Palm Oil (34), Tallow (34)"),
             QStringLiteral(
                 "-  Sulfuric Acid, 98% or less (2) is compatible with Choice White Grease Tallow (34)"),
             QString(),
             QStringLiteral("-  Sulfuric Acid (2) is not compatible with Fish Oil (34), or Oleum (0)"),
         }},
        {QStringLiteral("4"),
         {
             QStringLiteral("-  Acrylic Acid (4) is not compatible with Group 9, Aromatic Amines"),
             QStringLiteral("-  Formic Acid (4) is not compatible with Furfural Alcohol (20)"),
         }},
        {QStringLiteral("5"),
         {
             QStringLiteral("-  Caustic Potash, 50% or less (5) is compatible with Isobutyl Alcohol (20), "
                            "Ethyl Alcohol (20), Ethylene Glycol (20), Isopropyl Alcohol (20), Methyl "
                            "Alcohol (20), iso-Octyl Alcohol (20)"),
             QStringLiteral(
                 "-  Caustic Soda, 50% or less (5) is compatible with Butyl Alcohol (20), tert-Butyl "
                 "Alcohol, Methanol Mixtures, Decyl Alcohol (20), iso-Decyl Alcohol (20), Diacetone Alcohol "
                 "(20), Diethylene Glycol (40), Dodecyl Alcohol (20), Ethyl Alcohol (20), Ethyl Alcohol "
                 "(40%, whiskey) (20), Ethylene Glycol (20), Ethylene Glycol, Diethylene Gylcol Mixture "
                 "(20), Ethyl Hexanol (Octyl Alcohol) (20), Methyl Alcohol (20), Nonyl Alcohol (20), "
                 "iso-Nonyl Alcohol (20), Propyl Alcohol (20), iso-Propyl Alcohol (20), Propylene Glycol "
                 "(20), Sodium Chlorate solution (0), iso-Tridecanol (20)"),
             QStringLiteral("-  Sodium hydrosulfide solution (5) is compatible with Methyl Alcohol (20), "
                            "iso-Propyl Alcohol (20)"),
             QString(),
             QStringLiteral(
                 "-  Caustic Soda solution 50% or less (5) is not compatible with 1,4-Butylene Glycol (20)"),
             QStringLiteral("-  Sodium Hydrosulfide (5) is not compatible with Groups 6 (Ammonia) and 7 "
                            "(Aliphatic amines)"),
             QStringLiteral("-  Sodium Hydrosulfide, Ammonium Sulfide Solution (5) is not compatible with "
                            "Groups 6 (Ammonia) and 7 (Aliphatic amines)"),
         }},
        {QStringLiteral("7"),
         {
             QStringLiteral(
                 "-  Dodecyl and Tetradecylamine Mixture (7) is compatible with Tall Oil, Fatty Acid (34)"),
             QStringLiteral(
                 "-  Ethylenediamine (7) is compatible with Butyl Alcohol (20), tert-Butyl Alcohol (20), "
                 "Butylene Glycol (20), Creosote (21), Diethylene Glycol (40), Ethyl Alcohol (20), Ethylene "
                 "Glycol (20), Ethyl Hexanol (20), Glycerine (20), Isononyl Alcohol (20), Isophorone (18), "
                 "Methyl Butyl Ketone (18), Methyl iso-Butyl Ketone (18), Methyl Ethyl Ketone (18), Propyl "
                 "Alcohol (20), Propylene Glycol (20)"),
             QString(),
             QStringLiteral("-  Diethylenetriamine (7) is not compatible with 1,2,3-Trichloropropane, Group "
                            "36, Halogenated hydrocarbons."),
             QStringLiteral("-  Ethylenediamine (7) and Ethylenediamine EA 1702 (7) are not compatible with "
                            "Ethylene Dichloride (36) or 1,2,3-Trichloropropane (36)"),
             QStringLiteral("-  Tetraethylenepentamine (7) is not compatible with Carbon Tetrachloride, "
                            "Group 36, Halogenated hydrocarbons."),
             QStringLiteral("-  Triethylenetetramine (7) is not compatible with Carbon Tetrachloride, or "
                            "1,2,3-Trichloropropane, both Group 36, Halogenated hydrocarbons."),
         }},
        {QStringLiteral("14"),
         {
             QStringLiteral("2-Hydroxyethyl Acrylate (14) is not compatible with Group 5, 6, or 12"),
         }},
        {QStringLiteral("15"),
         {
             QStringLiteral("Acrylonitrile (15) is compatible with Triethanolamine (8)"),
             QString(),
             QStringLiteral("-  Allyl Alcohol (15) is not compatible with Group 12, Isocyanates"),
             QStringLiteral("-  Acrylonitrile (15) is not compatible with Group 5, (Caustics)"),
             QStringLiteral("-  Methacrylonitrile (15) is not compatible with Group Group 5, (Caustics)"),
         }},
        {QStringLiteral("18"),
         {
             QStringLiteral("-  Acetone (18) is compatible with Diethylenetriamine (7)"),
             QString(),
             QStringLiteral("-  1-(4-Chlorophenyl)-4,4-dimethyl pentan-3-one (18) is not compatible with "
                            "Group 5 (Caustics) or 10 (Amides)"),
             QStringLiteral(
                 "-  Cyclohexanone, Cyclohexanol Mixture (18) is not compatible with Group 12, Isocanates"),
             QStringLiteral("-  Isophorone (18) is not compatible with Group 8, Alkanolamines"),
             QStringLiteral("-  Mesityl Oxide (18) is not compatible with Group 8, Alkanolamines"),
         }},
        {QStringLiteral("19"),
         {
             QStringLiteral("-  Acrolein (19) is not compatible with Group 1, Non-Oxidizing Mineral Acids"),
             QStringLiteral(
                 "-  Crotonaldehyde (19) is not compatible with Group 1, Non-Oxidizing Mineral Acids"),
             QStringLiteral("-  2-Ethyl-3-Propylacrolein (19) is not compatible with Group 1, Non-Oxidizing "
                            "Mineral Acids"),
             QStringLiteral("-  Formaldehyde (over 50%) in Methyl Alcohol (over 30%) (19) is not compatible "
                            "with Group 12, Isocyanates"),
         }},
        {QStringLiteral("20"),
         {
             QStringLiteral("-  1,3-Butylene Glycol (20) is compatible with Morpholine (7)"),
             QStringLiteral(
                 "-  1,4-Butylene Glycol (20) is compatible with Ethylamine (7) and Triethanolamine (8)"),
             QStringLiteral("-  1,2-Propylene Glycol (20) is compatible with Diethylenetriamine (7), "
                            "Polyethylene Polyamines (7), Triethylenetetramine (7)"),
             QString(),
             QStringLiteral(
                 "-  1,4-Butylene Glycol (20) is not compatible with Caustic Soda solution, 50% or less (5)"),
             QStringLiteral("-  Furfuryl Alcohol (20) is not compatible with Group 1, Non-Oxidizing Mineral "
                            "Acids and Formic Acid (4)"),
             QStringLiteral("-  Polyglycerine, Sodium salts solution (20) is not compatible with Groups 1, "
                            "4, 11, 16, 17, 19, 21 and 22"),
         }},
        {QStringLiteral("30"),
         {
             QStringLiteral("-  Ethylidene Norbornene (30) is not compatible with Groups 1-3 and 5-8"),
             QStringLiteral(
                 "-  Propylene, Propane, MAPP gas mixture (containing 12% or less MAPP gas) (30) is not "
                 "compatible with Group 1 (Non-oxidizing mineral acids), Group 36 (Halogenated "
                 "hydrocarbons), Nitrogen Dioxide, oxidizing materials or Molten Sulfur"),
         }},
        {QStringLiteral("32"),
         {
             QStringLiteral("-  C9 Resinfeed (DSM) (32) is not compatible with Group 2, Sulphuric Acid."),
         }},
        {QStringLiteral("34"),
         {
             QStringLiteral("-  Alkyl (C7-C9) nitrates (34) is not compatible with Group 1 (Non-oxidizing "
                            "Mineral Acids)"),
             QStringLiteral("-  Dimethyl Hydrogen Phosphite (34) is not compatible with Groups 1 and 4"),
             QStringLiteral("-  Dimethyl Napthalene Sulfonic Acid, Sodium Salt Solution (34) is not "
                            "compatible with Group 12, Formaldehyde, and Strong Oxidizing Agents"),
             QStringLiteral("-  Fish Oil (34) is not compatible with Sulfuric Acid (2)"),
             QStringLiteral("-  Sodium Acetate, Glycol, Water mixture (1% or less Sodium Hydroxide) (34) is "
                            "not compatible with Group 12 (Isocyanates)"),
             QStringLiteral("-  Octyl Nitrates (all isomers), see Alkyl (C7-C9) nitrates."),
             QStringLiteral("-  Sodium Dimethyl Naphthalene Sulfonate Solution (34) is not compatible with "
                            "Group 12, Formaldehyde, and Strong Oxidizing Agents"),
             QStringLiteral("-  Tall Oil Fatty Acid (Resin acids less than 20%) (34) is not compatible with "
                            "Group 5, Caustics"),
             QStringLiteral("-  Tallow Fatty Acid (34) is not compatible with Group 5, Caustics"),
             QStringLiteral("-  Triethyl Phosphite (34) is not compatible with Groups 1 and 4"),
             QStringLiteral("-  Trimethyl Phosphite (34) is not compatible with Groups 1 and 4"),
         }},
        {QStringLiteral("36"),
         {
             QStringLiteral("-  Carbon Tetrachloride (36) is not compatible with Tetraethylenepentamine or "
                            "Triethylenetetramine, both Group 7, Aliphatic Amines"),
             QStringLiteral("-  Catoxid Feedtock (36) is not compatible with Group 1, 2, 3, 4, 5 or 12"),
             QStringLiteral("-  Ethlene Dichloride (36) is not compatible with Ethylenediamine (7) or "
                            "Ethyleneamine EA 1302 (7)"),
             QStringLiteral(
                 "-  1,2,3-Trichloropropane (36) is not compatible with Diethylenetriamine, Ethylenediamine, "
                 "Ethyleneamine EA 1302, or Triethylenetetramine, all Group 7, Aliphatic Amines"),
             QStringLiteral("-  1,1,1-Trichloroethane (36) is not compatible with Oleum (0)"),
             QStringLiteral("-  Trichloroethylene (36) is not compatible with Group 5, Caustics"),
         }},
        {QStringLiteral("41"),
         {
             QStringLiteral("-  Ethyl Tert-Butyl Ether (41) is not compatible with Group 1, Non-Oxidizing "
                            "Mineral Acids"),
             QStringLiteral("-  Methyl Tert-Butyl Ether (41) is not compatible with Group 1, Non-Oxidizing "
                            "Mineral Acids"),
             QStringLiteral("-  1,3,5-Trioxane (41) is not compatible with Group 1 (Non-Oxidizing Mineral "
                            "Acids) and Group 4 (Organic Acids)"),
         }},
        {QStringLiteral("43"),
         {
             QStringLiteral("-  Aluminum Sulfate Solution (43) is not compatible with Groups 5-11"),
             QStringLiteral(
                 "-  Ammonium Bisulfite Solution (43) is not compatible with Groups 1, 3, 4 and 5"),
             QStringLiteral("-  2,4-Dichlorophenoxyacetic Acid, Triisopropanolamine Salt Solution (43) is "
                            "not compatible with Group 3, Nitric Acid"),
             QStringLiteral("-  Ferric Hydroxethylethylenediamine Triacetic Acid, Sodium Salt Sollution (43) "
                            "is not compatible with Group 3, Nitric Acid"),
             QStringLiteral(
                 "-  Sodium Polyacrlate Solution (43) is not compatible with Group 3, Nitric Acid"),
             QStringLiteral("-  Sodium Silicate Solution (43) is not compatible with Group 3, Nitric Acid"),
             QStringLiteral(
                 "-  Sulfonated Polyacrylate Solution (43) is not compatible with Group 5 (Caustics)"),
         }},
    };
    return groups;
}

} // namespace

std::optional<QString> textOf(const QString& group)
{
    for (const auto& [number, lines] : exceptionLines()) {
        if (number == group)
            return lines.join(QLatin1String("\r\n"));
    }
    return std::nullopt;
}

} // namespace CompatibilityExceptions
