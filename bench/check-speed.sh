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

# The best of five runs of a command, in seconds of wall-clock time.
best() {
  local best=""
  for _ in 1 2 3 4 5; do
    local start end took
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s.%N)
    took=$(echo "$end - $start" | bc)
    if [ -z "$best" ] || [ "$(echo "$took < $best" | bc)" = 1 ]; then best=$took; fi
  done
  echo "$best"
}

"$floor" "$work"
floorTime=$(best "$floor" "$work")
oneTime=$(best "$tool" check -j 1 "$work")
twoTime=$(best "$tool" check -j 2 "$work")
printf 'expat floor      %6.3f s\n' "$floorTime"
printf 'check -j 1       %6.3f s  %5.2f x the floor (goal: at most 1.5)\n' "$oneTime" \
  "$(echo "$oneTime / $floorTime" | bc -l)"
printf 'check -j 2       %6.3f s  %5.2f x as fast as -j 1 (goal: at least 1.7)\n' "$twoTime" \
  "$(echo "$oneTime / $twoTime" | bc -l)"
