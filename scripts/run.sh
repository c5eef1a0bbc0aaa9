#!/usr/bin/env bash
# Builds Quorvane.exe and starts it under Wine from build/demo: the 32-bit
# program where this machine runs 32-bit code, else the 64-bit one under the
# 64-bit Wine (QVN_WINE_ARCH=win32|win64 chooses). The demo folder gets a launch
# list of programs that ship with Wine where it has none (qvn_write_demo), so
# its icons show and a consecutive launch runs at once.
# With a working $DISPLAY the launcher is left running there. Without one it
# runs on a private Xvfb, and a screenshot is saved to build/demo/screen.png.
set -euo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QVN_ROOT"

qvn_lock tree
qvn_install_deps
arch="$(qvn_wine_arch)"
"qvn_build_$arch" Quorvane || qvn_die "the Windows build ($arch) failed"
if [[ "$arch" == win64 ]]; then
    qvn_say "$(qvn_win64_reason): starting the 64-bit build (build/win64/Quorvane.exe)"
else
    qvn_say "starting the 32-bit build (build/win32/Quorvane.exe)"
fi

demo="$QVN_BUILD/demo"
mkdir -p "$demo"
cp -f "$QVN_BUILD/$arch/Quorvane.exe" "$demo/Quorvane.exe"
qvn_write_demo "$demo"

qvn_wine_env "$arch"
qvn_wine_prefix
log="$QVN_LOGS/demo.log"

if [[ -n "${DISPLAY:-}" ]] && qvn_display_alive "$DISPLAY"; then
    (qvn_drop_lock; cd "$demo" && exec nohup "$QVN_WINE" Quorvane.exe >"$log" 2>&1 </dev/null) &
    disown
    qvn_say "Quorvane is running on $DISPLAY (Wine output: $log)"
    exit 0
fi

qvn_start_display
qvn_start_wineserver
(qvn_drop_lock; cd "$demo" && exec "$QVN_WINE" Quorvane.exe >"$log" 2>&1 </dev/null) &
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

shot="$demo/screen.png"
qvn_grab_screen "$shot" || true

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

"$QVN_WINESERVER" -k 2>/dev/null || true
wait "$pid" 2>/dev/null || true
exit "$rc"
