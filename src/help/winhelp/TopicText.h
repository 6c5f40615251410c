#pragma once

#include "help/winhelp/TopicFile.h"

#include <QList>
#include <QString>

#include <functional>

namespace WinHelp {

// A font of |FONT: its attributes, size, face and colour.
struct Font {
    enum Attribute : quint8 {
        Bold = 0x01,
        Italic = 0x02,
        Underline = 0x04,
        StrikeOut = 0x08,
        DoubleUnderline = 0x10
    };

    quint8 attributes = 0;
    int halfPoints = 0; // 0: the viewer's own size
    QString face;       // empty: the viewer's own face
    quint32 colour = 0; // 0xRRGGBB
};

// The text of a topic: plain, with a line break at the end of each paragraph, tabs between table cells
// and "[picture]" where a picture stands; and the same as HTML in the fonts and layout of the file, the
// region that does not scroll apart from the rest.
struct TopicText {
    QString text;
    QString html;
    QString fixedHtml;                  // the non-scrolling region at the top; empty when the topic has none
    QList<QByteArray> embeddedPictures; // the pictures the topic holds itself, in order
};

// The fonts of |FONT, or none for fonts of a kind this reader does not read; throws Damaged.
QList<Font> readFonts(QByteArrayView fontFile);

// The topic target a link names by the hash of a context name, as TopicLink holds it.
using LinkTarget = std::function<QString(quint32 contextHash)>;

// Renders the text and table links of a topic, its jumps and popups as TopicLink anchors; throws Damaged.
TopicText renderTopic(const TopicFile& topics, const TopicFile::Topic& topic, const PhraseTable& phrases,
                      const QList<Font>& fonts, const LinkTarget& linkTarget);

} // namespace WinHelp
