#!/usr/bin/env bash
# Runs the program in a real Wayland compositor (weston, headless, with XWayland) as a
# Wayland session would start it, and checks that it went through XWayland: its splash
# screen is an X window on XWayland's display, centred where it should be. Then the About
# box opens and leaves its place to the compositor, which is the window manager here.
#   wayland_e2e.sh BINARY      (exits 77, skipped, where weston or Xwayland is missing)
set -euo pipefail
binary=$(realpath "$1")
if ! command -v weston >/dev/null || ! command -v Xwayland >/dev/null || ! command -v xwininfo >/dev/null; then
  echo "weston, Xwayland or xwininfo missing: skipped"
  exit 77
fi

work=$(mktemp -d)
chmod 700 "$work"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR="$work"
weston --backend=headless-backend.so --xwayland --socket=tessaly-wl --width=1280 --height=1024 --idle-time=0 \
  >"$work/weston.log" 2>&1 &
pids+=($!)
display=""
for _ in $(seq 100); do
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")
  [ -n "$display" ] && [ -S "$work/tessaly-wl" ] && break
  sleep 0.1
done
[ -n "$display" ] || { echo "weston did not start XWayland"; cat "$work/weston.log"; exit 1; }

# A session bus with the accessibility bus, through which About is chosen below.
. "$(dirname "$0")/session_bus.sh"
start_session_bus

# As a Wayland session starts a program: both displays known, no platform chosen.
env -u QT_QPA_PLATFORM WAYLAND_DISPLAY=tessaly-wl DISPLAY="$display" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$binary" \
  >"$work/tessaly.log" 2>&1 &
pids+=($!)

splash=""
for _ in $(seq 100); do
  splash=$(DISPLAY="$display" xwininfo -root -tree 2>/dev/null | grep '"tessaly": ("tessaly" "tessaly")  505x357' || true)
  [ -n "$splash" ] && break
  sleep 0.1
done
if [ -z "$splash" ]; then
  echo "FAIL: no 505x357 splash window on XWayland's display $display"
  DISPLAY="$display" xwininfo -root -tree | grep -i tessaly || true
  exit 1
fi
# Centred on the 1280 x 1024 output: ((1280 - 505) / 2, (1024 - 357) / 2). The compositor
# maps the window first and places its frame a moment later.
at=""
for _ in $(seq 50); do
  at=$(DISPLAY="$display" xwininfo -root -tree 2>/dev/null | grep '"tessaly": ("tessaly" "tessaly")  505x357' | awk '{print $NF}')
  [ "$at" = "+387+333" ] && break
  sleep 0.1
done
if [ "$at" != "+387+333" ]; then
  echo "FAIL: the splash screen stands at $at, not centred at +387+333"
  exit 1
fi
echo "ok   the splash screen opens through XWayland, centred at $at"

# A key on the splash leads to the tutorial. Input through XTEST makes a headless XWayland
# fail, so the key goes to the splash window as an event of its own.
splash_id=$(DISPLAY="$display" xwininfo -root -tree | grep '"tessaly": ("tessaly" "tessaly")  505x357' | awk '{print $1}')
DISPLAY="$display" xdotool key --window "$splash_id" a 2>/dev/null
/usr/bin/python3 - <<'PY'
import time
import pyatspi

def walk(acc):
    for child in acc:
        if child is not None:
            yield child
            yield from walk(child)

end = time.monotonic() + 10
while True:
    program = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "tessaly"), None)
    about = next((i for i in walk(program) if i.getRoleName() == "menu item" and i.name == "About"), None) if program else None
    if about or time.monotonic() > end:
        break
    time.sleep(0.1)
if not about:
    raise SystemExit("FAIL: no About on the tutorial's menu bar")
about.queryAction().doAction(0)
PY
# The box asks the compositor, as the window manager, for no place of its own. Where weston
# then puts it is weston's affair: mostly away from the origin, but now and then its frame stays
# at the origin, so the place is reported, not checked.
box_id=""
for _ in $(seq 100); do
  box_id=$(DISPLAY="$display" xwininfo -root -tree 2>/dev/null | grep '"About Corvane Tessaly": ("tessaly" "tessaly")  347x205' | awk '{print $1}' || true)
  [ -n "$box_id" ] && break
  sleep 0.1
done
[ -n "$box_id" ] || { echo "FAIL: no About box"; exit 1; }
if DISPLAY="$display" xprop -id "$box_id" WM_NORMAL_HINTS | grep -q 'specified location'; then
  echo "FAIL: the About box asks the window manager for a place of its own"
  exit 1
fi
sleep 1
at=$(DISPLAY="$display" xwininfo -root -tree | grep '"About Corvane Tessaly"' | awk '{print $NF}')
echo "ok   the About box asks for no place; the compositor put it at $at"
