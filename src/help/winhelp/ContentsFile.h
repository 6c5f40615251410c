#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace WinHelp {

// A line of a contents file (.cnt) of the help project: a heading, or a topic by its context name in this
// help file or another.
struct ContentsLine {
    int level = 1;
    QString title;
    QString context; // empty: a heading
    QString file;    // empty: the help file of the contents
};

// The headings and topics of a contents file in order; its commands (":Base", ":Title"...), comments and
// macro entries are passed over. Throws Damaged on a line that is none of these.
QList<ContentsLine> readContentsFile(QByteArrayView file);

} // namespace WinHelp
