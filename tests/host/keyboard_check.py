#!/usr/bin/env python3
"""Every dialog driven end to end from the keyboard, with real key presses through an X server.

For each dialog the host offers, a key script is planned against the dialog itself (the host's
driver presses the keys and dumps the controls after each one):

  Tab round the dialog and Shift+Tab back: each press moves the focus to the next (previous)
  enabled tab stop in the template's order; an arrow key inside a group of radio buttons moves the
  focus and the choice to the next button of the group; every mnemonic reaches its control once (a
  label's and a frame's: the next tab stop; a check box's: toggled once); in a list of marks the
  first mark key changes the first row's first mark, in the check list Space ticks the first entry;
  Space toggles a check box; Enter is OK.

Then the same keys are pressed for real (xdotool on a virtual X screen, the host's driver handing the
dialog to the user) and by the driver, each run journalling the dialog's controls as it closes: the
two journals (commands, answers, messages and the closing dump) must be identical.

Usage: keyboard_check.py ROOT BUILD_DIR   (it starts its own virtual X screen)
"""

import os
import re
import subprocess
import sys
import tempfile

WS_TABSTOP = 0x00010000
WS_GROUP = 0x00020000
BS_TYPEMASK = 0x0F
BS_GROUPBOX = 7
BS_RADIO_KINDS = (4, 9)           # BS_RADIOBUTTON, BS_AUTORADIOBUTTON
BS_CHECK_KINDS = (2, 3, 5, 6)     # check boxes, two- and three-state
# Lists whose entries carry a check mark that Space ticks (a list of marks is told by its rows).
CHECK_LISTS = {("CMiscDlg", 1214)}
# The driver's key names as xdotool names them.
XDOTOOL_KEYS = {"TAB": "Tab", "RETURN": "Return", "SPACE": "space", "HOME": "Home", "DOWN": "Down",
                "SHIFT": "shift", "ALT": "alt", "CTRL": "ctrl"}

root, build = sys.argv[1], os.path.abspath(sys.argv[2])
if "KIV_KEYS_ON_DISPLAY" not in os.environ:
    os.environ["KIV_KEYS_ON_DISPLAY"] = "1"
    os.execvp("bash", ["bash", os.path.join(root, "tools/with-xvfb.sh"), sys.executable] + sys.argv)

bin_dir = os.path.join(build, "bin")
wine_run = os.path.join(root, "tools/wine-run.sh")
plan_prefix = os.path.join(build, "wineprefix-keys-plan")
real_prefix = os.path.join(build, "wineprefix-keys")
work = tempfile.mkdtemp()


class Control:
    def __init__(self, line):
        fields = dict(re.findall(r" (\w+)=(\S*)", line.split(" text=", 1)[0]))
        head = line[2:].split(" ", 2)
        self.id = int(head[0])
        self.cls = head[1]
        self.enabled = fields.get("enabled") == "1"
        self.visible = fields.get("visible") == "1"
        self.checked = int(fields.get("checked", "0"))
        self.style = int(fields.get("style", "0x0"), 16)
        self.focus = fields.get("focus") == "1"
        self.text = line.split(" text=", 1)[1] if " text=" in line else ""
        self.items = []

    def usable(self):
        return self.enabled and self.visible

    def tab_stop(self):
        return self.usable() and bool(self.style & WS_TABSTOP)

    def kind(self):
        return self.style & BS_TYPEMASK if self.cls.lower() == "button" else None

    def mnemonic(self):
        found = re.search(r"&([^&])", self.text.replace("&&", ""))
        return found.group(1).upper() if found else None


def dumps(journal):
    """The dumps of a journal, each a list of controls in z-order."""
    result, current = [], None
    for line in journal:
        if line.startswith("# dump "):
            current = []
            result.append(current)
        elif current is not None and line.startswith("#   ") and current:
            if not line.startswith("#   columns"):
                current[-1].items.append(line[4:])
        elif current is not None and line.startswith("# ") and " enabled=" in line:
            current.append(Control(line))
        else:
            current = None
    return result


