#include "sheet/Sheet.h"
#include "sheet/SheetFlow.h"
#include "sheet/SheetPainter.h"
#include "sheet/SheetPdf.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using Kind = SheetItem::Kind;

struct Word {
    int page;
    QString text;
    QRectF box; // points, from the page's top left corner
};

struct PdfWords {
    QSizeF pageSize;
    QList<Word> words;
};

// Every word of the PDF's text layer with its place, as pdftotext -bbox reads it.
PdfWords wordsOf(const QString& fileName)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), fileName, QStringLiteral("-")});
    process.waitForFinished(60000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression page(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" "
                       "xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    PdfWords found;
    int pageNumber = 0;
    for (const QString& line : html.split(QLatin1Char('\n'))) {
        if (const QRegularExpressionMatch match = page.match(line); match.hasMatch()) {
            ++pageNumber;
            found.pageSize = {match.captured(1).toDouble(), match.captured(2).toDouble()};
        } else if (const QRegularExpressionMatch match = word.match(line); match.hasMatch()) {
            const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
            const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
            found.words << Word{pageNumber, match.captured(5), QRectF(topLeft, bottomRight)};
        }
    }
    return found;
}

const Word* findWord(const PdfWords& pdf, const QString& text)
{
    for (const Word& word : pdf.words) {
        if (word.text == text)
            return &word;
    }
    return nullptr;
}

// "w0001 w0002 ..." up to count.
QString numberedWords(int count)
{
    QStringList words;
    for (int number = 1; number <= count; ++number)
        words << QStringLiteral("w%1").arg(number, 4, 10, QLatin1Char('0'));
    return words.join(QLatin1Char(' '));
}

// The text without the lines at the foot of the pages of a sheet of several.
QString withoutFootings(QString text)
{
    static const QRegularExpression footing(QStringLiteral("SAMPLE — page [0-9]+ of [0-9]+"));
    return text.remove(footing);
}

Sheet sheetOf(const QList<SheetItem>& items)
{
    return {QStringLiteral("Test Sheet"), QStringLiteral("SAMPLE"), {10800, 6000}, items};
}

// Half an inch, in points.
constexpr double MarginPoints = 36.0;

} // namespace

// The printed sheets' model, their flow on the page, and their drawing into PDF files read back with
// poppler's tools.
class TestSheet : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString pdfPath(const QString& name) const { return m_dir.filePath(name + QStringLiteral(".pdf")); }

