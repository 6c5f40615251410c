#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include <utility>

// The chart as published, written out apart from the program's own tables so that the tests compare
// two independent copies: each row group with its 22 columns, X where the chart carries a mark.
inline const QList<std::pair<int, const char*>> PublishedMarks{
    {1, ".X..XXXXXXXXX..XX....."},  {2, "X.XXXXXXXXXXXXXXXXXXXX"},  {3, ".X.XXXXXXXXXXXXXXXXXX."},
    {4, ".XX.XXXX...X...XX....."},  {5, "XXXX......XX...XX.XXXX"},  {6, "XXXX.....XXXX..XX.X..."},
    {7, "XXXX......XXXXXXXXXXXX"},  {8, "XXXX......XXXXXXX.X..."},  {9, "XXX.......XX......X..."},
    {10, "XXX..X.....X........X."}, {11, "XXX.XXXXX............."}, {12, "XXXXXXXXXX.........X.X"},
    {13, "XXX..XXX.............."}, {14, ".XX...XX.............."}, {15, ".XX...XX.............."},
    {16, "XXXXXXXX.............."}, {17, "XXXXXXXX.............."}, {18, ".XX...X..............."},
    {19, ".XX.XXXXX............."}, {20, ".XX.X.X....X.........."}, {21, ".XX.X.X..X............"},
    {22, ".X..X.X....X.........."}, {30, ".XX..................."}, {31, "......................"},
    {32, "..X..................."}, {33, "..X..................."}, {34, ".XX..................."},
    {35, "..X.................X."}, {36, "......................"}, {37, ".X...................."},
    {38, "......XX.............."}, {39, "......................"}, {40, ".X.........X.........."},
    {41, ".XX..................."}, {42, "....XXXXX............."}, {43, ".X.........X.........."},
};

