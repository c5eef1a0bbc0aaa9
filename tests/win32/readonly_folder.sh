#!/usr/bin/env bash
# The launcher unpacked where it may not write: a copy of Quorvane.exe in a
# folder mounted read-only in a mount namespace of its own, and the e2e test
# LauncherFiles.InAFolderThatTakesNoWrites* run on it. Mounting needs root;
# where it is not allowed the test is skipped (exit 77, CTest's SKIP).
#
#   tests/win32/readonly_folder.sh win32|win64 e2e_tests.exe Quorvane.exe
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
# shellcheck source=scripts/common.sh
source "$root/scripts/common.sh"
arch="$1" tests="$2" exe="$3"
qvn_wine_env "$arch"

folder="$(mktemp -d "$(dirname "$tests")/readonly.XXXXXX")"
trap 'rm -rf "$folder"' EXIT
if ! unshare -m mount --bind "$folder" "$folder" 2>/dev/null; then
    echo "skipped: this user may not mount a read-only folder (run as root)"
    exit 77
fi
cp "$exe" "$folder/Quorvane.exe"
# Wine's server opens the files for the program, so the server must see the
# read-only mount: the namespace hides the socket folder of the prefix's
# server (the test script keeps one running) so that one of its own starts
# there. Debian's Wine names that folder in the prefix's file "wineserver".
servers="/tmp/.wine-$(id -u)"
[[ -f "$WINEPREFIX/wineserver" ]] && servers+=" /tmp/$(cat "$WINEPREFIX/wineserver")"
export QVN_READONLY_FOLDER="Z:${folder//\//\\}" servers
unshare -m bash -c '
    set -e
    mount --bind "$1" "$1" && mount -o remount,ro,bind "$1" "$1"
    for dir in $servers; do mkdir -p "$dir" && mount -t tmpfs -o mode=700 tmpfs "$dir"; done
    status=0
    "$2/scripts/wine-exec.sh" --arch "$3" "$4" --gtest_filter="LauncherFiles.InAFolderThatTakesNoWrites*" || status=$?
    timeout 30 "$QVN_WINESERVER" -w || true
    exit "$status"' bash "$folder" "$root" "$arch" "$tests"
