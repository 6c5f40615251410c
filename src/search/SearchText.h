#pragma once

#include <QString>
#include <QStringList>

// Text as a search compares it: case, accents, punctuation and runs of blanks do not matter.
namespace SearchText {
// Lower case, accents taken off, every run of characters that is neither letter nor digit one blank, no
// blank at either end: "  Acétone,  (pure)" gives "acetone pure".
QString folded(const QString& text);
// The words of the folded text.
QStringList words(const QString& text);
} // namespace SearchText
