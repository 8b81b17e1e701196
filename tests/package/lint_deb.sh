#!/usr/bin/env bash
# Builds the .deb from a build folder and lets lintian judge it: any error or
# warning fails, and so does any hardening tag, except the checked string
# functions in a build that is not fortified (Debug, or with the sanitizers).
# Usage: lint_deb.sh BUILD_DIR fortified|unfortified
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$1" && cpack -G DEB -B "$out" >/dev/null)
report=$(lintian --fail-on error,warning --display-info --tag-display-limit 0 "$out"/*.deb) || status=$?
echo "$report"
[ "${status:-0}" -eq 0 ] || exit 1
allowed='^$'
[ "$2" = fortified ] || allowed='hardening-no-fortify-functions'
! grep 'hardening-' <<<"$report" | grep -v "$allowed"
