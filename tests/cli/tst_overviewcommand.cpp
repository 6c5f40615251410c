#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject jsonOf(const CliRun& run)
{
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

} // namespace

class TestOverviewCommand : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;
    QTemporaryDir m_cache; // the search's index, out of the user's cache
    QTemporaryDir m_output;

    CliRun overview(const QStringList& arguments) const
    {
        return runCli(QStringList{QStringLiteral("overview")} + arguments +
                      QStringList{QStringLiteral("--data-dir"), m_folder.path()});
    }
    // The keys of what another command prints in JSON.
    QStringList keysOf(const QStringList& arguments) const
    {
        const CliRun run = runCli(
            arguments + QStringList{QStringLiteral("--json"), QStringLiteral("--data-dir"), m_folder.path()});
        return jsonOf(run).keys();
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache.path()));
        m_folder.copySampleDatabases();
    }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::newRow("a cargo") << QStringList{QStringLiteral("ACETONE")} << 0 << QString();
        QTest::newRow("one source only") << QStringList{QStringLiteral("CORN OIL")} << 0 << QString();
        QTest::newRow("a typo") << QStringList{QStringLiteral("acetnoe")} << 1
                                << QStringLiteral("no source holds a cargo named acetnoe\ndid you mean: "
                                                  "\"ACETONE\"?\n");
        QTest::newRow("a UN number") << QStringList{QStringLiteral("1830")} << 1
                                     << QStringLiteral("no source holds a cargo named 1830\ndid you mean: "
                                                       "\"SULFURIC ACID 98%\", \"SULPHURIC ACID\"?\n");
        QTest::newRow("no name") << QStringList{} << 2 << QString();
        QTest::newRow("two names") << QStringList{QStringLiteral("ACETONE"), QStringLiteral("BENZENE")} << 2
                                   << QString();
        QTest::newRow("PDF without a file")
            << QStringList{QStringLiteral("ACETONE"), QStringLiteral("--pdf=")} << 2 << QString();
        QTest::newRow("PDF in a missing folder")
            << QStringList{QStringLiteral("ACETONE"), QStringLiteral("--pdf"),
                           QStringLiteral("/nonexistent/a.pdf")}
            << 2 << QString();
    }
    void exitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        const CliRun run = overview(arguments);
        QCOMPARE(run.exitCode, exitCode);
        if (!err.isEmpty())
            QCOMPARE(run.err, err);
        if (exitCode == 2)
            QVERIFY(!run.err.isEmpty());
    }

    void damagedDatabase()
    {
        TestDataFolder damaged;
        damaged.copySampleDatabases();
        damaged.damagePage(QStringLiteral("cleaning.mdb"), 3);
        const CliRun run = runCli({QStringLiteral("overview"), QStringLiteral("ACETONE"),
                                   QStringLiteral("--data-dir"), damaged.path()});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(QStringLiteral("cleaning.mdb")), qPrintable(run.err));
    }

    void json()
    {
        const CliRun run = overview({QStringLiteral("acetone"), QStringLiteral("--json")});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject object = jsonOf(run);
        QCOMPARE(object.keys(), (QStringList{QStringLiteral("cargo"), QStringLiteral("matched"),
                                             QStringLiteral("same_un"), QStringLiteral("sources")}));
        QCOMPARE(object[QStringLiteral("cargo")].toString(), QStringLiteral("acetone"));
        const QJsonObject sources = object[QStringLiteral("sources")].toObject();
        // The sources' objects are those of the commands of each source.
        QCOMPARE(sources[QStringLiteral("tavro")].toObject().keys(),
                 keysOf({QStringLiteral("advise"), QStringLiteral("ACETONE")}));
        QCOMPARE(sources[QStringLiteral("jo")].toObject().keys(),
                 keysOf({QStringLiteral("jo"), QStringLiteral("ACETONE")}));
        QCOMPARE(sources[QStringLiteral("unitor")].toObject().keys(),
                 keysOf({QStringLiteral("unitor"), QStringLiteral("ACETONE")}));
        QCOMPARE(sources[QStringLiteral("henkel")].toObject().keys(),
                 keysOf({QStringLiteral("henkel"), QStringLiteral("additional"), QStringLiteral("ACETONE")}));
        QCOMPARE(sources[QStringLiteral("compatibility")].toObject().keys(),
                 (QStringList{QStringLiteral("exceptions"), QStringLiteral("group"),
                              QStringLiteral("incompatible")}));
        QCOMPARE(object[QStringLiteral("matched")].toObject()[QStringLiteral("jo")].toObject(),
                 (QJsonObject{{QStringLiteral("name"), QStringLiteral("ACETONE")},
                              {QStringLiteral("by"), QStringLiteral("normalised")}}));
    }

    void jsonOfASharedUnNumber()
    {
        const QJsonObject object =
            jsonOf(overview({QStringLiteral("SULFURIC ACID 98%"), QStringLiteral("--json")}));
        QVERIFY(object[QStringLiteral("sources")].toObject()[QStringLiteral("jo")].isNull());
        QVERIFY(!object[QStringLiteral("matched")].toObject().contains(QStringLiteral("jo")));
        QCOMPARE(object[QStringLiteral("same_un")].toObject()[QStringLiteral("jo")].toArray(),
                 QJsonArray{QStringLiteral("SULPHURIC ACID")});
    }

    void pdf()
    {
        const QString file = m_output.filePath(QStringLiteral("acetone.pdf"));
        const CliRun run = overview({QStringLiteral("ACETONE"), QStringLiteral("--pdf"), file});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QVERIFY(run.out.startsWith(QStringLiteral("== Tavro\nFound under the same name, ACETONE.\n")));
        const PdfFile pdf = readPdf(file);
        QVERIFY(pdf.pages >= 2);
        const QStringList pages = pdf.text.split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), pdf.pages);
        for (qsizetype page = 0; page < pages.size(); ++page)
            QVERIFY2(pages[page].startsWith(
                         QStringLiteral("ACETONE — page %1 of %2\n").arg(page + 1).arg(pdf.pages)),
                     qPrintable(pages[page].left(80)));
        // A text of several lines is printed whole.
        QVERIFY(pdf.text.contains(QStringLiteral("GAS FREE AND VENTILATE\nMOP AND DRY")));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestOverviewCommand)
#include "tst_overviewcommand.moc"
