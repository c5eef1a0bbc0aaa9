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
# It holds the tree lock (no test run stops its Wine meanwhile), builds what
# is missing and uses the project's private prefix, all through
# scripts/common.sh. It measures the build that the tests run on this machine:
# the 32-bit one where 32-bit programs run, else the 64-bit one under the
# 64-bit Wine (QVN_WINE_ARCH=win32|win64 chooses), and says which.
#
# Exit status: 0 when the report was printed (even if a goal is missed),
# non-zero when something could not be built or measured.
#
# Settings (environment):
#   QVN_WINE_ARCH         win32 or win64 (default: what this machine runs)
#   QVN_BENCH_BUILD       the Windows build (default <repo>/build/<arch>)
#   QVN_BENCH_EXE         the program to measure (default $QVN_BENCH_BUILD/Quorvane.exe)
#   QVN_BENCH_TITLE       its main window title (default Quorvane)
#   QVN_BENCH_CLASS       its main window class, or - for any (default TMainForm)
#   QVN_BENCH_RUNS        measured runs of each program (default 10)
#   QVN_BENCH_WARMUP      unmeasured runs of each first (default 1)
#   QVN_BENCH_TIMEOUT_MS  how long to wait for a window (default 30000)
#
# Comparing the baseline with itself checks the bench without Quorvane.exe:
#   QVN_BENCH_EXE=build/win32/bench/minimal_window.exe QVN_BENCH_TITLE=QvnBaseline \
#   QVN_BENCH_CLASS=- bench/startup.sh
set -euo pipefail
# shellcheck source=../scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

die() {
  echo "startup.sh: $*" >&2
  exit 1
}

ARCH="$(qvn_wine_arch)"
BUILD_DIR="${QVN_BENCH_BUILD:-$QVN_BUILD/$ARCH}"
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

qvn_lock tree
qvn_install_deps

# --- the programs ------------------------------------------------------------
if [[ ! -f "$EXE" || ! -f "$BASELINE" || ! -f "$PROBE" ]]; then
  targets=(minimal_window window_probe)
  [[ -z "${QVN_BENCH_EXE:-}" ]] && targets+=(Quorvane)
  [[ "$(realpath -m "$BUILD_DIR")" == "$(realpath -m "$QVN_BUILD/$ARCH")" ]] ||
    die "$BUILD_DIR lacks ${targets[*]}; build them there first"
  echo "Building ${targets[*]} in $BUILD_DIR ..." >&2
  "qvn_build_$ARCH" "${targets[@]}" || die "the Windows build failed (logs in build/logs/)"
fi
for f in "$EXE" "$BASELINE" "$PROBE"; do
  [[ -f "$f" ]] || die "$f is missing"
done
EXE="$(cd "$(dirname "$EXE")" && pwd)/$(basename "$EXE")"

WORK="$(mktemp -d "${TMPDIR:-/tmp}/qvn-bench.XXXXXX")"
qvn_at_exit "rm -rf '$WORK'"

# --- Wine: environment, prefix, display, a server kept alive -----------------
# With one server for the whole run, every start pays the same.
qvn_wine_env "$ARCH"
(qvn_drop_lock; qvn_wine_prefix)
if [[ -z "${DISPLAY:-}" ]] || ! qvn_display_alive "$DISPLAY"; then
  qvn_start_display
fi
qvn_start_wineserver

without_lock() { (qvn_drop_lock; "$@"); }

# A path as Windows programs in the prefix see it.
win_path() {
  if [[ "$(readlink -f "$WINEPREFIX/dosdevices/z:" 2>/dev/null)" == "/" ]]; then
    printf 'Z:%s' "${1//\//\\}"
  else
    without_lock "$QVN_WINE" winepath -w "$1" 2>/dev/null
  fi
}
PROBE_WIN="$(win_path "$PROBE")"

# Runs one program from a fresh folder and prints "<window ms> <working set KB>".
measure() {  # <exe> <title> <class> <label>
  local exe="$1" title="$2" cls="$3" label="$4"
  local dir out line
  dir="$(mktemp -d "$WORK/$label.XXXXXX")"
  cp "$exe" "$dir/"
  out="$(without_lock "$QVN_WINE" "$PROBE_WIN" "$(win_path "$dir/$(basename "$exe")")" "$title" "$cls" \
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
  "each, alternating, after $WARMUP warm-up; the $ARCH build under" \
  "$("$QVN_WINE" --version 2>/dev/null) ($ARCH), DISPLAY=$DISPLAY" >&2

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

awk -v name="$NAME" -v arch="$ARCH" -v runs="$RUNS" -v size="$size_bytes" \
  -v p_ms="$p_ms" -v p_ms1="$p_ms1" -v p_ms3="$p_ms3" \
  -v b_ms="$b_ms" -v b_ms1="$b_ms1" -v b_ms3="$b_ms3" \
  -v p_ws="$p_ws" -v p_ws1="$p_ws1" -v p_ws3="$p_ws3" \
  -v b_ws="$b_ws" -v b_ws1="$b_ws1" -v b_ws3="$b_ws3" '
function verdict(ok) { return ok ? "met" : "MISSED" }
function range(lo, hi, fmt) { return sprintf("(" fmt "-" fmt ")", lo, hi) }
BEGIN {
  if (b_ms <= 0 || b_ws <= 0) { print "startup.sh: the baseline measured zero" > "/dev/stderr"; exit 1 }
  t = p_ms / b_ms; w = p_ws / b_ws; kb = size / 1024
  printf "\nMedians of %d runs (%s)  %12s %16s %8s   goal\n", runs, arch, name, "baseline", "ratio"
  printf "window visible (ms)  %16.1f %16.1f %8.3f   <= 1.2    %s\n", p_ms, b_ms, t, verdict(t <= 1.2)
  printf "  middle half        %16s %16s\n", range(p_ms1, p_ms3, "%.0f"), range(b_ms1, b_ms3, "%.0f")
  printf "working set (KB)     %16.0f %16.0f %8.3f   <= 1.3    %s\n", p_ws, b_ws, w, verdict(w <= 1.3)
  printf "  middle half        %16s %16s\n", range(p_ws1, p_ws3, "%.0f"), range(b_ws1, b_ws3, "%.0f")
  printf "%-20s %13.1f KB %25s   <  600 KB %s\n", name ".exe size", kb, "", verdict(kb < 600)
}'
