#!/usr/bin/env bash
# Times the creation of 20 non-easy schemas (`orvento-cli crea 20`, as the key F11 makes them)
# against QQWing generating 20 expert puzzles with the same kind of symmetry, side by side in one
# run, and prints both wall times, their ratio and the peak memory of our tool.
#
#   BUILD=build-bench bench/compare_qqwing_crea.sh      (make bench sets BUILD)
#
# Bar: ratio <= 1; goal: <= 0.5. The median time of one "Crea un Sudoku nuovo" in the core is
# measured by bench_crea (Google Benchmark).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
cli=$BUILD/orvento-cli
rounds=${ROUNDS:-3}
n=${SCHEMI:-20}

# shellcheck source=bench/comune.sh
. bench/comune.sh
richiedi_cli
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# Every round writes the same files into an empty folder.
prima_del_giro() { rm -f "$dir"/*.sud; }

ours=$(best "$cli" crea "$n" --cartella "$dir")
theirs=$(best qqwing --generate "$n" --difficulty expert --symmetry rotate180 --one-line)
ratio=$(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.2f", a / b }')
rm -f "$dir"/*.sud
peak=$(/usr/bin/time -v "$cli" crea "$n" --cartella "$dir" 2>&1 >/dev/null |
  awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }')

echo "orvento-cli crea $n:                          ${ours} s"
echo "qqwing --generate $n --difficulty expert ...: ${theirs} s"
echo "ratio (ours / qqwing):                        ${ratio}  (bar <= 1, goal <= 0.5)"
echo "peak memory of orvento-cli crea:              ${peak} KB"
