#!/usr/bin/env bash
# Runs an end-to-end script against the built program under a private X server, with a
# session bus and the accessibility bus so the script can read the windows from outside.
#   run_e2e.sh BINARY SCRIPT [ARGS...]
# E2E_SCREEN sets the server's screen (WIDTHxHEIGHTxDEPTH, 1280x1024x24 unless given).
set -euo pipefail
binary=$(realpath "$1")
script=$(realpath "$2")
shift 2

# shellcheck source=SCRIPTDIR/../lib/scaffold.sh
. "$(dirname "$0")/../lib/scaffold.sh"
start_xvfb "${E2E_SCREEN:-1280x1024x24}"
export XDG_RUNTIME_DIR="$work"
start_session_bus

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export TESSALY_BINARY="$binary"
export E2E_WORK="$work"
/usr/bin/python3 "$script" "$@"
