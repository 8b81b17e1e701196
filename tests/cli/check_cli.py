"""The terminal commands as whole processes, with no X display: one matrix of
command lines (arguments, environment, where standard output goes, the
user's days file) against their exact output, error and exit status; the
iCalendar file read back by an independent reader (python3-icalendar); the
user's days changed by many commands at once; and the bash completion.

Usage: check_cli.py ZELMORA   (run by Debian's python3, which has icalendar)
"""
import datetime
import json
import os
import pty
import re
import shlex
import subprocess
import sys
import tempfile
import time

import icalendar
from dateutil.easter import EASTER_ORTHODOX, easter

ZELMORA = sys.argv[1]
# Every run sees Saturday 29 November 2008 (Hdar 20, 2001), 09:00 UTC, in a
# locale that is not Amharic, on no terminal, unless its case says otherwise.
ENV = {k: v for k, v in os.environ.items()
       if k not in ("DISPLAY", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES", "LANG", "NO_COLOR")}
ENV.update(TZ="UTC", TERM="xterm")
WHEN = "2008-11-29 09:00:00"


def FROZEN(when):
    """The clock stopped at when, for one process."""
    return {"LD_PRELOAD": os.environ["ZELMORA_LIBFAKETIME"], "FAKETIME": when}


def read_all(master):
    """Everything a terminal received: one read may return only part of it,
    and Linux reports the end with EIO once every writer has closed it."""
    chunks = []
    while True:
        try:
            chunk = os.read(master, 1 << 16)
        except OSError:
            chunk = b""
        if not chunk:
            os.close(master)
            return b"".join(chunks)
        chunks.append(chunk)


# The user's data folder inside a run's home folder.
DATA = "data/zelmora"
# Each run has a home folder of its own, so that no run sees the user's days
# of another (or of whoever runs the tests).
EMPTY_HOME = tempfile.mkdtemp(prefix="zelmora-cli-")


def run(args, when=WHEN, env=None, stdout="pipe", home=EMPTY_HOME, stdin=None):
    """stdout: "pipe", "full" (/dev/full), "closed", or "tty" (a terminal); stdin: text for standard input."""
    command = [ZELMORA] + args
    folders = {"HOME": home, "XDG_DATA_HOME": os.path.join(home, "data")}
    environment = dict(ENV, **folders, **(env or {}), **(FROZEN(when) if when else {}))
    if stdout == "tty":
        master, slave = pty.openpty()
        done = subprocess.run(command, env=environment, stdout=slave, stderr=subprocess.PIPE, timeout=30)
        os.close(slave)
        out = read_all(master).decode().replace("\r\n", "\n")
        return out, done.stderr.decode(), done.returncode
    if stdout in ("full", "closed"):
        target = open("/dev/full", "wb") if stdout == "full" else None
        done = subprocess.run(command, env=environment, stdout=target, stderr=subprocess.PIPE, timeout=30,
                              preexec_fn=(lambda: os.close(1)) if stdout == "closed" else None)
        return "", done.stderr.decode(), done.returncode
    done = subprocess.run(command, env=environment, capture_output=True, timeout=30,
                          input=stdin.encode() if stdin else None)
    return done.stdout.decode(), done.stderr.decode(), done.returncode


HELP = subprocess.run([ZELMORA, "--help"], capture_output=True, text=True).stdout
CONVERT_HELP = """\
Usage: zelmora convert [OPTIONS] DATE
The day DATE (YEAR/MONTH/DAY or YEAR-MONTH-DAY) in both calendars.

  --ethiopian, --gregorian   the calendar of DATE (Gregorian unless --ethiopian)
  --format FORMAT            the converted date as FORMAT writes it (zelmora
                             help today lists its tokens)
  --to ethiopian|gregorian   the calendar --format writes
  --json                     the day as JSON
  --amharic, --geez          names in Amharic, Ge'ez numerals

Example: zelmora convert --ethiopian 2019/1/5 --format %F
"""
MONTH_HELP = "Usage: zelmora month [OPTIONS] [YEAR/MONTH]\n"
NOV_29 = " Saturday   November(11) 29, 2008\n   qidame       Hdar( 3) 20, 2001\n"
HDAR_2001 = """\
                              Hdar 2001
                       November - December 2008
     ihud     sagno  maksagno      irob     hamus       arb    qidame
             1 (10)    2 (11)    3 (12)    4 (13)    5 (14)    6 (15)+
   7 (16)    8 (17)    9 (18)   10 (19)   11 (20)   12 (21)+  13 (22)
  14 (23)   15 (24)   16 (25)   17 (26)   18 (27)   19 (28)   20 (29)
  21 (30)+  22 ( 1)   23 ( 2)   24 ( 3)   25 ( 4)   26 ( 5)   27 ( 6)
  28 ( 7)   29 ( 8)*  30 ( 9)

+ Hdar       6 November  15  Qusquam Mariam (return from Egypt) [church]
+ Hdar      12 November  21  Mikael (Hidar Mikael) [church]
+ Hdar      21 November  30  Hidar Tsion (Our Lady of Zion) [church]
* Hdar      29 December   8  Nations, Nationalities and Peoples' Day [memorial]
* Hdar      29 December   8  Eid al-Adha [public,expected]
"""
SEPTEMBER_2008 = """\
                            September 2008
                     Nehase 2000 - Meskerem 2001
      Sun       Mon       Tue       Wed       Thu       Fri       Sat
             1 (26)    2 (27)    3 (28)    4 (29)    5 (30)    6 ( 1)
   7 ( 2)    8 ( 3)+   9 ( 4)   10 ( 5)   11 ( 1)*  12 ( 2)   13 ( 3)
  14 ( 4)   15 ( 5)   16 ( 6)   17 ( 7)   18 ( 8)   19 ( 9)   20 (10)
  21 (11)   22 (12)   23 (13)   24 (14)   25 (15)   26 (16)   27 (17)*
  28 (18)   29 (19)   30 (20)

+ September  8 Pagume     3  Rufael (Raphael the Archangel) [church]
* September 11 Meskerem   1  Enkutatash (New Year) [public]
* September 27 Meskerem  17  Meskel (Finding of the True Cross) [public,church]
"""
PAGUME_2001 = """\
                             Pagume 2001
                            September 2009
     ihud     sagno  maksagno      irob     hamus       arb    qidame
   1 ( 6)    2 ( 7)    3 ( 8)+   4 ( 9)    5 (10)

+ Pagume     3 September  8  Rufael (Raphael the Archangel) [church]
"""
PAGUME_2001_AMHARIC = """\
                               ጳጉሜን ፳፻፩
                             ሴፕቴምበር 2009
      እሑድ        ሰኞ      ማክሰኞ       ረቡዕ       ሐሙስ       ዓርብ       ቅዳሜ
   ፩ ( 6)    ፪ ( 7)    ፫ ( 8)+   ፬ ( 9)    ፭ (10)

+ ጳጉሜን       ፫ ሴፕቴምበር     8  ሩፋኤል [የቤተ ክርስቲያን]
"""
# the dates stay in digits, the names are translated
HOLIDAYS_2001_HEAD = "2001/01/01\t2008/09/11\tእንቁጣጣሽ\tpublic\n2001/01/17\t2008/09/27\tመስቀል\tpublic,church\n"
ENKUTATASH_1 = "0001/01/01\t0008/08/27\tEnkutatash (New Year)\tpublic\n"
VERSION = f"zelmora {os.environ['ZELMORA_VERSION']}\nCopyright (C) 2026 the Zelmora team.\n"
SPAN_G = "expected a Gregorian day from 0008/08/27 to 10007/11/10"
SPAN_E = "expected an Ethiopian day from 0001/01/01 to 9999/13/06"
COMMANDS = "today, convert, month, holidays, now, fasts, day, bahire-hasab, days, agenda, remind or help (zelmora --help tells more)"
NO_DAY = "names no day; expected YEAR/MONTH/DAY, for example 2008/11/29"
DAY_OPTIONS = "expected --ethiopian, --gregorian, --format FORMAT, --to ethiopian|gregorian, --json, --amharic or --geez"
FASTS_2017 = """\
2017/03/15\t2017/04/28\t2024/11/24\t2025/01/06\tTsome Nebiyat
2017/04/28\t2017/04/28\t2025/01/06\t2025/01/06\tGehad of Genna
2017/05/10\t2017/05/10\t2025/01/18\t2025/01/18\tGehad of Timket
2017/06/03\t2017/06/05\t2025/02/10\t2025/02/12\tTsome Nenewe (Nineveh)
2017/06/17\t2017/08/11\t2025/02/24\t2025/04/19\tAbiy Tsom
2017/10/02\t2017/11/04\t2025/06/09\t2025/07/11\tTsome Hawaryat
2017/12/01\t2017/12/15\t2025/08/07\t2025/08/21\tTsome Filseta
"""
# 2006 is a year whose Abekte is 0: Metqi is 30, Beale Metqi Meskerem 30.
BAHIRE_HASAB_2006 = """\
evangelist\tMark (ማርቆስ)
amete-alem\t7506
wenber\t0
abekte\t0
metqi\t30
beale-metqi\t2006/01/30
tewsak\t3
mebaja-hamer\t3
nineveh\t2006/06/03
fasika\t2006/08/12
"""

# The user's days as another program might have written them: every repeat,
# a memorial whose seventh day is today, a name with a newline, a day long past.
STORE = """\
BEGIN:VCALENDAR\r
VERSION:2.0\r
PRODID:-//test//EN\r
BEGIN:VEVENT\r
UID:birthday@test\r
DTSTART;VALUE=DATE:19801208\r
RRULE:RSCALE=ETHIOPIC;FREQ=YEARLY\r
SUMMARY:Abebe's birthday\r
DESCRIPTION:born in Gondar\\, the first son\r
END:VEVENT\r
BEGIN:VEVENT\r
UID:michael@test\r
DTSTART;VALUE=DATE:20080922\r
RRULE:RSCALE=ETHIOPIC;FREQ=MONTHLY\r
SUMMARY:Michael\r
END:VEVENT\r
BEGIN:VEVENT\r
UID:memorial@test\r
DTSTART;VALUE=DATE:20081123\r
RRULE:RSCALE=ETHIOPIC;FREQ=YEARLY\r
RDATE;VALUE=DATE:20081129\r
SUMMARY:Grandmother\r
X-ZELMORA-KIND:MEMORIAL\r
END:VEVENT\r
BEGIN:VEVENT\r
UID:once@test\r
DTSTART;VALUE=DATE:20081201\r
SUMMARY:Meeting\\n\x1b[31mat noon\r
END:VEVENT\r
BEGIN:VEVENT\r
UID:past@test\r
DTSTART;VALUE=DATE:20000101\r
SUMMARY:Millennium\r
END:VEVENT\r
END:VCALENDAR\r
"""
# Soonest first; control characters from the file shown as spaces.
DAYS_LIST = """\
2001/03/20\t2008/11/29\tmemorial\tGrandmother (Seventh day)\tmemorial@test\t-
2001/03/22\t2008/12/01\tonce\tMeeting  [31mat noon\tonce@test\t-
2001/03/29\t2008/12/08\tyear\tAbebe's birthday\tbirthday@test\t-
2001/04/12\t2008/12/21\tmonth\tMichael\tmichael@test\t-
-\t-\tonce\tMillennium\tpast@test\t-
"""
# The same once a save has left out the escape character, which TEXT cannot hold.
SAVED_LIST = DAYS_LIST.replace("Meeting  [31m", "Meeting [31m")
AGENDA_3 = """\
2001/03/20\t2008/11/29\tmy day\tGrandmother (Seventh day)
2001/03/20\t2008/11/29\tfast\tTsome Nebiyat
2001/03/20\t2008/11/29\tcommemoration\tHnstata and Dawit
2001/03/21\t2008/11/30\tholiday\tHidar Tsion (Our Lady of Zion)
2001/03/21\t2008/11/30\tfast\tTsome Nebiyat
2001/03/21\t2008/11/30\tcommemoration\tMariam (the Virgin Mary)
2001/03/22\t2008/12/01\tmy day\tMeeting  [31mat noon
2001/03/22\t2008/12/01\tfast\tTsome Nebiyat
2001/03/22\t2008/12/01\tcommemoration\tUrael (Uriel the Archangel)
"""
BAD_STORE = STORE.replace("DTSTART;VALUE=DATE:20081123", "DTSTART;VALUE=DATE:2008112")
BAD_LINE = '{home}/data/zelmora/days.ics line 19: "2008112" is not a date (YYYYMMDD)'
# Imported text keeps the rule for text: no control character in a name.
IMPORTED = STORE.replace("@test", "@elsewhere").replace("Grandmother", "Aunt").replace("\\n\x1b[31m", " ")
LEFT_OUT = ("; expected an all-day event, once or every year (by the Ethiopian or the Gregorian date) or every "
            "Ethiopian month")
WEEKLY = IMPORTED.replace("RRULE:RSCALE=ETHIOPIC;FREQ=MONTHLY", "RRULE:FREQ=WEEKLY").replace(
    "DTSTART;VALUE=DATE:20000101", "DTSTART:20000101T090000Z")
TWO_ON_ONE_DATE = STORE[:STORE.index("BEGIN:VEVENT")] + "".join(
    f"BEGIN:VEVENT\r\nUID:{uid}@t\r\nDTSTART;VALUE=DATE:20081208\r\nRRULE:RSCALE=ETHIOPIC;FREQ=YEARLY\r\n"
    f"SUMMARY:{uid}\r\nEND:VEVENT\r\n" for uid in "ba") + "END:VCALENDAR\r\n"
DAYS_OPTIONS = ("expected --ethiopian, --gregorian, --json, --every REPEAT, --note TEXT, --remind WHEN, --ics, --rscale, --amharic "
                "or --geez")

# (arguments, standard output, standard error, exit status, how); how may
# give the clock ("when"), the environment, where standard output goes, the
# first lines compared ("head"), the days file ("store"), files in the home
# folder ("files"), and command lines run after it with their output
# ("then"). {home} stands for the run's home folder.
CASES = [
    (["today"], NOV_29, "", 0),
    # the program's own options
    (["--version"], VERSION, "", 0),
    (["-V"], VERSION, "", 0),
    (["-h"], HELP, "", 0),
    (["convert", "2008/11/29", "--help"], CONVERT_HELP, "", 0),
    (["month", "-h", "2001/14"], MONTH_HELP, "", 0, {"head": 1}),
    (["help", "convert"], CONVERT_HELP, "", 0),
    (["help"], HELP, "", 0),
    (["help", "dya"], "", 'zelmora help: unknown command "dya"; did you mean "day"?\n', 2),
    (["dya"], "", 'zelmora: unknown command "dya"; did you mean "day"?\n', 2),
    # a first argument that is neither a command nor the toolkit's: one line, no window
    (["-x"], "", f'zelmora: unknown option "-x"; expected a command: {COMMANDS}\n', 2),
    (["--geometry", "10x10"], "", 'zelmora: unknown option "--geometry"; did you mean "-geometry"?\n', 2),
    (["tody"], "", 'zelmora: unknown command "tody"; did you mean "today"?\n', 2),
    (["hoildays", "2019"], "", 'zelmora: unknown command "hoildays"; did you mean "holidays"?\n', 2),
    (["2019/1/1"], "", f'zelmora: unknown command "2019/1/1"; expected a command: {COMMANDS}\n', 2),
    # a toolkit option starts the window, which finds no display here; one it cannot take is one line
    (["-geometry", "10x10"], "", "Can't open display: \n", 1),
    (["-bg"], "", "zelmora: -bg needs a value; expected for example -bg gray\n", 2),
    (["-geometry", "big"], "", 'zelmora: "big" is no geometry; expected WIDTHxHEIGHT+X+Y, for example 800x600+10+10\n', 2),
    (["-iconic", "today"], "", 'zelmora: unexpected argument "today" after the window\'s options; expected more of them, '
     'such as -geometry WxH+X+Y or -iconic\n', 2),
    (["-di", ":4242"], "", "Can't open display: :4242\n", 1),
    # "--" ends the options
    (["convert", "--", "2008/11/29"], NOV_29, "", 0),
    (["convert", "--", "--ethiopian"], "", f'zelmora convert: "--ethiopian" {NO_DAY}\n', 2),
    (["convert", "2008/11/29", "--", "-h"], "", 'zelmora convert: unexpected argument "-h"; expected one DATE\n', 2),
    # ISO dates wherever YEAR/MONTH/DAY is read, and no text after the day
    (["convert", "2008-11-29"], NOV_29, "", 0),
    (["convert", "--ethiopian", "2001-03-20"], NOV_29, "", 0),
    (["month", "2001-3"], HDAR_2001, "", 0),
    (["convert", "2008-11/29"], "", f'zelmora convert: "2008-11/29" {NO_DAY}\n', 2),
    (["convert", "2026/1/7x"], "", f'zelmora convert: "2026/1/7x" {NO_DAY}\n', 2),
    (["convert", "2026/1/7/5"], "", f'zelmora convert: "2026/1/7/5" {NO_DAY}\n', 2),
    # what the user typed, escaped and cut
    (["convert", "20\u202e08\x1b[31m"], "", f'zelmora convert: "20\\u202E08\\x1B[31m" {NO_DAY}\n', 2),
    (["convert", "7" * 100000], "", f'zelmora convert: "{"7" * 60}"… {NO_DAY}\n', 2),
    (["holidays", "2018-"], "", 'zelmora holidays: "2018-" is no year and no range; expected YEAR or FROM-TO, '
     'for example 2016-2018\n', 2),
    (["holidays", "1" * 21], "", f'zelmora holidays: year "{"1" * 21}" is outside the calendars\' span; expected an '
     'Ethiopian year from 1 to 9999\n', 2),
    (["month", "2001/" + "9" * 20], "", f'zelmora month: month "{"9" * 20}" is no Ethiopian month; expected 1 to 13\n', 2),
    # output that cannot be written
    (["today"], "", "zelmora today: cannot write the output: No space left on device\n", 2, {"stdout": "full"}),
    (["month"], "", "zelmora month: cannot write the output: Bad file descriptor\n", 2,
     {"stdout": "closed", "when": None}),
    # for scripts and status bars
    (["today", "--format", "%Y/%m/%d %B"], "2019/03/29 Hdar\n", "", 0, {"when": "2026-12-08 09:00:00"}),
    (["today", "--gregorian", "--format=%a %d %b %Y, day %j%t%%"], "Sat 29 Nov 2008, day 334\t%\n", "", 0),
    (["convert", "2008/12/8", "--format", "%A %e %B %Y"], "sagno 29 Hdar 2001\n", "", 0),
    # --format writes the day converted to, or the one --to names
    (["convert", "--ethiopian", "2019/1/5", "--format", "%F"], "2026-09-15\n", "", 0),
    (["convert", "--ethiopian", "2019/1/5", "--format", "%Y-%m-%d"], "2026-09-15\n", "", 0),
    (["convert", "--gregorian", "2026/9/15", "--format=%F"], "2019-01-05\n", "", 0),
    (["convert", "--ethiopian", "2019/1/5", "--to", "ethiopian", "--format", "%F"], "2019-01-05\n", "", 0),
    (["today", "--to", "gregorian"], "", "zelmora today: --to goes with --format; expected both\n", 2),
    # the year has four digits at least, as date(1) writes it
    (["convert", "--ethiopian", "1/1/1", "--format", "%F %Y %-Y"], "0008-08-27 0008 8\n", "", 0),
    (["today", "--to=gregorian", "--format", "%F"], "2008-11-29\n", "", 0),
    (["day", "2001/3/29", "--to", "gregorian", "--format", "%A %-d %B"], "Monday 8 December\n", "", 0),
    (["convert", "2019/1/5", "--to", "julian"], "",
     'zelmora convert: --to "julian" names no calendar; expected --to ethiopian or --to gregorian\n', 2),
    (["convert", "2019/1/5", "--to"], "", "zelmora convert: --to needs a calendar; expected for example --to gregorian\n",
     2),
    # strftime's %F %D %y and unpadded numbers; short names, CLDR's in Amharic
    (["today", "--format", "%D %y %-d %-m|%a %b"], "03/20/01 01 20 3|qid Hda\n", "", 0),
    (["today", "--gregorian", "--format", "%-d/%-m %a %b"], "29/11 Sat Nov\n", "", 0),
    (["today", "--amharic", "--format", "%a %A"], "ማክሰ ማክሰኞ\n", "", 0, {"when": "2026-12-08 09:00:00"}),
    (["today", "--format", "%Y %H"], "", "zelmora today: FORMAT \"%Y %H\" has \"%H\", which stands for nothing; "
     "expected %Y %y %m %d %e %F %D %B %b %A %a %j %n %t %% (%-d, %-m, ... unpadded)\n", 2),
    (["today", "--format"], "", "zelmora today: --format needs a FORMAT; expected for example --format '%Y/%m/%d'\n", 2),
    (["today", "--json", "--format", "%Y"], "", "zelmora today: --json and --format exclude each other; expected one\n",
     2),
    (["convert", "2008/12/8", "--json"], '{"ethiopian":{"year":2001,"month":3,"day":29,"month_name":"Hdar",'
     '"weekday_name":"sagno"},"gregorian":{"year":2008,"month":12,"day":8,"month_name":"December",'
     '"weekday_name":"Monday"},"holidays":[{"name":"Nations, Nationalities and Peoples\' Day","tags":["memorial"]},'
     '{"name":"Eid al-Adha","tags":["public","expected"]}],"fast":"Tsome Nebiyat",'
     '"commemoration":"Bale Wold (Feast of God the Son)"}\n', "", 0),
    (["now"], "3:00 morning (09:00)\n", "", 0),
    (["now", "--amharic"], "2:30 ማታ (20:30)\n", "", 0, {"when": "2008-11-29 20:30:00"}),
    (["now", "--format", "%H:%M:%S %p %Y"], "11:59:59 night 2001\n", "", 0, {"when": "2008-11-29 05:59:59"}),
    (["now", "--format", "%H %p"], "12 evening\n", "", 0, {"when": "2008-11-29 18:00:00"}),
    (["now", "--geez", "--amharic"], "፲፪:05 ማታ (18:05)\n", "", 0, {"when": "2008-11-29 18:05:00"}),
    # Amharic and Ge'ez numerals, asked for or from the locale
    (["today", "--amharic", "--geez"], "ቅዳሜ 29 ኖቬምበር(11) 2008\nቅዳሜ  ፳    ኅዳር(3)  ፳፻፩\n", "", 0),
    (["today"], "ቅዳሜ 29 ኖቬምበር(11) 2008\nቅዳሜ 20    ኅዳር(3) 2001\n", "", 0, {"env": {"LANG": "am_ET.UTF-8"}}),
    (["today"], NOV_29, "", 0, {"env": {"LANG": "am_ET.UTF-8", "LC_ALL": "C.UTF-8"}}),
    # JSON is for scripts: its names follow --amharic, never the locale alone
    (["convert", "2008/12/8", "--json"], '{"ethiopian":{"year":2001,"month":3,"day":29,"month_name":"Hdar",'
     '"weekday_name":"sagno"},"gregorian":{"year":2008,"month":12,"day":8,"month_name":"December","weekday_name":'
     '"Monday"},"holidays":[{"name":"Nations, Nationalities and Peoples\' Day","tags":["memorial"]},{"name":'
     '"Eid al-Adha","tags":["public","expected"]}],"fast":"Tsome Nebiyat","commemoration":"Bale Wold (Feast of God '
     'the Son)"}\n', "", 0, {"env": {"LANG": "am_ET.UTF-8"}}),
    (["convert", "2008/12/8", "--json", "--amharic"], '{"ethiopian":{"year":2001,"month":3,"day":29,'
     '"month_name":"ኅዳር","weekday_name":"ሰኞ"},"gregorian":{"year":2008,"month":12,"day":8,"month_name":"ዲሴምበር",'
     '"weekday_name":"ሰኞ"},"holidays":[{"name":"የብሔር ብሔረሰቦች ቀን","tags":["memorial"]},'
     '{"name":"ኢድ-አል አድሃ","tags":["public","expected"]}],"fast":"ጾመ ነቢያት","commemoration":"በዓለ ወልድ"}\n', "", 0),
    (["month", "2001/13", "--amharic", "--geez"], PAGUME_2001_AMHARIC, "", 0),
    (["holidays", "--amharic", "--geez", "2001"], HOLIDAYS_2001_HEAD, "", 0, {"head": 2}),
    # today's highlight: only on a terminal that shows it
    (["month"], HDAR_2001.replace("  20 (29)", "  \033[7m20 (29)\033[27m"), "", 0, {"stdout": "tty"}),
    (["month"], HDAR_2001, "", 0, {"stdout": "tty", "env": {"NO_COLOR": "1"}}),
    (["month", "--color=auto"], HDAR_2001, "", 0, {"stdout": "tty", "env": {"TERM": "dumb"}}),
    (["month", "--color=never"], HDAR_2001, "", 0, {"stdout": "tty"}),
    (["convert", "2008/11/29"], NOV_29, "", 0),
    (["convert", "--ethiopian", "2001/3/20"], NOV_29, "", 0),
    (["convert", "2001/03/20", "--ethiopian"], NOV_29, "", 0),
    (["convert", "--ethiopian", "--gregorian", " 2008/11/29"], NOV_29, "", 0),
    (["convert", "--ethiopian", "1999/13/6"], "  Tuesday  September( 9) 11, 2007\n maksagno     Pagume(13)  6, 1999\n", "", 0),
    (["convert", "2008/2/29"], "   Friday   February( 2) 29, 2008\n      arb    Yakatit( 6) 21, 2000\n", "", 0),
    # the edges of the span, inside and out
    (["convert", "0008/08/27"], "Wednesday     August( 8) 27,    8\n     irob   Meskerem( 1)  1,    1\n", "", 0),
    (["convert", "--ethiopian", "1/1/1"], "Wednesday     August( 8) 27,    8\n     irob   Meskerem( 1)  1,    1\n", "", 0),
    (["convert", "10007/11/10"], " Saturday   November(11) 10, 10007\n   qidame     Pagume(13)  6, 9999\n", "", 0),
    (["convert", "0008/08/26"], "", f'zelmora convert: "0008/08/26" is outside the calendars\' span; {SPAN_G}\n', 2),
    (["convert", "10007/11/11"], "", f'zelmora convert: "10007/11/11" is outside the calendars\' span; {SPAN_G}\n', 2),
    (["convert", "--ethiopian", "9999/13/7"], "",
     f'zelmora convert: "9999/13/7" is outside the calendars\' span; {SPAN_E}\n', 2),
    # past a month's end, and before its first day
    (["convert", "2007/2/29"], "",
     'zelmora convert: "2007/2/29" is past the end of February 2007; expected a day from 1 to 28\n', 2),
    (["convert", "--ethiopian", "2000/13/6"], "",
     'zelmora convert: "2000/13/6" is past the end of Pagume 2000; expected a day from 1 to 5\n', 2),
    (["convert", "2008/11/0"], "", "zelmora convert: day \"0\" is no day of a month; expected 1 to 31\n", 2),
    (["convert", "--ethiopian", "2001/1/31"], "", "zelmora convert: day \"31\" is no day of a month; expected 1 to 30\n", 2),
    # text that is no date
    (["convert", "soon"], "", f'zelmora convert: "soon" {NO_DAY}\n', 2),
    (["convert", "2008/11"], "", f'zelmora convert: "2008/11" {NO_DAY}\n', 2),
    (["convert", ""], "", f'zelmora convert: "" {NO_DAY}\n', 2),
    (["convert", "2008\n11\n29"], "", f'zelmora convert: "2008\\n11\\n29" {NO_DAY}\n', 2),  # still one line
    (["convert", "2008/13/1"], "", "zelmora convert: month \"13\" is no Gregorian month; expected 1 to 12\n", 2),
    (["convert", "--ethiopian", "2001/14/1"], "", "zelmora convert: month \"14\" is no Ethiopian month; expected 1 to 13\n", 2),
    # unknown options, missing and extra arguments
    (["convert", "--julian", "2008/1/1"], "", f'zelmora convert: unknown option "--julian"; {DAY_OPTIONS}\n', 2),
    (["convert", "-e", "2008/1/1"], "", f'zelmora convert: unknown option "-e"; {DAY_OPTIONS}\n', 2),
    (["today", "--ics"], "", f'zelmora today: unknown option "--ics"; {DAY_OPTIONS}\n', 2),
    (["month", "--colour"], "",
     'zelmora month: unknown option "--colour"; expected --ethiopian, --gregorian, --color[=auto|always|never], '
     '--json, --amharic or --geez\n', 2),
    (["holidays", "--color=always"], "",
     'zelmora holidays: unknown option "--color=always"; expected --ethiopian, --gregorian, --ics, --fasts, '
     '--remind WHEN, --json, --amharic or --geez\n', 2),
    (["convert"], "", "zelmora convert: missing DATE; expected YEAR/MONTH/DAY, for example 2008/11/29\n", 2),
    (["convert", "2008/1/1", "2008/1/2"], "", 'zelmora convert: unexpected argument "2008/1/2"; expected one DATE\n', 2),
    (["today", "x"], "", 'zelmora today: unexpected argument "x"; expected none\n', 2),
    # months: the current one by default, the Ethiopian base unless --gregorian
    (["month"], HDAR_2001, "", 0),
    (["month", "--color=always"], HDAR_2001.replace("  20 (29)", "  \033[7m20 (29)\033[27m"), "", 0),
    (["month", "--color"], HDAR_2001.replace("  20 (29)", "  \033[7m20 (29)\033[27m"), "", 0),  # alone: always
    (["month", "--color=sometimes"], "", 'zelmora month: unknown option "--color=sometimes"; expected --ethiopian, '
     '--gregorian, --color[=auto|always|never], --json, --amharic or --geez\n', 2),
    (["month", "--gregorian", "2008/9"], SEPTEMBER_2008, "", 0),
    (["month", "2001/13"], PAGUME_2001, "", 0),
    (["month", "2001/14"], "", "zelmora month: month \"14\" is no Ethiopian month; expected 1 to 13\n", 2),
    (["month", "2001/3/1"], "", 'zelmora month: "2001/3/1" names no month; expected YEAR/MONTH, for example 2001/3\n', 2),
    (["month", "--gregorian", "0008/08"], "",
     'zelmora month: "0008/08" is outside the calendars\' span; expected a Gregorian month from 0008/09 to 10007/10\n', 2),
    # holidays: the current year by default, in the calendar asked for; the span's first year is whole enough
    (["holidays", "--gregorian"], "2000/04/24\t2008/01/03\tAbune Tekle Haymanot (his birth)\tchurch\n"
     "2000/04/28\t2008/01/07\tGenna (Christmas)\tpublic,church,major,minor\n", "", 0, {"head": 2}),
    (["holidays", "1"], ENKUTATASH_1, "", 0, {"head": 1}),
    (["holidays", "--gregorian", "8"], ENKUTATASH_1, "", 0, {"head": 1}),
    (["holidays", "1-1"], ENKUTATASH_1, "", 0, {"head": 1}),  # a range of one year
    (["holidays", "1/2"], "", 'zelmora holidays: "1/2" is no year; expected a number, for example 2001\n', 2),
    (["holidays", "10000"], "",
     "zelmora holidays: year \"10000\" is outside the calendars' span; expected an Ethiopian year from 1 to 9999\n", 2),
    (["holidays", "--gregorian", "7"], "",
     "zelmora holidays: year \"7\" is outside the calendars' span; expected a Gregorian year from 8 to 10007\n", 2),
    (["holidays", "2003-2001"], "",
     'zelmora holidays: "2003-2001" runs backwards; expected FROM-TO with FROM no later than TO, for example 2016-2018\n',
     2),
    (["holidays", "2001-10000"], "",
     "zelmora holidays: year \"10000\" is outside the calendars' span; expected an Ethiopian year from 1 to 9999\n", 2),
    (["holidays", "--fasts", "2001"], "", "zelmora holidays: --fasts goes with --ics; expected both\n", 2),
    # an iCalendar date has four digits: a file reaching past 9999 is refused whole
    (["holidays", "--ics", "9992"], "", "zelmora holidays: cannot write the iCalendar file: iCalendar has no dates "
     "after the year 9999, and 10000/01/15 is one\n", 2),
    (["holidays", "--ics", "9900-9993"], "", "zelmora holidays: cannot write the iCalendar file: iCalendar has no dates "
     "after the year 9999, and 10000/01/15 is one\n", 2),  # refused before the first of its megabytes
    # the church's year: Ginbot 20, 2017 is no longer a day off
    (["day", "--gregorian", "2025/5/28"], "Wednesday        May( 5) 28, 2025\n     irob      Gnbot( 9) 20, 2017\n"
     "commemoration: Hnstata and Dawit\n", "", 0),
    (["day"], NOV_29 + "fast: Tsome Nebiyat\ncommemoration: Hnstata and Dawit\n", "", 0),
    (["day", "2001/3/29"], "   Monday   December(12)  8, 2008\n    sagno       Hdar( 3) 29, 2001\n"
     "holiday: Nations, Nationalities and Peoples' Day [memorial]\nholiday: Eid al-Adha [public,expected]\nfast: Tsome Nebiyat\ncommemoration: Bale Wold (Feast of God the Son)\n",
     "", 0),
    (["fasts", "2017"], FASTS_2017, "", 0),
    (["fasts", "--amharic", "2017"], "2017/03/15\t2017/04/28\t2024/11/24\t2025/01/06\tጾመ ነቢያት\n", "", 0, {"head": 1}),
    (["day", "--amharic", "2001/3/29"], "ሰኞ  8 ዲሴምበር(12) 2008\nሰኞ 29    ኅዳር(3) 2001\nበዓል፦ የብሔር ብሔረሰቦች ቀን [ታስበው የሚውሉ]\n"
     "በዓል፦ ኢድ-አል አድሃ [የሕዝብ በዓል,የሚጠበቅ]\nጾም፦ ጾመ ነቢያት\nዝክር፦ በዓለ ወልድ\n", "", 0),
    (["bahire-hasab", "2006"], BAHIRE_HASAB_2006, "", 0),
    # the general options go with every command: the reckoners' words, the numbers in Ge'ez
    (["bahire-hasab", "--amharic", "--geez", "2006"], "ወንጌላዊ\tማርቆስ\nዓመተ ዓለም\t፸፭፻፮\nወንበር\t0\nአበቅቴ\t0\n"
     "መጥቅዕ\t፴\nበዓለ መጥቅዕ\t2006/01/30\nተውሳክ\t፫\nመባጃ ሐመር\t፫\nጾመ ነነዌ\t2006/06/03\nፋሲካ\t2006/08/12\n", "", 0),
    (["fasts", "--geez", "2017"], FASTS_2017, "", 0),
    # Pagume says that it has no commemoration
    (["day", "2001/13/3"], "  Tuesday  September( 9)  8, 2009\n maksagno     Pagume(13)  3, 2001\n"
     "holiday: Rufael (Raphael the Archangel) [church]\ncommemoration: none: Pagume is outside the monthly round\n",
     "", 0),
    # the feasts the church keeps between Tsome Hawaryat and Meskel, none of them a day off
    (["holidays", "2019"], "2019/12/13\t2027/08/19\tDebre Tabor (Transfiguration)\tchurch,major\n"
     "2019/12/16\t2027/08/22\tFilseta (Assumption)\tchurch\n2019/13/03\t2027/09/08\tRufael (Raphael the Archangel)\t"
     "church\n", "", 0, {"tail": 3}),
    (["bahire-hasab", "--gregorian"], "",
     'zelmora bahire-hasab: unknown option "--gregorian"; expected --json, --amharic or --geez\n', 2),
    # the user's days: none, listed soonest first, and on the days they fall on
    (["days"], "", "", 0),
    (["agenda", "1"], "2001/03/20\t2008/11/29\tfast\tTsome Nebiyat\n2001/03/20\t2008/11/29\tcommemoration\tHnstata and Dawit\n",
     "", 0),
    (["agenda", "--amharic", "1"], "2001/03/20\t2008/11/29\tጾም\tጾመ ነቢያት\n2001/03/20\t2008/11/29\tዝክር\t"
     "ሕንፀተ ቤታ ለማርያም እና ቅዱስ ዳዊት\n", "", 0),
    # an iCalendar title in the language asked for, the other name under it
    (["holidays", "--ics", "--amharic", "2001"], "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Zelmora//Zelmora 1.5.2//EN"
     "\r\nCALSCALE:GREGORIAN\r\nBEGIN:VEVENT\r\nUID:20080911-enkutatash-new-year@zelmora.example.org\r\n"
     "DTSTAMP:20081129T090000Z\r\nDTSTART;VALUE=DATE:20080911\r\nDTEND;VALUE=DATE:20080912\r\nSUMMARY:እንቁጣጣሽ\r\n"
     "DESCRIPTION:Enkutatash (New Year)\\nመስከረም 1\\, 2001 (Meskerem 1\\, 2\r\n", "", 0, {"head": 11}),
    (["days"], DAYS_LIST, "", 0, {"store": STORE}),
    (["agenda", "3"], AGENDA_3, "", 0, {"store": STORE}),
    (["agenda"], AGENDA_3, "", 0, {"store": STORE, "head": 9}),
    (["agenda", "--today"], "qidame, Hdar 20, 2001 (Saturday, November 29, 2008): Grandmother (Seventh day); fast: Tsome Nebiyat; "
     "commemoration: Hnstata and Dawit\n", "", 0, {"store": STORE}),
    (["agenda", "--today", "--amharic", "--geez"], "ቅዳሜ፣ ፳ ኅዳር ፳፻፩ ዓ.ም. (ቅዳሜ፣ 29 ኖቬምበር 2008): Grandmother (ሰባተኛ ቀን); "
     "ጾም፦ ጾመ ነቢያት; ዝክር፦ ሕንፀተ ቤታ ለማርያም እና ቅዱስ ዳዊት\n", "", 0, {"store": STORE}),
    (["agenda", "--json", "1"], '[{"ethiopian":{"year":2001,"month":3,"day":20,"month_name":"Hdar","weekday_name":'
     '"qidame"},"gregorian":{"year":2008,"month":11,"day":29,"month_name":"November","weekday_name":"Saturday"},'
     '"holidays":[],"fast":"Tsome Nebiyat","commemoration":"Hnstata and Dawit","days":[{"uid":"memorial@test","name":'
     '"Grandmother (Seventh day)","note":"","repeat":"memorial"}]}]\n', "", 0, {"store": STORE}),
    (["day", "2001/3/29"], "   Monday   December(12)  8, 2008\n    sagno       Hdar( 3) 29, 2001\n"
     "holiday: Nations, Nationalities and Peoples' Day [memorial]\nholiday: Eid al-Adha [public,expected]\n"
     "fast: Tsome Nebiyat\ncommemoration: Bale Wold (Feast of God the Son)\nmy day: Abebe's birthday\n"
     , "", 0, {"store": STORE}),
    (["day", "--json"], '{"ethiopian":{"year":2001,"month":3,"day":20,"month_name":"Hdar","weekday_name":"qidame"},'
     '"gregorian":{"year":2008,"month":11,"day":29,"month_name":"November","weekday_name":"Saturday"},"holidays":[],'
     '"fast":"Tsome Nebiyat","commemoration":"Hnstata and Dawit","days":[{"uid":"memorial@test","name":'
     '"Grandmother (Seventh day)","note":"","repeat":"memorial"}]}\n', "", 0, {"store": STORE}),
    # JSON escapes what a name from a file may hold
    (["days", "--json"], '[{"uid":"once@test","name":"Meeting\\u000a\\u001b[31mat noon","note":"","repeat":"once",'
     '"start":{"ethiopian":{"year":2001,"month":3,"day":22,"month_name":"Hdar","weekday_name":"sagno"},"gregorian":'
     '{"year":2008,"month":12,"day":1,"month_name":"December","weekday_name":"Monday"}},"next":{"ethiopian":{"year":'
     '2001,"month":3,"day":22,"month_name":"Hdar","weekday_name":"sagno"},"gregorian":{"year":2008,"month":12,"day":1,'
     '"month_name":"December","weekday_name":"Monday"}},"reminders":[]},{"uid":"past@test","name":"Millennium","note":"",'
     '"repeat":"once","start":{"ethiopian":{"year":1992,"month":4,"day":22,"month_name":"Tahsas","weekday_name":'
     '"qidame"},"gregorian":{"year":2000,"month":1,"day":1,"month_name":"January","weekday_name":"Saturday"}},'
     '"next":null,"reminders":[]}]\n', "", 0,
     {"store": STORE[:STORE.index("BEGIN:VEVENT")] + STORE[STORE.index("BEGIN:VEVENT\r\nUID:once@"):]}),
    # Pagume 6 kept on Pagume 5 in common years; 29 February only in leap years
    (["days"], "2001/13/05\t2009/09/10\tyear\tw\tw@t\t-\n2004/06/21\t2012/02/29\tgregorian-year\tl\tl@t\t-\n", "", 0,
     {"store": STORE[:STORE.index("BEGIN:VEVENT")] + "BEGIN:VEVENT\r\nUID:w@t\r\nDTSTART;VALUE=DATE:20070911\r\n"
      "RRULE:RSCALE=ETHIOPIC;FREQ=YEARLY;SKIP=BACKWARD\r\nSUMMARY:w\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:l@t\r\n"
      "DTSTART;VALUE=DATE:20040229\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:l\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n"}),
    # a file that cannot be read: every command that reads it says where, and changes nothing; agenda and day
    # still answer with the calendar's days and those that could be read, and end with 1
    (["days"], "", f"zelmora days: {BAD_LINE}\n", 2, {"store": BAD_STORE}),
    (["agenda"], AGENDA_3[AGENDA_3.index("\n") + 1:], f"zelmora agenda: {BAD_LINE}\n", 1,
     {"store": BAD_STORE, "head": 8}),
    (["day"], NOV_29 + "fast: Tsome Nebiyat\ncommemoration: Hnstata and Dawit\n", f"zelmora day: {BAD_LINE}\n", 1,
     {"store": BAD_STORE}),
    (["days", "add", "x", "2001/3/29"], "", f"zelmora days: {BAD_LINE}\n", 2,
     {"store": BAD_STORE, "then": [(["days", "import", "{home}/data/zelmora/days.ics"], "",
                                    f'zelmora days: "{BAD_LINE.replace(" line", chr(34) + " line", 1)}\n'
                                    'zelmora days: "{home}/data/zelmora/days.ics" line 28: the name\'s byte 8 is a '
                                    'control character\n'
                                    "zelmora days: nothing was imported\n", 2)]}),
    (["agenda"], AGENDA_3[AGENDA_3.index("\n") + 1:].replace("2001/03/22\t2008/12/01\tmy day\tMeeting  [31mat noon\n", ""),
     "zelmora agenda: {home}/data/zelmora/days.ics: Is a directory\n", 1,
     {"files": {"data/zelmora/days.ics/x": ""}, "head": 7}),
    # the store: what interrupted saves left goes (not the user's own files), a read-only file is refused,
    # and every file is named
    (["days", "add", "x", "2001/3/29"], "", "", 0,
     {"uid": True, "files": {DATA + "/days.ics.aB3xY9": "BEGIN:VCALENDAR", DATA + "/days.ics.backup": "mine"},
      "left": ["days.ics", "days.ics.backup", "days.ics.lock"], "env": {"NO_FAKE_STAT": "1"}}),  # the files' own times
    (["days", "add", "x", "2001/3/29"], "", "zelmora days: cannot add the day: {home}/data/zelmora/days.ics is "
     "read-only; expected a file its owner may write (chmod u+w)\n", 2, {"store": STORE, "mode": 0o444}),
    (["days", "add", "x", "2001/3/29"], "", "zelmora days: cannot add the day: {home}/data/zelmora/days.ics (a link to "
     "{home}/gone/days.ics): No such file or directory\n", 2,
     {"links": {DATA + "/days.ics": "{home}/gone/days.ics"}}),
    # added, imported once, removed (the save leaves out the escape character, which TEXT cannot hold)
    (["days", "import", "{home}/other.ics"], "5 added, 0 already there\n", "", 0,
     {"files": {"other.ics": IMPORTED}, "then": [(["days", "import", "{home}/other.ics"],
                                                   "0 added, 5 already there\n", "", 0),
                                                  (["days", "remove", "past@elsewhere"], "", "", 0),
                                                  (["days"], DAYS_LIST.replace("@test", "@elsewhere").replace(
                                                      "Grandmother", "Aunt").replace("Meeting  [31m", "Meeting ").replace(
                                                      "-\t-\tonce\tMillennium\tpast@elsewhere\t-\n", ""), "", 0)]}),
    (["days", "import", "{home}/other.ics"], "3 added, 2 already there\n", "", 0,
     {"files": {"other.ics": IMPORTED}, "store": IMPORTED.replace("michael@", "m@").replace("once@", "o@").replace(
         "past@", "p@")}),
    (["days", "import", "{home}/weekly.ics"], "",
     f'zelmora days: "{{home}}/weekly.ics" line 11: this event repeats weekly{LEFT_OUT}\n'
     f'zelmora days: "{{home}}/weekly.ics" line 30: this event has a time of day{LEFT_OUT}\n'
     "zelmora days: nothing was imported\n", 2, {"files": {"weekly.ics": WEEKLY}, "then": [(["days"], "", "", 0)]}),
    # events kept but not shown are counted after the list
    (["days"], "".join(line for line in DAYS_LIST.replace("@test", "@elsewhere").replace("Grandmother", "Aunt").replace(
        "Meeting  [31m", "Meeting ").splitlines(True) if "michael" not in line and "past@" not in line) +
     "2 events kept but not shown: 1 weekly, 1 with a time of day\n", "", 0, {"store": WEEKLY}),
    # Zelmora's own export of every date comes back from the rules, not date by date
    (["days", "import", "{home}/dates.ics"], "",
     'zelmora days: "{home}/dates.ics" line 3: this event is one date of Zelmora\'s export of every date (days --ics), '
     "as are the others like it; expected the days' rules, which zelmora days --rscale writes\n"
     "zelmora days: nothing was imported\n", 2,
     {"files": {"dates.ics": "BEGIN:VCALENDAR\nPRODID:-//Zelmora//Zelmora 1.5//EN\nBEGIN:VEVENT\nUID:20081208-b@t\n"
                              "DTSTART;VALUE=DATE:20081208\nSUMMARY:b\nEND:VEVENT\nEND:VCALENDAR\n"}}),
    (["days", "add", "\udcc3(bad", "2001/3/29"], "",
     "zelmora days: the NAME's byte 1 is not UTF-8; expected UTF-8 text without control characters\n", 2),
    (["days", "import", "{home}/escape.ics"], "",
     'zelmora days: "{home}/escape.ics" line 28: the name\'s byte 8 is a control character\n'
     "zelmora days: nothing was imported\n", 2, {"files": {"escape.ics": STORE}}),
    (["days", "import", "{home}/none.ics"], "",
     'zelmora days: cannot read "{home}/none.ics": No such file or directory; expected an iCalendar file\n', 2),
    (["days", "import", "{home}"], "",
     'zelmora days: cannot read "{home}": Is a directory; expected an iCalendar file\n', 2),
    (["days", "add", "Abebe", "2001/3/29", "--every", "year", "--note", "first son"], "", "", 0,
     {"then": [(["days", "remove", "nobody@test"], "",
                'zelmora days: no day has the UID "nobody@test"; expected one that zelmora days lists\n', 2)],
      "uid": True}),
    # a day's reminders replaced, cleared, refused with the form expected; a WHEN refused adds no day
    (["days", "remind", "birthday@test", "@9:00", "7d@09:00"], "", "", 0,
     {"store": STORE, "then": [(["days"], SAVED_LIST.replace("birthday@test\t-", "birthday@test\t7d@09:00,@09:00"), "", 0),
                               (["days", "remind", "birthday@test", "none"], "", "", 0), (["days"], SAVED_LIST, "", 0)]}),
    (["days", "remind", "birthday@test", "@25:00"], "",
     'zelmora days: "@25:00" is no reminder; expected @HH:MM, Nd@HH:MM or none\n', 2, {"store": STORE}),
    (["days", "add", "x", "2001/3/29", "--remind", "@9"], "",
     'zelmora days: "@9" is no reminder; expected @HH:MM, Nd@HH:MM or none\n', 2, {"then": [(["days"], "", "", 0)]}),
    (["holidays", "--remind", "@09:00"], "", "zelmora holidays: --remind goes with --ics; expected both\n", 2),
    # an iCalendar date has four digits: a file or a day past 9999 is refused whole
    (["days", "--ics", "9992"], "", "zelmora days: cannot write the iCalendar file: iCalendar has no dates after the "
     "year 9999, and 10000/01/21 is one\n", 2, {"store": STORE}),
    (["days", "--ics", "9000-9993"], "", "zelmora days: cannot write the iCalendar file: iCalendar has no dates after "
     "the year 9999, and 10000/01/21 is one\n", 2, {"store": STORE}),
    (["days", "add", "x", "9999/13/5"], "", "zelmora days: cannot add the day: iCalendar has no dates after the year "
     "9999, and 10007/11/09 is one\n", 2, {"then": [(["days"], "", "", 0)]}),
    # what each action takes
    (["days", "add", "Abebe"], "", "zelmora days: add takes 2 arguments; expected days add NAME DATE\n", 2),
    (["days", "add", " ", "2001/3/29"], "",
     "zelmora days: the NAME is empty; expected the day's name, for example 'Abebe's birthday'\n", 2),
    (["days", "add", "Abebe", "2001/13/6"], "",
     'zelmora days: "2001/13/6" is past the end of Pagume 2001; expected a day from 1 to 5\n', 2),
    (["days", "add", "Abebe", "2001/3/29", "--every", "week"], "",
     'zelmora days: --every "week" is no repeat; expected once, year, month, gregorian-year or memorial\n', 2),
    (["days", "add", "Abebe", "2001/3/29", "--every"], "",
     "zelmora days: --every needs a REPEAT; expected for example --every year\n", 2),
    (["days", "add", "Abebe", "2001/3/29", "--ics"], "",
     "zelmora days: add takes --ethiopian, --gregorian, --every, --note or --remind; expected days add NAME DATE\n", 2),
    (["days", "remove", "x", "--note", "y"], "", "zelmora days: remove takes no options; expected days remove UID\n", 2),
    (["days", "--note", "y"], "", "zelmora days: --every and --note go with add; expected days add NAME DATE\n", 2),
    (["days", "forget"], "",
     'zelmora days: unknown action "forget"; expected add, remove, remind, import, or FROM-TO with --ics\n', 2),
    (["days", "--ics", "2001", "2002"], "", 'zelmora days: unexpected argument "2002"; expected one FROM-TO\n', 2),
    (["days", "--rscale", "2001"], "", "zelmora days: --rscale writes every day whole; expected no FROM-TO\n", 2),
    (["days", "--ics", "--json"], "", "zelmora days: --ics, --rscale and --json exclude each other; expected one\n", 2),
    (["days", "--today"], "", f'zelmora days: unknown option "--today"; {DAYS_OPTIONS}\n', 2),
    (["agenda", "0"], "", 'zelmora agenda: "0" is no number of days; expected 1 to 3660\n', 2),
    (["agenda", "3661"], "", 'zelmora agenda: "3661" is no number of days; expected 1 to 3660\n', 2),
    # a week unless told, ten years at most
    (["agenda"], "2001/03/26\t2008/12/05\tcommemoration\tAbune Habte Mariam and Yosef\n", "", 0, {"tail": 1}),
    (["agenda", "3660"], "2011/03/27\t2018/12/06\tcommemoration\tMedhane Alem (Saviour of the World)\n", "", 0,
     {"tail": 1}),
    # the last year iCalendar writes is whole, and two days on one date keep the file's order every year
    (["days", "add", "x", "--gregorian", "9999/12/31"], "", "", 0, {"uid": True, "then": [
        (["day", "--gregorian", "9999/12/31"], "   Friday   December(12) 31, 9999\n      arb       Tkmt( 2) 21, 9992\n"
         "fast: Friday fast\ncommemoration: Mariam (the Virgin Mary)\nmy day: x\n", "", 0)]}),
    (["days", "--ics", "2001-2013"], "SUMMARY:b\r\nSUMMARY:a\r\n" * 13, "", 0, {"only": "SUMMARY", "store": TWO_ON_ONE_DATE}),
    (["days", "import", "-"], "5 added, 0 already there\n", "", 0, {"stdin": IMPORTED}),
    (["agenda", "7x"], "", 'zelmora agenda: "7x" is no number of days; expected 1 to 3660\n', 2),
    (["agenda", "--today", "2"], "", "zelmora agenda: --today goes without DAYS; expected one or the other\n", 2),
]


def prepare_home(home, how):
    """The days file (of the mode asked) and other files and links of a case, in its fresh home folder."""
    files = dict(how.pop("files", {}))
    if "store" in how:
        files[DATA + "/days.ics"] = how.pop("store")
    for name, text in files.items():
        path = os.path.join(home, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", newline="") as f:
            f.write(text)
        hour_ago = time.time() - 3600  # made well before any save the case starts
        os.utime(path, (hour_ago, hour_ago))
    for name, target in how.pop("links", {}).items():
        os.makedirs(os.path.dirname(os.path.join(home, name)), exist_ok=True)
        os.symlink(target.replace("{home}", home), os.path.join(home, name))
    if "mode" in how:
        os.chmod(os.path.join(home, DATA, "days.ics"), how.pop("mode"))


def check_case(args, expected, how):
    with tempfile.TemporaryDirectory() as home:
        prepare_home(home, how)
        head, tail, only = how.pop("head", None), how.pop("tail", None), how.pop("only", None)
        later, uid, left = how.pop("then", []), how.pop("uid", False), how.pop("left", None)
        ok = True
        for args, expected in [(args, expected)] + [(a, tuple(rest)) for a, *rest in later]:
            args = [a.replace("{home}", home) for a in args]
            expected = tuple(e.replace("{home}", home) if isinstance(e, str) else e for e in expected)
            got = run(args, home=home, **how)
            if head or tail or only:
                lines = [line for line in got[0].splitlines(True) if not only or only in line]
                got = ("".join(lines[:head] if head else lines[-tail:] if tail else lines),) + got[1:]
            if uid:  # a new day's UID is new each time: its form is checked
                got = (got[0] if got[0].endswith("@zelmora.example.org\n") else f"no UID: {got[0]}", *got[1:])
                expected, uid = (got[0], *expected[1:]), False
            if got != expected:
                ok = False
                print(f"FAILED: zelmora {' '.join(args)}\n  expected {expected!r}\n  got      {got!r}")
            head = tail = only = None
        if left is not None and sorted(os.listdir(os.path.join(home, DATA))) != left:
            ok = False
            print(f"FAILED: zelmora {' '.join(args)}\n  expected the files {left}\n  got {os.listdir(os.path.join(home, DATA))}")
        return ok


def check_table():
    failures = 0
    for args, out, err, status, *how in CASES:
        failures += not check_case(args, (out, err, status), dict(how[0]) if how else {})
    return len(CASES) - failures, failures


def check_holiday_list():
    """The tab-separated list: four fields, both dates agreeing with convert."""
    out, err, status = run(["holidays"])
    lines = out.splitlines()
    ok = status == 0 and err == "" and lines == run(["holidays", "2001"])[0].splitlines() and len(lines) > 10
    for line in lines:
        ethiopian, gregorian, name, tags = line.split("\t")
        ok &= run(["convert", "--ethiopian", ethiopian])[0] == run(["convert", gregorian])[0] != ""
        ok &= ethiopian.startswith("2001/") and name != "" and set(tags.split(",")) <= {"public", "church", "expected",
                                                                                          "memorial", "major", "minor"}
    ok &= "2001/01/01\t2008/09/11\tEnkutatash (New Year)\tpublic" in lines
    if not ok:
        print("FAILED: holidays list\n" + out + err)
    return lines, ok


def check_ics(lines):
    """The iCalendar file read back: every holiday an all-day event. (Folding,
    escaping, UIDs and the product id are the writer's tests.)"""
    raw = subprocess.run([ZELMORA, "holidays", "--ics", "2001"], env=dict(ENV, **FROZEN(WHEN)),
                         capture_output=True, timeout=30).stdout
    problems = []
    events = icalendar.Calendar.from_ical(raw).walk("VEVENT")
    if len(events) != len(lines):
        problems.append(f"{len(events)} events for {len(lines)} holidays")
    for event, line in zip(events, lines):
        ethiopian, gregorian, name, tags = line.split("\t")
        day = datetime.date(*map(int, gregorian.split("/")))
        start, end = event.decoded("DTSTART"), event.decoded("DTEND")
        categories = event.get("CATEGORIES")
        categories = categories if isinstance(categories, list) else [categories]
        year, month, mday = map(int, ethiopian.split("/"))
        expected = {
            "dates": (day, day + datetime.timedelta(days=1)),
            "all day": (True, True),
            "summary": name + (" (expected)" if "expected" in tags else ""),
            "categories": tags.split(","),
            "transparent": "TRANSPARENT",
        }
        got = {
            "dates": (start, end),
            "all day": (type(start) is datetime.date, type(end) is datetime.date),
            "summary": str(event["SUMMARY"]),
            "categories": [str(c.cats[0]) for c in categories],
            "transparent": str(event["TRANSP"]),
        }
        description = str(event["DESCRIPTION"])
        ethiopic = description.split("\n")[0]
        if got != expected or f" {mday}, {year} (" not in description or not all(
                "\u1200" <= c <= "\u139f" or c in " -'" for c in ethiopic):
            problems.append(f"{line}: expected {expected}, got {got}, description {description!r}")
    if b"METHOD" in raw:
        problems.append("a METHOD line")
    for problem in problems:
        print("FAILED: iCalendar: " + problem)
    return problems


def check_ics_years():
    """Past libical's year 3000, with the fasts and a phone's reminders of each (the evening before and the
    morning of its first day); and three years when none is named."""
    problems = []
    raw = run(["holidays", "--ics", "--fasts", "--remind", "@07:00", "--remind", "1d@18:00", "2993"])[0]
    events = icalendar.Calendar.from_ical(raw).walk("VEVENT")
    holidays = run(["holidays", "2993"])[0].splitlines()
    fasts = {line.split("\t")[4]: line.split("\t")[2:4] for line in run(["fasts", "2993"])[0].splitlines()}
    if len(events) != len(holidays) + len(fasts):
        problems.append(f"{len(events)} events for {len(holidays)} holidays and {len(fasts)} fasts")
    for event in events:
        start, end = event.decoded("DTSTART"), event.decoded("DTEND")
        if type(start) is not datetime.date or type(end) is not datetime.date or end <= start:
            problems.append(f"{event['SUMMARY']}: dates {start!r} to {end!r}")
        alarms = [(str(a["ACTION"]), a.decoded("TRIGGER"), str(a["DESCRIPTION"])) for a in event.walk("VALARM")]
        if alarms != [("DISPLAY", datetime.timedelta(hours=hours), str(event["SUMMARY"])) for hours in (-6, 7)]:
            problems.append(f"{event['SUMMARY']}: alarms {alarms}")
        categories = event.get("CATEGORIES")
        categories = [str(c.cats[0]) for c in (categories if isinstance(categories, list) else [categories])]
        if str(event["SUMMARY"]) in fasts:
            first, last = (datetime.date(*map(int, d.split("/"))) for d in fasts[str(event["SUMMARY"])])
            if (start, end, categories) != (first, last + datetime.timedelta(days=1), ["fast"]):
                problems.append(f"{event['SUMMARY']}: {start} to {end}, {categories}")
    if not any(event.decoded("DTSTART").year > 3000 for event in events):
        problems.append("no event after the year 3000")
    three = run(["holidays", "--ics"])[0].count("BEGIN:VEVENT")
    if three != len(run(["holidays", "2001-2003"])[0].splitlines()):
        problems.append(f"{three} events without a year, not those of 2001-2003")
    for problem in problems:
        print("FAILED: iCalendar years: " + problem)
    return not problems


def check_adds_at_once():
    """Commands adding days at the same moment each keep their day."""
    count = 16
    with tempfile.TemporaryDirectory() as home:
        environment = dict(ENV, HOME=home, XDG_DATA_HOME=os.path.join(home, "data"))
        adding = [subprocess.Popen([ZELMORA, "days", "add", f"day {n}", f"2001/3/{n + 1}"], env=environment,
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE) for n in range(count)]
        uids = {process.communicate(timeout=60)[0].decode().strip() for process in adding}
        listed = {line.split("\t")[4] for line in run(["days"], home=home)[0].splitlines()}
    if len(uids) != count or listed != uids:
        print(f"FAILED: {count} days added at once: {len(uids)} UIDs, {len(listed & uids)} of them kept")
        return False
    return True


def day_objects(value):
    """Every object with both dates, wherever it stands in a JSON answer."""
    if isinstance(value, dict):
        if "ethiopian" in value and "gregorian" in value:
            return [value]
        return [d for v in value.values() for d in day_objects(v)]
    if isinstance(value, list):
        return [d for v in value for d in day_objects(v)]
    return []


def check_json():
    """Every command's --json parses, and every day in it is the object that
    day --json gives for that day: one schema, one query."""
    problems = []
    answers = {"month": ["month", "2001/13"], "holidays": ["holidays", "--gregorian", "2009"],
               "fasts": ["fasts", "2001"], "bahire-hasab": ["bahire-hasab", "2001"], "today": ["today"],
               "convert": ["convert", "2008/12/8"], "day": ["day", "2001/3/29"]}
    seen = {}
    for name, args in answers.items():
        out, err, status = run(args + ["--json"])
        try:
            seen[name] = day_objects(json.loads(out))
        except ValueError as error:
            problems.append(f"{name}: {error}: {out[:200]!r} {err!r}")
            continue
        for day in seen[name]:
            g = day["gregorian"]
            alone = json.loads(run(["day", "--json", "--gregorian", f"{g['year']}/{g['month']}/{g['day']}"])[0])
            alone.pop("days")  # the user's days, which day adds as agenda does
            day.pop("days", None)
            if day != alone:
                problems.append(f"{name}: {day} is not day --json's {alone}")
                break
    if [len(seen.get(n, [])) for n in ("month", "fasts", "bahire-hasab")] != [5, 14, 3]:
        problems.append(f"days: {[(n, len(d)) for n, d in seen.items()]}")
    listed = {line.split("\t")[1] for line in run(["holidays", "--gregorian", "2009"])[0].splitlines()}
    if {"%04d/%02d/%02d" % (d["gregorian"]["year"], d["gregorian"]["month"], d["gregorian"]["day"])
            for d in seen.get("holidays", [])} != listed:
        problems.append("holidays --json holds other days than holidays")
    for problem in problems:
        print("FAILED: JSON: " + problem)
    return not problems


# The movable days as days from Orthodox Easter, read from the church's rule
# apart from the program, and the fasts that count from it.
FROM_EASTER = {"Nineveh fast begins": -69, "Abiy Tsom (Lent) begins": -55, "Debre Zeit": -28,
               "Hosanna (Palm Sunday)": -7, "Siklet (Good Friday)": -2, "Fasika (Easter)": 0, "Rikbe Kahnat": 24,
               "Erget (Ascension)": 39, "Paraclete (Pentecost)": 49, "Tsome Hawaryat begins": 50,
               "Tsome Dihnet resumes (the weekly fast)": 52}
FASTS_FROM_EASTER = {"Tsome Nenewe (Nineveh)": (-69, -67), "Abiy Tsom": (-55, -1)}


def check_easter():
    """Every movable feast of 1583 to 4099 (python-dateutil's span) and the
    movable fasts of two centuries against python-dateutil's Orthodox Easter."""
    problems, found = [], 0
    for line in run(["holidays", "--gregorian", "1583-4099"])[0].splitlines():
        _, gregorian, name, _ = line.split("\t")
        if name in FROM_EASTER:
            day = datetime.date(*map(int, gregorian.split("/")))
            found += 1
            if day - easter(day.year, EASTER_ORTHODOX) != datetime.timedelta(days=FROM_EASTER[name]):
                problems.append(f"{name} on {day}")
    if found != len(FROM_EASTER) * (4099 - 1583 + 1):
        problems.append(f"{found} movable feasts")
    for year in range(1893, 2094):
        fasika = easter(year + 8, EASTER_ORTHODOX)
        for line in run(["fasts", str(year)])[0].splitlines():
            _, _, first, last, name = line.split("\t")
            if name in FASTS_FROM_EASTER:
                got = tuple((datetime.date(*map(int, d.split("/"))) - fasika).days for d in (first, last))
                if got != FASTS_FROM_EASTER[name]:
                    problems.append(f"{year} {name}: {got}")
    for problem in problems[:10]:
        print("FAILED: Easter: " + problem)
    return not problems


FILES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../resources/completion")
COMPLETION = os.path.join(FILES, "zelmora")
# (words typed so far, offered completions)
COMPLETIONS = [
    (["zelmora", "mo"], "month"),
    (["zelmora", "--"], "--help --version"),
    (["zelmora", "-"], "-h --help -V --version"),
    (["zelmora", "holidays", "--"], "--ethiopian --gregorian --ics --fasts --remind --json --amharic --geez --help"),
    (["zelmora", "b"], "bahire-hasab"),
    (["zelmora", "n"], "now"),
    (["zelmora", "today", "--f"], "--format"),
    (["zelmora", "today", "--format", ""], ""),
    (["zelmora", "day", "--"], "--ethiopian --gregorian --format --to --json --amharic --geez --help"),
    (["zelmora", "month", "--color", "=", "a"], "auto always"),
    (["zelmora", "convert", "--i"], ""),
    # no options after "--", and a FORMAT's tokens after "--format="
    (["zelmora", "convert", "--", "-"], ""),
    (["zelmora", "day", "--", "2019/1/1", "--"], ""),
    (["zelmora", "today", "--format", "=", "%-"], "%-d %-m %-e %-j"),
    (["zelmora", "today", "--format", "=", "%Y/%"], "%Y/%Y %Y/%y %Y/%m %Y/%d %Y/%e %Y/%F %Y/%D %Y/%B %Y/%b %Y/%A %Y/%a "
     "%Y/%j %Y/%n %Y/%t %Y/%% %Y/%-d %Y/%-m %Y/%-e %Y/%-j"),
    (["zelmora", "convert", "--to", ""], "ethiopian gregorian"),
    (["zelmora", "a"], "agenda"),
    (["zelmora", "days", "a"], "add"),
    (["zelmora", "days", "add", "x", "2011/3/29", "--every", "m"], "month memorial"),
    (["zelmora", "days", "--r"], "--remind --rscale"),
    (["zelmora", "days", "import", f"{FILES}/z"], f"{FILES}/zelmora"),
    (["zelmora", "agenda", "--t"], "--today"),
    # file names after a redirection, wherever it stands
    (["zelmora", "holidays", "--ics", ">", f"{FILES}/z"], f"{FILES}/zelmora"),
    (["zelmora", ">>", f"{FILES}/z"], f"{FILES}/zelmora"),
    # a FORMAT's tokens once a "%" is typed, "=" breaking no word, the UIDs to remove, a command's help
    (["zelmora", "today", "--format", "%Y-%-"], "%Y-%-d %Y-%-m %Y-%-e %Y-%-j"),
    (["zelmora", "month", "--color=al"], "--color=always"),
    (["zelmora", "today", "--to=g"], "--to=gregorian"),
    (["zelmora", "days", "remove", ""], "birthday@test michael@test memorial@test once@test past@test", STORE),
    (["zelmora", "days", "remove", "b"], "birthday@test", STORE),
    (["zelmora", "days", "remind", "m"], "memorial@test michael@test", STORE),
    (["zelmora", "help", "ag"], "agenda"),
]


def check_completion():
    ok = True
    # the program the completion asks for the UIDs, with the user's days of a row
    path = dict(ENV, PATH=os.path.dirname(os.path.abspath(ZELMORA)) + ":" + os.environ["PATH"])
    for words, offered, *store in COMPLETIONS:
        script = f'source "{COMPLETION}"; COMP_WORDS=({" ".join(map(shlex.quote, words))}); COMP_CWORD={len(words) - 1}; ' \
                 '_zelmora; echo "${COMPREPLY[*]}"'
        with tempfile.TemporaryDirectory() as home:
            prepare_home(home, {"store": store[0]} if store else {})
            env = dict(path, HOME=home, XDG_DATA_HOME=os.path.join(home, "data"))
            got = subprocess.run(["bash", "-c", script], capture_output=True, text=True, env=env).stdout.strip()
        if got != offered and not (store and sorted(got.split()) == offered.split()):  # the UIDs soonest first
            ok = False
            print(f"FAILED: completion of {words}: expected {offered!r}, got {got!r}")
    return ok


# Under an Amharic locale each command's help and a wrong argument speak Amharic: no word in Latin letters
# but the program's own (commands, options and their values, FORMAT's tokens, the formats' names), what the
# user typed (quoted) and the environment's names.
# Another program's weekly event, which import refuses and days counts as kept but not shown.
KHAL_WEEKLY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "ical", "khal_weekly.ics")
# Each row is the arguments, or the arguments and the home folder's files as a case's "how" gives them.
AMHARIC_ARGUMENTS = [["today", "x"], ["convert", "soon"], ["convert"], ["month", "2001/14"], ["holidays", "2018-"],
                     ["now", "--x"], ["fasts", "1/2"], ["day", "--to", "gregorian"], ["bahire-hasab", "--gregorian"],
                     ["days", "forget"], ["days", "add", "x"], ["agenda", "0"], ["help", "dya"], ["-bg"], ["--help"],
                     ["days", "import", KHAL_WEEKLY], (["days"], {"store": open(KHAL_WEEKLY).read()}),
                     ["days", "add", "\udcc3ቀን", "2001/3/29"]]
ALLOWED = re.compile(r'"[^"]*"|«[^»]*»|(Nd)?@HH:MM|[a-z-]+\.ics|--?[a-z][a-z0-9-]*(\[?=[a-z|]*\]?)?|%-?[A-Za-z%]|\$\(.*\)|'
                     r"(?<![A-Za-z])(zelmora|notify-send|today|convert|month|holidays|now|fasts|day|bahire-hasab|days|agenda|help|add|remove|remind|none|"
                     r"import|ethiopian|gregorian|auto|always|never|once|year|gregorian-year|memorial|dumb|NO_COLOR|TERM|"
                     r"gray|JSON|iCalendar|RFC|RSCALE|UTF|LC_ALL|LC_MESSAGES|LANG|am|WxH|X|Y|x|on|off|systemd|autostart)(?![A-Za-z])")


def check_amharic():
    ok = True
    commands = [name for name in COMMANDS.replace(" or ", ", ").split(" (")[0].split(", ")]
    for row in AMHARIC_ARGUMENTS + [[name, "--help"] for name in commands]:
        args, how = row if isinstance(row, tuple) else (row, {})
        with tempfile.TemporaryDirectory() as home:
            prepare_home(home, dict(how))
            out, err, _ = run(args, env={"LANG": "am_ET.UTF-8"}, home=home)
        english = re.findall(r"[A-Za-z]{2,}", ALLOWED.sub("", out + err))
        if english or not (out + err).strip():
            ok = False
            print(f"FAILED: zelmora {' '.join(args)} under LANG=am_ET.UTF-8 says {english}:\n{out}{err}")
    return ok


def main():
    passed, failed = check_table()
    lines, list_ok = check_holiday_list()
    ics_ok = not check_ics(lines)
    help_ok = HELP.startswith("Usage: zelmora") and "  -h, --help" in HELP
    if not help_ok:
        print("FAILED: the help text\n" + HELP)
    for ok in (list_ok, ics_ok, help_ok, check_ics_years(), check_adds_at_once(), check_completion(), check_json(),
               check_easter(), check_amharic()):
        passed, failed = passed + ok, failed + (not ok)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
