#pragma once

#include <QString>

// What the index keeps of a unit beside its documents, in the text it stores as the unit's signature: the
// source's signature when it was read, how many entries it gave, or why it could not be read. A unit read
// by an earlier version of the readers counts as never read.
struct StoredUnit {
    QString signature; // the source's, as sourceSignature() gives it
    int entries = 0;
    QString leftOut; // why the source could not be read; empty when it was

    QString encoded() const;
    // Nothing read (an empty signature) for a text of another version or none.
    static StoredUnit decoded(const QString& text);
};
