#pragma once

#include <QList>
#include <QString>

#include <optional>

// The USCG cargo compatibility chart, dated January 6, 2003: rows for the cargo groups 1 to 22 and 30 to
// 43, columns for the reactive groups 1 to 22, and a mark where a row group and a column group are not
// compatible. Within groups 1 to 22 the marks are symmetric.
namespace CompatibilityChart {

// The groups with a row, in chart order: 1 to 22, then 30 to 43.
const QList<int>& rowGroups();
// The groups with a column: 1 to 22.
const QList<int>& columnGroups();
// The columns marked in a group's row, in column order; nothing for a group without a row.
QList<int> markedColumns(int rowGroup);
bool marked(int rowGroup, int columnGroup);

// The numeral a group number text must equal to name the group: decimal, no leading zero.
QString numeral(int group);
// The group of the list whose numeral the text is; nothing when it names none of them ("01" names none).
std::optional<int> groupNamed(const QString& text, const QList<int>& groups);

} // namespace CompatibilityChart
