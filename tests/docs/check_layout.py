"""The README's layout names every folder of sources under src/, one line
each, and no folder that is gone; and no include runs up a layer: the core
includes neither the terminal commands nor the windows nor the toolkit, and
the terminal commands do not include the windows.

Usage: check_layout.py SOURCE_DIR
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(sys.argv[1])
SOURCES = (".cpp", ".h", ".in")
# A layer and what its files may not include.
FORBIDDEN = {
    "src/core": ("cli/", "gui/", "app/", "FL/"),
    "src/cli": ("gui/", "app/", "FL/"),
    "src/gui": ("app/",),
}
INCLUDE = re.compile(r'^\s*#\s*include\s+[<"]([^">]+)[">]', re.M)


def folders_in_tree():
    return {str(p.parent.relative_to(ROOT)) + "/" for p in (ROOT / "src").rglob("*") if p.suffix in SOURCES}


def folders_in_readme():
    text = (ROOT / "README.md").read_text(encoding="utf-8")
    layout = text.split("\n## Layout\n", 1)[1].split("\n## ", 1)[0]
    return re.findall(r"^- `(src/[^`]*/)`", layout, re.M)


def upward_includes():
    for layer, forbidden in FORBIDDEN.items():
        for path in (ROOT / layer).rglob("*"):
            if path.suffix not in SOURCES:
                continue
            for target in INCLUDE.findall(path.read_text(encoding="utf-8")):
                if target.startswith(forbidden):
                    yield f"{path.relative_to(ROOT)} includes {target}"


def main():
    listed = folders_in_readme()
    tree = folders_in_tree()
    failures = [f"README names {f} twice" for f in sorted({f for f in listed if listed.count(f) > 1})]
    failures += [f"README's layout does not name {f}" for f in sorted(tree - set(listed))]
    failures += [f"README's layout names {f}, which holds no sources" for f in sorted(set(listed) - tree)]
    failures += list(upward_includes())
    print("\n".join(failures) or f"{len(tree)} folders, each named once; no include runs up a layer")
    return 1 if failures else 0


sys.exit(main())
