// The month's page as the exporter builds it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/export/html_exporter.h"

namespace {

// The fasting periods and the commemorations stand under the holidays only
// when asked for; a period is listed in every month it touches. The
// Amharic names say they are; Ge'ez numerals when asked.
TEST(HtmlExport, ChurchListsOnlyWhenAsked) {
  const struct {
    DatePair month;
    CalendarKind base;
    bool fasts, saints;
    std::vector<std::string> listed, absent;
    bool holidays = false, geez = false;
  } kPages[] = {
      {DatePair(2001, 3, 20, Ethiopian), Ethiopian, false, false, {}, {"Tsome Nebiyat", "Mikael"}},
      {DatePair(2001, 3, 20, Ethiopian), Ethiopian, true, false, {": Tsome Nebiyat - <span lang='am'>ጾመ ነቢያት</span></li>"}, {"Mikael", "Genna</li>"}},
      {DatePair(2001, 3, 20, Ethiopian), Ethiopian, false, true,
       {": Mikael (Michael the Archangel), Samuel and Yared - <span lang='am'>ሚካኤል፣ ሳሙኤል እና ያሬድ</span></li>"}, {"Tsome Nebiyat"}},
      {DatePair(2008, 12, 1, Gregorian), Gregorian, true, false, {"November 24, 2008 / ", ": Tsome Nebiyat - <span lang='am'>ጾመ ነቢያት</span></li>"},
       {"Gehad of Genna"}},
      {DatePair(2009, 1, 1, Gregorian), Gregorian, true, false, {"Tsome Nebiyat", "Gehad of Genna", "Gehad of Timket"},
       {"Nineveh"}},
      // Pagume is outside the monthly round: no saint of the 1st to the 6th
      {DatePair(2001, 13, 1, Ethiopian), Ethiopian, false, true,
       {": none: Pagume is outside the monthly round - <span lang='am'>ጳጉሜ ወርሃዊ መታሰቢያ የለውም</span></li>"}, {"Lideta", "Thaddeus"}},
      // With Ge'ez numerals the Ethiopian days and years, and only they, are in Ge'ez.
      {DatePair(2001, 3, 20, Ethiopian), Ethiopian, false, false,
       {"<span lang='am'>ህዳር</span>, ፳፻፩", "color='black' >፳</font>", "color='black' >29</font>",
        "<span lang='am'>ህዳር</span> ፳፱, ፳፻፩ / December 8, 2008: "},
       {"ህዳር</span>, 2001", "ህዳር</span> 29"}, true, true},
  };
  for (const auto& p : kPages) {
    HtmlExporter exporter(p.month, p.base, p.holidays);
    exporter.fastsShown = p.fasts;
    exporter.saintsShown = p.saints;
    exporter.geezNumerals = p.geez;
    const std::string page = exporter.Build();
    for (const std::string& text : p.listed) EXPECT_NE(page.find(text), std::string::npos) << text;
    for (const std::string& text : p.absent) EXPECT_EQ(page.find(text), std::string::npos) << text;
  }
}

}  // namespace
