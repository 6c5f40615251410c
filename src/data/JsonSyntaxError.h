#pragma once

#include <QByteArray>
#include <QJsonParseError>
#include <QString>

// Where a text that is not valid JSON goes wrong and what was expected there, as an editor would point at
// it: "line 4, column 3: a ',' or '}' was expected". Lines and columns count from 1, columns in
// characters.
QString describeJsonSyntaxError(const QByteArray& json, const QJsonParseError& error);
