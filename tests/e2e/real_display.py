"""End-to-end test of QUANTIVEX on a real X display.

Each step starts the program afresh, drives it with real key and pointer
events and reads the window back over AT-SPI. QUANTIVEX_E2E_SKIP leaves
steps out (a comma-separated list of step names), for looking into one.
Run by run_session.sh, which provides the display and the buses.
"""

import argparse
import os
import signal
import sys
import time
import traceback

from desktop import Program, StepFailed, wait_until

# Where an item sits in its category's popup menu: the number of Down presses
# that select it from a freshly opened menu.
MENU_POSITION = {
    ("質量", "kg"): 2,
    ("質量", "lb"): 3,
    ("時間", "min"): 4,
    ("時間", "sec"): 5,
}

VALUE_TIMEOUT = 2.0
DEADLINE_SECONDS = 120


class DeadlinePassed(BaseException):
    """The whole run took too long (or was asked to stop): nothing more is tried."""


def deadline_passed(signum, _frame):
    raise DeadlinePassed(f"stopped by signal {signal.Signals(signum).name}")


class Check:
    """The expectations of one step: each mismatch is kept, the step goes on."""

    def __init__(self, program):
        self.program = program
        self.failures = []

    def fail(self, message):
        print(f"    FAIL {message}", flush=True)
        self.failures.append(message)

    def label(self, name, expected, why=""):
        """The label's text as a screen reader reads it becomes expected."""
        try:
            wait_until(lambda: self.program.label_text(name) == expected, f"{name} = {expected}", VALUE_TIMEOUT)
        except StepFailed:
            seen = self.program.label_text(name)
            self.fail(f"{name} reads {seen!r}, expected {expected!r}{' (' + why + ')' if why else ''}")

    def box(self, name, expected, why=""):
        try:
            wait_until(lambda: self.program.box_text(name) == expected, f"{name} = {expected}", VALUE_TIMEOUT)
        except StepFailed:
            seen = self.program.box_text(name)
            self.fail(f"{name} holds {seen!r}, expected {expected!r}{' (' + why + ')' if why else ''}")

    def hidden(self, name, why=""):
        try:
            wait_until(lambda: not self.program.showing(name), f"{name} to close", VALUE_TIMEOUT)
        except StepFailed:
            self.fail(f"{name} is still showing{' (' + why + ')' if why else ''}")

    def no_dialog(self):
        texts = [" / ".join(Program.texts_in(d)) for d in self.program.dialogs()]
        if texts:
            self.fail(f"a dialog is open: {texts}")


# ---- moves a person makes ----


def pick(program, category, item):
    """Picks item from the popup menu that the last press opened, by keyboard."""
    wait_until(program.popup_open, f"the {category} menu to open")
    program.key(*["Down"] * MENU_POSITION[(category, item)], "Return")
    wait_until(lambda: not program.popup_open(), f"the {category} menu to close")


def press_category(program, category, side):
    button = f"{category}（{side}の単位）"
    wait_until(lambda: program.showing(button), f"the button {button}")
    program.click(button)


def open_box(program, label, box):
    """Opens a left label's edit box with a double click and waits until it has the keyboard."""
    program.double_click(label)
    wait_until(lambda: program.showing(box) and program.focused(box), f"{box} to open with the keyboard")


def set_units(program, check):
    # The start shows the guide alone, so the equation showing is a sign that
    # 単位の設定 took effect.
    check.hidden("左辺の数値", "the equation appears only after 単位の設定")
    program.click("単位の設定")
    wait_until(lambda: program.showing("左辺の数値"), "the equation 1 = 1 after 単位の設定")
    check.label("左辺の数値", "1")
    check.label("左辺の分子", "")


def enter_kg_per_sec(program, check):
    """The left units by mouse and menu: kg over sec, copied to the right side."""
    program.click("左辺の分子")
    press_category(program, "質量", "左辺")
    pick(program, "質量", "kg")
    check.label("左辺の分子", "kg")
    check.label("右辺の分子", "kg")
    program.click("左辺の分母")
    press_category(program, "時間", "左辺")
    pick(program, "時間", "sec")
    check.label("左辺の分母", "sec")
    check.label("右辺の分母", "sec")


