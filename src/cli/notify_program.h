#pragma once

#include <string>
#include <vector>

#include "core/remind/notice.h"

// Hands the notices to zelmora-notify, the private program that speaks to
// the session bus. Empty when the server took every one; else why not, in
// words for the user.
std::string SendNotices(const std::vector<Notice>& notices);
