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

ProductCodes ProductCodes::fromRecord(const RecordSet& product)
{
    return {product.value(QStringLiteral("USCG")), product.value(QStringLiteral("IMO code"))};
}

void nameProduct(const ProductCodes& product, ProductNames& names)
{
    Vocabulary::showGroupName(product.groupNumber, names.groupName);
    Vocabulary::showDecoded(product.imoCode, className(product.imoCode), names.className);
}
