#pragma once

#include <QString>

// Text read from a manual, made safe to show: a terminal would obey a control character rather than show
// it, so each one other than a line feed or a tab becomes U+FFFD; a carriage return, which would let a line
// be written over, goes.
QString readableText(QString text);