# ---- the steps ----


def road_by_mouse(program, check):
    """5 kg/sec in lb/min with the mouse, the value typed without selecting first."""
    set_units(program, check)
    enter_kg_per_sec(program, check)
    open_box(program, "左辺の数値", "左辺の数値の入力")
    # A person double-clicks the 1 and types 5: the open box must take the 5 in
    # place of the 1, not after it.
    program.type_text("5")
    check.box("左辺の数値の入力", "5", "typing into a freshly opened box replaces its text")
    program.click("左辺の数値", avoid="左辺の数値の入力")
    check.hidden("左辺の数値の入力", "a click on the value commits it")
    check.label("左辺の数値", "5")
    check.label("右辺の数値", "5")
    program.click("単位の変換")
    # Pressing the right numerator offers one button per category found there.
    program.click("右辺の分子")
    press_category(program, "質量", "右辺")
    pick(program, "質量", "lb")
    check.label("右辺の分子", "lb")
    check.label("右辺の数値", "11.0231")
    program.click("右辺の分母")
    press_category(program, "時間", "右辺")
    pick(program, "時間", "min")
    check.label("右辺の分母", "min")
    check.label("右辺の数値", "661.386")
    check.label("左辺の数値", "5")
    check.label("左辺の分子", "kg")
    check.label("左辺の分母", "sec")
    check.no_dialog()


def unknown_unit_message(program, check):
    """kgg typed over kg in the left numerator is refused with a message box."""
    set_units(program, check)
    program.click("左辺の分子")
    press_category(program, "質量", "左辺")
    pick(program, "質量", "kg")
    check.label("左辺の分子", "kg")
    open_box(program, "左辺の分子", "左辺の分子の入力")
    program.type_text("kgg")
    check.box("左辺の分子の入力", "kgg", "typing into a freshly opened box replaces its text")
    program.click("左辺の分子", avoid="左辺の分子の入力")
    dialog = wait_until(lambda: next(iter(program.dialogs()), None), "a message box", VALUE_TIMEOUT)
    texts = Program.texts_in(dialog)
    if dialog.name != "メッセージ":
        check.fail(f"the message box is titled {dialog.name!r}, expected 'メッセージ'")
    if not any(t.startswith("単位が正しくありません「kgg」") for t in texts):
        check.fail(f"the message box says {texts}, expected 単位が正しくありません「kgg」")
    program.key("Return")
    wait_until(lambda: not program.dialogs(), "the message box to close")
    # Nothing typed is lost: the box stays open on what was refused.
    if not program.showing("左辺の分子の入力"):
        check.fail("the numerator box closed after the refusal")
    check.box("左辺の分子の入力", "kgg")


def enter_commits(program, check):
    """Enter in an open box commits it as a click on its label does."""
    set_units(program, check)
    open_box(program, "左辺の数値", "左辺の数値の入力")
    program.type_text("7")
    program.key("Return")
    check.hidden("左辺の数値の入力", "Enter commits the value")
    check.label("左辺の数値", "7")
    check.label("右辺の数値", "7")
    check.no_dialog()


def escape_cancels(program, check):
    """Escape closes an open box and puts back the text from before the edit."""
    set_units(program, check)
    open_box(program, "左辺の数値", "左辺の数値の入力")
    program.type_text("9")
    program.key("Escape")
    check.hidden("左辺の数値の入力", "Escape closes the box")
    check.label("左辺の数値", "1")
    check.label("右辺の数値", "1")
    check.no_dialog()


def refused_value_hint(program, check):
    """A refused value shows a hint naming it; the next key takes the hint away."""
    set_units(program, check)
    open_box(program, "左辺の数値", "左辺の数値の入力")
    program.type_text("12abc")
    program.click("左辺の数値", avoid="左辺の数値の入力")
    try:
        hint = wait_until(lambda: program.showing("入力の注意") and program.find("入力の注意"), "the hint 入力の注意")
        shown = [hint.description, hint.name] + Program.texts_in(hint)
        if not any(t.startswith("数値ではありません「12abc」") for t in shown):
            check.fail(f"the hint says {shown}, expected 数値ではありません「12abc」")
    except StepFailed as e:
        check.fail(str(e))
    if not program.showing("左辺の数値の入力"):
        check.fail("the value box closed on a refused value")
    check.box("左辺の数値の入力", "12abc")
    program.key("End", "BackSpace", "BackSpace", "BackSpace")
    check.box("左辺の数値の入力", "12")
    check.hidden("入力の注意", "the next keystroke takes the hint away")
    program.click("左辺の数値", avoid="左辺の数値の入力")
    check.hidden("左辺の数値の入力", "12 commits")
    check.label("左辺の数値", "12")
    check.no_dialog()


