// The month's page as the exporter builds it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/export/html_exporter.h"
#include "core/identity/program_identity.h"
#include "test_files.h"

namespace {

// A month's page byte for byte as described, in both bases, with the footer
// (the fixtures were written from the description, apart from the program):
// declared Amharic, no spans, the export tables' spellings. Without a
// configured home page the footer leads to the installed help page.
TEST(HtmlExport, PageAsDescribed) {
  const struct {
    DatePair day;
    CalendarKind base;
    const char* file;
  } kPages[] = {
      {DatePair(2008, 9, 17, Gregorian), Gregorian, "/page_gregorian_2008_09.htm"},
      {DatePair(2001, 1, 30, Ethiopian), Ethiopian, "/page_ethiopian_2001_01.htm"},
  };
  for (const auto& p : kPages) {
    HtmlExporter exporter(p.day, p.base);
    if (!kHasHomePage) {
      EXPECT_EQ(exporter.homePage.rfind("file:///", 0), 0u) << exporter.homePage;
    }
    exporter.homePage = "https://zelmora.example/";
    EXPECT_EQ(exporter.Build(), ReadFile(std::string(ZELMORA_TEST_DATA) + p.file)) << p.file;
  }
}

// The fasting periods and the commemorations stand under the holidays only
// when asked for; a period is listed in every month it touches. The lists
// write dates as every other surface; Ge'ez numerals when asked.
TEST(HtmlExport, ChurchListsOnlyWhenAsked) {
  const struct {
    DatePair month;
    CalendarKind base;
    bool fasts, saints;
    std::vector<std::string> listed, absent;
    bool holidays = false, geez = false;
  } kPages[] = {
      {DatePair(2001, 3, 20, Ethiopian), Ethiopian, false, false, {}, {"Tsome Nebiyat", "Mikael"}},
      {DatePair(2001, 3, 20, Ethiopian), Ethiopian, true, false, {": Tsome Nebiyat - ጾመ ነቢያት</li>"}, {"Mikael", "Genna</li>"}},
      {DatePair(2001, 3, 20, Ethiopian), Ethiopian, false, true,
       {": Mikael (Michael the Archangel), Samuel and Yared - ሚካኤል፣ ሳሙኤል እና ያሬድ</li>"}, {"Tsome Nebiyat"}},
      {DatePair(2008, 12, 1, Gregorian), Gregorian, true, false,
       {"<li>Monday, November 24, 2008 / ሰኞ፣ 15 ኅዳር 2001 ዓ.ም. - ", ": Tsome Nebiyat - ጾመ ነቢያት</li>"}, {"Gehad of Genna"}},
      {DatePair(2009, 1, 1, Gregorian), Gregorian, true, false, {"Tsome Nebiyat", "Gehad of Genna", "Gehad of Timket"},
       {"Nineveh"}},
      // Pagume is outside the monthly round: no saint of the 1st to the 6th
      {DatePair(2001, 13, 1, Ethiopian), Ethiopian, false, true,
       {": none: Pagume is outside the monthly round - ጳጉሜን ወርሃዊ ዝክር የለውም</li>"}, {"Lideta", "Thaddeus"}},
      // With Ge'ez numerals the Ethiopian days and years, and only they, are
      // in Ge'ez; the table keeps its spelling, the list CLDR's.
      {DatePair(2001, 3, 20, Ethiopian), Ethiopian, false, false,
       {"ህዳር, ፳፻፩", "color='black' >፳</font>", "color='black' >29</font>",
        "<li>ሰኞ፣ ፳፱ ኅዳር ፳፻፩ ዓ.ም. / Monday, December 8, 2008: "},
       {"ህዳር, 2001", "29 ኅዳር", "<span"}, true, true},
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
