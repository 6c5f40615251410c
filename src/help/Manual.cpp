#include "help/Manual.h"

#include "data/DatabaseFile.h"
#include "help/HelpFile.h"
#include "help/HtmlText.h"
#include "help/winhelp/ContentsFile.h"
#include "help/winhelp/ContextHash.h"
#include "help/winhelp/Picture.h"
#include "help/winhelp/WinHelpFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <exception>
#include <new>

namespace {

// Windows Help files of real manuals stay far below this; larger files are not read into memory.
constexpr qint64 MaxWinHelpFileSize = 64 * 1024 * 1024;
constexpr qint64 MaxContentsFileSize = 4 * 1024 * 1024;

QString tr(const char* text)
{
    return QCoreApplication::translate("Manual", text);
}

QString unreadable(const QString& path, const QString& reason)
{
    return tr("The help file %1 cannot be read: %2.").arg(QDir::toNativeSeparators(path), reason);
}

// A picture as read, or why it cannot be shown. Memory running out while it is read refuses the picture
// alone; the rest of the manual still shows.
template <typename Read>
Result<Manual::Picture> shownPicture(const QString& path, const QString& name, Read read)
{
    Result<Manual::Picture> picture = Failure{tr("there is not enough memory to read it")};
    try {
        picture = read();
    } catch (const std::bad_alloc&) {
    }
    if (picture)
        return picture;
    return Failure{tr("The picture %1 of the help file %2 cannot be shown: %3.")
                       .arg(name, QDir::toNativeSeparators(path), picture.error())};
}

// Runs a read of the Windows Help reader, which turns damage into a reason itself. Anything else that it
// throws, such as memory running out on a hostile file, still refuses the file with a reason: a manual
// never ends the program.
template <typename Read> auto guarded(Read read) -> decltype(read())
{
    try {
        return read();
    } catch (const std::bad_alloc&) {
        return Failure{tr("there is not enough memory to read it")};
    } catch (const std::exception& exception) {
        return Failure{tr("it is damaged (%1)").arg(QString::fromLocal8Bit(exception.what()))};
    }
}

// The contents of a manual without a contents file: its contents topic first, then every topic by its
// title. Topics without a title, popups mostly, are left out.
QList<Manual::ContentsEntry> contentsOfHeadings(const QList<Manual::Heading>& headings, const QString& first)
{
    QList<Manual::ContentsEntry> contents;
    for (const Manual::Heading& heading : headings) {
        if (heading.title.isEmpty())
            continue;
        const Manual::ContentsEntry entry{heading.title, heading.target, {}, {}};
        if (heading.target == first)
            contents.prepend(entry);
        else
            contents.append(entry);
    }
    return contents;
}

// A few words of a text around the first place a word stands.
QString snippetAround(const QString& text, qsizetype at)
{
    constexpr qsizetype Before = 40;
    constexpr qsizetype Length = 120;
    const qsizetype start = std::max<qsizetype>(0, at - Before);
    QString snippet = text.mid(start, Length).simplified();
    if (start > 0)
        snippet.prepend(QStringLiteral("\u2026"));
    if (start + Length < text.size())
        snippet.append(QStringLiteral("\u2026"));
    return snippet;
}

class SqliteManual : public Manual {
public:
    SqliteManual(QString path, HelpFile file)
        : m_path(std::move(path))
        , m_file(std::move(file))
    {
    }

