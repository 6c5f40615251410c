#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class RecordSet;

// The controls of the Jo Tankers tab that show a field of the product record, with their fields.
const QList<std::pair<const char*, const char*>>& productFieldControls();

// The codes of a Jo Tankers product that the tab turns into names.
struct ProductCodes {
    QString groupNumber; // USCG compatibility group
    QString imoCode;     // the IMDG class

    static ProductCodes fromRecord(const RecordSet& product);
};

// The names shown beside the product's own fields. A code in neither table leaves its name as the
// previous product left it, so the names are worked out on top of what is shown.
struct ProductNames {
    QString groupName;
    QString className;
};

void nameProduct(const ProductCodes& product, ProductNames& names);

// The synonyms of a product: its comma-separated list, each without the blanks around it, empty ones left
// out.
QStringList synonymsOf(const QString& list);
