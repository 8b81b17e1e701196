#pragma once

// Bahire Hasab, the church's reckoning of an Ethiopian year's movable days,
// figure by figure as the reckoners write them down.

// The evangelist of a year, in the order the four-year cycle takes them
// (the year of the world modulo 4; John's year follows the six-day Pagume).
enum class Evangelist { kJohn, kMatthew, kMark, kLuke };

struct BahireHasab {
  int ameteAlem;    // the year of the world: Ethiopian year + 5500
  Evangelist evangelist;
  int wenber;       // [0, 18] the year's place in the 19-year lunar cycle
  int abekte;       // [0, 29] the epact: the moon's age at the new year
  int metqi;        // [1, 30] 30 - Abekte; an Abekte of 0 gives 30, never 0
  int bealeMetqi;   // day number of Beale Metqi: Meskerem Metqi, or Tikimt Metqi when Metqi < 15
  int tewsak;       // [2, 8] the days that carry Beale Metqi's weekday on to Mebaja Hamer
  int mebajaHamer;  // [1, 30] the day of the month on which the fast of Nineveh begins
  int nineveh;      // day number of that Monday
  int fasika;       // day number of Fasika (Easter), 69 days after Nineveh
};

// year in [1, 9999]
BahireHasab ReckonBahireHasab(int year);
// "Matthew" ... "John"
const char* EvangelistName(Evangelist evangelist);
// The name in Ethiopic script.
const char* EvangelistAmharic(Evangelist evangelist);
