#include "adviser/UnitorCargoList.h"

#include "adviser/UnitorCatalogue.h"

#include <QSet>

bool isUnitorCargo(const QString& name)
{
    // The manual covers a cargo when a catalogue entry holds its name: the button then leads to advice.
    static const QSet<QString> names = [] {
        QSet<QString> all;
        for (const UnitorCatalogue::Entry& entry : UnitorCatalogue::entries())
            all.unite(QSet<QString>(entry.names.begin(), entry.names.end()));
        return all;
    }();
    return names.contains(name);
}
