#!/usr/bin/python3
"""The real window under openbox on Xvfb, driven by xdotool, read through AT-SPI and xclip.
One row per case: the scale, then actions and checks (`WHAT == EXPECTED`) in order."""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

PROGRAM = sys.argv[1]

NAMES = {
    "SPh": "Single-phase", "TPh": "Three-phase", "V": "System voltage, volts",
    "A": "Current, amperes", "W": "Power, volt-amperes", "Factor": "Power factor, 0.01 to 1",
    "V2": "Secondary voltage, volts", "Imped": "Transformer impedance, percent",
    "A1": "Percentage of the current, amperes", "Wzor": "Formula processed",
    "Command1": "125% of Current", "CommandSC": "125% of Secondary Current",
    "Trbutton": "Transformer calculation", "Command3D2": "About Quellora", "Command3D1": "Exit",
    "About.Command3": "OK", "About.LabelWeb": "Website", "About.LabelMail": "E-mail address",
}

CASES = [
    ("click, then type, replaces the number", 1,
     ["wait", "click W", "type 5000", "W == 5000", "selection W == 4 0"]),
    ("a click in the focused field places the caret, a drag selects, a focusing click selects", 1,
     ["click V", "click V@start", "type 4", "V == 4208", "selection V == 1 0", "click A",
      "click A@start", "drag A", "selection A == 0 2", "click V", "click A", "selection A == 0 2"]),
    ("Tab and Shift+Tab pass over what the compact window hides", 1,
     ["key Tab Tab Tab Tab Tab", "focus == TPh", "showing V2 == no", "showing Imped == no",
      "showing CommandSC == no", "key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab",
      "focus == SPh", "key shift+Tab", "focus == Command3D1"]),
    ("arrows on a phase option select the other one", 1,
     ["key Down", "focus == TPh", "checked TPh == yes", "V == 208",
      "key Up", "focus == SPh", "checked SPh == yes", "checked TPh == no", "V == 120"]),
    ("Return and Space press a focused button", 1,
     ["key shift+Tab shift+Tab shift+Tab", "focus == Command1", "key space",
      "A1 == 15.00", "key shift+Tab", "focus == Trbutton", "key Return", "showing V2 == yes",
      "client == 536x335", "key Tab Tab Tab Tab", "focus == CommandSC"]),
    ("the About window from the keyboard", 1,
     ["key shift+Tab shift+Tab", "key Return", "about == open", "focus == About.Command3",
      "key Escape", "about == closed", "key Return", "about == open",
      "key Tab", "focus == About.LabelWeb", "key Return", "key Tab",
      "focus == About.LabelMail", "key space", "opened == https://www.example.com/quellora "
      "mailto:qa@example.com", "key Tab", "focus == About.Command3", "key Return",
      "about == closed"]),
    ("copy, paste, cut and select all through the context menus, never the keys", 1,
     ["wait", "rclick W", "key c", "clipboard == 3,603", "rclick A1", "key c",
      "clipboard == 12.50", "clip 480", "click V", "rclick V", "key p", "V == 480",
      "key shift+F10", "key a", "selection V == 0 3", "key Menu", "key t", "V == ",
      "clipboard == 480", "drag Wzor@middle", "rclick Wzor", "key c", "clipboard < P = 1.73 * U * I * PF",
      "clip 77", "click A", "key ctrl+v", "A == 10.00", "key ctrl+c", "clipboard == 77"]),
    ("a click opens a link, Exit closes every window", 1,
     ["click Command3D2", "about == open", "move about", "click About.LabelWeb",
      "opened == https://www.example.com/quellora", "click Command3D1", "ended == yes"]),
    ("the window manager's close acts as OK, then as Exit", 1,
     ["click Command3D2", "about == open", "key alt+F4", "about == closed", "key alt+F4",
      "ended == yes"]),
    ("the largest power whole at scale 1.5", 1.5,
     ["click V", "type 999999", "click W", "type 999999999999", "key Tab",
      "W == 999,999,999,999", "client == 467x333"]),
]


def run(*command, check=True):
    return subprocess.run(command, check=check, capture_output=True, text=True).stdout


