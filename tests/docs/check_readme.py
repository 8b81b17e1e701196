"""Every terminal example in the README, run as written: each ```console
block's `$ command` lines run in a shell whose `zelmora` is the built one, with
the clock stopped at the moment the README names, and their output must be
the lines that follow them, byte for byte.

Usage: check_readme.py README ZELMORA   (ZELMORA_LIBFAKETIME names libfaketime)
"""
import difflib
import os
import re
import subprocess
import sys
import tempfile

README, ZELMORA = sys.argv[1], os.path.abspath(sys.argv[2])
# The README's examples are written on Tuesday 8 December 2026 at 09:05 in
# a locale that is not Amharic, on no terminal.
WHEN = "2026-12-08 09:05:00"
BLOCK = re.compile(r"^```console\n(.*?)^```$", re.S | re.M)


def examples(text):
    """(line number, command, expected output) for every `$` line."""
    found = []
    for block in BLOCK.finditer(text):
        first = text.count("\n", 0, block.start(1)) + 1
        for offset, line in enumerate(block.group(1).splitlines()):
            if line.startswith("$ "):
                found.append([first + offset, line[2:], []])
            elif found and found[-1][0] >= first:
                found[-1][2].append(line)
            else:
                sys.exit(f"README:{first + offset}: output before any command")
    for example in found:
        while example[2] and not example[2][-1]:  # a blank line parts two examples
            example[2].pop()
    return [(number, command, "".join(line + "\n" for line in output)) for number, command, output in found]


def environment(home):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES", "LANG", "NO_COLOR")}
    env.update(PATH=os.path.dirname(ZELMORA) + ":/usr/bin:/bin", HOME=home, TZ="UTC", TERM="xterm",
               LD_PRELOAD=os.environ["ZELMORA_LIBFAKETIME"], FAKETIME=WHEN)
    return env


def main():
    cases = examples(open(README, encoding="utf-8").read())
    if not cases:
        sys.exit("no terminal examples found in the README")
    failures = 0
    with tempfile.TemporaryDirectory() as home:
        for number, command, expected in cases:
            done = subprocess.run(["sh", "-c", command], cwd=home, env=environment(home),
                                  capture_output=True, timeout=30)
            actual = done.stdout.decode()
            if actual != expected or done.returncode != 0 or done.stderr:
                failures += 1
                print(f"README:{number}: $ {command}  (exit status {done.returncode})")
                print(done.stderr.decode(), end="")
                sys.stdout.writelines(difflib.unified_diff(
                    expected.splitlines(True), actual.splitlines(True), "README", "zelmora"))
    print(f"{len(cases) - failures} of {len(cases)} examples as the README shows them")
    sys.exit(1 if failures else 0)


main()
