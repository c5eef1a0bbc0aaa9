#!/usr/bin/env bash
# Start-up benchmark (a report, not a test): Quorvane.exe against a bare
# window program (bench/minimal_window.c) and against that window with the
# common controls, COM, the shell and a tray icon (bench/shell_window.c), all
# started under the same Wine prefix, alternately.
#
# It reports, each as the median of the runs and as a ratio against both
# yardsticks, with the target (against the bare window) beside it:
#   - the time until the top-level window is visible, also
#     that of the fastest run of each                            (<= 1.05)
#   - the working set once the program is idle after start-up   (<= 1.15)
#   - the working set after Quorvane's settings dialog has been
#     opened and closed (against the bare window's start-up)
#   - the CPU time used while idle over 10 s                    (0 ms)
#   - the size of both Quorvane.exe builds, 32-bit and 64-bit,
#     where they are built (against the bare window's)         (<= 300 KB)
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
#   bench/startup.sh            prints the report
#   bench/startup.sh --readme   also writes the measurements into README.md,
#                               between the "bench:performance:<arch>"
#                               markers: the same table without the targets
#                               and verdicts, which belong to this report
#
# Exit status: 0 when the report was printed (even if a target is missed),
# non-zero when something could not be built or measured.
#
# Settings (environment):
#   QVN_WINE_ARCH         win32 or win64 (default: what this machine runs)
#   QVN_BENCH_BUILD       the Windows build (default <repo>/build/<arch>)
#   QVN_BENCH_EXE         the program to measure (default $QVN_BENCH_BUILD/Quorvane.exe)
#   QVN_BENCH_TITLE       its main window title (default Quorvane)
#   QVN_BENCH_CLASS       its main window class, or - for any (default TMainForm)
#   QVN_BENCH_SETTINGS    1: open and close its settings dialog (default 1 for
#                         Quorvane, 0 with QVN_BENCH_EXE)
#   QVN_BENCH_RUNS        measured runs of each program (default 10)
#   QVN_BENCH_IDLE_RUNS   of those, how many also measure the idle CPU (default 2)
#   QVN_BENCH_IDLE_MS     the idle span (default 10000)
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

# Which build runs depends on what could be installed.
qvn_lock tree
qvn_install_deps
ARCH="$(qvn_wine_arch)"
[[ "$ARCH" == win64 ]] && echo "startup.sh: $(qvn_win64_reason): the 64-bit build is measured" >&2
BUILD_DIR="${QVN_BENCH_BUILD:-$QVN_BUILD/$ARCH}"
EXE="${QVN_BENCH_EXE:-$BUILD_DIR/Quorvane.exe}"
TITLE="${QVN_BENCH_TITLE:-Quorvane}"
CLASS="${QVN_BENCH_CLASS:-TMainForm}"
SETTINGS="${QVN_BENCH_SETTINGS:-$([[ -z "${QVN_BENCH_EXE:-}" ]] && echo 1 || echo 0)}"
RUNS="${QVN_BENCH_RUNS:-10}"
IDLE_RUNS="${QVN_BENCH_IDLE_RUNS:-2}"
IDLE_MS="${QVN_BENCH_IDLE_MS:-10000}"
README_TABLE=0
case "${1:-}" in
  --readme) README_TABLE=1 ;;
  "") ;;
  *) die "unknown argument '$1' (only --readme)" ;;
esac
WARMUP="${QVN_BENCH_WARMUP:-1}"
TIMEOUT_MS="${QVN_BENCH_TIMEOUT_MS:-30000}"
BASELINE="$BUILD_DIR/bench/minimal_window.exe"
BASELINE_TITLE="QvnBaseline"
BASELINE_CLASS="QvnBaselineWindow"
SHELL_WINDOW="$BUILD_DIR/bench/shell_window.exe"
PROBE="$BUILD_DIR/bench/window_probe.exe"

