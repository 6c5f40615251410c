#include "charts/CompatibilityChart.h"

namespace CompatibilityChart {

namespace {

// Each row group with the columns marked in its row.
const QList<std::pair<int, QList<int>>>& marks()
{
    static const QList<std::pair<int, QList<int>>> rows{
        {1, {2, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, 17}},
        {2, {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}},
        {3, {2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}},
        {4, {2, 3, 5, 6, 7, 8, 12, 16, 17}},
        {5, {1, 2, 3, 4, 11, 12, 16, 17, 19, 20, 21, 22}},
        {6, {1, 2, 3, 4, 10, 11, 12, 13, 16, 17, 19}},
        {7, {1, 2, 3, 4, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}},
        {8, {1, 2, 3, 4, 11, 12, 13, 14, 15, 16, 17, 19}},
        {9, {1, 2, 3, 11, 12, 19}},
        {10, {1, 2, 3, 6, 12, 21}},
        {11, {1, 2, 3, 5, 6, 7, 8, 9}},
        {12, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 22}},
        {13, {1, 2, 3, 6, 7, 8}},
        {14, {2, 3, 7, 8}},
        {15, {2, 3, 7, 8}},
        {16, {1, 2, 3, 4, 5, 6, 7, 8}},
        {17, {1, 2, 3, 4, 5, 6, 7, 8}},
        {18, {2, 3, 7}},
        {19, {2, 3, 5, 6, 7, 8, 9}},
        {20, {2, 3, 5, 7, 12}},
        {21, {2, 3, 5, 7, 10}},
        {22, {2, 5, 7, 12}},
        {30, {2, 3}},
        {31, {}},
        {32, {3}},
        {33, {3}},
        {34, {2, 3}},
        {35, {3, 21}},
        {36, {}},
        {37, {2}},
        {38, {7, 8}},
        {39, {}},
        {40, {2, 12}},
        {41, {2, 3}},
        {42, {5, 6, 7, 8, 9}},
        {43, {2, 12}},
    };
    return rows;
}

} // namespace

const QList<int>& rowGroups()
{
    static const QList<int> groups = [] {
        QList<int> numbers;
        for (const auto& [group, columns] : marks())
            numbers << group;
        return numbers;
    }();
    return groups;
}

const QList<int>& columnGroups()
{
    static const QList<int> groups = [] {
        QList<int> numbers;
        for (int group = 1; group <= 22; ++group)
            numbers << group;
        return numbers;
    }();
    return groups;
}

QList<int> markedColumns(int rowGroup)
{
    for (const auto& [group, columns] : marks()) {
        if (group == rowGroup)
            return columns;
    }
    return {};
}

bool marked(int rowGroup, int columnGroup)
{
    return markedColumns(rowGroup).contains(columnGroup);
}

QString numeral(int group)
{
    return QString::number(group);
}

std::optional<int> groupNamed(const QString& text, const QList<int>& groups)
{
    for (int group : groups) {
        if (text == numeral(group))
            return group;
    }
    return std::nullopt;
}

} // namespace CompatibilityChart
