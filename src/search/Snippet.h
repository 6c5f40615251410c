#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <utility>

// A short stretch of a text, on one line, around the first word a query matched, with where the matched
// words stand in it.
struct Snippet {
    QString text;
    QList<std::pair<int, int>> marks; // (position, length) in `text`

    // Accepts a word of the text as folded by SearchText.
    using WordMatcher = std::function<bool(const QString& folded)>;
    // The stretch of `text` around its first matching word, or its start when no word matches; "…" stands
    // where it was cut.
    static Snippet around(const QString& text, const WordMatcher& matches);
};
