#pragma once

#include "cli/CliCommand.h"

#include <QCoreApplication>

#include <memory>

// velcarin-cli print NAME --pdf FILE: the printed Tavro Tankers adviser of a cargo as a PDF file;
// velcarin-cli print --jo NAME --pdf FILE [--method N]: the Jo Tankers adviser of a product.
int runPrint(const QStringList& arguments, CliContext& context);
const CommandHelp& printHelp();

// The application the print command runs in: a sheet is drawn with fonts, which a GUI application has. It
// draws offscreen and needs no display.
std::unique_ptr<QCoreApplication> drawingApplication(int& argc, char** argv);
