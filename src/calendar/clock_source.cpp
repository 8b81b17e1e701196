#include "calendar/clock_source.h"

ClockSource CurrentTime = &std::time;
