#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's prefix and returns its
# exit code. CMake uses this to start the cross-compiled test programs.
# Without a display it brings up a throwaway Xvfb, so `ctest` can be run by hand.
set -euo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

qvn_wine_env
qvn_wine_prefix

if [[ -z "${DISPLAY:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@"
fi
exec wine "$@"
