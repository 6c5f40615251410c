#pragma once

#include <QList>
#include <QString>

#include <optional>

// The tab stops a paragraph sets, in pixels of 96 to the inch from its left edge. Qt's HTML has no tab
// stops, so a topic's HTML carries them in the title of the paragraph ("velcarin-tabs: 48 r96 c144"), which
// the viewer turns into the tab positions of the paragraph's block.
struct TabStop {
    enum Kind { Left, Right, Centre };

    int position = 0;
    Kind kind = Left;

    // The title of a paragraph with these stops.
    static QString titleOf(const QList<TabStop>& stops);
    // The stops a paragraph's title names; nothing for a title that does not name stops.
    static std::optional<QList<TabStop>> fromTitle(const QString& title);
    // HTML without these titles, for a browser other than the viewer, which would show them as tooltips.
    static QString withoutTitles(QString html);

    bool operator==(const TabStop&) const = default;
};
