#pragma once

#include "search/SearchResult.h"

#include <QLineEdit>
#include <QPointer>

#include <functional>

class SearchResultsList;

// The search field of the main window: what the officer types is searched at once, and the results show
// in a list under the field, over the window. Up and Down move in the list while the keyboard stays in
// the field; Enter or a click opens the result, Shift+Enter or the list's context menu the overview of a
// cargo; Escape closes the list and gives the keyboard back to the control that had it before the field.
// Each time the officer turns to the field, taking the keyboard there or typing in it, it says so once
// (turnedTo), so that the index is brought up to date before the search answers.
class SearchField : public QLineEdit {
    Q_OBJECT
public:
    using Search = std::function<QList<SearchResult>(const QString& query)>;

    explicit SearchField(Search search, QWidget* parent = nullptr);

    // Takes the keyboard, its text selected so that typing replaces it, and lists what that text finds.
    void takeFocus();
    // Lists again what the text finds, where the list shows: the index has read more since.
    void searchAgain();
    QSize sizeHint() const override;
    // The list of results; nullptr before the first search.
    SearchResultsList* results() const { return m_results; }

Q_SIGNALS:
    void resultChosen(const SearchResult& result);
    void overviewChosen(const SearchResult& result);
    void turnedTo();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void search();
    void placeResults();
    void choose(const SearchResult& result);
    void chooseOverview(const SearchResult& result);
    void closeResults();
    void tellTurnedTo();

    Search m_search;
    SearchResultsList* m_results = nullptr;
    QPointer<QWidget> m_returnTo; // the control that had the keyboard before the field
    bool m_turnedTo = false;      // told since the field last lost the keyboard
};
