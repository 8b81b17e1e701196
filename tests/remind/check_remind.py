#!/usr/bin/python3
"""zelmora remind through a real notification server: dunst on this private
session bus (run under dbus-run-session and Xvfb), its clock fixed by
libfaketime. Each row starts from no record, runs remind at the times given
and names the titles dunst took at each run."""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

ZELMORA = sys.argv[1]
DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "remind")
NO_BUS = "no bus"
MISSED = "Reminders missed: 3"
BIRTHDAY = "Abebe's birthday"

# (what, days file, [(local time, bus?, exit status, titles told)]); the first run starts the record.
ROWS = [
    ("told once at its minute", "nine.ics", [("2026-12-08 07:00", True, 0, []), ("2026-12-08 08:00", True, 0, []),
                                             ("2026-12-08 09:01", True, 0, [BIRTHDAY]), ("2026-12-08 09:20", True, 0, [])]),
    ("a week's missed in one summary", "week.ics", [("2026-12-01 12:00", True, 0, []), ("2026-12-15 10:00", True, 0, [MISSED]),
                                                    ("2026-12-15 10:15", True, 0, [])]),
    ("no bus, then a bus", "nine.ics", [("2026-12-08 08:00", True, 0, []), ("2026-12-08 09:01", False, 2, []),
                                        ("2026-12-08 09:15", True, 0, [BIRTHDAY]), ("2026-12-08 09:30", True, 0, [])]),
]


def told():
    """Every notification dunst took so far, by id."""
    subprocess.run(["dunstctl", "close-all"], check=True)
    history = json.loads(subprocess.run(["dunstctl", "history"], capture_output=True, check=True).stdout)["data"][0]
    return {n["id"]["data"]: n for n in history}


def remind(home, when, bus):
    env = dict(os.environ, HOME=home, XDG_DATA_HOME=home + "/data", XDG_STATE_HOME=home + "/state",
               XDG_CONFIG_HOME=home + "/config", TZ="Africa/Addis_Ababa", LANG="C",
               LD_PRELOAD=os.environ["ZELMORA_LIBFAKETIME"], FAKETIME="@" + when + ":00",
               FAKETIME_DONT_FAKE_MONOTONIC="1")
    if not bus:
        env.pop("DBUS_SESSION_BUS_ADDRESS")
    return subprocess.run([ZELMORA, "remind"], env=env, capture_output=True, text=True, timeout=60)


def main():
    server = subprocess.Popen(["dunst"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(50):  # until dunst holds the server's name, else the bus would start a second
        owner = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
                                "org.freedesktop.DBus.NameHasOwner", "string:org.freedesktop.Notifications"],
                               capture_output=True, text=True).stdout
        if "true" in owner:
            break
        time.sleep(0.1)
    failures = 0
    seen = told()
    for what, days, runs in ROWS:
        home = tempfile.mkdtemp(prefix="zelmora-remind-")
        os.makedirs(home + "/data/zelmora")
        shutil.copy(os.path.join(DATA, days), home + "/data/zelmora/days.ics")
        for when, bus, status, titles in runs:
            done = remind(home, when, bus)
            now = told()
            got = [now[i]["summary"]["data"] for i in sorted(set(now) - set(seen))]
            seen = now
            if done.returncode != status or got != titles or (not bus and "session bus" not in done.stderr):
                failures += 1
                print(f"FAIL {what} at {when}: status {done.returncode}, told {got}, expected {status}, {titles}; "
                      f"said {done.stderr!r}")
        shutil.rmtree(home)
    server.terminate()
    print(f"{len(ROWS)} rows, {failures} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
