#pragma once

#include "help/Manual.h"
#include "help/winhelp/TopicText.h"

#include <QByteArrayView>
#include <QString>

namespace WinHelp {

// A picture of a help file: an SHG or MRB container, as the |bm files hold it and topics embed it, with one
// or more resolutions of a bitmap (device-dependent or independent, stored plain, run-length or LZ77
// packed) or a metafile, and the hotspots of the picture. The resolution drawn for a screen of 96 dpi is
// read, else the first. A picture of more than 64 million pixels, or whose declared size would take more
// than 560 MB to unpack and hold, is refused, so that a manual with the picture being read stays below a
// gigabyte; the reason of a refusal names what is wrong with it. A hotspot leads to the topic target
// `linkTarget` gives for its context hash, as the links of topics do.
Result<Manual::Picture> readPicture(QByteArrayView container, const LinkTarget& linkTarget);

// A Windows bitmap file (.bmp) with an uncompressed device-independent bitmap, the same way.
Result<Manual::Picture> readBitmapFile(QByteArrayView file);

// The names by which a topic's HTML names its pictures: the file's |bm3 is "bm3", the second picture
// embedded in the topic at offset 32780 is "topic32780-1".
QString bitmapPictureName(int number);
QString embeddedPictureName(qint64 topicOffset, int index);

} // namespace WinHelp
