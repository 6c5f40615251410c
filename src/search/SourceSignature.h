#pragma once

#include <QString>

// What a source file is now, cheap enough to tell before every search: its size, the time it was last
// written and a hash of its first page. That page of a SQLite database counts every change committed to
// it, so that a change the size and time miss (a rewrite within the same millisecond) still shows.
// "missing" when there is no such file.
QString sourceSignature(const QString& path);
