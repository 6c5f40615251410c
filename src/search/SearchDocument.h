#pragma once

#include "search/SearchResult.h"

#include <QString>

// One text the index searches, with what a result found through it says: a cargo's name, one of its
// synonyms or numbers, a note, a manual topic.
struct SearchDocument {
    // The ranking classes, best first after the names that equal the query or start with its words.
    enum class Kind { Name, Synonym, FullName, Number, Note, Topic };

    SearchSource source = SearchSource::Tavro;
    Kind kind = Kind::Name;
    QString name;  // exactly as stored (a topic: its title; notes: the cargo's name)
    QString field; // the field holding `text` ("Abbreviated Name", "SYNONIMS", "United No", ...)
    QString text;  // what is searched (one synonym, one number, a note's text, a topic's title + text)
    QString file;  // manual topics only
    QString topic; // manual topics only
};
