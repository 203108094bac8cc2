#!/usr/bin/env bash
# A long fuzzing campaign: every libFuzzer target runs from its committed
# corpus with its dictionary, one target at a time under nice so it fits a
# small machine, then what it found is merged back into the committed corpus
# with -merge=1 into a fresh folder. The named seeds (realistic inputs written
# by hand) always stay; of the rest, named by hash, only inputs that reach
# code no other input reaches are kept (edges, not hit counts), so the corpus
# stays at tens of files.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS per target (default 1200); TARGETs among fuzz_geo fuzz_cfg fuzz_rtf
# (default all). FUZZ_RUNS=N stops a target after N executions, if that comes
# before SECONDS. Prints per target the executions, exec/s, coverage (cov/ft)
# when started from the corpus and at the end, the corpus size and findings.
# Crashes, leaks and timeouts are kept in build/fuzz/campaign/TARGET/ and
# make the script fail; a target with findings is not merged.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-1200}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_geo fuzz_cfg fuzz_rtf)
declare -A area=([fuzz_geo]=geo [fuzz_cfg]=cfgfile [fuzz_rtf]=rtf)
# libFuzzer's entropic schedule keeps a frequency for every rare feature of
# every corpus input and updates it on each run; an RTF input reaches
# thousands of features, so once the corpus has grown that bookkeeping takes
# about two thirds of the time (perf: InputCorpus::UpdateFeatureFrequency)
# and the reader itself a few per cent. The plain schedule runs 1.7 times
# as many inputs a second there. libFuzzer also raises its length limit as a
# run goes on, up to 4096 bytes; RTF inputs that long mostly repeat groups
# shorter ones already reach and slow every run down, so the RTF
# campaign stops at 2048 bytes (the largest seed is 1813).
declare -A schedule=([fuzz_rtf]="-entropic=0 -max_len=2048")

build=build/fuzz
if [ ! -f "$build/build.ninja" ]; then
  CXX=clang++ cmake -S . -B "$build" -G Ninja -DTARVEK_FUZZ=ON -DTARVEK_BUILD_GUI=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
nice -n 10 cmake --build "$build" -j"$(nproc)" --target fuzzers >/dev/null

# "cov: N ft: M" of the first log line that has the marker.
coverage() { grep -m1 "$1" "$2" | sed -E 's/.*cov: ([0-9]+) ft: ([0-9]+).*/cov \1 ft \2/'; }
figure() { sed -nE "s/^stat::$1: *([0-9]+).*/\1/p" "$2" | tail -1; }

failed=0
for target in "${targets[@]}"; do
  name=${area[$target]:?unknown target $target}
  dir=tests/$name/fuzz
  bin=$build/tests/$name/$target
  work=$build/campaign/$target
  rm -rf "$work"
  mkdir -p "$work/found" "$work/merged" "$work/artifacts"
  before=$(find "$dir/corpus" -type f | wc -l)
  echo "== $target: $seconds s from $before corpus files"
  status=0
  nice -n 10 "$bin" ${schedule[$target]:-} -max_total_time="$seconds" -runs="${FUZZ_RUNS:--1}" \
    -rss_limit_mb=2048 -timeout=10 \
    -print_final_stats=1 -dict="$(echo "$dir"/*.dict)" -artifact_prefix="$work/artifacts/" \
    "$work/found" "$dir/corpus" 2>"$work/log" || status=$?
  findings=$(find "$work/artifacts" -type f | wc -l)
  execs=$(figure number_of_executed_units "$work/log")
  echo "   executions: ${execs:-?} ($(figure average_exec_per_sec "$work/log") exec/s)"
  echo "   coverage from corpus: $(coverage INITED "$work/log")"
  echo "   coverage at the end:  $(grep -E '^#[0-9]+.*cov:' "$work/log" | tail -1 |
    sed -E 's/.*cov: ([0-9]+) ft: ([0-9]+).*/cov \1 ft \2/')"
  # libFuzzer exits with 72 when interrupted (Ctrl-C): a stop, not a finding.
  if [ "$status" -eq 72 ] && [ "$findings" -eq 0 ]; then
    echo "   interrupted"
  elif [ "$status" -ne 0 ] || [ "$findings" -ne 0 ]; then
    echo "   FINDINGS (exit $status): $(find "$work/artifacts" -type f | tr '\n' ' ')"
    grep -E -m3 'ERROR|SUMMARY|violation' "$work/log" | sed 's/^/   /' || true
    failed=1
    continue
  fi
  echo "   findings: none"
  find "$dir/corpus" -type f -regextype posix-extended ! -regex '.*/[0-9a-f]{40}' -exec cp {} "$work/merged/" \;
  nice -n 10 "$bin" -merge=1 -use_counters=0 -rss_limit_mb=2048 -timeout=10 "$work/merged" \
    "$dir/corpus" "$work/found" 2>"$work/merge.log"
  find "$dir/corpus" -type f -delete
  cp "$work/merged"/* "$dir/corpus/"
  nice -n 10 "$bin" -runs=0 "$dir/corpus" 2>"$work/check.log"
  echo "   corpus: $before -> $(find "$dir/corpus" -type f | wc -l) files," \
    "$(coverage INITED "$work/check.log")"
done
exit $failed
