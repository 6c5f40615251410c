#include "adviser/Vocabulary.h"

#include <QHash>
#include <QStringList>

namespace {

QString joined(const QStringList& lines)
{
    return lines.join(QLatin1String("\r\n"));
}

using TextTable = QHash<QString, QString>;

const TextTable& cleaningGroups()
{
    static const TextTable table{
        {QStringLiteral("1"),
         joined(
             {QStringLiteral("Cargoes listed under this group are completely water soluble or miscible. Some "
                             "are water reactive;"),
              QStringLiteral("however, such reaction will be off an acceptable extent and duration. All of "
                             "the cargoes can be"),
              QStringLiteral("cleaned using only water and all can be considered as good last cargoes.")})},
        {QStringLiteral("2"), joined({QStringLiteral("Cargoes listed under this group are not or are "
                                                     "partially water soluble or miscible. These products"),
                                      QStringLiteral("can be removed by water displacing the product "
                                                     "remaining within the cargo tank, pump and line"),
                                      QStringLiteral("system. The water temperature may have to be adjusted "
                                                     "to displace or evaporate any remaining"),
                                      QStringLiteral("product.")})},
        {QStringLiteral("3"), joined({QStringLiteral("Cargoes listed under this group are not water soluble "
                                                     "and require the use of a emulsifier and/or"),
                                      QStringLiteral("detergent to reduce their surface tension. Frequently "
                                                     "the use of a solvent is needed even after"),
                                      QStringLiteral("the emulsifier and/or detergent (i.e. Tavro B) "
                                                     "cleaning has been completed. Cargoes under this"),
                                      QStringLiteral("group are not considered as good last cargoes.")})},
        {QStringLiteral("4"),
         joined({QStringLiteral("Cargoes listed under this group are not or are only partially water "
                                "soluble. These products are"),
                 QStringLiteral("either inhibited against self reaction or are of the phenol or cresol "
                                "families. These products"),
                 QStringLiteral("present a cleaning problem in that they adversely affect the potassium "
                                "permanganate time test."),
                 QStringLiteral("There are several ways to increase permanganate time; these include the use "
                                "of an oxidizer"),
                 QStringLiteral("(bleach), chlorinated solvent recirculation, and using Tavro X.")})},
        {QStringLiteral("5"),
         joined({QStringLiteral("Cargoes listed under this group are not water soluble and require the use "
                                "of a degreaser and/or"),
                 QStringLiteral("saponifier to alter the composition of residue so that it can be removed. "
                                "Frequently the use of"),
                 QStringLiteral("a solvent is needed after the degreaser and/or saponifier (Tavro C, Caustic "
                                "or LAC) cleaning has"),
                 QStringLiteral(
                     "been completed. Cargoes under this group are not considered as good last cargoes.")})},
        {QStringLiteral("6"), joined({QStringLiteral("Cargoes listed under this group are water reactive. "
                                                     "Consult the appropriate handling manual for the"),
                                      QStringLiteral("particular grade of isocyanate.")})},
        {QStringLiteral("7"),
         joined(
             {QStringLiteral("Cargoes listed under this group are natural and synthetic latex, and are "
                             "cleaned using ambient"),
              QStringLiteral(
                  "temperature fresh water, often followed by solvent cleaning. Refer to latex manual.")})},
    };
    return table;
}

const TextTable& temperatures()
{
    static const TextTable table{
        {QStringLiteral("A"), joined({QStringLiteral("Ambient temperature water or at least 10 degrees "
                                                     "Celsius above the melting point of the cargo.")})},
        {QStringLiteral("B"), joined({QStringLiteral("Warm water (38 to 55 degrees Celsius).")})},
        {QStringLiteral("C"),
         joined({QStringLiteral(
             "Hot water (55 degrees Celsius up to maximum allowed by the tank coating manufacturer).")})},
        {QStringLiteral("D"), joined({QStringLiteral("Ambient water followed by warm water.")})},
        {QStringLiteral("E"), joined({QStringLiteral("Warm water followed by hot water. For vegetable oil "
                                                     "cargoes, warm water is defined as the maximum"),
                                      QStringLiteral("discharge temperature.")})},
        {QStringLiteral("F"),
         joined({QStringLiteral("Ambient water for the first 30-45 minutes followed by hot water.")})},
    };
    return table;
}

// The single notes by number.
const TextTable& singleNotes()
{
    static const TextTable table{
        {QStringLiteral("1"), joined({QStringLiteral("Cargoes such as acids, alkalis and oxidizers may react "
                                                     "with water, produce heat and form a much"),
                                      QStringLiteral("more corrosive solution. To minimize this reaction, "
                                                     "large amounts of water must be introduced as"),
                                      QStringLiteral("quickly as possible. The water should not be allowed "
                                                     "to accumulate in the cargo sump or on the"),
                                      QStringLiteral("tank top.")})},
        {QStringLiteral("2"), joined({QStringLiteral("Consult the sulphuric acid handling manual.")})},
        {QStringLiteral("3"), joined({QStringLiteral("The introduction of water to corrosive cargoes is "
                                                     "against all conventional working practices;"),
                                      QStringLiteral("however, there is no other effective way of "
                                                     "neutralizing the product remaining in the tank,"),
                                      QStringLiteral("pump, line system, etc.")})},
        {QStringLiteral("4"),
         joined(
             {QStringLiteral("The application of hot water to these products will cause the product to "
                             "degrade and may cause"),
              QStringLiteral(
                  "gels to form on the tank surfaces, line system, pump, etc. These gels once formed can be"),
              QStringLiteral("removed by use of a cleaning solvent. Once they have formed, they may alter "
                             "the non-violatile"),
              QStringLiteral("specification of the subsequent cargo.")})},
        {QStringLiteral("5"), joined({QStringLiteral("Cargoes which are crystals in their pure form and are "
                                                     "carried in solutions such as caustic soda"),
                                      QStringLiteral("should be washed with the water temperature "
                                                     "corresponding to, or slightly above, the discharge"),
                                      QStringLiteral("temperature.")})},
        {QStringLiteral("6"),
         joined(
             {QStringLiteral(
                  "Cargoes such as alcohols and ketones do not require extensive machine washing and can be"),
              QStringLiteral("cleaned by positioning a tank cleaning machine close to the pump well and "
                             "giving a short fresh"),
              QStringLiteral("water wash. For coated tanks, it is necessary to consult the manufacturers "
                             "resistance list to"),
              QStringLiteral(
                  "ensure this method will not adversely affect the tank coating. When the coating can be"),
              QStringLiteral("affected, it is still necessary to flush the entire pump/line system with "
                             "fresh water as much"),
              QStringLiteral("as possible to remove any remaining cargo from valves, drain cocks, low points "
                             "on line system,"),
              QStringLiteral("etc.")})},
        {QStringLiteral("7"),
         joined(
             {QStringLiteral("Cargoes such as esters, acetates and halogenated hydrocarbons can form mineral "
                             "or organic"),
              QStringLiteral("acids when mixed with water. To prevent any damage to coated tanks the "
                             "water/slop mast not"),
              QStringLiteral("be allowed to stay in the tank during or after the tank cleaning program.")})},
        {QStringLiteral("8"),
         joined({QStringLiteral("Cargoes belonging to the olefin, phathalate, adiptate, fatty acid and fatty "
                                "alcohol categories"),
                 QStringLiteral("are difficult to clean. When the subsequent cargo requires a high degree "
                                "cleanliness (wall wash),"),
                 QStringLiteral("alternative stowages should be carefully evaluated.")})},
        {QStringLiteral("9"),
         joined({QStringLiteral("After initial water wash the tank, pump and line system need to be "
                                "recirculated with an oxidizer"),
                 QStringLiteral("solution. The selection of suitable oxidizer is dependent upon the tank "
                                "lining. Most common"),
                 QStringLiteral("oxidizers are sodium hydroxide and sodium hypochlorite (bleach).")})},
        {QStringLiteral("10"),
         joined({QStringLiteral(
                     "The temperature of the wash water should not exceed 10-20 degrees Celsius above the"),
                 QStringLiteral("discharge temperature of the product. Higher temperatures can cause the "
                                "product to stick on the"),
                 QStringLiteral("bulkheads.")})},
        {QStringLiteral("11"),
         joined({QStringLiteral(
             "Initial cleaning of the cargo tank, pump and line systems should be with hot fresh water.")})},
        {QStringLiteral("12"),
         joined({QStringLiteral(
                     "When not known otherwise, commence washing with ambient water. Some lube additives"),
                 QStringLiteral("contain organic acids which react with hot water. The introduction of hot "
                                "water can also cause"),
                 QStringLiteral("jells to form on the tank, pump and line systems.")})},
        {QStringLiteral("13"), joined({QStringLiteral("These cargoes may contain dyes which will turn a "
                                                      "methanol wall wash to a pinkish color. It is very"),
                                       QStringLiteral("important that the due is removed prior to loading "
                                                      "subsequent cargo(es), since with time the"),
                                       QStringLiteral("dye is harder to remove. The dye can be removed by "
                                                      "recirculating of an oxidizer solution.")})},
        {QStringLiteral("14"),
         joined({QStringLiteral("Lube oils with low viscosities can be extremely hard to remove, especially "
                                "from inorganic (zinc)"),
                 QStringLiteral("coatings. Generally if the viscosity is less then 100cst and the subsequent "
                                "cargo is of high"),
                 QStringLiteral("specification, it is necessary to toluene float the tank. Obtain the "
                                "viscosity at the load"),
                 QStringLiteral("port to assist in cleaning the tank after discharge.")})},
        {QStringLiteral("15"), joined({QStringLiteral("Heat applied directly or inderectly on these products "
                                                      "can cause polimerization, as such same"),
                                       QStringLiteral("must always be avoided.")})},
        {QStringLiteral("16"), joined({QStringLiteral("Whenever a chlorinated solvent is the last cargo or "
                                                      "used in the cleaning progress and the tank"),
                                       QStringLiteral("coating will not be adversely affected, the tank pump "
                                                      "and line systems must be hot water washed"),
                                       QStringLiteral("for a minimum of two hours after taking necessary "
                                                      "precautions (alcohol flushing, ventilation,"),
                                       QStringLiteral("etc.) to protect the coating. ")})},
        {QStringLiteral("17"),
         joined(
             {QStringLiteral("Tank pump and line systems must be initially washed with fresh water only.")})},
        {QStringLiteral("18"), joined({QStringLiteral("These cargoes leave an odor that is very difficult to "
                                                      "remove especially in zinc coated tanks.")})},
        {QStringLiteral("19"), joined({QStringLiteral("The tank must be filled with water prior to any "
                                                      "machine washing. Check with ship operator for"),
                                       QStringLiteral("further cleaning instructions. ")})},
        {QStringLiteral("20"),
         joined({QStringLiteral("The washing must be done with hottest possible wash water and steam should "
                                "be introduced into"),
                 QStringLiteral(
                     "the tank during the washing. Obtain special instructions from the Ship Operator. ")})},
        {QStringLiteral("21"), joined({QStringLiteral("These cargoes can reduce the permanganate time of a "
                                                      "methanol wall wash and require the use"),
                                       QStringLiteral("of an oxidizer in the cleaning progress.")})},
        {QStringLiteral("22"), joined({QStringLiteral("These cargoes are [drying or semi-drying oils] which "
                                                      "require cold (ambient) washing immediately"),
                                       QStringLiteral("after discharging.")})},
        {QStringLiteral("23"), joined({QStringLiteral("Initial wash must be done using cold fresh water.")})},
        {QStringLiteral("24"), joined({QStringLiteral("As the inhibitor used is soluble or slightly soluble "
                                                      "in water, the tank should be washed as soon"),
                                       QStringLiteral("as possible upon completion of discharge. If slops "
                                                      "present a problem, the tank should be washed"),
                                       QStringLiteral("and the slops kept in the tank (provided same will "
                                                      "not adversely effect the tank and/or lining"),
                                       QStringLiteral("e.g., salt water and stainless steel). Another way of "
                                                      "increasing permanganate is to let the tank"),
                                       QStringLiteral("overflow using water for a period of 2-3 days.")})},
    };
    return table;
}

// The seven codes that name two notes: fixed entries, never parsed.
const TextTable& notes()
{
    static const TextTable table = [] {
        TextTable all = singleNotes();
        const QList<std::pair<const char*, std::pair<const char*, const char*>>> pairs{
            {"8,10", {"8", "10"}}, {"9,15", {"9", "15"}}, {"10,22", {"10", "22"}}, {"7,8", {"7", "8"}},
            {"18,8", {"18", "8"}}, {"1,3", {"1", "3"}},   {"8,21", {"8", "21"}},
        };
        for (const auto& [code, parts] : pairs)
            all.insert(QLatin1String(code), singleNotes().value(QLatin1String(parts.first)) +
                                                QLatin1String("\r\n") +
                                                singleNotes().value(QLatin1String(parts.second)));
        return all;
    }();
    return table;
}

std::optional<QString> lookUp(const TextTable& table, const QString& code)
{
    const auto found = table.constFind(code);
    if (found == table.constEnd())
        return std::nullopt;
    return *found;
}

std::optional<QString> lookUp(const QList<Vocabulary::NamedCode>& table, const QString& code)
{
    for (const Vocabulary::NamedCode& entry : table) {
        if (entry.code == code)
            return entry.name;
    }
    return std::nullopt;
}

} // namespace

