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
const QString ContentsOption = QStringLiteral("contents");
const QString KeywordsOption = QStringLiteral("keywords");
const QString SearchOption = QStringLiteral("search");
const QString HtmlOption = QStringLiteral("html");

// A topic as the help project wrote its context number: decimal, or hexadecimal after "0x" for the help
// IDs that have the highest bit set; or a topic target of a link ("#12", "~1A2B3C4D").
std::optional<QString> topicTarget(const QString& text)
{
    if (text.startsWith(QLatin1Char('#')) || text.startsWith(QLatin1Char('~')))
        return text;
    bool isNumber = false;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const quint32 number = text.mid(2).toUInt(&isNumber, 16);
        return isNumber ? std::optional<QString>(QString::number(qint32(number))) : std::nullopt;
    }
    const qint32 number = text.toInt(&isNumber, 10);
    return isNumber ? std::optional<QString>(QString::number(number)) : std::nullopt;
}

// A bare file name that is not in the current folder names one of the program's help files, found as the
// program finds it: beside the databases, else among the shipped files.
QString helpFilePath(const QString& given, const DataFolders& folders)
{
    if (QFileInfo::exists(given) || QFileInfo(given).fileName() != given)
        return given;
    return folders.locate(given);
}

QJsonArray linksJson(const QList<TopicLink>& links)
{
    QJsonArray shown;
    for (const TopicLink& link : links) {
        QJsonObject object{{QStringLiteral("text"), link.text}, {QStringLiteral("target"), link.target}};
        if (!link.file.isEmpty())
            object.insert(QStringLiteral("file"), link.file);
        shown << object;
    }
    return shown;
}

QJsonArray contentsJson(const QList<Manual::ContentsEntry>& entries)
{
    QJsonArray shown;
    for (const Manual::ContentsEntry& entry : entries) {
        QJsonObject object{{QStringLiteral("title"), entry.title},
                           {QStringLiteral("target"), entry.target},
                           {QStringLiteral("children"), contentsJson(entry.children)}};
        if (!entry.file.isEmpty())
            object.insert(QStringLiteral("file"), entry.file);
        shown << object;
    }
    return shown;
}

void printContents(QTextStream& out, const QList<Manual::ContentsEntry>& entries, int depth)
{
    for (const Manual::ContentsEntry& entry : entries) {
        out << QString(depth * 4, QLatin1Char(' ')) << entry.title;
        if (!entry.target.isEmpty())
            out << " ("
                << (entry.file.isEmpty() ? entry.target : entry.file + QLatin1Char(' ') + entry.target)
                << ')';
        out << '\n';
        printContents(out, entry.children, depth + 1);
    }
}

int runContents(const Manual& manual, bool json, CliContext& context)
{
    const Result<QList<Manual::ContentsEntry>> contents = manual.contents();
    if (!contents) {
        context.err << contents.error() << Qt::endl;
        return ExitCode::BadUse;
    }
    if (json)
        context.out << QJsonDocument(QJsonObject{{QStringLiteral("contents"), contentsJson(*contents)}})
                           .toJson(QJsonDocument::Indented);
    else
        printContents(context.out, *contents, 0);
    return ExitCode::Found;
}

int runKeywords(const Manual& manual, bool json, CliContext& context)
{
    const Result<QList<Manual::Keyword>> keywords = manual.keywords();
    if (!keywords) {
        context.err << keywords.error() << Qt::endl;
        return ExitCode::BadUse;
    }
    QJsonArray shown;
    for (const Manual::Keyword& keyword : *keywords) {
        if (json)
            shown << QJsonObject{{QStringLiteral("keyword"), keyword.keyword},
                                 {QStringLiteral("targets"), QJsonArray::fromStringList(keyword.targets)}};
        else
            printField(context.out, keyword.keyword, keyword.targets.join(QStringLiteral(", ")));
    }
    if (json)
        context.out << QJsonDocument(QJsonObject{{QStringLiteral("keywords"), shown}})
                           .toJson(QJsonDocument::Indented);
    return keywords->isEmpty() ? ExitCode::NotFound : ExitCode::Found;
}

