#pragma once

#include "data/Criterion.h"

#include <QList>
#include <QString>

// The record sources of the data controls and the criterion prefixes of their look-ups,
// character for character.
namespace RecordSources {

extern const QString DtaA;
extern const QString DtaJo;
extern const QString DtaH;
extern const QString dtaH1;
extern const QString dtaChem;
extern const QString DtaU;
extern const QString dtaU;

} // namespace RecordSources

namespace CriterionPrefixes {

inline const QString CleaningName = QStringLiteral("CleaningA.[Abbreviated Name] = '");
inline const QString JoProduct = QStringLiteral("Cargoes.[PRODUCT]= '");
inline const QString HenkelOil = QStringLiteral("VegOils.[Product]= '");
inline const QString HenkelChemical = QStringLiteral("Additional.[Chemical]= '");
inline const QString HenkelMixture = QStringLiteral("Solutions.[Mixture]= '");
inline const QString UnitorName = QStringLiteral("Unitor.[Name] = '");

// Each prefix's table and column: the columns the windows search, which our own files keep an index of.
QList<Criterion> searchedColumns();

} // namespace CriterionPrefixes
