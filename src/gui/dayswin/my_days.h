#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/calendar/date_pair.h"
#include "gui/dayswin/day_dialog.h"
#include "gui/dayswin/days_keeper.h"
#include "gui/dayswin/days_list_window.h"
#include "core/locale/language_names.h"

// The user's days in the window program: their keeper, the day dialog and
// the list of all days, each window made the first time it is opened so
// that start-up builds neither.
class MyDays {
 public:
  // `changed` runs after the days changed (a reload or a save); `go` shows a
  // day picked in the list.
  MyDays(std::function<void()> changed, std::function<void(int32_t day)> go);
  ~MyDays();
  MyDays(const MyDays&) = delete;
  MyDays& operator=(const MyDays&) = delete;

  // Once the event loop has shown the window, takes the days read beside its
  // start (days_keeper.h) and starts looking at the file: a long file
  // delays the marks, never the window.
  void Start();
  const std::vector<UserDay>& Days() const { return keeper.Days(); }
  // Each window opens beside `owner`, where it covers none of it (moving
  // `owner` over on a narrow screen), and stays above it.
  void OpenDay(DatePair date, TextStyle style, Fl_Window* owner);
  void OpenList(int32_t today, TextStyle style, Fl_Window* owner);
  // The main window picked date: the day dialog follows when nothing typed would be lost.
  void Follow(DatePair date);
  // Closes the windows with their owner, once nothing typed would be lost;
  // false when the user chose to stay.
  bool Close();
  // The windows open now in the language and numerals chosen now.
  void Restyle(TextStyle style);

  DayDialog* dialog = nullptr;
  DaysListWindow* listWindow = nullptr;

 private:
  void Changed();
  static void cb_start(void* days);

  DaysKeeper keeper;
  std::function<void()> changed;
  std::function<void(int32_t)> go;
};
