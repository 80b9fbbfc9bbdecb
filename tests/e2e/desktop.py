"""The program on a real display, as a person and a screen reader meet it.

Input goes through the X server with xdotool (real key and pointer events that
the window manager sees); everything read back comes over AT-SPI, the
interface screen readers use. Nothing here reaches into the program.
"""

import os
import signal
import subprocess
import time

import pyatspi
from gi.repository import Atspi, GLib

# Polling: a state the window reaches at once is seen within one interval; a
# state it never reaches is given up on after the timeout.
POLL_SECONDS = 0.05
DEFAULT_TIMEOUT = 5.0
DOUBLE_CLICK_GAP = 0.5
DOUBLE_CLICK_DISTANCE = 20


class StepFailed(Exception):
    """A step cannot go on: what it waited for never happened."""


def wait_until(condition, what, timeout=DEFAULT_TIMEOUT):
    """Polls condition() until it returns something true; that value is returned.

    An AT-SPI error while polling counts as "not yet": an accessible can go
    away between listing it and asking it (a widget hidden or a popup
    closed meanwhile). The last such error is reported if time runs out.
    """
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except GLib.GError as e:
            last_error = e
        if time.monotonic() > deadline:
            detail = f" (last AT-SPI error: {last_error})" if last_error else ""
            raise StepFailed(f"timed out after {timeout:.1f} s waiting for {what}{detail}")
        time.sleep(POLL_SECONDS)


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def states_of(accessible):
    return set(accessible.getState().getStates())


def walk(root):
    """Every accessible under root with its depth, in tree order."""
    stack = [(root, 0)]
    while stack:
        node, depth = stack.pop()
        if node is None:
            continue
        yield node, depth
        stack.extend((child, depth + 1) for child in reversed(list(node)))


