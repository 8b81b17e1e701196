#include "gui/dayswin/days_keeper.h"

#include <FL/Fl.H>
#include <unistd.h>

#include <utility>

#include "core/calendar/clock_source.h"
#include "gui/dialogs/dialogs.h"
#include "core/locale/translation.h"

namespace {

double SecondsBetween(const std::timespec& from, const std::timespec& to) {
  constexpr double kNanosecond = 1e-9;
  return static_cast<double>(to.tv_sec - from.tv_sec) + (to.tv_nsec - from.tv_nsec) * kNanosecond;
}

}  // namespace

DaysKeeper::DaysKeeper(std::string path) : store(std::move(path)) {
  // With no file there is nothing to read, and no thread to pay for: the store is empty as made.
  if (access(store.Path().c_str(), F_OK) != 0) {
    firstRead = true;
    return;
  }
  firstReading = std::thread([this] { firstRead = store.Load(&firstErrors); });
}

DaysKeeper::~DaysKeeper() {
  if (firstReading.joinable()) firstReading.join();
  Fl::remove_check(cb_look, this);
}

const std::vector<UserDay>& DaysKeeper::Days() const {
  static const std::vector<UserDay> kNone;
  return started ? store.Days() : kNone;
}

// The look rides on the event loop's own wake-ups (the clock's tick each
// second among them): no timer of its own, so an idle window wakes no more
// often than before, with or without a file.
void DaysKeeper::Start(std::function<void()> onChange) {
  changed = std::move(onChange);
  if (firstReading.joinable()) firstReading.join();
  started = true;
  Tell(firstRead, firstErrors);
  lastLook = PreciseClock();
  Fl::add_check(cb_look, this);
}

void DaysKeeper::cb_look(void* data) {
  auto* keeper = static_cast<DaysKeeper*>(data);
  const std::timespec now = PreciseClock();
  if (SecondsBetween(keeper->lastLook, now) < kLookEvery) return;
  keeper->lastLook = now;
  if (!keeper->store.ChangedOnDisk()) return;
  keeper->Load();
  if (keeper->changed) keeper->changed();
}

void DaysKeeper::Load() {
  std::vector<StoreError> errors;
  const bool read = store.Load(&errors);
  Tell(read, errors);
}

// Said once for as long as the file stays unreadable, and again should it
// break after a good read.
void DaysKeeper::Tell(bool read, const std::vector<StoreError>& errors) {
  if (read) {
    unreadableTold = false;
    return;
  }
  if (unreadableTold) return;
  unreadableTold = true;
  const StoreError first = errors.empty() ? StoreError{} : errors.front();
  Dialogs::alert(Filled(N_("The file of your days, %s, cannot be read whole (line %s: %s). The days that could be "
                           "read are shown; nothing will be saved into it until it is mended."),
                        {store.Path(), std::to_string(first.line), first.what})
                     .c_str());
}

// A refused change left the store as it was.
bool DaysKeeper::Done(bool saved, const std::string& why) {
  if (!saved) Dialogs::alert(why.c_str());
  if (saved && changed) changed();
  return saved;
}

bool DaysKeeper::Add(UserDay day) {
  std::string uid, why;
  return Done(store.Add(std::move(day), &uid, &why), why);
}

bool DaysKeeper::Replace(const UserDay& day) {
  std::string why;
  return Done(store.Replace(day, &why), why);
}

bool DaysKeeper::Remove(const std::string& uid) {
  std::string why;
  return Done(store.Remove(uid, &why), why);
}
