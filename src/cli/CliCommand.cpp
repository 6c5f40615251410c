#include "cli/CliCommand.h"

#include "data/RecordSet.h"
#include "data/Store.h"
#include "data/legacy/Migration.h"

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

} // namespace

CommandLine::CommandLine(const QString& usage, int positionalCount, int optionalCount)
    : m_usage(usage)
    , m_positionalCount(positionalCount)
    , m_optionalCount(optionalCount)
{
    m_parser.addOption(
        {QStringLiteral("data-dir"), QStringLiteral("The folder of the databases."), QStringLiteral("dir")});
    m_parser.addOption({QStringLiteral("json"), QStringLiteral("Print one JSON object.")});
}

bool CommandLine::parse(const QStringList& arguments, CliContext& context)
{
    if (!m_parser.parse(QStringList{QStringLiteral("velcarin-cli")} + arguments)) {
        context.err << m_parser.errorText() << "\nusage: " << m_usage << Qt::endl;
        return false;
    }
    m_positional = m_parser.positionalArguments();
    if (m_positional.size() < m_positionalCount ||
        m_positional.size() > m_positionalCount + m_optionalCount) {
        context.err << "usage: " << m_usage << Qt::endl;
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
