"""The user's days as other calendars read them. Days of every repeat are
added through the command line; `days --ics` (every occurrence) is read by
python3-icalendar, imported by khal and calcurse, and all three must list the
same dates and names; `days --rscale` (the rules) is read by python3-icalendar
and expanded by libical to the same dates, day for day; both read the reminders' VALARMs too.

Usage: check_day_calendars.py ZELMORA ICAL_EXPAND KHAL CALCURSE
"""
import datetime
import os
import shutil
import subprocess
import sys
import tempfile

import icalendar

ZELMORA, ICAL_EXPAND, KHAL, CALCURSE = sys.argv[1:5]
HOME = tempfile.mkdtemp(prefix="zelmora-days-")
# Saturday 29 November 2008 (Hdar 20, 2001); the file covers 2001 to 2004 E.C.
ENV = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "LC_ALL", "LC_MESSAGES", "LANG")}
ENV.update(TZ="UTC", HOME=HOME, XDG_DATA_HOME=os.path.join(HOME, "data"), XDG_CONFIG_HOME=os.path.join(HOME, "config"),
           LD_PRELOAD=os.environ["ZELMORA_LIBFAKETIME"], FAKETIME="2008-11-29 09:00:00")
YEARS = "2001-2004"
FIRST, LAST = datetime.date(2008, 9, 11), datetime.date(2012, 9, 10)
NOTE = "born in Gondar; the first son, loved\nand missed"
# (name, date, options): every repeat, and the dates a calendar lacks.
DAYS = [
    ("Hdar 29 birthday", "1973/3/29", ["--every", "year", "--remind", "7d@09:00", "--remind", "@18:30"]),
    ("Pagume 6 wedding", "1999/13/6", ["--every", "year"]),
    ("Nehase 30 monthly", "2000/12/30", ["--every", "month"]),
    ("Sixth of the month", "2001/1/6", ["--every", "month"]),
    ("Leap day", "2004/2/29", ["--gregorian", "--every", "gregorian-year"]),
    ("Once, in May", "2009/5/1", ["--gregorian", "--note", NOTE]),
    ("Long ago, once", "1990/1/1", ["--remind", "none"]),
    ("የአያቴ መታሰቢያ, a name long enough to be folded over more than one content line", "2001/2/10",
     ["--every", "memorial"]),
]


# Each day's reminders in minutes from its start: asked for, none, or the defaults (a memorial's a week before too).
MORNING, WEEK = 8 * 60, 7 * 24 * 60
REMINDERS = {name: [MORNING] for name, _, _ in DAYS}
REMINDERS.update({DAYS[0][0]: [-WEEK + 9 * 60, 18 * 60 + 30], DAYS[6][0]: [], DAYS[7][0]: [-WEEK + MORNING, MORNING]})


def zelmora(*args):
    done = subprocess.run([ZELMORA, *args], env=ENV, capture_output=True, timeout=60)
    if done.returncode != 0:
        raise SystemExit(f"zelmora {' '.join(args)}: {done.stderr.decode()}")
    return done.stdout


def events(raw):
    return icalendar.Calendar.from_ical(raw).walk("VEVENT")


def occurrences(raw, problems):
    """(date, summary, the day's UID) of each event of the expanded file."""
    found = set()
    uids = set()
    for event in events(raw):
        start = event.decoded("DTSTART")
        uid = str(event["UID"])
        if type(start) is not datetime.date or not FIRST <= start <= LAST:
            problems.append(f"{uid}: DTSTART {start!r}")
        if uid in uids or not uid.startswith(start.strftime("%Y%m%d-")):
            problems.append(f"UID {uid} repeated or not of its date")
        uids.add(uid)
        found.add((start, str(event["SUMMARY"]), uid[len("YYYYMMDD-"):]))
    return found


def khal_dates(path):
    config = os.path.join(HOME, "khal.conf")
    calendar = os.path.join(HOME, "khal", "mine")
    os.makedirs(calendar)
    with open(config, "w") as f:
        f.write(f"[calendars]\n[[mine]]\npath = {calendar}\ntype = calendar\n[locale]\ndateformat = %Y-%m-%d\n"
                "longdateformat = %Y-%m-%d\ndatetimeformat = %Y-%m-%d %H:%M\nlongdatetimeformat = %Y-%m-%d %H:%M\n"
                "timeformat = %H:%M\ndefault_timezone = UTC\nlocal_timezone = UTC\n")
    env = {k: v for k, v in ENV.items() if k not in ("LD_PRELOAD", "FAKETIME")}
    subprocess.run([KHAL, "-c", config, "import", "--batch", "-a", "mine", path], env=env, check=True, timeout=300)
    listed = subprocess.run([KHAL, "-c", config, "list", "--format", "{start-date}\t{title}", "--day-format", "",
                             FIRST.isoformat(), LAST.isoformat()], env=env, capture_output=True, text=True,
                            check=True, timeout=300).stdout
    return {(datetime.date.fromisoformat(d), t) for d, t in (line.split("\t", 1) for line in listed.splitlines())}