def press_action_opens_menu(program, check):
    """A category button's accessible Press action opens its menu, as a mouse press does."""
    check.hidden("左辺の数値", "the equation appears only after 単位の設定")
    program.do_action("単位の設定", "Press")
    wait_until(lambda: program.showing("左辺の数値"), "the equation 1 = 1 after 単位の設定 by its action")
    program.click("左辺の分子")
    button = "質量（左辺の単位）"
    wait_until(lambda: program.showing(button), f"the button {button}")
    program.do_action(button, "Press")
    pick(program, "質量", "kg")
    check.label("左辺の分子", "kg")
    check.no_dialog()


def tab_to(program, name, limit=60):
    """Presses Tab until the control has the keyboard focus."""
    for _ in range(limit):
        if program.focused(name):
            return
        if not program.press_moving_focus("Tab"):
            raise StepFailed(f"Tab moved the focus nowhere on the way to {name}")
    raise StepFailed(f"Tab never reached {name}")


def keyboard_pick(program, category, side, item):
    button = f"{category}（{side}の単位）"
    wait_until(lambda: program.showing(button), f"the button {button}")
    tab_to(program, button)
    program.key("space")
    pick(program, category, item)


def keyboard_road(program, check):
    """The whole 5 kg/sec road without the mouse."""
    tab_to(program, "単位の設定")
    program.key("space")
    wait_until(lambda: program.showing("左辺の数値"), "the equation 1 = 1 after 単位の設定")
    tab_to(program, "左辺の分子")
    program.key("space")
    keyboard_pick(program, "質量", "左辺", "kg")
    check.label("左辺の分子", "kg")
    tab_to(program, "左辺の分母")
    program.key("space")
    keyboard_pick(program, "時間", "左辺", "sec")
    check.label("左辺の分母", "sec")
    tab_to(program, "左辺の数値")
    program.key("F2")
    wait_until(lambda: program.focused("左辺の数値の入力"), "F2 to open the value box")
    program.type_text("5")
    program.key("Return")
    check.hidden("左辺の数値の入力", "Enter commits the value")
    check.label("左辺の数値", "5")
    tab_to(program, "単位の変換")
    program.key("space")
    # Space and Enter both press a right unit label; one of each here.
    tab_to(program, "右辺の分子")
    program.key("space")
    keyboard_pick(program, "質量", "右辺", "lb")
    check.label("右辺の分子", "lb")
    tab_to(program, "右辺の分母")
    program.key("Return")
    keyboard_pick(program, "時間", "右辺", "min")
    check.label("右辺の分母", "min")
    check.label("右辺の数値", "661.386")
    check.no_dialog()


def typed_line(program, check):
    """From the start, Ctrl+L, 5 kg/s lb/min and Enter: the whole road in 15 keystrokes."""
    wait_until(lambda: program.focused("単位の設定"), "the keyboard on 単位の設定 at the start")
    line = "5 kg/s lb/min"
    keystrokes = ["ctrl+l", *line, "Return"]
    if len(keystrokes) != 15:
        check.fail(f"the road takes {len(keystrokes)} keystrokes, not 15")
    program.key("ctrl+l")
    wait_until(lambda: program.focused("式の入力"), "Ctrl+L to open 式の入力")
    program.type_text(line)
    try:
        wait_until(lambda: program.control("式の入力").description == "5 kg/sec → lb/min", "the line's reading")
    except StepFailed:
        check.fail(f"式の入力 reads {program.control('式の入力').description!r}, expected '5 kg/sec → lb/min'")
    program.key("Return")
    check.hidden("式の入力", "Enter runs the line and closes it")
    for name, text in [("左辺の数値", "5"), ("左辺の分子", "kg"), ("左辺の分母", "sec"),
                       ("右辺の数値", "661.386"), ("右辺の分子", "lb"), ("右辺の分母", "min")]:
        check.label(name, text)
    check.no_dialog()


