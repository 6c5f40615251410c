#include "cli/HelpCommand.h"

#include "help/Manual.h"
#include "help/TopicHtmlFile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString ContextOption = QStringLiteral("context");
const QString HtmlOption = QStringLiteral("html");

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

// The size of each picture the topic shows, or why it cannot be shown.
QJsonArray picturesOf(const Manual& manual, const Manual::Topic& topic)
{
    QJsonArray pictures;
    for (const QString& name : pictureNames(topic.html)) {
        const Result<Manual::Picture> picture = manual.picture(name);
        if (picture) {
            pictures.append(QJsonObject{{QStringLiteral("width"), picture->size.width()},
                                        {QStringLiteral("height"), picture->size.height()}});
        } else {
            pictures.append(QJsonObject{{QStringLiteral("error"), picture.error()}});
        }
    }
    return pictures;
}

} // namespace

const CommandHelp& helpHelp()
{
    static const CommandHelp help{
        QStringLiteral("help"),
        QStringLiteral("A topic of one of the manuals, as the help viewer shows it"),
        {QStringLiteral("velcarin-cli help FILE [NUMBER | --context NAME] [--json | --html OUT.html] [--data-dir DIR]")},
        QStringLiteral(
            "Without a topic, the manual's contents topic. A bare file name names one of the program's "
            "manuals, looked for beside the databases and then among the shipped files."),
        {{QStringLiteral("FILE"),
          {},
          QStringLiteral("The manual, a Windows Help file such as Unitor.hlp."),
          Completion::File},
         {QStringLiteral("NUMBER"),
          {},
          QStringLiteral("The topic's context number, decimal or hexadecimal after \"0x\".")}},
        {{QStringLiteral("--context"), QStringLiteral("NAME"),
          QStringLiteral("The topic of this context name.")},
         {QStringLiteral("--contents"), {}, QStringLiteral("The manual's table of contents.")},
         {QStringLiteral("--keywords"),
          {},
          QStringLiteral("The manual's index of keywords and their topics.")},
         {QStringLiteral("--search"), QStringLiteral("WORDS"),
          QStringLiteral("The topics that hold all of these words.")},
         {QStringLiteral("--html"), QStringLiteral("OUT.html"),
          QStringLiteral("Write the topic as HTML, its pictures as PNG files beside it."), Completion::File},
         jsonOption()},
        {{ExitCode::Found, QStringLiteral("the topic was shown")},
         {ExitCode::NotFound, QStringLiteral("the manual has no such topic")},
         {ExitCode::BadUse, QStringLiteral("bad use, or a manual that cannot be read")}},
        QStringLiteral("velcarin-cli help Unitor.hlp 1005"),
    };
    return help;
}

int runHelp(const QStringList& arguments, CliContext& context)
{
    CommandLine commandLine(helpHelp(), 1, 1);
    commandLine.leaveDataFolderAsItIs();
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const QString path = helpFilePath(commandLine.positional().at(0), commandLine.folders());
    const bool byName = commandLine.isSet(ContextOption);
    std::optional<qint32> number;
    if (commandLine.positional().size() == 2) {
        number = contextNumber(commandLine.positional().at(1));
        if (!number || byName)
            return commandLine.badUse(context);
    }

    QString error;
    const std::unique_ptr<Manual> manual = Manual::open(path, &error);
    std::optional<Manual::Topic> topic;
    QString asked;
    QString missing;
    const QString shownPath = QDir::toNativeSeparators(path);
    if (manual && number) {
        topic = manual->topic(*number, &error);
        asked = QString::number(*number);
        missing = QStringLiteral("%1 has no topic %2").arg(shownPath, asked);
    } else if (manual && byName) {
        asked = commandLine.value(ContextOption);
        topic = manual->topicNamed(asked, &error);
        missing = QStringLiteral("%1 has no topic named %2").arg(shownPath, asked);
    } else if (manual) {
        asked = QStringLiteral("contents");
        topic = manual->contentsTopic(&error);
        missing = QStringLiteral("%1 has no contents topic").arg(shownPath);
    }
    if (!manual || !error.isEmpty()) {
        context.err << error << Qt::endl;
        return ExitCode::BadUse;
    }
    if (!topic) {
        context.err << missing << Qt::endl;
        return ExitCode::NotFound;
    }

    if (commandLine.isSet(HtmlOption)) {
        const Result<QStringList> written = writeTopicHtml(*manual, *topic, commandLine.value(HtmlOption));
        if (!written) {
            context.err << written.error() << Qt::endl;
            return ExitCode::BadUse;
        }
        for (const QString& unreadable : *written)
            context.err << unreadable << Qt::endl;
        return ExitCode::Found;
    }
    if (commandLine.json()) {
        const QJsonObject shown{
            {QStringLiteral("number"), number ? QJsonValue(*number) : QJsonValue()},
            {QStringLiteral("title"), topic->title},
            {QStringLiteral("text"), topic->text},
            {QStringLiteral("pictures"), picturesOf(*manual, *topic)},
        };
        const QJsonObject object{{QStringLiteral("title"), manual->title()},
                                 {QStringLiteral("topic"), shown}};
        context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return ExitCode::Found;
    }
    QString text = topic->text;
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    printField(context.out, QStringLiteral("Title"), manual->title());
    printField(context.out, QStringLiteral("Topic"), asked);
    printField(context.out, QStringLiteral("Topic title"), topic->title);
    printField(context.out, QStringLiteral("Text"), text);
    return ExitCode::Found;
}
