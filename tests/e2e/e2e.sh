#!/usr/bin/env bash
# Drives the installed program as an ordinary user would, under Xvfb (run by
# xvfb-run), with the date fixed at Saturday 29 November 2008 (Hdar 20, 2001),
# 09:00 UTC: first started from its menu entry, in the folder the entry names,
# then from the user's home folder.
# Usage: e2e.sh BUILD_DIR        ZELMORA_SCREENSHOTS=DIR also keeps screenshots.
build=$(cd "$1" && pwd)
. "$(dirname "$0")/session.sh"

pixel() { import -window "$1" png:- | convert - -format "%[pixel:p{$2,$3}]" info:; }
yellow_at() {  # polls: the window may not have redrawn yet on a busy machine
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    [ "$(pixel "$main" "$1" "$2")" = "srgb(255,255,0)" ] && return 0
    sleep 0.3
  done
  return 1
}
shot() { [ -z "${ZELMORA_SCREENSHOTS:-}" ] || [ -z "$1" ] || import -window "$1" "$ZELMORA_SCREENSHOTS/$2.png"; }

wm_class() { xprop -id "$1" WM_CLASS; }
has_class() { [ "$(wm_class "$1")" = 'WM_CLASS(STRING) = "zelmora", "Zelmora"' ]; }
opened_file() { local uri; uri=$(last_opened); [ "${uri#file://}" = "$1" ] && [ -f "$1" ]; }
page_in() {  # page_in FOLDER: the page and both pictures are there, and the desktop was given the page
  opened_file "$1/output.htm" && grep -q "November, 2008" "$1/output.htm" && [ -s "$1/vemra.jpg" ] && [ -s "$1/tolun.jpg" ]
}

# libfaketime preloaded directly: the faketime wrapper's shared clock leaves
# semaphores in /dev/shm that a later run can trip over.
fixed_clock=(env TZ=UTC LD_PRELOAD="$ZELMORA_LIBFAKETIME" FAKETIME='@2008-11-29 09:00:00')
check "menu entry is valid" desktop-file-validate "$prefix/share/applications/zelmora.desktop"
check "menu entry starts in the data folder" grep -qx "Path=$data" "$prefix/share/applications/zelmora.desktop"
check "menu entry starts the installed program by its full path" grep -qx "Exec=$prefix/bin/zelmora" "$prefix/share/applications/zelmora.desktop"
check "menu entry names the window class" grep -qx "StartupWMClass=zelmora" "$prefix/share/applications/zelmora.desktop"
icons="$prefix/share/icons/hicolor"
check "icons and manual page installed" test -f "$icons/48x48/apps/zelmora.png" -a -f "$icons/64x64/apps/zelmora.png" \
  -a -f "$icons/256x256/apps/zelmora.png" -a -f "$icons/scalable/apps/zelmora.svg" -a -f "$prefix/share/man/man1/zelmora.1.gz"
check "help pages, their style and pictures installed" test -f "$data/index_e.htm" -a -f "$data/index_a.htm" \
  -a -f "$data/help.css" -a -f "$data/vemra.jpg" -a -f "$data/tolun.jpg"
check "bash completion installed" test -f "$prefix/share/bash-completion/completions/zelmora"
check "installed commands work without a display" sh -c "env -u DISPLAY '$prefix/bin/zelmora' holidays --ics 2001 | grep -q '^DTSTART;VALUE=DATE:20080911'"
window_program=$(find "$prefix/lib" -path '*/zelmora/zelmora-window')
check "the window program is private, in lib/zelmora ($window_program)" test -x "$window_program" -a ! -e "$prefix/bin/zelmora-window"

start_app "$data" "${fixed_clock[@]}"
check "main window's class is zelmora ($(wm_class "$main"))" has_class "$main"
geometry=$(xdotool getwindowgeometry "$main" | grep Geometry)
check "main window is 350 x 345 ($geometry)" test "$geometry" = "  Geometry: 350x345"

# Cells: 50 x 39 from y 110; probe each below its big number, left of the small one.
check "today, Hdar 20, is yellow" yellow_at 304 222
shot "$main" main-ethiopian
click "$main" 290 79   # "+"
check "tomorrow, Hdar 21, is yellow" yellow_at 4 261
click "$main" 328 42   # base button
check "Gregorian base: 30 November is yellow" yellow_at 4 339
click "$main" 97 79    # "Today"
check "back on 29 November, base kept" yellow_at 304 300
shot "$main" main-gregorian

menu 20 Down Down      # Tool > Output html
check "page and pictures in the user's data folder, and opened ($(last_opened))" \
  page_in "$home/.local/share/zelmora"
check "nothing written in the installed folder" test ! -e "$data/output.htm"
menu 72 Down           # Help > Help Contents
check "the installed help page opened ($(last_opened))" opened_file "$data/index_e.htm"
menu 20 Down Down Down # Tool > Holidays, off
prefs="$home/.fltk/zelmora/zelmora.prefs"
check "holidays off is remembered" grep -qx "holidays:0" "$prefs"
check "the Gregorian base is remembered under the key earlier versions read" grep -qx "base_calendar:0" "$prefs"

click "$main" 22 42    # the small clock
clock=$(find_window "Ethiopian Clock")
check "clock window opened" test -n "$clock"
check "clock window's class is zelmora" has_class "$clock"
[ -z "$clock" ] || xdotool windowmove "$clock" 400 0  # there is no window manager to place it
sleep 1.2
shot "$clock" clock-window

menu 72 Down Down Down # Help > About
about=$(find_window "About Zelmora")
check "About window opened" test -n "$about"
check "About window's class is zelmora" has_class "$about"
[ -z "$about" ] || xdotool windowmove "$about" 400 250
shot "$about" about-window

stop_app "$about" "$clock" "$main"

start_app "$home" "${fixed_clock[@]}"
menu 20 Down Down      # Tool > Output html
check "page and pictures in the home folder, and opened ($(last_opened))" page_in "$home"
menu 72 Down           # Help > Help Contents
check "the installed help page opened from the home folder ($(last_opened))" opened_file "$data/index_e.htm"
menu 20 Down Down Down Down Down Down Down Down Down Down Down Down  # Tool > Amharic
press_f1() { xdotool windowfocus --sync "$main" key F1; sleep 0.4; }
press_f1
check "in Amharic, F1 opens the Amharic help page ($(last_opened))" opened_file "$data/index_a.htm"
chmod u+w "$data" && rm "$data/index_a.htm"
press_f1
check "in Amharic without its page, F1 opens the English one ($(last_opened))" opened_file "$data/index_e.htm"
finish "$main"
