#!/usr/bin/env bash
# Builds the four trees (native, ASan/UBSan, Windows 32-bit and 64-bit) and
# runs all their tests: the native ones directly, the Windows ones under Wine
# on a private Xvfb. Where this machine runs 32-bit programs, both Windows
# builds are tested, each under its own Wine; where it does not, the 64-bit
# build alone (QVN_WINE_ARCH=win64 chooses that path anywhere).
# Ends with one line "N passed, N failed"; exits non-zero on any failure.
#
#   scripts/test.sh --stress N   builds the Windows trees only and runs their
#                                test programs N times, in random order, with
#                                one core kept busy (CI does not run this)
set -euo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QVN_ROOT"

STRESS_ROUNDS=0
while (($# > 0)); do
    case "$1" in
        --stress)
            [[ "${2:-}" =~ ^[1-9][0-9]*$ ]] || qvn_die "usage: scripts/test.sh [--stress ROUNDS]"
            STRESS_ROUNDS="$2"
            shift 2
            ;;
        *) qvn_die "usage: scripts/test.sh [--stress ROUNDS]" ;;
    esac
done

TREES=(native asan win32 win64)
((STRESS_ROUNDS > 0)) && TREES=(win32 win64)
declare -A BUILD_OK=()
TOTAL_PASSED=0
TOTAL_FAILED=0
STATUS=0

qvn_lock tree
qvn_install_deps

for tree in "${TREES[@]}"; do
    t0=$SECONDS
    if "qvn_build_$tree"; then
        BUILD_OK[$tree]=1
        qvn_say "build/$tree: built ($((SECONDS - t0)) s)"
    else
        qvn_say "build/$tree: BUILD FAILED (logs in build/logs/)"
        STATUS=1
    fi
done