# The category buttons of the left row, left to right as they stand.
LEFT_ROW = ["質量", "長さ", "面積", "体積", "時間", "力", "圧力", "熱量"]
READING_ORDER = [
    "単位の設定", "クリヤ", "単位の変換",
    "左辺の数値", "左辺の分子", "左辺の分母", "右辺の数値", "右辺の分子", "右辺の分母",
] + [f"{c}（左辺の単位）" for c in LEFT_ROW]


def tab_in_reading_order(program, check):
    """Tab goes through the workflow, the equation as it reads and the buttons as they stand; Shift+Tab back."""
    set_units(program, check)
    enter_kg_per_sec(program, check)
    program.click("左辺の分子")
    wait_until(lambda: program.showing("熱量（左辺の単位）"), "the left row of category buttons")
    tab_to(program, "単位の設定")
    seen = [program.focused_name()]
    for _ in READING_ORDER:
        if not program.press_moving_focus("Tab"):
            break
        seen.append(program.focused_name())
    if seen != READING_ORDER + ["単位の設定"]:
        check.fail(f"Tab goes {seen}, expected {READING_ORDER + ['単位の設定']}")
    back = []
    for _ in range(3):
        if not program.press_moving_focus("shift+Tab"):
            break
        back.append(program.focused_name())
    expected_back = [f"{c}（左辺の単位）" for c in reversed(LEFT_ROW[-3:])]
    if back != expected_back:
        check.fail(f"Shift+Tab from 単位の設定 goes {back}, expected {expected_back}")


def overlap(a, b):
    ax, ay, aw, ah = a
    bx, by, bw, bh = b
    return ax < bx + bw and bx < ax + aw and ay < by + bh and by < ay + ah


def hint_covers_nothing(program, check, text):
    """The hint shows the text, is heard once, and covers no control that shows."""
    try:
        wait_until(lambda: program.showing("入力の注意") and program.label_text("入力の注意") == text, f"the hint {text}")
    except StepFailed as e:
        check.fail(str(e))
        return
    hint = program.extents("入力の注意")
    for name, box in program.showing_controls(skip={"入力の注意"}):
        if overlap(hint, box):
            check.fail(f"the hint {text} at {hint} covers {name} at {box}")
    program.pump_events()
    heard = program.announced.count(text)
    if heard != 1:
        check.fail(f"a screen reader heard the hint {text} {heard} times, not once")


def hints_cover_nothing(program, check):
    """Each hint of the road shows in the hint line, covers no control and is heard once."""
    wait_until(lambda: program.focused("単位の設定"), "the keyboard on 単位の設定 at the start")
    tab_to(program, "単位の変換")
    program.key("space")
    wait_until(lambda: program.dialogs(), "the notice 単位が未設定です")
    hint_covers_nothing(program, check, "左辺の分子か分母をクリックして単位を選んでください")
    program.key("Return")
    wait_until(lambda: not program.dialogs(), "the notice to close")
    type_line(program, "5 kg/s")
    tab_to(program, "左辺の数値")
    program.key("F2")
    wait_until(lambda: program.focused("左辺の数値の入力"), "F2 to open the value box")
    program.type_text("12abc")
    program.key("Return")
    hint_covers_nothing(program, check, "数値ではありません「12abc」")
    program.key("Escape")
    check.hidden("左辺の数値の入力", "Escape closes the box")
    program.key("ctrl+c")
    hint_covers_nothing(program, check, "式をコピーしました")
    tab_to(program, "クリヤ")
    program.key("space")
    hint_covers_nothing(program, check, "「単位の設定」で新しい式を始めます")


def hints_cover_nothing_at_scale_2(program, check):
    """At scale 2 too, each hint of the road covers no control and is heard once."""
    hints_cover_nothing(program, check)


hints_cover_nothing_at_scale_2.scale = 2