    QString title() const override { return m_file.title(); }
    Result<std::optional<Topic>> topicAt(const QString& target) const override
    {
        bool isNumber = false;
        const int context = target.toInt(&isNumber);
        const std::optional<HelpFile::Topic> topic = isNumber ? m_file.topic(context) : std::nullopt;
        if (!topic)
            return std::optional<Topic>();
        return std::optional<Topic>(Topic{topic->title,
                                          topic->html,
                                          plainTextOfHtml(topic->html),
                                          {},
                                          target,
                                          {},
                                          {},
                                          TopicLink::linksOf(topic->html)});
    }
    Result<std::optional<Topic>> topicNamed(const QString&) const override { return std::optional<Topic>(); }
    Result<std::optional<Topic>> contentsTopic() const override { return std::optional<Topic>(); }
    QList<Heading> headings() const override
    {
        QList<Heading> headings;
        for (const HelpFile::Topic& topic : m_file.titles())
            headings << Heading{topic.title, QString::number(topic.context)};
        return headings;
    }
    Result<QList<Keyword>> keywords() const override
    {
        const auto read = m_file.keywords();
        if (!read)
            return Failure{read.error()};
        QList<Keyword> keywords;
        for (const auto& [keyword, contexts] : *read) {
            QStringList targets;
            for (const int context : contexts)
                targets << QString::number(context);
            keywords << Keyword{keyword, targets};
        }
        return keywords;
    }
    Result<Picture> picture(const QString& name) const override
    {
        return shownPicture(m_path, name, [&]() -> Result<Picture> {
            const Result<QByteArray> bitmap = m_file.bitmap(name);
            return bitmap ? WinHelp::readBitmapFile(*bitmap) : Failure{bitmap.error()};
        });
    }

private:
    QString m_path;
    HelpFile m_file;
};

class WinHelpManual : public Manual {
public:
    WinHelpManual(QString path, WinHelpFile file)
        : m_path(std::move(path))
        , m_file(std::move(file))
    {
    }

    QString title() const override { return m_file.title(); }
    Result<std::optional<Topic>> topicAt(const QString& target) const override
    {
        return shownTopic([&] { return m_file.topicForTarget(target); });
    }
    Result<std::optional<Topic>> topicNamed(const QString& contextName) const override
    {
        return shownTopic([&] { return m_file.topicNamed(contextName); });
    }
    Result<std::optional<Topic>> contentsTopic() const override
    {
        return shownTopic([&] { return std::optional<qsizetype>(m_file.contentsTopic()); });
    }
    QList<Heading> headings() const override
    {
        QList<Heading> headings;
        for (qsizetype index = 0; index < m_file.topicCount(); ++index)
            headings << Heading{m_file.topicTitle(index), m_file.targetOf(index)};
        return headings;
    }
    Result<QList<ContentsEntry>> contents() const override
    {
        const QString contentsFile = contentsFilePath();
        if (contentsFile.isEmpty())
            return Manual::contents();
        QFile file(contentsFile);
        if (file.size() > MaxContentsFileSize || !file.open(QIODevice::ReadOnly))
            return Failure{
                tr("The contents file %1 cannot be read.").arg(QDir::toNativeSeparators(contentsFile))};
        const Result<QList<ContentsEntry>> contents = guarded([&]() -> Result<QList<ContentsEntry>> {
            return treeOf(WinHelp::readContentsFile(file.readAll()));
        });
        if (!contents)
            return Failure{tr("The contents file %1 cannot be read: %2.")
                               .arg(QDir::toNativeSeparators(contentsFile), contents.error())};
        return contents;
    }
    Result<QList<Keyword>> keywords() const override
    {
        const Result<QList<Keyword>> keywords = guarded([&]() -> Result<QList<Keyword>> {
            QList<Keyword> keywords;
            for (const WinHelpFile::Keyword& keyword : m_file.keywords()) {
                QStringList targets;
                for (const qsizetype topic : keyword.topics)
                    targets << m_file.targetOf(topic);
                keywords << Keyword{keyword.keyword, targets};
            }
            return keywords;
        });
        if (!keywords)
            return Failure{tr("The index of the help file %1 cannot be read: %2.")
                               .arg(QDir::toNativeSeparators(m_path), keywords.error())};
        return keywords;
    }
    Result<Picture> picture(const QString& name) const override
    {
        return shownPicture(m_path, name, [&] { return m_file.picture(name); });
    }

private:
    // The contents file of the help project beside the help file, by the same name in any case.
    QString contentsFilePath() const
    {
        const QFileInfo help(m_path);
        const QString wanted = help.completeBaseName() + QStringLiteral(".cnt");
        for (const QFileInfo& file : help.dir().entryInfoList(QDir::Files)) {
            if (file.fileName().compare(wanted, Qt::CaseInsensitive) == 0)
                return file.filePath();
        }
        return {};
    }
    // The lines of a contents file as a tree, each entry under the last one a level above it.
    QList<ContentsEntry> treeOf(const QList<WinHelp::ContentsLine>& lines) const
    {
        QList<ContentsEntry> root;
        QList<QList<ContentsEntry>*> levels{&root};
        for (const WinHelp::ContentsLine& line : lines) {
            ContentsEntry entry{line.title, {}, line.file, {}};
            if (!line.context.isEmpty()) {
                const std::optional<qsizetype> topic =
                    line.file.isEmpty() ? m_file.topicNamed(line.context) : std::nullopt;
                entry.target = topic ? m_file.targetOf(*topic)
                                     : WinHelp::hashTarget(quint32(WinHelp::contextHash(line.context)));
            }
            const qsizetype depth = std::clamp<qsizetype>(line.level, 1, levels.size());
            levels.resize(depth);
            levels.last()->append(entry);
            if (entry.target.isEmpty())
                levels.append(&levels.last()->last().children);
        }
        return root;
    }
    // The topic that `find` finds, if any.
    template <typename Find> Result<std::optional<Topic>> shownTopic(Find find) const
    {
        Result<std::optional<Topic>> shown = guarded([&]() -> Result<std::optional<Topic>> {
            const std::optional<qsizetype> index = find();
            if (!index)
                return std::optional<Topic>();
            QString reason;
            const std::optional<WinHelpFile::Topic> topic = m_file.topic(*index, &reason);
            if (!topic)
                return Failure{reason};
            const auto targetOf = [this](const std::optional<qsizetype>& topic) {
                return topic ? m_file.targetOf(*topic) : QString();
            };
            return std::optional<Topic>(Topic{topic->title, topic->html, topic->text, topic->fixedHtml,
                                              m_file.targetOf(*index), targetOf(topic->browseBack),
                                              targetOf(topic->browseForward),
                                              TopicLink::linksOf(topic->fixedHtml + topic->html)});
        });
        if (!shown)
            return Failure{unreadable(m_path, shown.error())};
        return shown;
    }

