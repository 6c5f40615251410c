#include "search/SearchResult.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<SearchSource, const char*>, 9> keys{{
    {SearchSource::Tavro, "tavro"},
    {SearchSource::Jo, "jo"},
    {SearchSource::HenkelOil, "henkel-oil"},
    {SearchSource::HenkelAdditional, "henkel-additional"},
    {SearchSource::Mixture, "mixture"},
    {SearchSource::Unitor, "unitor"},
    {SearchSource::UnitorLoading, "unitor-loading"},
    {SearchSource::Notes, "notes"},
    {SearchSource::Manual, "manual"},
}};

} // namespace

QString searchSourceKey(SearchSource source)
{
    for (const auto& [each, key] : keys) {
        if (each == source)
            return QString::fromLatin1(key);
    }
    return {};
}

bool namesACargo(SearchSource source)
{
    return source != SearchSource::Mixture && source != SearchSource::Manual;
}

std::optional<SearchSource> searchSourceFromKey(const QString& key)
{
    for (const auto& [each, name] : keys) {
        if (key == QLatin1String(name))
            return each;
    }
    return std::nullopt;
}
