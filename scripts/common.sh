#!/usr/bin/env bash
# Shared helpers for the build, test and demo scripts. Source this file; it
# only defines variables and functions, so sourcing it costs nothing.
#
#   qvn_install_deps      packages, i386 multiarch and the ja_JP.UTF-8 locale
#   qvn_build_native      build/native   (Release, native unit tests)
#   qvn_build_asan        build/asan     (Debug, ASan + UBSan)
#   qvn_build_win32       build/win32    (Release, MinGW-w64 i686, Quorvane.exe)
#   qvn_build_win64       build/win64    (Release, MinGW-w64 x86-64, Quorvane.exe)
#                         each takes optional target names; default: all
#   qvn_wine_arch         win32 where this machine runs 32-bit programs, else win64
#   qvn_wine_env [ARCH]   environment for the private Wine prefix of ARCH
#   qvn_wine_prefix       creates that prefix once, reuses it afterwards
#   qvn_start_display     private Xvfb, ended on exit
#   qvn_start_wineserver  persistent wineserver for the prefix, ended on exit
#   qvn_bounded SECS NAME LOG CMD...   runs CMD, killed after SECS with a clear line
#   qvn_at_exit CMD...    runs CMD when the calling script exits
#   qvn_write_demo DIR    the demo's launch list and configuration in DIR
#   qvn_grab_screen OUT [GEOMETRY]   a screenshot once the screen is still
set -euo pipefail

QVN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QVN_BUILD="$QVN_ROOT/build"
QVN_LOGS="$QVN_BUILD/logs"
QVN_JOBS="${QVN_JOBS:-2}"

qvn_say() { printf '%s\n' "$*" >&2; }
qvn_die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Runs a command with its output in a log file. Prints nothing when it works;
# when it fails, prints the end of the log and returns the command's status.
qvn_quiet() {
    local log="$1"; shift
    mkdir -p "$(dirname "$log")"
    local rc=0
    "$@" >"$log" 2>&1 </dev/null || rc=$?
    if ((rc != 0)); then
        qvn_say "error: '$*' failed (exit $rc)"
        if grep -q -E ': (fatal )?error|CMake Error' "$log"; then
            qvn_say "first errors in $log:"
            grep -E ': (fatal )?error|CMake Error' "$log" | head -n 5 | sed 's/^/    /' >&2
        fi
        qvn_say "last lines of $log:"
        tail -n "${QVN_TAIL:-40}" "$log" | sed 's/^/    /' >&2
    fi
    return "$rc"
}

# ---------------------------------------------------------------- cleanup ---

QVN_EXIT_CMDS=()
QVN_EXIT_TRAP=0

