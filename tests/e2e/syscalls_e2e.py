"""A whole session under strace: the questionnaire, a print, the About box and its System
Info button, Exit. The program writes no file (a printout goes to the scheduler from memory)
and starts no program but the system information tool."""

import os
import re
import stat
import sys

from driver import TITLE, check, run, wait_until
from questionnaire_e2e import the_worked_example_from_splash_to_the_descriptions

WORK = os.environ["E2E_WORK"]
TRACE = os.path.join(WORK, "trace")
REAL = os.environ["TESSALY_BINARY"]
TOOL = os.path.join(WORK, "bin", "hardinfo")
WRITES = re.compile(r'(?:open|openat|openat2|creat)\([^"]*"([^"]+)"[^)]*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)')
STARTS = re.compile(r'execve(?:at)?\([^"]*"([^"]+)"')
CHANGES = re.compile(r'(rename|renameat2?|unlink|unlinkat|mkdir|mkdirat)\([^"]*"([^"]+)".*\) = 0')


def prepare():
    # A stand-in information tool on PATH that writes nothing and ends at once.
    os.makedirs(os.path.dirname(TOOL), exist_ok=True)
    with open(TOOL, "w") as f:
        f.write("#!/bin/sh\nexit 0\n")
    os.chmod(TOOL, os.stat(TOOL).st_mode | stat.S_IXUSR)
    wrapper = os.path.join(WORK, "traced-tessaly")
    with open(wrapper, "w") as f:
        # LeakSanitizer cannot stop the world under a tracer: leaks are checked by the other tests.
        f.write(f"#!/bin/sh\nASAN_OPTIONS=detect_leaks=0 exec strace -f -qq -o {TRACE} -e trace=open,openat,openat2,creat,execve,execveat,"
                f"rename,renameat,renameat2,unlink,unlinkat,mkdir,mkdirat {REAL}\n")
    os.chmod(wrapper, 0o755)
    os.environ["TESSALY_BINARY"] = wrapper
    os.environ["PATH"] = os.path.dirname(TOOL) + ":" + os.environ["PATH"]


def a_traced_session(app):
    the_worked_example_from_splash_to_the_descriptions(app)
    description = app.window(TITLE)  # the last description the worked example opened
    app.press(description, "Print Text")
    if not os.environ.get("CUPS_SERVER"):
        app.answer(TITLE, "You can not Print the text at this time!", "OK")
    app.choose(description, "About")
    box, _ = app.message_box("About Corvane Tessaly")
    app.press(box, "System Info...")
    wait_until("the About box to stay", lambda: app.message_box("About Corvane Tessaly"))
    app.press(box, "OK")
    app.choose(description, "Exit")
    app.answer(TITLE, "Do you want to Quit this Tessaly session?  You will lose all Data, if you Quit!", "Yes")
    check(app.ended(timeout=60), f"the program did not end well: {app.process.poll()}")

    lines = open(TRACE).read().splitlines()
    written = sorted({m.group(1) for line in lines if (m := WRITES.search(line)) and "= -1" not in line})
    # A call another thread interrupted is "<unfinished ...>"; a failed one ends in "= -1".
    started = sorted({m.group(1) for line in lines if (m := STARTS.search(line)) and "= -1" not in line})
    changed = sorted({f"{m.group(1)} {m.group(2)}" for line in lines if (m := CHANGES.search(line))})
    print(f"     {len(lines)} traced calls; files opened for writing: {written or 'none'}; "
          f"programs started: {started}; files renamed, removed or made: {changed or 'none'}")
    check(not [p for p in written if not p.startswith("/dev/")], f"files written: {written}")
    check(started == sorted({REAL, TOOL}), f"programs started: {started}")
    check(not changed, f"files renamed, removed or made: {changed}")


if __name__ == "__main__":
    if not os.access("/usr/bin/strace", os.X_OK):
        print("strace missing: skipped")
        sys.exit(77)
    prepare()
    run([a_traced_session])
