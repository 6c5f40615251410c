#pragma once

#include "help/CommandLineHelp.h"

// velcarin-cli as its --help, its manual page and the shell's completion know it.
const ProgramHelp& cliProgram();

// Where this run finds its files: the data folder and the shipped files.
QString foldersText();

// What the shell may put in place of the last of `words`, the command line after the program's name;
// or, alone, CompleteFile or CompleteFolder when a file or folder name goes there.
QStringList completions(const QStringList& words);
inline const QString CompleteFile = QStringLiteral(":file");
inline const QString CompleteFolder = QStringLiteral(":folder");
