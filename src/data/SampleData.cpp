#include "data/SampleData.h"

#include "data/Schema.h"
#include "data/Store.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

namespace {

// The SQLite header: its magic string, and the application id as a big-endian number at byte 68.
const QByteArray Magic("SQLite format 3\0", 16);
constexpr int ApplicationIdOffset = 68;

} // namespace

namespace SampleData {

QString notice()
{
    return QCoreApplication::translate("SampleData", "sample data — not tank-cleaning advice");
}

bool isSample(const QString& databasePath)
{
    // Read from the header itself: the id is set once, when the sample is built, and never written again,
    // so no connection (nor its locks) is needed to know it.
    QFile file(databasePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(ApplicationIdOffset + 4);
    return head.size() == ApplicationIdOffset + 4 && head.startsWith(Magic) &&
           qFromBigEndian<quint32>(head.constData() + ApplicationIdOffset) == ApplicationId;
}

QStringList samplesIn(const Store& store)
{
    QStringList samples;
    for (const DatabaseSchema& database : Schema::databases()) {
        if (isSample(store.pathOf(database.fileName)))
            samples << database.fileName;
    }
    return samples;
}

} // namespace SampleData
