# Sourced by the end-to-end scripts: a private session bus with the accessibility bus on it,
# through which the tests read and press the program's controls. Uses the caller's $work
# folder and adds what it starts to the caller's pids array.
start_session_bus() {
  dbus-daemon --session --fork --address="unix:path=$work/bus" --print-pid=1 >"$work/dbus.pid" 2>/dev/null
  pids+=("$(cat "$work/dbus.pid")")
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "FAIL the accessibility bus did not start within 10 s" >&2
  return 1
}
