"""What the end-to-end drivers share, on Linux and under Wine alike: checks that fail with a
message, tools whose failure is a failure of the test, waits on conditions, screenshots kept
where they outlive the run, and one loop that runs the steps."""

import os
import re
import subprocess
import sys
import time

# How long a wait lasts unless it says otherwise; a driver may set its own.
TIMEOUT = 10.0
# What a condition may raise while what it reads is still changing: not true yet. A driver may
# add the errors of its own means of reading.
NOT_YET = ()


class Failure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def tool(*command):
    """Runs a program to its end and gives its output; a program that fails fails the test."""
    try:
        return subprocess.run([str(word) for word in command], check=True, capture_output=True, text=True).stdout
    except subprocess.CalledProcessError as error:
        raise Failure(f"{' '.join(error.cmd)} ended with status {error.returncode}: {error.stderr.strip()}") from None


def xdo(*args):
    return tool("xdotool", *args)


def search(*criteria):
    """The X windows xdotool finds; finding none is no failure."""
    found = subprocess.run(["xdotool", "search", *map(str, criteria)], capture_output=True, text=True)
    check(found.returncode == 0 or not found.stdout and not found.stderr,
          f"xdotool search {' '.join(map(str, criteria))}: {found.stderr.strip()}")
    return found.stdout.split()


def wait_until(what, condition, timeout=None):
    """Polls `condition` until it gives a true value, and gives that value. A condition that
    fails (a tool that cannot read a file still being written) has not come true yet; the last
    such failure is told with the wait's."""
    timeout = timeout or TIMEOUT
    end = time.monotonic() + timeout
    failure = None
    while True:
        try:
            result = condition()
            failure = None
        except (Failure, *NOT_YET) as error:
            result, failure = None, error
        if result:
            return result
        if time.monotonic() > end:
            raise Failure(f"waited {timeout:g} s for {what}" + (f" ({failure})" if failure else ""))
        time.sleep(0.1)


def settled(what, measure):
    """What `measure` gives once it gives the same twice in a row: a window or control that has
    stopped moving into its place."""
    def probe():
        before = measure()
        time.sleep(0.15)
        return before if measure() == before else None
    return wait_until(f"{what} to settle", probe)


def move_pointer(x, y):
    """Moves the mouse and returns once it is there, so that a click from another connection
    comes after it. (xdotool's --sync waits for a movement, and there is none to a point where
    the mouse already is.)"""
    at = dict(line.split("=", 1) for line in xdo("getmouselocation", "--shell").split())
    if (int(at["X"]), int(at["Y"])) != (round(x), round(y)):
        xdo("mousemove", "--sync", round(x), round(y))


def move_until(what, x, y, condition):
    """Moves the mouse to and fro about a point until `condition` gives a true value: a window
    that has only just appeared may not see the first movement."""
    moves = 0

    def step():
        nonlocal moves
        moves += 1
        move_pointer(x + moves % 2, y + moves % 2)
        return condition()
    return wait_until(what, step)


class Screenshot:
    """The whole X screen as it is now; at() reads a pixel as (red, green, blue)."""

    def __init__(self):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], check=True,
                              capture_output=True).stdout
        # P6: magic, width, height and maximum value, then one white-space byte and the pixels.
        header = re.match(rb"P6\s+(\d+)\s+\d+\s+\d+\s", data)
        self.width, self.pixels = int(header.group(1)), data[header.end():]

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])


def pixel(x, y):
    return Screenshot().at(x, y)


def artifacts():
    """The folder for what is kept after the run: TESSALY_ARTIFACTS, which the test scripts set."""
    name = os.path.splitext(os.path.basename(sys.argv[0]))[0]
    return os.environ.get("TESSALY_ARTIFACTS") or os.path.join(os.environ.get("TMPDIR", "/tmp"), f"tessaly-e2e-{name}")


def screenshot(name):
    """The X screen now, kept as NAME.png among the artefacts; gives its path."""
    os.makedirs(artifacts(), exist_ok=True)
    path = os.path.join(artifacts(), f"{name}.png")
    subprocess.run(["import", "-window", "root", path], check=True)
    return path


class Program:
    """The program under test, started by a driver."""

    def __init__(self, command, environment=None):
        self.process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        env={**os.environ, **(environment or {})})

    def ended(self, timeout=None):
        """Whether the program ends, with status 0, within the time."""
        try:
            return self.process.wait(timeout or TIMEOUT) == 0
        except subprocess.TimeoutExpired:
            return False

    def describe(self):
        """What the screen shows, for the report of a failure."""
        return ""

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def run(steps, start):
    """Runs each step against a program `start(step)` starts afresh; prints a line per step and
    exits non-zero if any failed. A step's `before`, where it has one, readies the system first.
    The screen at a failure is kept as failed-STEP.png among the artefacts."""
    failed = 0
    for step in steps:
        name = step.__name__
        shot = os.path.join(artifacts(), f"failed-{name}.png")
        if os.path.exists(shot):
            os.remove(shot)
        program = None
        try:
            if hasattr(step, "before"):
                step.before()
            program = start(step)
            step(program)
            print(f"ok   {name}", flush=True)
        except Exception as error:  # report every failure and go on with the next step
            failed += 1
            print(f"FAIL {name}: {error}")
            try:
                print(f"     screen at the failure: {screenshot(f'failed-{name}')}")
            except subprocess.CalledProcessError:
                print("     no screenshot could be taken")
            if program:
                try:
                    print(f"     {program.describe()}", flush=True)
                except Exception as why:  # the program may be what failed
                    print(f"     the program could not be described: {why}", flush=True)
        finally:
            if program:
                program.close()
    print(f"{len(steps) - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
