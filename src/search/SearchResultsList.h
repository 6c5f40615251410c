#pragma once

#include "search/SearchResult.h"

#include <QList>
#include <QTreeWidget>

// The list under the search field: what a search found, grouped by where it comes from, each group under a
// heading in the order of its best entry. A row gives the name, then the field that matched with a snippet
// in which the matched words stand out. The keyboard stays in the field, which moves the list's current
// row; a click on a row chooses it, and a cargo's context menu offers its overview too.
class SearchResultsList : public QTreeWidget {
    Q_OBJECT
public:
    explicit SearchResultsList(QWidget* parent = nullptr);

    // The heading of a source's group, the name the officer knows it by.
    static QString sourceTitle(SearchSource source);

    // Shows these results, the first one current; a line that says so when there are none.
    void showResults(const QList<SearchResult>& results);
    // Moves the current row by `step` results, passing over the headings, and stops at either end.
    void moveCurrent(int step);
    // The result of the current row; nullptr when there is none.
    const SearchResult* currentResult() const;
    // The height that shows every row, frame included.
    int contentHeight() const;

Q_SIGNALS:
    void resultClicked(const SearchResult& result);
    void overviewClicked(const SearchResult& result);

private:
    QList<QTreeWidgetItem*> resultItems() const;
    const SearchResult* resultOf(const QTreeWidgetItem* item) const;
    void showContextMenu(const QPoint& position);

    QList<SearchResult> m_results;
};
