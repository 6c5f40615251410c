#pragma once

#include "overview/CargoOverview.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The names one cargo goes by, and whether an entry of a source is that cargo. The cargo is named by
// the officer; Jo Tankers' synonyms and Tavro's full names of the entries found under that name add the
// other names it is known by. Names are compared whole: "SULFURIC ACID 96%" never matches "SULFURIC ACID
// 98%", and nothing here looks at a UN number.
class CargoNames {
public:
    explicit CargoNames(const QString& name);

    const QString& name() const { return m_name; }

    // How a source's entry of this name is the cargo: the very name, or the same up to case, accents,
    // blanks and punctuation; its own synonyms (Jo Tankers) or full name (Tavro) count as well.
    std::optional<OverviewMatch::By> matchDirectly(const QString& entryName, const QStringList& synonyms = {},
                                                   const QString& fullName = {}) const;
    // How an entry of another source is the cargo through the names added below; nothing when it is not.
    std::optional<OverviewMatch::By> matchThroughOthers(const QString& entryName) const;

    // The product name and synonyms of the Jo Tankers entry found for the cargo.
    void addSynonyms(const QStringList& names);
    // The abbreviated and full name of the Tavro entry found for the cargo.
    void addFullNames(const QStringList& names);

    // Every name the cargo is known by, the officer's first, each once.
    QStringList all() const;

private:
    void add(QStringList& folded, const QStringList& names);

    QString m_name;
    QString m_folded;
    QStringList m_synonyms; // folded
    QStringList m_fullNames;
    QStringList m_known; // as written, for all()
};

// Whether a name, folded as a search folds it, is the folded text given. A name of plain ASCII, as nearly
// all are, is compared character by character as it is read, without a folded copy made.
bool foldsTo(const QString& name, const QString& folded);