def until(probe, seconds=5.0):
    deadline = time.monotonic() + seconds
    while not (value := probe()) and time.monotonic() < deadline:
        time.sleep(0.05)
    return value


class Program:
    def __init__(self, scale, opened_log, bin_dir):
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_SCALE_FACTOR=str(scale), PATH=bin_dir + ":" + os.environ["PATH"],
                   XDG_CURRENT_DESKTOP="", DESKTOP_SESSION="")
        self.opened_log, self.scale = opened_log, scale
        self.last_click = (None, 0.0)
        self.pointer = tuple(int(v.split(":")[1]) for v in
                             run("xdotool", "getmouselocation").split()[:2])
        self.process = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        try:
            self.app = until(self.find_app, 10)
            self.window_id = until(lambda: self.window("^ Quellora$"), 10)
            if not (self.app and self.window_id):
                raise AssertionError("the main window does not show on the accessibility bus")
            run("xdotool", "windowactivate", "--sync", self.window_id)
            if not until(lambda: self.focused() is not None):
                raise AssertionError("the main window gets no keyboard focus")
        except BaseException:
            self.stop()
            raise

    def find_app(self):
        return next((a for a in pyatspi.Registry.getDesktop(0)
                     if a is not None and a.get_process_id() == self.process.pid), None)

    def window(self, title):
        return (run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.process.pid),
                    "--name", title, check=False).split() or [None])[0]

    def stop(self):
        self.process.terminate()
        self.process.wait(5)

    def windows(self):
        return [w for w in self.app if w is not None]

    def accessible(self, name):
        wanted = NAMES.get(name, name)
        for window in self.windows():
            if (window.name == "About Quellora") == name.startswith("About.") and (
                    found := pyatspi.findDescendant(window, lambda a: a.name == wanted or
                                                    a.name.startswith(wanted + ": "))) is not None:
                return found
        raise AssertionError(f"no control {name} on the accessibility bus")

    def value(self, name):
        found = self.accessible(name)
        if found.getRole() == pyatspi.ROLE_TEXT:
            return found.queryText().getText(0, -1)
        return found.name.partition(": ")[2]

    def focused(self):
        found = (pyatspi.findDescendant(w, lambda a: a.getState().contains(pyatspi.STATE_FOCUSED))
                 for w in self.windows())
        return next((f for f in found if f is not None), None)

    def centre(self, name, left=None):
        """Where to point: `@start`, `@end`, else `left` pixels in or the middle; and the right."""
        target, _, where = name.partition("@")
        # The accessibility bus gives places in Qt's pixels, which the scale makes larger.
        e = self.accessible(target).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        x, y, w, h = (round(v * self.scale) for v in (e.x, e.y, e.width, e.height))
        other = x + left if left is not None and not where else x + w // 2
        return {"start": x + 6, "end": x + w - 6}.get(where, other), y + h // 2, x + w

    def point(self, x, y):
        # Waiting for a move to where the pointer already is would wait for ever.
        if (x, y) != self.pointer:
            run("xdotool", "mousemove", "--sync", str(x), str(y))
            self.pointer = (x, y)

    def act(self, action):
        verb, _, rest = action.partition(" ")
        if verb == "wait":
            time.sleep(0.3)
        elif verb in ("click", "rclick"):
            x, y, _ = self.centre(rest)
            # Two clicks on one place make no double click.
            if (x, y) == self.last_click[0]:
                time.sleep(max(0.0, self.last_click[1] + 0.5 - time.monotonic()))
            self.point(x, y)
            run("xdotool", "click", "1" if verb == "click" else "3")
            self.last_click = ((x, y), time.monotonic())
            time.sleep(0.15)
        elif verb == "drag":
            x, y, right = self.centre(rest, left=4)
            self.point(x, y)
            run("xdotool", "mousedown", "1")
            self.point(right - 2, y)
            run("xdotool", "mouseup", "1")
            self.last_click = (None, 0.0)
            time.sleep(0.15)
        elif verb == "type":
            run("xdotool", "type", "--delay", "30", rest)
        elif verb == "key":
            for key in rest.split():
                run("xdotool", "key", key)
                time.sleep(0.1)
            time.sleep(0.1)
        elif verb == "clip":
            subprocess.run(["xclip", "-selection", "clipboard"], input=rest, text=True, check=True)
        elif verb == "move":
            # The About window opens over the main window; a person drags it aside.
            run("xdotool", "windowmove", "--sync",
                until(lambda: self.window("About Quellora")), "700", "0")
        else:
            raise AssertionError(f"unknown action {action!r}")

    def observe(self, what):
        subject, _, argument = what.partition(" ")
        if subject == "focus":
            focused = self.focused()
            name = "none" if focused is None else focused.name.split(": ")[0]
            about = self.windows()[-1].name == "About Quellora"
            return next((k for k, v in NAMES.items() if v == name and k.startswith("About.") == about),
                        name)
        if subject in ("showing", "checked"):
            state = pyatspi.STATE_SHOWING if subject == "showing" else pyatspi.STATE_CHECKED
            return "yes" if self.accessible(argument).getState().contains(state) else "no"
        if subject == "selection":
            text = self.accessible(argument).queryText()
            start, end = text.getSelection(0) if text.getNSelections() else [text.caretOffset] * 2
            return f"{start} {end - start}"
        if subject == "clipboard":
            return run("xclip", "-o", "-selection", "clipboard", check=False)
        if subject == "client":
            size = dict(v.split("=") for v in run("xdotool", "getwindowgeometry", "--shell",
                                                  self.window_id).split())
            return f"{size['WIDTH']}x{size['HEIGHT']}"
        if subject == "about":
            return "open" if any(w.name == "About Quellora" for w in self.windows()) else "closed"
        if subject == "ended":
            return "yes" if self.process.poll() == 0 else "no"
        if subject == "opened":
            with open(self.opened_log, encoding="utf-8") as log:
                return " ".join(log.read().split())
        return self.value(what)

    def check(self, check):
        if " < " in check:
            what, expected = check.split(" < ", 1)
            matches = lambda got: got and got != expected and expected.endswith(got)
        else:
            what, expected = check.split(" == ", 1) if " == " in check else (check[:-3], "")
            matches = lambda got: got == expected
        if not until(lambda: matches(self.observe(what)), 3):
            raise AssertionError(f"{check!r}: got {self.observe(what)!r}")


