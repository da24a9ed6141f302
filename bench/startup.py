#!/usr/bin/env python3
"""Measures Tessaly's start-up against the floor program, and times every screen change.

    bench/startup.py BUILD_DIR

Run by bench/run, on the X server and session bus it started. For the floor, the floor with
the printing libraries loaded and the program: the instructions executed from exec to the
first painted frame (callgrind), the wall time to that frame and the resident memory then,
all of it and the part no other process shares. The first-frame shim, preloaded, ends each
process at its first frame; the program itself runs as a user starts it.
"""

import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

CALLGRIND_RUNS = 3
WALL_RUNS = 15


def environment(work):
    """The private X server and session bus bench/run started, and nothing of the desktop's."""
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("QT_", "DBUS_", "WAYLAND_", "LD_", "XDG_", "AT_SPI", "SESSION_MANAGER"))}
    env.update(DISPLAY=os.environ["DISPLAY"], DBUS_SESSION_BUS_ADDRESS=os.environ["DBUS_SESSION_BUS_ADDRESS"],
               XDG_RUNTIME_DIR=str(work), QT_QPA_PLATFORM="xcb")
    return env


def first_frame(program, env, shim, work, valgrind=None):
    """Runs a program to its first frame: (instructions or None, wall ns, resident kB, unique kB)."""
    report = work / "frame"
    report.unlink(missing_ok=True)
    run_env = dict(env, LD_PRELOAD=str(shim), TESSALY_BENCH_FRAME_REPORT=str(report))
    command = [str(program)]
    if valgrind:
        command = ["valgrind", "--tool=callgrind", f"--callgrind-out-file={work}/callgrind.out.%p", "--dump-instr=no",
                   "--compress-strings=no", "--compress-pos=no"] + command
    start = time.monotonic_ns()
    process = subprocess.Popen(command, env=run_env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    _, errors = process.communicate(timeout=600)
    if process.returncode != 0 or not report.exists():
        sys.exit(f"bench: {program.name} ended without a frame ({process.returncode}):\n{errors}")
    frame_ns, rss_kb, unique_kb = (int(v) for v in report.read_text().split())
    instructions = None
    if valgrind:
        out = work / f"callgrind.out.{process.pid}"
        instructions = int(re.search(r"^(?:summary|totals): (\d+)", out.read_text(), re.M).group(1))
        out.replace(work / f"callgrind.{program.name}")
    return instructions, frame_ns - start, rss_kb, unique_kb


def as_from_disk(programs):
    """Drops each program's file from the page cache, for the warm-up runs to read it back.

    A start maps the blocks of the page cache that hold what it touches of its file, each
    whole. A file the linker has just written stays in the large blocks it was written in,
    one read back from the disk in those readahead makes: without this, whichever program was
    linked last would seem to need hundreds of kilobytes more. Read back alike, each program
    is measured as a user's start finds it.
    """
    for program in programs:
        fd = os.open(program, os.O_RDONLY)
        try:
            os.fsync(fd)  # pages not yet written out would stay
            os.posix_fadvise(fd, 0, 0, os.POSIX_FADV_DONTNEED)
        finally:
            os.close(fd)


def per_object(callgrind_file):
    """Instructions executed in each loaded object's own code."""
    costs = {}
    obj = None
    skip_next = False
    for line in Path(callgrind_file).read_text().splitlines():
        if line.startswith("ob="):
            obj = line[3:]
        elif line.startswith("calls="):
            skip_next = True  # the line after a call carries the callee's inclusive cost
        elif line[:1].isdigit() or line[:1] in "+-*":
            if skip_next:
                skip_next = False
                continue
            parts = line.split()
            if len(parts) >= 2:
                costs[obj] = costs.get(obj, 0) + int(parts[1])
    return costs


def libraries(program):
    out = subprocess.run(["ldd", str(program)], check=True, capture_output=True, text=True).stdout
    return {line.split()[0] for line in out.splitlines() if "=>" in line}


def spread(values):
    return (max(values) - min(values)) / statistics.median(values) * 100


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: bench/startup.py BUILD_DIR")
    build = Path(sys.argv[1]).resolve()
    programs = {
        "floor": build / "bench/tessaly_floor",
        "floor+printing": build / "bench/tessaly_floor_printing",
        "tessaly": build / "tessaly",
    }
    shim = build / "bench/libtessaly_first_frame.so"
    work = Path(tempfile.mkdtemp(prefix="tessaly-bench-"))
    os.chmod(work, 0o700)
    try:
        env = environment(work)
        as_from_disk(programs.values())
        for program in programs.values():  # font and shader caches warm, pages in memory
            first_frame(program, env, shim, work)

        print(f"Instructions from exec to the first frame (callgrind, {CALLGRIND_RUNS} runs each):")
        instructions = {}
        for name, program in programs.items():
            counts = [first_frame(program, env, shim, work, valgrind=True)[0] for _ in range(CALLGRIND_RUNS)]
            instructions[name] = statistics.median(counts)
            print(f"  {name:15} {instructions[name] / 1e6:10.2f} M   spread {spread(counts):.3f}%")

        walls = {name: [] for name in programs}
        rss = {name: [] for name in programs}
        unique = {name: [] for name in programs}
        for _ in range(WALL_RUNS):  # interleaved, so that the machine's load falls on all alike
            for name, program in programs.items():
                _, wall, kb, unique_kb = first_frame(program, env, shim, work)
                walls[name].append(wall / 1e6)
                rss[name].append(kb / 1024)
                unique[name].append(unique_kb / 1024)

        print(f"\nStart-up to the first frame ({WALL_RUNS} runs each, median; wall spread is max-min over median):")
        print(f"  {'':15} {'instructions':>14} {'wall ms':>9} {'spread':>7} {'RSS MB':>8} {'unique MB':>10}")
        for name in programs:
            print(f"  {name:15} {instructions[name] / 1e6:12.2f} M {statistics.median(walls[name]):9.1f} "
                  f"{spread(walls[name]):6.0f}% {statistics.median(rss[name]):8.1f} {statistics.median(unique[name]):10.1f}")
        floor = "floor"
        for name in programs:
            if name == floor:
                continue
            print(f"  {name} / floor: instructions {instructions[name] / instructions[floor]:.3f}x, "
                  f"wall {statistics.median(walls[name]) / statistics.median(walls[floor]):.3f}x, "
                  f"memory {statistics.median(rss[name]) / statistics.median(rss[floor]):.3f}x, "
                  f"unique {statistics.median(unique[name]) / statistics.median(unique[floor]):.3f}x")

        ours = per_object(work / "callgrind.tessaly")
        bare = per_object(work / "callgrind.tessaly_floor")
        gap = sum(ours.values()) - sum(bare.values())
        print(f"\nWhere tessaly's {gap / 1e6:.2f} M instructions beyond the floor go (each object's own code):")
        rows = sorted(set(ours) | set(bare), key=lambda o: ours.get(o, 0) - bare.get(o, 0), reverse=True)
        for obj in rows[:15]:
            delta = ours.get(obj, 0) - bare.get(obj, 0)
            if abs(delta) >= 0.05e6:
                print(f"  {delta / 1e6:+9.2f} M  {obj}")
        extra = sorted(libraries(programs["tessaly"]) - libraries(programs[floor]))
        print(f"  libraries tessaly loads and the floor does not (ldd): {' '.join(extra)}")
        stems = {name.split(".so")[0] for name in extra}
        printing = sum(v for o, v in ours.items() if o and Path(o).name.split(".so")[0] in stems)
        loader = ours.get(next((o for o in ours if o and "ld-linux" in o), None), 0)
        loader_floor = bare.get(next((o for o in bare if o and "ld-linux" in o), None), 0)
        print(f"  those libraries' own code: {printing / 1e6:.2f} M; the dynamic loader: "
              f"{(loader - loader_floor) / 1e6:+.2f} M over the floor")
        print(f"  loading the printing libraries alone (floor+printing - floor): "
              f"{(instructions['floor+printing'] - instructions[floor]) / 1e6:+.2f} M instructions, "
              f"{statistics.median(rss['floor+printing']) - statistics.median(rss[floor]):+.1f} MB")

        print("\nScreen changes, from the input to the next screen's frame:")
        sys.stdout.flush()
        transitions = subprocess.run([str(build / "bench/tessaly_transitions")], env=env, timeout=600)
        if transitions.returncode != 0:
            sys.exit("bench: the screen changes could not all be timed")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