qvn_run_exit_cmds() {
    local rc=$?
    set +e
    local i
    for ((i = ${#QVN_EXIT_CMDS[@]} - 1; i >= 0; i--)); do
        eval "${QVN_EXIT_CMDS[i]}"
    done
    QVN_EXIT_CMDS=()
    return "$rc"
}

# qvn_at_exit CMD... : CMD (one shell string) runs when the script exits, the
# last one registered first. Ctrl-C and TERM go through the same path.
qvn_at_exit() {
    QVN_EXIT_CMDS+=("$*")
    if ((QVN_EXIT_TRAP == 0)); then
        QVN_EXIT_TRAP=1
        trap qvn_run_exit_cmds EXIT
        trap 'exit 130' INT
        trap 'exit 143' TERM
    fi
}

# Holds an exclusive lock on build/NAME.lock until the script exits, so two
# runs in the same tree do not build into or kill each other's Wine.
QVN_LOCK_FD=

qvn_lock() {
    local name="$1"
    mkdir -p "$QVN_BUILD"
    exec {QVN_LOCK_FD}>"$QVN_BUILD/$name.lock"
    if ! flock -n "$QVN_LOCK_FD"; then
        qvn_say "waiting for another run holding build/$name.lock ..."
        flock -w "${QVN_LOCK_WAIT:-3600}" "$QVN_LOCK_FD" || qvn_die "build/$name.lock is still held"
    fi
}

# For processes that may outlive the script (wineserver, a launcher left
# running): they must not inherit the lock. Call in the subshell that starts them.
qvn_drop_lock() {
    if [[ -n "$QVN_LOCK_FD" ]]; then
        exec {QVN_LOCK_FD}>&-
        QVN_LOCK_FD=
    fi
}

# ----------------------------------------------------------- dependencies ---

QVN_PACKAGES=(
    cmake g++ make googletest libgtest-dev clang libclang-rt-14-dev
    g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
    mingw-w64-i686-dev binutils-mingw-w64-i686
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
    mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
    wine wine64
    xvfb xauth x11-utils
    fonts-ipafont-gothic fonts-ipafont-mincho fonts-wine
    locales imagemagick python3
)
# The 32-bit side, installed on its own: where it cannot be installed, the
# Windows tests run on the 64-bit build (see qvn_wine_arch).
QVN_PACKAGES_32=(wine32:i386)
QVN_INSTALL_32_LOG="$QVN_LOGS/apt-install-32.log"

qvn_sudo() {
    if ((EUID == 0)); then "$@"
    elif command -v sudo >/dev/null; then sudo -n "$@"
    else qvn_die "need root for: $*"
    fi
}

qvn_missing_packages() {
    local p
    for p in "$@"; do
        if [[ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null)" != ii* ]]; then
            printf '%s\n' "$p"
        fi
    done
}

# qvn_apt_update LOG: apt-get update. An index that cannot be fetched (a
# package mirror in mid-sync answers so for an hour or more) is a warning that
# names it: apt goes on with the indexes it has.
qvn_apt_update() {
    local log="$1" rc=0
    mkdir -p "$(dirname "$log")"
    # In English whatever the locale, so that the failed index can be named.
    qvn_sudo env LC_ALL=C apt-get -q update >"$log" 2>&1 </dev/null || rc=$?
    ((rc == 0)) && return 0
    local failed
    failed=$(grep -m 1 '^E: Failed to fetch' "$log" || grep -m 1 '^Err:' "$log" || true)
    qvn_say "warning: 'apt-get update' failed (exit $rc); going on with the package indexes apt has"
    qvn_say "    ${failed:-$(tail -n 1 "$log")}"
}

qvn_install_deps() {
    # Once a run: the scripts that a script starts (package_test.sh from
    # test.sh) do not ask apt again.
    [[ -n "${QVN_DEPS_CHECKED:-}" ]] && return 0
    local log="$QVN_LOGS/apt.log"
    local updated=0
    local -a apt=(env DEBIAN_FRONTEND=noninteractive apt-get -y -q
                  -o Dpkg::Use-Pty=0 --no-install-recommends)

    if [[ "$(dpkg --print-architecture)" != i386 ]] &&
       ! dpkg --print-foreign-architectures | grep -qx i386; then
        qvn_say "adding the i386 architecture ..."
        qvn_sudo dpkg --add-architecture i386
        qvn_apt_update "$log"
        updated=1
    fi

    local -a missing missing32
    mapfile -t missing < <(qvn_missing_packages "${QVN_PACKAGES[@]}")
    mapfile -t missing32 < <(qvn_missing_packages "${QVN_PACKAGES_32[@]}")
    if ((${#missing[@]} + ${#missing32[@]} > 0)) && ((updated == 0)); then
        qvn_apt_update "$log"
    fi
    if ((${#missing[@]} > 0)); then
        qvn_say "installing ${missing[*]} ..."
        qvn_quiet "$QVN_LOGS/apt-install.log" qvn_sudo "${apt[@]}" install "${missing[@]}"
    fi
    # Without a complete 32-bit index (or with 32-bit libraries that lag the
    # 64-bit ones) apt cannot install the 32-bit Wine; everything else is in
    # by now, and the 64-bit build is tested instead.
    if ((${#missing32[@]} > 0)); then
        qvn_say "installing ${missing32[*]} ..."
        if ! qvn_sudo "${apt[@]}" install "${missing32[@]}" \
            >"$QVN_INSTALL_32_LOG" 2>&1 </dev/null; then
            qvn_say "warning: $(qvn_no_wine32_reason)"
        fi
    fi

    qvn_ensure_locale
    export QVN_DEPS_CHECKED=1
}

qvn_ensure_locale() {
    if locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
        return 0
    fi
    qvn_say "generating the ja_JP.UTF-8 locale ..."
    local log="$QVN_LOGS/locale.log"
    if [[ -f /etc/locale.gen ]] && grep -q 'ja_JP\.UTF-8 UTF-8' /etc/locale.gen; then
        qvn_sudo sed -i 's/^[#[:space:]]*\(ja_JP\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        qvn_quiet "$log" qvn_sudo locale-gen
    else
        qvn_quiet "$log" qvn_sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
    fi
    locale -a 2>/dev/null | grep -qix 'ja_JP.utf8' || qvn_die "ja_JP.UTF-8 locale is still missing"
}

# ------------------------------------------------------------------ build ---

# qvn_build_tree NAME [CMAKE-ARG...] [-- TARGET...] : configures build/NAME
# and builds the given targets (all of them by default).
qvn_build_tree() {
    local name="$1"; shift
    local dir="$QVN_BUILD/$name"
    local -a cfg=() targets=()
    while (($# > 0)) && [[ "$1" != -- ]]; do cfg+=("$1"); shift; done
    (($# > 0)) && shift
    while (($# > 0)); do targets+=(--target "$1"); shift; done
    qvn_quiet "$QVN_LOGS/configure-$name.log" \
        cmake -S "$QVN_ROOT" -B "$dir" "${cfg[@]}" || return
    qvn_quiet "$QVN_LOGS/build-$name.log" \
        cmake --build "$dir" -j "$QVN_JOBS" "${targets[@]}" || return
}

qvn_build_native() {
    qvn_build_tree native -DCMAKE_BUILD_TYPE=Release -- "$@"
}

qvn_build_asan() {
    qvn_build_tree asan -DCMAKE_BUILD_TYPE=Debug -DQVN_SANITIZE=ON -- "$@"
}

qvn_build_win32() {
    qvn_build_tree win32 -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$QVN_ROOT/cmake/mingw-i686.cmake" -- "$@"
}

qvn_build_win64() {
    qvn_build_tree win64 -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$QVN_ROOT/cmake/mingw-x86_64.cmake" -- "$@"
}

# ------------------------------------------------------ bounded commands ---

# qvn_bounded SECONDS NAME LOG CMD... : runs CMD, which must not hang. After
# SECONDS it is ended (TERM, then KILL ten seconds later, with everything it
# started in its process group), and a line says which step hung and where
# its log is. Returns the command's status, 124 after a time-out.
qvn_bounded() {
    local limit="$1" name="$2" log="$3"; shift 3
    local rc=0
    timeout -k 10 "$limit" "$@" || rc=$?
    if ((rc == 124 || rc == 137)); then
        qvn_say "error: $name did not finish within $limit s and was ended; log: $log"
        rc=124
    fi
    return "$rc"
}
# ------------------------------------------------------------------- Wine ---

# Some kernels refuse 32-bit x86 programs. There the 32-bit Wine cannot start
# ("Exec format error"), and the Windows tests run on the 64-bit build under
# the 64-bit Wine instead. QVN_WINE_ARCH=win64 chooses that path on any
# machine (to try it out); win32 insists on the 32-bit one.
qvn_can_run_32bit() {
    [[ -x /usr/lib/wine/wine ]] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

qvn_wine_arch() {
    case "${QVN_WINE_ARCH:-}" in
        win32 | win64) echo "$QVN_WINE_ARCH"; return 0 ;;
        "") ;;
        *) qvn_die "QVN_WINE_ARCH must be win32 or win64, not '$QVN_WINE_ARCH'" ;;
    esac
    if qvn_can_run_32bit; then echo win32; else echo win64; fi
}

qvn_no_wine32_reason() {
    echo "the 32-bit Wine could not be installed (see build/logs/${QVN_INSTALL_32_LOG##*/})"
}

# qvn_win64_reason: why the 64-bit build runs rather than the 32-bit one, in
# words for a note; nothing when the 32-bit one runs.
qvn_win64_reason() {
    [[ "$(qvn_wine_arch)" == win64 ]] || return 0
    if [[ "${QVN_WINE_ARCH:-}" == win64 ]]; then
        echo "QVN_WINE_ARCH=win64 asks for the 64-bit build"
    elif [[ "$(qvn_missing_packages "${QVN_PACKAGES_32[@]}")" != "" ]]; then
        qvn_no_wine32_reason
    else
        echo "this machine cannot run 32-bit programs"
    fi
}

# qvn_wine_env [ARCH]: the environment of ARCH's private prefix
# (build/wineprefix for win32, build/wineprefix64 for win64), and the Wine
# programs that serve it in QVN_WINE and QVN_WINESERVER. Debian's wine and
# wineserver wrappers take the 32-bit loader whenever it is installed, so the
# 64-bit side is called by its own paths.
qvn_wine_env() {
    local arch="${1:-$(qvn_wine_arch)}"
    case "$arch" in
        win32)
            export WINEPREFIX="$QVN_BUILD/wineprefix"
            QVN_WINE=wine
            QVN_WINESERVER=wineserver
            ;;
        win64)
            export WINEPREFIX="$QVN_BUILD/wineprefix64"
            QVN_WINE=/usr/lib/wine/wine64
            QVN_WINESERVER=/usr/lib/wine/wineserver64
            [[ -x "$QVN_WINESERVER" ]] || QVN_WINESERVER=/usr/lib/wine/wineserver
            ;;
        *) qvn_die "unknown Wine architecture '$arch'" ;;
    esac
    export WINEARCH="$arch"
    export QVN_WINE QVN_WINESERVER
    export WINEDEBUG=-all
    # No Mono or Gecko download prompts.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    # Wine takes its ANSI code page from the locale: ja_JP gives 932. Bash
    # itself tries to switch to it too, and warns when the locale was made
    # after it started (it still reads the old locale archive); the programs
    # it starts read the new one, so that warning is noise.
    { export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8; } 2>/dev/null
}

# Registry settings of the prefix:
#  - the IPA fonts stand in for the Japanese faces the program and the dialogs
#    ask for;
#  - a crash ends the program at once, with the exception code as its exit
#    status and no dialog. With winedbg attached (Wine's default) the status
#    of a crashed program is sometimes 0, which would pass a crashed test;
#  - ".html" files open with Wine's browser, which hands them to the
#    desktop's (the help of the launcher is one);
#  - ".exe" files are programs, as on Windows, so that the shell shows a
#    program's own icon rather than that of an unknown file;
#  - the programs run on a Wine desktop of 1280 x 1024, so that Wine itself
#    draws the window frames, moves the pointer and keeps the tray, as Windows
#    does, rather than leaning on an X window manager that Xvfb lacks.
qvn_write_prefix_reg() {
    local out="$1"
    {
        printf '\xef\xbb\xbf'
        cat <<'EOF'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐ明朝"="IPAPMincho"
"ＭＳ 明朝"="IPAMincho"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
"MS PMincho"="IPAPMincho"
"MS Mincho"="IPAMincho"
"MS UI Gothic"="IPAPGothic"
"MS Shell Dlg"="IPAPGothic"
"MS Shell Dlg 2"="IPAPGothic"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Debugger"=""

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x1024"

[HKEY_LOCAL_MACHINE\Software\Classes\.html]
@="htmlfile"

[HKEY_LOCAL_MACHINE\Software\Classes\.exe]
@="exefile"

EOF
    } | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE >"$out"
}

# qvn_wine_prefix: makes the prefix that qvn_wine_env chose (the default
# architecture's when it was not called).
qvn_wine_prefix() {
    [[ -n "${QVN_WINE:-}" && -n "${WINEPREFIX:-}" ]] || qvn_wine_env
    # Bump the number when the set-up below changes: older prefixes are redone.
    local marker="$WINEPREFIX/.qvn-ready-5"
    local name="build/${WINEPREFIX##*/}"
    [[ -f "$marker" ]] && return 0

    local fd
    mkdir -p "$QVN_BUILD" "$QVN_LOGS"
    exec {fd}>"$WINEPREFIX.lock"
    flock -w 600 "$fd" || qvn_die "$name.lock is held too long"
    if [[ -f "$marker" ]]; then
        exec {fd}>&-
        return 0
    fi

    qvn_say "creating the Wine prefix $name ($WINEARCH) ..."
    local log="$QVN_LOGS/${WINEPREFIX##*/}.log" t0=$SECONDS
    rm -rf "$WINEPREFIX"
    (
        unset DISPLAY
        qvn_quiet "$log" qvn_bounded 300 "creating $name" "$log" \
            "$QVN_WINE" wineboot.exe -i || exit
        timeout 120 "$QVN_WINESERVER" -w
        # Wine draws the caption buttons with Marlett, which it only finds
        # in the Fonts folder. The text faces stay the IPA ones.
        if [[ -f /usr/share/wine/fonts/marlett.ttf ]]; then
            cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
        fi
        local reg="$WINEPREFIX/qvn-setup.reg"
        qvn_write_prefix_reg "$reg"
        qvn_quiet "$QVN_LOGS/${WINEPREFIX##*/}-reg.log" qvn_bounded 120 "setting up $name" \
            "$QVN_LOGS/${WINEPREFIX##*/}-reg.log" "$QVN_WINE" regedit.exe /S "$reg" || exit
        timeout 120 "$QVN_WINESERVER" -w
    ) || { exec {fd}>&-; qvn_die "Wine prefix set-up failed (see $log)"; }
    touch "$marker"
    exec {fd}>&-
    qvn_say "Wine prefix ready ($((SECONDS - t0)) s)"
}

# qvn_start_wineserver: a persistent wineserver for the prefix that
# qvn_wine_env chose, ended when the script exits.
qvn_start_wineserver() {
    (qvn_drop_lock; exec "$QVN_WINESERVER" -p)
    local pfx server
    pfx=$(printf '%q' "$WINEPREFIX")
    server=$(printf '%q' "$QVN_WINESERVER")
    qvn_at_exit "WINEPREFIX=$pfx $server -k 2>/dev/null; WINEPREFIX=$pfx timeout 10 $server -w 2>/dev/null"
    # The first program of a Wine session starts the background processes
    # (services, the desktop window, ...), and they keep its stdout and stderr.
    # Start them here with a log file as output; otherwise they would hold the
    # first test's output pipe open, and CTest would wait for it until timeout.
    local log="$QVN_LOGS/wine-session-$WINEARCH.log"
    (qvn_drop_lock; exec timeout -k 10 120 "$QVN_WINE" wineboot.exe) >"$log" 2>&1 </dev/null ||
        qvn_say "warning: 'wineboot' failed; see $log"
}

# ---------------------------------------------------------------- display ---

qvn_display_alive() {
    DISPLAY="$1" timeout 5 xdpyinfo >/dev/null 2>&1
}

# qvn_start_display [WIDTHxHEIGHT]: starts a private Xvfb (1280x1024 unless
# told) on the first free display number, whatever $DISPLAY says; it goes
# away when the script exits.
qvn_start_display() {
    local size="${1:-1280x1024}"
    mkdir -p "$QVN_LOGS"
    local n pid
    for ((n = 90; n < 190; n++)); do
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
        (qvn_drop_lock; exec Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp \
            >"$QVN_LOGS/xvfb.log" 2>&1 </dev/null) &
        pid=$!
        local tries
        for ((tries = 0; tries < 100; tries++)); do
            kill -0 "$pid" 2>/dev/null || break
            if [[ -e /tmp/.X11-unix/X$n ]] && qvn_display_alive ":$n"; then
                export DISPLAY=":$n"
                qvn_at_exit "kill $pid 2>/dev/null; wait $pid 2>/dev/null"
                return 0
            fi
            sleep 0.1
        done
        # Lost a race for this number, or the server is stuck: try the next.
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    qvn_say "error: could not start Xvfb; last lines of $QVN_LOGS/xvfb.log:"
    tail -n 20 "$QVN_LOGS/xvfb.log" | sed 's/^/    /' >&2
    return 1
}

# ------------------------------------------------------------------- demo ---

# Programs that ship with Wine, at the same paths in the 32-bit and the 64-bit
# prefix: the demo's launch list, slots No.1 to No.4.
QVN_DEMO_PROGRAMS=(
    'C:\windows\system32\notepad.exe'
    'C:\Program Files\Windows NT\Accessories\wordpad.exe'
    'C:\windows\system32\winemine.exe'
    'C:\windows\system32\winefile.exe'
)

# The launcher's text files: lines in Shift-JIS, each ending with CR LF.
qvn_sjis_lines() {
    printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932
}

# The list that the launcher writes on its first start: eight empty slots.
qvn_empty_list() {
    qvn_sjis_lines NULL NULL NULL NULL NULL NULL NULL NULL 0 0 0 0 0 0 0 0
}

qvn_demo_list() {
    local -a paths=("${QVN_DEMO_PROGRAMS[@]}")
    while ((${#paths[@]} < 8)); do paths+=(NULL); done
    qvn_sjis_lines "${paths[@]}" 0 0 0 0 0 0 0 0
}

# qvn_write_demo DIR: the demo's launch list DIR/Start.qvl and a configuration
# DIR/Config.qvc that loads it at start-up (the launcher's defaults otherwise),
# each written only where it is missing, so that a list the user has changed
# stays. The one exception is the empty list that the launcher itself writes on
# a first start: it is replaced, since the settings dialog never saves a list
# without slot No.1. Says what it did.
qvn_write_demo() {
    local dir="$1" name="$1"
    [[ "$dir" == "$QVN_BUILD"/* ]] && name="build/${dir#"$QVN_BUILD"/}"
    mkdir -p "$dir"
    local list="$dir/Start.qvl"
    if [[ ! -e "$list" ]] || cmp -s "$list" <(qvn_empty_list); then
        qvn_demo_list >"$list"
        local -a programs=("${QVN_DEMO_PROGRAMS[@]##*\\}")
        qvn_say "demo list $name/Start.qvl written: ${programs[*]}"
    elif cmp -s "$list" <(qvn_demo_list); then
        qvn_say "demo list $name/Start.qvl is there"
    else
        qvn_say "keeping $name/Start.qvl as you changed it (delete it to get the demo list again)"
    fi
    local config="$dir/Config.qvc"
    if [[ ! -e "$config" ]]; then
        # Wine's drive Z: is the root of this machine's file system.
        local windowsList="Z:${list//\//\\}"
        qvn_sjis_lines FALSE FALSE TRUE TRUE "$windowsList" 5000 35 >"$config" ||
            qvn_die "the path $list cannot be written in Shift-JIS"
        qvn_say "configuration $name/Config.qvc written: it loads Start.qvl at start-up"
    fi
}

# qvn_grab_screen OUT [GEOMETRY]: a screenshot of the display, cropped to
# GEOMETRY (WIDTHxHEIGHT+X+Y) when given, taken once two grabs in a row are
# the same (Wine paints a little after a window shows; bounded at about ten
# seconds, after which the last grab is kept). OUT is a PNG without time
# stamps, so the same screen gives the same bytes.
qvn_grab_screen() {
    local out="$1" geometry="${2:-}" tmp i rc=0
    local -a crop=()
    [[ -n "$geometry" ]] && crop=(-crop "$geometry" +repage)
    tmp=$(mktemp -d "${TMPDIR:-/tmp}/qvn-grab.XXXXXX")
    for ((i = 0; i < 40; i++)); do
        timeout 10 import -window root "${crop[@]}" "ppm:$tmp/$((i % 2)).ppm" \
            2>>"$QVN_LOGS/import.log" || { rc=1; break; }
        ((i > 0)) && cmp -s "$tmp/0.ppm" "$tmp/1.ppm" && break
        sleep 0.2
    done
    if ((rc == 0)); then
        convert "$tmp/$((i % 2)).ppm" -strip -define png:exclude-chunks=date,time \
            "$out" 2>>"$QVN_LOGS/import.log" || rc=1
    fi
    rm -rf "$tmp"
    return "$rc"
}
