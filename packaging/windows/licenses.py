#!/usr/bin/env python3
"""Gathers the licences of everything linked into the static tessaly.exe into one folder, with
a README.txt naming each component, its version and its licence.

    licenses.py QT_SOURCE QT_PREFIX OUT

A third-party component is listed only when the static Qt really holds it: each one below
names the archive and the object file that carry its code, and a component whose object is
missing from the archive is left out. The texts come from Qt's own sources and from the
Debian packages of the compiler and its runtime.
"""

import functools
import glob
import json
import os
import shutil
import subprocess
import sys

# (attribution folder in the Qt source, attribution Id, archive, object file that holds it)
COMPONENTS = [
    ("src/3rdparty/double-conversion", "doubleconversion", "libQt6Core.a", "double-to-string.cc.obj"),
    ("src/3rdparty/easing", "easing", "libQt6Core.a", "qeasingcurve.cpp.obj"),
    ("src/3rdparty/tinycbor", "tinycbor", "libQt6Core.a", "qcborstreamreader.cpp.obj"),
    ("src/3rdparty/blake2", "blake2", "libQt6Core.a", "qcryptographichash.cpp.obj"),
    ("src/3rdparty/md4", "md4", "libQt6Core.a", "qcryptographichash.cpp.obj"),
    ("src/3rdparty/md5", "md5", "libQt6Core.a", "qcryptographichash.cpp.obj"),
    ("src/3rdparty/sha1", "sha1", "libQt6Core.a", "qcryptographichash.cpp.obj"),
    ("src/3rdparty/rfc6234", "rfc6234", "libQt6Core.a", "qcryptographichash.cpp.obj"),
    ("src/3rdparty/sha3", "sha3_endian", "libQt6Core.a", "qcryptographichash.cpp.obj"),
    ("src/3rdparty/sha3", "sha3_keccak", "libQt6Core.a", "qcryptographichash.cpp.obj"),
    ("src/corelib/tools", "siphash", "libQt6Core.a", "qhash.cpp.obj"),
    ("src/corelib/text", "unicode-character-database", "libQt6Core.a", "qstring.cpp.obj"),
    ("src/corelib/text", "unicode-cldr", "libQt6Core.a", "qlocale.cpp.obj"),
    ("src/3rdparty/zlib", "zlib", "libQt6BundledZLIB.a", "deflate.c.obj"),
    ("src/3rdparty/pcre2", "pcre2", "libQt6BundledPcre2.a", "pcre2_compile.c.obj"),
    ("src/3rdparty/pcre2", "pcre2-sljit", "libQt6BundledPcre2.a", "pcre2_jit_compile.c.obj"),
    ("src/3rdparty/md4c", "md4c", "libQt6Gui.a", "md4c.c.obj"),
    ("src/gui/painting", "grayraster", "libQt6Gui.a", "qgrayraster.c.obj"),
    ("src/gui/painting", "smooth-scaling-algorithm", "libQt6Gui.a", "qimagescale.cpp.obj"),
    ("src/gui/painting", "xserverhelper", "libQt6Gui.a", "qregion.cpp.obj"),
    ("src/gui/text", "aglfn", "libQt6Gui.a", "qfontsubset.cpp.obj"),
    ("src/3rdparty/icc", "icc-sRGB-color-profile", "libQt6Gui.a", "qpdf.cpp.obj"),
    ("util/gradientgen", "webgradients", "libQt6Gui.a", "qbrush.cpp.obj"),
    ("src/3rdparty/harfbuzz-ng", "harfbuzz-ng", "libQt6BundledHarfbuzz.a", "hb-ot-shape.cc.obj"),
    ("src/3rdparty/freetype", "freetype", "libQt6BundledFreetype.a", "ftbase.c.obj"),
    ("src/3rdparty/freetype", "freetype-zlib", "libQt6BundledFreetype.a", "ftgzip.c.obj"),
    ("src/3rdparty/freetype", "freetype-bdf", "libQt6BundledFreetype.a", "bdf.c.obj"),
    ("src/3rdparty/freetype", "freetype-pcf", "libQt6BundledFreetype.a", "pcf.c.obj"),
    ("src/3rdparty/libpng", "libpng", "libQt6BundledLibpng.a", "png.c.obj"),
]
QT_MODULES = "Qt Core, Qt GUI, Qt Widgets, Qt Print Support, the Windows platform and Windows Vista style plugins"
AR = "x86_64-w64-mingw32-ar"
GCC_COPYRIGHT = "/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright"
MINGW_COPYRIGHT = "/usr/share/doc/mingw-w64-x86-64-dev/copyright"
GPL3 = "/usr/share/common-licenses/GPL-3"


