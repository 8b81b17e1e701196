# Sourced by the end-to-end scripts: installs the build into a scratch prefix,
# puts an xdg-open stand-in first on PATH, and gives helpers to drive the
# program's windows with xdotool under Xvfb.  Needs: build (the build folder).
set -euo pipefail
work=$(mktemp -d)
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

passed=0
failed=0
check() {  # check WHAT COMMAND...
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what"; fi
}

cmake --install "$build" --prefix "$work/prefix" >/dev/null
data="$work/prefix/share/zelmora"
mkdir "$work/bin"
cat >"$work/bin/xdg-open" <<STANDIN
#!/bin/sh
printf '%s\n' "\$@" >> "$work/opened"
STANDIN
chmod +x "$work/bin/xdg-open"

find_window() { timeout 10 xdotool search --sync --name "^$1\$" | head -1 || true; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.4; }
menu() { click "$main" "$1" 10; xdotool key "${@:2}" Return; sleep 0.4; }  # menu X KEYS...
close_window() {  # Escape closes a window; again until it is gone, for a slow machine
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
    xdotool windowfocus --sync "$1" key Escape 2>/dev/null || true
    sleep 0.5
  done
}

start_app() {  # start_app [WRAPPER...]: the installed program, in its data folder, with a home of its own
  cd "$data"
  mkdir -p "$work/home"
  HOME="$work/home" PATH="$work/bin:$PATH" "$@" "$work/prefix/bin/zelmora" >"$work/stdout" 2>&1 &
  app=$!
  main=$(find_window "Zelmora Ver.1.5.2")
  check "main window found" test -n "$main"
}

finish() {  # finish WINDOW...: closes them, checks the exit status, reports
  local window status=0
  for window in "$@"; do close_window "$window"; done
  timeout 30 tail --pid="$app" -f /dev/null || status=$?
  wait "$app" || status=$?
  app=""
  check "exit status 0 after the last window closed" test "$status" -eq 0
  [ "$status" -eq 0 ] || grep -v "^Today is" "$work/stdout" | head -40
  echo "$(basename "$0"): $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