// The published exceptions of the sixteen groups that have them, each as one text with CR LF breaks.
inline const QList<std::pair<const char*, const char*>> PublishedExceptions{
    {"0", "-  Acetone Cyanohydrin (0) compatible with Acetic Acid (4)\r\n"
          "-  gammaButyrolactone (0) compatible with N-Methyl-2-pyrrolidone (9)\r\n"
          "-  tert-Dodecanethiol (0) compatible with Acrylonitrile (15), Diiodecyl phthalate (34), Methyl "
          "Ethyl Ketone (18), iso-Nonyl alcohol (20), Perchloroethylene (36), iso-Propyl alcohol (20), Tall "
          "oil, crude\r\n"
          "-  Oleum (0) compatible with Hexane (31), Dichlorometane (36) and Perchloroethlene (36)\r\n"
          "-  Sodium dichromate, 70% (0) compatible with Methyl alcohol (20)\r\n"
          "\r\n"
          "-  Acetone Cyanohydrin (0) is not compatible with Groups 1-12,16,17 and 22\r\n"
          "-  Alkylbenzenesulfonic Acid (0) is not compatible with Groups 1-3, 5-9, 15, 16, 18, 19, 30, 34, "
          "37 and strong oxidizers\r\n"
          "-  Benzenesulfonyl Chloride (0) is not compatible with Groups 5-7 and 43\r\n"
          "-  Gamma-Butyrolactone (0) is not compatible with Groups 1-9\r\n"
          "-  2,4-Dichlorophenoxyacetic acid, Dimethylamine salt solution (0) is not compatible with Groups "
          "1-5, 11, 12, and 16.\r\n"
          "-  Dodecylbenzenesulfonic Acid (0) is not compatible with oxidizing agents and Groups 1, 2, 3, 5, "
          "6, 7, 8, 9, 15, 16, 18, 19, 30, 34 and 37\r\n"
          "-  Magneium chloride solution (0) is not compatible with Groups 2, 3, 5, 6 and 12\r\n"
          "-  NIAX POLYOL APP 240C (0) is not compatible with Groups 2, 3, 5, 7, or 12\r\n"
          "-  O-Nitrophenol (0) is not compatible with Groups 2,3 and 5-10\r\n"
          "-  Oleum (0) is not compatible with Sulfuric Acid (2) and 1,1,1-Trichloroethane (36)\r\n"
          "-  Phthalate based polyester polyol (0) is not compatible with Groups 2, 3, 5, 7 and 12\r\n"
          "-  Sodium Chlorate Solution (50% or less) (0) is not compatible with Groups 1-3,5,7,8,10,12,13,17 "
          "and 20\r\n"
          "-  Sodium Dichromate Solution (70% or less)is not compatible with Groups 1-3,5,7,8,10,12,13,17 "
          "and 20\r\n"
          "-  Sodium Hydrogen Sulfide, Sodium Carbonate Solution (0) is not compatible with Groups 6 "
          "(Ammonia) and 7 (Aliphatic amines)\r\n"
          "-  Sodium Sulfide, Hydrosulfide Solution (0) is not compatible with Groups 6 (Ammonia) and 7 "
          "(Aliphatic amines)\r\n"
          "-  Sodium Thriocyanate (56% or less) (0) is not compatible with Groups 1-4"},
    {"2", "-  Sulfuric Acid (2) is compatible with Coconut Oil (34), Coconut Oil Acid (34), Palm Oil (34), "
          "Tallow (34)\r\n"
          "-  Sulfuric Acid, 98% or less (2) is compatible with Choice White Grease Tallow (34)\r\n"
          "\r\n"
          "-  Sulfuric Acid (2) is not compatible with Fish Oil (34), or Oleum (0)"},
    {"4", "-  Acrylic Acid (4) is not compatible with Group 9, Aromatic Amines\r\n"
          "-  Formic Acid (4) is not compatible with Furfural Alcohol (20)"},
    {"5",
     "-  Caustic Potash, 50% or less (5) is compatible with Isobutyl Alcohol (20), Ethyl Alcohol (20), "
     "Ethylene Glycol (20), Isopropyl Alcohol (20), Methyl Alcohol (20), iso-Octyl Alcohol (20)\r\n"
     "-  Caustic Soda, 50% or less (5) is compatible with Butyl Alcohol (20), tert-Butyl Alcohol, Methanol "
     "Mixtures, Decyl Alcohol (20), iso-Decyl Alcohol (20), Diacetone Alcohol (20), Diethylene Glycol (40), "
     "Dodecyl Alcohol (20), Ethyl Alcohol (20), Ethyl Alcohol (40%, whiskey) (20), Ethylene Glycol (20), "
     "Ethylene Glycol, Diethylene Gylcol Mixture (20), Ethyl Hexanol (Octyl Alcohol) (20), Methyl Alcohol "
     "(20), Nonyl Alcohol (20), iso-Nonyl Alcohol (20), Propyl Alcohol (20), iso-Propyl Alcohol (20), "
     "Propylene Glycol (20), Sodium Chlorate solution (0), iso-Tridecanol (20)\r\n"
     "-  Sodium hydrosulfide solution (5) is compatible with Methyl Alcohol (20), iso-Propyl Alcohol (20)\r\n"
     "\r\n"
     "-  Caustic Soda solution 50% or less (5) is not compatible with 1,4-Butylene Glycol (20)\r\n"
     "-  Sodium Hydrosulfide (5) is not compatible with Groups 6 (Ammonia) and 7 (Aliphatic amines)\r\n"
     "-  Sodium Hydrosulfide, Ammonium Sulfide Solution (5) is not compatible with Groups 6 (Ammonia) and 7 "
     "(Aliphatic amines)"},
    {"7",
     "-  Dodecyl and Tetradecylamine Mixture (7) is compatible with Tall Oil, Fatty Acid (34)\r\n"
     "-  Ethylenediamine (7) is compatible with Butyl Alcohol (20), tert-Butyl Alcohol (20), Butylene Glycol "
     "(20), Creosote (21), Diethylene Glycol (40), Ethyl Alcohol (20), Ethylene Glycol (20), Ethyl Hexanol "
     "(20), Glycerine (20), Isononyl Alcohol (20), Isophorone (18), Methyl Butyl Ketone (18), Methyl "
     "iso-Butyl Ketone (18), Methyl Ethyl Ketone (18), Propyl Alcohol (20), Propylene Glycol (20)\r\n"
     "\r\n"
     "-  Diethylenetriamine (7) is not compatible with 1,2,3-Trichloropropane, Group 36, Halogenated "
     "hydrocarbons.\r\n"
     "-  Ethylenediamine (7) and Ethylenediamine EA 1702 (7) are not compatible with Ethylene Dichloride "
     "(36) or 1,2,3-Trichloropropane (36)\r\n"
     "-  Tetraethylenepentamine (7) is not compatible with Carbon Tetrachloride, Group 36, Halogenated "
     "hydrocarbons.\r\n"
     "-  Triethylenetetramine (7) is not compatible with Carbon Tetrachloride, or 1,2,3-Trichloropropane, "
     "both Group 36, Halogenated hydrocarbons."},
    {"14", "2-Hydroxyethyl Acrylate (14) is not compatible with Group 5, 6, or 12"},
    {"15", "Acrylonitrile (15) is compatible with Triethanolamine (8)\r\n"
           "\r\n"
           "-  Allyl Alcohol (15) is not compatible with Group 12, Isocyanates\r\n"
           "-  Acrylonitrile (15) is not compatible with Group 5, (Caustics)\r\n"
           "-  Methacrylonitrile (15) is not compatible with Group Group 5, (Caustics)"},
    {"18", "-  Acetone (18) is compatible with Diethylenetriamine (7)\r\n"
           "\r\n"
           "-  1-(4-Chlorophenyl)-4,4-dimethyl pentan-3-one (18) is not compatible with Group 5 (Caustics) "
           "or 10 (Amides)\r\n"
           "-  Cyclohexanone, Cyclohexanol Mixture (18) is not compatible with Group 12, Isocanates\r\n"
           "-  Isophorone (18) is not compatible with Group 8, Alkanolamines\r\n"
           "-  Mesityl Oxide (18) is not compatible with Group 8, Alkanolamines"},
    {"19", "-  Acrolein (19) is not compatible with Group 1, Non-Oxidizing Mineral Acids\r\n"
           "-  Crotonaldehyde (19) is not compatible with Group 1, Non-Oxidizing Mineral Acids\r\n"
           "-  2-Ethyl-3-Propylacrolein (19) is not compatible with Group 1, Non-Oxidizing Mineral Acids\r\n"
           "-  Formaldehyde (over 50%) in Methyl Alcohol (over 30%) (19) is not compatible with Group 12, "
           "Isocyanates"},
    {"20", "-  1,3-Butylene Glycol (20) is compatible with Morpholine (7)\r\n"
           "-  1,4-Butylene Glycol (20) is compatible with Ethylamine (7) and Triethanolamine (8)\r\n"
           "-  1,2-Propylene Glycol (20) is compatible with Diethylenetriamine (7), Polyethylene Polyamines "
           "(7), Triethylenetetramine (7)\r\n"
           "\r\n"
           "-  1,4-Butylene Glycol (20) is not compatible with Caustic Soda solution, 50% or less (5)\r\n"
           "-  Furfuryl Alcohol (20) is not compatible with Group 1, Non-Oxidizing Mineral Acids and Formic "
           "Acid (4)\r\n"
           "-  Polyglycerine, Sodium salts solution (20) is not compatible with Groups 1, 4, 11, 16, 17, 19, "
           "21 and 22"},
    {"30", "-  Ethylidene Norbornene (30) is not compatible with Groups 1-3 and 5-8\r\n"
           "-  Propylene, Propane, MAPP gas mixture (containing 12% or less MAPP gas) (30) is not compatible "
           "with Group 1 (Non-oxidizing mineral acids), Group 36 (Halogenated hydrocarbons), Nitrogen "
           "Dioxide, oxidizing materials or Molten Sulfur"},
    {"32", "-  C9 Resinfeed (DSM) (32) is not compatible with Group 2, Sulphuric Acid."},
    {"34",
     "-  Alkyl (C7-C9) nitrates (34) is not compatible with Group 1 (Non-oxidizing Mineral Acids)\r\n"
     "-  Dimethyl Hydrogen Phosphite (34) is not compatible with Groups 1 and 4\r\n"
     "-  Dimethyl Napthalene Sulfonic Acid, Sodium Salt Solution (34) is not compatible with Group 12, "
     "Formaldehyde, and Strong Oxidizing Agents\r\n"
     "-  Fish Oil (34) is not compatible with Sulfuric Acid (2)\r\n"
     "-  Sodium Acetate, Glycol, Water mixture (1% or less Sodium Hydroxide) (34) is not compatible with "
     "Group 12 (Isocyanates)\r\n"
     "-  Octyl Nitrates (all isomers), see Alkyl (C7-C9) nitrates.\r\n"
     "-  Sodium Dimethyl Naphthalene Sulfonate Solution (34) is not compatible with Group 12, Formaldehyde, "
     "and Strong Oxidizing Agents\r\n"
     "-  Tall Oil Fatty Acid (Resin acids less than 20%) (34) is not compatible with Group 5, Caustics\r\n"
     "-  Tallow Fatty Acid (34) is not compatible with Group 5, Caustics\r\n"
     "-  Triethyl Phosphite (34) is not compatible with Groups 1 and 4\r\n"
     "-  Trimethyl Phosphite (34) is not compatible with Groups 1 and 4"},
    {"36",
     "-  Carbon Tetrachloride (36) is not compatible with Tetraethylenepentamine or Triethylenetetramine, "
     "both Group 7, Aliphatic Amines\r\n"
     "-  Catoxid Feedtock (36) is not compatible with Group 1, 2, 3, 4, 5 or 12\r\n"
     "-  Ethlene Dichloride (36) is not compatible with Ethylenediamine (7) or Ethyleneamine EA 1302 (7)\r\n"
     "-  1,2,3-Trichloropropane (36) is not compatible with Diethylenetriamine, Ethylenediamine, "
     "Ethyleneamine EA 1302, or Triethylenetetramine, all Group 7, Aliphatic Amines\r\n"
     "-  1,1,1-Trichloroethane (36) is not compatible with Oleum (0)\r\n"
     "-  Trichloroethylene (36) is not compatible with Group 5, Caustics"},
    {"41", "-  Ethyl Tert-Butyl Ether (41) is not compatible with Group 1, Non-Oxidizing Mineral Acids\r\n"
           "-  Methyl Tert-Butyl Ether (41) is not compatible with Group 1, Non-Oxidizing Mineral Acids\r\n"
           "-  1,3,5-Trioxane (41) is not compatible with Group 1 (Non-Oxidizing Mineral Acids) and Group 4 "
           "(Organic Acids)"},
    {"43", "-  Aluminum Sulfate Solution (43) is not compatible with Groups 5-11\r\n"
           "-  Ammonium Bisulfite Solution (43) is not compatible with Groups 1, 3, 4 and 5\r\n"
           "-  2,4-Dichlorophenoxyacetic Acid, Triisopropanolamine Salt Solution (43) is not compatible with "
           "Group 3, Nitric Acid\r\n"
           "-  Ferric Hydroxethylethylenediamine Triacetic Acid, Sodium Salt Sollution (43) is not "
           "compatible with Group 3, Nitric Acid\r\n"
           "-  Sodium Polyacrlate Solution (43) is not compatible with Group 3, Nitric Acid\r\n"
           "-  Sodium Silicate Solution (43) is not compatible with Group 3, Nitric Acid\r\n"
           "-  Sulfonated Polyacrylate Solution (43) is not compatible with Group 5 (Caustics)"},
};

