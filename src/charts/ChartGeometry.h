#pragma once

#include <QRect>

// Where the compatibility chart and its labels lie in the chart window, in twips. A cell is a row's
// height by a column's width with its top and left grid lines; the last row and column are closed by
// one more line, so the chart is a line wider and higher than its cells.
namespace ChartGeometry {

constexpr int LineWidth = 15;
constexpr int RowHeight = 210;
constexpr int ColumnWidth = 240;
constexpr int ColumnBandWidth = ColumnWidth + LineWidth; // a column with both its lines

// The chart picture.
QRect chart();
// The highlight band of a row group: the chart's width, one row high.
QRect row(int rowGroup);
// The highlight band of a column group: the chart's height, one column with both its lines wide.
QRect column(int columnGroup);
QRect cell(int rowGroup, int columnGroup);

// The number above a column.
QRect columnHeader(int columnGroup);
// The row numbers left and right of the chart and the group name between the left ones and the chart.
QRect rowNumber(int rowGroup);
QRect rowNumberRight(int rowGroup);
QRect groupName(int rowGroup);

} // namespace ChartGeometry
