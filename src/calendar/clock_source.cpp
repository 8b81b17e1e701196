#include "calendar/clock_source.h"

ClockSource WallClock = &std::time;
