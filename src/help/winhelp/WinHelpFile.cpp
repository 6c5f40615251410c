#include "help/winhelp/WinHelpFile.h"

#include "help/winhelp/BTree.h"
#include "help/winhelp/ContextHash.h"
#include "help/winhelp/KeywordTable.h"
#include "help/winhelp/Picture.h"
#include "help/winhelp/TopicText.h"

#include <QCoreApplication>
#include <QRegularExpression>

using namespace WinHelp;

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("WinHelpFile", text);
}

QString damage(const Damaged& damaged)
{
    return tr("it is damaged (%1)").arg(QString::fromLatin1(damaged.what()));
}

QByteArrayView required(const FileSystem& files, const QString& name)
{
    const std::optional<QByteArrayView> file = files.file(name);
    if (!file)
        throw Damaged("no internal file " + name.toStdString());
    return *file;
}

} // namespace

bool WinHelpFile::hasSignature(QByteArrayView bytes)
{
    try {
        return ByteReader(bytes).dword() == FileSystem::Magic;
    } catch (const Damaged&) {
        return false;
    }
}

std::optional<WinHelpFile> WinHelpFile::read(const QByteArray& bytes, QString* error)
{
    try {
        return WinHelpFile(bytes);
    } catch (const Unsupported&) {
        *error = tr("it was made for Windows 3.0, whose help files this viewer does not read");
    } catch (const Damaged& damaged) {
        *error = damage(damaged);
    }
    return std::nullopt;
}

WinHelpFile::WinHelpFile(const QByteArray& bytes)
    : m_bytes(bytes)
    , m_fileSystem(m_bytes)
    , m_system(required(m_fileSystem, QStringLiteral("|SYSTEM")))
    , m_phrases(m_fileSystem)
    , m_topics(required(m_fileSystem, QStringLiteral("|TOPIC")), m_system, m_phrases)
{
    if (m_topics.topics().isEmpty())
        throw Damaged("no topics");
    if (const std::optional<QByteArrayView> fonts = m_fileSystem.file(QStringLiteral("|FONT")))
        m_fonts = readFonts(*fonts);
    if (const std::optional<QByteArrayView> map = m_fileSystem.file(QStringLiteral("|CTXOMAP"))) {
        ByteReader reader(*map);
        for (quint16 count = reader.word(); count > 0; --count) {
            const qint32 number = reader.signedDword();
            const qint32 offset = reader.signedDword();
            m_contextNumbers.append({number, offset});
            if (const std::optional<qsizetype> topic = m_topics.topicAt(offset);
                topic && !m_numberOfTopic.contains(*topic))
                m_numberOfTopic.insert(*topic, number);
        }
    }
    if (const std::optional<QByteArrayView> names = m_fileSystem.file(QStringLiteral("|CONTEXT"))) {
        BTree(*names).forEachEntry([this](ByteReader& entry) {
            const qint32 hash = entry.signedDword();
            m_contextNames.insert(hash, entry.signedDword());
        });
    }
}

std::optional<qsizetype> WinHelpFile::topicForNumber(qint32 number) const
{
    for (const ContextNumber& entry : m_contextNumbers) {
        if (entry.number == number)
            return m_topics.topicAt(entry.offset);
    }
    return std::nullopt;
}

std::optional<qsizetype> WinHelpFile::topicNamed(const QString& contextName) const
{
    return topicForHash(quint32(contextHash(contextName)));
}

std::optional<qsizetype> WinHelpFile::topicForHash(quint32 hash) const
{
    const auto found = m_contextNames.constFind(qint32(hash));
    if (found == m_contextNames.cend())
        return std::nullopt;
    return m_topics.topicAt(*found);
}

qsizetype WinHelpFile::contentsTopic() const
{
    const std::optional<qint32> contents = m_system.contents();
    return contents ? m_topics.topicAt(*contents).value_or(0) : 0;
}

