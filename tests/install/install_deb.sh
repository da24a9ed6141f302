#!/usr/bin/env bash
# Installs the built .deb into a bare Debian 12 with apt, so that every library comes from
# Debian through the package's own dependencies, and checks that the program starts there and
# that the desktop finds its menu entry and icon.
#   install_deb.sh PACKAGE.deb
# The bare system is made once with debootstrap and kept as a tar in ~/.cache/tessaly; delete
# it to start from a fresh one. Exits 77 (skipped) without root or without the Debian mirror.
set -euo pipefail

package=$(realpath "$1")
# The machine's own mirrors, from its apt configuration: the main archive and the security one.
uris=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | awk '$1 == "deb" {print $2}';
       cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '$1 == "URIs:" {print $2}')
archive=$(grep -v -- '-security' <<<"$uris" | head -n 1 || true)
security=$(grep -- '-security' <<<"$uris" | head -n 1 || true)
security=${security:-$archive}
mirror=$(sed -E 's#^[a-z]+://([^/]+).*#\1#' <<<"$archive")
app_id=com.corvane.Tessaly
splash_size=505x357

if [ "$(id -u)" -ne 0 ]; then
  echo "debootstrap and chroot need root: skipped"
  exit 77
fi
if ! timeout 15 bash -c "exec 3<>/dev/tcp/$mirror/80" 2>/dev/null; then
  echo "no connection to $mirror: skipped"
  exit 77
fi

cache="${XDG_CACHE_HOME:-$HOME/.cache}/tessaly"
tarball="$cache/bookworm-root.tar"
mkdir -p "$cache"
(
  # Another run may be making the same tree.
  flock 9
  if [ ! -f "$tarball" ]; then
    echo "making a bare Debian 12 in $tarball (once)"
    partial="$cache/bookworm-root.partial"
    rm -rf "$partial"
    debootstrap --variant=minbase --keyring=/usr/share/keyrings/debian-archive-keyring.gpg \
      bookworm "$partial" "$archive" >"$cache/debootstrap.log" 2>&1 ||
      { tail -n 20 "$cache/debootstrap.log"; exit 1; }
    cat >"$partial/etc/apt/sources.list" <<LIST
deb $archive bookworm main
deb $archive bookworm-updates main
deb $security bookworm-security main
LIST
    chroot "$partial" apt-get clean
    tar -C "$partial" --numeric-owner -cf "$tarball.partial" .
    mv "$tarball.partial" "$tarball"
    rm -rf "$partial"
  fi
) 9>"$cache/bookworm-root.lock"

# shellcheck source=SCRIPTDIR/../lib/scaffold.sh
. "$(dirname "$0")/../lib/scaffold.sh"
root="$work/root"
mkdir "$root"
tar -C "$root" --numeric-owner -xpf "$tarball"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$package" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

# Without recommends: what the package depends on must be enough on its own.
in_root apt-get update -qq
in_root DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "/tmp/$(basename "$package")" >"$work/apt.log" 2>&1 || { tail -n 30 "$work/apt.log"; exit 1; }

failed=0
fail() {
  echo "FAIL $*"
  failed=1
}

entry="$root/usr/share/applications/$app_id.desktop"
[ -f "$entry" ] || { echo "FAIL no desktop entry at ${entry#"$root"}"; exit 1; }
key() { sed -n "s/^$1=//p" "$entry"; }
exec_name=$(key Exec | cut -d' ' -f1)
icon=$(key Icon)
wm_class=$(key StartupWMClass)
in_root sh -c "command -v '$exec_name'" >/dev/null || fail "Exec=$exec_name is not on the PATH"
# Where icon themes look: hicolor, by size, under the name the entry gives.
for size in 16 24 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png"
  if [ ! -f "$png" ]; then
    fail "no ${size}x${size} icon at ${png#"$root"}"
  elif [ "$(identify -format %wx%h "$png")" != "${size}x${size}" ]; then
    fail "${png#"$root"} is $(identify -format %wx%h "$png")"
  fi
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
# The program asks for Times New Roman and Arial; Debian has them as Liberation Serif and Sans.
for font in LiberationSerif-Regular LiberationSans-Regular; do
  [ -f "$root/usr/share/fonts/truetype/liberation2/$font.ttf" ] || fail "no $font font"
done
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
  "$root/usr/share/metainfo/$app_id.metainfo.xml" || fail "the metainfo does not launch $app_id.desktop"

# The program from the installed system on a private X server of the host's.
start_xvfb 1280x1024x24
mkdir -m 700 "$root/tmp/runtime"
background "$work/program.log" in_root DISPLAY="$DISPLAY" XDG_RUNTIME_DIR=/tmp/runtime "$exec_name"

# The splash screen is the first window, found by the class the entry tells the desktop to
# expect; it has painted once it shows its pictures and text, not a plain background.
painted_splash() {
  local colours
  window=$(xdotool search --onlyvisible --class "^$wm_class\$" | head -n1)
  [ -n "$window" ] || return 1
  colours=$(import -window "$window" png:- | identify -format %k -) || return 1
  [ "$colours" -gt 16 ]
}
if ! wait_for "a painted window of class '$wm_class' (the entry's StartupWMClass)" 30 painted_splash; then
  fail "no painted splash window; the program said:"
  cat "$work/program.log"
  screenshot install-deb
else
  size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
  [ "$size" = "$splash_size" ] || fail "the splash window is $size, not $splash_size"
fi

if [ "$failed" -eq 0 ]; then
  echo "ok   $(basename "$package") installs into Debian 12 and shows its $splash_size splash window"
fi
exit "$failed"