    QString m_path;
    WinHelpFile m_file;
};

} // namespace

Result<QList<Manual::ContentsEntry>> Manual::contents() const
{
    const Result<std::optional<Topic>> first = contentsTopic();
    return contentsOfHeadings(headings(), first && *first ? (*first)->target : QString());
}

QList<Manual::Found> Manual::search(const QString& words) const
{
    const QStringList wanted = words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<Found> found;
    if (wanted.isEmpty())
        return found;
    for (const Heading& heading : headings()) {
        const Result<std::optional<Topic>> topic = topicAt(heading.target);
        if (!topic || !*topic)
            continue;
        const QString& text = (*topic)->text;
        const bool holdsAll = std::all_of(wanted.cbegin(), wanted.cend(), [&](const QString& word) {
            return text.contains(word, Qt::CaseInsensitive);
        });
        if (holdsAll)
            found << Found{(*topic)->title.isEmpty() ? heading.target : (*topic)->title, heading.target,
                           snippetAround(text, text.indexOf(wanted.first(), 0, Qt::CaseInsensitive))};
    }
    return found;
}

Result<Manual::Picture> Manual::picture(const QString& name) const
{
    return Failure{tr("The help file has no picture %1.").arg(name)};
}

Result<std::unique_ptr<Manual>> Manual::open(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const DatabaseFileKind kind = probeDatabaseFile(path);
    if (kind == DatabaseFileKind::Missing || kind == DatabaseFileKind::NotAFile)
        return Failure{tr("The help file %1 does not exist.").arg(shown)};
    if (kind == DatabaseFileKind::SQLite) {
        QString error;
        std::optional<HelpFile> file = HelpFile::open(path, &error);
        if (!file)
            return Failure{error};
        return std::unique_ptr<Manual>(std::make_unique<SqliteManual>(path, std::move(*file)));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{unreadable(path, file.errorString())};
    if (!WinHelpFile::hasSignature(file.peek(4)))
        return Failure{tr("The help file %1 is not in the format of Velcarin's help viewer.").arg(shown)};
    if (file.size() > MaxWinHelpFileSize)
        return Failure{unreadable(path, tr("it is larger than a help file can be"))};
    Result<WinHelpFile> winHelp = guarded([&]() -> Result<WinHelpFile> {
        QString reason;
        std::optional<WinHelpFile> read = WinHelpFile::read(file.readAll(), &reason);
        if (!read)
            return Failure{reason};
        return std::move(*read);
    });
    if (!winHelp)
        return Failure{unreadable(path, winHelp.error())};
    return std::unique_ptr<Manual>(std::make_unique<WinHelpManual>(path, std::move(*winHelp)));
}
