#!/bin/sh
# Runs a test program as an ordinary user, as people run Zelmora: when started
# as root, as nobody, with a home folder of its own and a copy of the X cookie.
# Where nobody cannot reach the program (a checkout in a private folder, such
# as one made by mktemp -d), it runs as root without root's powers instead:
# the folders' permission bits then bind it as they bind any user.
# Usage: run_as_user.sh PROGRAM [ARGUMENT...]
set -eu
[ "$(id -u)" -eq 0 ] || exec "$@"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
if [ -n "${XAUTHORITY:-}" ]; then cp "$XAUTHORITY" "$home/.Xauthority"; fi
as_nobody="setpriv --reuid=nobody --regid=nogroup --clear-groups"
if $as_nobody test -x "$1"; then
  chown -R nobody:nogroup "$home"
  HOME=$home XAUTHORITY=$home/.Xauthority $as_nobody "$@"
else
  echo "run_as_user.sh: nobody cannot reach $1; running it without root's capabilities" >&2
  HOME=$home XAUTHORITY=$home/.Xauthority setpriv --inh-caps=-all --bounding-set=-all "$@"
fi
