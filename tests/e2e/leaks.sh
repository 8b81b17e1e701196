#!/usr/bin/env bash
# A scripted session of the sanitizer build with LeakSanitizer watching: every
# window and command once, then all windows closed; a leak fails the exit status.
# (The dated end-to-end test cannot do this: faketime and the leak check's
# stop-the-world do not mix.)  Usage: leaks.sh BUILD_DIR
build=$(cd "$1" && pwd)
. "$(dirname "$0")/session.sh"
# The ordinary user may not read the checkout (a clone in a private folder),
# so the leak checker reads its suppressions from the scratch folder.
cp "$(dirname "$0")/../lsan.supp" "$work/lsan.supp"
export LSAN_OPTIONS="suppressions=$work/lsan.supp:print_suppressions=0"

start_app "$data"
for control in "290 79" "314 79" "338 79" "12 79" "36 79" "60 79" "328 42" "97 79" "170 200"; do
  click "$main" $control
done
menu 20 Down Down                 # Tool > Output html
menu 72 Down                      # Help > Help Contents
menu 72 Down Down                 # Help > Website
check "three targets opened" test "$(wc -l <"$opened")" -eq 3
menu 20 Down                      # Tool > Clock
clock=$(find_window "Ethiopian Clock")
[ -z "$clock" ] || xdotool windowmove "$clock" 400 0
click "$main" 22 42               # a second clock window from the small clock
second=$(xdotool search --name "^Ethiopian Clock\$" | grep -v "^$clock\$" | head -1 || true)
[ -z "$second" ] || xdotool windowmove "$second" 700 0
menu 72 Down Down Down            # Help > About
about=$(find_window "About Zelmora")
check "clock, clock and About windows opened" test -n "$clock" -a -n "$second" -a -n "$about"
sleep 2
finish "$about" "$second" "$clock" "$main"
