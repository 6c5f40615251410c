#pragma once

#include <QString>
#include <QStringList>

class Store;

// The sample databases shipped with Velcarin, made up for trying the program, carry a mark of their own:
// the application id of their SQLite header. A database converted from an officer's Access files never
// has it, and nothing Velcarin writes into a database changes it, so a copy of a sample stays a sample.
namespace SampleData {

// "VELS", set by the sample SQL scripts.
inline constexpr quint32 ApplicationId = 0x56454C53;

// The words that tell an officer that what he reads is sample data.
QString notice();

// Whether the file is a sample database; false for any other file, or one that cannot be read.
bool isSample(const QString& databasePath);
// The store's databases that are samples, by file name, in the order the program opens them.
QStringList samplesIn(const Store& store);

} // namespace SampleData