[[ "$RUNS" =~ ^[1-9][0-9]*$ ]] || die "QVN_BENCH_RUNS must be a positive number"
[[ "$WARMUP" =~ ^[0-9]+$ ]] || die "QVN_BENCH_WARMUP must be a number"
[[ "$IDLE_RUNS" =~ ^[0-9]+$ ]] || die "QVN_BENCH_IDLE_RUNS must be a number"
[[ "$IDLE_MS" =~ ^[1-9][0-9]*$ ]] || die "QVN_BENCH_IDLE_MS must be a positive number"
[[ "$TIMEOUT_MS" =~ ^[1-9][0-9]*$ ]] || die "QVN_BENCH_TIMEOUT_MS must be a positive number"

# --- the programs ------------------------------------------------------------
if [[ ! -f "$EXE" || ! -f "$BASELINE" || ! -f "$SHELL_WINDOW" || ! -f "$PROBE" ]]; then
  targets=(minimal_window shell_window window_probe)
  [[ -z "${QVN_BENCH_EXE:-}" ]] && targets+=(Quorvane)
  [[ "$(realpath -m "$BUILD_DIR")" == "$(realpath -m "$QVN_BUILD/$ARCH")" ]] ||
    die "$BUILD_DIR lacks ${targets[*]}; build them there first"
  echo "Building ${targets[*]} in $BUILD_DIR ..." >&2
  "qvn_build_$ARCH" "${targets[@]}" || die "the Windows build failed (logs in build/logs/)"
fi
for f in "$EXE" "$BASELINE" "$SHELL_WINDOW" "$PROBE"; do
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

