#!/usr/bin/env bash
# The plain build as a user meets it on a Debian machine that has only the
# build packages: configured with every other package's files hidden (an
# overlay on /usr in a private mount namespace), tests and benchmarks stay off
# without failing, asking for them names the packages they need, the programs
# build, and the one target that needs ICU says so.
# Usage: plain_build.sh SOURCE_DIR
set -euo pipefail
source_dir=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
. "$here/../../scripts/deps.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/upper" "$work/overlay" "$work/home"
# shellcheck disable=SC2086
python3 "$here/usr_without.py" "$work/upper" $USER_BUILD_PACKAGES

as_root=()
overlay_options="lowerdir=/usr,upperdir=$work/upper,workdir=$work/overlay"
if [ "$(id -u)" -ne 0 ]; then  # an ordinary user mounts in a namespace of its own
  as_root=(-r)
  overlay_options+=",userxattr"
fi
export work source_dir overlay_options
# Not exec: the trap above must still remove the work folder, a build's worth.
unshare "${as_root[@]}" -m --propagation private bash -c '
set -uo pipefail
mount -t overlay overlay -o "$overlay_options" /usr || exit 1
mount -t tmpfs tmpfs /usr/local  # nothing a user built by hand
[ -d /opt ] && mount -t tmpfs tmpfs /opt
status=0
check() {  # check NAME FAILS WANTED_TEXT COMMAND...: run with the environment of a fresh login
  local name=$1 expected=$2 wanted=$3 actual=0
  shift 3
  env -i PATH=/usr/bin:/bin HOME="$work/home" "$@" >"$work/$name.log" 2>&1 || actual=$?
  # CMake wraps its messages, so the log is read as one line.
  if [ $((actual != 0)) -ne "$expected" ] || ! tr -s " \n" "  " <"$work/$name.log" | grep -q -- "$wanted"; then
    echo "FAILED: $name: exit status $actual, wanted ${wanted@Q} in:"
    tail -30 "$work/$name.log"
    status=1
  else
    echo "ok: $name"
  fi
}
if [ -e /usr/include/gtest/gtest.h ] || [ -e /usr/bin/xvfb-run ] || ! [ -e /usr/include/FL/Fl.H ]; then
  echo "FAILED: the overlay does not show the machine with only the build packages"
  exit 1
fi
plain=$work/plain
#     name   fails says                                  command
check plain  0     "Tests are off"                       cmake -S "$source_dir" -B "$plain"
check tests  1     "apt-get install .*libgtest-dev"      cmake -S "$source_dir" -B "$work/tests" -DBUILD_TESTING=ON
check bench  1     "apt-get install .*libbenchmark-dev"  cmake -S "$source_dir" -B "$work/bench" -DZELMORA_BENCHMARKS=ON
check build  0     "Built target zelmora_window"         cmake --build "$plain" -j"$(nproc)"
check table  1     "apt-get install libicu-dev"          cmake --build "$plain" --target umalqura_source
exit $status'
