"""The installer under Wine, as IT would deploy it: a silent per-machine install into a fresh
prefix, the Start menu shortcut started as a user would, a silent removal that leaves nothing
behind, and a newer version that replaces the older one.

    msi_e2e.py SOURCE_DIR VERSION   (DISPLAY set by scripts/test-windows; exits 77 without wixl)

SOURCE_DIR/dist holds the installer scripts/build-windows made; a second one, one minor
version up, is made here with scripts/package-windows.
"""

import getpass
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile

import scaffold
import wine_e2e
from scaffold import Failure, check, screenshot, tool, wait_until

UNINSTALL = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"


class Prefix:
    """A Wine prefix of the test's own in the build directory, new for each run, with no menu
    entries made on the host."""

    def __init__(self, path):
        self.path = path
        self.env = {**os.environ, "WINEPREFIX": path, "WINEDEBUG": "-all",
                    "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d"}
        shutil.rmtree(path, ignore_errors=True)
        self.run("wineboot", "--init")
        # wineboot leaves the prefix's setup running in the background; a program started meanwhile
        # can wait for it well past the test's patience.
        self.run("wineserver", "-w")

    def run(self, *command):
        done = subprocess.run(command, env=self.env, capture_output=True, text=True, timeout=300)
        if done.returncode != 0:
            raise Failure(f"{' '.join(command)} ended with status {done.returncode}: {done.stderr.strip()[-500:]}")
        return done.stdout

    def msiexec(self, action, msi):
        self.run("wine", "msiexec", action, "Z:" + msi.replace("/", "\\"), "/qn")

    def stop(self):
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)

    def program_files(self):
        return os.path.join(self.path, "drive_c", "Program Files", "Corvane", "Tessaly")

    def shortcuts(self):
        """Where the Start menu's shortcut may be: Windows puts a per-machine installation's in the
        Start menu of all users; Wine's installer puts it in the user's own."""
        menu = os.path.join("Microsoft", "Windows", "Start Menu", "Programs", "Tessaly.lnk")
        return [os.path.join(self.path, "drive_c", "ProgramData", menu),
                os.path.join(self.path, "drive_c", "users", getpass.getuser(), "AppData", "Roaming", menu)]

    def shortcut(self):
        found = [p for p in self.shortcuts() if os.path.isfile(p)]
        check(len(found) == 1, f"one Tessaly shortcut in the Start menu, not {found}")
        return found[0]

    def entries(self):
        """Add or Remove Programs' entries for Tessaly: a dict of values for each."""
        found, key, values = [], None, {}
        for line in self.run("wine", "reg", "query", UNINSTALL, "/s").replace("\r", "").splitlines():
            if line.startswith("HKEY_"):
                if values.get("DisplayName") == "Tessaly":
                    found.append(values)
                key, values = line, {}
            elif key:
                value = re.match(r"\s+(.*?)\s+(REG_\w+)\s+(.*)$", line)
                if value:
                    values[value.group(1)] = value.group(3)
        if values.get("DisplayName") == "Tessaly":
            found.append(values)
        return found


def link_target(path):
    """The local path a shell link points to, from its LinkInfo."""
    with open(path, "rb") as f:
        data = f.read()
    check(data[:4] == b"\x4c\0\0\0", f"{path} is no shell link")
    flags = struct.unpack_from("<I", data, 0x14)[0]
    offset = 0x4C
    if flags & 1:  # an ID list comes first
        offset += 2 + struct.unpack_from("<H", data, offset)[0]
    check(flags & 2, f"{path} has no link information")
    base = offset + struct.unpack_from("<I", data, offset + 16)[0]
    return data[base:data.index(b"\0", base)].decode("latin-1")


def icon_location(path):
    """Where a shell link takes its icon from: its IconLocation string, or None."""
    with open(path, "rb") as f:
        data = f.read()
    flags = struct.unpack_from("<I", data, 0x14)[0]
    offset = 0x4C
    if flags & 1:  # an ID list
        offset += 2 + struct.unpack_from("<H", data, offset)[0]
    if flags & 2:  # link information
        offset += struct.unpack_from("<I", data, offset)[0]
    unicode = flags & 0x80
    # The strings that may come before the icon's: name, relative path, working folder, arguments.
    for flag in (0x04, 0x08, 0x10, 0x20, 0x40):
        if not flags & flag:
            continue
        count = struct.unpack_from("<H", data, offset)[0]
        size = count * (2 if unicode else 1)
        text = data[offset + 2:offset + 2 + size].decode("utf-16-le" if unicode else "latin-1").rstrip("\0")
        offset += 2 + size
        if flag == 0x40:
            return text
    return None


