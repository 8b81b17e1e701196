#!/bin/sh
# The reminders' timer and service as systemd reads a user's units, and their
# autostart entry as desktop-file-validate reads it: any complaint fails.
# Usage: verify_units.sh SOURCE_DIR PROGRAM
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/run"
sed "s|@ZELMORA_PROGRAM@|$2|" "$1/resources/systemd/zelmora-remind.service.in" >"$work/zelmora-remind.service"
cp "$1/resources/systemd/zelmora-remind.timer" "$work/"
sed "s|@ZELMORA_PROGRAM@|$2|" "$1/resources/desktop/zelmora-remind.desktop.in" >"$work/zelmora-remind.desktop"
said=$(XDG_RUNTIME_DIR="$work/run" systemd-analyze verify --user --man=no "$work"/zelmora-remind.service \
  "$work"/zelmora-remind.timer 2>&1 && desktop-file-validate "$work/zelmora-remind.desktop" 2>&1) || status=$?
echo "$said"
[ "${status:-0}" -eq 0 ] && [ -z "$said" ]
