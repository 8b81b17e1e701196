#!/usr/bin/env python3
"""Writes the upper layer of an overlay on /usr that hides what a Debian
machine with only the given packages (what they depend on and recommend, and
the base system) would not have: a whiteout for each file of every other
installed package.
Usage: usr_without.py UPPER_DIR PACKAGE..."""
import os
import re
import stat
import subprocess
import sys


def installed():
    """Package name -> (essential or required, its relations' names)."""
    fields = "${Package}\t${Essential}\t${Priority}\t${Depends}, ${Pre-Depends}, ${Recommends}\t${Provides}\n"
    out = subprocess.run(["dpkg-query", "-W", "-f", fields], check=True, capture_output=True, text=True).stdout
    packages, providers = {}, {}
    for line in out.splitlines():
        name, essential, priority, relations, provides = line.split("\t")
        groups = [[re.split(r"[ :(]", alternative.strip())[0] for alternative in group.split("|")]
                  for group in relations.split(",") if group.strip()]
        packages[name] = (essential == "yes" or priority == "required", groups)
        for virtual in re.split(r",", provides):
            if virtual.strip():
                providers.setdefault(re.split(r"[ (]", virtual.strip())[0], []).append(name)
    return packages, providers


def chosen(group, packages, providers):
    """The package apt installs for "a | b | virtual": the first one there is."""
    for name in group:
        if name in packages:
            return name
    for name in group:
        if name in providers:
            return sorted(providers[name])[0]
    return None


def closure(roots, packages, providers):
    seen, todo = set(), [[root] for root in roots]
    while todo:
        name = chosen(todo.pop(), packages, providers)
        if name and name not in seen:
            seen.add(name)
            todo.extend(packages[name][1])
    return seen


def files_of(names):
    if not names:
        return set()
    out = subprocess.run(["dpkg-query", "-L", *sorted(names)], capture_output=True, text=True).stdout
    canonical = set()
    for path in out.splitlines():
        if path.startswith("/"):  # /bin, /lib are /usr's own on a merged /usr
            canonical.add(os.path.join(os.path.realpath(os.path.dirname(path)), os.path.basename(path)))
    return canonical


def main():
    upper, wanted = sys.argv[1], sys.argv[2:]
    packages, providers = installed()
    base = [name for name, (essential, _) in packages.items() if essential]
    visible = closure(wanted + base, packages, providers)
    hidden = 0
    for path in sorted(files_of(set(packages) - visible) - files_of(visible)):
        if path.startswith("/usr/") and os.path.lexists(path) and not os.path.isdir(path):
            whiteout = os.path.join(upper, os.path.relpath(path, "/usr"))
            os.makedirs(os.path.dirname(whiteout), exist_ok=True)
            os.mknod(whiteout, stat.S_IFCHR, os.makedev(0, 0))
            hidden += 1
    print(f"{len(visible)} packages visible, {hidden} files of {len(packages) - len(visible)} others hidden")


main()
