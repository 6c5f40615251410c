#pragma once

#include <QString>

// Text read from a manual, made safe to show: a terminal would obey a control character rather than show it,
// so each one other than a line feed or a tab becomes U+FFFD, and a carriage return, which would let a line
// be written over, a line feed (one for a carriage return and line feed together).
QString readableText(QString text);