def host(prefix, dialog, actions, journal, driver="null"):
    env = dict(os.environ, KIV_WINE_DRIVER=driver)
    args = [wine_run, prefix, "./kivhost.exe", "--open", dialog, "--journal", journal]
    for action in actions:
        args += ["--do", action]
    subprocess.run(["bash", wine_run, prefix, "reg", "delete", r"HKCU\Software\Calvane", "/f"], cwd=bin_dir,
                   env=env, capture_output=True)
    return subprocess.Popen(["bash"] + args, cwd=bin_dir, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


def read(journal):
    with open(journal, encoding="utf-8", errors="replace") as f:
        return [line.rstrip("\r\n") for line in f]


def trace(dialog, keys):
    """The dialog's controls before the keys and after each of them (the driver presses them)."""
    journal = os.path.join(work, "trace.txt")
    actions = ["dump"]
    for key in keys:
        actions += ["press " + key, "dump"]
    host(plan_prefix, dialog, actions + ["cancel"], journal).wait(timeout=300)
    return dumps(read(journal))


def next_tab_stop(controls, start, step):
    """The tab stop the dialog manager moves to from z-order position start."""
    n = len(controls)
    for i in range(1, n + 1):
        candidate = controls[(start + step * i) % n]
        if candidate.tab_stop():
            return candidate
    return None


def focus_index(controls):
    return next((i for i, c in enumerate(controls) if c.focus), 0)


def tab_keys_to(controls, target_id):
    """Tab presses that bring the focus from where it is to control target_id."""
    index, keys = focus_index(controls), []
    for _ in range(len(controls)):
        if controls[index].id == target_id:
            return keys
        nxt = next_tab_stop(controls, index, 1)
        if nxt is None:
            break
        index = controls.index(nxt)
        keys.append("TAB")
    return None


def radio_group_after(controls, index):
    """The radio buttons of the group that control index belongs to."""
    begin = index
    while begin > 0 and not controls[begin].style & WS_GROUP:
        begin -= 1
    end = index + 1
    while end < len(controls) and not controls[end].style & WS_GROUP:
        end += 1
    return [c for c in controls[begin:end] if c.kind() in BS_RADIO_KINDS]


class Checker:
    def __init__(self, dialog):
        self.dialog = dialog
        self.problems = []

    def expect(self, condition, text):
        if not condition:
            self.problems.append(text)


def plan(dialog, checker):
    """The key script of a dialog, checked step by step against what the dialog does."""
    first = trace(dialog, [])[0]
    keys = []
    stops = [c for c in first if c.tab_stop()]
    # Round the dialog and back.
    tour = ["TAB"] * len(stops) + ["SHIFT+TAB"] * len(stops)
    states = trace(dialog, tour)
    for k, key in enumerate(tour):
        before, after = states[k], states[k + 1]
        want = next_tab_stop(before, focus_index(before), 1 if key == "TAB" else -1)
        got = next((c.id for c in after if c.focus), None)
        checker.expect(want and got == want.id, f"{key} #{k + 1}: focus on {got}, the next tab stop is {want and want.id}")
    keys += tour
    # An arrow inside a group of radio buttons.
    controls = states[-1]
    for radio in (c for c in controls if c.tab_stop() and c.kind() in BS_RADIO_KINDS):
        group = [c for c in radio_group_after(controls, controls.index(radio)) if c.usable()]
        path = tab_keys_to(controls, radio.id)
        if len(group) < 2 or path is None:
            continue
        step = path + ["DOWN"]
        after = trace(dialog, keys + step)[-1]
        want = group[(group.index(radio) + 1) % len(group)]
        moved = next((c for c in after if c.id == want.id), None)
        checker.expect(moved and moved.focus and moved.checked == 1,
                       f"DOWN in the radio group of {radio.id}: {want.id} should take the focus and the choice")
        keys += step
        break
    # Every mnemonic, once each; buttons that open another window ("...") are left alone.
    controls = trace(dialog, keys)[-1]
    letters = []
    for control in controls:
        letter = control.mnemonic()
        opens = control.kind() in (0, 1, 11) and control.text.rstrip().endswith(("...", "…"))
        if letter and control.usable() and not opens and letter not in letters:
            letters.append(letter)
    presses = ["ALT+" + letter for letter in letters]
    states = trace(dialog, keys + presses)[len(keys):]
    for k, letter in enumerate(letters):
        before, after = states[k], states[k + 1]
        owner = next(c for c in before if c.mnemonic() == letter)
        if not owner.usable():
            continue
        focused = next((c for c in after if c.focus), None)
        if owner.cls.lower() == "static" or owner.kind() == BS_GROUPBOX:
            want = next_tab_stop(before, before.index(owner), 1)
            checker.expect(focused and want and focused.id == want.id,
                           f"ALT+{letter} ({owner.text}): focus on {focused and focused.id}, expected {want and want.id}")
        else:
            checker.expect(focused and focused.id == owner.id,
                           f"ALT+{letter} ({owner.text}): focus on {focused and focused.id}, expected {owner.id}")
            now = next(c for c in after if c.id == owner.id)
            if owner.kind() in BS_CHECK_KINDS:
                checker.expect(now.checked == 1 - owner.checked,
                               f"ALT+{letter} ({owner.text}) should toggle the box once: {owner.checked} -> {now.checked}")
            elif owner.kind() in BS_RADIO_KINDS:
                checker.expect(now.checked == 1, f"ALT+{letter} ({owner.text}) should choose the radio button")
    keys += presses
    # A list of marks: its first row's first mark from the keyboard; the check list: Space.
    controls = trace(dialog, keys)[-1]
    for lst in (c for c in controls if c.cls == "ListBox" and c.tab_stop() and c.items):
        marks = lst.items[0].split(" ")[2].startswith("marks=")
        checks = (dialog, lst.id) in CHECK_LISTS
        path = tab_keys_to(controls, lst.id)
        if path is None or not (marks or checks):
            continue
        step = path + ["HOME", "V" if marks else "SPACE"]
        after = next(c for c in trace(dialog, keys + step)[-1] if c.id == lst.id)
        field = 2 if marks else 1
        was, now = lst.items[0].split(" ")[field], after.items[0].split(" ")[field]
        if marks:
            checker.expect(was[6] != now[6] and was[7:] == now[7:],
                           f"V on the first row of {lst.id} should change its first mark only: {was} -> {now}")
        else:
            checker.expect(was != now, f"SPACE on the first entry of {lst.id} should tick or untick it: {was} -> {now}")
        keys += step
        break
    # Space on a check box, then Enter.
    controls = trace(dialog, keys)[-1]
    box = next((c for c in controls if c.tab_stop() and c.kind() in BS_CHECK_KINDS), None)
    if box and tab_keys_to(controls, box.id) is not None:
        step = tab_keys_to(controls, box.id) + ["SPACE"]
        after = next(c for c in trace(dialog, keys + step)[-1] if c.id == box.id)
        checker.expect(after.checked == 1 - box.checked, f"SPACE on {box.id} ({box.text}) should toggle it")
        keys += step
    return keys + ["RETURN"]


def run_pair(dialog, keys, checker):
    """The keys pressed for real and by the driver: the journals must be the same."""
    driver_journal = os.path.join(work, "driver.txt")
    real_journal = os.path.join(work, "real.txt")
    driven = host(real_prefix, dialog, ["closedump"] + ["press " + k for k in keys], driver_journal, "x11").wait(timeout=300)
    checker.expect(driven == 0, f"the driver's Enter did not end the dialog with OK (exit code {driven})")
    process = host(real_prefix, dialog, ["closedump", "user"], real_journal, "x11")
    window = subprocess.run(["timeout", "120", "xdotool", "search", "--sync", "--onlyvisible", "--classname",
                             "kivhost.exe"], capture_output=True, text=True).stdout.split()
    if not window:
        process.kill()
        checker.expect(False, "the dialog's window did not appear on the X screen")
        return
    subprocess.run(["xdotool", "windowfocus", "--sync", window[0]])
    xkeys = ["+".join(XDOTOOL_KEYS.get(part, part.lower()) for part in key.split("+")) for key in keys]
    subprocess.run(["xdotool", "key", "--delay", "120"] + xkeys)
    try:
        process.wait(timeout=60)
    except subprocess.TimeoutExpired:
        process.kill()
        checker.expect(False, "Enter did not close the dialog")
        return
    checker.expect(process.returncode == 0, f"the real Enter did not end the dialog with OK (exit code {process.returncode})")
    driver, real = read(driver_journal), read(real_journal)
    if driver != real:
        diff = [f"  driver: {a}\n  real:   {b}" for a, b in zip(driver, real) if a != b][:3]
        checker.expect(False, f"real keys and the driver's keys differ ({len(driver)} and {len(real)} lines):\n"
                       + "\n".join(diff))


def main():
    listed = subprocess.run(["bash", wine_run, plan_prefix, "./kivhost.exe", "--list"], cwd=bin_dir,
                            capture_output=True, text=True, env=dict(os.environ, KIV_WINE_DRIVER="null"))
    dialogs = [d for d in listed.stdout.split() if d in os.environ.get("KIV_KEYS_ONLY", d)]
    failures = 0
    for dialog in dialogs:
        checker = Checker(dialog)
        keys = plan(dialog, checker)
        run_pair(dialog, keys, checker)
        if checker.problems:
            failures += 1
            print(f"FAIL {dialog} ({len(keys)} keys):")
            for problem in checker.problems:
                print("  " + problem)
        else:
            print(f"ok   {dialog}: {len(keys)} keys, real and driven alike")
    for prefix in (plan_prefix, real_prefix):
        subprocess.run(["/usr/lib/wine/wineserver", "-k"], env=dict(os.environ, WINEPREFIX=prefix))
    print(f"{len(dialogs) - failures} of {len(dialogs)} dialogs pass")
    return 1 if failures or not dialogs else 0


sys.exit(main())
