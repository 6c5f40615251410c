#include "charts/ChartTables.h"
#include "charts/CompatibilityChart.h"
#include "charts/CompatibilityExceptions.h"
#include "support/TestMain.h"

#include <QTest>

// The chart's marks and the exception texts against the published tables.
class TestChartData : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsAndColumns()
    {
        QList<int> rows;
        for (int group = 1; group <= 22; ++group)
            rows << group;
        const QList<int> columns = rows;
        for (int group = 30; group <= 43; ++group)
            rows << group;
        QCOMPARE(CompatibilityChart::rowGroups(), rows);
        QCOMPARE(CompatibilityChart::columnGroups(), columns);
    }

    void marks_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("columns");
        QCOMPARE(PublishedMarks.size(), 36);
        for (const auto& [row, columns] : PublishedMarks)
            QTest::addRow("row %d", row) << row << QString::fromLatin1(columns);
    }

    void marks()
    {
        QFETCH(int, row);
        QFETCH(QString, columns);
        QCOMPARE(columns.size(), 22);
        QList<int> expected;
        for (int column = 1; column <= 22; ++column) {
            const bool published = columns.at(column - 1) == QLatin1Char('X');
            QVERIFY2(CompatibilityChart::marked(row, column) == published,
                     qPrintable(QString::number(column)));
            if (published)
                expected << column;
        }
        QCOMPARE(CompatibilityChart::markedColumns(row), expected);
    }

    void marksAreSymmetricWithinTheReactiveGroups()
    {
        for (int row = 1; row <= 22; ++row) {
            for (int column = 1; column <= 22; ++column)
                QVERIFY2(CompatibilityChart::marked(row, column) == CompatibilityChart::marked(column, row),
                         qPrintable(QStringLiteral("%1 x %2").arg(row).arg(column)));
        }
    }

    void noMarksOutsideTheChart()
    {
        QVERIFY(CompatibilityChart::markedColumns(0).isEmpty());
        QVERIFY(CompatibilityChart::markedColumns(23).isEmpty());
        QVERIFY(!CompatibilityChart::marked(2, 30));
        QVERIFY(!CompatibilityChart::marked(35, 35));
        for (int row : {31, 36, 39})
            QVERIFY(CompatibilityChart::markedColumns(row).isEmpty());
    }

    void groupNumbersAreText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");    // 0: no row
        QTest::addColumn<int>("column"); // 0: no column
        QTest::newRow("1") << QStringLiteral("1") << 1 << 1;
        QTest::newRow("22") << QStringLiteral("22") << 22 << 22;
        QTest::newRow("30") << QStringLiteral("30") << 30 << 0;
        QTest::newRow("43") << QStringLiteral("43") << 43 << 0;
        QTest::newRow("01") << QStringLiteral("01") << 0 << 0;
        QTest::newRow("0") << QStringLiteral("0") << 0 << 0;
        QTest::newRow("23") << QStringLiteral("23") << 0 << 0;
        QTest::newRow("44") << QStringLiteral("44") << 0 << 0;
        QTest::newRow("blank before") << QStringLiteral(" 5") << 0 << 0;
        QTest::newRow("empty") << QString() << 0 << 0;
    }

    void groupNumbersAreText()
    {
        QFETCH(QString, text);
        QFETCH(int, row);
        QFETCH(int, column);
        QCOMPARE(CompatibilityChart::groupNamed(text, CompatibilityChart::rowGroups()).value_or(0), row);
        QCOMPARE(CompatibilityChart::groupNamed(text, CompatibilityChart::columnGroups()).value_or(0),
                 column);
    }

    void exceptions_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("text");
        QCOMPARE(PublishedExceptions.size(), 16);
        for (const auto& [group, text] : PublishedExceptions)
            QTest::newRow(group) << QString::fromLatin1(group) << QString::fromLatin1(text);
    }

    void exceptions()
    {
        QFETCH(QString, group);
        QFETCH(QString, text);
        QCOMPARE(CompatibilityExceptions::textOf(group), std::optional<QString>(text));
    }

    void groupsWithoutExceptions()
    {
        for (const char* group :
             {"1",  "3",  "6",  "8",  "9",  "10", "11", "12", "13", "16", "17", "21", "22",
              "31", "33", "35", "37", "38", "39", "40", "42", "01", "00", "23", ""})
            QVERIFY2(!CompatibilityExceptions::textOf(QLatin1String(group)), group);
    }

    void exceptionCounts_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("exceptions");
        QTest::addColumn<int>("emptyLines");
        const QList<std::tuple<const char*, int, int>> counts{
            {"0", 21, 1},  {"2", 3, 1},  {"4", 2, 0},  {"5", 6, 1},  {"7", 6, 1},  {"14", 1, 0},
            {"15", 4, 1},  {"18", 5, 1}, {"19", 4, 0}, {"20", 6, 1}, {"30", 2, 0}, {"32", 1, 0},
            {"34", 11, 0}, {"36", 6, 0}, {"41", 3, 0}, {"43", 7, 0},
        };
        for (const auto& [group, exceptions, emptyLines] : counts)
            QTest::newRow(group) << QString::fromLatin1(group) << exceptions << emptyLines;
    }

    void exceptionCounts()
    {
        QFETCH(QString, group);
        QFETCH(int, exceptions);
        QFETCH(int, emptyLines);
        const QString text = CompatibilityExceptions::textOf(group).value_or(QString());
        QVERIFY(!text.endsWith(QLatin1String("\r\n")));
        QCOMPARE(text.count(QLatin1Char('\n')), text.count(QLatin1String("\r\n")));
        const QStringList lines = text.split(QLatin1String("\r\n"));
        QCOMPARE(lines.count(QString()), emptyLines);
        QCOMPARE(lines.size() - emptyLines, exceptions);
        // An empty line only ever parts two kinds of exceptions.
        QVERIFY(!lines.first().isEmpty() && !lines.last().isEmpty());
    }

    void linesWithoutDash()
    {
        QCOMPARE(*CompatibilityExceptions::textOf(QStringLiteral("14")),
                 QStringLiteral("2-Hydroxyethyl Acrylate (14) is not compatible with Group 5, 6, or 12"));
        const QStringList group15 =
            CompatibilityExceptions::textOf(QStringLiteral("15"))->split(QLatin1String("\r\n"));
        QCOMPARE(group15.first(),
                 QStringLiteral("Acrylonitrile (15) is compatible with Triethanolamine (8)"));
        for (const QString& line : group15.mid(2))
            QVERIFY(line.startsWith(QLatin1String("-  ")));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestChartData)
#include "tst_chartdata.moc"
