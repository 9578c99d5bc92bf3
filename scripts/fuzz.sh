#!/usr/bin/env bash
# Builds the libFuzzer targets of the input path and runs each for FUZZ_SECONDS (20 by default),
# the sections-file reader, whose inputs go deeper, for three times as long, starting from the
# inputs kept in tests/fuzz/corpus; a crash or a wrong result fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
seconds=${FUZZ_SECONDS:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in valueparse keyfilter numbertext sectionfile; do
  mkdir -p "$work/$target"
  time=$seconds
  seeds=("$PWD/tests/fuzz/corpus/$target")
  if [ "$target" = sectionfile ]; then
    time=$((3 * seconds))
    # The files of the earlier program that the tests open.
    seeds+=("$PWD/tests/report/sectionfiles")
  fi
  echo "fuzzing $target for $time s"
  # Findings are written into the work folder, never into the repository.
  if ! (cd "$work" && "$OLDPWD/build-fuzz/bin/fuzz_$target" -max_total_time="$time" -timeout=10 \
      -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 "$work/$target" "${seeds[@]}" \
      >"$work/$target.log" 2>&1); then
    cat "$work/$target.log"
    echo "fuzz_$target found a fault" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$work/$target.log" || true
done
