# Sourced by the end-to-end scripts: installs the build into a scratch prefix,
# puts an xdg-open stand-in first on PATH, and gives helpers to drive the
# program's windows with xdotool under Xvfb. The program runs as an ordinary
# user (nobody, when the tests run as root) with a scratch home folder, and the
# installed files are read-only to it, as they are on a desktop.
# Needs: build (the build folder).
set -euo pipefail
work=$(mktemp -d)
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  chmod -R u+w "$work"
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

chmod 755 "$work"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
data="$prefix/share/zelmora"
chmod -R a-w "$prefix"
home="$work/home"
mkdir "$home" "$work/bin"
opened="$home/.opened"  # what the desktop was asked to open, one line each
cat >"$work/bin/xdg-open" <<STANDIN
#!/bin/sh
printf '%s\n' "\$@" >> "$opened"
STANDIN
chmod 755 "$work/bin/xdg-open"
[ -z "${XAUTHORITY:-}" ] || cp "$XAUTHORITY" "$home/.Xauthority"
[ "$(id -u)" -ne 0 ] || chown -R nobody:nogroup "$home"

# The ordinary user, with the scratch home, as a command prefix.
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$home" XAUTHORITY="$home/.Xauthority")
else
  as_user=(env HOME="$home")
fi

find_window() { timeout 10 xdotool search --sync --name "^$1\$" | head -1 || true; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.4; }
menu() { click "$main" "$1" 10; xdotool key "${@:2}" Return; sleep 0.4; }  # menu X KEYS...
last_opened() { tail -1 "$opened" 2>/dev/null; }
close_window() {  # Escape closes a window, Ctrl+Q the main one; again until it is gone, for a slow machine
  local key=Escape
  [ "$1" = "$main" ] && key=ctrl+q
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
    xdotool windowfocus --sync "$1" key "$key" 2>/dev/null || true
    sleep 0.5
  done
}

start_app() {  # start_app FOLDER [WRAPPER...]: the installed program, started in FOLDER
  cd "$1"
  shift
  PATH="$work/bin:$PATH" "${as_user[@]}" "$@" "$prefix/bin/zelmora" >"$work/stdout" 2>&1 &
  app=$!
  main=$(find_window "Zelmora Ver.$ZELMORA_VERSION")
  check "main window found" test -n "$main"
  check "runs as an ordinary user" test "$(ps -o uid= -p "$app" | tr -d ' ')" -ne 0
}

stop_app() {  # stop_app WINDOW...: closes them and checks the exit status
  local window status=0
  for window in "$@"; do close_window "$window"; done
  timeout 30 tail --pid="$app" -f /dev/null || status=$?
  wait "$app" || status=$?
  app=""
  check "exit status 0 after the last window closed" test "$status" -eq 0
  [ "$status" -eq 0 ] || grep -v "^Today is" "$work/stdout" | head -40
}

finish() {  # finish WINDOW...: stops the program and reports
  stop_app "$@"
  echo "$(basename "$0"): $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
