#include <algorithm>
#include <cstdint>
#include <deque>

#include "core/calendar/calendar_date.h"
#include "core/days/alarm.h"
#include "core/days/days_file.h"
#include "core/days/property_name.h"
#include "core/days/rule_text.h"
#include "core/ical/content_line.h"
#include "core/ical/ics_text.h"
#include "core/ical/text_rule.h"
#include "core/locale/translation.h"
#include "core/memory/pages.h"

namespace {

constexpr int kDateDigits = 8;  // YYYYMMDD
using Name = PropertyName;


// One property of an event that says what the day is, and its line.
struct Field {
  LineParts parts;
  int line = 0;
  bool Present() const { return line != 0; }
};

// What one event said so far; its views point into the file, or into the
// reader's copies of folded lines.
struct EventFields {
  Field uid, stamp, start, end, rule, summary, description, kind;
  bool changesDates = false;  // EXDATE, EXRULE, DURATION, RECURRENCE-ID, a second RRULE
  bool hasDates = false;      // RDATE, which only a memorial may have
};

// A component that is open, and where its BEGIN line starts.
struct Open {
  std::string name;
  int line;
  size_t begin;
};

// Components that are not events but are counted with them.
const std::pair<std::string_view, LeftOutCause> kCountedComponents[] = {
    {"VTODO", LeftOutCause::kToDo},
    {"VJOURNAL", LeftOutCause::kJournal},
};

class Reader {
 public:
  Reader(std::string_view text, DaysFile* file, std::vector<StoreError>* errors, Reading reading, const DaySink& sink)
      : text_(text), lines_(text), file_(file), errors_(errors), reading_(reading), sink_(sink) {}

  bool Read() {
    UnfoldedLine line;
    while (lines_.Next(&line)) {
      LineParts parts;
      const bool content = SplitLine(line.text, &parts);
      const Name name = content ? IdentifyProperty(parts.name) : Name::kOther;
      if (closed_) return Fail(line.line, Tr("there is more after END:VCALENDAR"));
      if (open_.empty() && !(name == Name::kBegin && Is(parts.value, "VCALENDAR"))) {
        return Fail(line.line, Tr("the file does not begin with BEGIN:VCALENDAR"));
      }
      size_t notUtf8 = 0;
      if (!IsUtf8(line.text, &notUtf8)) {
        Fail(line.line, FaultText({notUtf8, false}));
      } else if (!content) {
        Fail(line.line, Tr("this is not an iCalendar line (NAME:value)"));
      } else if (name == Name::kBegin) {
        Begin(parts.value, line);
      } else if (name == Name::kEnd) {
        if (!End(parts.value, line)) return false;
      } else {
        Property(name, parts, line);
      }
    }
    if (!open_.empty()) {
      const std::string& name = open_.back().name;
      Fail(open_.back().line, Filled(Tr("BEGIN:%s has no END:%s"), {name, name}));
    }
    return ok_;
  }

 private:
  bool Fail(int line, const std::string& what) {
    errors_->push_back({line, what});
    ok_ = false;
    return false;
  }

  std::string Raw(size_t begin, size_t end) const { return WithCrlf(text_.substr(begin, end - begin)); }
  void Begin(std::string_view name, const UnfoldedLine& line) {
    open_.push_back({UpperCase(name), line.line, line.begin});
    if (open_.size() != 2) return;
    inEvent_ = Is(name, "VEVENT");
    if (!inEvent_) return;
    event_ = EventFields();
    errorsBefore_ = errors_->size();
    day_ = UserDay();
    rare_.reset();
    folded_.clear();
  }

  bool End(std::string_view name, const UnfoldedLine& line) {
    if (!Is(name, open_.back().name)) {
      return Fail(line.line, Filled(Tr("END:%s closes no BEGIN:%s"), {std::string(name), std::string(name)}));
    }
    const Open closed = std::move(open_.back());
    open_.pop_back();
    if (open_.empty()) {
      closed_ = true;
    } else if (open_.size() == 2 && inEvent_) {
      if (!TakeReminder(text_.substr(closed.begin, line.end - closed.begin), &day_.reminders)) {
        Rare().lines.push_back(Raw(closed.begin, line.end));  // another's alarm or component
      }
    } else if (open_.size() == 1 && !(closed.name == "VEVENT" && EndEvent(closed, line))) {
      file_->components.push_back(Raw(closed.begin, line.end));
      Count(closed);
    }
    return true;
  }

