#!/usr/bin/python3
"""The main window on real screens: for each screen size, desktop font and scale factor,
starts an X server (Xvfb) with the openbox window manager and a 40 px panel that reserves
its strip of the screen, shows the main window maximised as the program does, plays a few
rounds, and checks from the window system that the window lies inside the usable area and
that every control shows in full, or, where the screen is too small, can be scrolled into
view. After the rounds, played with F5 where the focus is, both fighters' remaining life
points, the round line and the forecast must be in sight without scrolling, on every
screen.

    screen_check.py SCREENSHOT_TOOL [--pictures DIR]

The desktop font comes from qt6ct, the way a desktop without its own Qt settings sets it;
the 9 pt cases run with Qt's own default font and no platform theme.
"""
import argparse
import json
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass
from typing import Optional

try:
    from Xlib import X, Xatom, Xutil, display
    from Xlib.protocol import event
except ImportError:
    sys.exit("FAIL: python3-xlib is missing (Debian package python3-xlib)")

PANEL_HEIGHT = 40
TITLE = "Torvenn Kampfgenerator Version 1.1"
QT6CT_PLUGIN = "/usr/lib/x86_64-linux-gnu/qt6/plugins/platformthemes/libqt6ct.so"


@dataclass
class Case:
    name: str
    width: int
    height: int
    font_points: Optional[int]  # None: Qt's default font, 9 pt
    scale: int
    panel_at_top: bool
    fits: bool  # False: the content must scroll instead


CASES = [
    Case("1280x720-9pt", 1280, 720, None, 1, True, True),
    Case("1366x768-10pt", 1366, 768, 10, 1, False, True),
    Case("2560x1440-scale2", 2560, 1440, None, 2, True, True),
    Case("1366x768-11pt", 1366, 768, 11, 1, False, True),
    # The name row leaves the fighter panels a few pixels taller than this screen: the
    # content scrolls down to the commands, while the results stay in sight after a round.
    Case("1366x768-12pt", 1366, 768, 12, 1, False, False),
    # Too narrow for the fighters and the event panel side by side (960 logical pixels):
    # a round scrolls its results into sight.
    Case("1920x1080-scale2", 1920, 1080, None, 2, True, False),
]

# The controls every run must report: fighter panels, event panel, commands, menu.
REQUIRED = (
    ["Edit%d" % i for i in range(1, 15)]
    + ["Label%d" % i for i in list(range(1, 30)) + [30, 32, 34] + list(range(41, 79))]
    + ["GroupBox%d" % i for i in range(1, 8)]
    + ["ListBox1", "ListBox2", "ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"]
    + ["CheckBox%d" % i for i in range(1, 5)]
    + ["Button%d" % i for i in (1, 2, 4, 5, 6, 7, 8)]
    + ["MainMenu1"]
)

# What a round changes and the game master reads after it: both fighters' remaining life
# points, the round line and the forecast.
AFTER_ROUND = ["Label22", "Label23", "Label64", "Prognose"]


class Failure(Exception):
    pass


def wait_for(what, condition, seconds=20.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.05)
    raise Failure("no %s within %g seconds" % (what, seconds))


def require_programs():
    missing = [p for p in ("Xvfb", "openbox") if shutil.which(p) is None]
    if not os.path.exists(QT6CT_PLUGIN):
        missing.append("qt6ct")
    if missing:
        sys.exit("FAIL: missing %s (install with scripts/test.sh)" % ", ".join(missing))


