#!/usr/bin/env python3
"""The Windows window's smoke set, under wine on an X server: real keys and clicks through
xdotool, the window's state read back by win32_probe.exe (the fields' texts, selections and
focus, as Win32 reports them to any other program).

windows_smoke.py QUORVEL.EXE PROBE.EXE [--screenshot FILE] [--only-startup] [--market]
Needs DISPLAY, WINEPREFIX and a window manager on the display."""
import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time

failures = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what, flush=True)
    if not condition:
        failures.append(what)


class Window:
    def __init__(self, exe, probe, arguments=(), title="Quorvel Single Selection",
                 ready=lambda s: s.get("focus") == 0, what="the window with field 0 focused"):
        self.probe = probe
        self.title = title
        # wine's oleacc keeps no annotation, but logs each one it is given.
        self.log = tempfile.TemporaryFile(mode="w+")
        self.process = subprocess.Popen(["wine", exe, *arguments], stdout=subprocess.DEVNULL,
                                        stderr=self.log,
                                        env=dict(os.environ, WINEDEBUG="-all,fixme+oleacc"))
        self.state = self.wait(ready, what, seconds=90)
        self.xid = self.x_window()

    def read(self):
        out = subprocess.run(["wine", self.probe], capture_output=True, text=True,
                             timeout=60).stdout
        state = {"fields": {}, "labels": [], "places": {}}
        for line in out.splitlines():
            words = line.split(" ")
            if words[0] == "title":
                state["title"] = line[len("title "):]
            elif words[0] == "window":
                state["size"] = (int(words[3]), int(words[4]))
            elif words[0] == "field":
                index = int(words[1])
                info = dict(w.split("=", 1) for w in words[2:] if "=" in w)
                if " name=" in line:  # a name may have blanks: the rest of the line
                    info["name"] = line.split(" name=", 1)[1]
                state["fields"][index] = info
                if info.get("focus") == "1":
                    state["focus"] = index
            elif words[0] == "text":
                state["fields"].setdefault(int(words[1]), {})["text"] = line.split(" ", 2)[2] \
                    if len(words) > 2 else ""
            elif words[0] == "place":
                state["places"][words[1]] = tuple(int(w) for w in words[2:6])
            elif words[0] == "check":
                state["check"] = int(words[1])
                if "focus=1" in line:
                    state["focus"] = "check"
            elif words[0] == "tab":
                state["tab"] = int(words[1])
            elif words[0] == "label":
                state["labels"].append(line[len("label "):])
            elif words[0] == "tooltip":
                state["tooltip"] = line[len("tooltip ["):-1]
        return state

    def wait(self, condition, what, seconds=30):
        deadline = time.time() + seconds
        state = {}
        while time.time() < deadline:
            try:
                state = self.read()
                if state.get("fields") and condition(state):
                    return state
            except subprocess.TimeoutExpired:
                pass
            time.sleep(0.3)
        check(False, "waited for " + what + "; last state: " + repr(state)[:600])
        return state

    def annotated_names(self):
        """The names the window gave its fields for a screen reader, in the order given."""
        self.log.seek(0)
        return re.findall(r'SetHwndPropStr \(.* L"(.*)"\)$', self.log.read(), re.M)

    def x_window(self):
        out = subprocess.run(["xdotool", "search", "--name", self.title],
                             capture_output=True, text=True).stdout.split()
        return out[-1] if out else None

    def activate(self):
        subprocess.run(["xdotool", "windowactivate", self.xid], check=False, timeout=10)
        time.sleep(0.3)

    def keys(self, *keys):
        self.activate()
        if keys:
            subprocess.run(["xdotool", "key", "--delay", "40"] + list(keys), check=True,
                           timeout=60)

    def click(self, place, button=1):
        left, top, width, height = self.state["places"][place]
        subprocess.run(["xdotool", "mousemove", str(left + width // 2), str(top + height // 2),
                        "click", str(button)], check=True, timeout=10)

    def settle(self, condition, what):
        self.state = self.wait(condition, what)
        return self.state

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()


def typed(text):
    """xdotool key names for a text typed, then Enter: '2.5' is 2 period 5 Return."""
    names = {".": "period", ",": "comma", "-": "minus", ":": "colon", "@": "at"}
    return [names.get(c, c) for c in text] + ["Return"]


def ink_gaps(screenshot, place):
    """The rows of background above and below a field's text (its ink, or its selection), inside
    its sunken edge: from a screenshot through ImageMagick's trim box."""
    left, top, width, height = place
    out = subprocess.run(["convert", screenshot, "-crop", f"{width}x{height}+{left}+{top}",
                          "+repage", "-shave", "3x3", "-colorspace", "Gray", "-threshold", "60%",
                          "-format", "%@ %h", "info:"], capture_output=True, text=True,
                         timeout=30).stdout.split()
    match = re.fullmatch(r"(\d+)x(\d+)\+(\d+)\+(\d+)", out[0]) if len(out) == 2 else None
    if match is None:
        return None
    ink_height, ink_top, room = int(match.group(2)), int(match.group(4)), int(out[1])
    if ink_height >= room:
        return None  # no ink: the trim box is the whole field
    return ink_top, room - ink_top - ink_height


def check_centred(window, fields, what):
    """Each field's text in the middle of its box, within two pixels."""
    shot = "/tmp/quorvel-smoke-%d.png" % window.process.pid
    subprocess.run(["import", "-window", "root", shot], check=False, timeout=60)
    gaps = {i: ink_gaps(shot, window.state["places"][str(i)]) for i in fields}
    off = {i: g for i, g in gaps.items() if g is not None and abs(g[0] - g[1]) > 2}
    check(not off and any(g is not None for g in gaps.values()),
          f"{what}: the text in the middle of its field (rows above, below: {gaps})")


def results(state, fields):
    return [state["fields"][i]["text"] for i in fields]


def refused(index, text):
    """Whether the window would refuse text in input field index: what it accepts it shows
    grouped with two decimals, prices (fields 0 and 2) 0 or above 1.00, rates up to 5."""
    if not re.fullmatch(r"\d{1,3}(,\d{3})*\.\d\d", text):
        return True
    value = float(text.replace(",", ""))
    if index in (0, 2):
        return value != 0 and (value <= 1.0 or value > 1000)
    return value > (5 if index in (7, 8) else 10000)


def storm(window, seed=22, bursts=12, events=15):
    """Random keys and presses of every button inside the window; after each burst, no field
    without the focus may hold a text the window would refuse."""
    rng = random.Random(seed)
    places = [p for p in window.state["places"] if p.isdigit() or p.startswith("tab")] + \
        ["check"]
    for burst in range(bursts):
        for _ in range(events):
            kind = rng.random()
            if kind < 0.7:
                key = rng.choice(list("0123456789") + ["period", "comma", "a"]) if kind < 0.5 \
                    else rng.choice(["Return", "Escape", "Tab", "shift+Tab", "alt+e", "alt+a",
                                     "alt+t", "alt+m"])
                subprocess.run(["xdotool", "key", key], check=True, timeout=10)
                time.sleep(0.04)
            else:
                window.click(rng.choice(places), button=rng.choice([1, 1, 3]))
        time.sleep(0.7)
        s = window.settle(lambda s: True, "the state after a burst")
        stranded = [(i, f.get("text")) for i, f in s["fields"].items()
                    if f.get("visible") == "1" and f.get("readonly") == "0" and
                    s.get("focus") != i and refused(i, f.get("text", ""))]
        check(not stranded, "storm burst %d: no field without the focus holds a refused text %r"
              % (burst + 1, stranded))
        window.keys("Escape", "Escape")


def market(options):
    """The market window: the worked example typed, greened at Ctrl+G. Its cells are fields
    row by row, seven a row: Runner, Back, Lay, Bets, If wins, Hedge, Net."""
    window = Window(options.exe, options.probe, ["--market"], "Quorvel Market")
    try:
        if not window.state.get("fields"):
            return
        check(window.state.get("title") == "Quorvel Market", "the market window's title")
        keys = []
        for text in ["A", "3.50", "3.55", "back:10@4.00", "B", "3.00", "3.05", "lay:10@3.00",
                     "C", "2.62", "2.64", ""]:
            keys += typed(text)
        window.keys(*keys)
        s = window.settle(lambda s: s["fields"][18]["text"] == "0.00", "the P/L if each wins")
        check(results(s, [4, 11, 18]) == ["40.00", "-30.00", "0.00"],
              "market: 40.00, -30.00, 0.00 if A, B, C wins")
        window.keys("ctrl+g")
        s = window.settle(lambda s: s["fields"][5]["text"] != "", "green each")
        check(results(s, [5, 12]) == ["Lay 11.27 @ 3.55", "Back 10.00 @ 3.00"],
              "green each: lay A 11.27 @ 3.55, back B 10.00 @ 3.00")
        check(results(s, [6, 13, 20]) == ["1.20", "1.21", "1.21"], "green each nets 1.20, 1.21")
        # Pasted as a spreadsheet copies a row, from row 4's Runner: 3.52 is off the ladder,
        # refused in its cell with its text; Ctrl+Z puts the sheet back.
        subprocess.run(["wine", options.probe, "--clipboard", r"D\t3.52\t3.55\t"], check=False,
                       timeout=60)
        window.keys("ctrl+v")
        s = window.settle(lambda s: s["fields"][22]["text"] == "3.52", "the pasted row")
        check(results(s, [21, 23]) == ["D", "3.55"], "paste: D's name and lay price taken")
        check(any(label.startswith("1 cell refused; the first, row 4 Back") for label in
                  s["labels"]), "paste: the refused cell counted and named")
        window.keys("ctrl+z")
        s = window.settle(lambda s: s["fields"][21]["text"] == "", "the sheet put back")
        check(results(s, [12]) == ["Back 10.00 @ 3.00"], "undo: the green as before the paste")
        open_and_follow(window)
        if options.screenshot:
            subprocess.run(["import", "-window", "root", options.screenshot], check=False)
    finally:
        window.close()
    # The sheet kept under English separators, read after the regional settings changed to
    # German ones: the same prices, shown the German way.
    international = r"HKCU\Control Panel\International"
    def separators(decimal, thousand):
        for name, value in (("sDecimal", decimal), ("sThousand", thousand)):
            subprocess.run(["wine", "reg", "add", international, "/v", name, "/d", value, "/f"],
                           check=False, capture_output=True, timeout=60)
    separators(",", ".")
    window = Window(options.exe, options.probe, ["--market"], "Quorvel Market")
    try:
        s = window.settle(lambda s: s["fields"].get(4, {}).get("text", "") != "",
                          "the kept market under German separators")
        check(results(s, [1, 2, 4, 11]) == ["3,50", "3,55", "40,00", "-30,00"],
              "German separators: the kept prices 3,50 and 3,55, A pays 40,00")
    finally:
        window.close()
        separators(".", ",")


def open_and_follow(window):
    """Ctrl+O opens a stream file through the system's dialog, its path typed; the window then
    follows the file as lines are added to it; Ctrl+Z puts back the sheet of before."""
    source = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cli", "exchange",
                          "stream.json")
    with open(source) as f:
        lines = f.readlines()
    folder = tempfile.mkdtemp(prefix="quorvel-smoke-")
    stream = os.path.join(folder, "stream.json")
    with open(stream, "w") as f:
        f.write(lines[0])
    window.keys("ctrl+o")
    time.sleep(3)  # the dialog, its edit with the keyboard
    subprocess.run(["xdotool", "type", "--delay", "40", "Z:" + stream.replace("/", "\\")],
                   check=True, timeout=60)
    subprocess.run(["xdotool", "key", "Return"], check=True, timeout=10)
    s = window.settle(lambda s: s["fields"][1]["text"] == "3.50" and
                      s["fields"][16]["text"] == "2.64", "the stream file opened")
    check(s.get("title") == "Quorvel Market - stream.json", "open: the title names the file")
    with open(stream, "a") as f:
        f.writelines(lines[1:3])
    s = window.settle(lambda s: s["fields"][1]["text"] == "3.45", "the file followed")
    check(results(s, [1, 16]) == ["3.45", "2.66"], "follow: A backs at 3.45, C lays at 2.66")
    window.keys("ctrl+z")
    s = window.settle(lambda s: s["fields"][3]["text"] == "back:10@4.00", "the sheet put back")
    check(s.get("title") == "Quorvel Market", "undo: the typed sheet, no file followed")
    shutil.rmtree(folder, ignore_errors=True)


