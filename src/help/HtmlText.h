#pragma once

#include <QString>
#include <QStringView>

// The simple HTML of Velcarin's own help files as plain text, line for line as the viewer shows it: each
// paragraph, heading, list item or other block a line of its own, a tab between the cells of a table row,
// each run of white space one blank, tags gone and character references decoded.
QString plainTextOfHtml(QStringView html);