def main():
    started = time.monotonic()
    # The window manager is up once it lists window activation, which xdotool needs.
    for _ in range(3):  # on a fresh server it now and then quits at once, without a word
        manager = subprocess.Popen("openbox", stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if until(lambda: manager.poll() is None and "_NET_ACTIVE_WINDOW" in run("xprop", "-root")):
            break
    failed = 0
    with tempfile.TemporaryDirectory() as scratch:
        log = os.path.join(scratch, "opened.log")
        # The desktop's browser and mail client only record what they are handed.
        for handler in ("xdg-open", "xdg-email"):
            with open(os.path.join(scratch, handler), "w", encoding="utf-8") as script:
                script.write(f'#!/bin/sh\nprintf "%s\\n" "$*" >> "{log}"\n')
            os.chmod(script.name, 0o755)
        row = os.environ.get("QUELLORA_WINDOW_ROW")
        cases = CASES[int(row):int(row) + 1] if row else CASES
        for name, scale, items in cases:
            open(log, "w", encoding="utf-8").close()
            began = time.monotonic()
            try:
                program = Program(scale, log, scratch)
                try:
                    for item in items:
                        is_check = " == " in item or item.endswith(" ==") or " < " in item
                        (program.check if is_check else program.act)(item)
                finally:
                    program.stop()
                print(f"PASS  {name} ({time.monotonic() - began:.1f} s)")
            except (AssertionError, subprocess.CalledProcessError) as error:
                failed += 1
                print(f"FAIL  {name}: {error}")
    manager.terminate()
    print(f"{len(cases) - failed} passed, {failed} failed in {time.monotonic() - started:.0f} s")
    return 1 if failed or not cases else 0


if __name__ == "__main__":
    sys.exit(main())
