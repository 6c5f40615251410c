#include "adviser/Vocabulary.h"
#include "support/TestMain.h"

#include <QTest>

// The vocabulary as it must read, character for character.
class TestVocabulary : public QObject {
    Q_OBJECT

public:
    enum class Kind { Cleaning, Temperature, Notes, Class, Group };
    Q_ENUM(Kind)

private:
    static std::optional<QString> lookUp(Kind kind, const QString& code)
    {
        switch (kind) {
        case Kind::Cleaning:
            return Vocabulary::cleaningGroupText(code);
        case Kind::Temperature:
            return Vocabulary::temperatureText(code);
        case Kind::Notes:
            return Vocabulary::notesText(code);
        case Kind::Class:
            return Vocabulary::imdgClassName(code);
        case Kind::Group:
            return Vocabulary::uscgGroupName(code);
        }
        return std::nullopt;
    }

private Q_SLOTS:
    void texts_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");

        QTest::newRow("cleaning 1")
            << Kind::Cleaning << QStringLiteral("1")
            << QString::fromUtf8("Cargoes listed under this group are completely water soluble or miscible. "
                                 "Some are water reactive;\r\n"
                                 "however, such reaction will be off an acceptable extent and duration. All "
                                 "of the cargoes can be\r\n"
                                 "cleaned using only water and all can be considered as good last cargoes.");
        QTest::newRow("cleaning 2") << Kind::Cleaning << QStringLiteral("2")
                                    << QString::fromUtf8(
                                           "Cargoes listed under this group are not or are partially water "
                                           "soluble or miscible. These products\r\n"
                                           "can be removed by water displacing the product remaining within "
                                           "the cargo tank, pump and line\r\n"
                                           "system. The water temperature may have to be adjusted to "
                                           "displace or evaporate any remaining\r\n"
                                           "product.");
        QTest::newRow("cleaning 3") << Kind::Cleaning << QStringLiteral("3")
                                    << QString::fromUtf8(
                                           "Cargoes listed under this group are not water soluble and "
                                           "require the use of a emulsifier and/or\r\n"
                                           "detergent to reduce their surface tension. Frequently the use of "
                                           "a solvent is needed even after\r\n"
                                           "the emulsifier and/or detergent (i.e. Tavro B) cleaning has been "
                                           "completed. Cargoes under this\r\n"
                                           "group are not considered as good last cargoes.");
        QTest::newRow("cleaning 4") << Kind::Cleaning << QStringLiteral("4")
                                    << QString::fromUtf8(
                                           "Cargoes listed under this group are not or are only partially "
                                           "water soluble. These products are\r\n"
                                           "either inhibited against self reaction or are of the phenol or "
                                           "cresol families. These products\r\n"
                                           "present a cleaning problem in that they adversely affect the "
                                           "potassium permanganate time test.\r\n"
                                           "There are several ways to increase permanganate time; these "
                                           "include the use of an oxidizer\r\n"
                                           "(bleach), chlorinated solvent recirculation, and using Tavro X.");
        QTest::newRow("cleaning 5")
            << Kind::Cleaning << QStringLiteral("5")
            << QString::fromUtf8(
                   "Cargoes listed under this group are not water soluble and require the use of a degreaser "
                   "and/or\r\n"
                   "saponifier to alter the composition of residue so that it can be removed. Frequently the "
                   "use of\r\n"
                   "a solvent is needed after the degreaser and/or saponifier (Tavro C, Caustic or LAC) "
                   "cleaning has\r\n"
                   "been completed. Cargoes under this group are not considered as good last cargoes.");
        QTest::newRow("cleaning 6") << Kind::Cleaning << QStringLiteral("6")
                                    << QString::fromUtf8(
                                           "Cargoes listed under this group are water reactive. Consult the "
                                           "appropriate handling manual for the\r\n"
                                           "particular grade of isocyanate.");
        QTest::newRow("cleaning 7")
            << Kind::Cleaning << QStringLiteral("7")
            << QString::fromUtf8(
                   "Cargoes listed under this group are natural and synthetic latex, and are cleaned using "
                   "ambient\r\n"
                   "temperature fresh water, often followed by solvent cleaning. Refer to latex manual.");
        QTest::newRow("temperature A")
            << Kind::Temperature << QStringLiteral("A")
            << QString::fromUtf8("Ambient temperature water or at least 10 degrees Celsius above the melting "
                                 "point of the cargo.");
        QTest::newRow("temperature B") << Kind::Temperature << QStringLiteral("B")
                                       << QString::fromUtf8("Warm water (38 to 55 degrees Celsius).");
        QTest::newRow("temperature C")
            << Kind::Temperature << QStringLiteral("C")
            << QString::fromUtf8(
                   "Hot water (55 degrees Celsius up to maximum allowed by the tank coating manufacturer).");
        QTest::newRow("temperature D") << Kind::Temperature << QStringLiteral("D")
                                       << QString::fromUtf8("Ambient water followed by warm water.");
        QTest::newRow("temperature E")
            << Kind::Temperature << QStringLiteral("E")
            << QString::fromUtf8("Warm water followed by hot water. For vegetable oil cargoes, warm water is "
                                 "defined as the maximum\r\n"
                                 "discharge temperature.");
        QTest::newRow("temperature F")
            << Kind::Temperature << QStringLiteral("F")
            << QString::fromUtf8("Ambient water for the first 30-45 minutes followed by hot water.");
        QTest::newRow("notes 1") << Kind::Notes << QStringLiteral("1")
                                 << QString::fromUtf8("Cargoes such as acids, alkalis and oxidizers may "
                                                      "react with water, produce heat and form a much\r\n"
                                                      "more corrosive solution. To minimize this reaction, "
                                                      "large amounts of water must be introduced as\r\n"
                                                      "quickly as possible. The water should not be allowed "
                                                      "to accumulate in the cargo sump or on the\r\n"
                                                      "tank top.");
        QTest::newRow("notes 2") << Kind::Notes << QStringLiteral("2")
                                 << QString::fromUtf8("Consult the sulphuric acid handling manual.");
        QTest::newRow("notes 3") << Kind::Notes << QStringLiteral("3")
                                 << QString::fromUtf8("The introduction of water to corrosive cargoes is "
                                                      "against all conventional working practices;\r\n"
                                                      "however, there is no other effective way of "
                                                      "neutralizing the product remaining in the tank,\r\n"
                                                      "pump, line system, etc.");
        QTest::newRow("notes 4") << Kind::Notes << QStringLiteral("4")
                                 << QString::fromUtf8("The application of hot water to these products will "
                                                      "cause the product to degrade and may cause\r\n"
                                                      "gels to form on the tank surfaces, line system, pump, "
                                                      "etc. These gels once formed can be\r\n"
                                                      "removed by use of a cleaning solvent. Once they have "
                                                      "formed, they may alter the non-violatile\r\n"
                                                      "specification of the subsequent cargo.");
        QTest::newRow("notes 5") << Kind::Notes << QStringLiteral("5")
                                 << QString::fromUtf8("Cargoes which are crystals in their pure form and are "
                                                      "carried in solutions such as caustic soda\r\n"
                                                      "should be washed with the water temperature "
                                                      "corresponding to, or slightly above, the discharge\r\n"
                                                      "temperature.");
        QTest::newRow("notes 6") << Kind::Notes << QStringLiteral("6")
                                 << QString::fromUtf8("Cargoes such as alcohols and ketones do not require "
                                                      "extensive machine washing and can be\r\n"
                                                      "cleaned by positioning a tank cleaning machine close "
                                                      "to the pump well and giving a short fresh\r\n"
                                                      "water wash. For coated tanks, it is necessary to "
                                                      "consult the manufacturers resistance list to\r\n"
                                                      "ensure this method will not adversely affect the tank "
                                                      "coating. When the coating can be\r\n"
                                                      "affected, it is still necessary to flush the entire "
                                                      "pump/line system with fresh water as much\r\n"
                                                      "as possible to remove any remaining cargo from "
                                                      "valves, drain cocks, low points on line system,\r\n"
                                                      "etc.");
        QTest::newRow("notes 7")
            << Kind::Notes << QStringLiteral("7")
            << QString::fromUtf8("Cargoes such as esters, acetates and halogenated hydrocarbons can form "
                                 "mineral or organic\r\n"
                                 "acids when mixed with water. To prevent any damage to coated tanks the "
                                 "water/slop mast not\r\n"
                                 "be allowed to stay in the tank during or after the tank cleaning program.");
        QTest::newRow("notes 8") << Kind::Notes << QStringLiteral("8")
                                 << QString::fromUtf8("Cargoes belonging to the olefin, phathalate, "
                                                      "adiptate, fatty acid and fatty alcohol categories\r\n"
                                                      "are difficult to clean. When the subsequent cargo "
                                                      "requires a high degree cleanliness (wall wash),\r\n"
                                                      "alternative stowages should be carefully evaluated.");
        QTest::newRow("notes 9") << Kind::Notes << QStringLiteral("9")
                                 << QString::fromUtf8(
                                        "After initial water wash the tank, pump and line system need to be "
                                        "recirculated with an oxidizer\r\n"
                                        "solution. The selection of suitable oxidizer is dependent upon the "
                                        "tank lining. Most common\r\n"
                                        "oxidizers are sodium hydroxide and sodium hypochlorite (bleach).");
        QTest::newRow("notes 10")
            << Kind::Notes << QStringLiteral("10")
            << QString::fromUtf8(
                   "The temperature of the wash water should not exceed 10-20 degrees Celsius above the\r\n"
                   "discharge temperature of the product. Higher temperatures can cause the product to stick "
                   "on the\r\n"
                   "bulkheads.");
        QTest::newRow("notes 11") << Kind::Notes << QStringLiteral("11")
                                  << QString::fromUtf8("Initial cleaning of the cargo tank, pump and line "
                                                       "systems should be with hot fresh water.");
        QTest::newRow("notes 12")
            << Kind::Notes << QStringLiteral("12")
            << QString::fromUtf8(
                   "When not known otherwise, commence washing with ambient water. Some lube additives\r\n"
                   "contain organic acids which react with hot water. The introduction of hot water can also "
                   "cause\r\n"
                   "jells to form on the tank, pump and line systems.");
        QTest::newRow("notes 13") << Kind::Notes << QStringLiteral("13")
                                  << QString::fromUtf8("These cargoes may contain dyes which will turn a "
                                                       "methanol wall wash to a pinkish color. It is very\r\n"
                                                       "important that the due is removed prior to loading "
                                                       "subsequent cargo(es), since with time the\r\n"
                                                       "dye is harder to remove. The dye can be removed by "
                                                       "recirculating of an oxidizer solution.");
        QTest::newRow("notes 14") << Kind::Notes << QStringLiteral("14")
                                  << QString::fromUtf8(
                                         "Lube oils with low viscosities can be extremely hard to remove, "
                                         "especially from inorganic (zinc)\r\n"
                                         "coatings. Generally if the viscosity is less then 100cst and the "
                                         "subsequent cargo is of high\r\n"
                                         "specification, it is necessary to toluene float the tank. Obtain "
                                         "the viscosity at the load\r\n"
                                         "port to assist in cleaning the tank after discharge.");
        QTest::newRow("notes 15") << Kind::Notes << QStringLiteral("15")
                                  << QString::fromUtf8("Heat applied directly or inderectly on these "
                                                       "products can cause polimerization, as such same\r\n"
                                                       "must always be avoided.");
        QTest::newRow("notes 16") << Kind::Notes << QStringLiteral("16")
                                  << QString::fromUtf8("Whenever a chlorinated solvent is the last cargo or "
                                                       "used in the cleaning progress and the tank\r\n"
                                                       "coating will not be adversely affected, the tank "
                                                       "pump and line systems must be hot water washed\r\n"
                                                       "for a minimum of two hours after taking necessary "
                                                       "precautions (alcohol flushing, ventilation,\r\n"
                                                       "etc.) to protect the coating. ");
        QTest::newRow("notes 17")
            << Kind::Notes << QStringLiteral("17")
            << QString::fromUtf8(
                   "Tank pump and line systems must be initially washed with fresh water only.");
        QTest::newRow("notes 18") << Kind::Notes << QStringLiteral("18")
                                  << QString::fromUtf8("These cargoes leave an odor that is very difficult "
                                                       "to remove especially in zinc coated tanks.");
        QTest::newRow("notes 19") << Kind::Notes << QStringLiteral("19")
                                  << QString::fromUtf8("The tank must be filled with water prior to any "
                                                       "machine washing. Check with ship operator for\r\n"
                                                       "further cleaning instructions. ");
        QTest::newRow("notes 20")
            << Kind::Notes << QStringLiteral("20")
            << QString::fromUtf8(
                   "The washing must be done with hottest possible wash water and steam should be introduced "
                   "into\r\n"
                   "the tank during the washing. Obtain special instructions from the Ship Operator. ");
        QTest::newRow("notes 21") << Kind::Notes << QStringLiteral("21")
                                  << QString::fromUtf8("These cargoes can reduce the permanganate time of a "
                                                       "methanol wall wash and require the use\r\n"
                                                       "of an oxidizer in the cleaning progress.");
        QTest::newRow("notes 22") << Kind::Notes << QStringLiteral("22")
                                  << QString::fromUtf8("These cargoes are [drying or semi-drying oils] which "
                                                       "require cold (ambient) washing immediately\r\n"
                                                       "after discharging.");
        QTest::newRow("notes 23") << Kind::Notes << QStringLiteral("23")
                                  << QString::fromUtf8("Initial wash must be done using cold fresh water.");
        QTest::newRow("notes 24") << Kind::Notes << QStringLiteral("24")
                                  << QString::fromUtf8("As the inhibitor used is soluble or slightly soluble "
                                                       "in water, the tank should be washed as soon\r\n"
                                                       "as possible upon completion of discharge. If slops "
                                                       "present a problem, the tank should be washed\r\n"
                                                       "and the slops kept in the tank (provided same will "
                                                       "not adversely effect the tank and/or lining\r\n"
                                                       "e.g., salt water and stainless steel). Another way "
                                                       "of increasing permanganate is to let the tank\r\n"
                                                       "overflow using water for a period of 2-3 days.");
        QTest::newRow("notes 8,10")
            << Kind::Notes << QStringLiteral("8,10")
            << QString::fromUtf8(
                   "Cargoes belonging to the olefin, phathalate, adiptate, fatty acid and fatty alcohol "
                   "categories\r\n"
                   "are difficult to clean. When the subsequent cargo requires a high degree cleanliness "
                   "(wall wash),\r\n"
                   "alternative stowages should be carefully evaluated.\r\n"
                   "The temperature of the wash water should not exceed 10-20 degrees Celsius above the\r\n"
                   "discharge temperature of the product. Higher temperatures can cause the product to stick "
                   "on the\r\n"
                   "bulkheads.");
        QTest::newRow("notes 9,15")
            << Kind::Notes << QStringLiteral("9,15")
            << QString::fromUtf8("After initial water wash the tank, pump and line system need to be "
                                 "recirculated with an oxidizer\r\n"
                                 "solution. The selection of suitable oxidizer is dependent upon the tank "
                                 "lining. Most common\r\n"
                                 "oxidizers are sodium hydroxide and sodium hypochlorite (bleach).\r\n"
                                 "Heat applied directly or inderectly on these products can cause "
                                 "polimerization, as such same\r\n"
                                 "must always be avoided.");
        QTest::newRow("notes 10,22")
            << Kind::Notes << QStringLiteral("10,22")
            << QString::fromUtf8(
                   "The temperature of the wash water should not exceed 10-20 degrees Celsius above the\r\n"
                   "discharge temperature of the product. Higher temperatures can cause the product to stick "
                   "on the\r\n"
                   "bulkheads.\r\n"
                   "These cargoes are [drying or semi-drying oils] which require cold (ambient) washing "
                   "immediately\r\n"
                   "after discharging.");
        QTest::newRow("notes 7,8")
            << Kind::Notes << QStringLiteral("7,8")
            << QString::fromUtf8(
                   "Cargoes such as esters, acetates and halogenated hydrocarbons can form mineral or "
                   "organic\r\n"
                   "acids when mixed with water. To prevent any damage to coated tanks the water/slop mast "
                   "not\r\n"
                   "be allowed to stay in the tank during or after the tank cleaning program.\r\n"
                   "Cargoes belonging to the olefin, phathalate, adiptate, fatty acid and fatty alcohol "
                   "categories\r\n"
                   "are difficult to clean. When the subsequent cargo requires a high degree cleanliness "
                   "(wall wash),\r\n"
                   "alternative stowages should be carefully evaluated.");
        QTest::newRow("notes 18,8") << Kind::Notes << QStringLiteral("18,8")
                                    << QString::fromUtf8(
                                           "These cargoes leave an odor that is very difficult to remove "
                                           "especially in zinc coated tanks.\r\n"
                                           "Cargoes belonging to the olefin, phathalate, adiptate, fatty "
                                           "acid and fatty alcohol categories\r\n"
                                           "are difficult to clean. When the subsequent cargo requires a "
                                           "high degree cleanliness (wall wash),\r\n"
                                           "alternative stowages should be carefully evaluated.");
        QTest::newRow("notes 1,3") << Kind::Notes << QStringLiteral("1,3")
                                   << QString::fromUtf8(
                                          "Cargoes such as acids, alkalis and oxidizers may react with "
                                          "water, produce heat and form a much\r\n"
                                          "more corrosive solution. To minimize this reaction, large amounts "
                                          "of water must be introduced as\r\n"
                                          "quickly as possible. The water should not be allowed to "
                                          "accumulate in the cargo sump or on the\r\n"
                                          "tank top.\r\n"
                                          "The introduction of water to corrosive cargoes is against all "
                                          "conventional working practices;\r\n"
                                          "however, there is no other effective way of neutralizing the "
                                          "product remaining in the tank,\r\n"
                                          "pump, line system, etc.");
        QTest::newRow("notes 8,21") << Kind::Notes << QStringLiteral("8,21")
                                    << QString::fromUtf8(
                                           "Cargoes belonging to the olefin, phathalate, adiptate, fatty "
                                           "acid and fatty alcohol categories\r\n"
                                           "are difficult to clean. When the subsequent cargo requires a "
                                           "high degree cleanliness (wall wash),\r\n"
                                           "alternative stowages should be carefully evaluated.\r\n"
                                           "These cargoes can reduce the permanganate time of a methanol "
                                           "wall wash and require the use\r\n"
                                           "of an oxidizer in the cleaning progress.");
        QTest::newRow("class 2.1") << Kind::Class << QStringLiteral("2.1")
                                   << QString::fromUtf8("Flammable Gases");
        QTest::newRow("class 2.2") << Kind::Class << QStringLiteral("2.2")
                                   << QString::fromUtf8("Non-flammable, Non-toxic Gases");
        QTest::newRow("class 2.3") << Kind::Class << QStringLiteral("2.3")
                                   << QString::fromUtf8("Toxic Gases");
        QTest::newRow("class 3") << Kind::Class << QStringLiteral("3")
                                 << QString::fromUtf8("Flammable Liquids");
        QTest::newRow("class 4.1")
            << Kind::Class << QStringLiteral("4.1")
            << QString::fromUtf8("Flammable Solids, Self-reactive Substances and Desensitized Explosives");
        QTest::newRow("class 4.2") << Kind::Class << QStringLiteral("4.2")
                                   << QString::fromUtf8("Substances liable to spontaneous combustion");
        QTest::newRow("class 4.3") << Kind::Class << QStringLiteral("4.3")
                                   << QString::fromUtf8(
                                          "Substances Which, In Contact With Water, Emit Flammable Gases");
        QTest::newRow("class 5.1") << Kind::Class << QStringLiteral("5.1")
                                   << QString::fromUtf8("Oxidizing Substances");
        QTest::newRow("class 5.2") << Kind::Class << QStringLiteral("5.2")
                                   << QString::fromUtf8("Organic Peroxides");
        QTest::newRow("class 6.1") << Kind::Class << QStringLiteral("6.1")
                                   << QString::fromUtf8("Toxic Substances");
        QTest::newRow("class 6.2") << Kind::Class << QStringLiteral("6.2")
                                   << QString::fromUtf8("Infectious Substances");
        QTest::newRow("class 7") << Kind::Class << QStringLiteral("7")
                                 << QString::fromUtf8("Radioactive Materials");
        QTest::newRow("class 8") << Kind::Class << QStringLiteral("8")
                                 << QString::fromUtf8("Corrosive Substances");
        QTest::newRow("class 9") << Kind::Class << QStringLiteral("9")
                                 << QString::fromUtf8("Miscellaneous Dangerous Substances and Articles");
        QTest::newRow("group 1") << Kind::Group << QStringLiteral("1")
                                 << QString::fromUtf8("NON OXIDIZING MINERAL ACIDS");
        QTest::newRow("group 2") << Kind::Group << QStringLiteral("2") << QString::fromUtf8("SULFURIC ACID");
        QTest::newRow("group 3") << Kind::Group << QStringLiteral("3") << QString::fromUtf8("NITRIC ACID");
        QTest::newRow("group 4") << Kind::Group << QStringLiteral("4") << QString::fromUtf8("ORGANIC ACIDS");
        QTest::newRow("group 5") << Kind::Group << QStringLiteral("5") << QString::fromUtf8("CAUSTICS");
        QTest::newRow("group 6") << Kind::Group << QStringLiteral("6") << QString::fromUtf8("AMMONIA");
        QTest::newRow("group 7") << Kind::Group << QStringLiteral("7")
                                 << QString::fromUtf8("ALIPHATIC AMINES");
        QTest::newRow("group 8") << Kind::Group << QStringLiteral("8") << QString::fromUtf8("ALKANOL AMINES");
        QTest::newRow("group 9") << Kind::Group << QStringLiteral("9")
                                 << QString::fromUtf8("AROMATIC AMINES");
        QTest::newRow("group 10") << Kind::Group << QStringLiteral("10") << QString::fromUtf8("AMIDES");
        QTest::newRow("group 11") << Kind::Group << QStringLiteral("11")
                                  << QString::fromUtf8("ORGANIC ANHYDRIDES");
        QTest::newRow("group 12") << Kind::Group << QStringLiteral("12") << QString::fromUtf8("ISOCYANATES");
        QTest::newRow("group 13") << Kind::Group << QStringLiteral("13")
                                  << QString::fromUtf8("VINYL ACETATE");
        QTest::newRow("group 14") << Kind::Group << QStringLiteral("14") << QString::fromUtf8("ACRYLATES");
        QTest::newRow("group 15") << Kind::Group << QStringLiteral("15")
                                  << QString::fromUtf8("SUBSTITUTED ALLYLS");
        QTest::newRow("group 16") << Kind::Group << QStringLiteral("16")
                                  << QString::fromUtf8("ALKYLENE OXIDES");
        QTest::newRow("group 17") << Kind::Group << QStringLiteral("17")
                                  << QString::fromUtf8("EPICHLOROHYDRIN");
        QTest::newRow("group 18") << Kind::Group << QStringLiteral("18") << QString::fromUtf8("KETONES");
        QTest::newRow("group 19") << Kind::Group << QStringLiteral("19") << QString::fromUtf8("ALDEHYDES");
        QTest::newRow("group 20") << Kind::Group << QStringLiteral("20")
                                  << QString::fromUtf8("ALCOHOLS, GLYCOLS");
        QTest::newRow("group 21") << Kind::Group << QStringLiteral("21")
                                  << QString::fromUtf8("PHENOLS, CRESOLS");
        QTest::newRow("group 22") << Kind::Group << QStringLiteral("22")
                                  << QString::fromUtf8("CAPROLACTAM SOLUTION");
        QTest::newRow("group 30") << Kind::Group << QStringLiteral("30") << QString::fromUtf8("OLEFINS");
        QTest::newRow("group 31") << Kind::Group << QStringLiteral("31") << QString::fromUtf8("PARAFFINS");
        QTest::newRow("group 32") << Kind::Group << QStringLiteral("32")
                                  << QString::fromUtf8("AROMATIC HYDROCARBON MIXTURES");
        QTest::newRow("group 33") << Kind::Group << QStringLiteral("33")
                                  << QString::fromUtf8("MISCELLANEOUS  HYDROCARBON MIXTURES");
        QTest::newRow("group 34") << Kind::Group << QStringLiteral("34") << QString::fromUtf8("ESTERS");
        QTest::newRow("group 35") << Kind::Group << QStringLiteral("35")
                                  << QString::fromUtf8("VINYL HALIDES");
        QTest::newRow("group 36") << Kind::Group << QStringLiteral("36")
                                  << QString::fromUtf8("HALOGENATED HYDROCARBONS");
        QTest::newRow("group 37") << Kind::Group << QStringLiteral("37") << QString::fromUtf8("NITRILES");
        QTest::newRow("group 38") << Kind::Group << QStringLiteral("38")
                                  << QString::fromUtf8("CARBON DISULFIDE");
        QTest::newRow("group 39") << Kind::Group << QStringLiteral("39") << QString::fromUtf8("SULFOLANE");
        QTest::newRow("group 40") << Kind::Group << QStringLiteral("40")
                                  << QString::fromUtf8("GLYCOL ETHERS");
        QTest::newRow("group 41") << Kind::Group << QStringLiteral("41") << QString::fromUtf8("ETHERS");
        QTest::newRow("group 42") << Kind::Group << QStringLiteral("42")
                                  << QString::fromUtf8("NITROCOMPOUNDS");
        QTest::newRow("group 43") << Kind::Group << QStringLiteral("43")
                                  << QString::fromUtf8("MISCELANEOUS WATER SOLUTIONS");
    }

    void texts()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, code);
        QFETCH(QString, text);
        QCOMPARE(lookUp(kind, code), std::optional<QString>(text));
    }

    void fixedTexts()
    {
        QCOMPARE(Vocabulary::notCarriedText(),
                 QStringLiteral(
                     "This cargo is not carried on VRKO ships. Cleaning instructions are not available."));
        QCOMPARE(
            Vocabulary::specialInstructionsText(),
            QStringLiteral("There are special cleaning instructions for this grade of cargo.\r\n"
                           "Click *Special Cargo Handling* button to get the special cargo information."));
        QCOMPARE(Vocabulary::contactOperatorText(),
                 QStringLiteral(
                     "Contact ship's operator to obtain a proper cleaning instructions for this cargo"));
    }

    void edgesOfTheTexts()
    {
        QVERIFY(Vocabulary::temperatureText(QStringLiteral("E"))
                    ->endsWith(QStringLiteral("\r\ndischarge temperature.")));
        for (const char* code : {"16", "19", "20"})
            QVERIFY2(Vocabulary::notesText(QLatin1String(code))->endsWith(QStringLiteral(". ")), code);
        QVERIFY(!Vocabulary::notesText(QStringLiteral("18"))->contains(QStringLiteral("\r\n")));
        QCOMPARE(Vocabulary::notesText(QStringLiteral("18,8"))->count(QStringLiteral("\r\n")), 3);
        QVERIFY(!Vocabulary::cleaningGroupText(QStringLiteral("1"))->endsWith(QStringLiteral("\r\n")));
        QCOMPARE(Vocabulary::imdgClasses().size(), 14);
        QCOMPARE(Vocabulary::uscgGroups().size(), 36);
        QCOMPARE(Vocabulary::uscgGroups().at(22).code, QStringLiteral("30"));
    }

    void unknownCodes_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("code");
        QTest::newRow("cleaning 8") << Kind::Cleaning << QStringLiteral("8");
        QTest::newRow("cleaning N/C") << Kind::Cleaning << QStringLiteral("N/C");
        QTest::newRow("cleaning empty") << Kind::Cleaning << QString();
        QTest::newRow("cleaning with a blank") << Kind::Cleaning << QStringLiteral("1 ");
        QTest::newRow("temperature G") << Kind::Temperature << QStringLiteral("G");
        QTest::newRow("temperature lower case") << Kind::Temperature << QStringLiteral("a");
        QTest::newRow("notes 0") << Kind::Notes << QStringLiteral("0");
        QTest::newRow("notes 25") << Kind::Notes << QStringLiteral("25");
        QTest::newRow("notes swapped pair") << Kind::Notes << QStringLiteral("10,8");
        QTest::newRow("notes pair with a blank") << Kind::Notes << QStringLiteral("8, 10");
        QTest::newRow("notes leading zero") << Kind::Notes << QStringLiteral("08");
        QTest::newRow("class 3.1") << Kind::Class << QStringLiteral("3.1");
        QTest::newRow("class 6") << Kind::Class << QStringLiteral("6");
        QTest::newRow("group 0") << Kind::Group << QStringLiteral("0");
        QTest::newRow("group 01") << Kind::Group << QStringLiteral("01");
        QTest::newRow("group 23") << Kind::Group << QStringLiteral("23");
        QTest::newRow("group 29") << Kind::Group << QStringLiteral("29");
        QTest::newRow("group 44") << Kind::Group << QStringLiteral("44");
    }

    void unknownCodes()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, code);
        QCOMPARE(lookUp(kind, code), std::nullopt);
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