def attributions(path):
    with open(path, encoding="utf-8") as f:
        # Some of Qt's files hold line breaks inside strings.
        found = json.loads(f.read(), strict=False)
    return found if isinstance(found, list) else [found]


@functools.cache
def members(archive):
    return set(subprocess.run([AR, "t", archive], check=True, capture_output=True, text=True).stdout.split())


def package_version(name):
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", name], check=True, capture_output=True,
                          text=True).stdout


def main(qt_source, qt_prefix, out):
    if os.path.exists(out):
        shutil.rmtree(out)
    os.makedirs(out)
    qt_version = os.path.basename(os.path.normpath(qt_source)).rsplit("-", 1)[-1]
    entries = []

    def copy(source, name):
        # Windows opens a text by its ending: every file here is a .txt.
        if not name.endswith(".txt"):
            name += ".txt"
        shutil.copyfile(source, os.path.join(out, name))
        return name

    entries.append(("Qt " + qt_version, qt_version, "LGPL-3.0-only",
                    [copy(os.path.join(qt_source, "LICENSES", "LGPL-3.0-only.txt"), "Qt-LGPL-3.0.txt"),
                     copy(os.path.join(qt_source, "LICENSES", "GPL-3.0-only.txt"), "Qt-GPL-3.0.txt")],
                    f"{QT_MODULES}, linked statically. See NOTICE.txt for how to relink with a changed Qt."))

    for folder, ident, archive, member in COMPONENTS:
        if member not in members(os.path.join(qt_prefix, "lib", archive)):
            print(f"licenses: {ident} left out, {archive} has no {member}", file=sys.stderr)
            continue
        entry = next(e for e in attributions(os.path.join(qt_source, folder, "qt_attribution.json"))
                     if e["Id"] == ident)
        files = []
        if entry.get("LicenseFile"):
            source = os.path.normpath(os.path.join(qt_source, folder, entry["LicenseFile"]))
            files.append(copy(source, f"{ident}-{os.path.basename(source)}"))
        licence = entry.get("LicenseId") or entry.get("License")
        note = " ".join(entry["Copyright"].split()) if not files and entry.get("Copyright") else ""
        entries.append((entry["Name"], entry.get("Version") or "as bundled with Qt " + qt_version, licence,
                        files, f"in {archive}. {note}".strip()))

    gcc_version = package_version("gcc-mingw-w64-x86-64-posix-runtime")
    entries.append(("GCC runtime: libstdc++ and libgcc", gcc_version,
                    "GPL-3.0-or-later WITH GCC-exception-3.1",
                    [copy(GCC_COPYRIGHT, "GCC-runtime-copyright.txt"), copy(GPL3, "GPL-3.0.txt")],
                    "linked statically; the GCC Runtime Library Exception is in GCC-runtime-copyright.txt."))
    entries.append(("mingw-w64 runtime and winpthreads", package_version("mingw-w64-x86-64-dev"),
                    "MIT (winpthreads), ZPL-2.1 and public domain (runtime)",
                    [copy(MINGW_COPYRIGHT, "mingw-w64-copyright.txt")], "linked statically."))

    # scripts/build-qt-windows unpacks Debian's source package beside its .dsc.
    (dsc,) = glob.glob(os.path.join(os.path.dirname(os.path.normpath(qt_source)), "qt6-base_*.dsc"))
    debian_version = os.path.basename(dsc)[len("qt6-base_"):-len(".dsc")]
    (orig,) = glob.glob(os.path.join(os.path.dirname(dsc), "qt6-base_*.orig.tar.*"))
    orig = os.path.basename(orig)
    with open(os.path.join(out, "NOTICE.txt"), "w", encoding="utf-8", newline="\r\n") as f:
        f.write(f"""Tessaly uses the Qt Toolkit {qt_version} under the GNU Lesser General Public License
version 3 (Qt-LGPL-3.0.txt, which builds on Qt-GPL-3.0.txt). Qt is Copyright (C) The Qt Company
Ltd. and other contributors. Tessaly uses its qtbase module, built without changes from
the original source in Debian's qt6-base {debian_version} source package:
{orig}, without Debian's patches. Corvane provides that source on request.

Qt is linked statically into tessaly.exe. To run Tessaly with a changed Qt, use
tessaly-<version>-relink.zip, which Corvane ships beside the installer: it holds Tessaly's
object files and the command that links them with a Qt of your choice (see its README.txt).
""")

    with open(os.path.join(out, "README.txt"), "w", encoding="utf-8", newline="\r\n") as f:
        f.write("The components linked into tessaly.exe, their versions and licences.\n\n")
        for name, version, licence, files, where in entries:
            f.write(f"{name}\n  Version: {version}\n  Licence: {licence}\n")
            if files:
                f.write(f"  Text: {', '.join(files)}\n")
            if where:
                f.write(f"  Use: {where}\n")
            f.write("\n")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