def installed_splash(prefix):
    """The program the shortcut starts shows its splash screen."""
    target = link_target(prefix.shortcut())
    check(target.lower() == r"c:\program files\corvane\tessaly\tessaly.exe", f"the shortcut points to {target}")
    program = scaffold.Program(["wine", target], {k: v for k, v in prefix.env.items() if k.startswith("WINE")})
    try:
        splash = wine_e2e.screen_of(None, wine_e2e.SPLASH)
        wait_until("the splash screen's pictures",
                   lambda: scaffold.pixel(splash.x + 191, splash.y + 121) == wine_e2e.RED)
        screenshot("installed-splash")
    finally:
        program.close()
        prefix.stop()


def main(source, version):
    if not shutil.which("wixl"):
        print("wixl is missing (scripts/bootstrap windows installs it): no installer to test")
        sys.exit(77)
    scaffold.TIMEOUT = 30.0
    msi = os.path.join(source, "dist", f"tessaly-{version}-x64.msi")
    check(os.path.isfile(msi), f"no {msi}: scripts/build-windows makes it")
    work = tempfile.mkdtemp(prefix="tessaly-msi-")
    prefix = Prefix(os.path.join(os.getcwd(), "msi-wineprefix"))
    major, minor = version.split(".")[:2]
    newer_version = f"{major}.{int(minor) + 1}"

    def installs_per_machine_with_a_start_menu_shortcut_that_starts_the_program(_):
        prefix.msiexec("/i", msi)
        check(os.path.isfile(os.path.join(prefix.program_files(), "tessaly.exe")), "no tessaly.exe in Program Files")
        check(os.path.isfile(os.path.join(prefix.program_files(), "licenses", "README.txt")), "no licences")
        prefix.shortcut()
        entries = prefix.entries()
        check(len(entries) == 1, f"uninstall entries {entries}")
        entry = entries[0]
        check((entry.get("Publisher"), entry.get("DisplayVersion")) == ("Corvane", version), f"entry {entry}")
        check(entry.get("DisplayName") == "Tessaly", f"entry {entry}")
        # Windows makes the entry's icon from the package's ARPPRODUCTICON; Wine's installer
        # writes no DisplayIcon, so the package itself is read: the property names an icon it holds.
        properties = dict(line.split("\t", 1) for line in tool("msiinfo", "export", msi, "Property").splitlines()[3:])
        icons = [line.split("\t", 1)[0] for line in tool("msiinfo", "export", msi, "Icon").splitlines()[3:]]
        check(properties.get("ARPPRODUCTICON") in icons, f"ARPPRODUCTICON {properties.get('ARPPRODUCTICON')} of {icons}")
        # The shortcut shows the program's icon: the icon file the installer kept for it.
        icon = icon_location(prefix.shortcut())
        check(icon and icon.lower().endswith(".ico"), f"the shortcut's icon is {icon!r}")
        kept = os.path.join(prefix.path, "drive_c", *icon[3:].split("\\"))
        check(os.path.isfile(kept), f"the shortcut's icon {icon} is not there")
        check(all(icon.endswith(".ico") for icon in icons), f"icons {icons}: an icon file, not the program again")
        # The program is in the package once, compressed as in the zip: the package is hardly larger.
        zipped = os.path.getsize(os.path.join(source, "dist", "tessaly-windows-x86_64.zip"))
        check(os.path.getsize(msi) <= zipped + 2 * 1024 * 1024,
              f"the installer is {os.path.getsize(msi)} bytes, the zip {zipped}")
        installed_splash(prefix)

    def silent_removal_leaves_nothing(_):
        prefix.msiexec("/x", msi)
        left = [p for p in (prefix.program_files(), *prefix.shortcuts()) if os.path.exists(p)]
        check(not left, f"left behind: {left}")
        check(not prefix.entries(), f"uninstall entries left: {prefix.entries()}")

    def a_newer_version_replaces_the_older(_):
        made = subprocess.run([os.path.join(source, "scripts", "package-windows"), "msi", newer_version, work],
                              capture_output=True, text=True)
        check(made.returncode == 0, f"package-windows msi {newer_version}: {made.stderr.strip()}")
        prefix.msiexec("/i", msi)
        prefix.msiexec("/i", os.path.join(work, f"tessaly-{newer_version}-x64.msi"))
        entries = prefix.entries()
        check([e.get("DisplayVersion") for e in entries] == [newer_version], f"uninstall entries {entries}")
        check(os.path.isfile(os.path.join(prefix.program_files(), "tessaly.exe")), "no tessaly.exe after the upgrade")
        prefix.msiexec("/x", os.path.join(work, f"tessaly-{newer_version}-x64.msi"))
        check(not prefix.entries() and not os.path.exists(prefix.program_files()), "the newer version stayed")

    try:
        scaffold.run([installs_per_machine_with_a_start_menu_shortcut_that_starts_the_program,
                      silent_removal_leaves_nothing, a_newer_version_replaces_the_older], lambda step: None)
    finally:
        prefix.stop()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main(*sys.argv[1:])
