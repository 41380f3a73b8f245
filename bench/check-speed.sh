#!/usr/bin/env bash
# How fast `xmlattr check` reads real documents, beside the floor of a bare expat parse of
# the same files in the same run. The documents of ../shared/corpus/docs are copied until
# there are at least 50 MB of them (copies, not links: the checker reads a linked file once).
#
#   bench/check-speed.sh [BUILD_DIR]      (default build/release; needs xmlattr_tool, expat_floor)
#
# Goals: with one thread the check takes at most 1.5 times the floor; two threads are at
# least 1.7 times as fast as one.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
tool=$build/bin/xmlattr
floor=$build/bench/expat_floor
docs=${XMLATTR_SPEED_DOCS:-../shared/corpus/docs}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The bytes of the documents themselves, folders not counted.
bytes() { find "$1" -type f -printf '%s\n' | awk '{ s += $1 } END { print s + 0 }'; }

copies=0
while [ "$(bytes "$work")" -lt $((50 * 1024 * 1024)) ]; do
  cp -r "$docs" "$work/copy$copies"
  copies=$((copies + 1))
done
echo "documents: $(bytes "$work") bytes in $copies copies of $docs"

# The best of five runs of a command: "WALL CPU" in seconds, CPU being user and system time
# of all its threads (what a busy machine disturbs least).
best() {
  local bestWall="" bestCpu=""
  for _ in 1 2 3 4 5; do
    local wall cpu
    read -r wall cpu < <(/usr/bin/time -f "%e %U %S" "$@" 2>&1 >/dev/null | tail -n 1 |
                         awk '{ print $1, $2 + $3 }')
    if [ -z "$bestWall" ] || [ "$(echo "$wall < $bestWall" | bc)" = 1 ]; then bestWall=$wall; fi
    if [ -z "$bestCpu" ] || [ "$(echo "$cpu < $bestCpu" | bc)" = 1 ]; then bestCpu=$cpu; fi
  done
  echo "$bestWall $bestCpu"
}

"$floor" "$work"
read -r floorWall floorCpu < <(best "$floor" "$work")
read -r oneWall oneCpu < <(best "$tool" check -j 1 "$work")
read -r twoWall twoCpu < <(best "$tool" check -j 2 "$work")
ratio() { echo "$1 / $2" | bc -l; }
printf 'expat floor   %6.3f s (CPU %6.3f s)\n' "$floorWall" "$floorCpu"
printf 'check -j 1    %6.3f s (CPU %6.3f s): %4.2f x the floor, %4.2f x in CPU (goal: at most 1.5)\n' \
  "$oneWall" "$oneCpu" "$(ratio "$oneWall" "$floorWall")" "$(ratio "$oneCpu" "$floorCpu")"
printf 'check -j 2    %6.3f s (CPU %6.3f s): %4.2f x as fast as -j 1 (goal: at least 1.7)\n' \
  "$twoWall" "$twoCpu" "$(ratio "$oneWall" "$twoWall")"
echo "load average while measuring: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
