#include "help/winhelp/WinHelpFile.h"

#include "help/winhelp/BTree.h"
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

// The hash by which |CONTEXT knows a context name; letters of either case count alike.
qint32 contextHash(const QString& name)
{
    static constexpr quint8 Values[256] = {
        0x00, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF,
        0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xEA, 0xEB, 0xEC, 0xED, 0xEE, 0xEF,
        0xF0, 0x0B, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0x0C, 0xFF,
        0x0A, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F,
        0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F,
        0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0D,
        0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F,
        0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F,
        0x50, 0x51, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x5B, 0x5C, 0x5D, 0x5E, 0x5F,
        0x60, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x6F,
        0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x7B, 0x7C, 0x7D, 0x7E, 0x7F,
        0x80, 0x81, 0x82, 0x83, 0x0B, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x8D, 0x8E, 0x8F,
        0x90, 0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9A, 0x9B, 0x9C, 0x9D, 0x9E, 0x9F,
        0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xAB, 0xAC, 0xAD, 0xAE, 0xAF,
        0xB0, 0xB1, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF,
        0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xCB, 0xCC, 0xCD, 0xCE, 0xCF,
    };
    if (name.isEmpty())
        return 1;
    quint32 hash = 0;
    for (const char byte : name.toLatin1()) // each value counts as a signed byte
        hash = hash * 43 + quint32(qint32(qint8(Values[quint8(byte)])));
    return qint32(hash);
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
        m_fontAttributes = readFontAttributes(*fonts);
    if (const std::optional<QByteArrayView> map = m_fileSystem.file(QStringLiteral("|CTXOMAP"))) {
        ByteReader reader(*map);
        for (quint16 count = reader.word(); count > 0; --count) {
            const qint32 number = reader.signedDword();
            m_contextNumbers.append({number, reader.signedDword()});
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
    const auto found = m_contextNames.constFind(contextHash(contextName));
    if (found == m_contextNames.cend())
        return std::nullopt;
    return m_topics.topicAt(*found);
}

qsizetype WinHelpFile::contentsTopic() const
{
    const std::optional<qint32> contents = m_system.contents();
    return contents ? m_topics.topicAt(*contents).value_or(0) : 0;
}

std::optional<WinHelpFile::Topic> WinHelpFile::topic(qsizetype index, QString* error) const
{
    const TopicFile::Topic& topic = m_topics.topics().at(index);
    try {
        const TopicText text = renderTopic(m_topics, topic, m_phrases, m_fontAttributes);
        return Topic{index, topic.offset, topic.title, text.text, text.html};
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
        return file ? readPicture(*file) : Failure{none};
    }
    // A picture embedded in a topic is found again by reading the topic's text once more.
    const QRegularExpressionMatch match = embedded.match(name);
    const std::optional<qsizetype> index =
        match.hasMatch() ? m_topics.topicAt(match.captured(1).toLongLong()) : std::nullopt;
    if (!index || m_topics.topics().at(*index).offset != match.captured(1).toLongLong())
        return Failure{none};
    try {
        const TopicText text =
            renderTopic(m_topics, m_topics.topics().at(*index), m_phrases, m_fontAttributes);
        const qsizetype number = match.captured(2).toLongLong();
        return number < text.embeddedPictures.size() ? readPicture(text.embeddedPictures.at(number))
                                                     : Failure{none};
    } catch (const Damaged& damaged) {
        return Failure{damage(damaged)};
    }
}
