#include "jo/ProductAdvice.h"

#include "adviser/Vocabulary.h"
#include "data/RecordSet.h"

#include <QStringList>

namespace {

// The operator's data gives the divisions 3.1, 3.2 and 3.3 of the flammable liquids, named as class 3.
std::optional<QString> className(const QString& imoCode)
{
    static const QStringList flammableLiquidDivisions{QStringLiteral("3.1"), QStringLiteral("3.2"),
                                                      QStringLiteral("3.3")};
    return Vocabulary::imdgClassName(flammableLiquidDivisions.contains(imoCode) ? QStringLiteral("3")
                                                                                : imoCode);
}

} // namespace

const QList<std::pair<const char*, const char*>>& productFieldControls()
{
    static const QList<std::pair<const char*, const char*>> controls{
        {"lblSynJo", "SYNONIMS"},
        {"lblUNJo", "UN"},
        {"lblUSCGJo", "USCG"},
        {"lblCasJo", "CAS No"},
        {"lblIMO1JO", "IMO chp"},
        {"lblIMO2Jo", "IMO code"},
        {"lblIMO3Jo", "IMO type"},
        {"lblMarpolJo", "MARPOL category"},
        {"lblSGJo", "Specific Gravity"},
        {"lblVisJo", "Viscosity"},
        {"lblBoilJo", "Boiling point"},
        {"lblMeltJo", "Melting point"},
        {"lblFlashJo", "Flash point"},
        {"lblHVJo", "Heating Voyage"},
        {"lblHDJo", "Heating Discharge"},
        {"lblExtJo", "External Heating"},
        {"lblAdjJo", "Maximum Adjacent"},
        {"lblNitroJo", "Nitro"},
        {"lblSSJo", "SS"},
        {"lblEpoJo", "E"},
        {"lblZinkJo", "Z"},
        {"txtRemarksJo", "Remarks"},
    };
    return controls;
}

ProductCodes ProductCodes::fromRecord(const RecordSet& product)
{
    return {product.value(QStringLiteral("USCG")), product.value(QStringLiteral("IMO code"))};
}

void nameProduct(const ProductCodes& product, ProductNames& names)
{
    Vocabulary::showGroupName(product.groupNumber, names.groupName);
    Vocabulary::showDecoded(product.imoCode, className(product.imoCode), names.className);
}

QStringList synonymsOf(const QString& list)
{
    QStringList synonyms;
    for (const QString& synonym : list.split(u',')) {
        if (!synonym.trimmed().isEmpty())
            synonyms << synonym.trimmed();
    }
    return synonyms;
}
