#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace WinHelp {

// A keyword of the index and the topic offsets it leads to.
struct KeywordEntry {
    QString keyword;
    QList<qint32> offsets;
};

// The keywords of the index from |KWBTREE (each keyword, its count of topics and where their offsets stand)
// and |KWDATA (the offsets), in the order of the tree; throws Damaged.
QList<KeywordEntry> readKeywordTable(QByteArrayView tree, QByteArrayView data);

} // namespace WinHelp
