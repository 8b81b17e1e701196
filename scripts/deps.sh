#!/usr/bin/env bash
# Sourced by the other scripts, or run with the names of groups (see the end):
# installs Debian packages that are missing.
# Installs only what dpkg does not already have, and only as root.

missing_packages() {
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q '^install ok installed$' || echo "$pkg"
  done
}

ensure_packages() {
  local missing
  missing=$(missing_packages "$@")
  [ -z "$missing" ] && return 0
  if ! command -v apt-get >/dev/null 2>&1; then
    echo "zelmora: these Debian packages are needed but apt-get is not available: $missing" >&2
    exit 1
  fi
  if [ "$(id -u)" -ne 0 ]; then
    echo "zelmora: these Debian packages are needed; install them as root: apt-get install $missing" >&2
    exit 1
  fi
  echo "zelmora: installing $missing"
  # shellcheck disable=SC2086
  if ! { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing; } >/tmp/zelmora-apt.log 2>&1; then
    echo "zelmora: apt-get could not install: $missing (see /tmp/zelmora-apt.log)" >&2
    tail -5 /tmp/zelmora-apt.log >&2
    exit 1
  fi
}

# What a plain build needs, as the README names them; make and pkg-config come
# with them through apt's recommends and depends.
USER_BUILD_PACKAGES="cmake g++ libfltk1.3-dev libfontconfig-dev gettext libsystemd-dev"
# The Ethiopic font draws the Amharic holiday names in the window's tooltips.
BUILD_PACKAGES="$USER_BUILD_PACKAGES make pkg-config fonts-sil-abyssinica"
TEST_PACKAGES="libgtest-dev libicu-dev libical-dev xvfb xauth x11-utils imagemagick clang libclang-rt-14-dev chromium xdotool faketime desktop-file-utils lintian python3-icalendar bash-completion khal calcurse fonts-dejavu-core dunst dbus systemd"
# The benchmarks and the measuring scripts in bench/.
BENCH_PACKAGES="libbenchmark-dev libicu-dev libxdamage-dev hyperfine xvfb xauth x11-apps xdotool"

# Run rather than sourced, `scripts/deps.sh build test bench` installs those groups.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  wanted=""
  for group in "$@"; do
    case $group in
      build) wanted+=" $BUILD_PACKAGES" ;;
      test) wanted+=" $TEST_PACKAGES" ;;
      bench) wanted+=" $BENCH_PACKAGES" ;;
      *) echo "usage: scripts/deps.sh build|test|bench..." >&2; exit 2 ;;
    esac
  done
  # shellcheck disable=SC2086
  ensure_packages $wanted
fi
