#!/usr/bin/env python3
# The window's start-up against a bare Qt main window's, on Qt's offscreen platform: the time from launch
# until the window is on view and the resident memory then, the median of several alternating runs. The
# yardstick is a bare window with one line of text: it starts Qt's font database (fontconfig), which any
# window with text needs and an empty one never does (that alone costs an empty window a quarter of its
# start). The window must be ready within 1.25 times the yardstick's time; exits 1 when it is not.
import os
import statistics
import subprocess
import sys
import tempfile
import time

TIME_TARGET = 1.25  # the window's start-up time over the bare window with text's
RUNS = 15


def start_once(command, folder):
    # The program writes its report into the working folder: a fresh one keeps the tree clean.
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=folder)
    launched = time.time_ns()
    output = subprocess.run(command, cwd=folder, env=env, capture_output=True, text=True, check=True).stdout
    values = dict(line.split() for line in output.splitlines() if line.strip())
    return (int(values["shown_ns"]) - launched) / 1e6, int(values["rss_kb"]) / 1024


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    bare = os.path.join(here, "startprobe-bare")
    probes = {"bare Qt window": [bare], "bare, with text": [bare, "--text"],
              "kelvane": [os.path.join(here, "startprobe-kelvane")]}
    runs = {name: [] for name in probes}
    with tempfile.TemporaryDirectory() as folder:
        for command in probes.values():  # a first start fills the file system's cache
            start_once(command, folder)
        for _ in range(RUNS):
            for name, command in probes.items():
                runs[name].append(start_once(command, folder))
    medians = {name: (statistics.median(t for t, _ in r), statistics.median(m for _, m in r))
               for name, r in runs.items()}
    for name, (ms, mib) in medians.items():
        print(f"{name:16s} {ms:8.1f} ms to the window on view, {mib:6.1f} MiB resident")
    (bare_ms, bare_mib), (text_ms, text_mib), (ms, mib) = medians.values()
    print(f"kelvane / bare: {ms / bare_ms:.2f} times the time, {mib / bare_mib:.2f} times the memory")
    ratio = ms / text_ms
    print(f"kelvane / bare with text: {ratio:.2f} times the time (target {TIME_TARGET}), "
          f"{mib / text_mib:.2f} times the memory")
    return 0 if ratio <= TIME_TARGET else 1


if __name__ == "__main__":
    sys.exit(main())
