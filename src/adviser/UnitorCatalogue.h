#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// Which topic of the Unitor tank cleaning manual (Unitor.hlp) tells how to clean a tank after a cargo:
// an ordered list of entries, each holding one or more cargo names. A direct entry names one topic; a
// group entry names one topic for each loading group of the next cargo that it offers. Names are
// compared character for character, case included. Every entry that holds a name acts, in list order.
namespace UnitorCatalogue {

// The loading groups of the next cargo, in the order the window offers them.
inline const QString LoadingGroups = QStringLiteral("ABCDEFG");

struct Entry {
    QStringList names;
    int topic = 0; // a direct entry's topic; 0 for a group entry
    // A group entry's topic for each loading group A to G; 0 where it does not offer the group.
    std::array<int, 7> groupTopics{};

    bool isGroupEntry() const { return topic == 0; }
    // The loading groups offered, in A to G order.
    QString offeredGroups() const;
};

const QList<Entry>& entries();
// The cargo names of the entries, each once, in list order.
QStringList cargoNames();

// What "Show Cleaning Advice" does for a previous cargo: the topics of the direct entries that hold the
// name, in list order, and the loading groups that the group entries holding it offer, in A to G order.
struct Advice {
    QList<int> topics;
    QString groups;

    bool isEmpty() const { return topics.isEmpty() && groups.isEmpty(); }
};

Advice adviceFor(const QString& previousCargo);

// The topics that a click on a loading group asks for: one for each group entry that holds the name
// and offers the group, in list order. Nothing for a letter that is no loading group.
QList<int> topicsFor(const QString& previousCargo, QChar group);

} // namespace UnitorCatalogue
