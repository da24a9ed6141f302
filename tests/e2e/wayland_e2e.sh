#!/usr/bin/env bash
# Runs the program in a real Wayland compositor (weston, headless, with XWayland) as a
# Wayland session would start it, and checks that it went through XWayland: its splash
# screen is an X window on XWayland's display, centred where it should be.
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

# As a Wayland session starts a program: both displays known, no platform chosen.
env -u QT_QPA_PLATFORM WAYLAND_DISPLAY=tessaly-wl DISPLAY="$display" "$binary" >"$work/tessaly.log" 2>&1 &
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
