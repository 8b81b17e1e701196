#pragma once

#include <string>
#include <vector>

#include "core/remind/notice.h"

// Hands the notices to zelmora-notify, the private program that speaks to
// the session bus, in order. Empty when the server took every one; else why
// not, in words for the user, and *accepted counts those it took before.
std::string SendNotices(const std::vector<Notice>& notices, size_t* accepted);
