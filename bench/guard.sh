#!/usr/bin/env bash
# The regression guard: the readers and writers of a base commit against the working tree's.
#
#   bench/guard.sh BASE [ROUNDS]      (ROUNDS defaults to 15; fewer only for a trial)
#
# BASE (any commit name) is unpacked into build/guard/<hash>/ and built there with its own
# `release` preset; the working tree is built with its own in build/release. Only
# xmlattr_bench is built, through ccache when there is one. Both builds read the working
# tree's corpus, so a changed corpus cannot pass for a change in speed.
#
# The two programs then run in strictly alternating runs (base, new, base, new, ...), ROUNDS
# of each, every run over the reader and writer benchmarks (path data, transform lists,
# point lists, colours, lengths, numbers, measures, keywords and their writers; no floor),
# recording CPU time. A machine's load drifts over minutes: alternating puts both builds
# under the same drift, where two runs one after the other would each meet their own.
#
# The table gives each benchmark's median over the runs (CPU ns of one pass over its values),
# the interquartile range relative to that median ("spread"), and base/new (above 1: the
# working tree is faster).
# A benchmark whose new median is slower than the base's by more than the two spreads
# together is a REGRESSION; faster by as much, it is marked "faster". The status is 1 when
# there is a regression. Extra arguments for the benchmark program (a shorter
# --benchmark_min_time for a trial) go in GUARD_BENCH_ARGS.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: bench/guard.sh BASE [ROUNDS]" >&2
  exit 2
fi
base=$(git rev-parse --verify "$1^{commit}")
rounds=${2:-15}
if [ "$rounds" -lt 15 ]; then
  echo "note: $rounds rounds is a trial; the guard's verdicts want at least 15" >&2
fi
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
fi

# The base's sources, unpacked once per commit and kept for the next comparison.
baseTree=build/guard/$(git rev-parse --short=12 "$base")
if [ ! -f "$baseTree/CMakeLists.txt" ]; then
  rm -rf "$baseTree"
  mkdir -p "$baseTree"
  git archive "$base" | tar -x -C "$baseTree"
fi
rm -rf "$baseTree/corpus"
cp -r corpus "$baseTree/corpus"

build() {
  (cd "$1" && cmake --preset release >/dev/null &&
     cmake --build --preset release -j2 --target xmlattr_bench >/dev/null)
}
echo "building $base in $baseTree"
build "$baseTree"
echo "building the working tree"
build .
baseBench=$baseTree/build/release/bench/xmlattr_bench
newBench=build/release/bench/xmlattr_bench

# The readers and writers either build has, floors left out; names matched whole (they are
# words, "/" and ":", nothing a regular expression reads otherwise).
filter=$( { "$baseBench" --benchmark_list_tests; "$newBench" --benchmark_list_tests; } |
  grep -E '^(pathData|transformList|pointList|parse|write)' | grep -v Floor | sort -u |
  paste -sd'|')

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
for round in $(seq 1 "$rounds"); do
  for side in base new; do
    bench=$baseBench
    [ "$side" = new ] && bench=$newBench
    echo "round $round/$rounds: $side" >&2
    # shellcheck disable=SC2086 # GUARD_BENCH_ARGS holds several arguments
    "$bench" --benchmark_filter="^($filter)\$" --benchmark_format=json \
      ${GUARD_BENCH_ARGS:-} >"$results/$side-$round.json"
  done
done

echo "base $base against the working tree ($(git rev-parse --short HEAD)$(git diff --quiet HEAD || echo ', changed')), $rounds rounds"
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
python3 - "$results" <<'EOF'
import glob, json, os, statistics, sys

scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}
times = {}  # (side, name) -> CPU times in ns, one a run
for path in sorted(glob.glob(os.path.join(sys.argv[1], "*.json"))):
    side = os.path.basename(path).split("-")[0]
    with open(path) as f:
        for b in json.load(f)["benchmarks"]:
            if b.get("run_type", "iteration") == "iteration" and not b.get("error_occurred"):
                ns = b["cpu_time"] * scale[b.get("time_unit", "ns")]
                times.setdefault((side, b["name"]), []).append(ns)

def median_and_spread(values):
    median = statistics.median(values)
    if len(values) < 2:
        return median, 0.0
    q1, _, q3 = statistics.quantiles(values, n=4, method="inclusive")
    return median, (q3 - q1) / median

names = sorted({name for _, name in times}, key=lambda n: n.lower())
width = max(len(n) for n in names)
print("CPU time of one pass over a benchmark's values, median of the runs; spread: interquartile range / median")
print(f"{'benchmark':<{width}}  {'base ns':>10} {'spread':>7}  {'new ns':>10} {'spread':>7}  {'base/new':>8}")
regressions = 0
for name in names:
    if ("base", name) not in times or ("new", name) not in times:
        print(f"{name:<{width}}  only in the {'base' if ('base', name) in times else 'new'} build")
        continue
    base, baseSpread = median_and_spread(times[("base", name)])
    new, newSpread = median_and_spread(times[("new", name)])
    verdict = ""
    if new / base - 1 > baseSpread + newSpread:
        verdict = "REGRESSION"
        regressions += 1
    elif base / new - 1 > baseSpread + newSpread:
        verdict = "faster"
    print(f"{name:<{width}}  {base:10.1f} {baseSpread:7.1%}  {new:10.1f} {newSpread:7.1%}  {base / new:8.3f}  {verdict}")
print(f"{regressions} regression(s): slower than the base by more than the two spreads together")
sys.exit(1 if regressions else 0)
EOF
