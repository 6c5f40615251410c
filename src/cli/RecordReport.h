#pragma once

#include "cli/CliCommand.h"
#include "data/RecordSet.h"
#include "search/SearchResult.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

// The record a look-up command reports on: its data source opened and the record found by the name that
// ends the command line. On a miss the reason is told, with the names of `searched` that come near, and
// exitCode says how the command ends.
struct NamedRecord {
    std::optional<RecordSet> record;
    int exitCode = ExitCode::Found;
};
NamedRecord findNamedRecord(const CommandLine& commandLine, const QString& fileName, const QString& source,
                            const QString& criterionPrefix, const QString& noun, SearchSource searched,
                            CliContext& context);
// The cargo of the operator's table that the command line names, found as the operator tab finds it.
NamedRecord findCargo(const CommandLine& commandLine, CliContext& context);
// The argument that names such a cargo.
ArgumentHelp cargoName();

// What a look-up command prints: every field of the record by name, then what was worked out from it,
// as "Name: value" lines or as one JSON object.
class RecordReport {
public:
    explicit RecordReport(const RecordSet& record);

    void addText(const QString& label, const QString& text);
    void addMark(const QString& label, bool mark);
    void addMessage(const QString& title, const QString& text);
    void print(bool json, QTextStream& out) const;
    // The report as one JSON object: the record's fields under "fields", then each line under its label.
    QJsonObject json() const;

private:
    struct Entry {
        QString label;
        QString text;
        QJsonValue json;
    };

    const RecordSet& m_record;
    QList<Entry> m_entries;
};
