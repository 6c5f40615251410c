#include "WinHelpFacts.h"
#include "help/winhelp/BTree.h"
#include "help/winhelp/WinHelpFile.h"
#include "support/TestMain.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

namespace {

QString testFile(const QString& name)
{
    return qEnvironmentVariable("VELCARIN_TEST_DATA") + QStringLiteral("/winhelp/") + name;
}

QByteArray bytesOf(const QString& name)
{
    QFile file(testFile(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(name));
    return file.readAll();
}

WinHelpFile readHelpFile(const QByteArray& bytes)
{
    QString error;
    std::optional<WinHelpFile> file = WinHelpFile::read(bytes, &error);
    if (!file)
        qFatal("the help file cannot be read: %s", qPrintable(error));
    return std::move(*file);
}

WinHelpFile::Topic topicOf(const WinHelpFile& file, qsizetype index)
{
    QString error;
    const std::optional<WinHelpFile::Topic> topic = file.topic(index, &error);
    if (!topic)
        qFatal("topic %lld cannot be read: %s", qlonglong(index), qPrintable(error));
    return *topic;
}

// What goes wrong when reading the bytes and every topic of them; empty when nothing does.
QString failureOf(const QByteArray& bytes)
{
    QString error;
    const std::optional<WinHelpFile> file = WinHelpFile::read(bytes, &error);
    for (qsizetype index = 0; file && index < file->topicCount() && error.isEmpty(); ++index)
        file->topic(index, &error);
    return error;
}

QByteArray le16(int value)
{
    QByteArray bytes;
    bytes.append(char(value & 0xFF));
    bytes.append(char(value >> 8 & 0xFF));
    return bytes;
}

QByteArray le32(qint64 value)
{
    return le16(int(value & 0xFFFF)) + le16(int(value >> 16 & 0xFFFF));
}

// The packed integers of topic records, for values that fit their short form.
QByteArray packedWord(int value)
{
    return QByteArray(1, char(value * 2));
}

QByteArray packedSignedDword(int value)
{
    return le16((value + 0x4000) * 2);
}

// Texts one after the other, each ended by a NUL.
QByteArray strings(std::initializer_list<const char*> texts)
{
    QByteArray joined;
    for (const char* text : texts)
        joined += QByteArray(text) + '\0';
    return joined;
}

// The layout of a paragraph with nothing but defaults.
QByteArray paragraph()
{
    return QByteArray(4, '\0') + le16(0);
}

// A small Windows Help file made here: a title, fonts, one stored block of topic links, no phrases.
class HelpFileBuilder {
public:
    void addTopic(const QByteArray& title)
    {
        m_links.append({0x02, QByteArray(28, '\0'), title + '\0', int(title.size() + 1)});
    }
    // A text link (0x20) or table link (0x23): its formatting after the two packed sizes, and its strings.
    // `textSize`, when larger than the strings stored, marks them as phrase-compressed.
    void addText(const QByteArray& formatting, const QByteArray& strings, quint8 type = 0x20,
                 int textSize = -1)
    {
        const int size = textSize < 0 ? int(strings.size()) : textSize;
        m_links.append({type, packedSignedDword(0) + packedWord(size) + formatting, strings, size});
    }
    void addFont(quint8 attributes) { m_fonts.append(attributes); }
    void addFile(const QByteArray& name, const QByteArray& content) { m_files.append({name, content}); }

    QByteArray build() const
    {
        QByteArray links;
        for (qsizetype index = 0; index < m_links.size(); ++index) {
            const Link& link = m_links[index];
            const qsizetype size = 21 + link.formatting.size() + link.text.size();
            const qint64 next = index + 1 < m_links.size() ? 12 + links.size() + size : -1;
            links += le32(size) + le32(link.textSize) + le32(-1) + le32(next) +
                     le32(21 + link.formatting.size()) + char(link.type) + link.formatting + link.text;
        }
        QByteArray fonts =
            le16(1) + le16(int(m_fonts.size())) + le16(8) + le16(14) + QByteArray("Arial\0", 6);
        for (const quint8 attributes : m_fonts)
            fonts += char(attributes) + QByteArray(10, '\0');
        const QByteArray system = le16(0x036C) + le16(33) + le16(1) + le32(0) + le16(0) + le16(1) + le16(10) +
                                  QByteArray("Made here\0", 10);
        return withDirectory(
            QList<std::pair<QByteArray, QByteArray>>{
                {"|FONT", fonts}, {"|SYSTEM", system}, {"|TOPIC", le32(-1) + le32(12) + le32(12) + links}} +
            m_files);
    }

private:
    struct Link {
        quint8 type;
        QByteArray formatting;
        QByteArray text;
        int textSize;
    };

    static QByteArray internalFile(const QByteArray& content)
    {
        return le32(content.size() + 9) + le32(content.size()) + char(0) + content;
    }
    static QByteArray withDirectory(const QList<std::pair<QByteArray, QByteArray>>& files)
    {
        QByteArray body;
        QByteArray entries;
        for (const auto& [name, content] : files) {
            entries += name + '\0' + le32(16 + body.size());
            body += internalFile(content);
        }
        QByteArray page = le16(0) + le16(int(files.size())) + le16(-1) + le16(-1) + entries;
        page.resize(1024, '\0');
        const QByteArray tree = le16(0x293B) + le16(0x0402) + le16(1024) +
                                QByteArray("z4").leftJustified(16, '\0') + le16(0) + le16(0) + le16(0) +
                                le16(-1) + le16(1) + le16(1) + le32(files.size()) + page;
        const QByteArray directory = internalFile(tree);
        const qsizetype size = 16 + body.size() + directory.size();
        return le32(0x00035F3F) + le32(16 + body.size()) + le32(-1) + le32(size) + body + directory;
    }

    QList<Link> m_links;
    QList<quint8> m_fonts;
    QList<std::pair<QByteArray, QByteArray>> m_files;
};

} // namespace

// The Windows Help reader on four real help files, each checked against the description of an independent
// dissector, and on files made or damaged here.
class TestWinHelp : public QObject {
    Q_OBJECT

private:
    static void everyFile()
    {
        QTest::addColumn<QString>("file");
        for (const char* name : {"StatList.hlp", "TSTCON32.HLP", "winfile.hlp", "wxhelp_doc.hlp"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

private Q_SLOTS:
    void fileSystem_data() { everyFile(); }
    void fileSystem()
    {
        QFETCH(QString, file);
        const WinHelpFacts facts = WinHelpFacts::read(testFile(file + QStringLiteral(".expected.txt")));
        const QByteArray bytes = bytesOf(file);
        QCOMPARE(bytes.size(), facts.size);
        QCOMPARE(facts.entireFileSize, facts.size);
        QCOMPARE(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex(), facts.sha256);
        QVERIFY(WinHelpFile::hasSignature(bytes));

        const WinHelpFile help = readHelpFile(bytes);
        QCOMPARE(help.fileSystem().directoryStart(), facts.directoryStart);
        const WinHelp::BTree directory(help.fileSystem().directory());
        QCOMPARE(directory.pageSize(), facts.directoryPageSize);
        QCOMPARE(directory.levels(), facts.directoryLevels);
        QCOMPARE(directory.entryCount(), facts.directoryEntries);
        QCOMPARE(directory.structure(), facts.directoryStructure);
        const QList<WinHelp::FileSystem::Entry>& entries = help.fileSystem().entries();
        QCOMPARE(entries.size(), facts.internalFiles.size());
        for (qsizetype index = 0; index < entries.size(); ++index) {
            QCOMPARE(entries[index].name, facts.internalFiles[index].name);
            QCOMPARE(entries[index].offset, facts.internalFiles[index].offset);
            QCOMPARE(entries[index].usedSpace, facts.internalFiles[index].usedSpace);
        }
    }

    void systemFile_data() { everyFile(); }
    void systemFile()
    {
        QFETCH(QString, file);
        const WinHelpFacts facts = WinHelpFacts::read(testFile(file + QStringLiteral(".expected.txt")));
        const WinHelpFile help = readHelpFile(bytesOf(file));
        QCOMPARE(help.system().minorVersion(), facts.minorVersion);
        QCOMPARE(help.system().majorVersion(), facts.majorVersion);
        QCOMPARE(help.system().flags(), facts.flags);
        QCOMPARE(help.system().generated(), facts.generated);
        const QHash<QString, WinHelp::PhraseTable::Kind> compression{
            {QStringLiteral("none"), WinHelp::PhraseTable::Kind::None},
            {QStringLiteral("|Phrases"), WinHelp::PhraseTable::Kind::Phrases},
            {QStringLiteral("|PhrIndex"), WinHelp::PhraseTable::Kind::Hall},
        };
        QVERIFY(compression.contains(facts.phraseCompression));
        QCOMPARE(help.phraseCompression(), compression.value(facts.phraseCompression));
        QCOMPARE(help.title(), facts.title);

        const QList<WinHelp::SystemFile::Record>& records = help.system().records();
        QCOMPARE(records.size(), facts.systemRecords.size());
        for (const WinHelpFacts::SystemRecord& expected : facts.systemRecords) {
            const bool found = std::any_of(records.cbegin(), records.cend(), [&](const auto& record) {
                const QByteArray data =
                    expected.isText ? record.data.left(record.data.indexOf('\0')) : record.data;
                return record.type == expected.type && data == expected.data;
            });
            QVERIFY2(found,
                     qPrintable(QStringLiteral("record %1: %2").arg(expected.type).arg(expected.data)));
        }
    }

    void contextNumbers_data() { everyFile(); }
    void contextNumbers()
    {
        QFETCH(QString, file);
        const WinHelpFacts facts = WinHelpFacts::read(testFile(file + QStringLiteral(".expected.txt")));
        const WinHelpFile help = readHelpFile(bytesOf(file));
        QCOMPARE(help.topicCount(), facts.topicCount);
        QCOMPARE(facts.contextNumbers.size(), facts.contextCount);
        QCOMPARE(help.contextNumbers().size(), facts.contextCount);
        for (qsizetype index = 0; index < facts.contextNumbers.size(); ++index) {
            const WinHelpFacts::ContextNumber& expected = facts.contextNumbers[index];
            const QString row = QString::number(expected.number);
            QCOMPARE(help.contextNumbers()[index].number, expected.number);
            QCOMPARE(help.contextNumbers()[index].offset, expected.offset);
            const std::optional<qsizetype> topic = help.topicForNumber(expected.number);
            QVERIFY2(topic.has_value() == expected.topic.has_value(), qPrintable(row));
            if (!topic)
                continue;
            QCOMPARE(*topic, *expected.topic);
            const WinHelpFile::Topic shown = topicOf(help, *topic);
            QCOMPARE(shown.offset, expected.headerOffset);
            QCOMPARE(shown.title, expected.title);
            if (!expected.name.isEmpty()) {
                QCOMPARE(help.topicNamed(expected.name), topic);
                QCOMPARE(help.topicNamed(expected.name.toUpper()), topic);
            }
        }
        QCOMPARE(help.topicForNumber(123456789), std::nullopt);
        QCOMPARE(help.topicNamed(QStringLiteral("no_such_context")), std::nullopt);
    }

    void sampleTopics_data() { everyFile(); }
    void sampleTopics()
    {
        QFETCH(QString, file);
        const WinHelpFacts facts = WinHelpFacts::read(testFile(file + QStringLiteral(".expected.txt")));
        const WinHelpFile help = readHelpFile(bytesOf(file));
        QVERIFY(!facts.sampleTopics.isEmpty());
        for (const WinHelpFacts::SampleTopic& sample : facts.sampleTopics) {
            const std::optional<qsizetype> topic =
                sample.number ? help.topicForNumber(*sample.number) : help.contentsTopic();
            QCOMPARE(topic.has_value(), sample.topic.has_value());
            if (!topic)
                continue;
            QCOMPARE(*topic, *sample.topic);
            const WinHelpFile::Topic shown = topicOf(help, *topic);
            QCOMPARE(shown.title, sample.title);
            // The descriptions give the first 200 characters.
            if (sample.text.size() < 200)
                QCOMPARE(shown.text, sample.text);
            else
                QCOMPARE(shown.text.left(sample.text.size()), sample.text);
        }
    }

    void rendersWhatTheFormatMarks()
    {
        const WinHelpFile winfile = readHelpFile(bytesOf(QStringLiteral("winfile.hlp")));
        // "Open": a heading in a bold font, then plain text.
        QVERIFY(
            topicOf(winfile, 49)
                .html.startsWith(QStringLiteral(
                    "<p style=\"margin-top:18px; margin-bottom:8px; margin-left:8px; margin-right:12px;\">"
                    "<span style=\"font-family:'Helv'; font-size:12pt; "
                    "color:#010100;\"><b>Open</b></span></p>"
                    "<p style=\"margin-bottom:4px; margin-left:8px; margin-right:12px;\">"
                    "<span style=\"font-family:'Helv'; font-size:10pt; color:#010100;\">Opens a </span>"
                    "<a href=\"velcarin-popup:glossary.hlp%3E~34A771FB\" style=\"color:#008000\">")));
        // A picture is a marker in the text and named in the HTML; a tab stands before the text beside it.
        QVERIFY(topicOf(winfile, 1)
                    .text.contains(QStringLiteral("[picture]\tArranging Windows NT and Icons \n")));
        QVERIFY(topicOf(winfile, 1)
                    .html.contains(QStringLiteral(
                        "<img src=\"velcarin-picture:bm0\"><span style=\"white-space:pre\">\t</span>")));
        // A table of one column: each cell a paragraph of its own.
        const WinHelpFile testContainer = readHelpFile(bytesOf(QStringLiteral("TSTCON32.HLP")));
        QVERIFY(topicOf(testContainer, 13)
                    .text.endsWith(QStringLiteral(
                        "Object Model\nExtended Properties and Methods\nEvent Handling\nMacros\n\n")));
    }

    void rendersFormattingCommands_data()
    {
        QTest::addColumn<QByteArray>("formatting");
        QTest::addColumn<QByteArray>("strings");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        const QByteArray end("\xFF", 1);
        QTest::newRow("paragraphs and line breaks")
            << paragraph() + "\x81\x82" + end << strings({"one", "two", "three"}) << 0x20
            << QStringLiteral("one\ntwo\nthree") << QStringLiteral("<p>one<br>two</p><p>three</p>");
        QTest::newRow("bold and italic")
            << paragraph() + "\x80" + le16(1) + "\x80" + le16(2) + "\x80" + le16(3) + "\x80" + le16(9) + end
            << strings({"plain", "bold", "italic", "both", "unknown font"}) << 0x20
            << QStringLiteral("plainbolditalicbothunknown font")
            << QStringLiteral(
                   "<p>plain<span style=\"font-family:'Arial';\"><b>bold</b></span>"
                   "<span style=\"font-family:'Arial';\"><i>italic</i></span>"
                   "<span style=\"font-family:'Arial';\"><b><i>both</i></b></span>unknown font</p>");
        QTest::newRow("Windows code page") << paragraph() + end << strings({"\x80\x81\x9F\xA0\xE9\x7F"})
                                           << 0x20 << QStringLiteral("\u20AC\uFFFD\u0178\u00A0\u00E9\uFFFD")
                                           << QStringLiteral("<p>\u20AC\uFFFD\u0178\u00A0\u00E9\uFFFD</p>");
        QTest::newRow("control characters") << paragraph() + end << strings({"a\x1B[2Jb\x07\x9D\tc\r\nd"})
                                            << 0x20 << QStringLiteral("a\uFFFD[2Jb\uFFFD\uFFFD\tc\nd")
                                            << QStringLiteral("<p>a\uFFFD[2Jb\uFFFD\uFFFD\tc\nd</p>");
        QTest::newRow("escaped") << paragraph() + end << strings({"a < b & \"c\""}) << 0x20
                                 << QStringLiteral("a < b & \"c\"")
                                 << QStringLiteral("<p>a &lt; b &amp; &quot;c&quot;</p>");
        QTest::newRow("tab, picture, blank that does not break")
            << paragraph() + "\x83\x86\x03" + packedSignedDword(4) + QByteArray(4, '\0') + "\x8B" + end
            << strings({"a", "", "b", "c"}) << 0x20 << QStringLiteral("a\t[picture]b\u00A0c")
            << QStringLiteral("<p>a<span style=\"white-space:pre\">\t</span><img "
                              "src=\"velcarin-picture:bm0\">b\u00A0c</p>");
        QTest::newRow("hotspot picture")
            << paragraph() + "\x87\x22" + packedSignedDword(4) + packedWord(1) + QByteArray(4, '\0') + end
            << strings({"x", "y"}) << 0x20 << QStringLiteral("x[picture]y")
            << QStringLiteral("<p>x<img src=\"velcarin-picture:bm0\">y</p>");
        QTest::newRow("a window of a program, a picture command too short to name a picture")
            << paragraph() + "\x86\x05" + packedSignedDword(2) + "ab" + "\x86\x03" + packedSignedDword(1) +
                   "c" + end
            << strings({"x", "y", "z"}) << 0x20 << QStringLiteral("x[picture]y[picture]z")
            << QStringLiteral("<p>x<i>[picture]</i>y<i>[picture]</i>z</p>");
        QTest::newRow("hotspots and fields")
            << paragraph() + "\xE3" + le32(0x1234) + "\x89\xC8" + le16(8) + "Macro" + "\xEF" + le16(3) +
                   "abc" + "\x20" + le32(7) + "\x21" + le16(7) + "\x8C" + end
            << strings({"a", "b", "c", "d", "e", "f", "non-break-"}) << 0x20
            << QStringLiteral("abcdefnon-break-")
            << QStringLiteral("<p>a<a href=\"velcarin-jump:~00001234\" style=\"color:#008000\">b</a>"
                              "cdefnon-break-</p>");
        // JumpId and PopupId macros are links; the file's window is no part of the target.
        const QByteArray jumpId("JumpId(`other.hlp>second', `topic_a')");
        const QByteArray popupId("PI(`', `topic_a')");
        QTest::newRow("jump and popup macros")
            << paragraph() + "\xC8" + le16(int(jumpId.size()) + 3) + jumpId + "\x89\xCC" +
                   le16(int(popupId.size()) + 3) + popupId + "\x89" + end
            << strings({"a", "x", "y", "z"}) << 0x20 << QStringLiteral("axyz")
            << QStringLiteral(
                   "<p>a<a href=\"velcarin-jump:other.hlp%3E~1272F05F\" style=\"color:#008000\">x</a>"
                   "y<a href=\"velcarin-popup:~1272F05F\" style=\"text-decoration:none\">z</a></p>");
        QTest::newRow("paragraph layout")
            << QByteArray(4, '\0') + le16(0x037F) + le16(2) + packedWord(0).repeated(6) + "\x01" + le16(20) +
                   "\x84" + le16(0x4000 * 2 + 1) + packedWord(1) + packedWord(8) + "\x82" + end
            << strings({"laid out", ""}) << 0x20 << QStringLiteral("laid out\n")
            << QStringLiteral("<p style=\"text-indent:-42px;\" title=\"velcarin-tabs: r0 5\">laid out</p>");
        QTest::newRow("tab stops: left, right and centred")
            << QByteArray(4, '\0') + le16(0x0200) + "\x86" + le16(144 * 2 + 1) +
                   le16((0x4000 | 288) * 2 + 1) + packedWord(1) + le16((0x4000 | 72) * 2 + 1) +
                   packedWord(2) + "\x83" + end
            << strings({"a", "b"}) << 0x20 << QStringLiteral("a\tb")
            << QStringLiteral(
                   "<p title=\"velcarin-tabs: 96 r192 c48\">a<span style=\"white-space:pre\">\t</span>b</p>");
        QTest::newRow("an unknown command ends the link")
            << paragraph() + "\x99\x82" + end << strings({"shown", "lost"}) << 0x20 << QStringLiteral("shown")
            << QStringLiteral("<p>shown</p>");
        const QByteArray cell = le16(0) + QByteArray(3, '\0') + paragraph();
        const QByteArray nextCell = le16(1) + QByteArray(3, '\0') + paragraph();
        QTest::newRow("table of two columns")
            << QByteArray("\x02\x01", 2) + QByteArray(8, '\0') + cell + "\x82" + end + nextCell + "\x82" +
                   end + cell + "\x82" + end + nextCell + "\x82" + end + le16(-1)
            << strings({"a1", "", "b1", "", "a2", "", "b2", ""}) << 0x23 << QStringLiteral("a1\tb1\na2\tb2\n")
            << QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\"><tr><td><p>a1</p></td><td><p>b1</p>"
                              "</td></tr><tr><td><p>a2</p></td><td><p>b2</p></td></tr></table>");
        QTest::newRow("table of varying width, two columns")
            << QByteArray("\x02\x02", 2) + le16(0x0102) + QByteArray(8, '\x11') + cell + "\x82" + end +
                   nextCell + end + le16(-1)
            << strings({"left", "", "right"}) << 0x23 << QStringLiteral("left\tright")
            << QStringLiteral(
                   "<table cellspacing=\"0\" cellpadding=\"2\"><tr><td><p>left</p></td><td><p>right</p>"
                   "</td></tr></table>");
        QTest::newRow("table of varying width")
            << QByteArray("\x01\x00", 2) + le16(100) + QByteArray(4, '\0') + cell + end + le16(-1)
            << strings({"only"}) << 0x23 << QStringLiteral("only")
            << QStringLiteral(
                   "<table cellspacing=\"0\" cellpadding=\"2\"><tr><td><p>only</p></td></tr></table>");
    }

    void rendersFormattingCommands()
    {
        QFETCH(QByteArray, formatting);
        QFETCH(QByteArray, strings);
        QFETCH(int, type);
        QFETCH(QString, text);
        QFETCH(QString, html);
        HelpFileBuilder builder;
        for (const quint8 attributes : {0, 1, 2, 3})
            builder.addFont(attributes);
        builder.addTopic("Made");
        builder.addText(formatting, strings, quint8(type));
        const WinHelpFile file = readHelpFile(builder.build());
        QCOMPARE(file.title(), QStringLiteral("Made here"));
        QCOMPARE(file.topicCount(), 1);
        const WinHelpFile::Topic topic = topicOf(file, 0);
        QCOMPARE(topic.title, QStringLiteral("Made"));
        QCOMPARE(topic.text, text);
        QCOMPARE(topic.html, html);
    }

    void showsEachPictureOfATopic()
    {
        // A white dot, in a picture container the topic holds after a picture number, then a damaged |bm2.
        const QByteArray dot = le16(0x506C) + le16(1) + le32(8) + QByteArray("\x06\x00", 2) + le16(192) +
                               le16(192) + "\x02\x02" + le16(2) + le16(2) + le16(4) + le16(0) + le16(8) +
                               le16(0) + le32(36) + le32(0) + le32(0) + le32(0xFFFFFF) + le32(0x80);
        HelpFileBuilder builder;
        builder.addTopic("Pictures");
        builder.addText(paragraph() + "\x86\x03" + packedSignedDword(int(dot.size()) + 4) + le16(1) +
                            le16(0) + dot + "\x88\x03" + packedSignedDword(4) + le16(0) + le16(2) + '\xFF',
                        strings({"a", "b", "c"}));
        builder.addFile("|bm2", "damaged");
        const WinHelpFile file = readHelpFile(builder.build());
        const WinHelpFile::Topic topic = topicOf(file, 0);
        QCOMPARE(topic.text, QStringLiteral("a[picture]b[picture]c"));
        QCOMPARE(topic.html, QStringLiteral("<p>a<img src=\"velcarin-picture:topic0-0\">b"
                                            "<img src=\"velcarin-picture:bm2\">c</p>"));
        const Result<Manual::Picture> embedded = file.picture(QStringLiteral("topic0-0"));
        QVERIFY2(embedded, qPrintable(embedded.error()));
        QCOMPARE(embedded->size, QSize(1, 1));
        QCOMPARE(embedded->pixels, QByteArray("\xFF\xFF\xFF\xFF"));
        QCOMPARE(file.picture(QStringLiteral("bm2")).error(),
                 QStringLiteral("it is damaged (not a picture)"));
        QCOMPARE(file.picture(QStringLiteral("topic0-1")).error(),
                 QStringLiteral("there is no picture by that name"));
    }

    void reportsDamage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("at"); // where the bytes are changed; -1: cut the file at `length`
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("cut short") << QStringLiteral("winfile.hlp") << -1 << QByteArray("40000")
                                   << QStringLiteral(
                                          "it is damaged (the file is shorter than its header says)");
        QTest::newRow("no signature")
            << QStringLiteral("StatList.hlp") << 0 << QByteArray("\x3F\x5F\x03\x01", 4)
            << QStringLiteral("it is damaged (no help file signature)");
        QTest::newRow("directory outside") << QStringLiteral("StatList.hlp") << 4 << le32(0x7FFFFFF0)
                                           << QStringLiteral("it is damaged (a position outside its data)");
        QTest::newRow("directory pages in a circle")
            << QStringLiteral("StatList.hlp") << 0xBB << le16(0)
            << QStringLiteral("it is damaged (a B+ tree whose pages run in a circle)");
        QTest::newRow("directory root outside")
            << QStringLiteral("StatList.hlp") << 0x8F + 26 << le16(7)
            << QStringLiteral("it is damaged (a B+ tree page number out of range)");
        QTest::newRow("directory levels") << QStringLiteral("StatList.hlp") << 0x8F + 32 << le16(2)
                                          << QStringLiteral("it is damaged (a B+ tree header out of range)");
        QTest::newRow("Windows 3.0") << QStringLiteral("StatList.hlp") << 0x1B << le16(15)
                                     << QStringLiteral(
                                            "it was made for Windows 3.0, whose help files this viewer "
                                            "does not read");
        QTest::newRow("links in a circle") << QStringLiteral("StatList.hlp") << 0x4D6 << le32(12)
                                           << QStringLiteral("it is damaged (topic links out of order)");
        QTest::newRow("link beyond the blocks")
            << QStringLiteral("StatList.hlp") << 0x4D6 << le32(0x7000)
            << QStringLiteral("it is damaged (a topic position beyond the last "
                              "block)");
        QTest::newRow("link of impossible size")
            << QStringLiteral("StatList.hlp") << 0x4CA << le32(5)
            << QStringLiteral("it is damaged (a topic link of impossible size)");
        QTest::newRow("packed reference before the start")
            << QStringLiteral("wxhelp_doc.hlp") << 0x54C << QByteArray("\xFF", 1)
            << QStringLiteral("it is damaged (a packed reference before the start of its data)");
        QTest::newRow("phrases beyond their image")
            << QStringLiteral("TSTCON32.HLP") << 0xAE9 + 12 << le32(100)
            << QStringLiteral("it is damaged (phrases beyond the phrase image)");
        QTest::newRow("phrase table of impossible size")
            << QStringLiteral("wxhelp_doc.hlp") << 0x1D << le32(0x20000)
            << QStringLiteral("it is damaged (a phrase table of impossible size)");
        QTest::newRow("phrase index cut short")
            << QStringLiteral("TSTCON32.HLP") << 0xAE9 + 4 << le32(1000000) + le32(252) + le32(0x300000)
            << QStringLiteral("it is damaged (the phrase index is cut short)");
        QTest::newRow("contents record empty")
            << QStringLiteral("StatList.hlp") << 0x58 << le16(0)
            << QStringLiteral("it is damaged (a contents record cut short)");
        QTest::newRow("context numbers cut short") << QStringLiteral("winfile.hlp") << 0xF8FE << le16(0xFFFF)
                                                   << QStringLiteral("it is damaged (data cut short)");
    }

    void reportsDamage()
    {
        QFETCH(QString, file);
        QFETCH(int, at);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QByteArray damaged = bytesOf(file);
        if (at < 0)
            damaged.truncate(bytes.toInt());
        else
            damaged.replace(at, bytes.size(), bytes);
        QCOMPARE(failureOf(damaged), reason);
    }

    void expandsPhrases_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("textSize");
        QTest::addColumn<QString>("result"); // the text, or why it cannot be read
        // Phrase 0 "abc", phrase 1 "de", phrase 2 empty; codes 1 to 15 and the next byte name phrase
        // (number / 2), an odd number with a blank after it.
        QTest::newRow("stored as it is") << QByteArray("plain\0", 6) << 6 << QStringLiteral("plain");
        QTest::newRow("phrases") << QByteArray("x\x01\x00y\x01\x03\0", 7) << 10 << QStringLiteral("xabcyde ");
        QTest::newRow("cut at the text size")
            << QByteArray("\x01\x00\x01\x02\x01\x00", 6) << 7 << QStringLiteral("abcdeab");
        QTest::newRow("an empty phrase") << QByteArray("a\x01\x04"
                                                       "b\0",
                                                       5)
                                         << 6 << QStringLiteral("ab");
        QTest::newRow("a phrase the table does not have")
            << QByteArray("\x01\x06\0", 3) << 8
            << QStringLiteral("it is damaged (text refers to a phrase the file does not have)");
        QTest::newRow("a phrase code at the end")
            << QByteArray("ab\x01", 3) << 8 << QStringLiteral("it is damaged (data cut short)");
    }

