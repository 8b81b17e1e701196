#pragma once

#include "core/church/church_name.h"

// The monthly commemorations of the Ethiopian Orthodox Church: the saint or
// feast kept on each day of every 30-day month, such as Mikael on the 12th.

// dayOfMonth in [1, 30]; nullptr for any other day (Pagume's days are not in
// the monthly round).
const ChurchName* CommemorationOfDay(int dayOfMonth);
// What a day of Pagume says instead of a commemoration.
const ChurchName& NoCommemorationInPagume();
