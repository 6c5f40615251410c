#pragma once

#include <QString>

// The folder of the files shipped with the program: its sample databases, help files and pictures.
namespace ProgramFolder {

QString path();
// Tests: the folder for the shipped files and the databases alike.
void setPath(const QString& path);

} // namespace ProgramFolder
