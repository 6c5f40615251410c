#pragma once

#include "data/PersonalNotes.h"
#include "data/Result.h"

#include <QList>
#include <QString>

// Carries the officer's personal notes from a cargo database that an import replaces into the database
// that takes its place, as a notes import without --replace would. The notes that find no cargo there,
// or find their cargo holding another note, are written to a file of their own, so that none is lost.
class NotesCarry {
public:
    // The notes that find no place go to leftOverPath, or where that is taken to the first free of
    // NAME.1.json, NAME.2.json and so on.
    explicit NotesCarry(QString leftOverPath);

    // For LegacyImport, before the converted database replaces the old one: fails when the notes cannot be
    // read, carried or kept; then nothing may be replaced.
    Result<> carry(const QString& replaced, const QString& converted);
    // The import did not go through after all: the file of left-over notes is taken back.
    void undo();

    // Where the notes went: filled and equal ones are in the new database, the rest in the left-over file.
    const PersonalNotes::Placement& placement() const { return m_placement; }
    // Empty when every note found its cargo.
    const QString& leftOverFile() const { return m_leftOverFile; }

private:
    Result<> writeLeftOver(const QList<PersonalNotes::Note>& notes);

    QString m_leftOverPath;
    PersonalNotes::Placement m_placement;
    QString m_leftOverFile;
};
