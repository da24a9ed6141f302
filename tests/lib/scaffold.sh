# shellcheck shell=bash
# Sourced by the test scripts that start servers and programs of their own. It gives them a
# private work folder ($work) and one exit trap that ends everything started through here and
# removes that folder; a private X server; a session bus with the accessibility bus; waits
# that fail loudly; and a folder for screenshots and logs that outlives the run.
#
#   background LOG COMMAND...          starts COMMAND with its output in LOG ($! is its id)
#   keep_pid PID                       a process started otherwise, a daemon that forks
#   at_exit COMMAND...                 run by the trap before the processes are ended
#   wait_for WHAT SECONDS COMMAND...   polls COMMAND; "FAIL waited N s for WHAT" when it never succeeds
#   start_xvfb [WIDTHxHEIGHTxDEPTH]    exports DISPLAY (1280x1024x24 unless given)
#   start_session_bus                  exports DBUS_SESSION_BUS_ADDRESS, with the accessibility bus on it
#   screenshot NAME                    the X screen now, as $TESSALY_ARTIFACTS/NAME.png
#
# TESSALY_ARTIFACTS names the folder that is kept: /tmp/tessaly-e2e-SCRIPT unless given (CTest
# gives one under the build directory). A run that fails keeps its logs ($work/*.log) there too.

work=$(mktemp -d)
chmod 700 "$work"
export TESSALY_ARTIFACTS="${TESSALY_ARTIFACTS:-${TMPDIR:-/tmp}/tessaly-e2e-$(basename "$0" .sh)}"
# The Python drivers' shared module, scaffold.py, stands beside this file.
PYTHONPATH="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)${PYTHONPATH:+:$PYTHONPATH}"
export PYTHONPATH
_scaffold_pids=()
_scaffold_at_exit=()

_scaffold_cleanup() {
  local status=$? command i
  for command in "${_scaffold_at_exit[@]}"; do eval "$command" || true; done
  # The latest first: a program goes before the servers it uses.
  for ((i = ${#_scaffold_pids[@]} - 1; i >= 0; i--)); do kill "${_scaffold_pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [ "$status" -ne 0 ] && compgen -G "$work/*.log" >/dev/null; then
    mkdir -p "$TESSALY_ARTIFACTS"
    cp "$work"/*.log "$TESSALY_ARTIFACTS"/
    echo "     logs kept in $TESSALY_ARTIFACTS"
  fi
  rm -rf "$work"
}
trap _scaffold_cleanup EXIT

background() {
  local log=$1
  shift
  "$@" >"$log" 2>&1 &
  _scaffold_pids+=($!)
}

keep_pid() {
  _scaffold_pids+=("$1")
}

at_exit() {
  _scaffold_at_exit+=("$(printf '%q ' "$@")")
}

wait_for() {
  local what=$1 seconds=$2
  shift 2
  local end=$((${EPOCHREALTIME//[!0-9]/} + seconds * 1000000))
  until "$@" >/dev/null 2>&1; do
    if ((${EPOCHREALTIME//[!0-9]/} > end)); then
      echo "FAIL waited $seconds s for $what" >&2
      return 1
    fi
    sleep 0.1
  done
}

start_xvfb() {
  local fd
  # The server writes its display number to this file once it takes connections. -noreset:
  # the last client to disconnect does not reset it under the next one.
  exec {fd}>"$work/display"
  background "$work/xvfb.log" Xvfb -displayfd "$fd" -screen 0 "${1:-1280x1024x24}" -nolisten tcp -noreset
  exec {fd}>&-
  wait_for "Xvfb to give its display number" 10 test -s "$work/display" || { cat "$work/xvfb.log" >&2; return 1; }
  DISPLAY=":$(head -n 1 "$work/display")"
  export DISPLAY
}

# The session bus, and on it the accessibility bus through which the tests read and press
# the program's controls.
start_session_bus() {
  dbus-daemon --session --fork --address="unix:path=$work/bus" --print-pid=1 >"$work/dbus.pid" 2>/dev/null
  keep_pid "$(cat "$work/dbus.pid")"
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"
  background /dev/null /usr/libexec/at-spi-bus-launcher --launch-immediately
  wait_for "the accessibility bus" 10 \
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress
}

screenshot() {
  local shot="$TESSALY_ARTIFACTS/$1.png"
  mkdir -p "$TESSALY_ARTIFACTS"
  if import -window root "$shot" 2>/dev/null; then
    echo "     screenshot: $shot"
  else
    echo "     no screenshot could be taken of $DISPLAY"
  fi
}
