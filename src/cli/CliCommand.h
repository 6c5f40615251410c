#pragma once

#include "data/DataFolders.h"
#include "data/Database.h"
#include "help/CommandLineHelp.h"

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

#include <optional>

class Store;

// What every command of velcarin-cli shares: its streams, the data folder option and the exit codes.
struct CliContext {
    QTextStream& out;
    QTextStream& err;
};

namespace ExitCode {
constexpr int Found = 0;
constexpr int NotFound = 1;
constexpr int BadUse = 2;
} // namespace ExitCode

// The options every command takes, after its own.
const QList<ArgumentHelp>& sharedOptions();
// The option of the commands that can answer in JSON.
ArgumentHelp jsonOption();
// An argument that names a record of one of the databases, completed from the names in that database.
ArgumentHelp recordName(const QString& description, const QString& fileName, const QString& source,
                        const QString& field);

// Parses a command's arguments with the options its help names and --data-dir; nothing, after a message,
// on bad use. The data folder follows the program's rule, and the officer's own is made ready unless the
// command says not to.
class CommandLine {
public:
    // `optionalCount` more positional arguments may follow the `positionalCount` required ones.
    CommandLine(const CommandHelp& help, int positionalCount, int optionalCount = 0);

    bool parse(const QStringList& arguments, CliContext& context);
    // Says how the command is used, after the reason if there is one, and where to read more; the exit
    // code of bad use.
    int badUse(CliContext& context, const QString& reason = {}) const;
    const QStringList& positional() const { return m_positional; }
    bool json() const;
    QString dataDir() const { return m_folders.dataFolder(); }
    const DataFolders& folders() const { return m_folders; }
    // For a command that only shows the folders or fills the data folder itself.
    void leaveDataFolderAsItIs() { m_prepareDataFolder = false; }
    bool isSet(const QString& option) const { return m_parser.isSet(option); }
    QString value(const QString& option) const { return m_parser.value(option); }

private:
    QCommandLineParser m_parser;
    const CommandHelp& m_help;
    int m_positionalCount;
    int m_optionalCount;
    QStringList m_positional;
    DataFolders m_folders;
    bool m_prepareDataFolder = true;
};

// Prints a field as "Name: value"; the further lines of a value of several lines are indented.
void printField(QTextStream& out, const QString& name, const QString& value);

// Opens one of the store's databases, converting it first if it is still a legacy Access file, or says
// why not.
Database openDatabase(const Store& store, const QString& fileName, CliContext& context);

// Opens a record source of the store, or says why not.
std::optional<class RecordSet> openRecordSet(const Store& store, const QString& fileName,
                                             const QString& source, CliContext& context);