def start_x_server(case):
    # A display number of our own: the first free one from 60 on, away from the numbers
    # other virtual screens on this machine pick first.
    for number in range(60 + os.getpid() % 40, 200):
        if os.path.exists("/tmp/.X%d-lock" % number):
            continue
        server = subprocess.Popen(
            ["Xvfb", ":%d" % number, "-nolisten", "tcp", "-noreset",
             "-screen", "0", "%dx%dx24" % (case.width, case.height)],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        socket = "/tmp/.X11-unix/X%d" % number
        deadline = time.monotonic() + 20
        while server.poll() is None and time.monotonic() < deadline:
            if os.path.exists(socket):
                return server, ":%d" % number
            time.sleep(0.05)
        if server.poll() is None:
            server.kill()
            raise Failure("Xvfb did not start")
    raise Failure("no free X display number")


class Screen:
    def __init__(self, name):
        self.display = display.Display(name)
        self.root = self.display.screen().root

    def atom(self, name):
        return self.display.intern_atom(name)

    def cardinals(self, window, name):
        prop = window.get_full_property(self.atom(name), X.AnyPropertyType)
        return list(prop.value) if prop is not None else None

    def work_area(self):
        area = self.cardinals(self.root, "_NET_WORKAREA")
        return tuple(area[:4]) if area else None

    def add_panel(self, case):
        # A dock window as a desktop panel is one: the window manager keeps windows out of
        # the strip it reserves.
        y = 0 if case.panel_at_top else case.height - PANEL_HEIGHT
        panel = self.root.create_window(0, y, case.width, PANEL_HEIGHT, 0,
                                        X.CopyFromParent, X.InputOutput, X.CopyFromParent,
                                        background_pixel=self.display.screen().black_pixel)
        panel.change_property(self.atom("_NET_WM_WINDOW_TYPE"), Xatom.ATOM, 32,
                              [self.atom("_NET_WM_WINDOW_TYPE_DOCK")])
        top = PANEL_HEIGHT if case.panel_at_top else 0
        bottom = 0 if case.panel_at_top else PANEL_HEIGHT
        panel.change_property(self.atom("_NET_WM_STRUT"), Xatom.CARDINAL, 32,
                              [0, 0, top, bottom])
        panel.change_property(self.atom("_NET_WM_STRUT_PARTIAL"), Xatom.CARDINAL, 32,
                              [0, 0, top, bottom, 0, 0, 0, 0,
                               0, case.width - 1 if top else 0,
                               0, case.width - 1 if bottom else 0])
        # Where the panel says it is: without the hint the window manager places it.
        panel.set_wm_normal_hints(flags=Xutil.USPosition | Xutil.PPosition, x=0, y=y)
        panel.map()
        panel.configure(x=0, y=y)
        self.display.sync()
        return panel

    def client_named(self, title):
        for window_id in self.cardinals(self.root, "_NET_CLIENT_LIST") or []:
            window = self.display.create_resource_object("window", window_id)
            name = window.get_full_property(self.atom("_NET_WM_NAME"), self.atom("UTF8_STRING"))
            if name is not None and name.value.decode() == title:
                return window
        return None

    def geometry(self, window):
        size = window.get_geometry()
        origin = window.translate_coords(self.root, 0, 0)
        return (-origin.x, -origin.y, size.width, size.height)

    def close(self, window):
        message = event.ClientMessage(window=window, client_type=self.atom("_NET_CLOSE_WINDOW"),
                                      data=(32, [0, 2, 0, 0, 0]))
        self.root.send_event(message, event_mask=X.SubstructureRedirectMask |
                             X.SubstructureNotifyMask)
        self.display.sync()


def connect(name):
    try:
        return Screen(name)
    except Exception:  # the server may not accept connections the moment it says ready
        return None


def inside(inner, outer):
    x, y, w, h = inner
    ox, oy, ow, oh = outer
    return ox <= x and oy <= y and x + w <= ox + ow and y + h <= oy + oh


def intersection(a, b):
    x, y = max(a[0], b[0]), max(a[1], b[1])
    right, bottom = min(a[0] + a[2], b[0] + b[2]), min(a[1] + a[3], b[1] + b[3])
    return (x, y, max(0, right - x), max(0, bottom - y))


def scaled(rect, scale):
    return tuple(round(v * scale) for v in rect)


def expected_work_area(case):
    top = PANEL_HEIGHT if case.panel_at_top else 0
    return (0, top, case.width, case.height - PANEL_HEIGHT)


def environment(case, home):
    env = {k: v for k, v in os.environ.items()
           if not k.startswith("QT_") and k not in ("DISPLAY", "XDG_CONFIG_HOME")}
    env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_RUNTIME_DIR=os.path.join(home, "runtime"), QT_QPA_PLATFORM="xcb")
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
    if case.scale != 1:
        env["QT_SCALE_FACTOR"] = str(case.scale)
    if case.font_points is not None:
        config = os.path.join(env["XDG_CONFIG_HOME"], "qt6ct")
        os.makedirs(config)
        with open(os.path.join(config, "qt6ct.conf"), "w") as file:
            file.write('[Fonts]\ngeneral="Sans Serif,%d,-1,5,50,0,0,0,0,0"\n'
                       'fixed="Monospace,%d,-1,5,50,0,0,0,0,0"\n'
                       % (case.font_points, case.font_points))
        env["QT_QPA_PLATFORMTHEME"] = "qt6ct"
    return env


def check_report(case, report, client, work_area):
    """What the window system shows against where the program put each control."""
    problems = []
    want_points = case.font_points or 9
    if report["fontPointSize"] != want_points:
        problems.append("the window uses a %g pt font, not %d pt" %
                        (report["fontPointSize"], want_points))
    scale = report["scale"]
    qt_window = scaled(report["window"], scale)
    if any(abs(a - b) > 1 for a, b in zip(qt_window, client)):
        problems.append("the program puts its window at %s, the X server at %s" %
                        (qt_window, client))
    shown = intersection(client, work_area)
    viewport = intersection(scaled(report["viewport"], scale), shown)
    bars = [n for n in ("horizontalScrollBar", "verticalScrollBar") if report[n]]
    if case.fits and bars:
        problems.append("the content scrolls (%s) on a screen it should fit" % ", ".join(bars))
    if not case.fits and not bars:
        problems.append("the content does not fit, yet there is no scroll bar")

    names = {c["name"] for c in report["controls"]}
    problems += ["control %s is missing" % n for n in REQUIRED if n not in names]
    visible = [c for c in report["controls"] if c["visible"]]
    for control in visible:
        label = "%s (%s)" % (control["name"], control["class"])
        if not control["textFits"]:
            problems.append("%s cuts off its text" % label)
        area = viewport if control["scrolls"] else shown
        if case.fits or not control["scrolls"]:
            rect = scaled(control["rect"], scale)
            if not inside(rect, area):
                problems.append("%s at %s is cut off by %s" % (label, rect, area))
        elif not control["container"]:
            # Scrolled to, it shows in full; a panel taller than the screen shows its
            # controls one after the other.
            rect = scaled(control["scrolledRect"], scale)
            if not inside(rect, area):
                problems.append("%s cannot be scrolled into view: %s, viewport %s" %
                                (label, rect, area))
    # As the rounds left the window.
    by_name = {c["name"]: c for c in visible}
    for name in AFTER_ROUND:
        if name not in by_name:
            problems.append("%s does not show after the rounds" % name)
            continue
        rect = scaled(by_name[name]["leftRect"], scale)
        if not inside(rect, viewport):
            problems.append("after the rounds %s lies at %s, outside the viewport %s (scrolled by %s)"
                            % (name, rect, viewport, report["scrolledBy"]))
    # The log follows its newest line.
    if not report["logShowsItsLastLine"]:
        problems.append("after the rounds the log does not show its last line")
    return problems, len(visible), bars


