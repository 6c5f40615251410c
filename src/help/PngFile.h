#pragma once

#include "help/Manual.h"

#include <QByteArray>

// A picture of a manual as a PNG file (8 bits for each of red, green, blue and alpha), made without Qt Gui
// so that the command-line tool can write one.
QByteArray pngFile(const Manual::Picture& picture);
