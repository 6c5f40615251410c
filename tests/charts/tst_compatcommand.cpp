#include "charts/ChartTables.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

// velcarin-cli compat, run as the built program.
class TestCompatCommand : public QObject {
    Q_OBJECT

private:
    using Run = CliRun;

    static Run run(const QStringList& arguments)
    {
        return runCli(QStringList{QStringLiteral("compat")} + arguments);
    }

private Q_SLOTS:
    void markedPair()
    {
        const Run result = run({QStringLiteral("35"), QStringLiteral("21")});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QStringLiteral("Row: 35 VINYL HALIDES\n"
                                            "Column: 21 PHENOLS, CRESOLS\n"
                                            "Marked: yes, the groups are not compatible\n"
                                            "Exceptions: none\n"));
        QCOMPARE(result.err, QString());
    }

    void blankPairWithExceptions()
    {
        const Run result = run({QStringLiteral("15"), QStringLiteral("5")});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out,
                 QStringLiteral("Row: 15 SUBSTITUTED ALLYLS\n"
                                "Column: 5 CAUSTICS\n"
                                "Marked: no, the groups are compatible\n"
                                "Exceptions: Acrylonitrile (15) is compatible with Triethanolamine (8)\n"
                                "    \n"
                                "    -  Allyl Alcohol (15) is not compatible with Group 12, Isocyanates\n"
                                "    -  Acrylonitrile (15) is not compatible with Group 5, (Caustics)\n"
                                "    -  Methacrylonitrile (15) is not compatible with Group Group 5, "
                                "(Caustics)\n"));
    }

    void json_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("column");
        QTest::addColumn<bool>("marked");
        for (const auto& [row, columns] : PublishedMarks) {
            for (int column : {5, 21})
                QTest::addRow("%d x %d", row, column)
                    << QString::number(row) << QString::number(column) << (columns[column - 1] == 'X');
        }
    }

    void json()
    {
        QFETCH(QString, row);
        QFETCH(QString, column);
        QFETCH(bool, marked);
        const Run result = run({row, column, QStringLiteral("--json")});
        QCOMPARE(result.exitCode, 0);
        const QJsonObject object = QJsonDocument::fromJson(result.out.toUtf8()).object();
        QCOMPARE(object.value(QStringLiteral("row")).toString(), row);
        QCOMPARE(object.value(QStringLiteral("column")).toString(), column);
        QCOMPARE(object.value(QStringLiteral("marked")).toBool(), marked);
        QString exceptions;
        for (const auto& [group, text] : PublishedExceptions) {
            if (row == QLatin1String(group))
                exceptions = QString::fromLatin1(text);
        }
        QCOMPARE(object.value(QStringLiteral("exceptions")).isNull(), exceptions.isEmpty());
        QCOMPARE(object.value(QStringLiteral("exceptions")).toString(), exceptions);
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString noRow = QStringLiteral(" has no row in the chart (rows: 1 to 22 and 30 to 43)\n");
        const QString noColumn = QStringLiteral(" has no column in the chart (columns: 1 to 22)\n");
        const QString usage = QStringLiteral("usage: velcarin-cli compat G1 G2 [--json] [--data-dir DIR]\n"
                                             "try 'velcarin-cli compat --help'\n");
        QTest::newRow("no column 35") << QStringList{"21", "35"} << QStringLiteral("group 35") + noColumn;
        QTest::newRow("no row 23") << QStringList{"23", "1"} << QStringLiteral("group 23") + noRow;
        QTest::newRow("group 0") << QStringList{"0", "1"} << QStringLiteral("group 0") + noRow;
        QTest::newRow("a leading zero") << QStringList{"01", "1"} << QStringLiteral("group 01") + noRow;
        QTest::newRow("not a number") << QStringList{"1", "x"} << QStringLiteral("group x") + noColumn;
        QTest::newRow("one group") << QStringList{"1"} << usage;
        QTest::newRow("three groups") << QStringList{"1", "2", "3"} << usage;
    }

    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.err, message);
        QCOMPARE(result.out, QString());
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestCompatCommand)
#include "tst_compatcommand.moc"
