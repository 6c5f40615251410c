#include "help/Manual.h"

#include "data/DatabaseFile.h"
#include "help/HelpFile.h"
#include "help/HtmlText.h"
#include "help/winhelp/WinHelpFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <exception>
#include <new>

namespace {

// Windows Help files of real manuals stay far below this; larger files are not read into memory.
constexpr qint64 MaxWinHelpFileSize = 64 * 1024 * 1024;

QString tr(const char* text)
{
    return QCoreApplication::translate("Manual", text);
}

QString unreadable(const QString& path, const QString& reason)
{
    return tr("The help file %1 cannot be read: %2.").arg(QDir::toNativeSeparators(path), reason);
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

class SqliteManual : public Manual {
public:
    explicit SqliteManual(HelpFile file)
        : m_file(std::move(file))
    {
    }

    QString title() const override { return m_file.title(); }
    Result<std::optional<Topic>> topic(int context) const override
    {
        const std::optional<HelpFile::Topic> topic = m_file.topic(context);
        if (!topic)
            return std::optional<Topic>();
        return std::optional<Topic>(Topic{topic->title, topic->html, plainTextOfHtml(topic->html)});
    }
    Result<std::optional<Topic>> topicNamed(const QString&) const override { return std::optional<Topic>(); }
    Result<std::optional<Topic>> contentsTopic() const override { return std::optional<Topic>(); }

private:
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
    Result<std::optional<Topic>> topic(int context) const override
    {
        return topicAt([&] { return m_file.topicForNumber(context); });
    }
    Result<std::optional<Topic>> topicNamed(const QString& contextName) const override
    {
        return topicAt([&] { return m_file.topicNamed(contextName); });
    }
    Result<std::optional<Topic>> contentsTopic() const override
    {
        return topicAt([&] { return std::optional<qsizetype>(m_file.contentsTopic()); });
    }

private:
    // The topic that `find` finds, if any.
    template <typename Find> Result<std::optional<Topic>> topicAt(Find find) const
    {
        Result<std::optional<Topic>> shown = guarded([&]() -> Result<std::optional<Topic>> {
            const std::optional<qsizetype> index = find();
            if (!index)
                return std::optional<Topic>();
            QString reason;
            const std::optional<WinHelpFile::Topic> topic = m_file.topic(*index, &reason);
            if (!topic)
                return Failure{reason};
            return std::optional<Topic>(Topic{topic->title, topic->html, topic->text});
        });
        if (!shown)
            return Failure{unreadable(m_path, shown.error())};
        return shown;
    }

    QString m_path;
    WinHelpFile m_file;
};

} // namespace

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
        return std::unique_ptr<Manual>(std::make_unique<SqliteManual>(std::move(*file)));
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
