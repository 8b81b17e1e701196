#pragma once

// Who the program is: shown in the title bars, the About window and the
// exported page. The name and version are CMake's project(), written into
// the build tree.
#include "core/identity/zelmora_version.h"
#include "core/locale/translation.h"

inline constexpr bool kHasHomePage = sizeof kHomePageUrl > 1;
// The About window's lines: each fits its 260-pixel box at size 12, even in a
// font as wide as DejaVu Sans.
inline constexpr char kNoticeText[] = N_("Copyright (C) 2026 the Zelmora team.");
inline constexpr char kIconCreditText[] = N_("Icon was designed by the Zelmora team.");
inline constexpr char kThanksText[] = N_("Special thanks to all who tested it.");
