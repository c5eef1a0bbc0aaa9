#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's prefix and returns its
# exit code. CMake uses this to start the cross-compiled test programs:
#
#   scripts/wine-exec.sh [--arch win32|win64] PROGRAM.exe [ARG...]
#
# The architecture is that of the build tree (its toolchain file passes it);
# without it, what this machine runs. Without a display it brings up a
# throwaway Xvfb, so `ctest` can be run by hand. A program that has not ended
# after QVN_PROGRAM_TIMEOUT seconds (540 by default, inside CTest's 600) is
# ended, and a line says so.
set -euo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

arch=
if [[ "${1:-}" == --arch ]]; then
    arch="$2"
    shift 2
fi
(($# > 0)) || qvn_die "usage: scripts/wine-exec.sh [--arch win32|win64] PROGRAM.exe [ARG...]"

qvn_wine_env "$arch"
qvn_wine_prefix

limit="${QVN_PROGRAM_TIMEOUT:-540}"
what="$(basename "$1") ($WINEARCH)"
runner=("$QVN_WINE")
if [[ -z "${DISPLAY:-}" ]]; then
    runner=(xvfb-run -a -s "-screen 0 1280x1024x24" "$QVN_WINE")
fi
qvn_bounded "$limit" "$what" "$QVN_LOGS/ctest-$WINEARCH.log" "${runner[@]}" "$@"
