#pragma once

#include <QtGlobal>

#include <functional>
#include <optional>

// Milliseconds on a clock that never runs backwards, whatever is done to the time of day.
using MonotonicClock = std::function<qint64()>;
MonotonicClock steadyClock();

// The splash's progress run: it starts at its first tick and grows by elapsed seconds × 180 / 10, that is
// 18 percent a second; at 100 percent, about 5.56 seconds in, it is done.
class SplashProgress {
public:
    explicit SplashProgress(MonotonicClock clock);

    // The percent at this tick; the first tick starts the run at 0.
    double tick();

    static double percentAfter(qint64 elapsedMs) { return elapsedMs * 180 / 10 / 1000.0; }
    static bool isDone(double percent) { return percent >= 100; }

private:
    MonotonicClock m_clock;
    std::optional<qint64> m_start;
};