def calcurse_dates(path):
    data, config = os.path.join(HOME, "calcurse"), os.path.join(HOME, "calcurse-config")
    os.makedirs(data)
    os.makedirs(config)
    env = {k: v for k, v in ENV.items() if k not in ("LD_PRELOAD", "FAKETIME")}
    subprocess.run([CALCURSE, "-D", data, "-C", config, "-i", path], env=env, capture_output=True, check=True,
                   timeout=300)
    listed = subprocess.run([CALCURSE, "-D", data, "-C", config, "--input-datefmt", "4", "-Q", "--filter-type",
                             "event", "--from", FIRST.isoformat(), "--to", LAST.isoformat(), "--output-datefmt",
                             "%Y-%m-%d", "--format-event", "%m\n"], env=env, capture_output=True, text=True,
                            check=True, timeout=300).stdout
    found, day = set(), None
    for line in listed.splitlines():
        if line.endswith(":") and line[:-1].replace("-", "").isdigit():
            day = datetime.date.fromisoformat(line[:-1])
        elif line:
            found.add((day, line))
    return found


def libical_lines(path):
    return subprocess.run([ICAL_EXPAND, path, FIRST.strftime("%Y%m%d"), LAST.strftime("%Y%m%d")],
                          capture_output=True, text=True, check=True, timeout=60).stdout.splitlines()


def libical_dates(path):
    return {(datetime.datetime.strptime(d, "%Y%m%d").date(), uid) for d, uid in (l.split(" ", 1) for l in
                                                                                 libical_lines(path)
                                                                                 if not l.startswith("alarm "))}


def check_alarms(what, raw, problems):
    """Each event's VALARMs as python3-icalendar reads them: its summary shown at the day's reminders."""
    for event in events(raw):
        summary = str(event["SUMMARY"])
        got = [(str(a["ACTION"]), str(a["DESCRIPTION"]), a.decoded("TRIGGER").total_seconds() // 60)
               for a in event.walk("VALARM")]
        if got != [("DISPLAY", summary, m) for m in REMINDERS[next(n for n in REMINDERS if summary.startswith(n))]]:
            problems.append(f"{what}: {summary}: alarms {got}")


def libical_alarms(path, uids):
    """(day's name, minutes) of each display alarm libical reads in the rules."""
    return sorted((uids[uid], int(seconds) // 60) for _, uid, seconds, action in
                  (line.split(" ") for line in libical_lines(path) if line.startswith("alarm ")) if action == "DISPLAY")


def compare(what, expected, got, problems):
    if expected != got:
        problems.append(f"{what}: missing {sorted(expected - got)[:5]}, extra {sorted(got - expected)[:5]}")


def main():
    problems = []
    for name, date, options in DAYS:
        zelmora("days", "add", name, date, *options)
    expanded = os.path.join(HOME, "expanded.ics")
    with open(expanded, "wb") as f:
        f.write(zelmora("days", "--ics", YEARS))
    with open(expanded, "rb") as f:
        ours = occurrences(f.read(), problems)
    named = {(day, summary) for day, summary, _ in ours}
    # Anchors from the calendars themselves: Hdar 29 is 9 December after a
    # leap year's Pagume 6, and Pagume 6 falls back to Pagume 5 in common years.
    for anchor in [(datetime.date(2010, 12, 8), "Hdar 29 birthday"), (datetime.date(2011, 12, 9), "Hdar 29 birthday"),
                   (datetime.date(2009, 9, 10), "Pagume 6 wedding"), (datetime.date(2011, 9, 11), "Pagume 6 wedding"),
                   (datetime.date(2012, 2, 29), "Leap day"), (datetime.date(2009, 5, 1), "Once, in May")]:
        if anchor not in named:
            problems.append(f"no {anchor}")
    notes = [str(e["DESCRIPTION"]) for e in events(open(expanded, "rb").read()) if str(e["SUMMARY"]) == "Once, in May"]
    if len(notes) != 1 or not notes[0].startswith(NOTE + "\n"):
        problems.append(f"the note came back as {notes!r}")
    compare("khal", named, khal_dates(expanded), problems)
    compare("calcurse", named, calcurse_dates(expanded), problems)
    rules = os.path.join(HOME, "rules.ics")
    with open(rules, "wb") as f:
        f.write(zelmora("days", "--rscale"))
    with open(rules, "rb") as f:
        if len(events(f.read())) != len(DAYS):
            problems.append(f"the rules file does not hold {len(DAYS)} events")
    compare("libical", {(day, uid) for day, _, uid in ours}, libical_dates(rules), problems)
    check_alarms("days --ics", open(expanded, "rb").read(), problems)
    check_alarms("days.ics", open(os.path.join(HOME, "data", "zelmora", "days.ics"), "rb").read(), problems)
    uids = {str(e["UID"]): str(e["SUMMARY"]) for e in events(open(rules, "rb").read())}
    if libical_alarms(rules, uids) != sorted((n, m) for n, minutes in REMINDERS.items() for m in minutes):
        problems.append(f"libical reads the alarms {libical_alarms(rules, uids)}")
    for problem in problems:
        print("FAILED: " + problem)
    print(f"{len(ours)} occurrences; {'FAILED' if problems else 'passed'}")
    return 1 if problems else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    finally:
        shutil.rmtree(HOME)
