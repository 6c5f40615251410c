#include "app/SystemInformation.h"

#include <QProcess>
#include <QStandardPaths>

namespace SystemInformation {

bool start()
{
    // The desktops' own system-information programs: KDE's Info Center, then HardInfo (GTK) in its
    // current and its older name.
    for (const char* name : {"kinfocenter", "hardinfo2", "hardinfo"}) {
        const QString program = QStandardPaths::findExecutable(QLatin1String(name));
        if (!program.isEmpty())
            return QProcess::startDetached(program, {});
    }
    return false;
}

} // namespace SystemInformation
