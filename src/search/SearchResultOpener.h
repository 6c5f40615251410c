#pragma once

#include "search/SearchResult.h"

#include <QObject>

class Advisers;
class CommonDialog;

// Opens what a search found the way the program itself reaches it: an adviser's cargo in its tab, picked
// as in the tab's own box so that every rule of the tab runs; a Unitor entry in the Unitor adviser; a
// mixture in Cleaning Mediums; a cargo's notes in the notes window; a manual's topic in the help viewer.
class SearchResultOpener : public QObject {
    Q_OBJECT
public:
    explicit SearchResultOpener(Advisers& advisers, QObject* parent = nullptr);

    void open(const SearchResult& result);

private:
    // Brings the operator tab to the front on the cargo; false when it has no cargo of that name (the
    // pick has beeped).
    bool pickOperatorCargo(const QString& name);

    Advisers& m_advisers;
    CommonDialog* m_help;
};
