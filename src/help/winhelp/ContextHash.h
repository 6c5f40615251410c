#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace WinHelp {

// The hash by which |CONTEXT and the links of topics know a context name; letters of either case count
// alike.
qint32 contextHash(const QString& name);

// A topic target that names a topic by the hash of its context name ("~1A2B3C4D"), for a link into a file
// whose context names this one cannot see.
QString hashTarget(quint32 hash);
// The hash such a target holds; nothing for another target.
std::optional<quint32> hashOfTarget(QStringView target);

} // namespace WinHelp
