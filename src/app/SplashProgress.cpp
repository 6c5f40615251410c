#include "app/SplashProgress.h"

#include <QElapsedTimer>

MonotonicClock steadyClock()
{
    QElapsedTimer timer;
    timer.start();
    return [timer] {
        return timer.elapsed();
    };
}

SplashProgress::SplashProgress(MonotonicClock clock)
    : m_clock(std::move(clock))
{
}

double SplashProgress::tick()
{
    const qint64 now = m_clock();
    if (!m_start)
        m_start = now;
    return percentAfter(now - *m_start);
}
