#pragma once

#include <QList>
#include <QString>

// The index of the special cargo handling manual: the cargoes it has a chapter on, each with its
// synonyms and the context number of its chapter in the manual's help file, and the three kinds of
// isocyanates named beside their cargo.
namespace SpecialCargoes {

inline const QString HelpFileName = QStringLiteral("Special.hlp");

struct Cargo {
    QString option; // the option button's name
    QString caption;
    QString toolTip; // its synonyms; empty where there are none
    int context;
};

struct IsocyanateKind {
    QString label;
    QString caption;
    QString toolTip;
};

// In the order of the manual's index.
const QList<Cargo>& cargoes();
const QList<IsocyanateKind>& isocyanateKinds();

} // namespace SpecialCargoes
