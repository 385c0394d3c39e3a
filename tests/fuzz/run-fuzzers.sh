#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each libFuzzer target of a sanitizer build for a bounded time, one after another:
#   run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]
# A crash, a leak, an input that takes over 1 s or needs over 512 MB fails the run; the input
# is kept in BUILD_DIR/fuzz/findings/<target>/ (copy it to regressions/<target>/ once fixed, so
# the normal suite replays it). The corpus grows in BUILD_DIR/fuzz/corpus/<target>/ from run to
# run.
set -uo pipefail

build=$(cd "$1" && pwd)
seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(parse_int property library picture theme)

# A smaller quarantine than the default 256 MB, so freed pictures do not count towards the
# memory limit; recent allocation stacks are enough to place a finding.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:quarantine_size_mb=32:fast_unwind_on_malloc=1:malloc_context_size=10"

failed=()
for target in "${targets[@]}"; do
  binary=$build/tests/fuzz/fuzz_$target
  corpus=$build/fuzz/corpus/$target
  findings=$build/fuzz/findings/$target
  log=$build/fuzz/$target.log
  mkdir -p "$corpus" "$findings"
  seeds=()
  for folder in "$build/tests/fuzz/seeds/$target" "$here/regressions/$target"; do
    [[ -d $folder ]] && seeds+=("$folder")
  done
  [[ $target == theme ]] && seeds+=("$build/dist/Themes/Default" "$build/dist/UI")
  case $target in
    property|library) dictionary=(-dict="$here/dictionaries/library-text.dict") ;;
    picture|theme) dictionary=(-dict="$here/dictionaries/pictures.dict") ;;
    *) dictionary=() ;;
  esac

  # A hang shows at any limit; a legitimate large picture (a 51-byte GIF may claim a 9-megapixel
  # frame, which the reader fills) takes about 3 s to decode twice under the sanitizers.
  "$binary" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=512 -malloc_limit_mb=512 \
      -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/" "${dictionary[@]}" \
      "$corpus" "${seeds[@]}" > "$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  printf '%-10s %4ss  %9s runs  %6s runs/s  corpus %s  exit %s\n' "$target" "$seconds" \
      "${runs:-?}" "${rate:-?}" "$(ls "$corpus" | wc -l)" "$status"
  if [[ $status -ne 0 ]]; then
    failed+=("$target")
    grep -m1 -E "ERROR|==[0-9]+==|runtime error|check failed|Timeout|out-of-memory" "$log" || tail -5 "$log"
    ls "$findings"
  fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
  echo "fuzzing found problems in: ${failed[*]} (logs in $build/fuzz/)"
  exit 1
fi
