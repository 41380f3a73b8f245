#!/usr/bin/env bash
# How fast `xmlattr check` reads documents, beside the floor of a bare expat parse of the same
# files in the same run. By default the documents are made from the values of the corpus
# tables (corpus/svg-attributes.tsv and corpus/fo-attributes.tsv: every row an element with
# its attribute, or its style declaration, as often as it was counted); a folder of real
# documents may be given instead. They are copied until there are at least 50 MB of them
# (copies, not links: the checker reads a linked file once).
#
#   bench/check-speed.sh [BUILD_DIR [DOCUMENTS]]   (default build/release; needs xmlattr_tool,
#                                                  expat_floor)
#
# Goals: with one thread the check takes at most 1.5 times the floor; two threads are at
# least 1.7 times as fast as one.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
tool=$build/bin/xmlattr
floor=$build/bench/expat_floor
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
docs=${2:-}

# Documents of about 200 KB from a corpus table: ELEMENTS in column 5, the attribute in 1,
# the value in 2 (with \t, \n, \r and \\ written so), how often in 3; HEAD and TAIL wrap them.
# Style declarations (column 6 "style") go into a style attribute.
fromTable() {
  local table=$1 folder=$2 extension=$3 head=$4 tail=$5
  mkdir -p "$folder"
  awk -F'\t' -v folder="$folder" -v extension="$extension" -v head="$head" -v tail="$tail" '
    function escaped(text) {
      gsub(/&/, "\\&amp;", text); gsub(/</, "\\&lt;", text); gsub(/"/, "\\&quot;", text)
      gsub(/\\t/, "\\&#9;", text); gsub(/\\n/, "\\&#10;", text); gsub(/\\r/, "\\&#13;", text)
      gsub(/\\\\/, "\\", text)
      return text
    }
    function newFile(  name) {
      name = sprintf("%s/doc%03d.%s", folder, files++, extension)
      printf "%s\n", head > name
      return name
    }
    NR == 1 { file = newFile(); next }
    $1 ~ /:/ { next }   # attributes of other vocabularies
    {
      split($5, elements, ",")
      element = elements[1] == "" ? "path" : elements[1]
      value = escaped($2)
      line = $6 ~ /^style/ ? "<" element " style=\"" $1 ": " value "\"/>" \
                           : "<" element " " $1 "=\"" value "\"/>"
      for (i = 0; i < $3; ++i) {
        print line > file
        bytes += length(line) + 1
        if (bytes > 200000) { print tail > file; close(file); file = newFile(); bytes = 0 }
      }
    }
    END { print tail > file; close(file) }' "$table"
}

if [ -z "$docs" ]; then
  docs=$work/corpus
  fromTable corpus/svg-attributes.tsv "$docs/svg" svg '<svg xmlns="http://www.w3.org/2000/svg">' '</svg>'
  fromTable corpus/fo-attributes.tsv "$docs/fo" fo \
    '<fo:root xmlns:fo="http://www.w3.org/1999/XSL/Format">' '</fo:root>'
fi

# The bytes of the documents themselves, folders not counted.
bytes() { find "$1" -type f -printf '%s\n' | awk '{ s += $1 } END { print s + 0 }'; }

copies=0
mkdir -p "$work/copies"
while [ "$(bytes "$work/copies")" -lt $((50 * 1024 * 1024)) ]; do
  cp -r "$docs" "$work/copies/copy$copies"
  copies=$((copies + 1))
done
echo "documents: $(bytes "$work/copies") bytes in $copies copies of $docs"

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

"$floor" "$work/copies"
read -r floorWall floorCpu < <(best "$floor" "$work/copies")
read -r oneWall oneCpu < <(best "$tool" check -j 1 "$work/copies")
read -r twoWall twoCpu < <(best "$tool" check -j 2 "$work/copies")
ratio() { echo "$1 / $2" | bc -l; }
printf 'expat floor   %6.3f s (CPU %6.3f s)\n' "$floorWall" "$floorCpu"
printf 'check -j 1    %6.3f s (CPU %6.3f s): %4.2f x the floor, %4.2f x in CPU (goal: at most 1.5)\n' \
  "$oneWall" "$oneCpu" "$(ratio "$oneWall" "$floorWall")" "$(ratio "$oneCpu" "$floorCpu")"
printf 'check -j 2    %6.3f s (CPU %6.3f s): %4.2f x as fast as -j 1 (goal: at least 1.7)\n' \
  "$twoWall" "$twoCpu" "$(ratio "$oneWall" "$twoWall")"
echo "load average while measuring: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
