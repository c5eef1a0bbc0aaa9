#!/usr/bin/env bash
# Builds Quorvane.exe and starts it under Wine from build/demo.
# With a working $DISPLAY the launcher is left running there. Without one it
# runs on a private Xvfb, and a screenshot is saved to build/demo/screen.png.
set -euo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QVN_ROOT"

qvn_lock tree
qvn_install_deps
qvn_build_win32 Quorvane || qvn_die "the Windows build failed"

demo="$QVN_BUILD/demo"
mkdir -p "$demo"
cp -f "$QVN_BUILD/win32/Quorvane.exe" "$demo/Quorvane.exe"

qvn_wine_env
qvn_wine_prefix
log="$QVN_LOGS/demo.log"

if [[ -n "${DISPLAY:-}" ]] && qvn_display_alive "$DISPLAY"; then
    (qvn_drop_lock; cd "$demo" && exec nohup wine Quorvane.exe >"$log" 2>&1 </dev/null) &
    disown
    qvn_say "Quorvane is running on $DISPLAY (Wine output: $log)"
    exit 0
fi

qvn_start_display
(qvn_drop_lock; cd "$demo" && exec wine Quorvane.exe >"$log" 2>&1 </dev/null) &
pid=$!

found=0
for ((i = 0; i < 200; i++)); do
    if xwininfo -root -tree 2>/dev/null | grep -Eq '"Quorvane( [^"]*)?"'; then
        found=1
        break
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
sleep 1   # let the first paint finish

shot="$demo/screen.png"
import -window root "$shot" 2>>"$QVN_LOGS/import.log" || true

rc=0
if ((found)); then
    qvn_say "screenshot: $shot"
else
    qvn_say "error: no window titled Quorvane appeared within 20 s"
    kill -0 "$pid" 2>/dev/null || qvn_say "(Quorvane.exe has already exited)"
    tail -n 40 "$log" | sed 's/^/    /' >&2
    [[ -f "$shot" ]] && qvn_say "screen at that moment: $shot"
    rc=1
fi

WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null || true
wait "$pid" 2>/dev/null || true
exit "$rc"
