# shellcheck shell=bash
# Sourced by the scripts that drive the program under X: finds its main window
# by the class of the program and a title of its name and version, waiting up
# to ten seconds for it to map. Prints nothing when there is none.
main_window() {
  local w
  for _ in $(seq 50); do
    for w in $(xdotool search --classname "^zelmora\$" 2>/dev/null); do
      case $(xdotool getwindowname "$w" 2>/dev/null) in "Zelmora Ver."*) echo "$w"; return ;; esac
    done
    sleep 0.2
  done
}