def shown_fields(state):
    """The visible fields in their places' order: the offers window's tabs share places."""
    return [state["fields"][i] for i in sorted(state["fields"])
            if state["fields"][i].get("visible") == "1"]


def offers(options):
    """The offers window alone: the treble A1 laid leg by leg, typed by keys. On the
    accumulator's tab the fields stand as stake, kind, refund, rate, then a row a leg: back,
    lay, laid, and the lay stake, liability and winnings worked out."""
    first_focused = lambda s: bool(shown_fields(s)) and shown_fields(s)[0].get("focus") == "1"
    window = Window(options.exe, options.probe, ["--offers"], "Quorvel Offers", first_focused,
                    "the first field focused")
    try:
        if not window.state.get("fields"):
            return
        check(window.state.get("title") == "Quorvel Offers", "the offers window's title")
        window.keys("alt+a")
        window.settle(lambda s: s.get("tab") == 3 and first_focused(s), "the accumulator's tab")
        keys = []
        for text in ["10", "", "", "", "1.80", "1.85", "", "1.50", "1.55", "", "2.10", "2.16", ""]:
            keys += typed(text)
        window.keys(*keys)
        lays = lambda s: [shown_fields(s)[4 + 6 * leg + 3].get("text") for leg in range(3)]
        s = window.settle(lambda s: lays(s)[2] == "26.87", "the treble's lays")
        check(lays(s) == ["8.98", "17.02", "26.87"], "treble A1: lays 8.98, 17.02, 26.87")
        check("Next: lay leg 1, 8.98 @ 1.85, liability 7.63; every path -1.4690 to -1.4632"
              in s["labels"], "treble A1: every path about -1.47")
        check(all(f.get("fits") == "1" for f in shown_fields(s)),
              "every figure of the offers window shows whole")
        if options.screenshot:
            subprocess.run(["import", "-window", "root", options.screenshot], check=False)
    finally:
        window.close()


