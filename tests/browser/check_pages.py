#!/usr/bin/env python3
"""Loads each exported page in headless Chromium and checks the table the
browser built from it: 7 headings, one cell per day, no row longer than a
week, and the Ethiopic names intact.

Usage: check_pages.py WRITE_PAGES_PROGRAM
"""
import html.parser
import os
import subprocess
import sys
import tempfile

PAGES = {  # folder: (days in the month, base month line, Ethiopic names that must appear)
    "gregorian-2008-11": (30, "November, 2008", ["ጥቅምት", "ህዳር", "አሑድ", "ቅዳሜ"]),
    "gregorian-2009-02": (28, "February, 2009", ["ጥር", "የካቲት", "ማክስኞ"]),
    "ethiopian-2001-03": (30, "ህዳር, 2001", ["ህዳር", "ረቡዕ", "ዓርብ"]),
    "ethiopian-1999-13": (6, "ጳጉሜ, 1999", ["ጳጉሜ", "ሐሙስ", "ስኞ"]),
}


class Table(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.rows, self.cell, self.text = [], None, []

    def handle_starttag(self, tag, attrs):
        if tag == "tr":
            self.rows.append([])
        elif tag in ("td", "th"):
            self.cell = [tag, ""]
            self.rows[-1].append(self.cell)

    def handle_endtag(self, tag):
        if tag in ("td", "th"):
            self.cell = None

    def handle_data(self, data):
        self.text.append(data)
        if self.cell is not None:
            self.cell[1] += data


def dump_dom(path, profile):
    return subprocess.run(
        ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--user-data-dir=" + profile, "--dump-dom", "file://" + path],
        check=True, capture_output=True, timeout=120).stdout.decode("utf-8")


def check(folder, days, month_line, names, profile):
    dom = dump_dom(os.path.join(folder, "output.htm"), profile)
    table = Table()
    table.feed(dom)
    text = "".join(table.text)
    problems = []
    heads = [c for c in table.rows[0] if c[0] == "th"]
    if len(heads) != 7:
        problems.append("%d headings" % len(heads))
    day_cells = [c for row in table.rows[1:] for c in row if c[1].strip() not in ("", "\xa0")]
    if len(day_cells) != days:
        problems.append("%d day cells, not %d" % (len(day_cells), days))
    if any(len(row) > 7 for row in table.rows):
        problems.append("a row longer than 7")
    for name in names + [month_line]:
        if name not in text:
            problems.append("missing %r" % name)
    return problems


def main():
    failed = 0
    with tempfile.TemporaryDirectory() as work:
        subprocess.run([sys.argv[1], work], check=True)
        for name, (days, line, names) in PAGES.items():
            problems = check(os.path.join(work, name), days, line, names, os.path.join(work, "profile"))
            print("%s: %s" % (name, "; ".join(problems) if problems else "ok"))
            failed += bool(problems)
    print("%d passed, %d failed" % (len(PAGES) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
