#include "LargeCargoData.h"

void generateCargoes(const TestDataFolder& folder, int count, int digits)
{
    folder.runSql(QStringLiteral("cleaning.mdb"),
                  QStringLiteral(R"(
        DELETE FROM CleaningA;
        WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)
        INSERT INTO CleaningA ("Abbreviated Name", "Full Name", "Cleaning Code", "Water Temperature", "Notes",
                               "Personal Notes", "ID  Number", "Pollution Category", "Compatability Chart No",
                               "H1", "H2", "H3", "SG", "Remarks", "CLASS")
        SELECT printf('%2', i), printf('Generated cargo number %d', i), (i % 7) + 1,
               char(65 + i % 6), (i % 24) + 1, CASE WHEN i % 10 = 0 THEN 'A note of my own.' END,
               i, CASE WHEN i % 5 = 0 THEN '1' ELSE 'C' END, (i % 22) + 1, i % 5, (i + 1) % 5,
               (i + 2) % 5, '0.9', 'Generated sample remark.', '3'
        FROM n;
    )")
                      .arg(count)
                      .arg(QStringLiteral("CARGO %0") + QString::number(digits) + QLatin1Char('d')));
}

const TestDataFolder& largeCargoFolder()
{
    static const TestDataFolder* folder = [] {
        auto* made = new TestDataFolder;
        made->copySampleDatabases();
        generateCargoes(*made, 20000, 5);
        return made;
    }();
    return *folder;
}

const TestDataFolder& hugeMemoFolder()
{
    static const TestDataFolder* folder = [] {
        auto* made = new TestDataFolder;
        made->copySampleDatabases();
        made->runSql(
            QStringLiteral("cleaning.mdb"),
            QStringLiteral("UPDATE CleaningA SET \"Remarks\" = replace(hex(zeroblob(50000000)), '00', "
                           "'ab') WHERE \"Abbreviated Name\" = 'BENZENE'"));
        return made;
    }();
    return *folder;
}
