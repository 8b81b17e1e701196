#!/usr/bin/env python3
"""Loads each exported page in headless Chromium and reads back the table
the browser built from it: the headings, then week by week each day's two
numbers and colour. Compares them with a month worked out here, from
Python's own Gregorian calendar and the Ethiopian calendar counted from
the Julian Day Number of Meskerem 1 of year 1, and checks the month lines.

Usage: check_pages.py WRITE_PAGES_PROGRAM
"""
import datetime
import html.parser
import os
import subprocess
import sys
import tempfile

# The page's names: English, and Ethiopic as the Amharic Wikipedia lists
# them, in the simplified spelling of ህዳር and ሚያዚያ.
WEEKDAYS = [("Sun", "አሑድ"), ("Mon", "ስኞ"), ("Tue", "ማክስኞ"), ("Wed", "ረቡዕ"), ("Thu", "ሐሙስ"), ("Fri", "ዓርብ"),
            ("Sat", "ቅዳሜ")]
ETHIOPIAN_MONTHS = ["መስከረም", "ጥቅምት", "ህዳር", "ታህሳስ", "ጥር", "የካቲት", "መጋቢት", "ሚያዚያ", "ግንቦት", "ሰኔ", "ሐምሌ",
                    "ነሐሴ", "ጳጉሜ"]
# The pages with holidays: the days off in red, and every holiday listed
# (May 2024: Labour Day, Good Friday and Fasika, which fell with Patriots'
# Victory Day, Ginbot 20's last year before the law of 2024, Rikbe Kahnat;
# Giyorgis, Lideta and Debre Mitmaq, church feasts that are no day off),
# their dates written as the rest of the program writes them.
HOLIDAYS = {
    "gregorian-2024-05-holidays": ({1, 3, 5, 28}, [
        "Wednesday, May 1, 2024 / ረቡዕ፣ 23 ሚያዝያ 2016 ዓ.ም.: International Labour Day - የሠራተኞች ቀን",
        "Wednesday, May 1, 2024 / ረቡዕ፣ 23 ሚያዝያ 2016 ዓ.ም.: Giyorgis (Saint George) - ሚያዝያ ጊዮርጊስ",
        "Friday, May 3, 2024 / ዓርብ፣ 25 ሚያዝያ 2016 ዓ.ም.: Siklet (Good Friday) - ስቅለት",
        "Sunday, May 5, 2024 / እሑድ፣ 27 ሚያዝያ 2016 ዓ.ም.: Patriots' Victory Day - የአርበኞች ቀን",
        "Sunday, May 5, 2024 / እሑድ፣ 27 ሚያዝያ 2016 ዓ.ም.: Fasika (Easter) - ፋሲካ",
        "Thursday, May 9, 2024 / ሐሙስ፣ 1 ግንቦት 2016 ዓ.ም.: Lideta Mariam (Mary's birth) - ግንቦት ልደታ",
        "Tuesday, May 28, 2024 / ማክሰኞ፣ 20 ግንቦት 2016 ዓ.ም.: Downfall of the Derg - ደርግ የወደቀበት ቀን",
        "Wednesday, May 29, 2024 / ረቡዕ፣ 21 ግንቦት 2016 ዓ.ም.: Debre Mitmaq Mariam - ደብረ ምጥማቅ",
        "Wednesday, May 29, 2024 / ረቡዕ፣ 21 ግንቦት 2016 ዓ.ም.: Rikbe Kahnat - ርክበ ካህናት"]),
}
JDN_OF_ORDINAL_ZERO = 1721425
ETHIOPIAN_EPOCH = 1723856  # JDN of Meskerem 1 of year 1, less 365