# run_ctest TREE: runs the tree's tests and adds them to the totals. A tree
# that did not build counts as one failure.
run_ctest() {
    local tree="$1" dir="$QVN_BUILD/$1" log="$QVN_LOGS/ctest-$1.log"
    echo
    echo "=== build/$tree ==="
    if [[ -z "${BUILD_OK[$tree]:-}" ]]; then
        echo "not tested: the build failed"
        TOTAL_FAILED=$((TOTAL_FAILED + 1))
        STATUS=1
        return 0
    fi
    local rc=0
    # Tools the tests call (objdump, ...) answer in English whatever the Wine
    # locale is; scripts/wine-exec.sh sets Japanese for the Windows programs.
    # CTest ends a test after QVN_TEST_TIMEOUT seconds; the whole run is
    # bounded too, so that nothing here can hang.
    # (The locale is set for ctest alone: bash itself would warn when it gets
    # its own back if that locale was made after it started.)
    (cd "$dir" && qvn_bounded "${QVN_CTEST_TIMEOUT:-1500}" "ctest in build/$tree" "$log" \
        env LANG=C.UTF-8 LC_ALL=C.UTF-8 \
        ctest --output-on-failure --timeout "${QVN_TEST_TIMEOUT:-600}") \
        </dev/null 2>&1 | tee "$log" || rc=$?
    local line failed total
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
    if [[ -n "$line" ]]; then
        failed=$(sed -E 's/.*tests passed, ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
        total=$(sed -E 's/.*tests passed, ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
        TOTAL_PASSED=$((TOTAL_PASSED + total - failed))
        TOTAL_FAILED=$((TOTAL_FAILED + failed))
        if ((failed > 0 || rc != 0)); then STATUS=1; fi
    elif ((rc != 0)); then
        echo "ctest failed (exit $rc) without a summary"
        TOTAL_FAILED=$((TOTAL_FAILED + 1))
        STATUS=1
    fi
    return 0
}

# run_stress TREE: the tree's test programs STRESS_ROUNDS times, each round in
# a random order (of the programs and of the tests inside them), while a busy
# loop keeps one core loaded, as a loaded machine would.
run_stress() {
    local tree="$1" round passed=0 log
    (qvn_drop_lock; exec bash -c 'while :; do :; done') &
    local busy=$!
    qvn_at_exit "kill $busy 2>/dev/null"
    for ((round = 1; round <= STRESS_ROUNDS; round++)); do
        log="$QVN_LOGS/stress-$tree-$round.log"
        if (cd "$QVN_BUILD/$tree" &&
            qvn_bounded "${QVN_CTEST_TIMEOUT:-1500}" "stress round $round ($tree)" "$log" \
            env LANG=C.UTF-8 LC_ALL=C.UTF-8 GTEST_SHUFFLE=1 ctest --schedule-random --output-on-failure --timeout "${QVN_TEST_TIMEOUT:-600}" \
            -E '^executable_imports') </dev/null >"$log" 2>&1; then
            passed=$((passed + 1))
            qvn_say "stress round $round ($tree): passed"
        else
            qvn_say "stress round $round ($tree): FAILED, see ${log#"$QVN_ROOT"/}"
            grep -E '^\[  FAILED  \]|Failure|\*\*\*Failed' "$log" | head -n 20 >&2 || true
        fi
    done
    kill "$busy" 2>/dev/null || true
    echo "stress: $passed of $STRESS_ROUNDS rounds passed ($tree)"
    ((passed == STRESS_ROUNDS))
}

export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
# The native trees and the fuzzer (not part of a stress run).
if ((STRESS_ROUNDS == 0)); then
    run_ctest native
    run_ctest asan

    # The parsers and the rules on names and paths under the fuzzer for a
    # short, bounded time: 10 s for each of the six targets (scripts/fuzz.sh
    # 300 is the longer run). It counts as one test.
    echo
    echo "=== fuzz (${QVN_FUZZ_SECONDS:-10} s per target) ==="
    if bash "$QVN_ROOT/scripts/fuzz.sh" "${QVN_FUZZ_SECONDS:-10}" </dev/null; then
        TOTAL_PASSED=$((TOTAL_PASSED + 1))
    else
        echo "fuzzing FAILED"
        TOTAL_FAILED=$((TOTAL_FAILED + 1))
        STATUS=1
    fi
fi

# The Windows tests run through scripts/wine-exec.sh (CMake's emulator) on one
# display, with one wineserver for each architecture's prefix.
WINDOWS_TREES=(win32 win64)
if [[ "$(qvn_wine_arch)" == win64 ]]; then
    WINDOWS_TREES=(win64)
    NOTE="$(qvn_win64_reason): the 64-bit build was tested instead"
    echo
    echo "note: $NOTE"
fi
qvn_start_display
for tree in "${WINDOWS_TREES[@]}"; do
    t0=$SECONDS
    qvn_wine_env "$tree"
    if (qvn_wine_prefix) && qvn_start_wineserver; then
        qvn_say "Wine ($tree) ready on $DISPLAY ($((SECONDS - t0)) s)"
        if ((STRESS_ROUNDS > 0)); then
            [[ -n "${BUILD_OK[$tree]:-}" ]] && run_stress "$tree" || STATUS=1
        else
            run_ctest "$tree"
        fi
    else
        echo "=== build/$tree ==="
        echo "not tested: Wine ($tree) could not be set up"
        TOTAL_FAILED=$((TOTAL_FAILED + 1))
        STATUS=1
    fi
done

((STRESS_ROUNDS > 0)) && exit "$STATUS"

# The release archive as a user meets it: unpacked into an empty folder and
# started from there. It counts as one test.
echo
echo "=== release archive ==="
if bash "$QVN_ROOT/scripts/package_test.sh" </dev/null; then
    TOTAL_PASSED=$((TOTAL_PASSED + 1))
else
    TOTAL_FAILED=$((TOTAL_FAILED + 1))
    STATUS=1
fi

echo
[[ -n "${NOTE:-}" ]] && echo "note: $NOTE"
echo "$TOTAL_PASSED passed, $TOTAL_FAILED failed"
exit "$STATUS"