class Program:
    """One run of the program under test, from its start to its end."""

    def __init__(self, binary, log_path, scale=None):
        env = dict(os.environ)
        env["QT_QPA_PLATFORM"] = "xcb"
        if scale is not None:
            env["QT_SCALE_FACTOR"] = str(scale)
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self._known = {}
        self._a11y_address = None
        self._calls = []
        self._focus_moves = 0
        self.announced = []  # the hints a screen reader was told of, in order
        self._last_click = (-DOUBLE_CLICK_GAP, 0, 0)
        self._log = open(log_path, "ab")
        self.process = subprocess.Popen(
            [binary], env=env, stdout=self._log, stderr=subprocess.STDOUT, start_new_session=True
        )
        pyatspi.Registry.registerEventListener(self._on_focus, "object:state-changed:focused")
        pyatspi.Registry.registerEventListener(self._on_description, "object:property-change:accessible-description")
        try:
            self.app = wait_until(self._find_application, "the program on the accessibility bus", timeout=10)
            self.frame = wait_until(self._find_frame, "the main window's frame")
            # Typing only reaches a window that has the keyboard: the window
            # manager gives it to a new window, as on a person's desktop.
            wait_until(lambda: pyatspi.STATE_ACTIVE in states_of(self.frame), "the window to become active")
        except BaseException:
            self.stop()
            raise

    def exit_status(self):
        """The program's exit status once it has ended on its own, else None."""
        return self.process.poll()

    def _find_application(self):
        if self.process.poll() is not None:
            raise StepFailed(f"the program exited with status {self.process.returncode} while starting")
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    # Qt's tree changes without events for everything: read it fresh.
                    app.set_cache_mask(Atspi.Cache.NONE)
                    return app
            except Exception:  # an application that left the bus meanwhile
                continue
        return None

    def _find_frame(self):
        for child in self.app:
            if child is not None and child.getRoleName() == "frame" and child.name == "QUANTIVEX":
                return child
        return None

    def _on_description(self, event):
        try:
            if event.source.name == "入力の注意":
                self.announced.append(event.source.description)
        except Exception:  # a source gone meanwhile
            pass

    def pump_events(self):
        """Lets the accessibility events that have arrived reach their listeners."""
        context = GLib.MainContext.default()
        for _ in range(50):
            while context.iteration(False):
                pass
            time.sleep(0.01)

    def _on_focus(self, event):
        if event.detail1 == 1:
            self._focus_moves += 1

    def press_moving_focus(self, key, timeout=1.0):
        """Presses a key that moves the keyboard focus and waits until it has moved.

        The focus events are what a screen reader follows; waiting for one
        instead of a fixed time keeps a walk along the Tab chain fast.
        Returns False if no focus moved within the timeout.
        """
        context = GLib.MainContext.default()
        while context.iteration(False):  # events from before the key
            pass
        before = self._focus_moves
        self.key(key)
        deadline = time.monotonic() + timeout
        while self._focus_moves == before:
            if time.monotonic() > deadline:
                return False
            if not context.iteration(False):
                time.sleep(0.005)
        return True

    def stop(self):
        pyatspi.Registry.deregisterEventListener(self._on_focus, "object:state-changed:focused")
        pyatspi.Registry.deregisterEventListener(self._on_description, "object:property-change:accessible-description")
        for call in self._calls:
            if call.poll() is None:
                call.kill()
            call.wait()
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGTERM)
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(self.process.pid, signal.SIGKILL)
                self.process.wait()
        self._log.close()

    # ---- reading over AT-SPI ----

    def find(self, name):
        """The first accessible with this name in the program, or None.

        A widget keeps its accessible while it lives, so one found is kept:
        walking the tree over the bus for every look-up would make each poll slow.
        """
        known = self._known.get(name)
        if known is not None:
            try:
                if known.name == name:
                    return known
            except Exception:  # its widget is gone
                pass
            del self._known[name]
        found = self._search(name)
        if found is not None:
            self._known[name] = found
        return found

    def _search(self, name):
        # A control before a menu item of the same name: 編集 names its items
        # after what they open (式の入力, 計算の内訳, 計算の履歴).
        named = [node for node, _ in walk(self.app) if node.name == name]
        return next((n for n in named if n.getRoleName() != "menu item"), named[0] if named else None)

    def control(self, name):
        found = self.find(name)
        if found is None:
            raise StepFailed(f"no accessible named {name!r}")
        return found

    def showing(self, name):
        node = self.find(name)
        return node is not None and pyatspi.STATE_SHOWING in states_of(node)

    def focused(self, name):
        node = self.find(name)
        return node is not None and pyatspi.STATE_FOCUSED in states_of(node)

    def focused_name(self):
        """The name of the control that has the keyboard focus, or None."""
        for node, _ in walk(self.frame):
            if pyatspi.STATE_FOCUSED in states_of(node) and node.name:
                return node.name
        return None

    def label_text(self, name):
        """What a screen reader reads as a label's current text: its description."""
        return self.control(name).description

    def box_text(self, name):
        text = self.control(name).queryText()
        return text.getText(0, -1)

    def list_rows(self, name):
        """The names of a list's rows, as a screen reader reads them (its window may bear the same name)."""
        node = next((n for n, _ in walk(self.app) if n.name == name and n.getRoleName() == "list"), None)
        if node is None:
            raise StepFailed(f"no list named {name!r}")
        return [child.name for child in node if child is not None]

    CONTROL_ROLES = {"push button", "label", "text", "entry", "list", "page tab", "check box"}

    def showing_controls(self, skip):
        """(name, extents) of every control of the main window that shows, but those named in skip."""
        found = []
        for node, _ in walk(self.frame):
            if node.getRoleName() not in self.CONTROL_ROLES or node.name in skip:
                continue
            if pyatspi.STATE_SHOWING not in states_of(node):
                continue
            box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            if box.width > 0 and box.height > 0:
                found.append((node.name or node.description, (box.x, box.y, box.width, box.height)))
        return found

    def extents(self, name):
        component = self.control(name).queryComponent()
        box = component.getExtents(pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def dialogs(self):
        """Top-level windows other than the main window: message boxes and the like."""
        found = []
        for child in self.app:
            if child is None or child.getRoleName() == "frame":
                continue
            if pyatspi.STATE_SHOWING in states_of(child) or pyatspi.STATE_VISIBLE in states_of(child):
                found.append(child)
        return found

    @staticmethod
    def texts_in(root):
        """Every name and description under root, in tree order."""
        return [t for node, _ in walk(root) for t in (node.name, node.description) if t]

    # ---- popup menus ----

    def popup_open(self):
        """True while the program shows a popup menu.

        Qt leaves popup windows out of the accessible tree, so this asks the X
        server: a popup is the program's mapped override-redirect window.
        """
        result = subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid)],
            capture_output=True,
            text=True,
        )
        for window in result.stdout.split():
            info = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True).stdout
            if "Override Redirect State: yes" in info and "IsViewable" in info:
                return True
        return False

    # ---- windows as the X server places them ----

    def window_frame(self, title):
        """The program's window of that title as it stands on the screen, its
        frame included, in device pixels (x, y, width, height); None while it does not show."""
        # Every window of the program, by exact title: xdotool's --name pattern
        # does not match Japanese titles reliably.
        result = subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid)], capture_output=True, text=True
        )
        for window in result.stdout.split():
            name = subprocess.run(["xdotool", "getwindowname", window], capture_output=True, text=True).stdout
            if name.rstrip("\n") != title:
                continue
            info = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True).stdout
            values = {k.strip(): v.strip() for k, _, v in (line.partition(":") for line in info.splitlines())}
            extents = subprocess.run(
                ["xprop", "-id", window, "_NET_FRAME_EXTENTS"], capture_output=True, text=True
            ).stdout.partition("=")[2]
            try:
                x, y = int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"])
                w, h = int(values["Width"]), int(values["Height"])
                left, right, top, bottom = (int(v) for v in extents.split(",")) if extents.strip() else (0, 0, 0, 0)
            except (KeyError, ValueError):
                continue
            return x - left, y - top, w + left + right, h + top + bottom
        return None

    @staticmethod
    def screen_size():
        info = subprocess.run(["xwininfo", "-root"], capture_output=True, text=True, check=True).stdout
        values = {k.strip(): v.strip() for k, _, v in (line.partition(":") for line in info.splitlines())}
        return int(values["Width"]), int(values["Height"])

    # ---- input as a person gives it ----

    def point_in(self, name, avoid=None):
        """A point inside the control, away from the control named avoid if that overlaps it."""
        x, y, w, h = wait_until(lambda: self._visible_extents(name), f"{name} on screen")
        candidates = [(x + w // 2, y + h // 2), (x + w // 4, y + h // 2), (x + 3 * w // 4, y + h // 2)]
        if avoid and self.showing(avoid):
            ax, ay, aw, ah = self.extents(avoid)
            for px, py in candidates:
                if not (ax <= px < ax + aw and ay <= py < ay + ah):
                    return px, py
            raise StepFailed(f"{avoid} covers {name}")
        return candidates[0]

    def _visible_extents(self, name):
        node = self.find(name)
        if node is None or pyatspi.STATE_SHOWING not in states_of(node):
            return None
        x, y, w, h = self.extents(name)
        return (x, y, w, h) if w > 0 and h > 0 else None

    def click(self, name, avoid=None):
        x, y = self.point_in(name, avoid)
        self._apart_from_last_click(x, y)
        xdotool("mousemove", x, y, "click", 1)
        self._last_click = (time.monotonic(), x, y)

    def double_click(self, name):
        x, y = self.point_in(name)
        self._apart_from_last_click(x, y)
        xdotool("mousemove", x, y, "click", "--repeat", 2, "--delay", 80, 1)
        self._last_click = (time.monotonic(), x, y)

    def _apart_from_last_click(self, x, y):
        # Two clicks near one spot within the double-click interval (Qt's default
        # is 400 ms) make a double click; a person's separate clicks never do.
        at, last_x, last_y = self._last_click
        wait = at + DOUBLE_CLICK_GAP - time.monotonic()
        if wait > 0 and abs(x - last_x) + abs(y - last_y) < DOUBLE_CLICK_DISTANCE:
            time.sleep(wait)

    @staticmethod
    def type_text(text):
        xdotool("type", "--delay", 40, text)

    @staticmethod
    def key(*keys):
        for k in keys:
            xdotool("key", k)

    def dump_tree(self, path):
        """Writes what AT-SPI shows of the program, one accessible a line, for a failed step."""
        lines = []
        for node, depth in walk(self.app):
            showing = "showing" if pyatspi.STATE_SHOWING in states_of(node) else "hidden"
            lines.append(f"{'  ' * depth}{node.getRoleName()} {node.name!r} {node.description!r} {showing}")
        with open(path, "w", encoding="utf-8") as out:
            out.write("\n".join(lines) + "\n")
        return path

    # ---- what a screen reader does ----

    def do_action(self, name, action):
        """Asks for the control's accessible action, as a screen reader does.

        The call goes out without waiting for its answer: an action that opens
        a popup menu may only answer once the menu is closed, and closing it
        is the step's next move.
        """
        node = self.control(name)
        actions = node.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        if action not in names:
            raise StepFailed(f"{name} offers the actions {names}, not {action}")
        if self._a11y_address is None:
            self._a11y_address = subprocess.run(
                ["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                capture_output=True, text=True, check=True,
            ).stdout.strip()
        call = subprocess.Popen(
            ["dbus-send", f"--bus={self._a11y_address}", "--print-reply", f"--dest={node.app.bus_name}",
             node.path, "org.a11y.atspi.Action.DoAction", f"int32:{names.index(action)}"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        )
        self._calls.append(call)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], check=True)
        return path

    @staticmethod
    def ink_height(x, y, w, h):
        """The height in pixels of what is drawn darker than mid-grey in that part of the screen."""
        shot = subprocess.run(["import", "-window", "root", "png:-"], capture_output=True, check=True).stdout
        out = subprocess.run(
            ["convert", "png:-", "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-colorspace", "Gray",
             "-threshold", "50%", "-trim", "-format", "%h %@", "info:"],
            input=shot,
            capture_output=True,
            check=False,
        ).stdout.decode().split()
        # A part with nothing dark trims to nothing: a 0x0 box.
        return 0 if len(out) < 2 or out[1].startswith("0x") else int(out[0])