def geometry(xid):
    """(left, top, width, height) of an X window, as xdotool sees it."""
    out = subprocess.run(["xdotool", "getwindowgeometry", xid], capture_output=True,
                         text=True).stdout
    found = re.search(r"Position: (-?\d+),(-?\d+).*Geometry: (\d+)x(\d+)", out, re.S)
    return tuple(int(v) for v in found.groups()) if found else None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("exe")
    parser.add_argument("probe")
    parser.add_argument("--screenshot")
    parser.add_argument("--only-startup", action="store_true")
    parser.add_argument("--only-storm", type=int, metavar="BURSTS",
                        help="only the random storm, with this many bursts")
    parser.add_argument("--market", action="store_true",
                        help="the market window alone, as quorvel.exe --market opens it")
    parser.add_argument("--offers", action="store_true",
                        help="the offers window alone, as quorvel.exe --offers opens it")
    options = parser.parse_args()
    if options.market:
        market(options)
        return
    if options.offers:
        offers(options)
        return

    window = Window(options.exe, options.probe)
    try:
        s = window.state
        if not s.get("fields"):
            return
        check(s.get("title") == "Quorvel Single Selection - Version 0.9", "title")
        check(s["fields"][0]["text"] == "0.00" and s["fields"][0]["sel"] == "0,4",
              "start-up: field 0 shows 0.00, all of it selected")
        check(s["fields"][8]["text"] == "5.00" and s["fields"][7]["visible"] == "0",
              "start-up: one rate, 5.00")
        check(s.get("check") == 1 and s.get("tab") == 1, "start-up: one market, first tab")
        check(all(s["fields"][i]["first"] == "0" and s["fields"][i]["fits"] == "1"
                  for i in range(9) if s["fields"][i]["visible"] == "1"),
              "every field shows all of its text")
        size = s["size"]
        print("window", size, flush=True)
        check_centred(window, [i for i in range(9) if s["fields"][i]["visible"] == "1"],
                      "start-up")
        # Named when a reader first asks (the probe asks field by field), by their labels.
        check(window.annotated_names()[:9] == [
            "Lay Price", "Lay Stake", "Back Price", "Back Stake", "Lay Liability", "Total Stake",
            "Net P/L", "Current Commission (%) Back", "Current Rate Of Commission Charged (%)"],
            "start-up: each field named by its label once a screen reader asks")
        if options.screenshot:
            subprocess.run(["import", "-window", "root", options.screenshot], check=False)
        if options.only_startup:
            return
        if options.only_storm:
            storm(window, bursts=options.only_storm)
            return

        # A tab's tooltip, blanks and all.
        left, top, width, height = s["places"]["tab1"]
        for x in range(left + 4, left + width // 2, 4):  # a tooltip waits for the mouse to rest
            subprocess.run(["xdotool", "mousemove", str(x), str(top + height // 2)], check=True,
                           timeout=10)
            time.sleep(0.05)
        s = window.settle(lambda s: "tooltip" in s, "a tooltip over the first tab")
        check(s.get("tooltip") == " bet back a previously layed bet on the same selection ",
              "the first tab's tooltip")
        subprocess.run(["xdotool", "mousemove", "1500", "1000"], check=False, timeout=10)

        # Shift+Tab goes back along the tab order.
        window.keys("Tab")
        window.settle(lambda s: s.get("focus") == 1, "Tab to field 1")
        window.keys("shift+Tab")
        s = window.settle(lambda s: s.get("focus") == 0, "Shift+Tab back to field 0")
        check(s.get("focus") == 0, "Tab and Shift+Tab move along the tab order")

        # Mode 1: lay price, lay stake, back price; Enter moves on after each.
        window.keys(*typed("2.5"), *typed("10"), *typed("3"))
        s = window.settle(lambda s: s["fields"][6]["text"] == "1.58", "the bet-back results")
        check(results(s, [3, 4, 5, 6]) == ["8.33", "15.00", "23.33", "1.58"],
              "bet back: 8.33, 15.00, 23.33, 1.58")

        # Mode 2 by its access key; the keys typed ahead land in order.
        window.keys("alt+a")
        s = window.settle(lambda s: s.get("tab") == 2 and s.get("focus") == 0, "lay back")
        window.keys(*typed("3"), *typed("10"), *typed("2.5"))
        s = window.settle(lambda s: s["fields"][6]["text"] == "1.90", "the lay-back results")
        check(results(s, [3, 4, 5, 6]) == ["12.00", "18.00", "28.00", "1.90"],
              "lay back: 12.00, 18.00, 28.00, 1.90")

        # Reactivating the window is no entry: what was typed and the caret stay.
        window.keys("Escape")
        window.click("0")
        window.keys("7")
        s = window.settle(lambda s: s["fields"][0]["text"] == "7", "7 typed over field 0")
        other = subprocess.Popen(["xmessage", "-geometry", "+700+500", "another window"],
                                 stderr=subprocess.DEVNULL)
        time.sleep(1.5)
        found = subprocess.run(["xdotool", "search", "--name", "xmessage"], capture_output=True,
                               text=True, timeout=10).stdout.split()
        if found:
            subprocess.run(["xdotool", "windowactivate", found[-1]], check=False, timeout=10)
        time.sleep(1)
        window.activate()  # back to the calculator
        time.sleep(1)
        s = window.settle(lambda s: True, "the window again")
        check(s["fields"][0]["text"] == "7" and s["fields"][0]["sel"] == "1,1",
              "back in the window: 7 and the caret after it, as left")
        other.terminate()
        window.keys("Escape", "Return")

        # A refused price keeps the focus and its text, against Enter and a click elsewhere.
        window.click("0")
        s = window.settle(lambda s: s.get("focus") == 0 and s["fields"][0]["sel"] == "0,4",
                          "field 0 entered by a click, its text selected")
        window.keys(*typed("1"))
        window.click("1")
        s = window.settle(lambda s: s["fields"][0]["text"] == "1", "the refused text")
        time.sleep(0.5)
        s = window.settle(lambda s: True, "the state")
        check(s.get("focus") == 0 and s["fields"][0]["text"] == "1",
              "a price of 1 is refused: the focus and the text stay")
        # A right press on another field is refused as a left one is; so is its menu.
        window.click("1", button=3)
        time.sleep(0.5)
        window.keys("Escape")
        s = window.settle(lambda s: s["fields"][0]["text"] == "3.00", "Escape after a right click")
        check(s.get("focus") == 0, "a right click elsewhere leaves the focus in the refused field")
        window.keys(*list("1"))
        # Escape puts back what the field held on entry, all of it selected.
        window.keys("Escape")
        s = window.settle(lambda s: s["fields"][0]["text"] == "3.00", "Escape")
        check(s["fields"][0]["sel"] == "0,4" and s.get("focus") == 0,
              "Escape restores 3.00, selected")

        # Separate markets: the back rate appears, and the results are recomputed.
        window.click("check")
        s = window.settle(lambda s: s.get("check") == 0, "the check box cleared")
        check(s["fields"][7]["visible"] == "1" and s["fields"][7]["text"] == "5.00",
              "two rates: the back rate shows 5.00")
        check(results(s, [3, 4, 5, 6]) == ["11.84", "17.76", "27.76", "1.24"],
              "separate markets: 11.84, 17.76, 27.76, 1.24")

        # Mode 3 by a click on its tab.
        window.click("tab3")
        s = window.settle(lambda s: s.get("tab") == 3 and s.get("focus") == 0, "total funds")
        window.keys(*typed("3"), *typed("2.5"), *typed("90"))
        s = window.settle(lambda s: s["fields"][6]["text"] == "4.04", "the total-funds results")
        check(results(s, [1, 3, 4, 6]) == ["32.43", "38.38", "57.57", "4.04"],
              "total funds: 32.43, 38.38, 57.57, 4.04")

        # A result too wide for its field is drawn smaller: every digit shows.
        window.keys("alt+a")
        s = window.settle(lambda s: s.get("tab") == 2 and s.get("focus") == 0, "lay back again")
        window.keys(*typed("1000"), *typed("10000"), *typed("1.01"))
        s = window.settle(lambda s: s["fields"][3]["text"] == "9,896,354.17", "a wide result")
        check(all(s["fields"][i]["fits"] == "1" for i in (3, 4, 5, 6)),
              "9,896,354.17 and its neighbours show every digit")
        check_centred(window, [3, 4, 5, 6], "a result drawn smaller")

        # The check box's access key ticks it and recomputes in one market.
        window.keys("alt+m")
        s = window.settle(lambda s: s.get("check") == 1, "Alt+M ticking the check box")
        check(s.get("focus") == "check" and s["fields"][3]["text"] == "9,900,990.10",
              "Alt+M: one market again, 9,900,990.10")

        storm(window)


        # The size is fixed: a size the window manager forces is put back.
        subprocess.run(["xdotool", "windowsize", window.xid, "900", "400"], check=False)
        time.sleep(1)
        s = window.settle(lambda s: s["size"] == size, "the fixed size again")
        check(s["size"] == size, "fixed size %s after a resize to 900x400" % (size,))

        # Ctrl+M opens the market window beside the calculator; closing the calculator leaves
        # it open, and closing it too ends the program.
        window.keys("Escape", "ctrl+m")
        found = lambda name: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                                            capture_output=True, text=True).stdout.split()
        deadline = time.time() + 30
        while not found("Quorvel Market") and time.time() < deadline:
            time.sleep(0.3)
        check(bool(found("Quorvel Market")), "Ctrl+M opens the market window")
        if found("Quorvel Market"):
            mine, theirs = geometry(window.xid), geometry(found("Quorvel Market")[-1])
            check(mine is not None and theirs is not None and
                  (theirs[0] >= mine[0] + mine[2] or theirs[0] + theirs[2] <= mine[0]),
                  "the market window opens beside the calculator: %s, %s" % (mine, theirs))
        # Ctrl+F opens the offers window too.
        window.keys("ctrl+f")
        deadline = time.time() + 30
        while not found("Quorvel Offers") and time.time() < deadline:
            time.sleep(0.3)
        check(bool(found("Quorvel Offers")), "Ctrl+F opens the offers window")
        window.keys("alt+F4")
        time.sleep(2)
        check(window.process.poll() is None and bool(found("Quorvel Market")),
              "closing the calculator leaves the market window open")
        for xid in found("Quorvel Market") + found("Quorvel Offers"):
            subprocess.run(["xdotool", "windowactivate", xid, "key", "alt+F4"], check=False,
                           timeout=10)
        try:
            window.process.wait(20)
        except subprocess.TimeoutExpired:
            pass
        check(window.process.poll() is not None, "closing the last window ends the program")
    finally:
        window.close()


if __name__ == "__main__":
    main()
    if failures:
        print("windows_smoke: %d failed" % len(failures))
        sys.exit(1)
    print("windows_smoke: passed")
