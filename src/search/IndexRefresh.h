#pragma once

#include "search/Finder.h"
#include "search/SearchUnits.h"

#include <QList>

#include <functional>
#include <stop_token>

class SearchIndex;

// Brings an index up to date with the units of a data folder.
namespace IndexRefresh {

// The state of each unit as the index holds it, without reading anything: read, or left out, when its
// source is as it was then; else not read.
QList<SourceState> states(const SearchIndex& index, const QList<SearchUnit>& units);

// Whether the index holds no unit but these; one that is no more is to be taken out.
bool holdsOnly(const SearchIndex& index, const QList<SearchUnit>& units);

// Reads again every unit whose source changed since the index read it, and takes out of the index the
// units that are no more; `report` hears each state as it changes, those to be read first as being read.
// Once a stop is asked for it ends after the unit it is reading, keeping what that unit held before.
void run(SearchIndex& index, const QList<SearchUnit>& units, std::stop_token stop,
         const std::function<void(const SourceState&)>& report);

} // namespace IndexRefresh