# Runs one program from a fresh folder and prints "<window ms> <working set KB>
# <idle CPU ms> <working set after the settings dialog KB>" (-1: not measured).
measure() {  # <exe> <title> <class> <label> <idle ms or 0> <settings or ->
  local exe="$1" title="$2" cls="$3" label="$4" idle="$5" settings="$6"
  local dir out line
  dir="$(mktemp -d "$WORK/$label.XXXXXX")"
  cp "$exe" "$dir/"
  out="$(without_lock "$QVN_WINE" "$PROBE_WIN" "$(win_path "$dir/$(basename "$exe")")" "$title" "$cls" \
    "$TIMEOUT_MS" "$idle" "$settings" 2>"$WORK/probe.err" </dev/null | tr -d '\r')" || {
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
  sed -E 's/.*window_ms=([0-9.]+).* working_set_kb=([0-9]+).* idle_cpu_ms=([-0-9.]+) settings_working_set_kb=([-0-9]+).*/\1 \2 \3 \4/' <<<"$line"
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
WINE_VERSION="$("$QVN_WINE" --version 2>/dev/null || echo Wine)"
echo "Start-up benchmark: $NAME (window \"$TITLE\") against the bare window and the shell window, $RUNS runs" \
  "each, alternating, after $WARMUP warm-up; the $ARCH build under $WINE_VERSION," \
  "DISPLAY=$DISPLAY" >&2

settings_arg=-
[[ "$SETTINGS" == 1 ]] && settings_arg=settings
for ((i = 0; i < WARMUP; i++)); do
  measure "$EXE" "$TITLE" "$CLASS" program 0 "$settings_arg" >/dev/null || die "the warm-up failed"
  measure "$BASELINE" "$BASELINE_TITLE" "$BASELINE_CLASS" baseline 0 - >/dev/null ||
    die "the warm-up failed"
  measure "$SHELL_WINDOW" "$BASELINE_TITLE" "$BASELINE_CLASS" shell 0 - >/dev/null ||
    die "the warm-up failed"
done

: >"$WORK/program.txt"
: >"$WORK/baseline.txt"
: >"$WORK/shell.txt"
for ((i = 1; i <= RUNS; i++)); do
  idle=0
  ((i <= IDLE_RUNS)) && idle="$IDLE_MS"
  r="$(measure "$EXE" "$TITLE" "$CLASS" program "$idle" "$settings_arg")" || die "run $i failed"
  echo "$r" >>"$WORK/program.txt"
  b="$(measure "$BASELINE" "$BASELINE_TITLE" "$BASELINE_CLASS" baseline "$idle" -)" ||
    die "run $i failed"
  echo "$b" >>"$WORK/baseline.txt"
  s="$(measure "$SHELL_WINDOW" "$BASELINE_TITLE" "$BASELINE_CLASS" shell "$idle" -)" ||
    die "run $i failed"
  echo "$s" >>"$WORK/shell.txt"
  read -r r_ms r_ws r_cpu r_set <<<"$r"
  read -r b_ms b_ws b_cpu _ <<<"$b"
  read -r s_ms s_ws s_cpu _ <<<"$s"
  printf '  run %2d: %-10s %7.1f ms %7d KB %7s KB after settings %6s ms idle CPU\n' "$i" \
    "$NAME" "$r_ms" "$r_ws" "${r_set/#-1/-}" "${r_cpu/#-1.0/-}" >&2
  printf '          bare window %7.1f ms %7d KB %6s ms idle CPU; shell window %7.1f ms %7d KB %6s ms\n' \
    "$b_ms" "$b_ws" "${b_cpu/#-1.0/-}" "$s_ms" "$s_ws" "${s_cpu/#-1.0/-}" >&2
done

# Medians of column <n> of a file, ignoring values not measured (-1).
median_of() {  # <file> <column>
  awk -v c="$2" '$c >= 0 { print $c }' "$1" | summary | cut -d' ' -f1
}
# The fastest run of each: on a busy machine the medians carry the other
# processes' load, the fastest runs mostly the programs' own work.
min_of() {  # <file> <column>
  awk -v c="$2" '$c >= 0 { print $c }' "$1" | sort -g | head -n 1
}
p_min="$(min_of "$WORK/program.txt" 1)"
b_min="$(min_of "$WORK/baseline.txt" 1)"
s_min="$(min_of "$WORK/shell.txt" 1)"
p_ms="$(median_of "$WORK/program.txt" 1)"
p_ws="$(median_of "$WORK/program.txt" 2)"
p_cpu="$(median_of "$WORK/program.txt" 3 || true)"
p_set="$(median_of "$WORK/program.txt" 4 || true)"
b_ms="$(median_of "$WORK/baseline.txt" 1)"
b_ws="$(median_of "$WORK/baseline.txt" 2)"
b_cpu="$(median_of "$WORK/baseline.txt" 3 || true)"
s_ms="$(median_of "$WORK/shell.txt" 1)"
s_ws="$(median_of "$WORK/shell.txt" 2)"
s_cpu="$(median_of "$WORK/shell.txt" 3 || true)"

# Both builds of the program, where they are built, with the yardsticks of
# the same build.
sizes=""
for arch in win32 win64; do
  exe="$QVN_BUILD/$arch/Quorvane.exe"
  bare="$QVN_BUILD/$arch/bench/minimal_window.exe"
  shell="$QVN_BUILD/$arch/bench/shell_window.exe"
  [[ "$arch" == "$ARCH" && -n "${QVN_BENCH_EXE:-}" ]] && exe="$EXE" && bare="$BASELINE" &&
    shell="$SHELL_WINDOW"
  [[ -f "$exe" && -f "$bare" && -f "$shell" ]] || continue
  sizes+="$arch $(basename "$exe" .exe) $(stat -c %s "$exe") $(stat -c %s "$bare") $(stat -c %s "$shell");"
done

machine="$(uname -m), $(nproc) CPUs"
model="$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
[[ -n "$model" ]] && machine="$model, $machine"
grep -qw hypervisor /proc/cpuinfo && machine="virtual machine: $machine"
machine="$machine, load average $(cut -d' ' -f1 /proc/loadavg) at the end"

# The report as a Markdown table: printed with the targets and verdicts, and
# written into the README without them when asked (a reader of the README
# wants the measurements, not the benchmark's own goals).
report() {  # <1: with the targets and verdicts, 0: without>
  awk -v verdicts="$1" -v name="$NAME" -v arch="$ARCH" -v runs="$RUNS" -v idle_runs="$IDLE_RUNS" \
    -v idle_ms="$IDLE_MS" -v date="$(date -u +%Y-%m-%d)" -v wine="$WINE_VERSION" \
    -v machine="$machine" -v sizes="$sizes" \
    -v p_ms="$p_ms" -v b_ms="$b_ms" -v s_ms="$s_ms" -v p_min="$p_min" -v b_min="$b_min" \
    -v s_min="$s_min" -v p_ws="$p_ws" -v b_ws="$b_ws" -v s_ws="$s_ws" \
    -v p_cpu="$p_cpu" -v b_cpu="$b_cpu" -v s_cpu="$s_cpu" -v p_set="$p_set" '
# No ratio for the idle CPU (digits < 0): a few milliseconds say nothing as a ratio.
function ratio(p, b, digits) { return b > 0 && digits >= 0 ? sprintf("%." digits "fx", p / b) : "" }
# One row: Quorvane, the bare window, the shell window, both ratios, and in
# the report the target and the verdict.
function row(what, unit, p, b, s, digits, target, ok,   line) {
  line = sprintf("| %s | %s | %s | %s | %s | %s |", what, sprintf(unit, p), sprintf(unit, b),
                 ratio(p, b, digits), sprintf(unit, s), ratio(p, s, digits))
  if (verdicts) line = line sprintf(" %s | %s |", target, ok ? "met" : "**missed**")
  print line
}
BEGIN {
  if (b_ms <= 0 || b_min <= 0 || b_ws <= 0) { print "startup.sh: the bare window measured zero" > "/dev/stderr"; exit 1 }
  printf "Measured %s by `bench/startup.sh` on the %s build under %s (%s), %s; medians of %d runs each, alternating.\n\n", date, arch, wine, arch == "win32" ? "32-bit" : "64-bit", machine, runs
  printf "| | %s | bare window | ratio | shell window | ratio |%s\n", name, verdicts ? " target | |" : ""
  printf "|---|---:|---:|---:|---:|---:|%s\n", verdicts ? "---|---|" : ""
  row("window visible", "%.0f ms", p_ms, b_ms, s_ms, 2, "<= 1.05x", p_ms / b_ms <= 1.05)
  row("window visible, fastest run", "%.0f ms", p_min, b_min, s_min, 2, "<= 1.05x", p_min / b_min <= 1.05)
  row("working set at start-up", "%.0f KB", p_ws, b_ws, s_ws, 2, "<= 1.15x", p_ws / b_ws <= 1.15)
  if (p_set != "") row("working set after the settings dialog", "%.0f KB", p_set, b_ws, s_ws, 2, "", 1)
  if (p_cpu != "") {
    row(sprintf("CPU while idle for %d s (%d runs)", idle_ms / 1000, idle_runs), "%.0f ms", p_cpu, b_cpu, s_cpu, -1, "0 ms", p_cpu + 0 == 0)
  }
  n = split(sizes, entries, ";")
  for (i = 1; i <= n; i++) {
    if (split(entries[i], f, " ") < 5) continue
    label = f[1] == "win32" ? "32-bit" : "64-bit"
    row(label " " f[2] ".exe", "%.1f KB", f[3] / 1024, f[4] / 1024, f[5] / 1024, 1, "<= 300 KB", f[3] <= 300 * 1024)
  }
}'
}
table="$(report 1)" || die "no report"
echo
echo "$table"

if ((README_TABLE == 1)); then
  readme="$QVN_ROOT/README.md"
  start="<!-- bench:performance:$ARCH:start -->"
  end="<!-- bench:performance:$ARCH:end -->"
  grep -qxF "$start" "$readme" && grep -qxF "$end" "$readme" ||
    die "README.md lacks the markers $start and $end"
  tmp="$(mktemp "$QVN_ROOT/.README.md.XXXXXX")"
  awk -v table="$(report 0)" -v start="$start" -v end="$end" '
    $0 == end { print table; skip = 0 }
    !skip { print }
    $0 == start { skip = 1 }' "$readme" >"$tmp"
  mv "$tmp" "$readme"
  echo "README.md: the Performance table of the $ARCH build is written" >&2
fi