def run_case(case, tool, pictures):
    home = tempfile.mkdtemp(prefix="screen-check-")
    env = environment(case, home)
    server, name = start_x_server(case)
    processes = [server]
    screen = None
    try:
        env["DISPLAY"] = name
        screen = wait_for("connection to the X server", lambda: connect(name))
        processes.append(subprocess.Popen(["openbox", "--sm-disable"], env=env,
                                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_for("window manager", lambda: screen.cardinals(screen.root,
                                                            "_NET_SUPPORTING_WM_CHECK"))
        want_area = expected_work_area(case)
        panel = None
        for _ in range(4):
            # A panel mapped while the window manager is still starting may be missed;
            # then it is mapped again.
            if panel is not None:
                panel.destroy()
            panel = screen.add_panel(case)
            want_panel = (0, 0 if case.panel_at_top else case.height - PANEL_HEIGHT,
                          case.width, PANEL_HEIGHT)
            try:
                wait_for("work area", lambda: screen.work_area() == want_area and
                         screen.geometry(panel) == want_panel, 5)
                break
            except Failure:
                pass
        else:
            raise Failure("the work area is %s, not %s, and the panel lies at %s, not %s" %
                          (screen.work_area(), want_area, screen.geometry(panel), want_panel))

        picture = os.path.join(pictures or home, case.name + ".png")
        report_path = os.path.join(home, "controls.json")
        log_path = os.path.join(home, "program.log")
        with open(log_path, "w") as log:
            program = subprocess.Popen(
                [tool, "--size", "maximized", "--controls", report_path, "--stay", picture],
                env=env, stdout=log, stderr=subprocess.STDOUT)
        processes.append(program)

        def report_written():
            if program.poll() is not None:
                with open(log_path) as log:
                    raise Failure("the program ended with %s before its report:\n%s" %
                                  (program.returncode, log.read()))
            return os.path.exists(report_path)

        wait_for("control report", report_written, 120)

        window = wait_for("window \"%s\"" % TITLE, lambda: screen.client_named(TITLE))
        client = screen.geometry(window)
        left, right, top, bottom = screen.cardinals(window, "_NET_FRAME_EXTENTS") or (0,) * 4
        frame = (client[0] - left, client[1] - top,
                 client[2] + left + right, client[3] + top + bottom)
        work_area = screen.work_area()
        problems = []
        if not inside(frame, work_area):
            problems.append("the window with its frame %s reaches outside the work area %s" %
                            (frame, work_area))
        with open(report_path) as file:
            report = json.load(file)
        found, count, bars = check_report(case, report, client, work_area)
        problems += found

        screen.close(window)
        try:
            code = program.wait(timeout=20)
        except subprocess.TimeoutExpired:
            code = None
        if code != 0:
            problems.append("closing the window ended the program with %s" % code)
        print("%-18s window %dx%d+%d+%d, frame %dx%d+%d+%d in work area %dx%d+%d+%d, "
              "%d controls, %s" % ((case.name,) + client[2:] + client[:2] + frame[2:] +
                                   frame[:2] + work_area[2:] + work_area[:2] +
                                   (count, "scrolls " + " and ".join(bars) if bars
                                    else "no scrolling")))
        return problems
    finally:
        if screen is not None:
            screen.display.close()
        for process in reversed(processes):
            if process.poll() is None:
                process.kill()
                process.wait()
        shutil.rmtree(home, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("tool")
    parser.add_argument("--pictures", help="keep each case's picture here")
    parser.add_argument("--case", help="run only this case")
    arguments = parser.parse_args()
    require_programs()
    if arguments.pictures:
        os.makedirs(arguments.pictures, exist_ok=True)
    failed = False
    for case in [c for c in CASES if arguments.case in (None, c.name)]:
        try:
            problems = run_case(case, os.path.abspath(arguments.tool), arguments.pictures)
        except Failure as failure:
            problems = [str(failure)]
        for problem in problems:
            print("FAIL %s: %s" % (case.name, problem))
        failed = failed or bool(problems)
    print("screen check %s" % ("FAILED" if failed else "passed"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
