#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) and runs
# each named fuzzer for a bounded time. Each run starts from a copy of its seed corpus in
# tests/fuzz/corpus/NAME/, so the committed corpus never grows by itself; an input that fails
# is kept under build/fuzz/findings/ to reproduce with build/fuzz/tests/fuzz/quellora-fuzz-NAME.
# Usage: scripts/fuzz.sh SECONDS NAME...   e.g. scripts/fuzz.sh 30 event
set -euo pipefail
cd "$(dirname "$0")/.."

if (($# < 2)) || ! [[ $1 =~ ^[0-9]+$ ]]; then
  echo "usage: $0 SECONDS NAME..." >&2
  exit 2
fi
seconds=$1
shift

scripts/setup.sh test
cmake --preset fuzz >/dev/null
targets=()
for name in "$@"; do targets+=("quellora-fuzz-$name"); done
cmake --build --preset fuzz --target "${targets[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings=build/fuzz/findings
mkdir -p "$findings"

passed=0
failed=0
for name in "$@"; do
  corpus="$work/$name"
  mkdir -p "$corpus"
  if [[ -d tests/fuzz/corpus/$name ]]; then cp -R "tests/fuzz/corpus/$name/." "$corpus/"; fi
  # The event fuzzer starts from the scenario files, each once at the keyboard ("t") and once
  # with pasting allowed ("s"): its first byte chooses the mode.
  if [[ $name == event ]]; then
    for file in tests/scenarios/*.scn; do
      base=$(basename "$file" .scn)
      { printf t; cat "$file"; } >"$corpus/t-$base"
      { printf s; cat "$file"; } >"$corpus/s-$base"
    done
  fi
  options=()
  if [[ -f tests/fuzz/$name.dict ]]; then options+=("-dict=tests/fuzz/$name.dict"); fi
  log="$work/$name.log"
  if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "build/fuzz/tests/fuzz/quellora-fuzz-$name" -max_total_time="$seconds" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$findings/$name-" "${options[@]}" "$corpus" \
    >"$log" 2>&1; then
    passed=$((passed + 1))
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    coverage=$(sed -n -E 's/^#[0-9]+[[:space:]]+DONE .*(cov: [0-9]+ ft: [0-9]+).*/\1/p' "$log")
    echo "$name: passed, $runs runs in $seconds s, $coverage"
    # A fuzzer may count its work in its own terms ("event fuzzer: N actions in M inputs").
    grep -E '^[a-z]+ fuzzer: [0-9]+ ' "$log" | tail -n 1 || true
  else
    failed=$((failed + 1))
    echo "$name: FAILED"
    grep -v -E '^#[0-9]+[[:space:]]' "$log" | tail -n 40 || true
  fi
done

echo "$passed passed, $failed failed"
((failed == 0))
