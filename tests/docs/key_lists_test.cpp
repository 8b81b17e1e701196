// The help page and the manual page list the window's keys as the key table
// has them, row for row, and the help page names every Tool item.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "keys/window_keys.h"
#include "mainwin/calendar_ui.h"

namespace {

using KeyRows = std::vector<std::pair<std::string, std::string>>;  // name, what it does

std::string Contents(const char* path) {
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

KeyRows TableRows() {
  KeyRows rows;
  for (std::size_t i = 0; i < kWindowKeyCount; ++i) rows.emplace_back(kWindowKeys[i].name, kWindowKeys[i].does);
  return rows;
}

TEST(KeyLists, HelpPageAndManualPageFollowTheKeyTable) {
  const std::string page = Contents(ZELMORA_HELP_PAGE);
  const std::string manual = Contents(ZELMORA_MANUAL_PAGE);
  const KeyRows onPage = Matches(Between(page, "<table id=\"key-list\">", "</table>"),
                                 std::regex("<tr><td><kbd>([^<]*)</kbd></td><td>([^<]*)</td></tr>"));
  const KeyRows inManual = Matches(Between(manual, ".SH KEYS", "\n.SH "), std::regex("\\.TP\n\\.B ([^\n]*)\n([^\n]*)"));
  EXPECT_EQ(onPage, TableRows());
  EXPECT_EQ(inManual, TableRows());
}

TEST(KeyLists, HelpPageNamesEveryToolItem) {
  const std::string page = Contents(ZELMORA_HELP_PAGE);
  for (std::size_t i = 0; i < CalendarUi::tool_action_count; ++i) {
    const std::string item = std::string("<b>Tool &rarr; ") + CalendarUi::tool_actions[i].label + "</b>";
    EXPECT_NE(page.find("<tr><td>" + item + "</td>"), std::string::npos) << item;
  }
}

}  // namespace