def menu_by_keys(program, check):
    """F10 and Alt+E open 編集(E), Alt+H ヘルプ(H); Escape closes each and the keyboard is back where it was."""
    for title in ("編集(E)", "ヘルプ(H)"):
        if not program.showing(title):
            check.fail(f"the menu bar shows no {title}")
    wait_until(lambda: program.focused("単位の設定"), "the keyboard on 単位の設定 at the start")
    # An item only that menu holds shows while it is open.
    for key, menu, item in (("F10", "編集", "数値をコピー"), ("alt+e", "編集", "数値をコピー"), ("alt+h", "ヘルプ", "バージョン")):
        program.key(key)
        try:
            wait_until(program.popup_open, f"{key} to open a menu")
            wait_until(lambda: program.showing(item), f"{key} to open {menu}")
        except StepFailed as e:
            check.fail(str(e))
            continue
        program.key("Escape")
        try:
            wait_until(lambda: not program.popup_open(), "Escape to close the menu")
            wait_until(lambda: program.focused("単位の設定"), f"the keyboard back on 単位の設定 after {key} and Escape")
        except StepFailed as e:
            check.fail(str(e))
    # and 単位の設定 takes the next key, not the menu bar
    program.key("space")
    check.label("左辺の数値", "1", "Space after the menu reaches 単位の設定")


def type_line(program, line):
    program.key("ctrl+l")
    wait_until(lambda: program.focused("式の入力"), "Ctrl+L to open 式の入力")
    program.type_text(line)
    program.key("Return")
    wait_until(lambda: not program.showing("式の入力"), f"the line {line} to run")


def history_window(program, check):
    """Ctrl+H opens 計算の履歴 beside the calculator; its rows read as their entries; Enter restores one."""
    wait_until(lambda: program.focused("単位の設定"), "the keyboard on 単位の設定 at the start")
    type_line(program, "5 kg/s lb/min")
    type_line(program, "2 m ft")
    check.label("右辺の数値", "6.56168")
    program.key("ctrl+h")
    beside_main(program, check, "計算の履歴")
    expected = ["2 m = 6.56168 ft", "5 kg/sec = 661.386 lb/min"]
    try:
        wait_until(lambda: program.list_rows("計算の履歴") == expected, "the history's rows")
    except StepFailed:
        check.fail(f"計算の履歴 reads {program.list_rows('計算の履歴')}, expected {expected}")
    program.key("Down")
    program.key("Return")
    check.label("右辺の数値", "661.386", "Enter on the second row restores it")
    check.label("左辺の分子", "kg")


def legible_mirror(program, check):
    """Twenty typed digits stay legible in the left value that mirrors them, the last ones in view."""
    set_units(program, check)
    open_box(program, "左辺の数値", "左辺の数値の入力")
    digits = "12345678901234567890"
    program.type_text(digits)
    check.label("左辺の数値", digits, "a screen reader reads the whole text")
    x, y, w, h = program.extents("左辺の数値")
    height = program.ink_height(x, y, w, h)
    if height < 8:
        check.fail(f"the mirrored digits are {height} px high, expected at least 8")


def beside_main(program, check, title):
    """The window of that title shows beside the main window, a few pixels away, wholly on the screen."""
    try:
        x, y, w, h = wait_until(lambda: program.window_frame(title), f"the window {title}")
        time.sleep(0.5)  # it settles once the window manager has framed it
        x, y, w, h = program.window_frame(title)
    except (StepFailed, TypeError) as e:
        check.fail(str(e))
        return
    mx, my, mw, mh = program.window_frame("QUANTIVEX")
    sw, sh = Program.screen_size()
    if x < 0 or y < 0 or x + w > sw or y + h > sh:
        check.fail(f"{title} at {x},{y} {w}x{h} runs off the {sw}x{sh} screen")
    apart = max(mx - (x + w), x - (mx + mw), my - (y + h), y - (my + mh))
    if apart < 0:
        check.fail(f"{title} at {x},{y} {w}x{h} covers the main window at {mx},{my} {mw}x{mh}")
    elif apart > 12:
        check.fail(f"{title} opens {apart} px away from the main window")


