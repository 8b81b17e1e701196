#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/days/left_out.h"
#include "core/days/user_day.h"

// The user's days as an iCalendar file (RFC 5545, with RFC 7529's RSCALE for
// the Ethiopian repeats). Each day is a VEVENT: an all-day DTSTART, SUMMARY,
// DESCRIPTION when there is a note, a UID, and its repeat:
//   every Ethiopian year   RRULE:RSCALE=ETHIOPIC;FREQ=YEARLY (;SKIP=BACKWARD from Pagume 6)
//   every Ethiopian month  RRULE:RSCALE=ETHIOPIC;FREQ=MONTHLY
//   every Gregorian year   RRULE:FREQ=YEARLY
//   once                   no RRULE
//   memorial               the Ethiopian yearly rule, an RDATE for each
//                          commemoration of the first year, and
//                          X-ZELMORA-KIND:MEMORIAL
// A memorial is one event so that every calendar that reads RDATE and RSCALE
// shows all its days and the event stays one thing to change or delete; the
// X- property, which other programs keep and ignore, lets Zelmora know it.
// Everything else the file holds (other properties, alarms, time zones,
// other components, events with rules Zelmora does not keep) is written
// back as it was read.

// Which line could not be read, and why; line 0 is about the file as a whole.
struct StoreError {
  int line = 0;
  std::string what;
};

struct DaysFile {
  std::vector<UserDay> days;
  std::vector<std::string> properties;  // the calendar's own, as read (VERSION and PRODID are written anew)
  std::vector<std::string> components;  // other than the days, as read
  std::vector<LeftOut> leftOut;         // the events, to-dos and journal entries among them, and why
};

// Reads the file's text; false when some of it cannot be read, with errors
// naming the lines, and *file holding what could be read. A UTF-8 byte-order
// mark before it is passed over; a line that is not UTF-8 cannot be read. An
// event without a UID gets one made from its lines, the same at every reading.
// For import, each name and note must keep the rule for text
// (ical/text_rule.h), and Zelmora's own export of every date is left out
// (LeftOutCause::kOccurrence). The store's own file may hold control
// characters, which are shown as spaces, and keeps every day it holds.
// With a sink, each day goes to it as it is read, with the offset in text
// just past it, and file->days stays empty.
enum class Reading { kStore, kImport };
using DaySink = std::function<void(UserDay&& day, size_t readTo)>;
bool ReadDaysFile(std::string_view text, DaysFile* file, std::vector<StoreError>* errors,
                  Reading reading = Reading::kStore, const DaySink& sink = nullptr);

// Only the days of a text, for a test.
bool ReadDays(std::string_view text, std::vector<UserDay>* days, std::vector<StoreError>* errors);

// The file's text; false with the reason when a day cannot be written (a
// date past iCalendar's year 9999, a day with no UID).
bool WriteDaysFile(const DaysFile& file, std::string* text, std::string* why);

// A new UID, unlike any other: random, in the program's own domain.
std::string NewUid();
