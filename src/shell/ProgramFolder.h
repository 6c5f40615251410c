#pragma once

#include <QString>

// The folder of the program, where its help files and pictures lie and, unless told otherwise, its
// databases.
namespace ProgramFolder {

QString path();
void setPath(const QString& path); // tests

} // namespace ProgramFolder
