#pragma once

#include "overview/CargoOverview.h"

#include <QList>
#include <QString>
#include <QStringList>

class Manual;
class RecordSet;

// What each source's section holds, worked out from the entry found for the cargo with the rules of the
// adviser that owns the source: the texts the adviser would show, under titles.
namespace SourceContent {

// The cleaning, temperature and notes codes with their texts, the hazard ratings, IMDG class, pollution
// category, USCG group, the physical and handling data and the officer's personal notes.
QList<TitledText> tavro(const QString& name, const RecordSet& cargo);
// The USCG group and IMDG class, the remarks and the steps of each cleaning method the remarks name.
QList<TitledText> jo(const RecordSet& product);
// The numbers 1 to 12 of the cleaning methods a remark names ("method 11 (or method 2 ...)"), each once,
// in the order named.
QList<int> methodsNamed(const QString& remarks);
// An oil's pre-wash and final cleaning, or an additional product's solution.
QList<TitledText> henkel(const RecordSet& entry);
// The topics the Unitor catalogue gives for the cargo, then the topic of each loading group of the next
// cargo it asks for; titled from the manual where it can be read.
QList<ManualTopic> unitorTopics(const QString& catalogueName, const Manual* manual);
QList<TitledText> unitor(const QList<ManualTopic>& topics);

// The chart's word on a USCG group: the groups its row marks, and the published exceptions of the group,
// with those elsewhere that name the group as a whole or the cargo by one of its names.
CompatibilityFacts compatibility(const QString& group, const QStringList& cargoNames);
QList<TitledText> compatibility(const CompatibilityFacts& facts);
// The groups an exception line names as a whole: "Group 5", "Groups 1-3, 5 and 12".
QList<int> groupsNamedIn(const QString& line);
// The cargoes an exception line names, each written with its group after it ("Acetone (18)"), folded.
QStringList cargoesNamedIn(const QString& line);

} // namespace SourceContent
