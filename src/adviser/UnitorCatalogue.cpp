#include "adviser/UnitorCatalogue.h"

namespace UnitorCatalogue {

namespace {

// No topic: a group that the entry does not offer.
constexpr int None = 0;

Entry named(std::initializer_list<const char*> names)
{
    Entry entry;
    for (const char* name : names)
        entry.names << QLatin1String(name);
    return entry;
}

Entry direct(std::initializer_list<const char*> names, int topic)
{
    Entry entry = named(names);
    entry.topic = topic;
    return entry;
}

Entry byGroup(std::initializer_list<const char*> names, std::array<int, 7> groupTopics)
{
    Entry entry = named(names);
    entry.groupTopics = groupTopics;
    return entry;
}

} // namespace

QString Entry::offeredGroups() const
{
    QString groups;
    for (int group = 0; group < LoadingGroups.size(); ++group) {
        if (groupTopics[group] != None)
            groups += LoadingGroups.at(group);
    }
    return groups;
}

const QList<Entry>& entries()
{
    // In the manual's order; the topics run from 1001 to 1099, then from 2000 to 2078.
    static const QList<Entry> all{
        direct({"ACETALDEHYDE"}, 1001),
        byGroup({"ACETIC ACID"}, {1002, 1003, 1002, 1002, 1002, 1002, 1002}),
        direct({"ACETIC ANHYDRIDE"}, 1004),
        direct({"ACETONE"}, 1005),
        direct({"ACETONITRILE"}, 1006),
        direct({"ACRYLIC ACID"}, 1007),
        direct({"ACRYLONITRILE"}, 1008),
        direct({"METHYL STYRENE-A"}, 1009),
        direct({"ALLYL ALCOHOL"}, 1010),
        direct({"ALLYL CHLORIDE"}, 1011),
        direct({"AMINOETHYLETHANOLAMINE"}, 1012),
        // The operator's cargo list writes this cargo without its strength; both names find its topic.
        direct({"AMMONIUM HYDROXIDE 28%", "AMMONIUM HYDROXIDE"}, 1013),
        direct({"AMYL ALCOHOL, P", "AMYL ALCOHOL-N"}, 1014),
        direct({"ASPHALT"}, 1015),
        byGroup({"BENZENE"}, {1017, 1017, 1016, 1016, 1016, 1016, 1016}),
        byGroup({"BUTYL ALCOHOL-N", "BUTYL ALCOHOL-T"}, {1018, 1018, 1019, 1019, 1018, 1018, 1018}),
        byGroup({"BUTYL ACETATE-N"}, {1020, 1020, 1021, 1021, 1020, 1020, 1020}),
        direct({"BUTYL ACRYLATE-N"}, 1022),
        direct({"CAPROLACTAM PURE", "CAPROLACTAM SOLUTION"}, 1023),
        direct({"CARBON TETRACHLORIDE"}, 1024),
        direct({"CAUSTIC SODA 50%", "CAUSTIC SODA 70%"}, 1025),
        byGroup({"CHLOROFORM"}, {1026, 1026, 1027, 1026, 1026, 1026, 1026}),
        direct({"COCONUT OIL", "COCONUT OIL RBD", "COCONUT OIL, COCHIN", "COCONUT OIL, DEGUMMED"}, 1028),
        direct({"COTTONSEED OIL"}, 1029),
        direct({"CREOSOTE"}, 1030),
        byGroup({"CRUDE OIL"}, {1031, 1031, None, None, 1031, 1031, 1031}),
        direct({"CUMENE", "CUMENE-M", "CUMENE-O", "CUMENE-P"}, 1032),
        direct({"CYCLOHEXANE"}, 1033),
        byGroup({"CYCLOHEXANOL"}, {1035, 1034, 1035, 1035, 1034, 1034, 1034}),
        direct({"CYCLOHEXANONE"}, 1036),
        direct({"DIBUTYL PHTHALATE"}, 1037),
        byGroup({"DICHLOROPENTANE-MX"}, {1038, 1038, 1039, 1038, 1038, 1038, 1038}),
        direct({"DICYCLOPENTADIENE"}, 1040),
        direct({"DIETHANOLAMINE"}, 1041),
        direct({"DIETHYLENE GLYCOL"}, 1042),
        direct({"DIETHYLENE TRIAMINE"}, 1043),
        direct({"DIISOBUTYL KETONE"}, 1044),
        direct({"DIISOOCTYL PHTHALATE"}, 1045),
        byGroup({"DIPENTENE"}, {1046, 1046, 1047, 1046, 1046, 1046, 1046}),
        direct({"DIPROPYLENE GLYCOL"}, 1048),
        direct({"DODECYLBENZENE"}, 1049),
        direct({"EPICHLOROHYDRIN"}, 1050),
        direct({"ETHANOL BY PRODUCT"}, 1051),
        byGroup({"ETHYL ACETATE"}, {1053, 1052, 1053, 1053, 1052, 1052, 1052}),
        direct({"ETHYL ACRYLATE-M"}, 1054),
        direct({"ETHYL BENZENE"}, 1055),
        direct({"ETHYL CHLORIDE"}, 1056),
        direct({"ETHYLENE DIAMINE"}, 1057),
        direct({"ETHYLENE DIBROMIDE"}, 1058),
        direct({"ETHYLENE DICHLORIDE"}, 1059),
        byGroup({"FATTY ACID C-1095", "FATTY ACID C-895", "FATTY ACID MIXED", "FATTY ACID SYNTHETIC",
                 "FATTY ALCOHOL C-12/14", "FATTY ALCOHOL C-16/18", "FATTY ALCOHOL C-18",
                 "FATTY ALCOHOL C-6/10"},
                {1061, 1060, 1061, 1061, 1060, 1060, 1060}),
        direct({"FISH OIL", "FISH OIL SEMIREFINED", "FISH OIL SOLUBLES", "FISH OIL, CRUDE"}, 1062),
        direct({"FORMALDEHYDE <45%"}, 1063),
        byGroup({"FUEL OIL #3", "FUEL OIL #4", "FUEL OIL #5", "FUEL OIL #6", "FUEL OIL RESIDUAL",
                 "FUEL OIL ROAD", "FUEL OIL TRANSFORMER"},
                {1064, 1064, None, None, 1064, 1064, 1064}),
        direct({"FURFURAL"}, 1065),
        direct({"FURFURYL ALCOHOL"}, 1066),
        byGroup({"GASOIL LIGHT"}, {1067, 1067, 1067, 1067, 1068, 1068, 1068}),
        byGroup({"GASOLINE ADDITIVE TBA", "GASOLINE ALKYLATES", "GASOLINE AVATN 100/130",
                 "GASOLINE AVATN 115/145", "GASOLINE AVATN 91/98", "GASOLINE CHINA", "GASOLINE HYDRO-CRACATE",
                 "GASOLINE PREMIER 93", "GASOLINE REFORMATE", "GASOLINE REGULAR 81", "GASOLINE SKY CHIEF",
                 "GASOLINE SUPER UNLEAD", "BENZENE"},
                {1069, 1069, 1069, 1069, 1070, 1070, 1070}),
        direct({"GASOLINE, LEADED"}, 1071),
        direct({"GLUTAR ALDEHYDE"}, 1072),
        direct({"GLYCERINE"}, 1073),
        direct({"GREASE A WHITE", "GREASE B WHITE", "GREASE BROWN", "GREASE CH WHITE (HOG)",
                "GREASE CH WHITE (NAH)", "GREASE FLESHING #1", "GREASE FLESHING #2", "GREASE HORSE #1",
                "GREASE PIGSKIN #1", "GREASE YELLOW"},
               1074),
        direct({"GROUND NUT OIL"}, 1075),
        direct({"ALKYLATE"}, 1076),
        direct({"NAPHTHA, HEAVY AROMATIC"}, 1077),
        direct({"HEPTANE STANDARD"}, 1078),
        direct({"HEXANE (EXXON)", "HEXANE-N"}, 1079),
        direct({"HEXYLENE GLYCOL"}, 1080),
        direct({"HYDROXYETH ACRYLATE"}, 1081),
        direct({"ISOBUTYL ACETATE"}, 1082),
        direct({"ISOBUTYL ALCOHOL"}, 1083),
        direct({"ISODECANOL"}, 1084),
        direct({"ISODODECANE"}, 1085),
        direct({"ISOPHORONE", "ISOPHORONE 50 AND 1", "ISOPHORONE DIAMINE"}, 1086),
        direct({"ISOPRENE"}, 1087),
        direct({"ISOPROPYL ACETATE"}, 1088),
        direct({"ISOPROPYL ALCOHOL"}, 1089),
        direct({"ISOPROPYL ETHER"}, 1090),
        byGroup({"JET FUEL JP-1", "JET FUEL JP-3", "JET FUEL JP-4", "JET FUEL JP-5", "JETFUEL A"},
                {1091, 1092, 1091, 1091, 1091, 1091, 1091}),
        byGroup({"KEROSENE", "KEROSENE INTERIOR"}, {1093, 1094, 1093, 1093, 1093, 1093, 1093}),
        direct({"LARD"}, 1095),
        direct({"LATEX NATURAL", "LATEX SYNTHETIC", "LATEX SYNTHETIC 39/41%", "LATEX SYNTHETIC 44/50%",
                "LATEX SYNTHETIC 50%", "LATEX SYNTHETIC 5356", "LATEX SYNTHETIC BAYER",
                "LATEX SYNTHETIC D-699", "LATEX SYNTHETIC DL620", "LATEX SYNTHETIC DL692"},
               1096),
        byGroup({"LINSEED OIL"}, {1098, 1098, 1097, 1097, 1097, 1097, 1098}),
        direct({"MENHADEN OIL"}, 1099),
        direct({"MESITYL OXIDE"}, 2000),
        direct({"METHYL ALCOHOL"}, 2001),
        direct({"METHYL ACETATE"}, 2002),
        direct({"METHYL AMYL ACETATE"}, 2003),
        direct({"METHYL AMYL ALCOHOL"}, 2004),
        direct({"METHYL ETHYL KETONE"}, 2005),
        direct({"METHYL ETHYLPYRIDINE"}, 2006),
        direct({"METHYL ISOBUTYL KETONE"}, 2007),
        direct({"METHYL METHACRYLT MONO"}, 2008),
        direct({"METHYL STYRENE-A"}, 2009),
        direct({"MOLASSES"}, 2010),
        direct({"ETHANOLAMINE-M"}, 2011),
        direct({"ETHYLENE GLYCOL"}, 2012),
        direct({"NAPHTHALENE LIQUID", "NAPHTHALENE OIL"}, 2013),
        direct({"NAPHTHENIC ACID REF", "NAPHTHENIC ACID, CR"}, 2014),
        direct({"NEODOL 23-3", "NEODOL 23-6.5", "NEODOL 25", "NEODOL 25-3", "NEODOL 25-6.5", "NEODOL 91-6"},
               2015),
        direct({"NIAX POLYOL APP 240C", "NIAX POLYOL E-608", "NIAX POLYOL E-609", "NIAX POLYOL HS-100",
                "NIAX-POLYOL 14-46", "NIAX-POLYOL 16-46", "NIAX-POLYOL 16-56", "NIAX-POLYOL 31-45",
                "NIAX-POLYOL 34-28", "NIAX-POLYOL 34-28 LD", "NIAX-POLYOL 34-45", "NIAX-POLYOL BE-375",
                "NIAX-POLYOL LG-56 ONE", "NIAX-POLYOL LG-56 REG", "NIAX-POLYOL LS-490",
                "NIAX-POLYOL PPG-1025", "NIAX-POLYOL PPG-2025", "NIAX-POLYOL PPG-425"},
               2016),
        direct({"NONANOL-ISO"}, 2017),
        byGroup({"NONENE-1"}, {2018, 2019, 2018, 2019, 2018, 2018, 2018}),
        byGroup({"OCTANE"}, {2020, 2021, 2020, 2021, 2020, 2020, 2020}),
        direct({"OCTANOL-1-N"}, 2022),
        direct({"PALM KERNEL OIL", "PALM KERNEL OIL RBD"}, 2023),
        direct({"PALM OIL CRUDE", "PALM OIL FULL REFINED", "PALM OIL HARD FRACTION", "PALM OIL NF",
                "PALM OIL RB", "PALM OIL RBD", "PALM OIL RD", "PALM OIL REFINED", "PALM OIL SEMI-REFINED",
                "PALM OIL SLUDGE", "PALM OIL SP PR BLEACHD", "PALM OIL SPB"},
               2024),
        direct({"CRESOL-P"}, 2025),
        direct({"PARAFFIN CHLORINATED", "PARAFFIN NAPHTHA", "PARAFFIN NORMAL", "PARAFFIN WAX",
                "PARAFFIN WAX, REFINED"},
               2026),
        direct({"PARALDEHYDE"}, 2027),
        direct({"XYLENE-P"}, 2028),
        byGroup({"PEANUT OIL CRUDE"}, {2029, 2029, 2029, 2029, 2030, 2030, 2030}),
        direct({"PHENOL"}, 2031),
        direct({"PHOSPHORIC ACID"}, 2032),
        direct({"PINE OIL"}, 2033),
        direct({"PROPIONIC ACID"}, 2034),
        direct({"PROPYLENE GLYCOL-1,2"}, 2035),
        direct({"PROPYLENE OXIDE"}, 2036),
        byGroup({"PROPYLENE TETRAMER"}, {2038, 2038, 2037, 2037, 2037, 2037, 2037}),
        direct({"PYRIDINE", "PYRIDINE BASES"}, 2039),
        direct({"RAPESEED OIL"}, 2040),
        direct({"RESIN PLASTICIZER HB40"}, 2041),
        direct({"SAFFLOWER OIL"}, 2042),
        direct({"BUTYL ALCOHOL-S"}, 2043),
        direct({"SOAPSTOCKS, COCO", "SOAPSTOCKS, COTTONSEED", "SOAPSTOCKS, MIXED", "SOAPSTOCKS, PALM",
                "SOAPSTOCKS, PKO", "SOAPSTOCKS, SOYBEAN", "SOAPSTOCKS, TALLOW"},
               2044),
        direct({"NAPHTHA, AROMTC CTRX47", "NAPHTHA, HAN, SAS 269", "NAPHTHA, HIGH AROMATIC",
                "NAPHTHA, PETROLIUM", "NAPHTHA, STEAMD CRACKD"},
               2045),
        direct({"SOYBEAN OIL"}, 2046),
        direct({"SPERM OIL C&R", "SPERM OIL RESIDUE"}, 2047),
        direct({"STYRENE MONOMER"}, 2048),
        direct({"SULFURIC ACID 100%", "SULFURIC ACID 65%", "SULFURIC ACID 75%", "SULFURIC ACID 88/92%",
                "SULFURIC ACID 93%", "SULFURIC ACID 95%", "SULFURIC ACID 95/99%", "SULFURIC ACID 96%",
                "SULFURIC ACID 96-98", "SULFURIC ACID 98%", "SULFURIC ACID 99-98.5", "SULFURIC ACID 99-99.5"},
               2049),
        direct({"SUNFLOWER OIL"}, 2050),
        direct({"SUNTHENE 410", "SUNTHENE 4240", "SUNTHENE 450"}, 2051),
        direct({"SURFONIC L24-2", "SURFONIC N-95"}, 2052),
        direct({"LATEX SYNTHETIC", "LATEX SYNTHETIC 39/41%", "LATEX SYNTHETIC 44/50%", "LATEX SYNTHETIC 50%",
                "LATEX SYNTHETIC 5356", "LATEX SYNTHETIC BAYER", "LATEX SYNTHETIC D-699",
                "LATEX SYNTHETIC DL620", "LATEX SYNTHETIC DL692"},
               2053),
        direct({"TALL OIL CRUDE"}, 2054),
        direct({"TALLOW", "TALLOW EDIBLE"}, 2055),
        direct({"TETROHYDROFURAN"}, 2056),
        direct({"TETROHYDRONAPHTHALENE"}, 2057),
        direct({"TEXANOL CHEMICAL", "TEXANOL ISOBUTYRATE"}, 2058),
        direct({"TOLUENE"}, 2059),
        direct({"TOLUENE DIISOCYANATE"}, 2060),
        byGroup({"TRICHLOROETHANE-1,1,1"}, {2061, 2061, 2062, 2061, 2061, 2061, 2061}),
        byGroup({"TRICHLOROETHYLENE"}, {2063, 2063, 2064, 2063, 2063, 2063, 2063}),
        direct({"TRIETHANOLAMINE", "TRIETHANOLAMINE HP"}, 2065),
        direct({"TRIETHYLENE GLYCOL"}, 2066),
        direct({"TRIETHYLENETETRAMINE"}, 2067),
        direct({"TRIPROPYLENE GLYCOL"}, 2068),
        direct({"TUNG OIL"}, 2069),
        direct({"TURPENTINE"}, 2070),
        direct({"VINYL ACETATE"}, 2071),
        direct({"VINYL CHLORIDE"}, 2072),
        direct({"VINYL TOLUENE"}, 2073),
        direct({"VORANOL 2100", "VORANOL 2120", "VORANOL 3010", "VORANOL 3022", "VORANOL 3022J",
                "VORANOL 3040", "VORANOL 3137", "VORANOL 3140", "VORANOL 3332", "VORANOL 3741",
                "VORANOL 3810", "VORANOL 3935", "VORANOL 3940", "VORANOL 4100-S", "VORANOL 4701",
                "VORANOL 4703", "VORANOL CP 3322", "VORANOL XAS 10952-01"},
               2074),
        direct({"WHALE OIL"}, 2075),
        byGroup({"WHITE SPIRIT 100/140", "WHITE SPIRIT 80/100", "WHITE SPIRIT SBP", "WHITE SPIRIT, LOW AROM"},
                {2077, 2077, 2076, 2077, 2076, 2076, 2076}),
        direct({"XYLENE-M", "XYLENE-MIXED"}, 2078),
    };
    return all;
}

Advice adviceFor(const QString& previousCargo)
{
    Advice advice;
    QString offered;
    for (const Entry& entry : entries()) {
        if (!entry.names.contains(previousCargo))
            continue;
        if (entry.isGroupEntry())
            offered += entry.offeredGroups();
        else
            advice.topics << entry.topic;
    }
    for (QChar group : LoadingGroups) {
        if (offered.contains(group))
            advice.groups += group;
    }
    return advice;
}

QList<int> topicsFor(const QString& previousCargo, QChar group)
{
    const qsizetype index = LoadingGroups.indexOf(group);
    QList<int> topics;
    if (index < 0)
        return topics;
    for (const Entry& entry : entries()) {
        if (entry.isGroupEntry() && entry.groupTopics[index] != None && entry.names.contains(previousCargo))
            topics << entry.groupTopics[index];
    }
    return topics;
}

QStringList cargoNames()
{
    QStringList names;
    for (const Entry& entry : entries())
        names << entry.names;
    names.removeDuplicates();
    return names;
}

} // namespace UnitorCatalogue
