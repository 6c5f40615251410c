#pragma once

#include <QList>
#include <QString>

#include <functional>

class RecordSet;

// The controls of the operator tab that show a field of the cargo record, with their fields.
const QList<std::pair<const char*, const char*>>& cargoFieldControls();

// The coded fields of a cargo record that the advice is made of.
struct CargoCodes {
    QString name; // the name the cargo was chosen by
    QString cleaningCode;
    QString waterTemperature;
    QString notes;
    QString personalNotes;
    QString pollutionCategory;
    QString groupNumber; // USCG compatibility group
    QString imdgClass;

    static CargoCodes fromRecord(const QString& chosenName, const RecordSet& cargo);
};

// What the operator tab shows beside the record's own fields. A code in none of the tables leaves its
// text as the previous cargo left it, so the advice is worked out on top of what is shown.
struct AdviceDisplay {
    QString cleaningText;
    bool cleaningTextRed = false; // the cargo is not carried
    QString temperatureText;
    QString notesText;
    QString className;
    QString groupName;
    bool personalNotesMarked = false;
    bool pollutionMarked = false; // pollution category 1
    bool specialHandlingShown = false;
    bool unitorShown = false;
};

// Turns the codes of the chosen cargo into advice, step by step. contactOperator is called, with the
// display as far as it has been worked out, where the cargo's code asks for the ship operator's message.
void adviseCargo(const CargoCodes& cargo, AdviceDisplay& display,
                 const std::function<void(const AdviceDisplay&)>& contactOperator);
