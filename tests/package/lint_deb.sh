#!/usr/bin/env bash
# Builds the .deb from a build folder and lets lintian judge it: any error fails.
# Usage: lint_deb.sh BUILD_DIR
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$1" && cpack -G DEB -B "$out" >/dev/null)
lintian --fail-on error --tag-display-limit 0 "$out"/*.deb
