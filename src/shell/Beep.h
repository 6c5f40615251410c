#pragma once

#include <functional>

// The system beep; tests replace the speaker to count beeps.
class Beep {
public:
    static void sound();
    static void setSpeaker(std::function<void()> speaker); // nullptr restores the system beep
};
