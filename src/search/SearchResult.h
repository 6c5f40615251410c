#pragma once

#include <QList>
#include <QString>

#include <optional>

// Where a found entry comes from: an adviser's list, the officer's notes or a manual.
enum class SearchSource {
    Tavro,            // the operator's cargoes
    Jo,               // Jo Tankers' products
    HenkelOil,        // Henkel's oils
    HenkelAdditional, // Henkel's additional products
    Mixture,          // Henkel's cleaning mixtures
    Unitor,           // the cargoes of the Unitor catalogue
    UnitorLoading,    // the loading list of the Unitor adviser
    Notes,            // the officer's personal notes
    Manual,           // a topic of a manual
};

// The source's name in scripts: "tavro", "jo", "henkel-oil", "henkel-additional", "mixture", "unitor",
// "unitor-loading", "notes", "manual".
QString searchSourceKey(SearchSource source);
std::optional<SearchSource> searchSourceFromKey(const QString& key);
// Whether the source's entries are cargoes (a mixture or a manual topic is none).
bool namesACargo(SearchSource source);

// One entry a search found.
struct SearchResult {
    SearchSource source = SearchSource::Tavro;
    QString name;    // exactly as stored; a topic's title; for notes the cargo's name
    QString field;   // the field whose text matched, as the database names it ("Full Name", "SYNONIMS")
    QString snippet; // a short stretch of that text around the matched words, on one line
    // Where in the snippet the matched words stand, as (position, length) pairs.
    QList<std::pair<int, int>> marks;
    QString file;  // manual topics only: the help file's name
    QString topic; // manual topics only: a target `velcarin-cli help FILE TOPIC` opens

    bool operator==(const SearchResult&) const = default;
};
