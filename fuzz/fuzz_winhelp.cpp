// The Windows Help reader on any bytes: read the file, every topic's text and pictures and every way of
// finding a topic.
#include "help/TopicHtmlFile.h"
#include "help/winhelp/WinHelpFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const std::optional<WinHelpFile> file = WinHelpFile::read(bytes, &error);
    if (!file)
        return 0;
    for (qsizetype index = 0; index < file->topicCount(); ++index) {
        const std::optional<WinHelpFile::Topic> topic = file->topic(index, &error);
        for (const QString& name : pictureNames(topic ? topic->fixedHtml + topic->html : QString()))
            static_cast<void>(file->picture(name));
    }
    for (const WinHelpFile::ContextNumber& entry : file->contextNumbers())
        file->topicForNumber(entry.number);
    file->topicNamed(QStringLiteral("contents"));
    file->contentsTopic();
    return 0;
}