def windows_beside_at_scale_2(program, check):
    """At scale 2, 計算の内訳, the help and 計算の履歴 open beside the main window and wholly on the screen."""
    wait_until(lambda: program.focused("単位の設定"), "the keyboard on 単位の設定 at the start")
    program.key("space")
    wait_until(lambda: program.showing("左辺の数値"), "the equation after 単位の設定")
    program.key("ctrl+b")
    beside_main(program, check, "計算の内訳")
    program.key("Escape")
    wait_until(lambda: program.window_frame("計算の内訳") is None, "計算の内訳 to close on Escape")
    wait_until(lambda: program.focused("単位の設定"), "the keyboard back in the main window")
    program.key("F1")
    beside_main(program, check, "QUANTIVEX ヘルプ")
    program.key("Escape")
    wait_until(lambda: program.window_frame("QUANTIVEX ヘルプ") is None, "the help to close on Escape")
    program.key("ctrl+h")
    beside_main(program, check, "計算の履歴")


windows_beside_at_scale_2.scale = 2


STEPS = [
    road_by_mouse,
    unknown_unit_message,
    enter_commits,
    escape_cancels,
    refused_value_hint,
    hints_cover_nothing,
    hints_cover_nothing_at_scale_2,
    press_action_opens_menu,
    keyboard_road,
    typed_line,
    tab_in_reading_order,
    menu_by_keys,
    history_window,
    legible_mirror,
    windows_beside_at_scale_2,
]


def run_step(step, binary, artifacts):
    name = step.__name__
    print(f"--- {name}: {step.__doc__.strip()}", flush=True)
    started = time.monotonic()
    program = None
    check = None
    failures = []
    try:
        program = Program(binary, os.path.join(artifacts, "quantivex.log"), getattr(step, "scale", None))
        check = Check(program)
        step(program, check)
    except StepFailed as e:
        failures.append(str(e))
        print(f"    FAIL {e}", flush=True)
    except Exception:
        # Mostly the program gone from the bus under the step's feet: say so first.
        status = program.exit_status() if program is not None else None
        died = f"the program ended with status {status}\n" if status is not None else ""
        failures.append(died + traceback.format_exc())
        print(f"    ERROR {died}{traceback.format_exc()}", flush=True)
    finally:
        if check is not None:
            failures = check.failures + failures
        if program is not None:
            suffix = "-failed" if failures else ""
            shot = program.screenshot(os.path.join(artifacts, f"{name}{suffix}.png"))
            print(f"    screenshot: {shot}", flush=True)
            if failures:
                try:
                    tree = program.dump_tree(os.path.join(artifacts, f"{name}-failed.tree.txt"))
                    print(f"    accessible tree: {tree}", flush=True)
                except Exception as e:  # a program that crashed has no tree to show
                    print(f"    no accessible tree: {e}", flush=True)
            program.stop()
    print(f"    {'FAILED' if failures else 'passed'} in {time.monotonic() - started:.1f} s", flush=True)
    return failures


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--app", required=True)
    parser.add_argument("--artifacts", required=True)
    args = parser.parse_args()
    # A run that hangs is stopped well inside ctest's timeout, through the
    # steps' own clean-up, so the program and the session always get stopped.
    signal.signal(signal.SIGALRM, deadline_passed)
    signal.signal(signal.SIGTERM, deadline_passed)
    signal.alarm(DEADLINE_SECONDS)

    skip = {s.strip() for s in os.environ.get("QUANTIVEX_E2E_SKIP", "").split(",") if s.strip()}
    unknown = skip - {s.__name__ for s in STEPS}
    if unknown:
        sys.exit(f"e2e: QUANTIVEX_E2E_SKIP names no step {sorted(unknown)}")

    passed = failed = 0
    left_out = []
    try:
        for step in STEPS:
            if step.__name__ in skip:
                left_out.append(step.__name__)
                continue
            if run_step(step, args.app, args.artifacts):
                failed += 1
            else:
                passed += 1
    except DeadlinePassed as e:
        print(f"e2e: {e} after {DEADLINE_SECONDS} s at most; the steps after this one were not run")
        return 1
    if left_out:
        print(f"not run (QUANTIVEX_E2E_SKIP): {', '.join(left_out)}")
    print(f"e2e: {passed} steps passed, {failed} failed")
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main())