  // A component kept as it was that the days command counts: an event whose
  // dates Zelmora does not keep, a to-do, a journal entry.
  void Count(const Open& component) {
    if (component.name == "VEVENT") {
      // An event with a line that cannot be read is named by that line alone.
      if (errors_->size() == errorsBefore_) file_->leftOut.push_back({component.line, cause_});
      return;
    }
    for (const auto& [name, cause] : kCountedComponents) {
      if (component.name == name) file_->leftOut.push_back({component.line, cause});
    }
  }

  void Property(Name name, const LineParts& parts, const UnfoldedLine& line) {
    if (open_.size() == 1) {
      // The header writes these anew (a Gregorian scale is the only one a calendar may have, RFC 5545, 3.7.1).
      const bool header = name == Name::kVersion || name == Name::kProdid ||
                          (name == Name::kScale && Is(parts.value, "GREGORIAN"));
      if (name == Name::kProdid) zelmora_ = ics::IsOwnProduct(parts.value);
      if (!header) file_->properties.push_back(Raw(line.begin, line.end));
    } else if (open_.size() == 2 && inEvent_) {
      EventProperty(name, parts, line);
    }
  }

  // The field a property of the event fills, or none.
  Field* Known(Name name) {
    switch (name) {
      case Name::kUid: return &event_.uid;
      case Name::kStamp: return &event_.stamp;
      case Name::kStart: return &event_.start;
      case Name::kDtEnd: return &event_.end;
      case Name::kRule: return &event_.rule;
      case Name::kSummary: return &event_.summary;
      case Name::kDescription: return &event_.description;
      case Name::kKind: return &event_.kind;
      default: return nullptr;
    }
  }

  void EventProperty(Name name, LineParts parts, const UnfoldedLine& line) {
    Field* known = Known(name);
    if (name == Name::kChangesDates || (known == &event_.rule && known->Present())) event_.changesDates = true;
    if (name == Name::kRdate) {
      event_.hasDates = true;  // a memorial's are written anew; another event is kept whole
    } else if (known && !known->Present()) {
      if (line.text.data() < text_.data() || line.text.data() >= text_.data() + text_.size()) {
        SplitLine(folded_.emplace_back(line.text), &parts);
      }
      *known = {parts, line.line};
    } else {
      Rare().lines.push_back(Raw(line.begin, line.end));
    }
  }

  // A DATE value (YYYYMMDD) of a day Zelmora reckons; false for a date-time.
  bool DateValue(const Field& field, int32_t* day) {
    const std::string_view v = field.parts.value;
    const bool digits = v.size() == kDateDigits && std::all_of(v.begin(), v.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits) {
      if (Is(ParamValue(field.parts.params, "VALUE"), "DATE")) {
        Fail(field.line, Filled(Tr("\"%s\" is not a date (YYYYMMDD)"), {std::string(v)}));
      }
      return false;
    }
    const auto number = [v](size_t from, size_t length) {
      int n = 0;
      for (const char c : v.substr(from, length)) n = n * 10 + (c - '0');
      return n;
    };
    const int year = number(0, 4), month = number(4, 2), dayOfMonth = number(6, 2);
    const auto refused = [&] {
      return Fail(field.line, Filled(Tr("\"%s\" is no day of the calendar"), {std::string(v)}));
    };
    // The month is checked before a date is made of it: past 12 it would index past the month tables.
    if (year < kFirstSpanYear || month < 1 || month > 12 || dayOfMonth < 1) return refused();
    const CalendarDate first(year, month, 1, Gregorian);
    if (dayOfMonth > first.DaysInMonth()) return refused();
    *day = first.dayNumber + dayOfMonth - 1;
    return true;
  }

  bool Refuse(LeftOutCause cause) {
    cause_ = cause;
    return false;
  }

  // Whether the event's dates are ones Zelmora keeps: an all-day start, at
  // most one day long, and a rule it knows or none; false with the cause.
  bool Classify() {
    const EventFields& e = event_;
    UserDay& day = day_;
    int32_t endDay = 0;
    if (!e.start.Present()) return Refuse(LeftOutCause::kNoStart);
    if (!DateValue(e.start, &day.start)) return Refuse(LeftOutCause::kTimeOfDay);
    if (e.end.Present() && !DateValue(e.end, &endDay)) return Refuse(LeftOutCause::kTimeOfDay);
    if (e.end.Present() && endDay != day.start + 1) {
      return Refuse(endDay > day.start ? LeftOutCause::kSeveralDays : LeftOutCause::kNoLength);
    }
    if (e.changesDates) return Refuse(LeftOutCause::kChangedDates);
    const bool memorial = e.kind.Present() && Is(e.kind.parts.value, "MEMORIAL");
    if (e.kind.Present() != memorial) return Refuse(LeftOutCause::kOtherKind);
    if (e.hasDates != memorial) return Refuse(memorial ? LeftOutCause::kOtherKind : LeftOutCause::kOtherDates);
    if (e.rule.Present() && !RepeatOfRule(e.rule.parts.value, day.start, &day.repeat, &cause_)) return false;
    if (memorial && day.repeat != Repeat::kEthiopianYear) return Refuse(LeftOutCause::kOtherKind);
    if (memorial) day.repeat = Repeat::kMemorial;
    const bool ownExport = reading_ == Reading::kImport && zelmora_;
    if (ownExport && ics::IsDatedUid(e.uid.parts.value, day.start)) return Refuse(LeftOutCause::kOccurrence);
    return true;
  }

