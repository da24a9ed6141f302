#!/usr/bin/env bash
# Runs the program in a real Wayland compositor (weston, headless, with XWayland) as a
# Wayland session would start it, and checks that it went through XWayland: its splash
# screen is an X window on XWayland's display, centred where it should be. Then the About
# box opens and leaves its place to the compositor, which is the window manager here.
#   wayland_e2e.sh BINARY      (exits 77, skipped, where weston or Xwayland is missing)
set -euo pipefail
binary=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
if ! command -v weston >/dev/null || ! command -v Xwayland >/dev/null || ! command -v xwininfo >/dev/null; then
  echo "weston, Xwayland or xwininfo missing: skipped"
  exit 77
fi

# shellcheck source=SCRIPTDIR/../lib/scaffold.sh
. "$here/../lib/scaffold.sh"
export XDG_RUNTIME_DIR="$work"
background "$work/weston.log" weston --backend=headless-backend.so --xwayland --socket=tessaly-wl \
  --width=1280 --height=1024 --idle-time=0
xwayland_display() { sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log"; }
weston_ready() { [ -n "$(xwayland_display)" ] && [ -S "$work/tessaly-wl" ]; }
wait_for "weston's socket and its XWayland display" 10 weston_ready || { cat "$work/weston.log"; exit 1; }
DISPLAY=$(xwayland_display)
export DISPLAY

# A session bus with the accessibility bus, through which About is chosen below.
start_session_bus

# As a Wayland session starts a program: both displays known, no platform chosen.
background "$work/tessaly.log" env -u QT_QPA_PLATFORM WAYLAND_DISPLAY=tessaly-wl QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  "$binary"

# XWayland here is rootless: its root window holds no picture to keep. A failed run keeps
# weston's and the program's logs instead.
# The program's X window with this title and size, as "ID +X+Y".
x_window() { xwininfo -root -tree | grep "\"$1\": (\"tessaly\" \"tessaly\")  $2" | awk '{print $1, $NF}'; }
splash() { x_window tessaly 505x357; }
splash_shown() { [ -n "$(splash)" ]; }
# Centred on the 1280 x 1024 output: ((1280 - 505) / 2, (1024 - 357) / 2). The compositor
# maps the window first and places its frame a moment later.
splash_centred() { [ "$(splash | cut -d' ' -f2)" = "+387+333" ]; }
if ! wait_for "a 505x357 splash window on XWayland's display $DISPLAY" 10 splash_shown; then
  xwininfo -root -tree | grep -i tessaly || true
  exit 1
fi
if ! wait_for "the splash screen centred at +387+333" 5 splash_centred; then
  echo "FAIL: the splash screen stands at $(splash | cut -d' ' -f2)"
  exit 1
fi
echo "ok   the splash screen opens through XWayland, centred at +387+333"

# A key on the splash leads to the tutorial. Input through XTEST makes a headless XWayland
# fail, so the key goes to the splash window as an event of its own.
xdotool key --window "$(splash | cut -d' ' -f1)" a 2>/dev/null
PYTHONPATH="$here:$PYTHONPATH" /usr/bin/python3 - <<'PY'
import pyatspi

from driver import descendants
from scaffold import Failure, wait_until

try:
    program = wait_until("the program on the accessibility bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "tessaly"), None))
    about = wait_until("About on the tutorial's menu bar", lambda: next(
        iter(descendants(program, "menu item", "About")), None))
except Failure as failure:
    raise SystemExit(f"FAIL {failure}")
about.queryAction().doAction(0)
PY
# The box asks the compositor, as the window manager, for no place of its own. Where weston
# then puts it is weston's affair: mostly away from the origin, but now and then its frame stays
# at the origin, so the place is reported, not checked.
about_box() { x_window "About Corvane Tessaly" 347x205; }
about_shown() { [ -n "$(about_box)" ]; }
wait_for "the About box" 10 about_shown
if xprop -id "$(about_box | cut -d' ' -f1)" WM_NORMAL_HINTS | grep -q 'specified location'; then
  echo "FAIL: the About box asks the window manager for a place of its own"
  exit 1
fi
# Nothing tells when weston has placed the box: it may stay where it was mapped.
sleep 1
echo "ok   the About box asks for no place; the compositor put it at $(about_box | cut -d' ' -f2)"
