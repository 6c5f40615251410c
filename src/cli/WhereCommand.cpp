#include "cli/WhereCommand.h"

#include "data/Schema.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The help files the windows ask for.
const QStringList HelpFiles{
    QStringLiteral("glossary.hlp"), QStringLiteral("glossary2.hlp"), QStringLiteral("Help.hlp"),
    QStringLiteral("Henkel.hlp"),   QStringLiteral("Unitor.hlp"),    QStringLiteral("chemical.hlp"),
    QStringLiteral("Special.hlp"),
};

struct FoundFile {
    QString name;
    QString path;
    bool exists = false;
    QString absence; // why it is not there
};

QList<FoundFile> foundFiles(const DataFolders& folders)
{
    const QString missing = QStringLiteral("missing");
    QList<FoundFile> files;
    for (const DatabaseSchema& database : Schema::databases()) {
        const QString path = QDir(folders.dataFolder()).filePath(database.fileName);
        files << FoundFile{database.fileName, path, QFileInfo::exists(path),
                           folders.isOfficersFolder()
                               ? QStringLiteral("copied from the shipped one at first use")
                               : missing};
    }
    for (const QString& name : HelpFiles) {
        const QString path = folders.locate(name);
        files << FoundFile{name, path, QFileInfo::exists(path), missing};
    }
    return files;
}

} // namespace

const CommandHelp& whereHelp()
{
    static const CommandHelp help{
        QStringLiteral("where"),
        QStringLiteral("The version, the folders in use and where each database and manual is found"),
        {QStringLiteral("velcarin-cli where [--data-dir DIR] [--json]")},
        QStringLiteral(
            "Creates nothing: a database that the data folder does not hold yet is named as missing or "
            "as copied at first use."),
        {},
        {jsonOption()},
        {{ExitCode::Found, QStringLiteral("the folders were shown")},
         {ExitCode::BadUse, QStringLiteral("bad use")}},
        QStringLiteral("velcarin-cli where --json"),
    };
    return help;
}

int runWhere(const QStringList& arguments, CliContext& context)
{
    CommandLine commandLine(whereHelp(), 0);
    commandLine.leaveDataFolderAsItIs();
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const DataFolders& folders = commandLine.folders();
    const QString programFolder = DataFolders::programFolder();
    const QList<FoundFile> files = foundFiles(folders);

    if (commandLine.json()) {
        QJsonArray shown;
        for (const FoundFile& file : files)
            shown << QJsonObject{{QStringLiteral("name"), file.name},
                                 {QStringLiteral("path"), file.path},
                                 {QStringLiteral("exists"), file.exists}};
        const QJsonObject object{
            {QStringLiteral("version"), QStringLiteral(VELCARIN_VERSION)},
            {QStringLiteral("programFolder"), programFolder},
            {QStringLiteral("dataFolder"), folders.dataFolder()},
            {QStringLiteral("officersFolder"), folders.isOfficersFolder()},
            {QStringLiteral("shippedFolder"), folders.shippedFolder()},
            {QStringLiteral("files"), shown},
        };
        context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return ExitCode::Found;
    }
    printField(context.out, QStringLiteral("Version"), QStringLiteral(VELCARIN_VERSION));
    printField(context.out, QStringLiteral("Program folder"), QDir::toNativeSeparators(programFolder));
    printField(context.out, QStringLiteral("Data folder"),
               QDir::toNativeSeparators(folders.dataFolder()) +
                   (folders.isOfficersFolder() ? QStringLiteral(" (the user's own)") : QString()));
    printField(context.out, QStringLiteral("Shipped files"),
               QDir::toNativeSeparators(folders.shippedFolder()));
    for (const FoundFile& file : files)
        printField(context.out, file.name,
                   QDir::toNativeSeparators(file.path) +
                       (file.exists ? QString() : QStringLiteral(" (") + file.absence + QLatin1Char(')')));
    return ExitCode::Found;
}
