#include "support/TestSupport.h"

#include <QDir>
#include <QProcess>

class TestCompletion : public QObject {
    Q_OBJECT

private:
    TestDataFolder m_folder; // a cargo table of its own

private Q_SLOTS:
    void initTestCase()
    {
        m_folder.copySampleDatabases();
        m_folder.runSql(QStringLiteral("cleaning.mdb"),
                        QStringLiteral("UPDATE CleaningA SET [Abbreviated Name] = 'ACRID ONE' "
                                       "WHERE [Abbreviated Name] = 'ACETONE'"));
    }

    // What velcarin-cli offers the shell for the last word typed.
    void offered_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("offered");
        const QString dir = m_folder.path();
        QTest::newRow("a command") << QStringList{"h"} << QStringList{"hazard", "help", "henkel"};
        QTest::newRow("the tool's options") << QStringList{"--"} << QStringList{"--help", "--version"};
        QTest::newRow("a cargo, any case")
            << QStringList{"advise", "acr"} << QStringList{"ACRYLIC ACID", "ACRYLONITRILE"};
        QTest::newRow("a cargo of the folder named")
            << QStringList{"hazard", "--data-dir", dir, "ACR"}
            << QStringList{"ACRID ONE", "ACRYLIC ACID", "ACRYLONITRILE"};
        QTest::newRow("an oil") << QStringList{"henkel", "oil", "CO"}
                                << QStringList{"COCONUT OIL", "CORN OIL"};
        QTest::newRow("a look-up") << QStringList{"henkel", "--json", ""} << QStringList{"oil", "additional"};
        QTest::newRow("a product after --jo")
            << QStringList{"print", "--jo", "AC"} << QStringList{"ACETONE", "ACRYLONITRILE"};
        QTest::newRow("a loading group") << QStringList{"unitor", "ACETONE", "--group", ""}
                                         << QStringList{"A", "B", "C", "D", "E", "F", "G"};
        QTest::newRow("an option") << QStringList{"compat", "1", "--j"} << QStringList{"--json"};
        QTest::newRow("a file") << QStringList{"notes", "import", ""} << QStringList{":file"};
        QTest::newRow("a folder") << QStringList{"import", "--data-dir", "/t"} << QStringList{":folder"};
        QTest::newRow("no more arguments") << QStringList{"compat", "1", "2", ""} << QStringList{};
        QTest::newRow("no such command") << QStringList{"advice", ""} << QStringList{};
        QTest::newRow("a folder without databases")
            << QStringList{"advise", "--data-dir", "/nowhere", ""} << QStringList{};
    }

    void offered()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, offered);
        const CliRun run = runCli(QStringList{"--complete"} + words);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), offered);
    }

    // The script bash loads, run as bash runs it on a Tab: a name with blanks comes back escaped.
    void bashCompletes_data()
    {
        QTest::addColumn<QStringList>("words"); // as the shell splits the line, escapes kept
        QTest::addColumn<QString>("reply");
        QTest::newRow("a name with a blank")
            << QStringList{"advise", "ACRYLIC\\ A"} << QStringLiteral("ACRYLIC\\ ACID\n");
        QTest::newRow("a command") << QStringList{"wh"} << QStringLiteral("where\n");
        QTest::newRow("a file of the folder")
            << QStringList{"notes", "import", "no"} << QStringLiteral("notes.json\n");
    }

    void bashCompletes()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, reply);
        m_folder.writeFile(QStringLiteral("notes.json"), "[]");
        QProcess bash;
        bash.setWorkingDirectory(m_folder.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"),
                           programFolder() + QLatin1Char(':') + environment.value("PATH"));
        bash.setProcessEnvironment(environment);
        bash.start(QStringLiteral("bash"), QStringList{"-c",
                                                       "source \"$0\"; COMP_WORDS=(velcarin-cli \"$@\"); "
                                                       "COMP_CWORD=$#; _velcarin_cli 2>/dev/null; "
                                                       "printf '%s\\n' \"${COMPREPLY[@]}\"",
                                                       VELCARIN_COMPLETION} +
                                               words);
        QVERIFY(bash.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(bash.readAllStandardOutput()), reply);
    }
};

VELCARIN_TEST_GUILESS_MAIN(TestCompletion)
#include "tst_completion.moc"
