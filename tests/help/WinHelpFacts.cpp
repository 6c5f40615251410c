#include "WinHelpFacts.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace {

qint64 number(const QString& text)
{
    bool ok = false;
    const qint64 value =
        text.startsWith(QLatin1String("0x")) ? text.mid(2).toLongLong(&ok, 16) : text.toLongLong(&ok, 10);
    if (!ok)
        qFatal("not a number: %s", qPrintable(text));
    return value;
}

// The text between the first and the last double quote of a line.
QString quoted(const QString& line)
{
    const qsizetype first = line.indexOf(QLatin1Char('"'));
    const qsizetype last = line.lastIndexOf(QLatin1Char('"'));
    if (first < 0 || last <= first)
        qFatal("no quoted text in: %s", qPrintable(line));
    return line.mid(first + 1, last - first - 1);
}

// A quoted text with JSON escapes ("\n", "\t").
QString unescaped(const QString& line)
{
    const QJsonDocument document =
        QJsonDocument::fromJson(QStringLiteral("[\"%1\"]").arg(quoted(line)).toUtf8());
    if (!document.isArray())
        qFatal("not an escaped text: %s", qPrintable(line));
    return document.array().at(0).toString();
}

void require(bool understood, const QString& line)
{
    if (!understood)
        qFatal("a line of a description not understood: %s", qPrintable(line));
}

QRegularExpressionMatch match(const QString& pattern, const QString& line)
{
    return QRegularExpression(pattern).match(line);
}

} // namespace

WinHelpFacts WinHelpFacts::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(path));
    WinHelpFacts facts;
    QString section;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('['))) {
            section = line.mid(1, line.indexOf(QLatin1Char(']')) - 1);
            if (section == QLatin1String("ctxomap"))
                facts.contextCount = int(number(match(QStringLiteral("# (\\d+) entries"), line).captured(1)));
            continue;
        }
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QRegularExpressionMatch found;
        if (section == QLatin1String("file")) {
            if ((found = match(QStringLiteral("^size_bytes: (\\d+)"), line)).hasMatch())
                facts.size = number(found.captured(1));
            else if ((found = match(QStringLiteral("^sha256: ([0-9a-f]+)"), line)).hasMatch())
                facts.sha256 = found.captured(1).toLatin1();
            else if ((found = match(
                          QStringLiteral("^header_directory_start: (0x[0-9A-F]+) +header_entire_file_size: "
                                         "(\\d+)"),
                          line))
                         .hasMatch()) {
                facts.directoryStart = qint32(number(found.captured(1)));
                facts.entireFileSize = number(found.captured(2));
            } else if ((found = match(QStringLiteral("^directory_btree: page_size=(\\d+) levels=(\\d+) "
                                                     "entries=(\\d+) structure=(\\w+)"),
                                      line))
                           .hasMatch()) {
                facts.directoryPageSize = int(number(found.captured(1)));
                facts.directoryLevels = int(number(found.captured(2)));
                facts.directoryEntries = int(number(found.captured(3)));
                facts.directoryStructure = found.captured(4).toLatin1();
            }
        } else if (section == QLatin1String("version")) {
            if ((found = match(QStringLiteral("minor: (\\d+) +major: (\\d+)"), line)).hasMatch()) {
                facts.minorVersion = int(number(found.captured(1)));
                facts.majorVersion = int(number(found.captured(2)));
            } else if ((found = match(QStringLiteral("^system_flags: (0x[0-9A-F]+)"), line)).hasMatch()) {
                facts.flags = int(number(found.captured(1)));
            } else if ((found = match(QStringLiteral("^phrase_compression: (none|\\|\\w+)"), line))
                           .hasMatch()) {
                facts.phraseCompression = found.captured(1);
            } else if ((found = match(QStringLiteral("^gendate: (\\d+)"), line)).hasMatch()) {
                facts.generated = number(found.captured(1));
            }
        } else if (section == QLatin1String("internal_files")) {
            found = match(QStringLiteral("^(\\S+) +(0x[0-9A-F]+) +(\\d+)$"), line);
            require(found.hasMatch(), line);
            facts.internalFiles.append(
                {found.captured(1), qint32(number(found.captured(2))), qint32(number(found.captured(3)))});
        } else if (section == QLatin1String("system_records")) {
            if (line.startsWith(QLatin1String("title: "))) {
                facts.title = quoted(line);
                continue;
            }
            found = match(QStringLiteral("^ *(\\d+) [A-Z_]+( \\(macro\\))?: (.*)$"), line);
            require(found.hasMatch(), line);
            SystemRecord record{int(number(found.captured(1))), {}, false};
            const QString value = found.captured(3);
            QRegularExpressionMatch detail;
            if (value.startsWith(QLatin1Char('"'))) {
                record.data = quoted(value).toLatin1();
                record.isText = true;
            } else if ((detail = match(QStringLiteral("^topic offset (0x[0-9A-F]+)$"), value)).hasMatch()) {
                const quint32 offset = quint32(number(detail.captured(1)));
                for (int byte = 0; byte < 4; ++byte)
                    record.data.append(char(offset >> (8 * byte)));
            } else if ((detail = match(QStringLiteral("^\\d+ bytes: ([0-9a-f ]+)$"), value)).hasMatch()) {
                record.data = QByteArray::fromHex(detail.captured(1).toLatin1());
            } else {
                require(false, line);
            }
            facts.systemRecords.append(record);
        } else if (section == QLatin1String("ctxomap")) {
            found = match(QStringLiteral("^ *(-?\\d+) \\(0x[0-9A-F]+\\) -> (0x[0-9A-F]+) +resolved: "
                                         "(?:topic #(\\d+) \\(header offset (0x[0-9A-F]+)[^)]*\\) "
                                         "title=\"([^\"]*)\"(?: +name=(\\S+))?|NONE)"),
                          line);
            require(found.hasMatch(), line);
            ContextNumber entry;
            entry.number = qint32(number(found.captured(1)));
            entry.offset = qint32(quint32(number(found.captured(2))));
            if (found.hasCaptured(3)) {
                entry.topic = int(number(found.captured(3)));
                entry.headerOffset = number(found.captured(4));
                entry.title = found.captured(5);
                entry.name = found.captured(6);
            }
            facts.contextNumbers.append(entry);
        } else if (section == QLatin1String("sample_topics")) {
            if (line.startsWith(QLatin1String("-- "))) {
                SampleTopic sample;
                if ((found = match(QStringLiteral("^-- map number (-?\\d+) "), line)).hasMatch())
                    sample.number = qint32(number(found.captured(1)));
                else
                    require(line.startsWith(QLatin1String("-- CONTENTS topic")), line);
                facts.sampleTopics.append(sample);
            } else if ((found = match(QStringLiteral("^ +topic #(\\d+), title"), line)).hasMatch()) {
                facts.sampleTopics.last().topic = int(number(found.captured(1)));
                facts.sampleTopics.last().title = quoted(line);
            } else if (line.startsWith(QLatin1String("   text: "))) {
                facts.sampleTopics.last().text = unescaped(line);
            } else {
                require(line.startsWith(QLatin1String("   no topic")), line);
            }
        } else if (section == QLatin1String("provenance_of_facts")) {
            if ((found = match(QStringLiteral("^- topic texts: .*(?:all|of) (\\d+) topics"), line))
                    .hasMatch())
                facts.topicCount = int(number(found.captured(1)));
        }
    }
    return facts;
}
