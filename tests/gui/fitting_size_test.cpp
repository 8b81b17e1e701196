// The fitting's answer stays the largest size that fits, however it is found.
#include "gui_support.h"

#include <FL/fl_draw.H>

#include <algorithm>
#include <tuple>

#include "gui/fonts/fitting_size.h"
#include "gui/grid/day_cell.h"

// After a size another caller opened; once found, the sizes open settle it, also under a higher cap.
TEST(FittingSize, LargestThatFitsWithSizesOpen) {
  constexpr Fl_Fontsize kSmallest = 8, kLargest = 24;
  const auto width = [](Fl_Font font, const char* text, Fl_Fontsize size) { return fl_font(font, size), fl_width(text); };
  for (const auto& [font, text, opened] : {std::tuple{FL_HELVETICA, "30", 16},
                                           std::tuple{FL_COURIER, "Saturday    January( 1)  1", 11}}) {
    UseFont(font, opened);
    for (double room = 0; room < width(font, text, kLargest); ++room) {
      const Fl_Fontsize size = LargestFittingSize(font, text, room, kLargest, kSmallest);
      EXPECT_TRUE(size == kSmallest || width(font, text, size) <= room) << text << room;
      EXPECT_TRUE(size == kLargest || width(font, text, size + 1) > room) << text << room;
      const std::vector<Fl_Fontsize> open = OpenSizes(font);  // the next size, too wide, among them
      EXPECT_TRUE(std::binary_search(open.begin(), open.end(), size + 1)) << text << room;
      EXPECT_EQ(LargestFittingSize(font, text, room, kLargest + kSmallest, kSmallest), size) << text << room;
      EXPECT_EQ(OpenSizes(font), open) << text << room;
    }
  }
}

// Every digit's ink is taller than the least at the size found, not a size below.
TEST(FittingSize, ReadableSizeIsTheSmallestReadable) {
  for (Fl_Font font : {FL_TIMES, FL_COURIER, FL_HELVETICA_BOLD}) {
    const Fl_Fontsize found = DayCell::ReadableSize(font);
    for (Fl_Fontsize size : {found - 1, found}) {
      int shortest = size, dx = 0, dy = 0, inkW = 0, inkH = 0;
      fl_font(font, size);
      for (const char digit : std::string("0123456789")) {
        fl_text_extents(std::string(1, digit).c_str(), dx, dy, inkW, inkH);
        shortest = std::min(shortest, inkH);
      }
      EXPECT_EQ(shortest > DayCell::kSmallestInk, size == found) << font << " at " << size;
    }
  }
}
