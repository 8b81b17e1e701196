// The Amharic names of the window and the terminal, as the Unicode CLDR
// writes them: common/main/am.xml (github.com/unicode-org/cldr), calendars
// "ethiopic" and "gregorian", months and days, format context. The Ethiopian
// months keep CLDR's traditional spellings (ኅዳር, ታኅሣሥ, ሚያዝያ, ጳጉሜን), the
// ones ICU and glibc's am_ET carry too, so that text written here reads as
// every other program on the desktop writes it; the simplified spellings
// (ህዳር, ታህሳስ) stay only on the exported page, whose bytes are fixed.
// The Gregorian months are CLDR 44's; CLDR 42, as ICU 72 carries it, spelled
// January and February ጃንዩወሪ and ፌብሩወሪ and abbreviated them ጃንዩ and
// ፌብሩ. Where CLDR inherits an abbreviation ("↑↑↑": March, May, June, July)
// it is the wide name. The parts of the day are the words people use for
// them; CLDR's day periods write the morning ጥዋት and the evening ምሽት (ICU
// 72: ማታ), the same parts in other spellings. CLDR's full date pattern for
// the Ethiopian calendar, "EEEE፣ d MMMM y G" (ICU 72's am@calendar=ethiopic),
// puts the day before the month and the Amharic comma after the weekday; the
// era is written ዓ.ም. after an Ethiopian year, as the church's pages write it
// ("ጥር 29 ቀን 2007 ዓ.ም.", eotcmk.org; "ሐምሌ ፭ ቀን፣ ፳፻፮ ዓ.ም.", mekrez.blogspot.com).
#include "core/locale/names_table.h"

const NamesTable kAmharicNames = {
    {"መስከረም", "ጥቅምት", "ኅዳር", "ታኅሣሥ", "ጥር", "የካቲት", "መጋቢት", "ሚያዝያ", "ግንቦት", "ሰኔ", "ሐምሌ", "ነሐሴ", "ጳጉሜን"},
    {"ጃንዋሪ", "ፌብሩዋሪ", "ማርች", "ኤፕሪል", "ሜይ", "ጁን", "ጁላይ", "ኦገስት", "ሴፕቴምበር", "ኦክቶበር", "ኖቬምበር", "ዲሴምበር"},
    {"ጃን", "ፌብ", "ማርች", "ኤፕሪ", "ሜይ", "ጁን", "ጁላይ", "ኦገስ", "ሴፕቴ", "ኦክቶ", "ኖቬም", "ዲሴም"},
    {"እሑድ", "ሰኞ", "ማክሰኞ", "ረቡዕ", "ሐሙስ", "ዓርብ", "ቅዳሜ"},
    {"እሑድ", "ሰኞ", "ማክሰ", "ረቡዕ", "ሐሙስ", "ዓርብ", "ቅዳሜ"},
    {"ሌሊት", "ጠዋት", "ከሰዓት", "ማታ"},
    true,
    "፣",
    "ዓ.ም.",
};
