#include "help/winhelp/ContentsFile.h"

#include "help/winhelp/ByteReader.h"
#include "help/winhelp/Windows1252.h"

namespace WinHelp {

namespace {

// The deepest level the help workshop writes.
constexpr int MaxLevel = 9;

// The "=" that parts title and topic; "\=" is an equals sign of the title.
qsizetype topicMark(const QString& entry)
{
    for (qsizetype at = 0; at < entry.size(); ++at) {
        if (entry[at] == QLatin1Char('\\'))
            ++at;
        else if (entry[at] == QLatin1Char('='))
            return at;
    }
    return -1;
}

} // namespace

QList<ContentsLine> readContentsFile(QByteArrayView file)
{
    QList<ContentsLine> lines;
    for (const QByteArrayView rawLine : QByteArray::fromRawData(file.data(), file.size()).split('\n')) {
        const QString line = fromWindows1252(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(':')) || line.startsWith(QLatin1Char(';')))
            continue;
        bool isNumber = false;
        const int level = line.section(QLatin1Char(' '), 0, 0).toInt(&isNumber);
        if (!isNumber || level < 1 || level > MaxLevel)
            throw Damaged("a contents line without its level");
        const QString entry = line.section(QLatin1Char(' '), 1).trimmed();
        const qsizetype mark = topicMark(entry);
        ContentsLine read{level, entry.left(mark < 0 ? entry.size() : mark), {}, {}};
        read.title.replace(QStringLiteral("\\="), QStringLiteral("="));
        if (mark >= 0) {
            QString topic = entry.mid(mark + 1).trimmed();
            if (topic.startsWith(QLatin1Char('!')))
                continue;                                  // a macro
            topic = topic.section(QLatin1Char('>'), 0, 0); // without the window
            read.context = topic.section(QLatin1Char('@'), 0, 0).trimmed();
            read.file = topic.section(QLatin1Char('@'), 1).trimmed();
            if (read.context.isEmpty())
                throw Damaged("a contents line whose topic has no name");
        }
        lines << read;
    }
    return lines;
}

} // namespace WinHelp
