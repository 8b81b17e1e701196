#include "gui_support.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "calendar/clock_source.h"

namespace {
std::time_t fixedNow = 0;
std::time_t FixedTime(std::time_t* out) {
  if (out) *out = fixedNow;
  return fixedNow;
}
}  // namespace

void FixClock(int year, int month, int day, int hour, int minute, int second) {
  std::tm t = {};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  fixedNow = timegm(&t);
  WallClock = FixedTime;
}

void AdvanceClock(int seconds) { fixedNow += seconds; }

void Settle() {
  for (int i = 0; i < 3; ++i) Fl::check();
}

namespace {
// The toolkit keeps the user's preferences under $HOME: each test starts
// from a first run, in a home of its own.
class FreshHome : public ::testing::EmptyTestEventListener {
 public:
  FreshHome() {
    char pattern[] = "/tmp/zelmora-home-XXXXXX";
    home_ = mkdtemp(pattern);
    setenv("HOME", home_.c_str(), 1);
  }
  ~FreshHome() override { std::filesystem::remove_all(home_); }
  void OnTestStart(const ::testing::TestInfo&) override { std::filesystem::remove_all(home_ + "/.fltk"); }

 private:
  std::string home_;
};
}  // namespace

int main(int argc, char** argv) {
  setenv("TZ", "UTC", 1);
  tzset();
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshHome);
  fl_open_display();
  return RUN_ALL_TESTS();
}