def ethiopian(day):
    """(year, month, day) of a datetime.date in the Ethiopian calendar."""
    jdn = day.toordinal() + JDN_OF_ORDINAL_ZERO
    r = (jdn - ETHIOPIAN_EPOCH) % 1461
    n = r % 365 + 365 * (r // 1460)
    return 4 * ((jdn - ETHIOPIAN_EPOCH) // 1461) + r // 365 - r // 1460, n // 30 + 1, n % 30 + 1


def month_line(base, day):
    if base == "gregorian":
        return day.strftime("%B, ") + str(day.year)
    year, month, _ = ethiopian(day)
    return "%s, %d" % (ETHIOPIAN_MONTHS[month - 1], year)


def model(base, year, month, red=()):
    """The page's headings, its weeks of (base day, other day, colour) or None,
    and the three month lines: base, the other calendar's first and last.
    A cell's colour is that of both its numbers, each in its own size."""
    if base == "gregorian":
        first = datetime.date(year, month, 1)
        days = [first + datetime.timedelta(n) for n in range(31) if (first + datetime.timedelta(n)).month == month]
    else:
        near = datetime.date(year + 7, 9, 1) + datetime.timedelta(30 * (month - 1))
        days = [near + datetime.timedelta(n) for n in range(-40, 80)
                if ethiopian(near + datetime.timedelta(n))[:2] == (year, month)]
    other = "ethiopian" if base == "gregorian" else "gregorian"
    number = {"gregorian": lambda d: d.day, "ethiopian": lambda d: ethiopian(d)[2]}
    cells = [None] * ((days[0].weekday() + 1) % 7)
    colour = lambda d: "red" if d.weekday() == 6 or number[base](d) in red else "black"
    cells += [(number[base](d), number[other](d), [("+3", colour(d)), ("+1", colour(d))]) for d in days]
    cells += [None] * (-len(cells) % 7)
    weeks = [cells[i:i + 7] for i in range(0, len(cells), 7)]
    heads = [(e + a) if base == "gregorian" else (a + e) for e, a in WEEKDAYS]
    return heads, weeks, [month_line(base, days[0]), month_line(other, days[0]), month_line(other, days[-1])]


class Table(html.parser.HTMLParser):
    """The rows of the page's table: th cells as their text, td cells as
    (base day, other day, fonts) or None when blank; the list items; all the text."""

    def __init__(self):
        super().__init__()
        self.rows, self.cell, self.text, self.items, self.item = [], None, [], [], None

    def handle_starttag(self, tag, attrs):
        if tag == "tr":
            self.rows.append([])
        elif tag in ("td", "th"):
            self.cell = {"tag": tag, "text": [], "fonts": []}
            self.rows[-1].append(self.cell)
        elif tag == "font" and self.cell is not None:
            self.cell["fonts"].append((dict(attrs).get("size"), dict(attrs).get("color")))
        elif tag == "li":
            self.item = ""

    def handle_endtag(self, tag):
        if tag in ("td", "th"):
            self.cell = None
        elif tag == "li":
            self.items.append(self.item)
            self.item = None

    def handle_data(self, data):
        self.text.append(data)
        if self.item is not None:
            self.item += data
        if self.cell is not None and data.strip():
            self.cell["text"].append(data.strip())

    def read(self):
        heads = ["".join(c["text"]) for c in self.rows[0]]
        weeks = []
        for row in self.rows[1:]:
            if row:
                weeks.append([(int(c["text"][0]), int(c["text"][1]), c["fonts"]) if c["text"] else None for c in row])
        return heads, weeks


def dump_dom(path, profile):
    return subprocess.run(
        ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--user-data-dir=" + profile, "--dump-dom", "file://" + path],
        check=True, capture_output=True, timeout=120).stdout.decode("utf-8")


def check(folder, profile):
    name = os.path.basename(folder)
    base, year, month = name.split("-")[:3]
    red, items = HOLIDAYS.get(name, (set(), []))
    table = Table()
    table.feed(dump_dom(os.path.join(folder, "output.htm"), profile))
    heads, weeks, lines = model(base, int(year), int(month), red)
    problems = []
    read_heads, read_weeks = table.read()
    if read_heads != heads:
        problems.append("headings %r, not %r" % (read_heads, heads))
    if read_weeks != weeks:
        problems.append("weeks %r, not %r" % (read_weeks, weeks))
    if table.items != items:
        problems.append("holidays %r, not %r" % (table.items, items))
    text = "".join(table.text)
    problems += ["missing %r" % line for line in lines if line not in text]
    return problems


def main():
    failed = 0
    with tempfile.TemporaryDirectory() as work:
        subprocess.run([sys.argv[1], work], check=True)
        pages = sorted(os.listdir(work))
        for name in pages:
            problems = check(os.path.join(work, name), os.path.join(work, "profile"))
            print("%s: %s" % (name, "; ".join(problems) if problems else "ok"))
            failed += bool(problems)
    print("%d passed, %d failed" % (len(pages) - failed, failed))
    return 1 if failed or not pages else 0


if __name__ == "__main__":
    sys.exit(main())
