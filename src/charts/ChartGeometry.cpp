#include "charts/ChartGeometry.h"

namespace ChartGeometry {

namespace {

constexpr int Left = 6120;
constexpr int Top = 720;
constexpr int Width = 5295;
constexpr int Height = 7575;
constexpr int LowerRowsTop = 5340; // groups 30 to 43 follow groups 1 to 22
constexpr int HeaderTop = 360;
constexpr int HeaderHeight = 255;
constexpr int RowNumberLeft = 3240;
constexpr int RowNumberRightLeft = 11520;
constexpr int RowNumberWidth = 255;
constexpr int GroupNameLeft = 3600;
constexpr int GroupNameWidth = 2415;

int rowTop(int rowGroup)
{
    return rowGroup < 30 ? Top + (rowGroup - 1) * RowHeight : LowerRowsTop + (rowGroup - 30) * RowHeight;
}

int columnLeft(int columnGroup)
{
    return Left + (columnGroup - 1) * ColumnWidth;
}

} // namespace

QRect chart()
{
    return {Left, Top, Width, Height};
}

QRect row(int rowGroup)
{
    return {Left, rowTop(rowGroup), Width, RowHeight};
}

QRect column(int columnGroup)
{
    return {columnLeft(columnGroup), Top, ColumnBandWidth, Height};
}

QRect cell(int rowGroup, int columnGroup)
{
    return {columnLeft(columnGroup), rowTop(rowGroup), ColumnWidth, RowHeight};
}

QRect columnHeader(int columnGroup)
{
    return {columnLeft(columnGroup), HeaderTop, ColumnBandWidth, HeaderHeight};
}

QRect rowNumber(int rowGroup)
{
    return {RowNumberLeft, rowTop(rowGroup), RowNumberWidth, RowHeight};
}

QRect rowNumberRight(int rowGroup)
{
    return {RowNumberRightLeft, rowTop(rowGroup), RowNumberWidth, RowHeight};
}

QRect groupName(int rowGroup)
{
    return {GroupNameLeft, rowTop(rowGroup), GroupNameWidth, RowHeight};
}

} // namespace ChartGeometry