    void expandsPhrases()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, textSize);
        QFETCH(QString, result);
        HelpFileBuilder builder;
        // Three phrases, their text LZ77-packed: a flag byte of literals, then the five letters.
        builder.addFile("|Phrases", le16(3) + le16(0x0100) + le32(5) + le16(8) + le16(11) + le16(13) +
                                        le16(13) + QByteArray(1, '\0') + "abcde");
        builder.addTopic("Phrases");
        builder.addText(paragraph() + "\xFF", stored, 0x20, textSize);
        QString error;
        const std::optional<WinHelpFile> file = WinHelpFile::read(builder.build(), &error);
        QVERIFY2(file, qPrintable(error));
        QCOMPARE(file->phraseCompression(), WinHelp::PhraseTable::Kind::Phrases);
        const std::optional<WinHelpFile::Topic> topic = file->topic(0, &error);
        QCOMPARE(topic ? topic->text : error, result);
    }

    void tellsHelpFilesByTheirSignature_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<bool>("isWinHelp");
        QTest::newRow("Windows Help") << QByteArray("\x3F\x5F\x03\x00", 4) << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("too short") << QByteArray("\x3F\x5F\x03", 3) << false;
        QTest::newRow("SQLite") << QByteArray("SQLite format 3") << false;
    }

    void tellsHelpFilesByTheirSignature()
    {
        QFETCH(QByteArray, head);
        QFETCH(bool, isWinHelp);
        QCOMPARE(WinHelpFile::hasSignature(head), isWinHelp);
    }

    void missingInternalFiles_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("|SYSTEM") << QByteArray("|SYSTEM");
        QTest::newRow("|TOPIC") << QByteArray("|TOPIC");
    }

    void missingInternalFiles()
    {
        QFETCH(QByteArray, name);
        QByteArray bytes = bytesOf(QStringLiteral("StatList.hlp"));
        const qsizetype at = bytes.indexOf(name + '\0', 0x86);
        QVERIFY(at > 0);
        bytes[at + 1] = 'X';
        QCOMPARE(failureOf(bytes),
                 QStringLiteral("it is damaged (no internal file %1)").arg(QString::fromLatin1(name)));
    }

    // Every byte changed or cut anywhere: an answer for each, in bounded time, and never a read outside.
    void survivesDamageAnywhere_data() { everyFile(); }
    void survivesDamageAnywhere()
    {
        QFETCH(QString, file);
        const QByteArray bytes = bytesOf(file);
        QElapsedTimer timer;
        timer.start();
        int readable = 0;
        for (qsizetype at = 0; at < bytes.size(); at += 1 + bytes.size() / 400) {
            QByteArray changed = bytes;
            changed[at] = char(~changed[at]);
            readable += failureOf(changed).isEmpty();
            QVERIFY(!failureOf(bytes.first(at)).isEmpty());
        }
        QVERIFY(readable > 0);
        QVERIFY2(timer.elapsed() < 60000, qPrintable(QString::number(timer.elapsed())));
    }
};

VELCARIN_TEST_MAIN(TestWinHelp)
#include "tst_winhelp.moc"
