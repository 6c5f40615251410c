#include "shell/Beep.h"

#include <QApplication>

namespace {

std::function<void()>& speaker()
{
    static std::function<void()> instance;
    return instance;
}

} // namespace

void Beep::sound()
{
    if (speaker())
        speaker()();
    else
        QApplication::beep();
}

void Beep::setSpeaker(std::function<void()> newSpeaker)
{
    speaker() = std::move(newSpeaker);
}
