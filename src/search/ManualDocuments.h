#pragma once

#include "data/Result.h"
#include "search/SearchDocument.h"

#include <QList>
#include <QString>

#include <stop_token>

// Every topic of a manual, our own help format or Windows Help, as one document each: its title (for a
// topic without one, the beginning of its text) and its text, with the target that `velcarin-cli help FILE
// TARGET` opens it at. A topic that cannot be read is passed over; a manual that cannot be opened, or none of
// whose topics can be read, fails with the reason. Reading ends early, with what it has, once a stop is asked
// for.
Result<QList<SearchDocument>> manualDocuments(const QString& path, std::stop_token stop = {});
