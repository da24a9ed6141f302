#!/usr/bin/env bash
# Runs an end-to-end script against the built program under a private X server, with a
# session bus and the accessibility bus so the script can read the windows from outside.
#   run_e2e.sh BINARY SCRIPT [ARGS...]
# E2E_SCREEN sets the server's screen (WIDTHxHEIGHTxDEPTH, 1280x1024x24 unless given).
set -euo pipefail
binary=$(realpath "$1")
script=$(realpath "$2")
shift 2

work=$(mktemp -d)
chmod 700 "$work"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1280x1024x24}" -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

export XDG_RUNTIME_DIR="$work"
. "$(dirname "$0")/session_bus.sh"
start_session_bus

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export TESSALY_BINARY="$binary"
export E2E_WORK="$work"
/usr/bin/python3 "$script" "$@"
