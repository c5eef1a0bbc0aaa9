#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan + UBSan) in build/fuzz and
# runs each one on a copy of its seed corpus, so the tree is never changed.
#
#   scripts/fuzz.sh           every target for 20 seconds
#   scripts/fuzz.sh 600       every target for 10 minutes
#   QVN_FUZZ_SECONDS=600 scripts/fuzz.sh    the same
#
# Seeds: tests/fuzz/corpus/<target>/. The corpus grown by a run stays in
# build/fuzz/run/<target>/corpus/ until the next run. An input that crashes a
# target is kept in build/fuzz/run/<target>/crashes/; reproduce it with
#   build/fuzz/<target> build/fuzz/run/<target>/crashes/crash-...
# Exits non-zero when a target finds a crash, does not build or does not end.
#
# Each run is bounded: libFuzzer stops itself after its time, and a run still
# going a minute later is killed with a line that says so. Memory: the
# resident-size limit grows with the length of the run (the corpus and the
# sanitizers' quarantine grow with it), and a single allocation over 512 MB
# counts as a finding on its own, so that a long run does not end in an
# out-of-memory report for what is only growth.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QVN_ROOT"

SECONDS_PER_TARGET="${1:-${QVN_FUZZ_SECONDS:-20}}"
[[ "$SECONDS_PER_TARGET" =~ ^[1-9][0-9]*$ ]] ||
    qvn_die "usage: scripts/fuzz.sh [seconds per target], got '$SECONDS_PER_TARGET'"

TARGETS=(fuzz_integer_text fuzz_data_file fuzz_config_file fuzz_path_names fuzz_save_name
         fuzz_data_file_names)
# 1 GB for a short run, up to 4 GB for an hour or more.
RSS_LIMIT_MB=$((1024 + SECONDS_PER_TARGET))
((RSS_LIMIT_MB <= 4096)) || RSS_LIMIT_MB=4096

qvn_lock fuzz
command -v clang++ >/dev/null || qvn_install_deps

t0=$SECONDS
qvn_build_tree fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DQVN_FUZZ=ON -- "${TARGETS[@]}" ||
    qvn_die "the fuzz targets did not build (logs in build/logs/)"
qvn_say "build/fuzz: built ($((SECONDS - t0)) s)"

STATUS=0
for target in "${TARGETS[@]}"; do
    run="$QVN_BUILD/fuzz/run/$target"
    log="$QVN_LOGS/fuzz-$target.log"
    rm -rf "$run"
    mkdir -p "$run/corpus" "$run/crashes"
    cp tests/fuzz/corpus/"$target"/* "$run/corpus/"

    rc=0
    qvn_bounded "$((SECONDS_PER_TARGET + 60))" "$target" "$log" \
        "$QVN_BUILD/fuzz/$target" "$run/corpus" \
        -max_total_time="$SECONDS_PER_TARGET" -rss_limit_mb="$RSS_LIMIT_MB" \
        -malloc_limit_mb=512 -timeout=5 -max_len=8192 \
        -artifact_prefix="$run/crashes/" -print_final_stats=1 \
        </dev/null >"$log" 2>&1 || rc=$?

    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if ((rc == 0)); then
        printf '%s: %s runs in %s s, no crash\n' "$target" "${runs:-?}" "$SECONDS_PER_TARGET"
    elif ((rc == 124)); then
        printf '%s: FAILED: did not end within %s s and was killed after %s runs; log: %s\n' \
            "$target" "$((SECONDS_PER_TARGET + 60))" "${runs:-?}" "$log"
        STATUS=1
    else
        printf '%s: FAILED (exit %d) after %s runs; log: %s\n' "$target" "$rc" "${runs:-?}" "$log"
        grep -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error)' "$log" | head -n 5 | sed 's/^/    /'
        find "$run/crashes" -type f | sed 's/^/    input: /'
        STATUS=1
    fi
done
exit "$STATUS"
