#!/usr/bin/env bash
# whole_runs.sh [program] [runs]: the whole benchmark run `runs` times in a row (default 3) in a
# fresh directory, its prompts answered, then every phase's seconds from the results file and
# its spread over the runs ((slowest - fastest) / fastest). The load average is printed before
# each run: only runs on an idle machine say anything about the spread.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/zaveredo2}")
runs=${2:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

types=$(sed -nE 's/^ *Row<ElementType::k([A-Za-z0-9]+),.*/\1/p' "$root/src/workloads/element_table.cpp")
[ -n "$types" ] || { echo "no element types found" >&2; exit 1; }

for run in $(seq "$runs"); do
  echo "run $run: $(date -u +%H:%M:%S) UTC, load average $(cut -d' ' -f1-3 /proc/loadavg)"
  # The initials, then the ENTER that ends the run; C locale: a point as decimal separator.
  (cd "$work" && printf 'R%s\n\n' "$run" | LC_ALL=C "$program" >/dev/null)
done

# A record: five description fields and the initials, then fill and sort seconds per type.
tr -d '\r' <"$work/zaveredo2.txt" | grep . | awk -F';' -v types="$types" '
  { for (f = 7; f < NF; ++f) t[NR, f - 7] = $f; n = NR }
  END {
    split(types, name, "\n")
    printf "%-10s %-6s", "type", "phase"
    for (r = 1; r <= n; ++r) printf " %8s", "run " r
    printf " %8s\n", "spread"
    for (k = 0; k < 32; ++k) {
      lo = hi = t[1, k]
      printf "%-10s %-6s", name[int(k / 2) + 1], k % 2 ? "sort" : "fill"
      for (r = 1; r <= n; ++r) {
        printf " %8s", t[r, k]
        if (t[r, k] < lo) lo = t[r, k]
        if (t[r, k] > hi) hi = t[r, k]
      }
      printf " %7.1f%%\n", (lo > 0 ? 100 * (hi - lo) / lo : 0)
    }
  }'
