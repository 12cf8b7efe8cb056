#!/usr/bin/python3
"""Start-up of the Windows window under wine, against the floor: from launch to the window
mapped on the X server, quorvel.exe and a one-label program with the same manifest, runs
interleaved, medians and peak memory printed from one run.

windows_startup.py QUORVEL.EXE ONE_LABEL.EXE [RUNS]
Needs DISPLAY and WINEPREFIX, with wine's server kept running (as a user's session keeps it)."""
import os
import select
import statistics
import subprocess
import sys
import time

from Xlib import X, display, error


class MapWatch:
    """Waits for the X server to report a top-level window of the title viewable. It listens
    for the server's events rather than polling with a new process, which would take the CPU
    from the program being timed."""

    def __init__(self):
        self.display = display.Display()
        self.display.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.windows = []

    def viewable(self, window, title):
        try:
            name = window.get_wm_name() or ""
            return title in str(name) and window.get_attributes().map_state == X.IsViewable
        except error.XError:
            return False  # gone already

    def wait(self, title, deadline):
        self.windows = []
        while time.monotonic() < deadline:
            while self.display.pending_events():
                event = self.display.next_event()
                if event.type == X.CreateNotify:
                    # Its own map from now on; one that came before is caught by its frame's.
                    event.window.change_attributes(event_mask=X.StructureNotifyMask)
                    self.windows.append(event.window)
                # A window becomes viewable when it or its frame is mapped, nothing else.
                elif event.type == X.MapNotify and any(
                        self.viewable(w, title) for w in self.windows):
                    return True
            select.select([self.display], [], [], 0.05)
        return False


def peak_kib(name):
    """The largest VmHWM among the processes running name."""
    peak = 0
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                if name.encode() not in f.read():
                    continue
            with open(f"/proc/{pid}/status") as f:
                for line in f:
                    if line.startswith("VmHWM:"):
                        peak = max(peak, int(line.split()[1]))
        except OSError:
            pass
    return peak


def once(watch, exe, title):
    start = time.monotonic()
    process = subprocess.Popen(["wine", exe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if not watch.wait(title, start + 60):
        sys.exit(f"{exe}: no window in 60 s")
    elapsed = (time.monotonic() - start) * 1000
    time.sleep(0.3)  # what it holds once shown
    peak = peak_kib(os.path.basename(exe))
    process.terminate()
    subprocess.run(["wine", "taskkill", "/f", "/im", os.path.basename(exe)],
                   capture_output=True)
    process.wait(30)
    return elapsed, peak


def main():
    quorvel, floor = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 21
    watch = MapWatch()
    once(watch, floor, "One label")  # wine's first start of a program warms what every start shares
    samples = {"quorvel": [], "floor": []}
    for _ in range(runs):
        samples["quorvel"].append(once(watch, quorvel, "Quorvel Single Selection"))
        samples["floor"].append(once(watch, floor, "One label"))
    q = statistics.median(s[0] for s in samples["quorvel"])
    f = statistics.median(s[0] for s in samples["floor"])
    qm = max(s[1] for s in samples["quorvel"])
    fm = max(s[1] for s in samples["floor"])
    print(f"start-up under wine, medians of {runs} interleaved runs: quorvel.exe {q:.0f} ms, "
          f"one label {f:.0f} ms: {q / f:.2f} times")
    print(f"peak memory: quorvel.exe {qm} KiB, one label {fm} KiB: {qm / max(fm, 1):.2f} times")


if __name__ == "__main__":
    main()
