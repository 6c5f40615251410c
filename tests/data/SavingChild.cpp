#include "data/RecordSet.h"
#include "data/RecordSources.h"
#include "data/Schema.h"
#include "data/Store.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cstdio>

// For tst_crashsave, which kills it: saves a note and a UN number of random cargoes of DATA_DIR's
// cleaning.mdb, together in one update, as fast as it can, the way the editing windows save. It announces
// each save before it starts ("begin ROW MARK") and once it is written ("done ROW MARK").
// Usage: velcarin_saving_child DATA_DIR SEED
int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3)
        return 2;
    const Result<Database> database = Store(QString::fromLocal8Bit(argv[1])).open(Schema::CleaningFile);
    const Result<RecordSet> cargoes = database ? RecordSet::open(*database, RecordSources::DtaA)
                                               : Result<RecordSet>(Failure{database.error()});
    if (!cargoes) {
        std::fprintf(stderr, "%s\n", qPrintable(cargoes.error()));
        return 2;
    }
    const int notes = cargoes->fieldIndex(QStringLiteral("Personal Notes"));
    const int unNumber = cargoes->fieldIndex(QStringLiteral("United No"));
    const QByteArray seed(argv[2]);
    QRandomGenerator random(seed.toUInt());
    std::printf("ready\n");
    std::fflush(stdout);
    for (int n = 0;; ++n) {
        RecordSet cargo = cargoes->clone();
        const int row = random.bounded(cargo.recordCount());
        cargo.move(row);
        const QString mark = QString::fromLatin1(seed) + QLatin1Char('.') + QString::number(n);
        // Up to tens of kilobytes, so that a save spans many pages of the file.
        const QString text = mark + QStringLiteral(" Bjørn – 20 °C\r\n").repeated(random.bounded(1, 2000));
        std::printf("begin %d %s\n", row, qPrintable(mark));
        std::fflush(stdout);
        Result<> saved = cargo.edit();
        if (saved)
            saved = cargo.setValue(notes, text);
        if (saved)
            saved = cargo.setValue(unNumber, mark);
        if (saved)
            saved = cargo.update();
        if (!saved) {
            std::fprintf(stderr, "%s\n", qPrintable(saved.error()));
            return 1;
        }
        std::printf("done %d %s\n", row, qPrintable(mark));
        std::fflush(stdout);
    }
}
