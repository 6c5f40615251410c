// The Windows Help reader on any bytes: read the file, every topic's text and every way of finding a topic.
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
    for (qsizetype index = 0; index < file->topicCount(); ++index)
        file->topic(index, &error);
    for (const WinHelpFile::ContextNumber& entry : file->contextNumbers())
        file->topicForNumber(entry.number);
    file->topicNamed(QStringLiteral("contents"));
    file->contentsTopic();
    return 0;
}
