#!/usr/bin/env bash
# Measures what Quellora costs on this machine, from an optimised build (preset "bench"):
# - the recalculation tick, with Google Benchmark;
# - the time from the start of the process to its first painted window, and its peak resident
#   memory, beside an empty Qt 6 window started the same way in the same run (median of RUNS
#   starts each, alternating, under Xvfb);
# - the CPU it uses while it sits idle with its 100 ms timer running, over IDLE_SECONDS.
# Goals: idle tick below 2 us, a tick rewriting W below 10 us; start-up and memory within 1.3
# times the empty window; idle CPU below 0.2 % of one core.
# Usage: scripts/bench.sh [RUNS] [IDLE_SECONDS]   (defaults 7 and 30)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
idle=${2:-30}

scripts/setup.sh test
cmake --preset bench >/dev/null
cmake --build --preset bench --target quellora-bench quellora quellora-bench-emptywindow
build=build/bench
program=$build/src/app/quellora
empty=$build/bench/quellora-bench-emptywindow

echo
echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "Load average before the run: $(cut -d ' ' -f 1-3 /proc/loadavg)"

echo
echo "== Ticks (goals: idle below 2 us, rewriting W below 10 us)"
"$build/bench/quellora-bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

median() {
  sort -n | awk '{ v[NR] = $1 }
    END { if (NR == 0) print "?"; else if (NR % 2) print v[(NR + 1) / 2];
          else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One start under its own Xvfb: prints "MS KB", the milliseconds from the start of the process
# to its first painted frame (the program's own probe, QUELLORA_EXIT_AFTER_SHOW) and its peak
# resident memory in kB.
start_once() {
  local out ms kb
  out=$(QUELLORA_EXIT_AFTER_SHOW=1 xvfb-run -a /usr/bin/time -f "peak RSS %M kB" "$1" 2>&1)
  ms=$(sed -n -E 's/^first frame: ([0-9]+) ms since process start.*/\1/p' <<<"$out")
  kb=$(sed -n -E 's/^peak RSS ([0-9]+) kB$/\1/p' <<<"$out")
  if [[ -z $ms || -z $kb ]]; then
    echo "cannot measure $1:" >&2
    echo "$out" >&2
    exit 1
  fi
  echo "$ms $kb"
}

echo
echo "== Start to first window and peak memory, median of $runs starts each (goal: within 1.3x)"
program_ms=() program_kb=() empty_ms=() empty_kb=()
for ((i = 0; i < runs; i++)); do
  # Alternate which goes first, so that neither always finds the caches warmed by the other.
  if ((i % 2 == 0)); then order=(program empty); else order=(empty program); fi
  for which in "${order[@]}"; do
    if [[ $which == program ]]; then
      read -r ms kb < <(start_once "$program")
      program_ms+=("$ms") program_kb+=("$kb")
    else
      read -r ms kb < <(start_once "$empty")
      empty_ms+=("$ms") empty_kb+=("$kb")
    fi
  done
done
pm=$(printf '%s\n' "${program_ms[@]}" | median)
pk=$(printf '%s\n' "${program_kb[@]}" | median)
em=$(printf '%s\n' "${empty_ms[@]}" | median)
ek=$(printf '%s\n' "${empty_kb[@]}" | median)
printf '%-18s %12s %16s\n' "" "start (ms)" "peak RSS (kB)"
printf '%-18s %12s %16s\n' "quellora" "$pm" "$pk"
printf '%-18s %12s %16s\n' "empty Qt window" "$em" "$ek"
awk -v pm="$pm" -v pk="$pk" -v em="$em" -v ek="$ek" \
  'BEGIN { printf "%-18s %12.2f %16.2f\n", "ratio", pm / em, pk / ek }'
echo "quellora starts (ms): ${program_ms[*]}; empty window: ${empty_ms[*]}"

echo
echo "== CPU while idle for $idle s with the 100 ms timer running (goal: below 0.2 % of one core)"
# Nanoseconds on a CPU, summed over the process's threads (first field of each thread's
# schedstat; utime and stime count only whole clock ticks of 10 ms), after three seconds to let
# the first window settle.
xvfb-run -a bash -c '
  "$1" &
  pid=$!
  used() { cat /proc/"$pid"/task/*/schedstat | awk "{ s += \$1 } END { print s }"; }
  sleep 3
  before=$(used)
  sleep "$2"
  after=$(used)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  awk -v b="$before" -v a="$after" -v s="$2" "BEGIN {
    printf \"%.1f ms of CPU in %d s: %.3f %% of one core\n\", (a - b) / 1e6, s, (a - b) / 1e7 / s }"
' idle "$program" "$idle"
