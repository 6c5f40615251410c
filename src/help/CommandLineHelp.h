#pragma once

#include "data/DataFolders.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// What a program's command line takes, written once: its --help texts and its manual page are made from
// it, so that the two cannot tell different stories.

// What the shell may offer for an argument or an option's value.
enum class Completion {
    Nothing,
    File,
    Folder,
    Words, // the words `words` gives
};

// What the command line typed so far tells a completion: the words after the command's name before the
// one completed, the arguments among them (the options and their values left out), and the data folder
// they name.
struct CompletionContext {
    QStringList words;
    QStringList arguments;
    DataFolders folders;
};

// One argument or option: "NAME", or "--data-dir" with its value "DIR".
struct ArgumentHelp {
    QString name;
    QString value; // the option's value, empty for a flag or an argument
    QString description;
    Completion completion = Completion::Nothing;
    std::function<QStringList(const CompletionContext&)> words = {};

    // "--data-dir DIR", "NAME"
    QString synopsis() const;
    // An option's names as typed: "-h", "--help"
    QStringList names() const;
    // The option for Qt's parser.
    QCommandLineOption parserOption() const;
};

struct ExitCodeHelp {
    int code;
    QString meaning;
};

// One command of a program of several ("velcarin-cli advise").
struct CommandHelp {
    QString name;
    QString summary;    // one line, without a full stop
    QStringList usages; // whole command lines, the program's name first
    QString description;
    QList<ArgumentHelp> arguments;
    QList<ArgumentHelp> options; // its own; the program's shared ones follow them
    QList<ExitCodeHelp> exitCodes;
    QString example;
};

struct FileHelp {
    QString path;
    QString description;
};

// A program, its options and, for a program of several commands, its commands.
struct ProgramHelp {
    QString name;
    QString summary; // the manual page's one line
    QStringList usages;
    QString description;
    QList<ArgumentHelp> options;
    QList<CommandHelp> commands;
    QList<ExitCodeHelp> exitCodes;
    QList<FileHelp> files;
    QList<FileHelp> environment; // variables and what they change
    QList<FileHelp> examples;    // command lines and what they do
    QStringList seeAlso;         // "velcarin(1)"

    const CommandHelp* command(const QString& name) const;
};

namespace CommandLineHelp {

// The program's --help: how to call it, its commands with their summaries, its options, then `folders`
// (where its files are on this machine).
QString programText(const ProgramHelp& program, const QString& folders);
// A command's --help: usage, arguments, options, exit codes and an example.
QString commandText(const ProgramHelp& program, const CommandHelp& command);
// The manual page, section 1, in the man macros of roff.
QString manualPage(const ProgramHelp& program, const QString& version);

} // namespace CommandLineHelp
