#!/usr/bin/env bash
# Tests the release archive as a user meets it: builds the programs, makes the
# archive twice with scripts/package.sh (the two must be the same bytes),
# checks what it holds, unpacks it into an empty folder and starts the
# program from there under Wine: the 32-bit Quorvane.exe at the top where this
# machine runs 32-bit programs, x64\Quorvane.exe otherwise (see
# qvn_wine_arch). package_check.exe then sees the window and the files of a
# first start, chooses 目次(&C) and sees the help opened in the browser or the
# launcher report that nothing here opens HTML files, and closes the window.
#
# It uses $DISPLAY when one is there (scripts/test.sh provides its own, with
# its Wine sessions) and a private virtual display and Wine session otherwise.
# The browser is the stand-in of tests/win32/fake_browser, so no real browser
# ever opens.
#
# Every step is bounded; one that takes too long is killed and named. Ends
# with one line "package test: passed (...)" or "package test: FAILED ...",
# and exits non-zero on failure. Logs: build/logs/package-*.log.
set -euo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QVN_ROOT"

fail() {
    echo "package test: FAILED $*"
    exit 1
}

# step NAME SECONDS CMD... : runs CMD (with this script's standard input) and
# its output in build/logs/package-NAME.log, killed after SECONDS. A shell
# function of common.sh may stand for CMD.
step() {
    local name="$1" seconds="$2"
    shift 2
    local log="$QVN_LOGS/package-$name.log" rc=0
    mkdir -p "$QVN_LOGS"
    if declare -F "$1" >/dev/null; then
        set -- bash -c 'source "$0"; "$@"' "$QVN_ROOT/scripts/common.sh" "$@"
    fi
    qvn_bounded "$seconds" "$name" "$log" "$@" >"$log" 2>&1 || rc=$?
    if ((rc == 124)); then
        tail -n 20 "$log" | sed 's/^/    /'
        fail "at '$name': it did not finish within $seconds s and was ended (log: $log)"
    elif ((rc != 0)); then
        tail -n 20 "$log" | sed 's/^/    /'
        fail "at '$name' (exit $rc; log: $log)"
    fi
}

qvn_lock package
qvn_install_deps

# Both programs, and the checker for the one this machine runs.
arch=$(qvn_wine_arch)
for tree in win32 win64; do
    targets=(Quorvane)
    [[ "$tree" == "$arch" ]] && targets+=(package_check)
    step "build-$tree" "${QVN_PACKAGE_BUILD_SECONDS:-1800}" "qvn_build_$tree" "${targets[@]}"
done

# The archive, made twice: the same inputs must give the same bytes.
step package 120 bash scripts/package.sh
archive=$(tail -n 1 "$QVN_LOGS/package-package.log")
first="$QVN_BUILD/dist/first-build.zip"
cp "$archive" "$first"
step package-again 120 bash scripts/package.sh
cmp -s "$first" "$archive" || fail "at 'package': two builds of the archive differ"
rm -f "$first"

# What it holds, in this order; the read-me's name in Shift-JIS with its
# UTF-8 form beside it, the texts with CR LF, the version where it is named.
step contents 30 python3 - "$archive" <<'EOF'
import os
import sys
import zipfile

version = os.path.basename(sys.argv[1])[len("Quorvane-"):-len(".zip")]

readme = "はじめにお読みください.txt"
expected = ["Quorvane.exe", "Quorvane.html", readme, "LICENSE.txt",
            "x64/Quorvane.exe", "x64/Quorvane.html"]

def name_of(info):
    # zipfile decodes names without the UTF-8 flag as code page 437.
    if info.flag_bits & 0x800:
        sys.exit(f"{info.filename}: stored with the UTF-8 flag")
    return info.filename.encode("cp437").decode("cp932")

with zipfile.ZipFile(sys.argv[1]) as z:
    infos = z.infolist()
    names = [name_of(i) for i in infos]
    if names != expected:
        sys.exit(f"entries {names}, expected {expected}")
    readme_info = infos[names.index(readme)]
    if b"\x75\x70" not in readme_info.extra or readme.encode("utf-8") not in readme_info.extra:
        sys.exit("the read-me has no Unicode Path field with its UTF-8 name")
    for name in (readme, "LICENSE.txt"):
        data = z.read(infos[names.index(name)])
        if data.count(b"\n") != data.count(b"\r\n") or not data.endswith(b"\r\n"):
            sys.exit(f"{name}: lines do not end with CR LF")
    for name, encoding in ((readme, "cp932"), ("Quorvane.html", "utf-8")):
        if f"バージョン {version}" not in z.read(infos[names.index(name)]).decode(encoding):
            sys.exit(f"{name} does not name version {version}")
    if z.read(infos[1]) != z.read(infos[5]):
        sys.exit("the two copies of the help differ")
print("contents as expected")
EOF

# Unpacked into an empty folder, names decoded as Japanese Windows decodes them.
unpacked=$(mktemp -d "${TMPDIR:-/tmp}/qvn-package.XXXXXX")
qvn_at_exit "rm -rf '$unpacked'"
step unpack 30 python3 - "$archive" "$unpacked" <<'EOF'
import os
import sys
import zipfile

archive, folder = sys.argv[1:]
if os.listdir(folder):
    sys.exit(f"{folder} is not empty")
with zipfile.ZipFile(archive) as z:
    for info in z.infolist():
        name = info.filename.encode("cp437").decode("cp932")
        path = os.path.join(folder, *name.split("/"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(z.read(info))
EOF

# Wine and a display.
qvn_wine_env "$arch"
step "wine-prefix-$arch" 600 qvn_wine_prefix
if [[ -n "${DISPLAY:-}" ]] && qvn_display_alive "$DISPLAY"; then
    qvn_say "using the display $DISPLAY"
else
    qvn_start_display
    qvn_start_wineserver
fi

# The program from the unpacked folder, driven as a user would. Wine's drive
# Z: is the root of this machine's file system.
program_folder="$unpacked"
[[ "$arch" == win64 ]] && program_folder="$unpacked/x64"
PATH="$QVN_ROOT/tests/win32/fake_browser:$PATH" \
    step "check-$arch" 180 "$QVN_WINE" "$QVN_BUILD/$arch/tests/package_check.exe" \
    "Z:${program_folder//\//\\}"
sed 's/^/    /' "$QVN_LOGS/package-check-$arch.log"

if grep -q '^help: opened' "$QVN_LOGS/package-check-$arch.log"; then
    help="help opened in the browser"
else
    help="no browser here, which the launcher reported"
fi
echo "package test: passed ($(basename "$archive") unpacked, the $arch program started, first files made, $help, closed)"
