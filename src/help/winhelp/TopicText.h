#pragma once

#include "help/winhelp/TopicFile.h"

#include <QList>
#include <QString>

namespace WinHelp {

// The text of a topic: plain, with a line break at the end of each paragraph, tabs between table cells
// and "[picture]" where a picture stands; and the same as simple HTML with bold and italic, each picture
// an <img src="velcarin-picture:NAME">.
struct TopicText {
    QString text;
    QString html;
    QList<QByteArray> embeddedPictures; // the pictures the topic holds itself, in order
};

// The attributes of each font of |FONT (bold 1, italic 2), or none for fonts of a kind this reader does
// not read; throws Damaged.
QList<quint8> readFontAttributes(QByteArrayView fontFile);

// Renders the text and table links of a topic; throws Damaged.
TopicText renderTopic(const TopicFile& topics, const TopicFile::Topic& topic, const PhraseTable& phrases,
                      const QList<quint8>& fontAttributes);

} // namespace WinHelp
