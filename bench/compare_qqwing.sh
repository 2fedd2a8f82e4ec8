#!/usr/bin/env bash
# Times our full two-pass verification against QQWing's solver on the same 2,000 puzzles, side
# by side in one run, and prints both wall times, their ratio and the peak memory of our tool.
#
#   BUILD=build-bench bench/compare_qqwing.sh      (make bench sets BUILD)
#
# The puzzles were made once with `qqwing --generate 2000 --one-line` and are kept in
# bench/data/qqwing2000.txt, so every run times the same work. Targets: ratio <= 0.5, peak
# memory under 10 MB. The tool verifies the puzzles side by side, one worker per processor; the
# time of one worker (--thread 1) is printed too, to show what each core does.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
cli=$BUILD/orvento-cli
data=bench/data/qqwing2000.txt
rounds=${ROUNDS:-3}

# shellcheck source=bench/comune.sh
. bench/comune.sh
richiedi_cli

n=$(grep -c . "$data")
ours=$(best "$cli" verifica --csv "$data")
ours1=$(best "$cli" verifica --csv --thread 1 "$data")
theirs=$(best sh -c "qqwing --solve --stats --csv < '$data'")
ratio=$(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.2f", a / b }')
ratio1=$(awk -v a="$ours1" -v b="$theirs" 'BEGIN { printf "%.2f", a / b }')
workers=$(nproc)
[ "$workers" -gt 16 ] && workers=16
peak=$(/usr/bin/time -v "$cli" verifica --csv "$data" 2>&1 >/dev/null |
  awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }')
verified=$("$cli" verifica --csv "$data" | awk -F, 'NR > 1 && $7 == "ok"' | wc -l)

echo "puzzles:                          $n ($data)"
echo "orvento-cli verifica --csv:       ${ours} s  (${verified}/${n} verified, ${workers} workers)"
echo "  the same with --thread 1:       ${ours1} s"
echo "qqwing --solve --stats --csv:     ${theirs} s  (one thread)"
echo "ratio (ours / qqwing):            ${ratio}  (target <= 0.5)"
echo "  with one worker:                ${ratio1}"
echo "peak memory of orvento-cli:       ${peak} KB  (target < 10240 KB)"
