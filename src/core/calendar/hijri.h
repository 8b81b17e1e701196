#pragma once

// The Hijri calendar as Saudi Arabia's Umm al-Qura calendar gives it, in the
// years of its table; outside them, the tabular (civil) Islamic calendar.

// Day number of day `day` of month `month` ([1, 12]) of Hijri year `year` (>= 1).
int HijriDayNumber(int year, int month, int day);
// The Hijri year that holds `dayNumber`, give or take one year.
int ApproximateHijriYear(int dayNumber);
