"""Writes a days file of COUNT days for the benchmarks, as the store writes
one: every repeat, start dates over seventy years, some with notes.
Usage: many_days.py COUNT FILE"""
import datetime
import random
import sys

count, path = int(sys.argv[1]), sys.argv[2]
rules = ["RRULE:RSCALE=ETHIOPIC;FREQ=YEARLY", "RRULE:RSCALE=ETHIOPIC;FREQ=MONTHLY", "RRULE:FREQ=YEARLY", "", "memorial"]
choose = random.Random(20261208)
first = datetime.date(1950, 1, 1)
lines = ["BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Zelmora//Zelmora days//EN"]
for n in range(count):
    start = first + datetime.timedelta(days=choose.randrange(70 * 365))
    if start.month == 9 and 10 <= start.day <= 12:  # Pagume 6 would need the store's SKIP=BACKWARD
        start += datetime.timedelta(days=5)
    rule = choose.choices(rules, weights=[5, 1, 2, 1, 1])[0]
    lines += ["BEGIN:VEVENT", f"UID:{n:08x}-bench@zelmora.example.org", "DTSTAMP:20261208T090000Z",
              f"DTSTART;VALUE=DATE:{start:%Y%m%d}"]
    if rule == "memorial":  # the store writes the first year's days anew from the day of passing
        lines += ["RRULE:RSCALE=ETHIOPIC;FREQ=YEARLY", f"RDATE;VALUE=DATE:{start + datetime.timedelta(days=6):%Y%m%d}",
                  "X-ZELMORA-KIND:MEMORIAL"]
    elif rule:
        lines.append(rule)
    lines.append(f"SUMMARY:Day number {n} of the family")
    if n % 3 == 0:
        lines.append("DESCRIPTION:a note kept with the day")
    lines.append("END:VEVENT")
lines.append("END:VCALENDAR")
with open(path, "w", newline="") as f:
    f.write("\r\n".join(lines) + "\r\n")
