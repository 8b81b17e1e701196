#pragma once

// Who the program is: shown in the title bars, the About window and the
// exported page.
inline constexpr char kVersionText[] = "Zelmora Ver.1.5.2";
inline constexpr char kHomePageUrl[] = "https://zelmora.example.org/";
inline constexpr char kNoticeText[] = "Copyright (C) 2026 the Zelmora developers.";
inline constexpr char kIconCreditText[] = "Icon was designed by the Zelmora developers.";
inline constexpr char kThanksText[] = "Special thanks to everyone who tested it.";
