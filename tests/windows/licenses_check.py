"""The zip carries the licences of what tessaly.exe links: Qt's LGPLv3 and its notice, an entry
for each of Qt's bundled libraries on the link line, the GCC runtime's exception, and every
text the list names.

    licenses_check.py ZIP BUILD
"""

import re
import subprocess
import sys
import zipfile


def main(archive, build):
    failures = []
    with zipfile.ZipFile(archive) as z:
        names = set(z.namelist())
        readme = z.read("licenses/README.txt").decode("utf-8")
        lgpl = z.read("licenses/Qt-LGPL-3.0.txt").decode("utf-8")
        notice = z.read("licenses/NOTICE.txt").decode("utf-8")
    for line in re.findall(r"^  Text: (.*)$", readme, re.M):
        failures += [f"{name} is listed but not shipped" for name in line.strip().split(", ")
                     if f"licenses/{name}" not in names]
    if "GNU LESSER GENERAL PUBLIC LICENSE" not in lgpl or "Version 3" not in lgpl:
        failures.append("Qt-LGPL-3.0.txt is no LGPLv3")
    if "relink" not in notice:
        failures.append("NOTICE.txt does not say how to relink")
    if "GCC-exception-3.1" not in readme:
        failures.append("no GCC Runtime Library Exception")
    link = subprocess.run(["ninja", "-C", build, "-t", "commands", "tessaly.exe"], check=True, capture_output=True,
                          text=True).stdout.splitlines()[-1]
    for bundled in sorted(set(re.findall(r"libQt6Bundled\w+\.a", link))):
        if f"in {bundled}." not in readme:
            failures.append(f"{bundled} is linked but has no licence listed")
    for failure in failures:
        print(f"FAIL {failure}")
    print("ok" if not failures else f"{len(failures)} failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main(*sys.argv[1:])
