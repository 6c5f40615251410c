#pragma once

#include <QString>

#include <optional>

// The published exceptions to the compatibility chart, one text for each of sixteen groups: single
// cargoes compatible with a group the chart marks, or not compatible with a group it leaves blank. Each
// line is one exception; the lines are joined by CR LF with no break after the last, and where a group
// has both kinds an empty line parts the compatible from the not compatible.
namespace CompatibilityExceptions {

// The text of the group the number text names ("0", "2", "4", ...); nothing for a group without one.
std::optional<QString> textOf(const QString& group);

} // namespace CompatibilityExceptions
