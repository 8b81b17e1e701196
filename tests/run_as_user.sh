#!/bin/sh
# Runs a test program as an ordinary user, as people run Zelmora: when started
# as root, as nobody, with a home folder of its own and a copy of the X cookie.
# Usage: run_as_user.sh PROGRAM [ARGUMENT...]
set -eu
[ "$(id -u)" -eq 0 ] || exec "$@"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
if [ -n "${XAUTHORITY:-}" ]; then cp "$XAUTHORITY" "$home/.Xauthority"; fi
chown -R nobody:nogroup "$home"
HOME=$home XAUTHORITY=$home/.Xauthority setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