int runSearch(const Manual& manual, const QString& words, bool json, CliContext& context)
{
    const QList<Manual::Found> found = manual.search(words);
    QJsonArray shown;
    for (const Manual::Found& result : found) {
        if (json) {
            shown << QJsonObject{{QStringLiteral("title"), result.title},
                                 {QStringLiteral("target"), result.target},
                                 {QStringLiteral("snippet"), result.snippet}};
        } else {
            printField(context.out, result.target, result.title + QLatin1Char('\n') + result.snippet);
        }
    }
    if (json)
        context.out
            << QJsonDocument(QJsonObject{{QStringLiteral("results"), shown}}).toJson(QJsonDocument::Indented);
    return found.isEmpty() ? ExitCode::NotFound : ExitCode::Found;
}

// The size of each picture the topic shows, or why it cannot be shown.
QJsonArray picturesOf(const Manual& manual, const Manual::Topic& topic)
{
    QJsonArray pictures;
    for (const QString& name : pictureNames(topic.fixedHtml + topic.html)) {
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
        {QStringLiteral(
             "velcarin-cli help FILE [TOPIC | --context NAME] [--json | --html OUT.html] [--data-dir DIR]"),
         QStringLiteral(
             "velcarin-cli help FILE --contents | --keywords | --search WORDS [--json] [--data-dir DIR]")},
        QStringLiteral(
            "Without a topic, the manual's contents topic. A bare file name names one of the program's "
            "manuals, looked for beside the databases and then among the shipped files."),
        {{QStringLiteral("FILE"),
          {},
          QStringLiteral("The manual, a Windows Help file such as Unitor.hlp."),
          Completion::File},
         {QStringLiteral("TOPIC"),
          {},
          QStringLiteral(
              "The topic: its context number, decimal or hexadecimal after \"0x\", or a target that "
              "--contents, --keywords, --search or a topic's links give (\"#12\", \"~1A2B3C4D\").")}},
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
         {ExitCode::NotFound, QStringLiteral("the manual has no such topic, no index, or nothing found")},
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
    const int lists = int(commandLine.isSet(ContentsOption)) + int(commandLine.isSet(KeywordsOption)) +
                      int(commandLine.isSet(SearchOption));
    std::optional<QString> target;
    if (commandLine.positional().size() == 2)
        target = topicTarget(commandLine.positional().at(1));
    if (lists > 1 ||
        (lists == 1 && (byName || commandLine.positional().size() == 2 || commandLine.isSet(HtmlOption))) ||
        (commandLine.positional().size() == 2 && (!target || byName))) {
        return commandLine.badUse(context);
    }

    const Result<std::unique_ptr<Manual>> manual = Manual::open(path);
    if (!manual) {
        context.err << manual.error() << Qt::endl;
        return ExitCode::BadUse;
    }
    if (commandLine.isSet(ContentsOption))
        return runContents(**manual, commandLine.json(), context);
    if (commandLine.isSet(KeywordsOption))
        return runKeywords(**manual, commandLine.json(), context);
    if (commandLine.isSet(SearchOption))
        return runSearch(**manual, commandLine.value(SearchOption), commandLine.json(), context);

    Result<std::optional<Manual::Topic>> found = std::optional<Manual::Topic>();
    QString asked;
    QString missing;
    const QString shownPath = QDir::toNativeSeparators(path);
    if (target) {
        found = (*manual)->topicAt(*target);
        asked = *target;
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

    if (commandLine.isSet(HtmlOption)) {
        const Result<QStringList> written = writeTopicHtml(**manual, topic, commandLine.value(HtmlOption));
        if (!written) {
            context.err << written.error() << Qt::endl;
            return ExitCode::BadUse;
        }
        for (const QString& unreadable : *written)
            context.err << unreadable << Qt::endl;
        return ExitCode::Found;
    }
    if (commandLine.json()) {
        bool isNumber = false;
        const int number = target ? target->toInt(&isNumber) : 0;
        const QJsonObject shown{
            {QStringLiteral("number"), isNumber ? QJsonValue(number) : QJsonValue()},
            {QStringLiteral("title"), topic.title},
            {QStringLiteral("text"), topic.text},
            {QStringLiteral("links"), linksJson(topic.links)},
            {QStringLiteral("pictures"), picturesOf(**manual, topic)},
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
