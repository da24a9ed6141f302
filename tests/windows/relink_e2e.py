"""The relink kit does what it promises: unpacked on its own, its link command makes a 64-bit
Windows program from Tessaly's objects and a static Qt, and that program starts as far as its
splash screen under Wine.

    relink_e2e.py KIT_ZIP QT_PREFIX   (DISPLAY and WINEPREFIX set by scripts/test-windows)
"""

import os
import struct
import subprocess
import sys
import tempfile
import zipfile

import scaffold
import wine_e2e
from scaffold import Failure, check, screenshot, wait_until


def link(kit, qt, folder):
    check(os.path.isfile(kit), f"no {kit}: scripts/build-windows makes it")
    with zipfile.ZipFile(kit) as z:
        z.extractall(folder)
    (root,) = os.listdir(folder)
    root = os.path.join(folder, root)
    script = os.path.join(root, "link.sh")
    done = subprocess.run(["sh", script], env={**os.environ, "QT": qt}, capture_output=True, text=True)
    check(done.returncode == 0, f"link.sh ended with status {done.returncode}: {done.stderr.strip()[-2000:]}")
    return os.path.join(root, "tessaly.exe")


def windows_program(path):
    """Whether the file is a PE image for x86-64 with the Windows GUI subsystem."""
    with open(path, "rb") as f:
        data = f.read(4096)
    if data[:2] != b"MZ":
        return False
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    machine = struct.unpack_from("<H", data, pe + 4)[0]
    subsystem = struct.unpack_from("<H", data, pe + 24 + 68)[0]
    return data[pe:pe + 4] == b"PE\0\0" and machine == 0x8664 and subsystem == 2


def the_relinked_program_shows_its_splash(program):
    splash = wine_e2e.screen_of(None, wine_e2e.SPLASH)
    wait_until("the splash screen's pictures",
               lambda: scaffold.pixel(splash.x + 191, splash.y + 121) == wine_e2e.RED)
    screenshot("relinked-splash")


def main(kit, qt):
    scaffold.TIMEOUT = 20.0
    with tempfile.TemporaryDirectory(prefix="tessaly-relink-") as folder:
        try:
            exe = link(kit, qt, folder)
            check(windows_program(exe), f"{exe} is no 64-bit Windows program")
        except Failure as error:
            print(f"FAIL the_kit_links_a_windows_program: {error}")
            sys.exit(1)
        print("ok   the_kit_links_a_windows_program", flush=True)
        scaffold.run([the_relinked_program_shows_its_splash], lambda step: wine_e2e.Program(exe))


if __name__ == "__main__":
    main(*sys.argv[1:])
