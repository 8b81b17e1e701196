#pragma once

#include <string>
#include <vector>

// The name among `names` nearest to what was typed, when it is near enough to
// be the one meant (a letter or two wrong, missing, extra or swapped); empty
// otherwise.
std::string NearestName(const std::string& typed, const std::vector<std::string>& names);
