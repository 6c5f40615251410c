#include "search/StoredUnit.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Raised whenever a reader gives other documents for the same source, so that each is read again.
constexpr int ReadersVersion = 1;

} // namespace

QString StoredUnit::encoded() const
{
    QJsonObject object{{QStringLiteral("version"), ReadersVersion},
                       {QStringLiteral("signature"), signature},
                       {QStringLiteral("entries"), entries}};
    if (!leftOut.isEmpty())
        object.insert(QStringLiteral("leftOut"), leftOut);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

StoredUnit StoredUnit::decoded(const QString& text)
{
    const QJsonObject object = QJsonDocument::fromJson(text.toUtf8()).object();
    if (object.value(QStringLiteral("version")).toInt() != ReadersVersion)
        return {};
    return StoredUnit{object.value(QStringLiteral("signature")).toString(),
                      object.value(QStringLiteral("entries")).toInt(),
                      object.value(QStringLiteral("leftOut")).toString()};
}
