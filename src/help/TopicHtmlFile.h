#pragma once

#include "data/Result.h"
#include "help/Manual.h"

#include <QString>
#include <QStringList>

// The names of the pictures a topic's HTML shows, in order, each once.
QStringList pictureNames(const QString& html);

// Writes a topic as a page of HTML at `path`, each of its pictures a PNG file beside it named after the page
// ("Page-bm3.png"). A picture that cannot be read stands as a frame with its reason; the reasons are given
// back. The reason when a file cannot be written.
Result<QStringList> writeTopicHtml(const Manual& manual, const Manual::Topic& topic, const QString& path);