// The names of the USCG compatibility groups as the chart labels them.
inline const QMap<int, QString> PublishedGroupNames{
    {1, QStringLiteral("NON OXIDIZING MINERAL ACIDS")},
    {2, QStringLiteral("SULFURIC ACID")},
    {3, QStringLiteral("NITRIC ACID")},
    {4, QStringLiteral("ORGANIC ACIDS")},
    {5, QStringLiteral("CAUSTICS")},
    {6, QStringLiteral("AMMONIA")},
    {7, QStringLiteral("ALIPHATIC AMINES")},
    {8, QStringLiteral("ALKANOL AMINES")},
    {9, QStringLiteral("AROMATIC AMINES")},
    {10, QStringLiteral("AMIDES")},
    {11, QStringLiteral("ORGANIC ANHYDRIDES")},
    {12, QStringLiteral("ISOCYANATES")},
    {13, QStringLiteral("VINYL ACETATE")},
    {14, QStringLiteral("ACRYLATES")},
    {15, QStringLiteral("SUBSTITUTED ALLYLS")},
    {16, QStringLiteral("ALKYLENE OXIDES")},
    {17, QStringLiteral("EPICHLOROHYDRIN")},
    {18, QStringLiteral("KETONES")},
    {19, QStringLiteral("ALDEHYDES")},
    {20, QStringLiteral("ALCOHOLS, GLYCOLS")},
    {21, QStringLiteral("PHENOLS, CRESOLS")},
    {22, QStringLiteral("CAPROLACTAM SOLUTION")},
    {30, QStringLiteral("OLEFINS")},
    {31, QStringLiteral("PARAFFINS")},
    {32, QStringLiteral("AROMATIC HYDROCARBON MIXTURES")},
    {33, QStringLiteral("MISCELLANEOUS  HYDROCARBON MIXTURES")},
    {34, QStringLiteral("ESTERS")},
    {35, QStringLiteral("VINYL HALIDES")},
    {36, QStringLiteral("HALOGENATED HYDROCARBONS")},
    {37, QStringLiteral("NITRILES")},
    {38, QStringLiteral("CARBON DISULFIDE")},
    {39, QStringLiteral("SULFOLANE")},
    {40, QStringLiteral("GLYCOL ETHERS")},
    {41, QStringLiteral("ETHERS")},
    {42, QStringLiteral("NITROCOMPOUNDS")},
    {43, QStringLiteral("MISCELANEOUS WATER SOLUTIONS")},
};
