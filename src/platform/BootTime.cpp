#include "platform/BootTime.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <time.h>
#endif

qint64 MillisecondsSinceBoot()
{
#ifdef Q_OS_WIN
    return qint64(GetTickCount64());
#else
    timespec ts{};
#ifdef CLOCK_BOOTTIME
    // counts the time spent suspended too, as a tick count since boot does
    if (clock_gettime(CLOCK_BOOTTIME, &ts) != 0)
#endif
        clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
#endif
}