std::optional<qsizetype> WinHelpFile::topicForTarget(const QString& target) const
{
    if (const std::optional<quint32> hash = hashOfTarget(target))
        return topicForHash(*hash);
    bool isNumber = false;
    if (target.startsWith(QLatin1Char('#'))) {
        const qsizetype place = target.mid(1).toLongLong(&isNumber);
        if (!isNumber || place < 1 || place > topicCount())
            return std::nullopt;
        return place - 1;
    }
    const qint32 number = target.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                              ? qint32(target.mid(2).toUInt(&isNumber, 16))
                              : target.toInt(&isNumber);
    return isNumber ? topicForNumber(number) : std::nullopt;
}

LinkTarget WinHelpFile::linkTarget() const
{
    return [this](quint32 hash) {
        const std::optional<qsizetype> target = topicForHash(hash);
        return target ? targetOf(*target) : hashTarget(hash);
    };
}

QString WinHelpFile::targetOf(qsizetype index) const
{
    const auto number = m_numberOfTopic.constFind(index);
    if (number != m_numberOfTopic.cend())
        return QString::number(*number);
    return QLatin1Char('#') + QString::number(index + 1);
}

QList<WinHelpFile::Keyword> WinHelpFile::keywords() const
{
    QList<Keyword> keywords;
    const std::optional<QByteArrayView> tree = m_fileSystem.file(QStringLiteral("|KWBTREE"));
    if (!tree)
        return keywords;
    for (const KeywordEntry& entry :
         readKeywordTable(*tree, required(m_fileSystem, QStringLiteral("|KWDATA")))) {
        Keyword keyword{entry.keyword, {}};
        for (const qint32 offset : entry.offsets) {
            const std::optional<qsizetype> topic = m_topics.topicAt(offset);
            if (topic && !keyword.topics.contains(*topic))
                keyword.topics << *topic;
        }
        keywords << keyword;
    }
    return keywords;
}

std::optional<WinHelpFile::Topic> WinHelpFile::topic(qsizetype index, QString* error) const
{
    const TopicFile::Topic& topic = m_topics.topics().at(index);
    try {
        const TopicText text = renderTopic(m_topics, topic, m_phrases, m_fonts, linkTarget());
        const auto browse = [this](qint32 offset) {
            return offset == -1 ? std::nullopt : m_topics.topicAt(offset);
        };
        return Topic{index,
                     topic.offset,
                     topic.title,
                     text.text,
                     text.html,
                     text.fixedHtml,
                     browse(topic.browseBack),
                     browse(topic.browseForward)};
    } catch (const Damaged& damaged) {
        *error = damage(damaged);
        return std::nullopt;
    }
}

Result<Manual::Picture> WinHelpFile::picture(const QString& name) const
{
    static const QRegularExpression bitmapFile(QStringLiteral("^bm\\d+$"));
    static const QRegularExpression embedded(QStringLiteral("^topic(\\d+)-(\\d+)$"));
    const QString none = tr("there is no picture by that name");
    if (bitmapFile.match(name).hasMatch()) {
        const std::optional<QByteArrayView> file = m_fileSystem.file(QLatin1Char('|') + name);
        return file ? readPicture(*file, linkTarget()) : Failure{none};
    }
    // A picture embedded in a topic is found again by reading the topic's text once more.
    const QRegularExpressionMatch match = embedded.match(name);
    const std::optional<qsizetype> index =
        match.hasMatch() ? m_topics.topicAt(match.captured(1).toLongLong()) : std::nullopt;
    if (!index || m_topics.topics().at(*index).offset != match.captured(1).toLongLong())
        return Failure{none};
    try {
        const TopicText text =
            renderTopic(m_topics, m_topics.topics().at(*index), m_phrases, m_fonts, linkTarget());
        const qsizetype number = match.captured(2).toLongLong();
        return number < text.embeddedPictures.size()
                   ? readPicture(text.embeddedPictures.at(number), linkTarget())
                   : Failure{none};
    } catch (const Damaged& damaged) {
        return Failure{damage(damaged)};
    }
}
