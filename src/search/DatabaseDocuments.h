#pragma once

#include "data/Result.h"
#include "search/SearchDocument.h"

#include <QList>
#include <QString>

// The documents the search finds in the four databases and the Unitor catalogue, each name exactly as it
// is stored, so that a result opens the very row it came from. A reason, naming the file, when a database
// cannot be read.
namespace DatabaseDocuments {

// cleaning.mdb: each cargo's name, full name, ID and UN number.
Result<QList<SearchDocument>> tavro(const QString& path);
// cleaning.mdb: the officer's notes, under the name of their cargo.
Result<QList<SearchDocument>> notes(const QString& path);
// Jo Tankers.mdb: each product's name, each of its synonyms, its UN and CAS number.
Result<QList<SearchDocument>> jo(const QString& path);
// Henkel.mdb: the oils, the additional products and the cleaning mixtures.
Result<QList<SearchDocument>> henkelOils(const QString& path);
Result<QList<SearchDocument>> henkelAdditional(const QString& path);
Result<QList<SearchDocument>> mixtures(const QString& path);
// unitor.mdb: the cargoes of the Unitor window's loading list.
Result<QList<SearchDocument>> unitorLoading(const QString& path);
// The previous cargoes the Unitor catalogue names, each once.
QList<SearchDocument> unitorCatalogue();

} // namespace DatabaseDocuments