namespace Vocabulary {

std::optional<QString> cleaningGroupText(const QString& code)
{
    return lookUp(cleaningGroups(), code);
}

QString notCarriedText()
{
    return QStringLiteral(
        "This cargo is not carried on VRKO ships. Cleaning instructions are not available.");
}

QString specialInstructionsText()
{
    return joined(
        {QStringLiteral("There are special cleaning instructions for this grade of cargo."),
         QStringLiteral("Click *Special Cargo Handling* button to get the special cargo information.")});
}

QString contactOperatorText()
{
    return QStringLiteral("Contact ship's operator to obtain a proper cleaning instructions for this cargo");
}

std::optional<QString> temperatureText(const QString& code)
{
    return lookUp(temperatures(), code);
}

std::optional<QString> notesText(const QString& code)
{
    return lookUp(notes(), code);
}

const QList<NamedCode>& imdgClasses()
{
    static const QList<NamedCode> table{
        {QStringLiteral("2.1"), QStringLiteral("Flammable Gases")},
        {QStringLiteral("2.2"), QStringLiteral("Non-flammable, Non-toxic Gases")},
        {QStringLiteral("2.3"), QStringLiteral("Toxic Gases")},
        {QStringLiteral("3"), QStringLiteral("Flammable Liquids")},
        {QStringLiteral("4.1"),
         QStringLiteral("Flammable Solids, Self-reactive Substances and Desensitized Explosives")},
        {QStringLiteral("4.2"), QStringLiteral("Substances liable to spontaneous combustion")},
        {QStringLiteral("4.3"),
         QStringLiteral("Substances Which, In Contact With Water, Emit Flammable Gases")},
        {QStringLiteral("5.1"), QStringLiteral("Oxidizing Substances")},
        {QStringLiteral("5.2"), QStringLiteral("Organic Peroxides")},
        {QStringLiteral("6.1"), QStringLiteral("Toxic Substances")},
        {QStringLiteral("6.2"), QStringLiteral("Infectious Substances")},
        {QStringLiteral("7"), QStringLiteral("Radioactive Materials")},
        {QStringLiteral("8"), QStringLiteral("Corrosive Substances")},
        {QStringLiteral("9"), QStringLiteral("Miscellaneous Dangerous Substances and Articles")},
    };
    return table;
}

const QList<NamedCode>& uscgGroups()
{
    static const QList<NamedCode> table{
        {QStringLiteral("1"), QStringLiteral("NON OXIDIZING MINERAL ACIDS")},
        {QStringLiteral("2"), QStringLiteral("SULFURIC ACID")},
        {QStringLiteral("3"), QStringLiteral("NITRIC ACID")},
        {QStringLiteral("4"), QStringLiteral("ORGANIC ACIDS")},
        {QStringLiteral("5"), QStringLiteral("CAUSTICS")},
        {QStringLiteral("6"), QStringLiteral("AMMONIA")},
        {QStringLiteral("7"), QStringLiteral("ALIPHATIC AMINES")},
        {QStringLiteral("8"), QStringLiteral("ALKANOL AMINES")},
        {QStringLiteral("9"), QStringLiteral("AROMATIC AMINES")},
        {QStringLiteral("10"), QStringLiteral("AMIDES")},
        {QStringLiteral("11"), QStringLiteral("ORGANIC ANHYDRIDES")},
        {QStringLiteral("12"), QStringLiteral("ISOCYANATES")},
        {QStringLiteral("13"), QStringLiteral("VINYL ACETATE")},
        {QStringLiteral("14"), QStringLiteral("ACRYLATES")},
        {QStringLiteral("15"), QStringLiteral("SUBSTITUTED ALLYLS")},
        {QStringLiteral("16"), QStringLiteral("ALKYLENE OXIDES")},
        {QStringLiteral("17"), QStringLiteral("EPICHLOROHYDRIN")},
        {QStringLiteral("18"), QStringLiteral("KETONES")},
        {QStringLiteral("19"), QStringLiteral("ALDEHYDES")},
        {QStringLiteral("20"), QStringLiteral("ALCOHOLS, GLYCOLS")},
        {QStringLiteral("21"), QStringLiteral("PHENOLS, CRESOLS")},
        {QStringLiteral("22"), QStringLiteral("CAPROLACTAM SOLUTION")},
        {QStringLiteral("30"), QStringLiteral("OLEFINS")},
        {QStringLiteral("31"), QStringLiteral("PARAFFINS")},
        {QStringLiteral("32"), QStringLiteral("AROMATIC HYDROCARBON MIXTURES")},
        {QStringLiteral("33"), QStringLiteral("MISCELLANEOUS  HYDROCARBON MIXTURES")},
        {QStringLiteral("34"), QStringLiteral("ESTERS")},
        {QStringLiteral("35"), QStringLiteral("VINYL HALIDES")},
        {QStringLiteral("36"), QStringLiteral("HALOGENATED HYDROCARBONS")},
        {QStringLiteral("37"), QStringLiteral("NITRILES")},
        {QStringLiteral("38"), QStringLiteral("CARBON DISULFIDE")},
        {QStringLiteral("39"), QStringLiteral("SULFOLANE")},
        {QStringLiteral("40"), QStringLiteral("GLYCOL ETHERS")},
        {QStringLiteral("41"), QStringLiteral("ETHERS")},
        {QStringLiteral("42"), QStringLiteral("NITROCOMPOUNDS")},
        {QStringLiteral("43"), QStringLiteral("MISCELANEOUS WATER SOLUTIONS")},
    };
    return table;
}

std::optional<QString> imdgClassName(const QString& classNumber)
{
    return lookUp(imdgClasses(), classNumber);
}

std::optional<QString> uscgGroupName(const QString& groupNumber)
{
    return lookUp(uscgGroups(), groupNumber);
}

void showDecoded(const QString& code, const std::optional<QString>& text, QString& shown)
{
    if (code.isEmpty())
        shown.clear();
    else if (text)
        shown = *text;
}

void showGroupName(const QString& groupNumber, QString& shown)
{
    if (groupNumber == QLatin1String("0"))
        shown.clear();
    else
        showDecoded(groupNumber, uscgGroupName(groupNumber), shown);
}

} // namespace Vocabulary
