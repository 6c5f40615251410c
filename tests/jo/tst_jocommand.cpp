#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using Run = CliRun;

} // namespace

// velcarin-cli jo, run as a program on the sample databases.
class TestJoCommand : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder;

    Run run(QStringList arguments, bool withDataDir = true) const
    {
        if (withDataDir)
            arguments << QStringLiteral("--data-dir") << m_folder.path();
        return runCli(QStringList{QStringLiteral("jo")} + arguments);
    }

    static QJsonObject json(const Run& result)
    {
        return QJsonDocument::fromJson(result.out.toUtf8()).object();
    }

private Q_SLOTS:
    void initTestCase() { m_folder.copySampleDatabases(); }

    void product()
    {
        const Run result = run({QStringLiteral("DIETHYLAMINE")});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.err.isEmpty());
        const QStringList lines = result.out.split(QLatin1Char('\n'));
        for (const char* line :
             {"ID Number: 2006", "PRODUCT: DIETHYLAMINE", "SYNONIMS: N-Ethylethanamine", "USCG: 7",
              "IMO code: 3",
              "Remarks: Sample data. Use cleaning method 12 (or method 11 after a heavy residue).",
              "USCG group name: ALIPHATIC AMINES", "IMDG class name: Flammable Liquids"})
            QVERIFY2(lines.contains(QLatin1String(line)), line);
        QCOMPARE(lines.size(), 24 + 2 + 1); // the fields, the two names and the end of the last line
    }

    void productAsJson_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("className");
        QTest::newRow("3.2") << QStringLiteral("BENZENE") << QStringLiteral("AROMATIC HYDROCARBON MIXTURES")
                             << QStringLiteral("Flammable Liquids");
        QTest::newRow("group 0, empty class") << QStringLiteral("MOLASSES") << QString() << QString();
        QTest::newRow("unknown codes") << QStringLiteral("CHLORINATED PARAFFIN") << QString() << QString();
        QTest::newRow("apostrophe") << QStringLiteral("O'NEILL BLEND")
                                    << QStringLiteral("HALOGENATED HYDROCARBONS")
                                    << QStringLiteral("Flammable Liquids");
    }

    void productAsJson()
    {
        QFETCH(QString, product);
        QFETCH(QString, group);
        QFETCH(QString, className);
        const Run result = run({product, QStringLiteral("--json")});
        QCOMPARE(result.exitCode, 0);
        const QJsonObject object = json(result);
        QCOMPARE(
            object.value(QStringLiteral("fields")).toObject().value(QStringLiteral("PRODUCT")).toString(),
            product);
        QCOMPARE(object.value(QStringLiteral("fields")).toObject().size(), 24);
        QCOMPARE(object.value(QStringLiteral("USCG group name")).toString(), group);
        QCOMPARE(object.value(QStringLiteral("IMDG class name")).toString(), className);
    }

    void noSuchProduct()
    {
        const Run result = run({QStringLiteral("toluene")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.out.isEmpty());
        QCOMPARE(result.err, QStringLiteral("no product named toluene\ndid you mean: \"TOLUENE\"?\n"));
    }

    void method_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("1") << 1
                           << QStringList{QStringLiteral("GAS FREE AND VENTILATE FOR 2 HOURS"),
                                          QStringLiteral("INSPECT TANK"),
                                          QStringLiteral("RINSE WITH FRESH WATER IF NEEDED FOR 1 HOURS"),
                                          QStringLiteral("MOP AND DRY")};
        QTest::newRow("2") << 2
                           << QStringList{
                                  QStringLiteral("BTW WITH WARM SEA WATER FOR 1 1/2 HOURS (MAX CARGO TEMP)"),
                                  QStringLiteral("RINSE WITH FRESH WATERFOR 1/2 HOURS"),
                                  QStringLiteral("GAS FREE AND VENTILATE"), QStringLiteral("MOP AND DRY")};
        QTest::newRow("3") << 3
                           << QStringList{
                                  QStringLiteral("BTW WITH HOT SEA WATER(80C) FOR 4 HOURS"),
                                  QStringLiteral("BTW WITH HOT FRESH WATER WITH 0.05% TEEPOL FOR 2 HOURS"),
                                  QStringLiteral("RINSE WITH FRESH WATERFOR 1/2 HOURS"),
                                  QStringLiteral("GAS FREE AND VENTILATE"), QStringLiteral("MOP AND DRY")};
        QTest::newRow("4") << 4
                           << QStringList{
                                  QStringLiteral("BTW WITH COLD SEA WATER FOR 4 HOURS"),
                                  QStringLiteral("BTW WITH HOT FRESH WATER WITH 0.05% TEEPOL FOR 4 HOURS"),
                                  QStringLiteral("RINSE WITH FRESH WATERFOR 1/2 HOURS"),
                                  QStringLiteral("GAS FREE AND VENTILATE"), QStringLiteral("MOP AND DRY")};
        QTest::newRow("5") << 5
                           << QStringList{QStringLiteral("BTW WITH AMBIENT FRESH WATER FOR 1 HOURS"),
                                          QStringLiteral("GAS FREE AND VENTILATE"),
                                          QStringLiteral("MOP AND DRY")};
        QTest::newRow("6") << 6
                           << QStringList{QStringLiteral("BTW WITH HOT SEA WATER (60-80C) FOR 1 1/2 HOURS"),
                                          QStringLiteral("RINSE WITH FRESH WATERFOR 1/2 HOURS"),
                                          QStringLiteral("GAS FREE AND VENTILATE"),
                                          QStringLiteral("MOP AND DRY")};
        QTest::newRow("7")
            << 7
            << QStringList{QStringLiteral("BTW WITH COLD SEA WATER  FOR 1 1/2 HOURS"),
                           QStringLiteral("BTW WITH HOT FRESH WATER  WITH 0,05% TEEPOL SOL  FOR 2 1/2 HOURS"),
                           QStringLiteral("BTW WITH WARM SEA WATER (30C) FOR 1/2 HOUR"),
                           QStringLiteral("RINSE WITH FRESH WATER"),
                           QStringLiteral("GAS FREE AND VENTILATE"),
                           QStringLiteral("MOP AND DRY")};
        QTest::newRow("8")
            << 8
            << QStringList{QStringLiteral("BTW WITH COLD SEA WATER  FOR 1 1/2 HOURS"),
                           QStringLiteral("BTW WITH HOT FRESH WATER  WITH 0,05% TEEPOL SOL  FOR 1 1/2 HOURS"),
                           QStringLiteral("BTW WITH WARM SEA WATER (30C) FOR 1/2 HOUR"),
                           QStringLiteral("STEAMING WITH TOULENE"),
                           QStringLiteral("RINSE WITH FRESH WATER FOR 1/2 HOUR"),
                           QStringLiteral("GAS FREE AND VENTILATE"),
                           QStringLiteral("MOP AND DRY")};
        QTest::newRow("9") << 9
                           << QStringList{QStringLiteral("BTW WITH COLD SEA WATER  FOR 1  HOURS"),
                                          QStringLiteral("BTW WITH HOT SEA WATER (60C - 80C)  FOR 1  HOURS"),
                                          QStringLiteral("BTW WITH WARM SEA WATER (30C) FOR 1/2 HOUR"),
                                          QStringLiteral("RINSE WITH FRESH WATER FOR 1/2 HOUR"),
                                          QStringLiteral("GAS FREE AND VENTILATE"),
                                          QStringLiteral("MOP AND DRY")};
        QTest::newRow("10")
            << 10
            << QStringList{QStringLiteral("BTW WITH HOT SEA WATER  FOR 2 HOURS"),
                           QStringLiteral("BTW WITH HOT FRESH WATER  WITH 0,05% TEEPOL SOL  FOR 2 HOURS"),
                           QStringLiteral("RINSE WITH FRESH WATER FOR 1/2 HOUR"),
                           QStringLiteral("STEAMING WITH TOULENE"),
                           QStringLiteral("RINSE WITH FRESH WATER FOR 1/2 HOUR"),
                           QStringLiteral("GAS FREE AND VENTILATE"),
                           QStringLiteral("MOP AND DRY")};
        QTest::newRow("11") << 11
                            << QStringList{QStringLiteral("BTW WITH COLD SEA WATER  FOR 1 HOURS"),
                                           QStringLiteral("RINSE WITH FRESH WATER FOR 1/2 HOUR"),
                                           QStringLiteral("GAS FREE AND VENTILATE"),
                                           QStringLiteral("MOP AND DRY")};
        QTest::newRow("12") << 12
                            << QStringList{QStringLiteral("BTW WITH LUKE WARM SEA WATER  FOR 1 HOURS"),
                                           QStringLiteral("BTW WITH HOT SEA WATER(80C)FOR 2 HOURS"),
                                           QStringLiteral("RINSE WITH FRESH WATER"),
                                           QStringLiteral("GAS FREE AND VENTILATE"),
                                           QStringLiteral("MOP AND DRY")};
    }

    // The same steps as the tab's buttons show.
    void method()
    {
        QFETCH(int, method);
        QFETCH(QStringList, steps);
        const Run plain = run({QStringLiteral("--method"), QString::number(method)}, false);
        QCOMPARE(plain.exitCode, 0);
        QCOMPARE(plain.out, steps.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        const Run asJson = run({QStringLiteral("--method=%1").arg(method), QStringLiteral("--json")}, false);
        QCOMPARE(asJson.exitCode, 0);
        const QJsonObject object = json(asJson);
        QCOMPARE(object.value(QStringLiteral("Method")).toInt(), method);
        QCOMPARE(object.value(QStringLiteral("Text")).toString(), steps.join(QStringLiteral("\r\n")));
        QStringList shown;
        for (const QJsonValue& step : object.value(QStringLiteral("Steps")).toArray())
            shown << step.toString();
        QCOMPARE(shown, steps);
    }

    void method10AsPrinted()
    {
        const Run result = run({QStringLiteral("--method"), QStringLiteral("10")}, false);
        QCOMPARE(result.out, QStringLiteral("BTW WITH HOT SEA WATER  FOR 2 HOURS\n"
                                            "BTW WITH HOT FRESH WATER  WITH 0,05% TEEPOL SOL  FOR 2 HOURS\n"
                                            "RINSE WITH FRESH WATER FOR 1/2 HOUR\n"
                                            "STEAMING WITH TOULENE\n"
                                            "RINSE WITH FRESH WATER FOR 1/2 HOUR\n"
                                            "GAS FREE AND VENTILATE\n"
                                            "MOP AND DRY\n"));
    }

    void badUse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no name") << QStringList{};
        QTest::newRow("two names") << QStringList{QStringLiteral("ACETONE"), QStringLiteral("BENZENE")};
        QTest::newRow("method 0") << QStringList{QStringLiteral("--method"), QStringLiteral("0")};
        QTest::newRow("method 13") << QStringList{QStringLiteral("--method"), QStringLiteral("13")};
        QTest::newRow("method x") << QStringList{QStringLiteral("--method"), QStringLiteral("x")};
        QTest::newRow("method without number") << QStringList{QStringLiteral("--method")};
        QTest::newRow("name and method")
            << QStringList{QStringLiteral("ACETONE"), QStringLiteral("--method"), QStringLiteral("1")};
        QTest::newRow("unknown option") << QStringList{QStringLiteral("ACETONE"), QStringLiteral("--colour")};
    }

    void badUse()
    {
        QFETCH(QStringList, arguments);
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.out.isEmpty());
        QVERIFY(!result.err.isEmpty());
    }

    void badDataFolder()
    {
        const TestDataFolder empty;
        const Run result =
            run({QStringLiteral("ACETONE"), QStringLiteral("--data-dir"), empty.path()}, false);
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.err.contains(QStringLiteral("Jo Tankers.mdb")));
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestJoCommand)
#include "tst_jocommand.moc"
