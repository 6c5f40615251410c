#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The Henkel cleaning guide as the Henkel tab and the command line use it: the sixteen cargo groups of
// its cleaning suggestions with their topics in Henkel.hlp, the order in which "Show" looks at them, and
// the fields its two look-ups answer with.
namespace HenkelGuide {

inline const QString HelpFile = QStringLiteral("Henkel.hlp");

struct CargoGroup {
    QString option; // the objectName of its option button
    QString caption;
    int context; // its topic in the help file
};

// In the order in which the option buttons stand.
const QList<CargoGroup>& cargoGroups();

// The group that shows the oil box while it is the chosen one.
inline const QString OilsGroup = QStringLiteral("optVOH");

// The topics "Show" opens for the selected options, in the order it looks at the options.
QList<int> topicsToShow(const std::function<bool(const QString& option)>& isSelected);

// The fields of the oil look-up (VegOils) and of the additional-products look-up (Additional).
namespace Fields {
inline const QString Product = QStringLiteral("Product");
inline const QString PreWash = QStringLiteral("PreWash");
inline const QString Final = QStringLiteral("Final");
inline const QString Chemical = QStringLiteral("Chemical");
inline const QString Solution = QStringLiteral("Solution");
} // namespace Fields

} // namespace HenkelGuide
