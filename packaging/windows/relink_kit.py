#!/usr/bin/env python3
"""Packs the relink kit: Tessaly's own object files and static libraries, and the command that
links them into tessaly.exe, so that tessaly.exe can be made again with another build of Qt.

    relink_kit.py BUILD QT_PREFIX VERSION OUT_ZIP

The command is the one the build itself links with (ninja's), with the build's own files
moved into objects/ and the Qt prefix made a variable.
"""

import os
import shlex
import subprocess
import sys
import zipfile

REPO = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
# How our static Qt was built, for building a changed one the same way.
QT_BUILD = ["scripts/build-qt-windows", "cmake/mingw-w64-x86_64.cmake"]

README = """{title}
{rule}

tessaly.exe links the Qt {qt} libraries statically. Qt is under the GNU LGPL version 3, which
lets you run Tessaly with a Qt you changed. This kit holds what that takes: Tessaly's own
object files and static libraries (objects/) and the command that links them (link.sh).

You need a mingw-w64 GCC 12 with the POSIX thread model (on Debian: g++-mingw-w64-x86-64-posix;
on Windows: MSYS2's mingw-w64 GCC) and a static Qt {qt} for Windows built with it, configured
like ours: qt-build/build-qt-windows is the script that built ours from Qt's source, with the
toolchain file beside it. Then, in this folder:

    QT=/path/to/your/static/qt sh link.sh

writes tessaly.exe here. CXX names another compiler driver if yours is not
x86_64-w64-mingw32-g++-posix. Put the new tessaly.exe in place of the installed one
(Program Files\\Corvane\\Tessaly).
"""


def link_command(build):
    commands = subprocess.run(["ninja", "-C", build, "-t", "commands", "tessaly.exe"], check=True,
                              capture_output=True, text=True).stdout.splitlines()
    words = shlex.split(commands[-1])
    # ninja wraps the link as ": && g++ ... && :".
    start = words.index("&&") + 1
    return words[start:words.index("&&", start)]


def main(build, qt_prefix, version, out_zip):
    qt_prefix = os.path.normpath(qt_prefix)
    qt = os.path.basename(qt_prefix).split("-")[1]
    words = link_command(build)
    kit, objects = [], []
    skip = False
    for word in words[1:]:
        if skip:
            skip = False
        elif word == "-o":
            kit += ["-o", "tessaly.exe"]
            skip = True
        elif word.startswith("-Wl,--out-implib,"):
            continue  # an import library for an .exe nobody imports from
        elif os.path.normpath(word).startswith(qt_prefix + os.sep):
            kit.append('"$QT/' + os.path.relpath(os.path.normpath(word), qt_prefix) + '"')
        elif not word.startswith("-") and os.path.isfile(os.path.join(build, word)):
            objects.append(os.path.normpath(word))
            kit.append(shlex.quote("objects/" + os.path.normpath(word)))
        else:
            kit.append(shlex.quote(word))

    script = ("#!/bin/sh\n"
              "# Links tessaly.exe from objects/ and the static Qt that QT names.\n"
              "set -e\n"
              ': "${QT:?QT names the static Qt to link with}"\n'
              'cd "$(dirname "$0")"\n'
              '"${CXX:-x86_64-w64-mingw32-g++-posix}" ' + " ".join(kit) + "\n")
    os.makedirs(os.path.dirname(os.path.abspath(out_zip)), exist_ok=True)
    if os.path.exists(out_zip):
        os.remove(out_zip)
    root = f"tessaly-{version}-relink/"
    with zipfile.ZipFile(out_zip, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        title = f"Tessaly {version}: relinking with another Qt"
        z.writestr(root + "README.txt", README.format(title=title, rule="=" * len(title), qt=qt))
        info = zipfile.ZipInfo(root + "link.sh")
        info.external_attr = 0o100755 << 16
        info.compress_type = zipfile.ZIP_DEFLATED
        z.writestr(info, script)
        for path in QT_BUILD:
            z.write(os.path.join(REPO, path), root + "qt-build/" + os.path.basename(path))
        for path in dict.fromkeys(objects):
            z.write(os.path.join(build, path), root + "objects/" + path)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
