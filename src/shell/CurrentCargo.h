#pragma once

#include <QString>

// What an adviser tab stands on: the cargo (or product, or oil) its combo box chose, and what the tab
// shows of it that other windows need. A plain copy: a window that reads it reads none of the tab's
// controls. A tab fills what it has and leaves the rest empty.
struct CurrentCargo {
    // As the combo box chose it, and after a name that found nothing the name of the record shown; empty
    // before the first choice, while the record shown is only the first of the list.
    QString name;
    int record = -1; // the row of the tab's records it stands on; -1 for none
    QString fullName;
    QString idNumber;
    QString unNumber;
    QString uscgGroup; // the USCG compatibility group number
    QString cleaningCode;
    QString temperatureCode;
    QString notesCode;
    QString pollutionCategory;
    // The three health hazard ratings.
    QString hazard1;
    QString hazard2;
    QString hazard3;
    // The advice texts decoded from the codes, and the record's remarks.
    QString cleaningText;
    QString temperatureText;
    QString remarks;
    bool hasPersonalNotes = false;

    bool operator==(const CurrentCargo&) const = default;
};
