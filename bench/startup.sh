#!/usr/bin/env bash
# Start-up benchmark (a report, not a test): Quorvane.exe against a minimal
# window program, both started under the same Wine prefix, alternately.
#
# For each program it reports the median time until its top-level window is
# visible and the median working set once it is idle, the ratios
# Quorvane / baseline, the size of Quorvane.exe, and whether each goal is met:
#   start-up ratio <= 1.2, working-set ratio <= 1.3, Quorvane.exe < 600 KB.
#
# The times are taken inside Wine by bench/window_probe.exe (from just before
# CreateProcessW until the window is visible), so Wine's own start-up in this
# shell is not counted. Every run starts a fresh copy of the program in a new
# temporary folder, as Quorvane writes its files beside itself.
#
# With scripts/common.sh it holds the tree lock (no test run stops its Wine
# meanwhile), builds with qvn_build_win32 and uses the project's prefix;
# without it, it sets up the same environment itself.
#
# Exit status: 0 when the report was printed (even if a goal is missed),
# non-zero when something could not be built or measured.
#
# Settings (environment):
#   QVN_BENCH_BUILD       the Windows build (default <repo>/build/win32)
#   QVN_BENCH_EXE         the program to measure (default $QVN_BENCH_BUILD/Quorvane.exe)
#   QVN_BENCH_TITLE       its main window title (default Quorvane)
#   QVN_BENCH_CLASS       its main window class, or - for any (default TMainForm)
#   QVN_BENCH_RUNS        measured runs of each program (default 10)
#   QVN_BENCH_WARMUP      unmeasured runs of each first (default 1)
#   QVN_BENCH_TIMEOUT_MS  how long to wait for a window (default 30000)
#   QVN_BENCH_NO_COMMON=1 do not use scripts/common.sh (WINEPREFIX may then be set)
#
# Comparing the baseline with itself checks the bench without Quorvane.exe:
#   QVN_BENCH_EXE=build/win32/bench/minimal_window.exe QVN_BENCH_TITLE=QvnBaseline \
#   QVN_BENCH_CLASS=- bench/startup.sh
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

die() {
  echo "startup.sh: $*" >&2
  exit 1
}

COMMON=0
if [[ -f "$ROOT/scripts/common.sh" && "${QVN_BENCH_NO_COMMON:-0}" != 1 ]]; then
  # shellcheck source=../scripts/common.sh
  source "$ROOT/scripts/common.sh"
  COMMON=1
fi

