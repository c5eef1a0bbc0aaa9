#!/usr/bin/env bash
# Runs the free-resource probe with Wine set to report Windows 95 (platform
# identifier 1), in a throwaway prefix that is removed afterwards:
#   1. resource_probe.exe: the platform, what the flat-thunk call brings back
#      from the 16-bit USER, and the three percentages the launcher uses;
#   2. the resource dialog's and the probe's tests from win32_ui_tests.exe,
#      which on this platform also expect the menu item to be enabled.
#
#   tests/win32/win95_probe.sh [BUILD_DIR] [--relay]
#
# BUILD_DIR is a Windows build tree (default build/win32) in which
# resource_probe and win32_ui_tests are built. --relay also runs the probe
# under Wine's relay trace and prints what the 16-bit GetFreeSystemResources
# returned on its side of the thunk.
set -euo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"

build="$QVN_BUILD/win32"
relay=0
for arg in "$@"; do
    case "$arg" in
        --relay) relay=1 ;;
        *) build="$(cd "$arg" && pwd)" ;;
    esac
done
tests="$build/tests"
for exe in resource_probe.exe win32_ui_tests.exe; do
    [[ -f "$tests/$exe" ]] || qvn_die "$tests/$exe is missing; build resource_probe and win32_ui_tests"
done

qvn_wine_env
WINEPREFIX="$(mktemp -d /tmp/qvn-win95.XXXXXX)"
export WINEPREFIX
qvn_at_exit "WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null; WINEPREFIX=$WINEPREFIX timeout 30 wineserver -w 2>/dev/null; rm -rf '$WINEPREFIX'"

qvn_say "creating a Windows 95 prefix in $WINEPREFIX ..."
(
    unset DISPLAY
    wineboot -i >/dev/null 2>&1
    timeout 120 wineserver -w
    qvn_write_prefix_reg "$WINEPREFIX/qvn-setup.reg"
    wine regedit /S "$WINEPREFIX/qvn-setup.reg" >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine' /v Version /d win95 /f >/dev/null 2>&1
    timeout 120 wineserver -w
)

run() {
    if [[ -z "${DISPLAY:-}" ]]; then
        xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@"
    else
        wine "$@"
    fi
}

cd "$tests"
echo "=== resource_probe.exe ==="
run resource_probe.exe | tr -d '\r'

if ((relay)); then
    echo "=== the 16-bit side, from Wine's relay trace ==="
    WINEDEBUG=+relay run resource_probe.exe 2>&1 >/dev/null |
        grep -a -E 'Ret  USER\.(179|284):' | tr -d '\r' | sed 's/^[0-9a-f]*://' | sort | uniq -c || true
fi

echo "=== win32_ui_tests.exe (resource dialog and probe) ==="
run win32_ui_tests.exe --gtest_filter='ResShowFormTest.*:FreeResources.*' 2>&1 |
    grep -a -E '^\[ *(OK|FAILED|PASSED|RUN) *\]|Failure|Expected|Which is|Actual' | tr -d '\r'
exit "${PIPESTATUS[0]}"
