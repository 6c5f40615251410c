#pragma once

#include "data/Database.h"
#include "data/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The officer's personal notes of the cargo table, taken out of a database and put back into one, so
// that they outlive the database that holds them. A note belongs to the cargo of its name and ID number.
namespace PersonalNotes {

struct Note {
    QString name; // Abbreviated Name
    QString id;   // ID  Number
    QString text; // Personal Notes, line breaks as stored
    bool operator==(const Note&) const = default;
};

// Every note that is not empty, in the order of the cargo list.
Result<QList<Note>> read(const Database& database);

// UTF-8 JSON, one note a line: [{"name": ..., "id": ..., "notes": ...}, ...]
QByteArray toJson(const QList<Note>& notes);
// Fails for a text that is not such a list, or that holds anything but characters.
Result<QList<Note>> fromJson(const QByteArray& json);

// Where each note went.
struct Placement {
    QList<Note> filled;    // the cargo had no note and now holds this one
    QList<Note> equal;     // the cargo held this very note already
    QList<Note> replaced;  // the cargo held another note, which this one replaced
    QList<Note> different; // the cargo holds another note, which is kept
    QList<Note> noCargo;   // no cargo has that name and ID number
    // A cargo named once more than there are cargoes of its name and ID number, with a note that the
    // notes before it do not hold: left out.
    QList<Note> repeated;
    QList<Note> repeatedSame; // the same, with a note that one before it holds: nothing is lost
    bool allPlaced() const { return different.isEmpty() && noCargo.isEmpty() && repeated.isEmpty(); }
};

enum class Different { Keep, Replace };

// Gives each note to its cargo in one transaction: all of them, or after an error none. Where notes
// share a name and ID number, the first goes to the first such cargo of the list, the second to the
// second, and so on; notes left over once each such cargo has one are repeated.
Result<Placement> write(const Database& database, const QList<Note>& notes, Different different);

} // namespace PersonalNotes
