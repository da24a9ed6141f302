"""The program asked to end by the system while the paper version is on its way to a slow
scheduler: SIGTERM, SIGHUP and SIGINT end it as Exit does, without the question, and losing
the X server ends it the same way. The printouts on their way have the same grace; what has
not arrived whole by then is withdrawn, so that no job is left held in the queue; and the
program ends as the signal ends a program, or with status 1 without its display."""

import atexit
import glob
import os
import signal
import socket
import subprocess
import sys
import threading
import time

from driver import INTRO, TITLE, check, run, tool, wait_until

# What the slow line carries towards the scheduler, in bytes a second.
LINE_RATE = 150_000


class SlowLine:
    """A socket in front of the scheduler's that carries what the program sends at LINE_RATE,
    a tenth of a second's worth at a time, and the scheduler's answers at once."""

    def __init__(self, scheduler, path):
        self.scheduler, self.path = scheduler, path
        if os.path.exists(path):
            os.remove(path)
        self.server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.server.bind(path)
        self.server.listen(16)
        threading.Thread(target=self._accept, daemon=True).start()

    def _accept(self):
        while True:
            client, _ = self.server.accept()
            upstream = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            try:
                upstream.connect(self.scheduler)
            except OSError:  # no scheduler at the other end: the line goes dead at once
                client.close()
                upstream.close()
                continue
            threading.Thread(target=self._pump, args=(client, upstream, LINE_RATE // 10), daemon=True).start()
            threading.Thread(target=self._pump, args=(upstream, client, None), daemon=True).start()

    @staticmethod
    def _pump(source, target, per_tenth):
        try:
            while True:
                data = source.recv(per_tenth or 65536)
                if not data:
                    break
                target.sendall(data)
                if per_tenth:
                    time.sleep(0.1)
        except OSError:
            pass
        for end in (source, target):
            try:
                end.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass


SCHEDULER = os.environ.get("CUPS_SERVER", "")
LINE = SlowLine(SCHEDULER, os.path.join(os.environ["E2E_WORK"], "slow-cups.sock")) if SCHEDULER else None
JOBS = os.environ.get("PRINTED_JOBS", "")
# A sanitizer's report ends the program with a status of its own, which no way of ending it here
# gives: the sanitizer build is checked by the status alone.
SANITIZER_STATUS = {name: ":".join(filter(None, [os.environ.get(name, ""), "exitcode=23"]))
                    for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS")}


def kept_jobs():
    return sorted(glob.glob(os.path.join(JOBS, "job-*.pdf")))


def requests(operation):
    """How many of the operation the scheduler has carried out: a job withdrawn leaves no trace
    among the jobs, only in the scheduler's log."""
    with open(os.path.join(os.path.dirname(JOBS), "log", "access_log")) as log:
        return sum(f" {operation} successful-ok" in line for line in log)


def not_completed():
    return tool("lpstat", "-o").strip()


def the_x_server():
    """The X server run_e2e.sh started for this script: its other child named Xvfb."""
    parent = os.getppid()
    with open(f"/proc/{parent}/task/{parent}/children") as children:
        for pid in map(int, children.read().split()):
            with open(f"/proc/{pid}/comm") as name:
                if name.read().strip() == "Xvfb":
                    return pid
    raise AssertionError("no X server started beside this script")


def ended_by(what, end, expected_status):
    def step(app):
        before_begun, before_withdrawn, before_kept = requests("Create-Job"), requests("Cancel-Job"), len(kept_jobs())
        app.press(app.leave_splash(), "Jump to Tessaly")
        app.press(app.window(INTRO), "Print Manual Tessaly")
        # The first sheet is on its way: the scheduler has the job, and is still taking it in.
        wait_until("a job the scheduler is taking in", not_completed, timeout=30)
        asked = time.monotonic()
        end(app)
        try:
            status = app.process.wait(15)
        except subprocess.TimeoutExpired:
            status = None
        took = time.monotonic() - asked
        check(status == expected_status, f"the program ended with {status} after {what}")
        check(took < 10, f"the program took {took:.1f} s to end")
        # The program withdrew what it had begun and not sent whole: nothing is left in the queue.
        time.sleep(1)
        left = not_completed()
        check(not left, f"jobs left in the queue: {left}")
        begun = requests("Create-Job") - before_begun
        withdrawn = requests("Cancel-Job") - before_withdrawn
        kept = kept_jobs()[before_kept:]
        for pdf in kept:
            tool("pdfinfo", pdf)  # each sheet that arrived arrived whole
        check(begun == len(kept) + withdrawn, f"{begun} jobs begun, {len(kept)} arrived, {withdrawn} withdrawn")
        print(f"     {what}: status {status} after {took:.2f} s; {begun} jobs begun, "
              f"{len(kept)} arrived whole, {withdrawn} withdrawn, none left in the queue")
    step.environment = lambda: {"CUPS_SERVER": LINE.path, **SANITIZER_STATUS}
    return step


def signalled(sig):
    name = signal.Signals(sig).name
    step = ended_by(name, lambda app: app.process.send_signal(sig), -sig)
    step.__name__ = f"{name.lower()}_during_the_paper_version_ends_as_exit_does"
    return step


class Scheduler:
    """The private scheduler's own process, to be stopped and started again as a restart does."""

    def __init__(self):
        config = os.path.join(os.path.dirname(JOBS), "cupsd.conf")
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
                    command = cmdline.read().split(b"\0")[:-1]
            except OSError:
                continue
            if command and os.path.basename(command[0]) == b"cupsd" and config.encode() in command:
                self.pid, self.command = int(pid), command
                return
        raise AssertionError("the private scheduler is not running")

    def restart(self, down_for):
        os.kill(self.pid, signal.SIGTERM)
        wait_until("the scheduler to stop", lambda: not os.path.exists(f"/proc/{self.pid}"))
        time.sleep(down_for)
        # private_cups.sh ends the scheduler it started; this one is ended when the script ends.
        restarted = subprocess.Popen(self.command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        atexit.register(restarted.terminate)
        self.pid = restarted.pid
        wait_until("the scheduler to answer again", lambda: subprocess.run(
            ["lpstat", "-r"], capture_output=True, text=True).stdout.startswith("scheduler is running"))


def the_job_is_withdrawn_once_a_restarted_scheduler_answers(app):
    scheduler = Scheduler()
    app.press(app.leave_splash(), "Jump to Tessaly")
    app.press(app.window(INTRO), "Print Manual Tessaly")
    wait_until("a job the scheduler is taking in", not_completed, timeout=30)
    # The scheduler goes away in the middle of the job, and comes back a few seconds later.
    scheduler.restart(down_for=3)
    app.answer(TITLE, "You can not Print the Manual Tessaly at this time!", "OK")
    wait_until("no job left in the queue", lambda: not not_completed(), timeout=30)


the_job_is_withdrawn_once_a_restarted_scheduler_answers.environment = lambda: {"CUPS_SERVER": LINE.path}


def display_lost():
    # Qt's X11 platform ends a program without its display with status 1.
    step = ended_by("the X server's end", lambda app: os.kill(the_x_server(), signal.SIGKILL), 1)
    step.__name__ = "losing_the_display_during_the_paper_version_ends_as_a_signal_does"
    return step


def losing_the_display_just_after_the_press_still_prints_both_sheets(app):
    """Over an ordinary line, the paper version reaches the printer within the grace, whole."""
    before_kept = len(kept_jobs())
    app.press(app.leave_splash(), "Jump to Tessaly")
    app.press(app.window(INTRO), "Print Manual Tessaly")
    time.sleep(0.4)
    os.kill(the_x_server(), signal.SIGKILL)
    try:
        status = app.process.wait(15)
    except subprocess.TimeoutExpired:
        status = None
    check(status == 1, f"the program ended with {status} without its display")
    kept = wait_until("both sheets", lambda: kept_jobs()[before_kept:] if len(kept_jobs()) == before_kept + 2 else None)
    for pdf in kept:
        tool("pdfinfo", pdf)
    check(not not_completed(), f"jobs left in the queue: {not_completed()}")
    print(f"     status {status}; {len(kept)} sheets arrived whole, none left in the queue")


losing_the_display_just_after_the_press_still_prints_both_sheets.environment = lambda: dict(SANITIZER_STATUS)


if __name__ == "__main__":
    if not LINE:
        print("no private scheduler: skipped")
        raise SystemExit(77)
    # The X server goes last: nothing runs on the display after it. Its loss over an ordinary
    # line is a run of its own (the argument "ordinary").
    if sys.argv[1:] == ["ordinary"]:
        run([losing_the_display_just_after_the_press_still_prints_both_sheets])
    run([signalled(signal.SIGTERM), signalled(signal.SIGHUP), signalled(signal.SIGINT),
         the_job_is_withdrawn_once_a_restarted_scheduler_answers, display_lost()])
