#pragma once

#include <QString>
#include <QStringList>

// The twelve tank-cleaning methods of Jo Tankers, fixed data of the program. Method n belongs to the
// tab's button n.
namespace CleaningMethods {

constexpr int Count = 12;

// The steps of method 1 to 12, in order; nothing for another number.
QStringList steps(int method);
// The steps joined by CR LF, with no break after the last, as the tab shows them.
QString text(int method);

} // namespace CleaningMethods
