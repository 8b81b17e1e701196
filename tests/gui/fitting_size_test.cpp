// The fitting opens only the sizes round its answer, and the answer stays the
// largest size that fits, wherever its search starts and whatever is open;
// once it is found, the sizes open settle it again without opening more.
#include <gtest/gtest.h>
// after the test library, whose None the X headers' macro would replace
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "gui/fonts/fitting_size.h"
#include "gui/grid/day_cell.h"

namespace {

double WidthAt(Fl_Font font, const char* text, Fl_Fontsize size) {
  fl_font(font, size);
  return fl_width(text);
}

TEST(FittingSize, SearchFromAnEstimateAsksOnlyRoundTheAnswer) {
  constexpr Fl_Fontsize kLeast = 8, kMost = 20;
  for (Fl_Fontsize answer = kLeast; answer <= kMost; ++answer) {
    for (Fl_Fontsize estimate = kLeast - 1; estimate <= kMost + 1; ++estimate) {
      int asked = 0;
      const auto holds = [&](Fl_Fontsize size) {
        ++asked;
        EXPECT_LT(size, kMost);  // taken to hold there, never asked
        return size >= answer;
      };
      EXPECT_EQ(SmallestSizeWhere(holds, estimate, kLeast, kMost), answer) << estimate;
      EXPECT_LE(asked, std::abs(std::clamp(estimate, kLeast, kMost) - answer) + 2) << answer << " from " << estimate;
    }
  }
}

// Each row opens a size first, as another caller would have.
TEST(FittingSize, LargestThatFitsFromAnyStartWithSizesOpen) {
  constexpr Fl_Fontsize kSmallest = 8, kLargest = 24;
  const struct {
    Fl_Font font;
    const char* text;
    Fl_Fontsize opened;
  } rows[] = {{FL_HELVETICA, "30", 0}, {FL_HELVETICA, "30", 16}, {FL_COURIER, "Saturday    January( 1)  1", 11}};
  for (const auto& row : rows) {
    if (row.opened) UseFont(row.font, row.opened);
    for (double room = 0; room <= WidthAt(row.font, row.text, kLargest + 1); ++room) {
      for (Fl_Fontsize estimate : {kSmallest, kSmallest + kLargest / 2, kLargest}) {
        const Fl_Fontsize size = LargestFittingSize(row.font, row.text, room, kLargest, kSmallest, estimate);
        const std::string at = std::string(row.text) + " in " + std::to_string(room) + " from " + std::to_string(estimate);
        EXPECT_TRUE(size == kSmallest || WidthAt(row.font, row.text, size) <= room) << at;
        EXPECT_TRUE(size == kLargest || WidthAt(row.font, row.text, size + 1) > room) << at;
        const std::size_t opened = OpenSizes(row.font).size();  // the answer's and the next, now open, settle it
        EXPECT_EQ(LargestFittingSize(row.font, row.text, room, kLargest, kSmallest, kLargest), size) << at;
        EXPECT_EQ(OpenSizes(row.font).size(), opened) << at;
      }
    }
  }
}

// At the size found, found after other sizes were opened, every digit's ink
// is taller than the least; a size smaller, some digit's is not.
TEST(FittingSize, ReadableSizeIsTheSmallestReadable) {
  const auto shortestInk = [](Fl_Font font, Fl_Fontsize size) {
    int shortest = size;
    for (const char* digit : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}) {
      int dx = 0, dy = 0, inkW = 0, inkH = 0;
      fl_font(font, size);
      fl_text_extents(digit, dx, dy, inkW, inkH);
      shortest = std::min(shortest, inkH);
    }
    return shortest;
  };
  for (Fl_Font font : {FL_TIMES, FL_COURIER, FL_HELVETICA_BOLD}) {
    const Fl_Fontsize size = DayCell::ReadableSize(font);
    EXPECT_GT(shortestInk(font, size), DayCell::kSmallestInk) << font;
    EXPECT_TRUE(size == DayCell::kSmallestInk || shortestInk(font, size - 1) <= DayCell::kSmallestInk) << font;
  }
}

}  // namespace
