// Each language's help page, as the build carries it, and the manual page list
// the window's keys as the key table has them, row for row, in the words the
// window uses; each help page names every Tool item as the menu does, and a
// translated page has the English page's sections.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/folders/help_page.h"
#include "gui/keys/window_keys.h"
#include "core/locale/translation.h"
#include "gui/mainwin/calendar_ui.h"
#include "core/folders/folders.h"

namespace {

using KeyRows = std::vector<std::pair<std::string, std::string>>;  // name, what it does

std::string Contents(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
  const std::size_t start = text.find(from);
  if (start == std::string::npos) return "";
  const std::size_t end = text.find(to, start + from.size());
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

KeyRows Matches(const std::string& text, const std::regex& row) {
  KeyRows rows;
  for (std::sregex_iterator it(text.begin(), text.end(), row), end; it != end; ++it) {
    rows.emplace_back((*it)[1], (*it)[2]);
  }
  return rows;
}

KeyRows TableRows(Language language) {
  KeyRows rows;
  for (std::size_t i = 0; i < kWindowKeyCount; ++i) {
    rows.emplace_back(kWindowKeys[i].name, Tr(kWindowKeys[i].does, language));
  }
  return rows;
}

// The page the build puts beside the program, where the window finds it.
std::string HelpPageText(Language language) {
  const std::string path = FindDataFile(HelpPageName(language));
  EXPECT_FALSE(path.empty()) << HelpPageName(language);
  return path.empty() ? "" : Contents(path);
}

// The ids of the page's elements, in order: its sections and the key list.
std::vector<std::string> Ids(const std::string& page) {
  std::vector<std::string> ids;
  const std::regex id(" id=\"([^\"]*)\"");
  for (std::sregex_iterator it(page.begin(), page.end(), id), end; it != end; ++it) ids.push_back((*it)[1]);
  return ids;
}

// Each language, by its place in the enum; the rows are named by code.
class HelpPageIn : public ::testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() { BindCatalog(CatalogFolder()); }
  static Language Shown() { return Language(GetParam()); }
};

TEST_P(HelpPageIn, ListsTheKeyTable) {
  const KeyRows onPage = Matches(Between(HelpPageText(Shown()), "<table id=\"key-list\">", "</table>"),
                                 std::regex("<tr><td><kbd>([^<]*)</kbd></td><td>([^<]*)</td></tr>"));
  EXPECT_EQ(onPage, TableRows(Shown()));
}

TEST_P(HelpPageIn, NamesEveryToolItem) {
  const Language language = Shown();
  const std::string page = HelpPageText(language);
  for (std::size_t i = 0; i < CalendarUi::tool_action_count; ++i) {
    const std::string item = std::string("<b>") + Tr("Tool", language) + " &rarr; " +
                             Tr(CalendarUi::tool_actions[i].label, language) + "</b>";
    EXPECT_NE(page.find("<tr><td>" + item + "</td>"), std::string::npos) << item;
  }
}

TEST_P(HelpPageIn, HasTheEnglishPagesSections) {
  if (Shown() == Language::kEnglish) GTEST_SKIP() << "the English page is the one the others follow";
  EXPECT_EQ(Ids(HelpPageText(Shown())), Ids(HelpPageText(Language::kEnglish)));
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, HelpPageIn, ::testing::Range(0, kLanguages),
                         [](const ::testing::TestParamInfo<int>& info) { return LanguageCode(Language(info.param)); });

TEST(KeyLists, ManualPageFollowsTheKeyTable) {
  const KeyRows inManual = Matches(Between(Contents(ZELMORA_MANUAL_PAGE), ".SH KEYS", "\n.SH "),
                                   std::regex("\\.TP\n\\.B ([^\n]*)\n([^\n]*)"));
  EXPECT_EQ(inManual, TableRows(Language::kEnglish));
}

}  // namespace
