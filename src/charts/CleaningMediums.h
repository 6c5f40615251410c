#pragma once

#include <QList>
#include <QString>

// The sixteen topics of the cleaning-mediums reference in chemical.hlp: cleaning media and cleaning
// products.
namespace CleaningMediums {

inline const QString HelpFile = QStringLiteral("chemical.hlp");

struct Topic {
    QString option; // the objectName of its option button
    QString caption;
    int context; // its topic in the help file
};

// In the order in which "Show" looks at them, which is also the order of their context numbers.
const QList<Topic>& topics();

} // namespace CleaningMediums
