#!/usr/bin/env bash
# Takes the screenshots of the README from the program as built, each cropped
# to its window: the main window with the demo's icons, its pop-up menu, the
# open dialog and the two pages of the settings dialog, as
#
#   docs/main-window.png docs/popup-menu.png docs/open-dialog.png
#   docs/settings-list.png docs/settings-environment.png
#
# With --dpi DPI the program runs at that many dots per inch instead of 96, and
# the pictures are named after the scale: --dpi 144 writes docs/main-window-150.png
# and so on. The Wine prefix's LogPixels is set for the run, and its desktop and
# the screen grow with the scale; both are put back to 96 DPI and 1280x1024
# when the script ends, however it ends.
#
# The program is the build this machine runs (see qvn_wine_arch), started in a
# fresh folder build/screenshots/ with the demo's launch list
# (qvn_write_demo), on a private virtual display and Wine session whatever
# $DISPLAY says. tests/win32/screenshot_tour.exe drives it through its windows
# and names each view with its rectangle; this script takes the view once the
# screen is still and tells the tour to go on. Every step is bounded.
# Logs: build/logs/screenshots.log.
set -euo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QVN_ROOT"

views=(main-window popup-menu open-dialog settings-list settings-environment)

dpi=96
while (($# > 0)); do
    case "$1" in
        --dpi) (($# > 1)) || qvn_die "--dpi needs a value"; dpi=$2; shift 2 ;;
        --dpi=*) dpi=${1#--dpi=}; shift ;;
        *) qvn_die "usage: scripts/screenshots.sh [--dpi DPI]" ;;
    esac
done
if ! [[ "$dpi" =~ ^[1-9][0-9]{1,2}$ ]] || ((dpi < 96 || dpi > 384 || dpi * 100 % 96 != 0)); then
    qvn_die "--dpi takes a whole percentage of 96 from 96 to 384 (120, 144, 192, ...), not '$dpi'"
fi
suffix=
((dpi == 96)) || suffix="-$((dpi * 100 / 96))"

qvn_lock tree
qvn_install_deps
arch=$(qvn_wine_arch)
[[ "$arch" == win64 ]] && qvn_say "$(qvn_win64_reason): the pictures are of the 64-bit build"
"qvn_build_$arch" Quorvane screenshot_tour || qvn_die "the Windows build ($arch) failed"

folder="$QVN_BUILD/screenshots"
rm -rf "$folder"
mkdir -p "$folder" "$QVN_LOGS"
cp "$QVN_BUILD/$arch/Quorvane.exe" "$folder/"
qvn_write_demo "$folder" 2>/dev/null

qvn_wine_env "$arch"
qvn_wine_prefix
# Wine gives a program the prefix's LogPixels as it starts, and its desktop
# has the size the prefix names when the session starts: both are written
# before the session, in a session of their own, on every run, so that a run
# ended by force before it could put them back spoils no later one. At more
# than 96 DPI the screen grows with the scale, as a monitor set to it would be
# larger, so that a dialog beside the main window stays on it.
screen="$((1280 * dpi / 96))x$((1024 * dpi / 96))"
set_prefix_display() {
    local log="$QVN_LOGS/screenshots-prefix.log"
    (
        qvn_drop_lock
        timeout -k 10 60 "$QVN_WINE" reg.exe add 'HKCU\Control Panel\Desktop' \
            /v LogPixels /t REG_DWORD /d "$1" /f &&
            timeout -k 10 60 "$QVN_WINE" reg.exe add 'HKCU\Software\Wine\Explorer\Desktops' \
                /v Default /t REG_SZ /d "$2" /f &&
            timeout -k 10 60 "$QVN_WINESERVER" -w
    ) >"$log" 2>&1 </dev/null && return 0
    qvn_say "error: could not set the prefix to $1 DPI and a desktop of $2 (see $log)"
    return 1
}
qvn_start_display "$screen"
if ((dpi != 96)); then
    # Runs after the session has ended and before the display goes.
    qvn_at_exit "set_prefix_display 96 1280x1024"
fi
set_prefix_display "$dpi" "$screen" || exit
qvn_start_wineserver
read -r screen_width screen_height < <(xdpyinfo | awk '/dimensions:/ { sub("x", " ", $2); print $2 }')

log="$QVN_LOGS/screenshots.log"
: >"$log"
fifo="$folder/tour.fifo"
mkfifo "$fifo"
(qvn_drop_lock; exec timeout -k 10 300 "$QVN_WINE" "$QVN_BUILD/$arch/tests/screenshot_tour.exe" \
    "Z:${folder//\//\\}") >"$fifo" 2>>"$log" </dev/null &
tour=$!

# A view as the tour names it, cropped to the screen, as WIDTHxHEIGHT+X+Y.
geometry() {
    local left=$1 top=$2 right=$3 bottom=$4
    ((left = left < 0 ? 0 : left, top = top < 0 ? 0 : top))
    ((right = right > screen_width ? screen_width : right))
    ((bottom = bottom > screen_height ? screen_height : bottom))
    echo "$((right - left))x$((bottom - top))+$left+$top"
}

# A PNG as small as it goes without losing a pixel: with a palette when the
# view has no more than 256 colours, as the plain windows have.
optimize() {
    local from="$1" to="$2"
    if (($(identify -format '%k' "$from") <= 256)); then
        convert "$from" -strip -define png:exclude-chunks=date,time \
            -define png:compression-level=9 "PNG8:$to"
    else
        convert "$from" -strip -define png:exclude-chunks=date,time \
            -define png:compression-level=9 "$to"
    fi
}

taken=()
while IFS= read -r -t 120 line; do
    line=${line%$'\r'}
    printf '%s\n' "$line" >>"$log"
    read -r word name left top right bottom _ <<<"$line"
    if [[ "$word" != shot ]]; then
        [[ "$word" == done ]] || qvn_say "tour: $line"
        continue
    fi
    [[ " ${views[*]} " == *" $name "* ]] || qvn_die "the tour shows an unknown view '$name'"
    qvn_grab_screen "$folder/$name.png" "$(geometry "$left" "$top" "$right" "$bottom")" ||
        qvn_die "could not take $name (see $QVN_LOGS/import.log)"
    optimize "$folder/$name.png" "docs/$name$suffix.png"
    touch "$folder/$name.taken"
    taken+=("$name")
done <"$fifo"

rc=0
wait "$tour" || rc=$?
((rc == 124 || rc == 137)) && qvn_say "error: the tour did not finish within 300 s and was ended"
if ((rc != 0)) || [[ "${taken[*]}" != "${views[*]}" ]]; then
    qvn_die "the tour failed (exit $rc) after ${taken[*]:-no view}; log: $log"
fi
for name in "${views[@]}"; do
    shot="docs/$name$suffix.png"
    qvn_say "$shot ($(identify -format '%wx%h' "$shot"), $(stat -c %s "$shot") bytes)"
done
