#pragma once

// ICU's calendars as an independent reference, read and set by day number.
#include <gtest/gtest.h>
#include <unicode/ucal.h>

#include <memory>

#include "reference_dates.h"

struct Fields {
  int year, month, day, weekday;
};

class IcuCalendar {
 public:
  explicit IcuCalendar(const char* locale) {
    UErrorCode status = U_ZERO_ERROR;
    cal_.reset(ucal_open(u"UTC", -1, locale, UCAL_DEFAULT, &status));
    EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    ucal_setGregorianChange(cal_.get(), -8.64e15, &status);  // no Julian dates
  }
  // The day number of a date in this calendar (month from 1).
  int DayOf(int year, int month, int day) {
    UErrorCode status = U_ZERO_ERROR;
    ucal_clear(cal_.get());
    ucal_set(cal_.get(), UCAL_EXTENDED_YEAR, year);
    ucal_set(cal_.get(), UCAL_MONTH, month - 1);
    ucal_set(cal_.get(), UCAL_DATE, day);
    const double millis = ucal_getMillis(cal_.get(), &status);
    EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    return static_cast<int>(millis / kMillisPerDay) + kJdnOfUnixEpoch - reference::kJdnOfDayZero;
  }
  Fields At(int dayNumber) {
    UErrorCode status = U_ZERO_ERROR;
    ucal_setMillis(cal_.get(), (dayNumber + reference::kJdnOfDayZero - kJdnOfUnixEpoch) * kMillisPerDay, &status);
    return {ucal_get(cal_.get(), UCAL_EXTENDED_YEAR, &status), ucal_get(cal_.get(), UCAL_MONTH, &status) + 1,
            ucal_get(cal_.get(), UCAL_DATE, &status), ucal_get(cal_.get(), UCAL_DAY_OF_WEEK, &status) - 1};
  }

 private:
  static constexpr double kMillisPerDay = 86400000.0;
  static constexpr int kJdnOfUnixEpoch = 2440588;
  struct Closer {
    void operator()(UCalendar* c) const { ucal_close(c); }
  };
  std::unique_ptr<UCalendar, Closer> cal_;
};
