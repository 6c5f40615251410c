#include "cli/HelpCommand.h"

#include "help/Manual.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString Usage =
    QStringLiteral("velcarin-cli help FILE [NUMBER | --context NAME] [--json] [--data-dir DIR]");
const QString ContextOption = QStringLiteral("context");

// A context number as the help project wrote it: decimal, or hexadecimal after "0x" for the help IDs that
// have the highest bit set.
std::optional<qint32> contextNumber(const QString& text)
{
    bool isNumber = false;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const quint32 number = text.mid(2).toUInt(&isNumber, 16);
        return isNumber ? std::optional<qint32>(qint32(number)) : std::nullopt;
    }
    const qint32 number = text.toInt(&isNumber, 10);
    return isNumber ? std::optional<qint32>(number) : std::nullopt;
}

// A bare file name that is not in the current folder names one of the program's help files, found as the
// program finds it: beside the databases, else among the shipped files.
QString helpFilePath(const QString& given, const DataFolders& folders)
{
    if (QFileInfo::exists(given) || QFileInfo(given).fileName() != given)
        return given;
    return folders.locate(given);
}

} // namespace

int runHelp(const QStringList& arguments, CliContext& context)
{
    CommandLine commandLine(Usage, 1, 1);
    commandLine.addOption(
        {ContextOption, QStringLiteral("The context name of the topic."), QStringLiteral("name")});
    commandLine.leaveDataFolderAsItIs();
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const QString path = helpFilePath(commandLine.positional().at(0), commandLine.folders());
    const bool byName = commandLine.isSet(ContextOption);
    std::optional<qint32> number;
    if (commandLine.positional().size() == 2) {
        number = contextNumber(commandLine.positional().at(1));
        if (!number || byName) {
            context.err << "usage: " << Usage << Qt::endl;
            return ExitCode::BadUse;
        }
    }

    const Result<std::unique_ptr<Manual>> manual = Manual::open(path);
    if (!manual) {
        context.err << manual.error() << Qt::endl;
        return ExitCode::BadUse;
    }
    Result<std::optional<Manual::Topic>> found = std::optional<Manual::Topic>();
    QString asked;
    QString missing;
    const QString shownPath = QDir::toNativeSeparators(path);
    if (number) {
        found = (*manual)->topic(*number);
        asked = QString::number(*number);
        missing = QStringLiteral("%1 has no topic %2").arg(shownPath, asked);
    } else if (byName) {
        asked = commandLine.value(ContextOption);
        found = (*manual)->topicNamed(asked);
        missing = QStringLiteral("%1 has no topic named %2").arg(shownPath, asked);
    } else {
        asked = QStringLiteral("contents");
        found = (*manual)->contentsTopic();
        missing = QStringLiteral("%1 has no contents topic").arg(shownPath);
    }
    if (!found) {
        context.err << found.error() << Qt::endl;
        return ExitCode::BadUse;
    }
    if (!*found) {
        context.err << missing << Qt::endl;
        return ExitCode::NotFound;
    }
    const Manual::Topic& topic = **found;

    if (commandLine.json()) {
        const QJsonObject shown{
            {QStringLiteral("number"), number ? QJsonValue(*number) : QJsonValue()},
            {QStringLiteral("title"), topic.title},
            {QStringLiteral("text"), topic.text},
        };
        const QJsonObject object{{QStringLiteral("title"), (*manual)->title()},
                                 {QStringLiteral("topic"), shown}};
        context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return ExitCode::Found;
    }
    QString text = topic.text;
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    printField(context.out, QStringLiteral("Title"), (*manual)->title());
    printField(context.out, QStringLiteral("Topic"), asked);
    printField(context.out, QStringLiteral("Topic title"), topic.title);
    printField(context.out, QStringLiteral("Text"), text);
    return ExitCode::Found;
}
