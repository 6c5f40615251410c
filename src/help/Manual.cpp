#include "help/Manual.h"

#include "data/DatabaseFile.h"
#include "help/HelpFile.h"
#include "help/HtmlText.h"
#include "help/winhelp/Picture.h"
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
template <typename Read> auto guarded(QString* reason, Read read) -> decltype(read())
{
    try {
        return read();
    } catch (const std::bad_alloc&) {
        *reason = tr("there is not enough memory to read it");
    } catch (const std::exception& exception) {
        *reason = tr("it is damaged (%1)").arg(QString::fromLocal8Bit(exception.what()));
    }
    return {};
}

class SqliteManual : public Manual {
public:
    SqliteManual(QString path, HelpFile file)
        : m_path(std::move(path))
        , m_file(std::move(file))
    {
    }

    QString title() const override { return m_file.title(); }
    std::optional<Topic> topic(int context, QString*) const override
    {
        const std::optional<HelpFile::Topic> topic = m_file.topic(context);
        if (!topic)
            return std::nullopt;
        return Topic{topic->title, topic->html, plainTextOfHtml(topic->html)};
    }
    std::optional<Topic> topicNamed(const QString&, QString*) const override { return std::nullopt; }
    std::optional<Topic> contentsTopic(QString*) const override { return std::nullopt; }
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
    std::optional<Topic> topic(int context, QString* error) const override
    {
        return topicAt([&] { return m_file.topicForNumber(context); }, error);
    }
    std::optional<Topic> topicNamed(const QString& contextName, QString* error) const override
    {
        return topicAt([&] { return m_file.topicNamed(contextName); }, error);
    }
    std::optional<Topic> contentsTopic(QString* error) const override
    {
        return topicAt([&] { return std::optional<qsizetype>(m_file.contentsTopic()); }, error);
    }
    Result<Picture> picture(const QString& name) const override
    {
        return shownPicture(m_path, name, [&] { return m_file.picture(name); });
    }

private:
    // The topic that `find` finds, if any.
    template <typename Find> std::optional<Topic> topicAt(Find find, QString* error) const
    {
        QString reason;
        std::optional<Topic> shown = guarded(&reason, [&]() -> std::optional<Topic> {
            const std::optional<qsizetype> index = find();
            if (!index)
                return std::nullopt;
            const std::optional<WinHelpFile::Topic> topic = m_file.topic(*index, &reason);
            if (!topic)
                return std::nullopt;
            return Topic{topic->title, topic->html, topic->text};
        });
        if (!reason.isEmpty())
            *error = unreadable(m_path, reason);
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

std::unique_ptr<Manual> Manual::open(const QString& path, QString* error)
{
    const QString shown = QDir::toNativeSeparators(path);
    const DatabaseFileKind kind = probeDatabaseFile(path);
    if (kind == DatabaseFileKind::Missing || kind == DatabaseFileKind::NotAFile) {
        *error = tr("The help file %1 does not exist.").arg(shown);
        return nullptr;
    }
    if (kind == DatabaseFileKind::SQLite) {
        std::optional<HelpFile> file = HelpFile::open(path, error);
        return file ? std::make_unique<SqliteManual>(path, std::move(*file)) : nullptr;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = unreadable(path, file.errorString());
        return nullptr;
    }
    if (!WinHelpFile::hasSignature(file.peek(4))) {
        *error = tr("The help file %1 is not in the format of Velcarin's help viewer.").arg(shown);
        return nullptr;
    }
    if (file.size() > MaxWinHelpFileSize) {
        *error = unreadable(path, tr("it is larger than a help file can be"));
        return nullptr;
    }
    QString reason;
    std::optional<WinHelpFile> winHelp =
        guarded(&reason, [&] { return WinHelpFile::read(file.readAll(), &reason); });
    if (!winHelp) {
        *error = unreadable(path, reason);
        return nullptr;
    }
    return std::make_unique<WinHelpManual>(path, std::move(*winHelp));
}
