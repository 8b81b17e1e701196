#include "cli/did_you_mean.h"

#include <algorithm>

namespace {

// Edits of more than this many letters make another word, not a slip.
constexpr std::size_t kMostEdits = 2;
// Longer than any name and its slips: a long argument is no slip and is not compared.
constexpr std::size_t kLongestSlip = 16;

// The fewest letters to change, add, remove or swap with the next to turn a
// into b (the optimal string alignment distance).
std::size_t Edits(const std::string& a, const std::string& b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] != b[j - 1])});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

}  // namespace

std::string NearestName(const std::string& typed, const std::vector<std::string>& names) {
  if (typed.size() > kLongestSlip) return "";
  std::string nearest;
  std::size_t fewest = std::min(kMostEdits, typed.size() / 2) + 1;
  for (const std::string& name : names) {
    const std::size_t edits = Edits(typed, name);
    if (edits < fewest) {
      fewest = edits;
      nearest = name;
    }
  }
  return nearest;
}
