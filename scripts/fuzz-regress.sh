#!/usr/bin/env bash
# Runs every fuzz target once over its committed corpus (fuzz/corpus/<target>/): a
# regression run of seconds that catches a parser that crashes on an input it once took.
# Needs clang (libFuzzer, ASan, UBSan); without it, says so and succeeds.
#   scripts/fuzz-regress.sh            build into build-fuzz/ and run
#   scripts/fuzz-regress.sh --campaign SECONDS [name...]   fuzz each target (or the named
#                                       ones) that long instead, growing a corpus of its own
#                                       under build-fuzz/corpus/
#   scripts/fuzz-regress.sh --runs N [name...]   likewise, N executions each
#   FUZZ_WORKERS=W scripts/fuzz-regress.sh --runs N name   W processes share the campaign's
#                                       corpus and the N executions (one core each)
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz regression: skipped (no clang++ on this machine)"
  exit 0
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEP_FUZZ=ON -DZEP_TESTS=OFF \
  -DZEP_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang >/dev/null
mode=${1:-}
limit=()
count=${2:-}
case "$mode" in
  --campaign) limit=(-max_total_time="$count") ;;
  --runs) limit=(-runs="$count") ;;
esac
[ ${#limit[@]} -eq 0 ] || shift 2
targets=()
if [ $# -gt 0 ]; then
  for name in "$@"; do targets+=("fuzz_$name"); done
else
  for src in fuzz/*.cpp; do targets+=("fuzz_$(basename "$src" .cpp)"); done
fi
cmake --build build-fuzz -j2 --target "${targets[@]}" >/dev/null
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# The configuration target saves its file with fsync three times an input: on a disk that
# alone holds a campaign to a hundred inputs a second, in memory it costs nothing.
[ -w /dev/shm ] && export TMPDIR=/dev/shm
# In a campaign, ASan does not record the stacks of allocations. Its fast unwinder walks
# through Qt, built without frame pointers, and most likely reads garbage frames there:
# nearly every stack is new, the store of stacks never shrinks, and looking them up soon
# takes most of the time.
# Its quarantine of freed memory is 16 MB, not 256: each allocation otherwise comes from
# memory long out of the caches. A use after free is still caught unless 16 MB were freed
# in between.
# A finding is reproduced from its saved input, with full stacks, by running it alone.
[ ${#limit[@]} -eq 0 ] || export ASAN_OPTIONS=$ASAN_OPTIONS:malloc_context_size=0:quarantine_size_mb=16
failed=0
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  corpus=fuzz/corpus/$name
  log=build-fuzz/$target.log
  if [ ${#limit[@]} -gt 0 ]; then
    mkdir -p "build-fuzz/corpus/$name"
    workers=${FUZZ_WORKERS:-1}
    share=("${limit[@]}")
    [ "$mode" = --runs ] && share=(-runs=$((count / workers)))
    logs=()
    for ((w = 1; w <= workers; w++)); do
      log=build-fuzz/$target.log
      [ "$workers" -eq 1 ] || log=build-fuzz/$target.$w.log
      logs+=("$log")
      # The workers pick up each other's new inputs from the shared corpus every 30 s.
      build-fuzz/fuzz/$target "build-fuzz/corpus/$name" "$corpus" "${share[@]}" -reload=30 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/$target-" >"$log" 2>&1 &
    done
    for ((w = 1; w <= workers; w++)); do wait -n || failed=1; done
    runs=$(cat "${logs[@]}" | grep -ao 'stat::number_of_executed_units: *[0-9]*' | grep -o '[0-9]*$' |
      awk '{ s += $1 } END { print s + 0 }')
    echo "$target: $runs executions$(cat "${logs[@]}" | grep -aq '^==.*ERROR\|deadly signal' && echo ', FINDING (see '"${logs[*]}"')')"
  elif [ -d "$corpus" ]; then
    if build-fuzz/fuzz/$target "$corpus" -runs=0 >"$log" 2>&1; then
      echo "$target: $(ls "$corpus" | wc -l) inputs ok"
    else
      echo "$target: FAILED (see $log)"
      failed=1
    fi
  else
    echo "$target: no corpus under $corpus"
    failed=1
  fi
done
exit $failed