private Q_SLOTS:
    void grow_data()
    {
        QTest::addColumn<QList<QList<int>>>("blocks"); // top, bottom, needed
        QTest::addColumn<QList<QList<int>>>("spans");  // top, bottom
        QTest::newRow("room enough") << QList<QList<int>>{{0, 100, 50}, {100, 200, 0}}
                                     << QList<QList<int>>{{0, 100}, {100, 200}};
        QTest::newRow("what is below moves down")
            << QList<QList<int>>{{0, 100, 300}, {100, 200, 0}, {250, 300, 0}}
            << QList<QList<int>>{{0, 300}, {300, 400}, {450, 500}};
        QTest::newRow("what stands beside stays")
            << QList<QList<int>>{{0, 100, 300}, {0, 50, 0}, {60, 100, 0}}
            << QList<QList<int>>{{0, 300}, {0, 50}, {60, 100}};
        QTest::newRow("two side by side: the taller moves what is below")
            << QList<QList<int>>{{0, 100, 300}, {0, 100, 200}, {100, 150, 0}}
            << QList<QList<int>>{{0, 300}, {0, 200}, {300, 350}};
        QTest::newRow("growth adds up") << QList<QList<int>>{{0, 100, 200}, {100, 200, 300}, {200, 210, 0}}
                                        << QList<QList<int>>{{0, 200}, {200, 500}, {500, 510}};
        QTest::newRow("a frame grows with what it holds")
            << QList<QList<int>>{{0, 500, 0}, {100, 200, 400}, {500, 600, 0}}
            << QList<QList<int>>{{0, 800}, {100, 500}, {800, 900}};
        QTest::newRow("order of the list does not matter")
            << QList<QList<int>>{{500, 600, 0}, {100, 200, 400}, {0, 500, 0}}
            << QList<QList<int>>{{800, 900}, {100, 500}, {0, 800}};
    }

    void grow()
    {
        QFETCH(QList<QList<int>>, blocks);
        QFETCH(QList<QList<int>>, spans);
        QList<SheetFlow::Block> input;
        for (const QList<int>& block : blocks)
            input << SheetFlow::Block{block[0], block[1], block[2]};
        QList<QList<int>> grown;
        for (const SheetFlow::Span& span : SheetFlow::grow(input))
            grown << QList<int>{span.top, span.bottom};
        QCOMPARE(grown, spans);
    }

    void pageTops_data()
    {
        QTest::addColumn<QList<QList<int>>>("blocks"); // top, bottom, then the line breaks
        QTest::addColumn<QList<int>>("frames");        // indexes of the blocks that break anywhere
        QTest::addColumn<int>("pageHeight");
        QTest::addColumn<QList<int>>("tops");
        QTest::newRow("one page") << QList<QList<int>>{{0, 100}, {100, 200}} << QList<int>{} << 200
                                  << QList<int>{0};
        QTest::newRow("between blocks")
            << QList<QList<int>>{{0, 150}, {150, 300}} << QList<int>{} << 200 << QList<int>{0, 150};
        QTest::newRow("between lines") << QList<QList<int>>{{0, 500, 100, 200, 300, 400}} << QList<int>{}
                                       << 250 << QList<int>{0, 200, 400};
        QTest::newRow("moved above a line, then above a block")
            << QList<QList<int>>{{0, 300, 100, 200}, {180, 260}} << QList<int>{} << 250 << QList<int>{0, 100};
        QTest::newRow("a frame's border breaks anywhere")
            << QList<QList<int>>{{0, 400}, {100, 150}} << QList<int>{0} << 250 << QList<int>{0, 250};
        QTest::newRow("a line taller than a page is cut")
            << QList<QList<int>>{{0, 500}} << QList<int>{} << 200 << QList<int>{0, 200, 400};
        QTest::newRow("a break exactly at the page end")
            << QList<QList<int>>{{0, 200}, {200, 300}} << QList<int>{} << 200 << QList<int>{0, 200};
    }

    void pageTops()
    {
        QFETCH(QList<QList<int>>, blocks);
        QFETCH(QList<int>, frames);
        QFETCH(int, pageHeight);
        QFETCH(QList<int>, tops);
        QList<SheetFlow::Placed> placed;
        for (qsizetype index = 0; index < blocks.size(); ++index)
            placed << SheetFlow::Placed{
                {blocks[index][0], blocks[index][1]}, blocks[index].mid(2), frames.contains(int(index))};
        QCOMPARE(SheetFlow::pageTops(placed, pageHeight), tops);
    }

    void pdfFileName_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("a cargo") << QStringLiteral("ACETONE")
                                 << QStringLiteral("ACETONE - Velcarin Tavro Tankers Adviser.pdf");
        QTest::newRow("a slash") << QStringLiteral("P.O. BLEACHED/NOT NEUT")
                                 << QStringLiteral(
                                        "P.O. BLEACHED-NOT NEUT - Velcarin Tavro Tankers Adviser.pdf");
        QTest::newRow("what Windows refuses")
            << QStringLiteral("A:B*C?D\"E<F>G|H\\I")
            << QStringLiteral("A-B-C-D-E-F-G-H-I - Velcarin Tavro Tankers Adviser.pdf");
        QTest::newRow("blanks round it") << QStringLiteral("  XYLENE-M ")
                                         << QStringLiteral("XYLENE-M - Velcarin Tavro Tankers Adviser.pdf");
        QTest::newRow("no cargo") << QString() << QStringLiteral("Velcarin Tavro Tankers Adviser.pdf");
        QTest::newRow("only blanks") << QStringLiteral("   ")
                                     << QStringLiteral("Velcarin Tavro Tankers Adviser.pdf");
    }

    void pdfFileName()
    {
        QFETCH(QString, subject);
        QFETCH(QString, fileName);
        const Sheet sheet{QStringLiteral("Velcarin Tavro Tankers Adviser"), subject, {}, {}};
        QCOMPARE(sheet.pdfFileName(), fileName);
    }

    void laidOut()
    {
        const Sheet sheet =
            Sheet::laidOut(QStringLiteral("A Title"), {{Kind::Caption, "", "Caption:", {0, 0, 2000, 300}},
                                                       {Kind::Value, "lblValue", "", {2000, 0, 3000, 300}},
                                                       {Kind::TextBox, "Text1", "", {0, 400, 8000, 1000}}});
        QCOMPARE(sheet.title, QStringLiteral("A Title"));
        QCOMPARE(sheet.twips, QSize(8000, 2000));
        QCOMPARE(sheet.items.size(), 4);
        QCOMPARE(sheet.items[0].kind, Kind::Title);
        QCOMPARE(sheet.items[0].text, QStringLiteral("A Title"));
        QCOMPARE(sheet.items[0].twips, QRect(0, 0, 8000, 420));
        QCOMPARE(sheet.items[1].text, QStringLiteral("Caption:"));
        QCOMPARE(sheet.items[1].twips, QRect(0, 600, 2000, 300));
        QCOMPARE(sheet.items[3].name, QStringLiteral("Text1"));
        QCOMPARE(sheet.items[3].twips, QRect(0, 1000, 8000, 1000));
    }

    void textAndCopy()
    {
        Sheet sheet = sheetOf({{Kind::Value, QStringLiteral("lblA"), {}, {}},
                               {Kind::Value, QStringLiteral("lblB"), {}, {}},
                               {Kind::Caption, {}, QStringLiteral("fixed"), {}}});
        sheet.copy({{"lblA", "source1"}, {"lblB", "source2"}},
                   [](const QString& control) { return QStringLiteral("text of ") + control; });
        QCOMPARE(sheet.text(QStringLiteral("lblA")), QStringLiteral("text of source1"));
        QCOMPARE(sheet.text(QStringLiteral("lblB")), QStringLiteral("text of source2"));
        QCOMPARE(sheet.text(QStringLiteral("lblC")), QString());
        QCOMPARE(sheet.items[2].text, QStringLiteral("fixed"));
    }

    void sources()
    {
        const SourceTexts texts = sourceOf({{QStringLiteral("Text1"), QStringLiteral("ACETONE")},
                                            {QStringLiteral("lblID"), QStringLiteral("1003")}});
        QCOMPARE(texts(QStringLiteral("lblID")), QStringLiteral("1003"));
        QCOMPARE(texts(QStringLiteral("lblOther")), QString());
        QCOMPARE(onceChosen(texts, QStringLiteral("Text1"))(QStringLiteral("lblID")), QStringLiteral("1003"));
        // Nothing chosen yet: no texts at all.
        QCOMPARE(onceChosen(texts, QStringLiteral("Text3"))(QStringLiteral("lblID")), QString());
    }

    // A long text is printed whole inside its box, and what stands below the box moves down.
    void boxGrowsToHoldItsText()
    {
        const QString text = numberedWords(400);
        const Sheet sheet = sheetOf({{Kind::TextBox, QStringLiteral("Text1"), text, {0, 0, 10800, 400}},
                                     {Kind::Caption, {}, QStringLiteral("BELOW"), {0, 500, 2000, 300}}});
        QString error;
        QVERIFY2(SheetPdf::write(sheet, pdfPath(QStringLiteral("grows")), &error), qPrintable(error));
        const PdfFile pdf = readPdf(pdfPath(QStringLiteral("grows")));
        QCOMPARE(pdf.pages, 1);
        QCOMPARE(pdf.text.simplified(), text + QStringLiteral(" BELOW"));
        const PdfWords words = wordsOf(pdfPath(QStringLiteral("grows")));
        const Word* last = findWord(words, QStringLiteral("w0400"));
        const Word* below = findWord(words, QStringLiteral("BELOW"));
        QVERIFY(last && below);
        QVERIFY2(below->box.top() > last->box.bottom(), "the caption below the box moved down");
        // Every word stands inside the printable width.
        for (const Word& word : words.words)
            QVERIFY2(word.box.right() <= words.pageSize.width() - MarginPoints + 0.5, qPrintable(word.text));
    }

    void fitsTheWidthOfThePaper_data()
    {
        QTest::addColumn<int>("pageSize");
        QTest::addColumn<QString>("pdfinfoSize");
        QTest::newRow("A4") << int(QPageSize::A4) << QStringLiteral("595 x 842 pts (A4)");
        QTest::newRow("Letter") << int(QPageSize::Letter) << QStringLiteral("612 x 792 pts (letter)");
    }

    // The sheet is printed at its size where it fits and made smaller where the paper is narrower.
    void fitsTheWidthOfThePaper()
    {
        QFETCH(int, pageSize);
        QFETCH(QString, pdfinfoSize);
        const QString fileName = pdfPath(QLatin1String(QTest::currentDataTag()));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(pageSize)));
        printer.setPageMargins(SheetPainter::Margins, QPageLayout::Millimeter);
        const Sheet sheet = sheetOf({{Kind::Caption, {}, QStringLiteral("LEFT"), {0, 0, 1000, 300}},
                                     {Kind::Caption, {}, QStringLiteral("RIGHTMOST"), {9600, 0, 1200, 300}}});
        QString error;
        QVERIFY2(SheetPainter::paint(sheet, printer, &error), qPrintable(error));
        const PdfFile pdf = readPdf(fileName);
        QCOMPARE(pdf.pages, 1);
        QCOMPARE(pdf.pageSize, pdfinfoSize);
        const PdfWords words = wordsOf(fileName);
        const Word* left = findWord(words, QStringLiteral("LEFT"));
        const Word* right = findWord(words, QStringLiteral("RIGHTMOST"));
        QVERIFY(left && right);
        QVERIFY(qAbs(left->box.left() - MarginPoints) < 2);
        QVERIFY(right->box.right() <= words.pageSize.width() - MarginPoints + 0.5);
        // 9600 twips from the left edge of the sheet: 480 points, or less on narrower paper.
        const double scale = std::min(1.0, (words.pageSize.width() - 2 * MarginPoints) / 540.0);
        QVERIFY2(qAbs(right->box.left() - (MarginPoints + 480 * scale)) < 2,
                 qPrintable(QString::number(right->box.left())));
    }

    // A text longer than a page goes on over further pages, breaking between lines: every word once, in
    // order, and none below the bottom margin.
    void longTextGoesOnOverPages()
    {
        const QString text = numberedWords(3000);
        const Sheet sheet =
            sheetOf({{Kind::Caption, {}, QStringLiteral("ABOVE"), {0, 0, 2000, 300}},
                     {Kind::TextBox, QStringLiteral("Text1"), text, {0, 400, 10800, 1000}},
                     {Kind::Caption, {}, QStringLiteral("AFTERWARDS"), {0, 1500, 2000, 300}}});
        QString error;
        QVERIFY2(SheetPdf::write(sheet, pdfPath(QStringLiteral("long")), &error), qPrintable(error));
        const PdfFile pdf = readPdf(pdfPath(QStringLiteral("long")));
        QVERIFY2(pdf.pages >= 2, qPrintable(QString::number(pdf.pages)));
        QCOMPARE(withoutFootings(pdf.text).simplified(), QStringLiteral("ABOVE %1 AFTERWARDS").arg(text));
        const PdfWords words = wordsOf(pdfPath(QStringLiteral("long")));
        for (const Word& word : words.words) {
            QVERIFY2(word.box.bottom() <= words.pageSize.height() - MarginPoints + 0.5,
                     qPrintable(word.text));
            QVERIFY2(word.box.top() >= MarginPoints - 0.5, qPrintable(word.text));
        }
        QCOMPARE(findWord(words, QStringLiteral("AFTERWARDS"))->page, pdf.pages);
    }

    // Each page of a sheet that needs more than one ends with the sheet's subject, or its title when it
    // has none, and which page it is, so that loose pages can be matched; a sheet of one page has no such
    // line.
    void pagesAreFooted_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<int>("words");
        QTest::addColumn<QString>("footing"); // page %1 of %2
        QTest::newRow("one page") << QStringLiteral("SAMPLE") << 100 << QString();
        QTest::newRow("several pages")
            << QStringLiteral("SAMPLE") << 3000 << QStringLiteral("SAMPLE — page %1 of %2");
        QTest::newRow("no subject") << QStringLiteral(" ") << 3000
                                    << QStringLiteral("Test Sheet — page %1 of %2");
    }

    void pagesAreFooted()
    {
        QFETCH(QString, subject);
        QFETCH(int, words);
        QFETCH(QString, footing);
        Sheet sheet =
            sheetOf({{Kind::TextBox, QStringLiteral("Text1"), numberedWords(words), {0, 0, 10800, 1000}}});
        sheet.subject = subject;
        QString error;
        QVERIFY2(SheetPdf::write(sheet, pdfPath(QStringLiteral("footed")), &error), qPrintable(error));
        const PdfFile pdf = readPdf(pdfPath(QStringLiteral("footed")));
        if (footing.isEmpty()) {
            QCOMPARE(pdf.pages, 1);
            QVERIFY2(!pdf.text.contains(QStringLiteral("page 1 of")), qPrintable(pdf.text));
            return;
        }
        QVERIFY(pdf.pages >= 2);
        const QStringList pages = pdf.text.split(QLatin1Char('\f'));
        for (int page = 0; page < pdf.pages; ++page) {
            const QStringList lines = pages[page].trimmed().split(QLatin1Char('\n'));
            QCOMPARE(lines.last().simplified(), footing.arg(page + 1).arg(pdf.pages));
        }
    }

    // CR LF breaks the lines as stored; an empty line stays empty.
    void storedLineBreaks()
    {
        const Sheet sheet = sheetOf({{Kind::TextBox,
                                      QStringLiteral("Text1"),
                                      QStringLiteral("Notes\r\n\r\nRemark"),
                                      {0, 0, 10800, 1500}}});
        QString error;
        QVERIFY2(SheetPdf::write(sheet, pdfPath(QStringLiteral("lines")), &error), qPrintable(error));
        const PdfWords words = wordsOf(pdfPath(QStringLiteral("lines")));
        const Word* notes = findWord(words, QStringLiteral("Notes"));
        const Word* remark = findWord(words, QStringLiteral("Remark"));
        QVERIFY(notes && remark);
        const double line = notes->box.height();
        QVERIFY(qAbs(notes->box.left() - remark->box.left()) < 0.5);
        QVERIFY2(remark->box.top() - notes->box.top() > 1.8 * line, "an empty line between");
        QVERIFY2(remark->box.top() - notes->box.top() < 2.6 * line, "one empty line, not more");
    }

    // A title stands in the middle of the sheet's width, which on A4 is the middle of the page.
    void titleIsCentred()
    {
        const Sheet sheet = sheetOf({{Kind::Title, {}, QStringLiteral("CENTRED"), {0, 0, 10800, 400}}});
        QString error;
        QVERIFY2(SheetPdf::write(sheet, pdfPath(QStringLiteral("title")), &error), qPrintable(error));
        const PdfWords words = wordsOf(pdfPath(QStringLiteral("title")));
        const Word* title = findWord(words, QStringLiteral("CENTRED"));
        QVERIFY(title);
        QVERIFY2(qAbs(title->box.center().x() - words.pageSize.width() / 2) < 2,
                 qPrintable(QString::number(title->box.center().x())));
    }

    // A word far longer than a line is printed whole, broken anywhere, in time that grows with its length:
    // eight times the word takes at most about eight times as long, not sixty-four.
    void longWordInTimeOfItsLength()
    {
        const auto printingTime = [this](qsizetype length) {
            const QString word(length, QLatin1Char('x'));
            const Sheet sheet = sheetOf({{Kind::TextBox, QStringLiteral("Text1"), word, {0, 0, 10800, 400}}});
            QElapsedTimer timer;
            timer.start();
            QString error;
            const bool written = SheetPdf::write(sheet, pdfPath(QStringLiteral("word")), &error);
            const qint64 elapsed = timer.elapsed();
            return written && withoutFootings(readPdf(pdfPath(QStringLiteral("word"))).text)
                                      .remove(QRegularExpression(QStringLiteral("\\s"))) == word
                       ? elapsed
                       : -1;
        };
        const qint64 shorter = printingTime(20'000);
        const qint64 longer = printingTime(160'000);
        QVERIFY2(shorter >= 0 && longer >= 0, "the word is printed whole");
        QVERIFY2(longer < 24 * std::max<qint64>(shorter, 50),
                 qPrintable(QStringLiteral("%1 ms, then %2 ms").arg(shorter).arg(longer)));
    }

    // A text too long to print is refused with the reason, and no file is written.
    void tooLongToPrint_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("characters") << QString(17 * 1024 * 1024, QLatin1Char('x'))
                                    << QStringLiteral("The sheet is too long to print: its texts hold "
                                                      "17,825,792 characters, and a sheet holds at most "
                                                      "16,777,216.");
        QTest::newRow("lines") << QString(400'000, QLatin1Char('\n'))
                               << QStringLiteral("The sheet is too long to print: its texts make more "
                                                 "than 300,000 lines.");
    }

    void tooLongToPrint()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        const QString fileName = pdfPath(QStringLiteral("refused"));
        QString reason;
        QVERIFY(
            !SheetPdf::write(sheetOf({{Kind::TextBox, QStringLiteral("Text1"), text, {0, 0, 10800, 400}}}),
                             fileName, &reason));
        QCOMPARE(reason, error);
        QVERIFY(!QFile::exists(fileName));
    }

    // A notice stands under the title, and the rest moves down by its line.
    void notice()
    {
        Sheet sheet =
            Sheet::laidOut(QStringLiteral("A Title"), {{Kind::Caption, "", "Caption:", {0, 0, 8000, 300}}});
        sheet.addNotice(QStringLiteral("sample data — not tank-cleaning advice"));
        QCOMPARE(sheet.items.size(), 3);
        QCOMPARE(sheet.items[1].name, QStringLiteral("lblNotice"));
        QCOMPARE(sheet.items[1].twips, QRect(0, 420, 8000, 420));
        QCOMPARE(sheet.items[2].twips, QRect(0, 1020, 8000, 300));
        QCOMPARE(sheet.twips, QSize(8000, 1320));
    }

    void unwritableFile()
    {
        const QString fileName = m_dir.filePath(QStringLiteral("no such folder/sheet.pdf"));
        QString error;
        QVERIFY(!SheetPdf::write(sheetOf({}), fileName, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(fileName));
    }
};

VELCARIN_TEST_MAIN(TestSheet)
#include "tst_sheet.moc"
