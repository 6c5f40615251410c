#include "cli/CliCommand.h"

#include "data/RecordSet.h"
#include "data/Store.h"
#include "data/legacy/Migration.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A database that is still a legacy Access file is converted in place before it is opened.
bool migrateLegacyDatabase(const Store& store, const QString& fileName, CliContext& context)
{
    Migration migration(store);
    const bool migrated = migration.migrate(fileName);
    for (const Migration::Migrated& file : migration.migrated())
        context.err << file.description() << Qt::endl;
    for (const QString& failure : migration.failures())
        context.err << failure << Qt::endl;
    return migrated;
}

// The names a look-up finds, from the data folder's database, or the shipped one before the officer's
// folder holds its copy; none from a database that cannot be read as it is.
QStringList namesIn(const DataFolders& folders, const QString& fileName, const QString& source,
                    const QString& field)
{
    const bool copied =
        !folders.isOfficersFolder() || QFileInfo::exists(QDir(folders.dataFolder()).filePath(fileName));
    const Result<Database> database =
        Store(copied ? folders.dataFolder() : folders.shippedFolder()).open(fileName);
    if (!database)
        return {};
    const Result<RecordSet> records = RecordSet::open(*database, source);
    QStringList names;
    const int column = records ? records->fieldIndex(field) : -1;
    for (int row = 0; column >= 0 && row < records->recordCount(); ++row)
        names << records->valueAt(row, column);
    return names;
}

} // namespace

const QList<ArgumentHelp>& sharedOptions()
{
    static const QList<ArgumentHelp> options{
        {QStringLiteral("--data-dir"), QStringLiteral("DIR"),
         QStringLiteral("Use the databases in DIR instead of the data folder."), Completion::Folder},
        {QStringLiteral("-h, --help"), {}, QStringLiteral("Show how the command is used, and end.")},
    };
    return options;
}

ArgumentHelp jsonOption()
{
    return {QStringLiteral("--json"), {}, QStringLiteral("Print one JSON object instead of lines of text.")};
}

ArgumentHelp recordName(const QString& description, const QString& fileName, const QString& source,
                        const QString& field)
{
    return {
        QStringLiteral("NAME"), {}, description, Completion::Words, [=](const CompletionContext& context) {
            return namesIn(context.folders, fileName, source, field);
        }};
}

CommandLine::CommandLine(const CommandHelp& help, int positionalCount, int optionalCount)
    : m_help(help)
    , m_positionalCount(positionalCount)
    , m_optionalCount(optionalCount)
{
    for (const ArgumentHelp& option : help.options + sharedOptions())
        m_parser.addOption(option.parserOption());
}

bool CommandLine::parse(const QStringList& arguments, CliContext& context)
{
    if (!m_parser.parse(QStringList{QStringLiteral("velcarin-cli")} + arguments)) {
        badUse(context, m_parser.errorText());
        return false;
    }
    m_positional = m_parser.positionalArguments();
    if (m_positional.size() < m_positionalCount ||
        m_positional.size() > m_positionalCount + m_optionalCount) {
        badUse(context);
        return false;
    }
    m_folders = DataFolders::choose(m_parser.value(QStringLiteral("data-dir")), DataFolders::places());
    if (!m_prepareDataFolder)
        return true;
    const Result<QStringList> prepared = m_folders.prepare();
    if (!prepared)
        context.err << prepared.error() << Qt::endl;
    return prepared.ok();
}

int CommandLine::badUse(CliContext& context, const QString& reason) const
{
    if (!reason.isEmpty())
        context.err << reason << '\n';
    context.err << "usage: " << m_help.usages.join(QStringLiteral("\n       ")) << "\ntry 'velcarin-cli "
                << m_help.name << " --help'" << Qt::endl;
    return ExitCode::BadUse;
}

bool CommandLine::json() const
{
    return m_parser.isSet(QStringLiteral("json"));
}

void printField(QTextStream& out, const QString& name, const QString& value)
{
    QString shown = value;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\n'), QLatin1String("\n    "));
    out << name << ": " << shown << '\n';
}

Database openDatabase(const Store& store, const QString& fileName, CliContext& context)
{
    if (!migrateLegacyDatabase(store, fileName, context))
        return {};
    const Result<Database> database = store.open(fileName);
    if (!database) {
        context.err << database.error() << Qt::endl;
        return {};
    }
    return *database;
}

std::optional<RecordSet> openRecordSet(const Store& store, const QString& fileName, const QString& source,
                                       CliContext& context)
{
    const Database database = openDatabase(store, fileName, context);
    if (!database.isOpen())
        return std::nullopt;
    const Result<RecordSet> recordSet = RecordSet::open(database, source);
    if (!recordSet) {
        context.err << recordSet.error() << Qt::endl;
        return std::nullopt;
    }
    return *recordSet;
}