# Commands run when the script exits, the last registered first.
EXIT_CMDS=()
run_exit_cmds() {
  local i
  set +e
  for ((i = ${#EXIT_CMDS[@]} - 1; i >= 0; i--)); do
    eval "${EXIT_CMDS[i]}"
  done
  EXIT_CMDS=()
}
at_exit() {
  if ((COMMON)); then
    qvn_at_exit "$*"
  else
    EXIT_CMDS+=("$*")
    if ((${#EXIT_CMDS[@]} == 1)); then
      trap run_exit_cmds EXIT
      trap 'exit 130' INT
      trap 'exit 143' TERM
    fi
  fi
}

BUILD_DIR="${QVN_BENCH_BUILD:-$ROOT/build/win32}"
EXE="${QVN_BENCH_EXE:-$BUILD_DIR/Quorvane.exe}"
TITLE="${QVN_BENCH_TITLE:-Quorvane}"
CLASS="${QVN_BENCH_CLASS:-TMainForm}"
RUNS="${QVN_BENCH_RUNS:-10}"
WARMUP="${QVN_BENCH_WARMUP:-1}"
TIMEOUT_MS="${QVN_BENCH_TIMEOUT_MS:-30000}"
BASELINE="$BUILD_DIR/bench/minimal_window.exe"
BASELINE_TITLE="QvnBaseline"
BASELINE_CLASS="QvnBaselineWindow"
PROBE="$BUILD_DIR/bench/window_probe.exe"

[[ "$RUNS" =~ ^[1-9][0-9]*$ ]] || die "QVN_BENCH_RUNS must be a positive number"
[[ "$WARMUP" =~ ^[0-9]+$ ]] || die "QVN_BENCH_WARMUP must be a number"
[[ "$TIMEOUT_MS" =~ ^[1-9][0-9]*$ ]] || die "QVN_BENCH_TIMEOUT_MS must be a positive number"
command -v wine >/dev/null || die "wine is not installed"
command -v wineserver >/dev/null || die "wineserver is not installed"

# The tree lock, as the project's scripts take it, so that no test run builds
# into build/win32 or stops the Wine server meanwhile. Wine and Xvfb are
# started without its descriptor, so a process left behind cannot hold it.
LOCK_FD=""
if ((COMMON)); then
  mkdir -p "$QVN_BUILD"
  exec {LOCK_FD}>"$QVN_BUILD/tree.lock"
  if ! flock -n "$LOCK_FD"; then
    echo "waiting for another run holding build/tree.lock ..." >&2
    flock -w "${QVN_LOCK_WAIT:-3600}" "$LOCK_FD" || die "build/tree.lock is still held"
  fi
fi
without_lock() {
  if [[ -n "$LOCK_FD" ]]; then
    "$@" {LOCK_FD}>&-
  else
    "$@"
  fi
}

# --- the programs ------------------------------------------------------------
if [[ ! -f "$EXE" || ! -f "$BASELINE" || ! -f "$PROBE" ]]; then
  targets=(minimal_window window_probe)
  [[ -z "${QVN_BENCH_EXE:-}" ]] && targets+=(Quorvane)
  echo "Building ${targets[*]} in $BUILD_DIR ..." >&2
  if ((COMMON)) && [[ "$(realpath -m "$BUILD_DIR")" == "$(realpath -m "$QVN_BUILD/win32")" ]]; then
    qvn_build_win32 "${targets[@]}" ||
      die "the Windows build failed; build it with: cmake --build $BUILD_DIR"
  else
    if [[ ! -f "$BUILD_DIR/CMakeCache.txt" ]]; then
      cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" >&2 ||
        die "cannot configure $BUILD_DIR"
    fi
    cmake --build "$BUILD_DIR" --target "${targets[@]}" >&2 ||
      die "the Windows build failed; build it with: cmake --build $BUILD_DIR"
  fi
fi
for f in "$EXE" "$BASELINE" "$PROBE"; do
  [[ -f "$f" ]] || die "$f is missing"
done
EXE="$(cd "$(dirname "$EXE")" && pwd)/$(basename "$EXE")"

WORK="$(mktemp -d "${TMPDIR:-/tmp}/qvn-bench.XXXXXX")"
at_exit "rm -rf '$WORK'"

# --- Wine: environment, prefix, display --------------------------------------
if ((COMMON)); then
  qvn_wine_env
  without_lock qvn_wine_prefix
else
  export WINEPREFIX="${WINEPREFIX:-$ROOT/build/wineprefix}"
  export WINEARCH=win32
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export LANG=ja_JP.UTF-8
  export LC_ALL=ja_JP.UTF-8
  if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    echo "Creating the Wine prefix $WINEPREFIX ..." >&2
    mkdir -p "$(dirname "$WINEPREFIX")"
    (unset DISPLAY && wineboot -i >"$WORK/wineboot.log" 2>&1 && timeout 120 wineserver -w) ||
      die "wineboot failed for $WINEPREFIX: $(tail -n 20 "$WORK/wineboot.log")"
  fi
fi

display_usable() {
  [[ -n "${DISPLAY:-}" ]] || return 1
  if command -v xdpyinfo >/dev/null; then
    timeout 5 xdpyinfo >/dev/null 2>&1
  else
    local n="${DISPLAY#*:}"
    [[ -S "/tmp/.X11-unix/X${n%%.*}" ]]
  fi
}
if ! display_usable; then
  # A private Xvfb on a free display number, which it reports on fd 3.
  command -v Xvfb >/dev/null || die "no usable DISPLAY and Xvfb is not installed"
  (
    [[ -z "$LOCK_FD" ]] || exec {LOCK_FD}>&-
    exec Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
      3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 </dev/null
  ) &
  xvfb_pid=$!
  at_exit "kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null"
  for _ in $(seq 100); do
    [[ -s "$WORK/display" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || die "Xvfb did not start: $(cat "$WORK/xvfb.log")"
    sleep 0.1
  done
  [[ -s "$WORK/display" ]] || die "Xvfb did not report its display"
  DISPLAY=":$(head -n1 "$WORK/display")"
  export DISPLAY
fi

# A server kept alive for the whole run, so that every start pays the same.
# It is stopped at the end only if this script started it. wineserver runs
# with its working folder set to server-<device>-<inode> of the prefix, so the
# server of the prefix is the wineserver process whose cwd has that name; it
# is stopped by its process id (SIGINT, which is what wineserver -k sends and
# which also ends its Wine processes), so that this works even if the prefix
# folder is replaced meanwhile.
read -r prefix_dev prefix_ino < <(stat -c '%d %i' "$WINEPREFIX")
server_dir="server-$(printf '%x-%x' "$prefix_dev" "$prefix_ino")"
server_pid() {
  local p
  for p in /proc/[0-9]*; do
    if [[ "$(readlink "$p/cwd" 2>/dev/null)" == */"$server_dir" &&
      "$(cat "$p/comm" 2>/dev/null)" == wineserver* ]]; then
      echo "${p#/proc/}"
      return 0
    fi
  done
  return 1
}
stop_server() {  # <pid>
  local pid="$1"
  [[ "$(cat "/proc/$pid/comm" 2>/dev/null)" == wineserver* ]] || return 0
  kill -INT "$pid" 2>/dev/null || return 0
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  echo "startup.sh: wineserver $pid did not stop" >&2
}
if ! server_pid >/dev/null && without_lock wineserver -p; then
  spid=""
  for _ in $(seq 50); do
    spid="$(server_pid)" && break
    sleep 0.1
  done
  if [[ -n "$spid" ]]; then
    at_exit "stop_server $spid"
  else
    at_exit "WINEPREFIX='$WINEPREFIX' wineserver -k 2>/dev/null"
  fi
fi

# A path as Windows programs in the prefix see it.
win_path() {
  if [[ "$(readlink -f "$WINEPREFIX/dosdevices/z:" 2>/dev/null)" == "/" ]]; then
    printf 'Z:%s' "${1//\//\\}"
  else
    without_lock wine winepath -w "$1" 2>/dev/null
  fi
}
PROBE_WIN="$(win_path "$PROBE")"

# Runs one program from a fresh folder and prints "<window ms> <working set KB>".
measure() {  # <exe> <title> <class> <label>
  local exe="$1" title="$2" cls="$3" label="$4"
  local dir out line
  dir="$(mktemp -d "$WORK/$label.XXXXXX")"
  cp "$exe" "$dir/"
  out="$(without_lock wine "$PROBE_WIN" "$(win_path "$dir/$(basename "$exe")")" "$title" "$cls" \
    "$TIMEOUT_MS" 2>"$WORK/probe.err" </dev/null | tr -d '\r')" || {
    echo "startup.sh: could not measure $label ($exe):" >&2
    cat "$WORK/probe.err" >&2
    return 1
  }
  line="$(grep -m1 '^window_ms=' <<<"$out")" || {
    echo "startup.sh: no result from the probe for $label: $out" >&2
    cat "$WORK/probe.err" >&2
    return 1
  }
  rm -rf "$dir"
  sed -E 's/.*window_ms=([0-9.]+).* working_set_kb=([0-9]+).*/\1 \2/' <<<"$line"
}

# Prints "<median> <lower quartile> <upper quartile>" of the numbers on stdin.
summary() {
  sort -g | awk '{ v[NR] = $1 } END {
    if (NR == 0) exit 1
    m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    q1 = v[int((NR + 3) / 4)]; q3 = v[NR + 1 - int((NR + 3) / 4)]
    printf "%.3f %.3f %.3f\n", m, q1, q3 }'
}

NAME="$(basename "$EXE" .exe)"
echo "Start-up benchmark: $NAME (window \"$TITLE\") against the baseline, $RUNS runs" \
  "each, alternating, after $WARMUP warm-up; $(wine --version 2>/dev/null), DISPLAY=$DISPLAY" >&2

for ((i = 0; i < WARMUP; i++)); do
  measure "$EXE" "$TITLE" "$CLASS" program >/dev/null || die "the warm-up failed"
  measure "$BASELINE" "$BASELINE_TITLE" "$BASELINE_CLASS" baseline >/dev/null ||
    die "the warm-up failed"
done

: >"$WORK/program.txt"
: >"$WORK/baseline.txt"
for ((i = 1; i <= RUNS; i++)); do
  r="$(measure "$EXE" "$TITLE" "$CLASS" program)" || die "run $i failed"
  echo "$r" >>"$WORK/program.txt"
  b="$(measure "$BASELINE" "$BASELINE_TITLE" "$BASELINE_CLASS" baseline)" || die "run $i failed"
  echo "$b" >>"$WORK/baseline.txt"
  read -r r_ms r_ws <<<"$r"
  read -r b_ms b_ws <<<"$b"
  printf '  run %2d: %-16s %8.1f ms %7d KB    baseline %8.1f ms %7d KB\n' "$i" \
    "$NAME" "$r_ms" "$r_ws" "$b_ms" "$b_ws" >&2
done

read -r p_ms p_ms1 p_ms3 < <(cut -d' ' -f1 "$WORK/program.txt" | summary)
read -r p_ws p_ws1 p_ws3 < <(cut -d' ' -f2 "$WORK/program.txt" | summary)
read -r b_ms b_ms1 b_ms3 < <(cut -d' ' -f1 "$WORK/baseline.txt" | summary)
read -r b_ws b_ws1 b_ws3 < <(cut -d' ' -f2 "$WORK/baseline.txt" | summary)
size_bytes="$(stat -c %s "$EXE")"

awk -v name="$NAME" -v runs="$RUNS" -v size="$size_bytes" \
  -v p_ms="$p_ms" -v p_ms1="$p_ms1" -v p_ms3="$p_ms3" \
  -v b_ms="$b_ms" -v b_ms1="$b_ms1" -v b_ms3="$b_ms3" \
  -v p_ws="$p_ws" -v p_ws1="$p_ws1" -v p_ws3="$p_ws3" \
  -v b_ws="$b_ws" -v b_ws1="$b_ws1" -v b_ws3="$b_ws3" '
function verdict(ok) { return ok ? "met" : "MISSED" }
function range(lo, hi, fmt) { return sprintf("(" fmt "-" fmt ")", lo, hi) }
BEGIN {
  if (b_ms <= 0 || b_ws <= 0) { print "startup.sh: the baseline measured zero" > "/dev/stderr"; exit 1 }
  t = p_ms / b_ms; w = p_ws / b_ws; kb = size / 1024
  printf "\nMedians of %d runs   %16s %16s %8s   goal\n", runs, name, "baseline", "ratio"
  printf "window visible (ms)  %16.1f %16.1f %8.3f   <= 1.2    %s\n", p_ms, b_ms, t, verdict(t <= 1.2)
  printf "  middle half        %16s %16s\n", range(p_ms1, p_ms3, "%.0f"), range(b_ms1, b_ms3, "%.0f")
  printf "working set (KB)     %16.0f %16.0f %8.3f   <= 1.3    %s\n", p_ws, b_ws, w, verdict(w <= 1.3)
  printf "  middle half        %16s %16s\n", range(p_ws1, p_ws3, "%.0f"), range(b_ws1, b_ws3, "%.0f")
  printf "%-20s %13.1f KB %25s   <  600 KB %s\n", name ".exe size", kb, "", verdict(kb < 600)
}'
