#pragma once

// The days that move with Fasika, as days from it; the movable feasts and the
// fasts both count from here. Nineveh falls two weeks before the 55 days of
// Abiy Tsom; Debre Zeit is the middle Sunday of Lent; Hosanna and Siklet the
// Sunday and Friday before Fasika; Rikbe Kahnat the Wednesday of the fourth
// week after; Erget the fortieth day and Paraclete the fiftieth, counting
// Fasika as the first; Tsome Hawaryat begins the day after Paraclete, and
// the weekly fast of Wednesday and Friday returns on the Wednesday after.
namespace from_fasika {
constexpr int kNineveh = -69;  // a Monday
constexpr int kNinevehDays = 3;
constexpr int kAbiyTsom = -55;  // a Monday; Lent runs to the eve of Fasika
constexpr int kDebreZeit = -28;
constexpr int kHosanna = -7;
constexpr int kSiklet = -2;
constexpr int kRikbeKahnat = 24;
constexpr int kErget = 39;
constexpr int kParaclete = 49;  // the last of the fifty days without the weekly fast
constexpr int kHawaryat = 50;
constexpr int kDihnet = 52;
}  // namespace from_fasika