  // What the day keeps beyond its stamp, made when it first has some.
  KeptLines::Rare& Rare() {
    if (!rare_) rare_ = std::make_shared<KeptLines::Rare>();
    return *rare_;
  }

  // The usual UTC stamp in place; any other form as its whole line.
  void KeepStamp(const LineParts& stamp) {
    const std::string_view value = stamp.value;
    if (stamp.params.empty() && value.size() == KeptLines::kStampSize && value.find('\0') == std::string_view::npos) {
      std::copy(value.begin(), value.end(), day_.kept.stamp.begin());
    } else {
      Rare().stampLine = "DTSTAMP" + std::string(stamp.params) + ":" + std::string(value);
    }
  }

  // On import, a name or a note that breaks the rule for text fails its line.
  void CheckText(const std::string& text, TextLines lines, const Field& field, const char* whose) {
    TextFault fault;
    if (reading_ == Reading::kImport && !TextKeepsRule(text, lines, &fault)) {
      Fail(field.line, Filled(Tr(whose), {FaultText(fault)}));
    }
  }

  // Takes the event as one of the days; false to keep it whole as it was.
  bool EndEvent(const Open& begin, const UnfoldedLine& end) {
    if (!Classify()) return false;
    const EventFields& e = event_;
    UserDay& day = day_;
    day.uid = e.uid.Present() && !e.uid.parts.value.empty() ? std::string(e.uid.parts.value)
                              : ics::UidOfLines(text_.substr(begin.begin, end.end - begin.begin));
    if (e.stamp.Present()) KeepStamp(e.stamp.parts);
    if (e.summary.Present()) {
      day.name = Unescaped(e.summary.parts.value);
      CheckText(day.name, TextLines::kOne, e.summary, kNameFault);
      if (!e.summary.parts.params.empty()) Rare().nameParams = e.summary.parts.params;
    }
    if (e.description.Present()) {
      day.note = Unescaped(e.description.parts.value);
      CheckText(day.note, TextLines::kMany, e.description, kNoteFault);
      if (!e.description.parts.params.empty()) Rare().noteParams = e.description.parts.params;
      if (day.note.empty()) Rare().emptyNote = true;
    }
    if (e.end.Present()) Rare().oneDayEnd = true;
    day.kept.rare = std::move(rare_);
    if (sink_) {
      sink_(std::move(day), end.end);
    } else {
      file_->days.push_back(std::move(day));
    }
    return true;
  }

  std::string_view text_;
  LineReader lines_;
  DaysFile* file_;
  std::vector<StoreError>* errors_;
  Reading reading_;
  const DaySink& sink_;
  std::vector<Open> open_;
  EventFields event_;
  UserDay day_;  // the event's day as it is read
  std::shared_ptr<KeptLines::Rare> rare_;  // what day_ keeps beyond its stamp, when it keeps some
  bool inEvent_ = false;
  std::deque<std::string> folded_;  // the event's folded lines, which the line reader does not keep
  bool closed_ = false;
  bool ok_ = true;
  bool zelmora_ = false;  // the file's PRODID is Zelmora's
  LeftOutCause cause_ = LeftOutCause::kNoStart;  // why the last event was not taken
  size_t errorsBefore_ = 0;                       // the errors found before the event began
};

}  // namespace

bool ReadDaysFile(std::string_view text, DaysFile* file, std::vector<StoreError>* errors, Reading reading,
                  const DaySink& sink) {
  constexpr size_t kUsualEventBytes = 200;  // a day with a name, a note and its rule
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
  *file = DaysFile();
  if (!sink) file->days.reserve(text.size() / kUsualEventBytes);
  PlacePages(file->days.data(), file->days.capacity() * sizeof(UserDay));
  return Reader(text, file, errors, reading, sink).Read();
}

bool ReadDays(std::string_view text, std::vector<UserDay>* days, std::vector<StoreError>* errors) {
  DaysFile file;
  const bool read = ReadDaysFile(text, &file, errors);
  *days = std::move(file.days);
  return read;
}
